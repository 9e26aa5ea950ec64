#pragma once

#include "viewport/CameraNavigator.h"
#include "viewport/DrawableList.h"
#include "viewport/View3d.h"
#include "viewport/ViewOptions.h"

#include <maya/MDagPath.h>

#include <QWidget>

class QActionGroup;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QStackedLayout;

namespace nbhost {

class LegacySurface;
class Vp2Surface;

// A model panel: a camera view with its menu bar. The View menu looks
// through any camera, switches the surrounding pane layout between one and
// four views, chooses Viewport 2.0 or the legacy (OpenGL) renderer and
// shows or hides the grid and the resolution gate. The drawing surface
// below the menu is the view's widget (M3dView::widget); its mouse and key
// input is camera navigation with Alt held, else the current tool's; a
// right click without Alt opens the View menu at the pointer.
class ModelPanel : public QWidget, public View3d
{
    Q_OBJECT

public:
    ModelPanel(const QString& name, const QString& camera, QWidget* parent = nullptr);
    ~ModelPanel() override;

    bool camera(MDagPath& path) const override;
    bool setCamera(const MDagPath& path) override;
    QWidget* widget() const override;
    int portWidth() const override;
    int portHeight() const override;
    QString panelName() const override { return m_name; }
    ViewOptions viewOptions() const override { return m_options; }
    void refresh(bool force) override;
    bool isLegacy() const override { return m_legacy; }
    MStatus beginGL() override;
    MStatus endGL() override;
    MStatus beginXorDrawing(bool orthographic, bool noDepthTest, float lineWidth,
                            M3dView::LineStipplePattern stipple, const MColor& color) override;
    MStatus endXorDrawing() override;
    void setTransient(const DrawableList& list) override;

    // Looks through the camera of that name (its transform or shape);
    // false when there is no such camera.
    bool lookThrough(const QString& cameraName);
    QString cameraName() const;
    void setLegacy(bool legacy);
    const ViewOptions& options() const { return m_options; }
    void setOptions(const ViewOptions& options);
    const DrawableList& transient() const { return m_transient; }
    QMenu& viewMenu() { return *m_viewMenu; }

    // Input of the drawing surfaces.
    void surfacePress(QMouseEvent* event);
    void surfaceMove(QMouseEvent* event);
    void surfaceRelease(QMouseEvent* event);
    bool surfaceKey(QKeyEvent* event, bool pressed);
    void surfaceEnter();

private:
    void buildMenu();
    // A checkable View menu entry that turns one of the options on and off.
    void addOptionToggle(const QString& label, bool ViewOptions::*option);
    void fillCameraMenu();
    void setPaneConfiguration(bool fourViews);

    QString m_name;
    // The camera, and its name to find it again when a new scene replaced
    // the node (file -new, -open).
    mutable MDagPath m_camera;
    QString m_cameraName;
    ViewOptions m_options;
    DrawableList m_transient;
    bool m_legacy = false;
    CameraNavigator m_navigator;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_cameraMenu = nullptr;
    QStackedLayout* m_stack = nullptr;
    Vp2Surface* m_vp2 = nullptr;
    LegacySurface* m_legacySurface = nullptr;
};

} // namespace nbhost
