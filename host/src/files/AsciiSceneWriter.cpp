#include "files/AsciiSceneWriter.h"

#include "files/DataValueWriter.h"
#include "script/Lexer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace nbhost {

std::string AsciiSceneWriter::write(const SceneContents& contents, const std::string& fileName)
{
    // The name goes into comments, which a line break would end.
    std::string name = std::filesystem::path(fileName).filename().string();
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    std::ostringstream out;
    out << kHeader << "\n//Name: " << name << "\n";
    for (const auto& requirement : contents.requirements)
        out << "requires " << Lexer::quote(requirement.plugin) << " " << Lexer::quote(requirement.version)
            << ";\n";
    out << "currentUnit -l " << contents.linearUnit << " -a " << contents.angleUnit << " -t "
        << contents.timeUnit << ";\n";
    for (const auto& node : contents.nodes)
        writeNode(out, node);
    out << kEndMark << name << "\n";
    return out.str();
}

std::string AsciiSceneWriter::number(double value, bool boolean)
{
    if (boolean)
        return value != 0.0 ? "yes" : "no";
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[40];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

void AsciiSceneWriter::writeNode(std::ostream& out, const SceneContents::Node& node)
{
    out << "createNode " << node.type << (node.shared ? " -s" : "") << " -n " << Lexer::quote(node.name);
    if (!node.parent.empty())
        out << " -p " << Lexer::quote(node.parent);
    out << ";\n";
    for (const auto& plug : node.plugs)
        writePlug(out, node, plug);
}

void AsciiSceneWriter::writePlug(std::ostream& out, const SceneContents::Node& node,
                                 const SceneContents::Plug& plug)
{
    const std::string target = Lexer::quote("." + plug.attribute);
    switch (plug.value.kind) {
    case PlugValue::Kind::Number:
        out << "\tsetAttr " << target << " " << number(plug.value.number, plug.isBoolean) << ";\n";
        break;
    case PlugValue::Kind::String:
        out << "\tsetAttr " << target << " -type \"string\" " << Lexer::quote(plug.value.text) << ";\n";
        break;
    case PlugValue::Kind::Data: {
        std::string text;
        if (DataValueWriter::toText(plug.value.data, node.name + "." + plug.attribute, text))
            out << "\tsetAttr " << target << " -type " << Lexer::quote(plug.dataType) << " " << text << ";\n";
        break;
    }
    case PlugValue::Kind::None:
        break;
    }
    writeFlags(out, plug);
}

void AsciiSceneWriter::writeFlags(std::ostream& out, const SceneContents::Plug& plug)
{
    if (!plug.locked && !plug.keyable && !plug.channelBox)
        return;
    out << "\tsetAttr";
    if (plug.locked)
        out << " -l on";
    if (plug.keyable)
        out << " -k " << (*plug.keyable ? "on" : "off");
    if (plug.channelBox)
        out << " -cb " << (*plug.channelBox ? "on" : "off");
    out << " " << Lexer::quote("." + plug.attribute) << ";\n";
}

} // namespace nbhost
