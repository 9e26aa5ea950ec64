#include "viewport/View3d.h"

#include <maya/MDagPath.h>

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

namespace nbhost {

namespace {
View3d* g_active = nullptr;
unsigned int g_nextId = 1;

std::vector<View3d*>& views()
{
    static std::vector<View3d*> instance;
    return instance;
}

QCursor& cursor()
{
    static QCursor instance(Qt::ArrowCursor);
    return instance;
}
} // namespace

View3d::View3d() : m_id(g_nextId++) { views().push_back(this); }

View3d::~View3d()
{
    if (g_active == this)
        g_active = nullptr;
    views().erase(std::remove(views().begin(), views().end(), this), views().end());
}

ViewProjection View3d::projection() const
{
    MDagPath path;
    if (!camera(path))
        return ViewProjection();
    return ViewProjection::fromCamera(path, portWidth(), portHeight());
}

View3d* View3d::active() { return g_active; }
void View3d::setActive(View3d* view) { g_active = view; }
const std::vector<View3d*>& View3d::all() { return views(); }

View3d* View3d::byId(unsigned int id)
{
    for (View3d* view : views())
        if (view->id() == id)
            return view;
    return nullptr;
}

View3d* View3d::byPanel(const QString& panelName)
{
    for (View3d* view : views())
        if (!panelName.isEmpty() && view->panelName() == panelName)
            return view;
    return nullptr;
}

void View3d::refreshAll(bool force)
{
    for (View3d* view : views())
        view->refresh(force);
}

M3dView View3d::handle(const View3d& view)
{
    M3dView result;
    result.fViewId = view.id();
    return result;
}

void View3d::setToolCursor(const MCursor& toolCursor)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    const QCursor newCursor = toolCursor.hostCursor();
    cursor() = newCursor;
    for (View3d* view : views())
        if (QWidget* widget = view->widget())
            widget->setCursor(newCursor);
}

QCursor View3d::toolCursor() { return cursor(); }

} // namespace nbhost
