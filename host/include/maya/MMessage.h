#pragma once
// Base of the host's message classes: callback removal.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

class MCallbackIdArray;

class OPENMAYA_EXPORT MMessage
{
public:
    typedef void (*MBasicFunction)(void* clientData);

    static MStatus removeCallback(MCallbackId id);
    // Removes every id in the array; fails if any of them was not registered.
    static MStatus removeCallbacks(MCallbackIdArray& ids);
    // The id of the callback being run, 0 outside a callback.
    static MCallbackId currentCallbackId(MStatus* ReturnStatus = nullptr);
};
