#pragma once
// Records changes to the scene so they can be carried out, undone and
// redone as one step. Nodes are built when they are recorded (the returned
// object can be used at once) and enter the scene at doIt(). undoIt()
// takes out what doIt() made and keeps it, so a later doIt() brings back
// the same node objects.

#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <memory>

class MPlug;

namespace nbhost {
class SceneEditList;
}

class OPENMAYA_EXPORT MDGModifier
{
public:
    MDGModifier();
    virtual ~MDGModifier();

    // Dependency (non-DAG) node types only; DAG nodes go through MDagModifier.
    MObject createNode(const MTypeId& typeId, MStatus* ReturnStatus = nullptr);
    MObject createNode(const MString& type, MStatus* ReturnStatus = nullptr);
    // Deletes the node with its children; with includeParents also the
    // parent transforms it leaves empty.
    MStatus deleteNode(const MObject& node, bool includeParents = true);
    MStatus renameNode(const MObject& node, const MString& newName);

    MStatus newPlugValue(const MPlug& plug, MObject& plugValue);
    MStatus newPlugValueBool(const MPlug& plug, bool plugValue);
    MStatus newPlugValueInt(const MPlug& plug, int plugValue);
    MStatus newPlugValueFloat(const MPlug& plug, float plugValue);
    MStatus newPlugValueDouble(const MPlug& plug, double plugValue);
    MStatus newPlugValueString(const MPlug& plug, const MString& plugValue);

    MStatus doIt();
    MStatus undoIt();

protected:
    MObject create(const MString& type, const MObject& parent, bool dag, MStatus* ReturnStatus);

    std::unique_ptr<nbhost::SceneEditList> m_edits;

private:
    MDGModifier(const MDGModifier&) = delete;
    MDGModifier& operator=(const MDGModifier&) = delete;
};
