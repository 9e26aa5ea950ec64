#pragma once
// Base class of plug-in node types. The host creates a node's attributes
// from the type's static attributes, then calls postConstructor.

#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class MDataBlock;
class MPlug;

namespace nbhost {
class Node;
}

class OPENMAYA_EXPORT MPxNode
{
public:
    enum Type
    {
        kDependNode,
        kLocatorNode,
        kDeformerNode,
        kManipContainer,
        kSurfaceShape,
        kFieldNode,
        kEmitterNode,
        kSpringNode,
        kIkSolverNode,
        kHardwareShader,
        kHwShaderNode,
        kTransformNode,
        kObjectSet,
        kFluidEmitterNode,
        kImagePlaneNode,
        kParticleAttributeMapperNode,
        kCameraSetNode,
        kConstraintNode,
        kManipulatorNode,
        kMotionPathNode,
        kClientDeviceNode,
        kThreadedDeviceNode,
        kAssembly,
        kSkinCluster,
        kGeometryFilter,
        kBlendShape,
        kLast
    };

    MPxNode();
    virtual ~MPxNode();

    // Called once the node exists with all its attributes.
    virtual void postConstructor();
    // This host evaluates no dependency graph; compute is never called.
    virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);
    // Lets the node decide whether a plug is written to a scene file;
    // kUnknownParameter leaves the decision to the host.
    virtual MStatus shouldSave(const MPlug& plug, bool& isSaving);
    virtual Type type() const;
    virtual bool isAbstractClass() const;

    virtual MObject thisMObject() const;
    MTypeId typeId() const;
    MString typeName() const;
    MString name() const;

    // Adds an attribute to the node type being registered; only valid
    // inside the type's initialize function.
    static MStatus addAttribute(const MObject& attr);

private:
    friend class nbhost::Node;
    MPxNode(const MPxNode&) = delete;
    MPxNode& operator=(const MPxNode&) = delete;

    nbhost::Node* m_hostNode = nullptr;
};
