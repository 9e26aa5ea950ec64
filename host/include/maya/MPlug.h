#pragma once
// One attribute of one node: reads and writes the node's value of the
// attribute and its per-node state (lock, keyable, channel box).

#include <maya/MTypes.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class OPENMAYA_EXPORT MPlug
{
public:
    MPlug();
    // A null plug when the node does not have the attribute.
    MPlug(const MObject& node, const MObject& attribute);
    MPlug(const MPlug& other);
    ~MPlug();
    MPlug& operator=(const MPlug& other);
    bool operator==(const MPlug& other) const;
    bool operator==(const MObject& attribute) const;
    bool operator!=(const MPlug& other) const;
    bool operator!=(const MObject& attribute) const;

    bool isNull(MStatus* ReturnStatus = nullptr) const;
    MObject node(MStatus* ReturnStatus = nullptr) const;
    MObject attribute(MStatus* ReturnStatus = nullptr) const;
    // "node.longAttributeName".
    MString name(MStatus* ReturnStatus = nullptr) const;
    MString info(MStatus* ReturnStatus = nullptr) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* ReturnStatus = nullptr) const;

    bool isCompound(MStatus* ReturnStatus = nullptr) const;
    unsigned int numChildren(MStatus* ReturnStatus = nullptr) const;
    MPlug child(unsigned int index, MStatus* ReturnStatus = nullptr) const;
    MPlug child(const MObject& attr, MStatus* ReturnStatus = nullptr) const;
    bool isChild(MStatus* ReturnStatus = nullptr) const;
    MPlug parent(MStatus* ReturnStatus = nullptr) const;
    bool isArray(MStatus* ReturnStatus = nullptr) const;
    bool isElement(MStatus* ReturnStatus = nullptr) const;
    bool isNetworked(MStatus* ReturnStatus = nullptr) const;
    bool isConnected(MStatus* ReturnStatus = nullptr) const;

    // A locked plug (or a child of a locked compound) refuses new values.
    bool isLocked(MStatus* ReturnStatus = nullptr) const;
    MStatus setLocked(bool locked);
    bool isKeyable(MStatus* ReturnStatus = nullptr) const;
    MStatus setKeyable(bool keyable);
    bool isChannelBox(MStatus* ReturnStatus = nullptr) const;
    MStatus setChannelBox(bool channelBox);

    // Reads fail (kInvalidParameter) when the value is of another kind:
    // numbers from numeric plugs, strings from string plugs, data objects
    // from typed plugs (a typed plug without a value gives a null object).
    MStatus getValue(MObject& val) const;
    MStatus getValue(MString& val) const;
    MStatus getValue(double& val) const;
    MStatus getValue(float& val) const;
    MStatus getValue(int& val) const;
    MStatus getValue(short& val) const;
    MStatus getValue(bool& val) const;

    // Writes fail (kFailure) on locked plugs and (kInvalidParameter) for a
    // value of another kind. A data object is copied into the node.
    MStatus setValue(MObject& val);
    MStatus setValue(const MString& val);
    MStatus setValue(const char* val);
    MStatus setValue(double val);
    MStatus setValue(float val);
    MStatus setValue(int val);
    MStatus setValue(short val);
    MStatus setValue(bool val);

    bool asBool(MStatus* ReturnStatus = nullptr) const;
    int asInt(MStatus* ReturnStatus = nullptr) const;
    short asShort(MStatus* ReturnStatus = nullptr) const;
    float asFloat(MStatus* ReturnStatus = nullptr) const;
    double asDouble(MStatus* ReturnStatus = nullptr) const;
    MString asString(MStatus* ReturnStatus = nullptr) const;
    MObject asMObject(MStatus* ReturnStatus = nullptr) const;

    MStatus setBool(bool val);
    MStatus setInt(int val);
    MStatus setShort(short val);
    MStatus setFloat(float val);
    MStatus setDouble(double val);
    MStatus setString(const MString& val);
    MStatus setMObject(const MObject& val);

private:
    MObject m_node;
    MObject m_attribute;
};
