#include "scene/commands/GetAttrCommand.h"

#include "scene/DataTypeRegistry.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MDoubleArray.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

namespace {

std::string typeNameOf(const Attribute& attr)
{
    if (attr.kind() == Attribute::Kind::Typed) {
        if (attr.dataType() == MFnData::kString)
            return "string";
        auto type = DataTypeRegistry::instance().find(attr.dataTypeId());
        return type ? type->name : "data";
    }
    switch (attr.numericType()) {
    case MFnNumericData::kBoolean: return "bool";
    case MFnNumericData::kByte: return "byte";
    case MFnNumericData::kChar: return "char";
    case MFnNumericData::kShort: return "short";
    case MFnNumericData::kLong: return "long";
    case MFnNumericData::kInt64: return "int64";
    case MFnNumericData::kFloat: return "float";
    case MFnNumericData::k2Float: return "float2";
    case MFnNumericData::k3Float: return "float3";
    case MFnNumericData::k2Double: return "double2";
    case MFnNumericData::k3Double: return "double3";
    default: return "double";
    }
}

} // namespace

void* GetAttrCommand::creator() { return new GetAttrCommand; }

MSyntax GetAttrCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-l", "-lock");
    syntax.addFlag("-k", "-keyable");
    syntax.addFlag("-cb", "-channelBox");
    syntax.addFlag("-typ", "-type");
    syntax.setObjectType(MSyntax::kStringObjects, 1, 1);
    return syntax;
}

MStatus GetAttrCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    MStringArray objects;
    db.getObjects(objects);
    SceneLookup::PlugRef plug;
    std::string error;
    if (!SceneLookup::plug(objects[0].asChar(), plug, &error)) {
        displayError(("getAttr: " + error).c_str());
        return MStatus::kFailure;
    }
    const Node& node = *plug.node;
    const Attribute& attr = *plug.attr;
    if (db.isFlagSet("-l"))
        setResult(node.isLocked(attr));
    else if (db.isFlagSet("-k"))
        setResult(node.isKeyable(attr));
    else if (db.isFlagSet("-cb"))
        setResult(node.isChannelBox(attr));
    else if (db.isFlagSet("-typ"))
        setResult(typeNameOf(attr).c_str());
    else if (attr.kind() == Attribute::Kind::Compound) {
        MDoubleArray values;
        for (const auto& child : attr.children())
            values.append(node.value(*child).number);
        setResult(values);
    } else if (attr.kind() == Attribute::Kind::Numeric) {
        const PlugValue value = node.value(attr);
        if (attr.isIntegral())
            setResult(value.asInt());
        else
            setResult(value.number);
    } else if (attr.dataType() == MFnData::kString) {
        setResult(node.value(attr).text.c_str());
    } else {
        displayError(("getAttr: '" + plug.text() + "' holds " + typeNameOf(attr)
                      + " data, which has no value to show").c_str());
        return MStatus::kFailure;
    }
    return MStatus::kSuccess;
}

} // namespace nbhost
