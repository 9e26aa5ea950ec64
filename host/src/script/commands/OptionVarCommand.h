#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `optionVar`: option variables kept across sessions.
class OptionVarCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
