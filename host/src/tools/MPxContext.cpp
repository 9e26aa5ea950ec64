#include <maya/MPxContext.h>

#include "tools/ContextRegistry.h"
#include "tools/ContextState.h"
#include "viewport/View3d.h"
#include "viewport/ViewArea.h"

#include <QString>

using nbhost::ContextRegistry;

namespace {
bool isCurrent(const MPxContext* context) { return ContextRegistry::instance().current() == context; }
} // namespace

MPxContext::MPxContext() : fState(new nbhost::ContextState) {}
MPxContext::~MPxContext() { delete fState; }

void MPxContext::toolOnSetup(MEvent&) {}
void MPxContext::toolOffCleanup() {}
MStatus MPxContext::doPress(MEvent&) { return MStatus::kSuccess; }
MStatus MPxContext::doRelease(MEvent&) { return MStatus::kSuccess; }
MStatus MPxContext::doDrag(MEvent&) { return MStatus::kSuccess; }
MStatus MPxContext::doHold(MEvent&) { return MStatus::kSuccess; }
MStatus MPxContext::doPtrMoved(MEvent&) { return MStatus::kSuccess; }
MStatus MPxContext::doEnterRegion(MEvent&) { return MStatus::kSuccess; }

MStatus MPxContext::doPress(MEvent&, MHWRender::MUIDrawManager&, const MHWRender::MFrameContext&)
{
    return MStatus::kNotImplemented;
}

MStatus MPxContext::doRelease(MEvent&, MHWRender::MUIDrawManager&, const MHWRender::MFrameContext&)
{
    return MStatus::kNotImplemented;
}

MStatus MPxContext::doDrag(MEvent&, MHWRender::MUIDrawManager&, const MHWRender::MFrameContext&)
{
    return MStatus::kNotImplemented;
}

MStatus MPxContext::doPtrMoved(MEvent&, MHWRender::MUIDrawManager&, const MHWRender::MFrameContext&)
{
    return MStatus::kNotImplemented;
}

MStatus MPxContext::helpStateHasChanged(MEvent&) { return MStatus::kSuccess; }
void MPxContext::deleteAction() {}
void MPxContext::completeAction() {}
void MPxContext::abortAction() {}
void MPxContext::getClassName(MString& name) const { name = "MPxContext"; }

MStatus MPxContext::setImage(const MString& image, ImageIndex index)
{
    if (index < kImage1 || index > kImage3)
        return MStatus::kInvalidParameter;
    fState->images[index] = image;
    return MStatus::kSuccess;
}

MString MPxContext::image(ImageIndex index, MStatus* ReturnStatus) const
{
    const bool valid = index >= kImage1 && index <= kImage3;
    if (ReturnStatus)
        *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return valid ? fState->images[index] : MString();
}

MStatus MPxContext::setTitleString(const MString& str)
{
    fState->title = str;
    return MStatus::kSuccess;
}

MString MPxContext::titleString(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return fState->title;
}

MStatus MPxContext::setHelpString(const MString& str)
{
    fState->help = str;
    if (isCurrent(this))
        nbhost::ViewArea::showHelp(QString::fromUtf8(str.asChar()));
    return MStatus::kSuccess;
}

MString MPxContext::helpString(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return fState->help;
}

MStatus MPxContext::setCursor(const MCursor& cursor)
{
    fState->cursor = cursor;
    if (isCurrent(this))
        nbhost::View3d::setToolCursor(cursor);
    return MStatus::kSuccess;
}

MCursor MPxContext::cursor(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return fState->cursor;
}
