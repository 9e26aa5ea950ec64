#pragma once

#include <maya/MStatus.h>

#include <string>

namespace nbhost {

// Writes a status to an interface call's optional status argument.
inline void setReturnStatus(MStatus* returnStatus, MStatus status)
{
    if (returnStatus)
        *returnStatus = status;
}

// Writes a message to an internal call's optional error argument.
inline void setError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

} // namespace nbhost
