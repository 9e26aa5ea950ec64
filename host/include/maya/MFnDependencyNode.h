#pragma once
// Function set for dependency nodes: name, type, attributes and plugs.

#include <maya/MFnBase.h>
#include <maya/MPlug.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

class MPxNode;

class OPENMAYA_EXPORT MFnDependencyNode : public MFnBase
{
public:
    MFnDependencyNode();
    MFnDependencyNode(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnDependencyNode(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;

    // Creates a node outside any undo step and attaches to it. A shape type
    // gets a new transform above it.
    MObject create(const MTypeId& typeId, MStatus* ReturnStatus = nullptr);
    MObject create(const MTypeId& typeId, const MString& name, MStatus* ReturnStatus = nullptr);
    MObject create(const MString& type, MStatus* ReturnStatus = nullptr);
    MObject create(const MString& type, const MString& name, MStatus* ReturnStatus = nullptr);

    MTypeId typeId(MStatus* ReturnStatus = nullptr) const;
    MString typeName(MStatus* ReturnStatus = nullptr) const;
    MString name(MStatus* ReturnStatus = nullptr) const;
    // Renames to a legal, unique form of name and returns the name given.
    MString setName(const MString& name, bool createNamespace = false,
                    MStatus* ReturnStatus = nullptr);

    // By long or short attribute name; a null plug (kInvalidParameter) when
    // the node has no such attribute.
    MPlug findPlug(const MString& attrName, bool wantNetworkedPlug,
                   MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MObject& attr, bool wantNetworkedPlug,
                   MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MString& attrName, MStatus* ReturnStatus = nullptr) const;
    MPlug findPlug(const MObject& attr, MStatus* ReturnStatus = nullptr) const;

    unsigned int attributeCount(MStatus* ReturnStatus = nullptr) const;
    MObject attribute(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MObject attribute(const MString& attrName, MStatus* ReturnStatus = nullptr) const;
    bool hasAttribute(const MString& name, MStatus* ReturnStatus = nullptr) const;

    // The plug-in's object for nodes of plug-in types, else null.
    MPxNode* userNode(MStatus* ReturnStatus = nullptr) const;
    bool isDefaultNode(MStatus* ReturnStatus = nullptr) const;
};
