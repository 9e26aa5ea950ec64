#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `objExists name`: 1 when a node (or "node.attribute") of that name
// exists, else 0.
class ObjExistsCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
