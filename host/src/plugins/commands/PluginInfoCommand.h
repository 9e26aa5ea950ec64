#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `pluginInfo -q <flag> [<name>]`: -loaded, -version, -vendor, -path,
// -command, -dependNode, -data of one plug-in; -listPlugins of all.
class PluginInfoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
