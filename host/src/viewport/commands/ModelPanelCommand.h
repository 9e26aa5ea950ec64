#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

class ModelPanel;

// `modelPanel`: makes a camera view in its parent (-parent, else the
// current parent), looking through persp or -camera; -exists; -camera to
// query or change the camera it looks through.
class ModelPanelCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

    static ModelPanel* find(const QString& name);

private:
    MStatus create(const MArgDatabase& db);
};

} // namespace nbhost
