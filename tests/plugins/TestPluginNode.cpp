#include "TestPluginNode.h"

#include "TestPluginData.h"

#include <maya/MFileIO.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>

const MTypeId TestPluginNode::kId(0x7F0B02);
const char* const TestPluginNode::kName = "nbTestNode";
MObject TestPluginNode::payload;
MObject TestPluginNode::label;
MObject TestPluginNode::readState;

MStatus TestPluginNode::initialize()
{
    MFnTypedAttribute typed;
    payload = typed.create("payload", "pl", TestPluginData::kId);
    label = typed.create("label", "lb", MFnData::kString);
    MFnNumericAttribute numeric;
    readState = numeric.create("readState", "rs", MFnNumericData::kInt, 0);
    numeric.setStorable(false);
    MStatus status = addAttribute(payload);
    if (status)
        status = addAttribute(label);
    return status ? addAttribute(readState) : status;
}

void TestPluginNode::postConstructor()
{
    const int state = (MFileIO::isReadingFile() ? kReading : 0) | (MFileIO::isOpeningFile() ? kOpening : 0)
                      | (MFileIO::isImportingFile() ? kImporting : 0)
                      | (MFileIO::isReferencingFile() ? kReferencing : 0);
    MPlug(thisMObject(), readState).setInt(state);
}
