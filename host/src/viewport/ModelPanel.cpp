#include "viewport/ModelPanel.h"

#include "scene/Node.h"
#include "scene/Scene.h"
#include "viewport/LegacySurface.h"
#include "viewport/PaneLayout.h"
#include "viewport/ViewInput.h"
#include "viewport/Vp2Surface.h"

#include <maya/MSelectionList.h>

#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace nbhost {

namespace {

ViewMouse toViewMouse(const QMouseEvent* event)
{
    return ViewMouse{event->pos(), event->button(), event->buttons(), event->modifiers()};
}

bool findCamera(const QString& name, MDagPath& path)
{
    MSelectionList list;
    if (name.isEmpty() || !list.add(MString(name.toUtf8().constData())) || !list.getDagPath(0, path))
        return false;
    if (path.apiType() != MFn::kCamera)
        path.extendToShape();
    return path.hasFn(MFn::kCamera);
}

} // namespace

ModelPanel::ModelPanel(const QString& name, const QString& camera, QWidget* parent)
    : QWidget(parent), m_name(name)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    m_viewMenu = menuBar->addMenu(tr("View"));
    buildMenu();
    m_stack = new QStackedLayout;
    layout->addLayout(m_stack, 1);
    m_vp2 = new Vp2Surface(*this, this);
    m_stack->addWidget(m_vp2);
    // The camera may not exist yet (the views are built before the scene).
    m_cameraName = camera;
    lookThrough(camera);
}

ModelPanel::~ModelPanel() = default;

void ModelPanel::buildMenu()
{
    m_cameraMenu = m_viewMenu->addMenu(tr("Look Through"));
    connect(m_cameraMenu, &QMenu::aboutToShow, this, &ModelPanel::fillCameraMenu);
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(tr("Single View"), this, [this] { setPaneConfiguration(false); });
    m_viewMenu->addAction(tr("Four Views"), this, [this] { setPaneConfiguration(true); });
    m_viewMenu->addSeparator();
    auto* renderers = new QActionGroup(this);
    QAction* vp2 = m_viewMenu->addAction(tr("Viewport 2.0"), this, [this] { setLegacy(false); });
    QAction* legacy = m_viewMenu->addAction(tr("Legacy Viewport"), this, [this] { setLegacy(true); });
    for (QAction* action : {vp2, legacy}) {
        action->setCheckable(true);
        renderers->addAction(action);
    }
    vp2->setChecked(true);
    m_viewMenu->addSeparator();
    addOptionToggle(tr("Grid"), &ViewOptions::grid);
    addOptionToggle(tr("Resolution Gate"), &ViewOptions::resolutionGate);
}

void ModelPanel::addOptionToggle(const QString& label, bool ViewOptions::*option)
{
    QAction* action = m_viewMenu->addAction(label);
    action->setCheckable(true);
    action->setChecked(m_options.*option);
    connect(action, &QAction::toggled, this, [this, option](bool on) {
        ViewOptions options = m_options;
        options.*option = on;
        setOptions(options);
    });
}

void ModelPanel::fillCameraMenu()
{
    m_cameraMenu->clear();
    const QString current = cameraName();
    for (const auto& node : Scene::instance().nodes()) {
        if (!node->hasFn(MFn::kCamera) || !node->parent())
            continue;
        const QString name = QString::fromStdString(node->parent()->name());
        QAction* action = m_cameraMenu->addAction(name, this, [this, name] { lookThrough(name); });
        action->setCheckable(true);
        action->setChecked(name == current);
    }
}

void ModelPanel::setPaneConfiguration(bool fourViews)
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* panes = qobject_cast<PaneLayout*>(w)) {
            panes->setConfiguration(fourViews ? PaneLayout::Configuration::Quad : PaneLayout::Configuration::Single,
                                    this);
            return;
        }
    }
}

bool ModelPanel::camera(MDagPath& path) const
{
    if (!m_camera.isValid() && !findCamera(m_cameraName, m_camera))
        return false;
    path = m_camera;
    return true;
}

bool ModelPanel::setCamera(const MDagPath& path)
{
    if (!path.isValid() || !path.hasFn(MFn::kCamera))
        return false;
    // Views hold the camera's shape, as the real host's do.
    MDagPath shape = path;
    if (shape.apiType() != MFn::kCamera && !shape.extendToShape())
        return false;
    m_camera = shape;
    m_cameraName = cameraName();
    refresh(false);
    return true;
}

