#pragma once
// The test plug-in's locator: a data value and a string.

#include <maya/MPxLocatorNode.h>

class TestPluginNode : public MPxLocatorNode
{
public:
    static const MTypeId kId;
    static const char* const kName;
    static MObject payload;
    static MObject label;

    static void* creator() { return new TestPluginNode; }
    static MStatus initialize();
};
