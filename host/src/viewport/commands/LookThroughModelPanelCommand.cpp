#include "viewport/commands/LookThroughModelPanelCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MQtUtil.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

#include "viewport/ModelPanel.h"
#include "viewport/commands/ModelPanelCommand.h"

namespace nbhost {

namespace {
const char* const kName = "lookThroughModelPanel";
}

void* LookThroughModelPanelCommand::creator() { return new LookThroughModelPanelCommand; }

MSyntax LookThroughModelPanelCommand::newSyntax()
{
    MSyntax syntax;
    syntax.setObjectType(MSyntax::kStringObjects, 2, 2);
    return syntax;
}

MStatus LookThroughModelPanelCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() != 2)
        return fail(kName, QStringLiteral("Give a camera and a model panel."));
    const QString camera = MQtUtil::toQString(objects[0]);
    const QString panelName = MQtUtil::toQString(objects[1]);
    ModelPanel* panel = ModelPanelCommand::find(panelName);
    if (!panel)
        return notFound(kName, panelName);
    if (!panel->lookThrough(camera))
        return fail(kName, QStringLiteral("'%1' is not a camera.").arg(camera));
    return MStatus::kSuccess;
}

} // namespace nbhost
