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
    std::vector<std::string> list(const std::string& script) { return run(script).asStringArray(); }
    std::string text(const std::string& script) { return run(script).asString(); }
};

using Names = std::vector<std::string>;

} // namespace scenetest
