#pragma once

#include "support/GuiTestEnvironment.h"

#include "ui/ControlRegistry.h"

#include <QAction>
#include <QMenu>

#include <string>

// A host with its interface, and helpers that read results of the
// interface commands.
class UiTest : public nbtest::GuiTest
{
protected:
    std::string str(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << ": " << result.error << output().errors();
        return result.value.asString();
    }
    long long num(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << ": " << result.error << output().errors();
        return result.value.asInt();
    }
    std::vector<std::string> strings(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << ": " << result.error << output().errors();
        return result.value.asStringArray();
    }
    bool fails(const std::string& script) { return !eval(script).ok; }

    static QMenu* menu(const std::string& name) { return nbhost::ControlRegistry::findMenu(QString::fromStdString(name)); }
    static QAction* item(const std::string& name)
    {
        return nbhost::ControlRegistry::findAction(QString::fromStdString(name));
    }
};
