#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `loadPlugin [-quiet] <name or path>...`: loads plug-in modules; the result
// is the names of the plug-ins loaded (or already loaded).
class LoadPluginCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
