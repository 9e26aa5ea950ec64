#include "ui/MainWindowParts.h"

#include "ui/ControlRegistry.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QWidget>

namespace nbhost {

namespace {
MainWindowParts::WidgetFactory& factory()
{
    static MainWindowParts::WidgetFactory instance;
    return instance;
}

MainWindowParts::RefreshHandler& refreshHandler()
{
    static MainWindowParts::RefreshHandler instance;
    return instance;
}

QString& currentParentName()
{
    static QString name;
    return name;
}
} // namespace

void MainWindowParts::setCentralWidgetFactory(WidgetFactory widgetFactory) { factory() = std::move(widgetFactory); }

QWidget* MainWindowParts::createCentralWidget(QWidget* parent)
{
    if (factory())
        if (QWidget* widget = factory()(parent))
            return widget;
    // No views are installed (a host built without them): a plain grey area.
    auto* emptyArea = new QLabel(parent);
    emptyArea->setObjectName(QStringLiteral("centralEmptyArea"));
    emptyArea->setMinimumSize(320, 200);
    emptyArea->setAutoFillBackground(true);
    QPalette palette = emptyArea->palette();
    palette.setColor(QPalette::Window, QColor(68, 68, 68));
    emptyArea->setPalette(palette);
    return emptyArea;
}

void MainWindowParts::setRefreshHandler(RefreshHandler handler) { refreshHandler() = std::move(handler); }

void MainWindowParts::refreshViews(bool force)
{
    if (refreshHandler())
        refreshHandler()(force);
}

QString MainWindowParts::currentParent()
{
    if (!currentParentName().isEmpty() && !ControlRegistry::find(currentParentName()))
        currentParentName().clear();
    return currentParentName();
}

void MainWindowParts::setCurrentParent(const QString& name) { currentParentName() = name; }

bool MainWindowParts::addToParent(const QString& parentName, QWidget* child)
{
    QWidget* parent = ControlRegistry::find(parentName);
    // A main window's layout is its own; controls go into its central area.
    if (!parent || !child || !parent->layout() || qobject_cast<QMainWindow*>(parent))
        return false;
    parent->layout()->addWidget(child);
    return true;
}

} // namespace nbhost
