#include "commands/StrokeCommand.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "model/LayerState.h"
#include "node/BaseNode.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>

namespace {

const char* const LAYER_ADDED_FLAG = "-la";
const char* const FRAME_ADDED_FLAG = "-fa";

} // namespace

void* StrokeCommand::Creator()
{
    return new StrokeCommand();
}

MSyntax StrokeCommand::CommandSyntax()
{
    MSyntax syntax;
    syntax.addFlag(LAYER_ADDED_FLAG, "-layerAdded", MSyntax::kLong);
    syntax.addFlag(FRAME_ADDED_FLAG, "-frameAdded");
    // A missing camera gets the command's own message.
    syntax.setObjectType(MSyntax::kStringObjects, 0);
    syntax.enableEdit(false);
    syntax.enableQuery(false);
    return syntax;
}

QString StrokeCommand::GetCommandName()
{
    return Settings::STROKE_COMMAND_NAME;
}

MStatus StrokeCommand::ParseFlags(const MArgDatabase& db)
{
    if (!ParseCamera(db, false))
        return MStatus::kFailure;
    if (db.isFlagSet(LAYER_ADDED_FLAG))
        db.getFlagArgument(LAYER_ADDED_FLAG, 0, layerAddedIndex);
    frameAdded = db.isFlagSet(FRAME_ADDED_FLAG);
    return MStatus::kSuccess;
}

MStatus StrokeCommand::doIt(const MArgList& args)
{
    const MStatus status = ParseArgs(args);
    if (!status)
        return status;
    if (!FindNode())
        return MStatus::kFailure;
    // A layer is made for a stroke only on a camera without layers, so it is
    // then the camera's only one. Any other -layerAdded is ignored rather
    // than have undo take out a layer the user made.
    if (node->LayerCount(camera) != 1 || !node->LayerExists(camera, layerAddedIndex))
        layerAddedIndex = -1;
    Layer* layer = node->GetActiveLayer(camera);
    if (frameAdded) {
        if (!layer)
            return MStatus::kFailure;
        frameTime = layer->GetState() == LAYER_STATE_STATIC
                        ? MTime(double(Settings::defaultStaticFrameTime), MTime::uiUnit())
                        : MayaUtil::GetPlaybackTime();
    }
    strokeTime = MayaUtil::GetPlaybackTime();
    return node->CommitActiveStroke(camera, image) ? MStatus::kSuccess : MStatus::kFailure;
}

MStatus StrokeCommand::undoIt()
{
    BaseNode* master = Node();
    if (!master)
        return MStatus::kFailure;
    ReturnToStrokeTime();
    if (!master->UndoStroke(camera, image))
        return MStatus::kFailure;
    if (frameAdded)
        delete master->RemoveFrame(camera, frameTime);
    // Taking out the camera's only layer changes no other camera's active
    // layer nor the active camera; the camera goes back to being unlisted.
    if (layerAddedIndex >= 0) {
        delete master->RemoveLayer(camera, layerAddedIndex);
        if (const std::shared_ptr<LayerManager> manager = master->GetLayerManager())
            manager->RemoveEmptyCamera(camera);
    }
    return MStatus::kSuccess;
}

MStatus StrokeCommand::redoIt()
{
    BaseNode* master = Node();
    if (!master)
        return MStatus::kFailure;
    ReturnToStrokeTime();
    // As when the layer was first made: the camera's only layer is its
    // active one, and the document's first layer makes its camera active.
    if (layerAddedIndex >= 0 && master->InsertLayer(camera, layerAddedIndex, QString()) < 0)
        return MStatus::kFailure;
    if (frameAdded && master->AddFrame(camera, frameTime) < 0)
        return MStatus::kFailure;
    return master->UndoStroke(camera, image) ? MStatus::kSuccess : MStatus::kFailure;
}

void StrokeCommand::ReturnToStrokeTime() const
{
    if (MayaUtil::GetPlaybackTime() != strokeTime)
        MayaUtil::SetPlaybackTime(strokeTime);
}
