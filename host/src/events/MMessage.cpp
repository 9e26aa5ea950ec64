#include <maya/MMessage.h>

#include <maya/MCallbackIdArray.h>

#include "core/Host.h"
#include "events/EventBus.h"

MStatus MMessage::removeCallback(MCallbackId id)
{
    nbhost::Host* host = nbhost::Host::current();
    if (!host || !host->events().remove(id))
        return MStatus::kInvalidParameter;
    return MStatus::kSuccess;
}

MStatus MMessage::removeCallbacks(MCallbackIdArray& ids)
{
    // Every id is tried, even after one fails.
    MStatus status;
    for (unsigned int i = 0; i < ids.length(); ++i)
        if (!removeCallback(ids[i]))
            status = MStatus::kInvalidParameter;
    return status;
}

MCallbackId MMessage::currentCallbackId(MStatus* ReturnStatus)
{
    nbhost::Host* host = nbhost::Host::current();
    MCallbackId id = host ? host->events().currentListener() : 0;
    if (ReturnStatus)
        *ReturnStatus = id ? MStatus::kSuccess : MStatus::kFailure;
    return id;
}
