#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `refresh`: asks the camera views to repaint (-force: at once). Without
// views (batch mode) there is nothing to repaint and it does nothing.
class RefreshCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
