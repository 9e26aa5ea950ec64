#include "TestPluginCommand.h"

#include <maya/MArgList.h>

const char* const TestPluginCommand::kName = "nbTestCommand";

MStatus TestPluginCommand::doIt(const MArgList& args)
{
    setResult(static_cast<int>(args.length()));
    return MStatus::kSuccess;
}
