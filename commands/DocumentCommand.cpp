#include "commands/DocumentCommand.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "node/BaseNode.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

bool DocumentCommand::isUndoable() const
{
    return undoable;
}

MStatus DocumentCommand::ParseArgs(const MArgList& args)
{
    MStatus status;
    MArgDatabase db(syntax(), args, &status);
    if (!status)
        return status;
    editMode = db.isEdit();
    queryMode = db.isQuery();
    return ParseFlags(db);
}

bool DocumentCommand::ParseCamera(const MArgDatabase& db, bool viewByDefault)
{
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() > 0) {
        const QString name = MayaUtil::ToQString(objects[0]);
        if (!MayaUtil::CameraExists(name)) {
            Logger::Error(QStringLiteral("Camera does not exist: %1").arg(name));
            return false;
        }
        camera = name;
        return true;
    }
    if (viewByDefault)
        camera = MayaUtil::GetActive3dViewCameraName();
    if (camera.isEmpty()) {
        Logger::Error("Camera not specified");
        return false;
    }
    return true;
}

BaseNode* DocumentCommand::FindNode()
{
    node = BaseNode::GetMaster();
    return node;
}

BaseNode* DocumentCommand::Node() const
{
    return node && BaseNode::GetAll().contains(node) ? node : nullptr;
}

MStatus DocumentCommand::NodeNotFound()
{
    Logger::Error("Node not found");
    return MStatus::kFailure;
}
