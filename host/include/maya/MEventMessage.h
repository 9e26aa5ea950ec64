#pragma once
// Callbacks on the host's named events.

#include <maya/MTypes.h>
#include <maya/MMessage.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MStringArray;

class OPENMAYA_EXPORT MEventMessage : public MMessage
{
public:
    static MCallbackId addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                        void* clientData = nullptr,
                                        MStatus* ReturnStatus = nullptr);
    static void getEventNames(MStringArray& names);
};
