#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `getAttr [-lock|-keyable|-channelBox|-type] plug`: a plug's value (an
// int, a float, a float array for compounds, a string) or, with a flag, its
// state or its type name.
class GetAttrCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
