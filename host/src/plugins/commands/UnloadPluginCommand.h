#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `unloadPlugin [-force] <name>...`: unloads plug-ins; the result is the
// names unloaded. Without -force a plug-in whose nodes are in the scene
// stays loaded; with it they are deleted first.
class UnloadPluginCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
