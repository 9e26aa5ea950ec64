#include <maya/MDrawRegistry.h>

#include "core/Output.h"
#include "viewport/DrawOverrideRegistry.h"

namespace MHWRender {

MStatus MDrawRegistry::registerDrawOverrideCreator(const MString& drawClassification, const MString& registrantId,
                                                   DrawOverrideCreator creator)
{
    std::string error;
    const MStatus status = nbhost::DrawOverrideRegistry::instance().add(drawClassification.asChar(),
                                                                        registrantId.asChar(), creator, &error);
    if (!status)
        nbhost::Output::write(nbhost::Output::Kind::Error, "registerDrawOverrideCreator: " + error);
    return status;
}

MStatus MDrawRegistry::deregisterDrawOverrideCreator(const MString& drawClassification, const MString& registrantId)
{
    return nbhost::DrawOverrideRegistry::instance().remove(drawClassification.asChar(), registrantId.asChar());
}

} // namespace MHWRender
