#include "scene/BuiltinTypes.h"

#include <maya/MPxLocatorNode.h>

namespace nbhost {

namespace {

using AttrPtr = std::shared_ptr<Attribute>;

AttrPtr number(const char* longName, const char* shortName, MFnNumericData::Type type,
               double defaultValue, bool keyable = false)
{
    AttrPtr attr = Attribute::numeric(longName, shortName, type, defaultValue);
    attr->flags().keyable = keyable;
    return attr;
}

// A double3 compound such as translate, with children named name + X/Y/Z.
AttrPtr vector3(const std::string& longName, const std::string& shortName, double defaultValue,
                bool keyable)
{
    std::vector<AttrPtr> children;
    for (const char* axis : {"X", "Y", "Z"}) {
        std::string lower(axis);
        lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
        children.push_back(number((longName + axis).c_str(), (shortName + lower).c_str(),
                                  MFnNumericData::kDouble, defaultValue, keyable));
    }
    AttrPtr attr = Attribute::compound(longName, shortName, children);
    attr->flags().keyable = keyable;
    return attr;
}

void addAll(NodeType& type, const std::vector<AttrPtr>& attrs)
{
    for (const auto& attr : attrs)
        type.addAttribute(attr);
}

const std::vector<AttrPtr>& dagAttributes()
{
    static const std::vector<AttrPtr> attrs{
        number("visibility", "v", MFnNumericData::kBoolean, 1.0, true),
        number("template", "tmp", MFnNumericData::kBoolean, 0.0),
    };
    return attrs;
}

const std::vector<AttrPtr>& locatorAttributes()
{
    static const std::vector<AttrPtr> attrs{vector3("localPosition", "lp", 0.0, true),
                                            vector3("localScale", "los", 1.0, true)};
    return attrs;
}

// MPxLocatorNode's static attributes are the shared locator attributes.
// Set on every use, so the order of static initialisation cannot undo it.
void publishLocatorAttributes()
{
    const auto& attrs = locatorAttributes();
    MPxLocatorNode::localPosition = MObject(attrs[0]);
    MPxLocatorNode::localPositionX = MObject(attrs[0]->children()[0]);
    MPxLocatorNode::localPositionY = MObject(attrs[0]->children()[1]);
    MPxLocatorNode::localPositionZ = MObject(attrs[0]->children()[2]);
    MPxLocatorNode::localScale = MObject(attrs[1]);
    MPxLocatorNode::localScaleX = MObject(attrs[1]->children()[0]);
    MPxLocatorNode::localScaleY = MObject(attrs[1]->children()[1]);
    MPxLocatorNode::localScaleZ = MObject(attrs[1]->children()[2]);
}

// Four-character codes, as the host's own types use.
constexpr unsigned int code(const char (&c)[5])
{
    return (static_cast<unsigned int>(c[0]) << 24) | (static_cast<unsigned int>(c[1]) << 16)
         | (static_cast<unsigned int>(c[2]) << 8) | static_cast<unsigned int>(c[3]);
}

} // namespace

void BuiltinTypes::addDagAttributes(NodeType& type) { addAll(type, dagAttributes()); }
void BuiltinTypes::addLocatorAttributes(NodeType& type)
{
    publishLocatorAttributes();
    addAll(type, locatorAttributes());
}

std::shared_ptr<NodeType> BuiltinTypes::world()
{
    static const auto type = std::make_shared<NodeType>(
        "world", MTypeId(code("WRLD")), NodeType::Kind::World,
        std::vector<MFn::Type>{MFn::kWorld, MFn::kDagNode, MFn::kDependencyNode});
    return type;
}

const std::vector<std::shared_ptr<NodeType>>& BuiltinTypes::creatableTypes()
{
    static const std::vector<std::shared_ptr<NodeType>> types{
        transformType(), cameraType(), locatorType(), resolutionType()};
    return types;
}

std::shared_ptr<NodeType> BuiltinTypes::transformType()
{
    auto type = std::make_shared<NodeType>(
        "transform", MTypeId(code("XFRM")), NodeType::Kind::Transform,
        std::vector<MFn::Type>{MFn::kTransform, MFn::kDagNode, MFn::kDependencyNode});
    addDagAttributes(*type);
    addAll(*type, {vector3("translate", "t", 0.0, true), vector3("rotate", "r", 0.0, true),
                   vector3("scale", "s", 1.0, true)});
    return type;
}

std::shared_ptr<NodeType> BuiltinTypes::cameraType()
{
    auto type = std::make_shared<NodeType>(
        "camera", MTypeId(code("DCAM")), NodeType::Kind::Shape,
        std::vector<MFn::Type>{MFn::kCamera, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
    type->setDefaultName("cameraShape");
    type->setDefaultParentName("camera");
    addDagAttributes(*type);
    const auto D = MFnNumericData::kDouble;
    AttrPtr focal = number("focalLength", "fl", D, 35.0, true);
    focal->setMinimum(2.5);
    addAll(*type, {focal,
                   number("horizontalFilmAperture", "hfa", D, 1.41732),
                   number("verticalFilmAperture", "vfa", D, 0.94488),
                   number("filmFit", "ff", MFnNumericData::kShort, 0.0),
                   number("overscan", "ovr", D, 1.0),
                   number("orthographic", "o", MFnNumericData::kBoolean, 0.0),
                   number("orthographicWidth", "ow", D, 30.0),
                   number("nearClipPlane", "ncp", D, 0.1),
                   number("farClipPlane", "fcp", D, 10000.0),
                   number("centerOfInterest", "coi", D, 5.0),
                   number("panZoomEnabled", "pze", MFnNumericData::kBoolean, 0.0),
                   number("horizontalPan", "hpn", D, 0.0),
                   number("verticalPan", "vpn", D, 0.0),
                   number("zoom", "zom", D, 1.0),
                   number("renderPanZoom", "rpz", MFnNumericData::kBoolean, 0.0)});
    return type;
}

std::shared_ptr<NodeType> BuiltinTypes::locatorType()
{
    auto type = std::make_shared<NodeType>(
        "locator", MTypeId(code("LCTR")), NodeType::Kind::Shape,
        std::vector<MFn::Type>{MFn::kLocator, MFn::kShape, MFn::kDagNode, MFn::kDependencyNode});
    type->setDefaultName("locatorShape");
    type->setDefaultParentName("locator");
    addDagAttributes(*type);
    addLocatorAttributes(*type);
    return type;
}

std::shared_ptr<NodeType> BuiltinTypes::resolutionType()
{
    auto type = std::make_shared<NodeType>("resolution", MTypeId(code("RESL")),
                                           NodeType::Kind::Depend,
                                           std::vector<MFn::Type>{MFn::kDependencyNode});
    addAll(*type, {number("width", "w", MFnNumericData::kLong, 960.0),
                   number("height", "h", MFnNumericData::kLong, 540.0),
                   number("deviceAspectRatio", "dar", MFnNumericData::kFloat, 960.0 / 540.0),
                   number("pixelAspect", "pa", MFnNumericData::kFloat, 1.0)});
    return type;
}

std::shared_ptr<NodeType> BuiltinTypes::pluginType(const std::string& name, MTypeId id,
                                                   MPxNode::Type kind)
{
    if (kind == MPxNode::kDependNode)
        return std::make_shared<NodeType>(
            name, id, NodeType::Kind::Depend,
            std::vector<MFn::Type>{MFn::kPluginDependNode, MFn::kDependencyNode});
    if (kind != MPxNode::kLocatorNode)
        return nullptr;
    auto type = std::make_shared<NodeType>(
        name, id, NodeType::Kind::Shape,
        std::vector<MFn::Type>{MFn::kPluginLocatorNode, MFn::kLocator, MFn::kShape,
                               MFn::kDagNode, MFn::kDependencyNode});
    type->setDefaultParentName("transform");
    addDagAttributes(*type);
    addLocatorAttributes(*type);
    return type;
}

} // namespace nbhost
