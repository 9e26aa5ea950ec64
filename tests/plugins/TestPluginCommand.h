#pragma once
// The test plug-in's command: answers with the number of its arguments.

#include <maya/MPxCommand.h>

class TestPluginCommand : public MPxCommand
{
public:
    static const char* const kName;
    static void* creator() { return new TestPluginCommand; }
    MStatus doIt(const MArgList& args) override;
};
