#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace nbhost {

// Where the camera views plug into the GUI without the main window or the
// interface commands knowing them.
//
// - Central area: the main window asks the central-widget factory for its
//   central widget when it is built. Set the factory from a static
//   initialiser of the views' code, so it is in place before any window
//   exists. Without a factory the window shows an empty grey area.
// - Repaints: `refresh`, time changes (scrubbing, playback, scripts) and
//   anything else that changes what the views show call refreshViews; the
//   views install the handler that repaints them (force: repaint now
//   instead of scheduling).
// - Layouts: a control made by a script command goes into the layout of its
//   parent: the control named by its -parent flag, or the current parent
//   (the last window made by `window`, or the control named by `setParent`).
//   A named parent's QWidget has a QLayout; addToParent adds the child to it.
//   A layout command (paneLayout) makes itself the current parent, as the
//   real host does.
class MainWindowParts
{
public:
    using WidgetFactory = std::function<QWidget*(QWidget* parent)>;
    using RefreshHandler = std::function<void(bool force)>;

    static void setCentralWidgetFactory(WidgetFactory factory);
    // The factory's widget, or an empty grey area when there is no factory or it
    // gives none.
    static QWidget* createCentralWidget(QWidget* parent);

    static void setRefreshHandler(RefreshHandler handler);
    static void refreshViews(bool force = false);

    // The name of the current parent control; empty when there is none.
    static QString currentParent();
    static void setCurrentParent(const QString& name);
    // Adds the child to the layout of the named control. False when the
    // control is not found, has been deleted, has no layout or is the main
    // window (whose views come from the factory); the child is then left
    // alone, and the caller keeps it (GuiSession::keepOrphan) or drops it.
    static bool addToParent(const QString& parentName, QWidget* child);
};

} // namespace nbhost
