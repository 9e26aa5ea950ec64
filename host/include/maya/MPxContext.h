#pragma once
// Base of a plug-in's tool context: while it is the current tool, the host
// sends it the mouse events of the views (left and middle buttons; Alt
// with a button navigates the camera instead) and turns Enter, Backspace
// and Escape in a view into completeAction, deleteAction and abortAction.

#include <maya/MTypes.h>
#include <maya/MCursor.h>
#include <maya/MEvent.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

namespace MHWRender {
class MUIDrawManager;
class MFrameContext;
}

namespace nbhost {
struct ContextState;
}

class OPENMAYAUI_EXPORT MPxContext
{
public:
    enum ImageIndex
    {
        kImage1 = 0,
        kImage2,
        kImage3
    };

    MPxContext();
    virtual ~MPxContext();

    // The context becomes the current tool, and stops being it.
    virtual void toolOnSetup(MEvent& event);
    virtual void toolOffCleanup();

    virtual MStatus doPress(MEvent& event);
    virtual MStatus doRelease(MEvent& event);
    virtual MStatus doDrag(MEvent& event);
    virtual MStatus doHold(MEvent& event);
    virtual MStatus doPtrMoved(MEvent& event);
    virtual MStatus doEnterRegion(MEvent& event);

    // Viewport 2.0 forms: the draw manager records transient drawing that
    // the view shows until the next event. The host calls these in
    // Viewport 2.0 views; these defaults answer kNotImplemented, and the
    // host then calls the plain form.
    virtual MStatus doPress(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                            const MHWRender::MFrameContext& context);
    virtual MStatus doRelease(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                              const MHWRender::MFrameContext& context);
    virtual MStatus doDrag(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                           const MHWRender::MFrameContext& context);
    virtual MStatus doPtrMoved(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                               const MHWRender::MFrameContext& context);

    // The host asks for the help string again (entering a view, a change
    // of the modifier keys).
    virtual MStatus helpStateHasChanged(MEvent& event);
    virtual void deleteAction();
    virtual void completeAction();
    virtual void abortAction();
    virtual void getClassName(MString& name) const;

    MStatus setImage(const MString& image, ImageIndex index);
    MString image(ImageIndex index, MStatus* ReturnStatus = nullptr) const;
    MStatus setTitleString(const MString& str);
    MString titleString(MStatus* ReturnStatus = nullptr) const;
    MStatus setHelpString(const MString& str);
    MString helpString(MStatus* ReturnStatus = nullptr) const;
    MStatus setCursor(const MCursor& cursor);
    MCursor cursor(MStatus* ReturnStatus = nullptr) const;

private:
    MPxContext(const MPxContext&) = delete;
    MPxContext& operator=(const MPxContext&) = delete;

    nbhost::ContextState* fState;
};
