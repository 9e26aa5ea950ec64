#include "commands/NodeCommand.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "commands/TimeSliderRange.h"
#include "model/LayerState.h"
#include "node/BaseNode.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MTime.h>

namespace {

const char* const EXISTS_FLAG = "-ex";
const char* const REFRESH_FLAG = "-r";
const char* const REFRESH_GHOSTING_FLAG = "-rg";
const char* const LAYER_FLAG = "-l";
const char* const CAMERA_FLAG = "-c";
const char* const LAYER_NAME_FLAG = "-ln";
const char* const LAYER_STATE_FLAG = "-ls";
const char* const FRAME_FLAG = "-f";

// The drawing lies flat over the camera view: moving the node would only
// confuse.
const char* const TRANSFORM_CHANNELS[] = {"translateX", "translateY", "translateZ",
                                          "rotateX",    "rotateY",    "rotateZ",
                                          "scaleX",     "scaleY",     "scaleZ"};

} // namespace

void* NodeCommand::Creator()
{
    return new NodeCommand();
}

MSyntax NodeCommand::CommandSyntax()
{
    MSyntax syntax;
    syntax.addFlag(EXISTS_FLAG, "-exists");
    syntax.addFlag(REFRESH_FLAG, "-refresh");
    syntax.addFlag(REFRESH_GHOSTING_FLAG, "-refreshGhosting");
    syntax.addFlag(LAYER_FLAG, "-layer");
    syntax.addFlag(CAMERA_FLAG, "-camera", MSyntax::kString);
    syntax.addFlag(LAYER_NAME_FLAG, "-layerName", MSyntax::kString);
    syntax.addFlag(LAYER_STATE_FLAG, "-layerState", MSyntax::kUnsigned);
    syntax.addFlag(FRAME_FLAG, "-frame");
    syntax.setObjectType(MSyntax::kNone);
    syntax.enableEdit(true);
    syntax.enableQuery(true);
    return syntax;
}

QString NodeCommand::GetCommandName()
{
    return Settings::NODE_COMMAND_NAME;
}

MStatus NodeCommand::ParseFlags(const MArgDatabase& db)
{
    queryCamera = queryMode && db.isFlagSet(CAMERA_FLAG);
    exists = db.isFlagSet(EXISTS_FLAG);
    refresh = !exists && db.isFlagSet(REFRESH_FLAG);
    refreshGhosting = !exists && !refresh && db.isFlagSet(REFRESH_GHOSTING_FLAG);
    layer = db.isFlagSet(LAYER_FLAG);
    if (layer) {
        if (db.isFlagSet(CAMERA_FLAG))
            db.getFlagArgument(CAMERA_FLAG, 0, layerCamera);
        if (db.isFlagSet(LAYER_NAME_FLAG))
            db.getFlagArgument(LAYER_NAME_FLAG, 0, layerName);
        if (db.isFlagSet(LAYER_STATE_FLAG)) {
            unsigned int value = 0;
            db.getFlagArgument(LAYER_STATE_FLAG, 0, value);
            layerState = value <= LAYER_STATE_LOCKED ? int(value) : LAYER_STATE_ANIM;
        }
    }
    frame = db.isFlagSet(FRAME_FLAG);
    return MStatus::kSuccess;
}

MStatus NodeCommand::doIt(const MArgList& args)
{
    const MStatus status = ParseArgs(args);
    if (!status)
        return status;
    const MStatus result = redoIt();
    hasRun = true;
    return result;
}

MStatus NodeCommand::redoIt()
{
    if (editMode) {
        Logger::Error("Invalid edit parameter");
        return MStatus::kInvalidParameter;
    }
    if (queryMode) {
        if (!queryCamera) {
            Logger::Error("Invalid query parameter");
            return MStatus::kInvalidParameter;
        }
        BaseNode* master = BaseNode::GetMaster();
        if (!master)
            return MStatus::kFailure;
        setResult(MayaUtil::ToMString(master->GetActiveCamera()));
        return MStatus::kSuccess;
    }
    if (exists) {
        setResult(BaseNode::GetMaster() != nullptr);
        return MStatus::kSuccess;
    }
    if (refresh || refreshGhosting) {
        BaseNode* master = BaseNode::GetMaster();
        if (!master)
            return MStatus::kFailure;
        if (refresh)
            master->RefreshActiveCamera();
        else
            master->UpdateGhosting();
        return MStatus::kSuccess;
    }
    undoable = true;
    return CreateNode();
}

MStatus NodeCommand::CreateNode()
{
    if (BaseNode::GetMaster()) {
        Logger::Error("Node already exists");
        return MStatus::kFailure;
    }
    if (!hasRun) {
        MGlobal::getActiveSelectionList(savedSelection);
        MStatus status;
        transform = modifier.createNode(MString("transform"), MObject::kNullObj, &status);
        if (!status) {
            Logger::Error("Failed to create transform");
            return MStatus::kFailure;
        }
        modifier.renameNode(transform, "nibline");
        const MObject shape = modifier.createNode(BaseNode::GetTypeID(), transform, &status);
        if (!status) {
            Logger::Error("Failed to create shape");
            return MStatus::kFailure;
        }
        modifier.renameNode(shape, "niblineShape");
    }
    const MStatus status = modifier.doIt();
    if (!status)
        return status;
    LockTransformChannels();
    MGlobal::clearSelectionList();
    if (!layer)
        return status;
    if (!hasRun)
        AddFirstLayer();
    MayaUtil::RefreshLayerManagerDialog();
    BaseNode::UpdateTimeControlOverlay();
    if (BaseNode* master = BaseNode::GetMaster())
        MayaUtil::RefreshTimeControl(master->thisMObject());
    return status;
}

void NodeCommand::AddFirstLayer()
{
    BaseNode* master = BaseNode::GetMaster();
    if (!master)
        return;
    QString name = MayaUtil::ToQString(layerCamera);
    if (name.isEmpty())
        name = MayaUtil::GetActive3dViewCameraName();
    if (name.isEmpty() || master->LayerCount(name) > 0)
        return;
    const int index = master->InsertLayer(name, -1, MayaUtil::ToQString(layerName));
    if (index < 0)
        return;
    if (layerState >= 0)
        master->SetLayerState(name, index, LayerState(layerState));
    if (!frame)
        return;
    const TimeSliderRange range = TimeSliderRange::Read();
    for (int t = range.start; t < range.end; ++t)
        master->AddFrame(name, MTime(double(t), MTime::uiUnit()));
}

void NodeCommand::LockTransformChannels()
{
    MFnDependencyNode fn(transform);
    for (const char* name : TRANSFORM_CHANNELS)
        BaseNode::LockAndHideAttribute(fn, name);
}

MStatus NodeCommand::undoIt()
{
    modifier.undoIt();
    MGlobal::setActiveSelectionList(savedSelection);
    BaseNode::UpdatePlaybackTime();
    BaseNode::UpdateTimeControlOverlay();
    BaseNode::ClearLayerManagerDialog();
    return MStatus::kSuccess;
}
