#include "base/MayaUtil.h"

// Tool contexts, camera views and cameras.

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MObject.h>

// --- Tool contexts ----------------------------------------------------------

bool MayaUtil::CreateContext(const MString& contextCommand, MString& name)
{
    return ExecuteMelStringResult(contextCommand, name);
}

bool MayaUtil::SetContext(const MString& name)
{
    return ExecuteMel(MString("setToolTo ") + name);
}

bool MayaUtil::ContextExists(const MString& name)
{
    int exists = 0;
    return ExecuteMelIntResult(MString("contextInfo -exists ") + name, exists) && exists != 0;
}

bool MayaUtil::CurrentContext(MString& name)
{
    return ExecuteMelStringResult(MString("currentCtx"), name);
}

// --- Cameras ----------------------------------------------------------------

QString MayaUtil::GetCameraName(const MDagPath& camera)
{
    MStatus status;
    const MObject transform = camera.transform(&status);
    if (!status)
        return QString();
    return ToQString(MFnDependencyNode(transform).name());
}

QString MayaUtil::GetCameraName(M3dView& view)
{
    MDagPath camera;
    if (!view.getCamera(camera))
        return QString();
    return GetCameraName(camera);
}

QString MayaUtil::GetActive3dViewCameraName()
{
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    if (!status)
        return QString();
    return GetCameraName(view);
}

void MayaUtil::GetCameras(QStringList& names)
{
    names.clear();
    for (MItDependencyNodes it(MFn::kCamera); !it.isDone(); it.next()) {
        MDagPath path;
        if (MFnDagNode(it.thisNode()).getPath(path))
            names.append(GetCameraName(path));
    }
}

bool MayaUtil::CameraExists(const QString& name)
{
    QStringList names;
    GetCameras(names);
    return names.contains(name, Qt::CaseSensitive);
}

bool MayaUtil::CameraExists(const MString& name)
{
    return CameraExists(ToQString(name));
}