bool ModelPanel::lookThrough(const QString& cameraName)
{
    MDagPath path;
    return findCamera(cameraName, path) && setCamera(path);
}

QString ModelPanel::cameraName() const
{
    MDagPath current;
    if (!camera(current))
        return QString();
    MDagPath transform;
    MDagPath::getAPathTo(current.transform(), transform);
    return QString::fromUtf8(transform.partialPathName().asChar());
}

QWidget* ModelPanel::widget() const
{
    return m_legacy && m_legacySurface ? static_cast<QWidget*>(m_legacySurface) : static_cast<QWidget*>(m_vp2);
}

int ModelPanel::portWidth() const { return widget()->width(); }
int ModelPanel::portHeight() const { return widget()->height(); }

void ModelPanel::refresh(bool force)
{
    QWidget* surface = widget();
    if (m_legacy)
        m_legacySurface->requestFullPaint();
    if (force && surface->isVisible() && !m_legacy)
        surface->repaint();
    else
        surface->update();
}

void ModelPanel::setLegacy(bool legacy)
{
    if (legacy && !m_legacySurface) {
        m_legacySurface = new LegacySurface(*this, this);
        m_stack->addWidget(m_legacySurface);
    }
    m_legacy = legacy;
    m_stack->setCurrentWidget(widget());
    widget()->setCursor(View3d::toolCursor());
    refresh(false);
}

void ModelPanel::setOptions(const ViewOptions& options)
{
    m_options = options;
    refresh(false);
}

MStatus ModelPanel::beginGL() { return m_legacy ? m_legacySurface->beginGL() : MStatus::kFailure; }
MStatus ModelPanel::endGL() { return m_legacy ? m_legacySurface->endGL() : MStatus::kFailure; }

MStatus ModelPanel::beginXorDrawing(bool orthographic, bool noDepthTest, float lineWidth,
                                    M3dView::LineStipplePattern stipple, const MColor& color)
{
    return m_legacy ? m_legacySurface->beginXorDrawing(orthographic, noDepthTest, lineWidth, stipple, color)
                    : MStatus::kFailure;
}

MStatus ModelPanel::endXorDrawing() { return m_legacy ? m_legacySurface->endXorDrawing() : MStatus::kFailure; }

void ModelPanel::setTransient(const DrawableList& list)
{
    m_transient = list;
    refresh(false);
}

void ModelPanel::surfacePress(QMouseEvent* event)
{
    View3d::setActive(this);
    widget()->setFocus(Qt::MouseFocusReason);
    if (event->modifiers() & Qt::AltModifier) {
        MDagPath path;
        camera(path);
        m_navigator.begin(CameraNavigator::modeFor(event->button()), path, event->pos());
        return;
    }
    // The right button opens the view's menu, as the host's marking menu
    // does; a tool that wants the right button filters the surface first.
    if (event->button() == Qt::RightButton) {
        m_viewMenu->popup(event->globalPos());
        return;
    }
    if (ViewInput* input = ViewInput::current())
        input->press(*this, toViewMouse(event));
}

void ModelPanel::surfaceMove(QMouseEvent* event)
{
    if (m_navigator.active()) {
        if (m_navigator.move(event->pos(), projection()))
            View3d::refreshAll(false);
        return;
    }
    ViewInput* input = ViewInput::current();
    if (!input)
        return;
    if (event->buttons() & (Qt::LeftButton | Qt::MiddleButton))
        input->drag(*this, toViewMouse(event));
    else if (event->buttons() == Qt::NoButton)
        input->pointerMoved(*this, toViewMouse(event));
}

void ModelPanel::surfaceRelease(QMouseEvent* event)
{
    if (m_navigator.active()) {
        m_navigator.end();
        return;
    }
    if (ViewInput* input = ViewInput::current())
        input->release(*this, toViewMouse(event));
}

bool ModelPanel::surfaceKey(QKeyEvent* event, bool pressed)
{
    ViewInput* input = ViewInput::current();
    if (!input)
        return false;
    const int key = event->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt) {
        input->modifiersChanged(*this, event->modifiers());
        return false;
    }
    return pressed && !event->isAutoRepeat() && input->key(*this, key);
}

void ModelPanel::surfaceEnter()
{
    View3d::setActive(this);
    if (ViewInput* input = ViewInput::current())
        input->enter(*this);
}

} // namespace nbhost
