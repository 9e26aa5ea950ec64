#pragma once

#include <maya/MFn.h>

#include <memory>

namespace nbhost {

// Base of everything an MObject can refer to. Each kind of host object
// (node, attribute, data value, plug-in) derives from it.
class HostObject : public std::enable_shared_from_this<HostObject>
{
public:
    virtual ~HostObject() = default;

    virtual MFn::Type apiType() const = 0;
    virtual const char* apiTypeName() const = 0;

    // True when a function set of the given type can operate on this object.
    virtual bool hasFn(MFn::Type type) const
    {
        return type == MFn::kBase || type == apiType();
    }

    // False once the object has been removed from the host (a deleted node).
    virtual bool isAlive() const { return true; }
};

} // namespace nbhost
