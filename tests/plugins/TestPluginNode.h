#pragma once
// The test plug-in's locator: a data value, a string, and the file-reading
// state it saw in its post-constructor (not stored).

#include <maya/MPxLocatorNode.h>

class TestPluginNode : public MPxLocatorNode
{
public:
    static const MTypeId kId;
    static const char* const kName;
    static MObject payload;
    static MObject label;
    static MObject readState;

    // Bits of readState.
    enum ReadBits { kReading = 1, kOpening = 2, kImporting = 4, kReferencing = 8 };

    static void* creator() { return new TestPluginNode; }
    static MStatus initialize();
    void postConstructor() override;
};
