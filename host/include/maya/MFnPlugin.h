#pragma once
// Function set for the plug-in being loaded or unloaded: its identity and
// the registration of its commands, node types and data types.
//
// Including this header in a plug-in also defines the API version marker
// the host checks when it loads the module. A plug-in whose sources include
// it more than once defines MNoVersionString in all but one of them.

#include <maya/MTypes.h>
#include <maya/MFnBase.h>
#include <maya/MPxData.h>
#include <maya/MPxNode.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>
#include <maya/MTypeId.h>

class OPENMAYA_EXPORT MFnPlugin : public MFnBase
{
public:
    MFnPlugin();
    // Called from initializePlugin, records who made the plug-in and the
    // API version it needs; fails when the host is older than that.
    MFnPlugin(MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
              const char* requiredApiVersion = "Any", MStatus* ReturnStatus = nullptr);
    ~MFnPlugin() override;

    MFn::Type type() const override;

    MString vendor(MStatus* ReturnStatus = nullptr) const;
    MString version(MStatus* ReturnStatus = nullptr) const;
    MString apiVersion(MStatus* ReturnStatus = nullptr) const;
    MString name(MStatus* ReturnStatus = nullptr) const;
    // The folder the module was loaded from.
    MString loadPath(MStatus* ReturnStatus = nullptr) const;

    MStatus registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                            MCreateSyntaxFunction createSyntaxFunction = nullptr);
    MStatus deregisterCommand(const MString& commandName);

    MStatus registerNode(const MString& typeName, const MTypeId& typeId,
                         MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                         MPxNode::Type type = MPxNode::kDependNode,
                         const MString* classification = nullptr);
    MStatus deregisterNode(const MTypeId& typeId);

    MStatus registerData(const MString& typeName, const MTypeId& typeId,
                         MCreatorFunction creatorFunction, MPxData::Type type = MPxData::kData);
    MStatus deregisterData(const MTypeId& typeId);

    // A context command: running its name makes one of the plug-in's tool
    // contexts (MPxContextCommand::makeObj) and answers the context's name.
    MStatus registerContextCommand(const MString& commandName, MCreatorFunction creatorFunction);
    MStatus deregisterContextCommand(const MString& commandName);

    // The loaded plug-in of that name, or a null object.
    static MObject findPlugin(const MString& pluginName);
    static bool isNodeRegistered(const MString& typeName);
};

#if !defined(MNoVersionString)
// Weak, so that test programs linking several plug-in sources stay legal;
// the host reads the marker of each module it loads.
extern "C" OPENMAYA_EXPORT __attribute__((weak)) const char MApiVersion[] = "20200000";
#endif
