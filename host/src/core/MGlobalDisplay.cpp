// The host's message displays.
#include <maya/MGlobal.h>

#include "core/Output.h"

void MGlobal::displayInfo(const MString& theMessage)
{
    nbhost::Output::write(nbhost::Output::Kind::Info, theMessage.asChar());
}

void MGlobal::displayWarning(const MString& theWarning)
{
    nbhost::Output::write(nbhost::Output::Kind::Warning, theWarning.asChar());
}

void MGlobal::displayError(const MString& theError)
{
    nbhost::Output::write(nbhost::Output::Kind::Error, theError.asChar());
}
