#include <maya/MEventMessage.h>

#include <maya/MStringArray.h>

#include "core/Host.h"
#include "events/EventBus.h"

MCallbackId MEventMessage::addEventCallback(const MString& event, MMessage::MBasicFunction func,
                                            void* clientData, MStatus* ReturnStatus)
{
    nbhost::Host* host = nbhost::Host::current();
    MCallbackId id = 0;
    if (host && func)
        id = host->events().addEventListener(event.asChar(), [func, clientData] { func(clientData); });
    if (ReturnStatus)
        *ReturnStatus = id ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return id;
}

void MEventMessage::getEventNames(MStringArray& names)
{
    names.clear();
    for (const std::string& name : nbhost::EventBus::eventNames())
        names.append(name.c_str());
}
