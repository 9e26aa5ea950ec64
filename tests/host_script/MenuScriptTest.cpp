#include "ScriptFixture.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace nbhost {

namespace {

bool hasFlag(const std::vector<Value>& args, const char* flag)
{
    return std::find(args.begin(), args.end(), Value::fromString(flag)) != args.end();
}

std::string lastWord(const std::vector<Value>& args)
{
    return args.empty() ? std::string() : args.back().asString();
}

CommandOutcome ok(Value v = Value())
{
    return CommandOutcome{true, std::move(v), {}};
}

} // namespace

// Runs a script written like the plug-in's menu script against a fake
// interface that creates, queries and edits named controls.
class MenuScriptTest : public ScriptTest
{
protected:
    MenuScriptTest()
    {
        for (const char* name : {"menu", "paneLayout", "modelPanel", "window"})
            host.add(name, [this, name](const std::vector<Value>& a) { return control(name, a); });
        host.add("menuItem", [this](const std::vector<Value>& a) {
            return ok(hasFlag(a, "-e") ? Value() : Value::fromString("menuItem" + std::to_string(++m_items)));
        });
        host.add("objExists", [this](const std::vector<Value>& a) { return ok(Value::fromInt(m_existing.count(lastWord(a)))); });
        host.add("ls", [](const std::vector<Value>& a) {
            return ok(hasFlag(a, "-sl") ? Value::fromStringArray({"sel1"})
                                        : Value::fromStringArray({"|n1|nShape1", "|n2|nShape2"}));
        });
        host.add("listRelatives", [](const std::vector<Value>& a) {
            return ok(Value::fromStringArray({"parentOf" + lastWord(a)}));
        });
        host.addResult("camera", Value::fromStringArray({"camera1", "cameraShape1"}));
        host.addResult("menuSet", Value::fromString("modelingMenuSet"));
        host.add("vxNiblineNode", [](const std::vector<Value>& a) {
            return ok(hasFlag(a, "-exists") ? Value::fromInt(1) : Value::fromString("persp"));
        });
        host.add("vxNiblineLayer", [](const std::vector<Value>& a) {
            return ok(hasFlag(a, "-q") ? Value::fromInt(2) : Value());
        });
        for (const char* name : {"deleteUI", "radioMenuItemCollection", "setParent", "setMenuMode", "evalDeferred",
                                 "rename", "select", "move", "showWindow", "lookThroughModelPanel", "delete",
                                 "vxNiblineUtil"})
            host.addResult(name, Value());

        std::ifstream file(std::string(NB_TEST_DATA_DIR) + "/scripts/menu_style.mel");
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_FALSE(text.str().empty());
        EvalResult sourced = interpreter.evaluate(text.str(), "menu_style.mel");
        EXPECT_TRUE(sourced.ok) << sourced.error;
        EXPECT_TRUE(host.calls.empty()); // sourcing only defines procedures
        interpreter.setGlobal("gMainWindow", Value::fromString("MayaWindow"));
    }

    CommandOutcome control(const std::string& kind, const std::vector<Value>& args)
    {
        const std::string name = lastWord(args);
        if (hasFlag(args, "-exists"))
            return ok(Value::fromInt(m_existing.count(name)));
        if (hasFlag(args, "-q") || hasFlag(args, "-e"))
            return ok(Value::fromInt(0));
        const std::string created = kind == "menu" ? "menu1" : name;
        m_existing.insert(created);
        return ok(Value::fromString(created));
    }

    // The calls of one command, as "name arg arg ...".
    std::vector<std::string> callsOf(const std::string& command) const
    {
        std::vector<std::string> lines;
        for (const RecordedCall& call : host.calls) {
            if (call.name != command)
                continue;
            std::string line = call.name;
            for (const Value& v : call.args)
                line += " " + std::string(v.type() == Value::Type::String ? "" : "#") + v.asString();
            lines.push_back(line);
        }
        return lines;
    }

