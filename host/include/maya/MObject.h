#pragma once
// Handle to an object owned by the host: a node, an attribute, a data value
// or a plug-in. Copies refer to the same object.

#include <maya/MTypes.h>
#include <maya/MFn.h>

#include <memory>

namespace nbhost {
class HostObject;
}

class OPENMAYA_EXPORT MObject
{
public:
    MObject();
    MObject(const MObject& other) = default;
    MObject& operator=(const MObject& other) = default;
    ~MObject();

    bool isNull() const;
    MFn::Type apiType() const;
    bool hasFn(MFn::Type type) const;
    const char* apiTypeStr() const;

    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const;

    static const MObject kNullObj;

    // Host side: wraps an object of the host's internals.
    explicit MObject(std::shared_ptr<nbhost::HostObject> object);
    nbhost::HostObject* hostObject() const;
    const std::shared_ptr<nbhost::HostObject>& sharedHostObject() const;

private:
    std::shared_ptr<nbhost::HostObject> m_object;
};
