#pragma once

#include "viewport/ViewOptions.h"
#include "viewport/ViewProjection.h"

#include <maya/M3dView.h>
#include <maya/MCursor.h>
#include <maya/MStatus.h>

#include <QCursor>
#include <QString>

#include <vector>

class MDagPath;
class QWidget;

namespace nbhost {

class DrawableList;

// A camera view that the host draws into; M3dView handles refer to these.
// The GUI's model panels implement it; a view registers itself while it
// exists. One view at a time is active (the focused one); batch mode has
// none.
class View3d
{
public:
    View3d();
    virtual ~View3d();
    View3d(const View3d&) = delete;
    View3d& operator=(const View3d&) = delete;

    // Unique for the life of the process; never 0.
    unsigned int id() const { return m_id; }

    // The camera the view looks through; false when it has none.
    virtual bool camera(MDagPath& path) const = 0;
    virtual bool setCamera(const MDagPath&) { return false; }
    // The drawing surface: the widget that shows the view.
    virtual QWidget* widget() const { return nullptr; }
    virtual int portWidth() const { return 0; }
    virtual int portHeight() const { return 0; }
    virtual QString panelName() const { return QString(); }
    // Grid and gate shown.
    virtual ViewOptions viewOptions() const { return ViewOptions(); }
    // The camera's projection at the port's size.
    ViewProjection projection() const;

    virtual void refresh(bool /*force*/) {}
    // Views showing the legacy (OpenGL) renderer.
    virtual bool isLegacy() const { return false; }
    virtual MStatus beginGL() { return MStatus::kFailure; }
    virtual MStatus endGL() { return MStatus::kFailure; }
    virtual MStatus beginXorDrawing(bool /*orthographic*/, bool /*noDepthTest*/, float /*lineWidth*/,
                                    M3dView::LineStipplePattern, const MColor&)
    {
        return MStatus::kFailure;
    }
    virtual MStatus endXorDrawing() { return MStatus::kFailure; }
    // The current tool's transient drawing, shown until replaced.
    virtual void setTransient(const DrawableList&) {}

    static View3d* active();
    // A view clears itself when it is destroyed while active.
    static void setActive(View3d* view);
    // Every view, oldest first.
    static const std::vector<View3d*>& all();
    static View3d* byId(unsigned int id);
    static View3d* byPanel(const QString& panelName);
    static void refreshAll(bool force);
    // A handle for the plug-in's interface.
    static M3dView handle(const View3d& view);

    // The current tool's cursor, shown by every view (kept only while
    // there is a GUI application: Qt's cursors need one).
    static void setToolCursor(const MCursor& cursor);
    static QCursor toolCursor();

private:
    unsigned int m_id;
};

} // namespace nbhost
