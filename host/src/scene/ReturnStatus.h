#pragma once

#include <maya/MStatus.h>

namespace nbhost {

// Writes a status to an interface call's optional status argument.
inline void setReturnStatus(MStatus* returnStatus, MStatus status)
{
    if (returnStatus)
        *returnStatus = status;
}

} // namespace nbhost
