#pragma once
// Scene commands run through the host's script language.

#include "SceneFixture.h"

#include "script/Value.h"
#include "undo/UndoQueue.h"

#include <string>
#include <vector>

namespace scenetest {

class CommandFixture : public SceneFixture
{
protected:
    // The value of a script that must succeed.
    nbhost::Value run(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
        return result.value;
    }
    std::vector<std::string> list(const std::string& script) { return run(script).asStringArray(); }
    std::string text(const std::string& script) { return run(script).asString(); }

    // A script that must fail; returns the errors it printed.
    std::string failure(const std::string& script)
    {
        output().clear();
        EXPECT_FALSE(eval(script).ok) << script;
        return output().errors();
    }
};

using Names = std::vector<std::string>;

} // namespace scenetest
