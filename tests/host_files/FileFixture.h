#pragma once
// A host with the test plug-in loaded, a folder for scene files, and a dump
// of the whole scene (nodes, parents, every plug value and lock) to compare
// scenes by.

#include "plugins/PluginManager.h"
#include "scene/PluginDataObject.h"
#include "scene/Scene.h"
#include "support/HostTestEnvironment.h"

#include <maya/MPxData.h>

#include <cstdio>
#include <sstream>
#include <string>

namespace filetest {

class FileFixture : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::HostTest::SetUp();
        run(std::string("loadPlugin \"") + NB_TEST_PLUGIN_DIR + "/nbtestplugin.so\"");
    }

    std::string path(const std::string& name) const { return m_dir.file(name); }


    // Saves the scene under the name in the test folder; returns the path.
    std::string save(const std::string& name, const std::string& type = "")
    {
        run("file -rename \"" + path(name) + "\"");
        run("file -save" + (type.empty() ? "" : " -type \"" + type + "\""));
        return path(name);
    }
    bool open(const std::string& file) { return eval("file -open -force \"" + file + "\"").ok; }

    // Transforms with changed and locked values, a hierarchy, a changed
    // default camera, a new camera, and a plug-in node whose data and
    // string hold quotes, backslashes and line breaks.
    void buildScene()
    {
        run("createNode transform -n box; setAttr box.t 1.5 -2 0.125; setAttr -lock on box.sy;"
            "createNode transform -n lid -p box; setAttr lid.ry 33.3;"
            "setAttr persp.tx 12; setAttr perspShape.fl 50; camera;"
            "createNode nbTestNode -n note -p box;"
            "setAttr note.pl -type nbTestData 7 4 \"plain\" \"say \\\"hi\\\"\" \"back\\\\slash\" \"two\\nlines\";"
            "setAttr note.lb -type \"string\" \"tab\\there \\\"q\\\" \\\\ end\\n\";"
            "setAttr defaultResolution.w 1920;");
    }

    std::string dump()
    {
        std::ostringstream out;
        for (const auto& node : nbhost::Scene::instance().fileOrder()) {
            out << node->type().name() << " " << node->name() << " <"
                << (node->parent() ? node->parent()->name() : "") << ">\n";
            for (const auto& attr : node->type().attributes())
                if (attr->kind() != nbhost::Attribute::Kind::Compound && attr->flags().storable)
                    out << "  " << attr->longName() << (node->isLocked(*attr) ? " locked" : "") << " = "
                        << valueText(node->value(*attr)) << "\n";
        }
        return out.str();
    }

    int readState(const std::string& node) { return run("getAttr " + node + ".rs").asInt(); }

private:
    static std::string valueText(const nbhost::PlugValue& value)
    {
        char number[40];
        switch (value.kind) {
        case nbhost::PlugValue::Kind::Number:
            std::snprintf(number, sizeof number, "%.17g", value.number);
            return number;
        case nbhost::PlugValue::Kind::String:
            return "'" + value.text + "'";
        case nbhost::PlugValue::Kind::Data: {
            std::ostringstream text;
            nbhost::PluginDataObject::from(value.data)->data()->writeASCII(text);
            return "data " + text.str();
        }
        default:
            return "none";
        }
    }

    nbtest::TempDir m_dir{"nbfiles"};
};

} // namespace filetest