    bool called(const std::string& line) const
    {
        const std::string command = line.substr(0, line.find(' '));
        const std::vector<std::string> lines = callsOf(command);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    std::set<std::string> m_existing;
    int m_items = 0;
};

TEST_F(MenuScriptTest, CreateBuildsTheMenuAndRestoresTheMenuSet)
{
    value("vxNbCreateMainMenu(1)");
    EXPECT_TRUE(called("menu -parent MayaWindow -tearOff true -label NB2"));
    EXPECT_TRUE(called("menuItem -label Draw -command vxNiblineUtil -draw"));
    EXPECT_TRUE(called("menuItem -label Pencil -radioButton on -command vxNiblineUtil -pencilTool"));
    EXPECT_TRUE(called("menuItem -label Ghost Previous -checkBox off -command vxNiblineUtil -e -ghostPrevious -1"));
    EXPECT_TRUE(called("menuItem -label Always -radioButton on -command vxNiblineUtil -e -timelineFrameDisplay 0"));
    EXPECT_TRUE(called("menuItem -label Move layers to Nibline View -command vxNiblineUtil -fvm \"\""));
    EXPECT_TRUE(called("setParent -menu .."));
    EXPECT_TRUE(called("menuSet -am menu1 animationMenuSet"));
    EXPECT_TRUE(called("evalDeferred setMenuMode modelingMenuSet"));
    EXPECT_TRUE(callsOf("deleteUI").empty());

    // A second creation replaces the menu.
    value("vxNbCreateMainMenu(0)");
    EXPECT_TRUE(called("deleteUI -m menu1"));
    EXPECT_EQ(callsOf("menuSet").size(), 2u); // only the first run touched menu sets
}

TEST_F(MenuScriptTest, UpdateTurnsOnTheItemsOfTheSettings)
{
    value("vxNbCreateMainMenu(0); vxNbUpdateMainMenu(1, 1, 0, 2)");
    // Brush, Ghost Previous, Ghost Next and Off are the 5th, 7th, 8th and 11th items made.
    EXPECT_TRUE(called("menuItem -e -radioButton on menuItem5"));
    EXPECT_TRUE(called("menuItem -e -checkBox #1 menuItem7"));
    EXPECT_TRUE(called("menuItem -e -checkBox #0 menuItem8"));
    EXPECT_TRUE(called("menuItem -e -radioButton on menuItem11"));

    host.calls.clear();
    value("vxNbUpdateMainMenu 9 0 0 7"); // out-of-range values change nothing but the check boxes
    EXPECT_EQ(callsOf("menuItem").size(), 2u);
}

TEST_F(MenuScriptTest, FloatingViewportCreatesCameraAndWindowOnce)
{
    value("vxNbCreateFloatingViewport(\"persp\")");
    EXPECT_TRUE(called("rename camera1 niblineCam"));
    EXPECT_TRUE(called("select -r sel1"));
    EXPECT_TRUE(called("move -a #0 #1000 #0 niblineCam"));
    EXPECT_TRUE(called("window -retain -title Nibline -widthHeight #300 #280 vxNbFloatingWindow"));
    EXPECT_TRUE(called("paneLayout -parent vxNbFloatingWindow vxNiblineFloatingPaneLayout"));
    EXPECT_TRUE(called("lookThroughModelPanel niblineCam vxNiblineFloatingModelPanel"));
    EXPECT_TRUE(called("vxNiblineLayer -mva niblineCam persp"));

    host.calls.clear();
    value("vxNbCreateFloatingViewport \"\"");
    EXPECT_TRUE(called("window -e -visible true vxNbFloatingWindow"));
    EXPECT_TRUE(callsOf("paneLayout").size() == 1u); // only the existence check
    EXPECT_TRUE(callsOf("vxNiblineLayer").empty());
}

TEST_F(MenuScriptTest, CleanupProceduresRunTheirCommands)
{
    value("vxNbDeleteActiveLayer(); vxNbDeleteAllNodes(); vxNbDeleteMainMenu;");
    EXPECT_TRUE(called("vxNiblineLayer -delete #2 persp"));
    EXPECT_TRUE(called("delete parentOf|n1|nShape1"));
    EXPECT_TRUE(called("delete parentOf|n2|nShape2"));
    EXPECT_EQ(callsOf("vxNiblineUtil"),
              (std::vector<std::string>{"vxNiblineUtil -refreshLayerManager", "vxNiblineUtil -refreshTimelineDisplay"}));
    EXPECT_TRUE(callsOf("deleteUI").empty()); // no menu was created
}

} // namespace nbhost
