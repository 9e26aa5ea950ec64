#include <maya/MDGModifier.h>

#include <maya/MGlobal.h>
#include <maya/MPlug.h>

#include "scene/Attribute.h"
#include "scene/DataTypeRegistry.h"
#include "scene/Node.h"
#include "scene/NodeTypeRegistry.h"
#include "scene/ReturnStatus.h"
#include "scene/SceneEditList.h"

using nbhost::Attribute;
using nbhost::Node;
using nbhost::PlugValue;
using nbhost::setReturnStatus;

namespace {

std::shared_ptr<Node> sharedNode(const MObject& object)
{
    Node* node = Node::from(object);
    return node ? node->shared() : nullptr;
}

std::string typeNameOf(const MTypeId& id)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(id);
    return type ? type->name() : std::string();
}

MStatus recordValue(nbhost::SceneEditList& edits, const MPlug& plug, const PlugValue& value)
{
    auto node = sharedNode(plug.node());
    auto attr = std::dynamic_pointer_cast<Attribute>(plug.attribute().sharedHostObject());
    if (!node || !attr)
        return MStatus::kInvalidParameter;
    const bool fits = value.kind == PlugValue::Kind::Number
                          ? attr->kind() == Attribute::Kind::Numeric
                          : attr->kind() == Attribute::Kind::Typed
                                && (attr->dataType() == MFnData::kString) == (value.kind == PlugValue::Kind::String);
    return fits ? edits.setPlugValue(node, attr, value) : MStatus(MStatus::kInvalidParameter);
}

} // namespace

MDGModifier::MDGModifier() : m_edits(std::make_unique<nbhost::SceneEditList>()) {}
MDGModifier::~MDGModifier() = default;

MObject MDGModifier::createNode(const MTypeId& typeId, MStatus* ReturnStatus)
{
    return create(MString(typeNameOf(typeId).c_str()), MObject(), false, ReturnStatus);
}

MObject MDGModifier::createNode(const MString& type, MStatus* ReturnStatus)
{
    return create(type, MObject(), false, ReturnStatus);
}

MObject MDGModifier::create(const MString& typeName, const MObject& parent, bool dag,
                            MStatus* ReturnStatus)
{
    auto type = nbhost::NodeTypeRegistry::instance().find(typeName.asChar());
    auto parentNode = sharedNode(parent);
    if (!type || type->isDag() != dag || (!parent.isNull() && !parentNode)) {
        setReturnStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MObject();
    }
    std::string error;
    std::shared_ptr<Node> transform;
    auto node = m_edits->createNode(type, parentNode, &error, &transform);
    if (!node) {
        MGlobal::displayError(MString(error.c_str()));
        setReturnStatus(ReturnStatus, MStatus::kFailure);
        return MObject();
    }
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return transform ? transform->object() : node->object();
}

MStatus MDGModifier::deleteNode(const MObject& node, bool includeParents)
{
    return m_edits->deleteNode(sharedNode(node), includeParents);
}

MStatus MDGModifier::renameNode(const MObject& node, const MString& newName)
{
    return m_edits->renameNode(sharedNode(node), newName.asChar());
}

MStatus MDGModifier::newPlugValue(const MPlug& plug, MObject& plugValue)
{
    MObject copy = nbhost::DataTypeRegistry::instance().copyValue(plugValue);
    if (copy.isNull())
        return MStatus::kInvalidParameter;
    return recordValue(*m_edits, plug, PlugValue::ofData(copy));
}

MStatus MDGModifier::newPlugValueBool(const MPlug& plug, bool v) { return recordValue(*m_edits, plug, PlugValue::ofNumber(v ? 1.0 : 0.0)); }
MStatus MDGModifier::newPlugValueInt(const MPlug& plug, int v) { return recordValue(*m_edits, plug, PlugValue::ofNumber(v)); }
MStatus MDGModifier::newPlugValueFloat(const MPlug& plug, float v) { return recordValue(*m_edits, plug, PlugValue::ofNumber(v)); }
MStatus MDGModifier::newPlugValueDouble(const MPlug& plug, double v) { return recordValue(*m_edits, plug, PlugValue::ofNumber(v)); }
MStatus MDGModifier::newPlugValueString(const MPlug& plug, const MString& v) { return recordValue(*m_edits, plug, PlugValue::ofString(v.asChar())); }

MStatus MDGModifier::doIt()
{
    std::string error;
    MStatus status = m_edits->doIt(&error);
    if (!status && !error.empty())
        MGlobal::displayError(MString(error.c_str()));
    return status;
}

MStatus MDGModifier::undoIt() { return m_edits->undoIt(); }
