#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `about`: facts about the host (-batch, -version, -apiVersion, -os).
class AboutCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
