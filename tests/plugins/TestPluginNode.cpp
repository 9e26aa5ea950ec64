#include "TestPluginNode.h"

#include "TestPluginData.h"

#include <maya/MFnTypedAttribute.h>

const MTypeId TestPluginNode::kId(0x7F0B02);
const char* const TestPluginNode::kName = "nbTestNode";
MObject TestPluginNode::payload;
MObject TestPluginNode::label;

MStatus TestPluginNode::initialize()
{
    MFnTypedAttribute typed;
    payload = typed.create("payload", "pl", TestPluginData::kId);
    label = typed.create("label", "lb", MFnData::kString);
    MStatus status = addAttribute(payload);
    return status ? addAttribute(label) : status;
}
