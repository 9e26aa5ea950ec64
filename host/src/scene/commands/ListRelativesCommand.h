#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `listRelatives [-p|-c|-ad] [-s] [-f] [objects]`: the children (the
// default), all descendants or the parents of the objects or of the
// selection, optionally shapes only, with full paths on request.
class ListRelativesCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
