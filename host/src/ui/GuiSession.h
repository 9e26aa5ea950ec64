#pragma once

#include "core/Output.h"
#include "script/Interpreter.h"

#include <maya/MTypes.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace nbhost {

class Host;
class MainWindow;
class MenuSets;
class PlaybackTimer;
class ScriptEditor;

// The host's user interface while it runs with one: the main window, the
// script editor receiving the host's output, the menu state the interface
// commands share, the playback timer, and the Qt event loop that drains the
// idle queue. One exists at a time; the interface commands fail without it.
//
// Order of use: create the host in GUI mode, then the session (the main
// window must exist before plug-ins load and build their menus), then start
// the host, show the window and run the event loop.
class GuiSession : public QObject
{
    Q_OBJECT

public:
    // Needs a QApplication.
    explicit GuiSession(Host& host);
    // Quits the host first if it still runs, so plug-ins unload while their
    // menus and windows still exist.
    ~GuiSession() override;

    static GuiSession* current();

    Host& host() { return m_host; }
    MainWindow& mainWindow() { return *m_mainWindow; }
    ScriptEditor& scriptEditor() { return *m_scriptEditor; }
    MenuSets& menuSets() { return *m_menuSets; }
    PlaybackTimer& playback() { return *m_playback; }

    // The menu that menuItem adds to when it has no -parent; null when none.
    QMenu* currentMenu() const;
    void setCurrentMenu(QMenu* menu);
    // Controls made without a parent layout; deleted with the session
    // unless something adopted them.
    void keepOrphan(QWidget* control);

    // Shows the main window; scripts given to runWhenShown run once the
    // event loop has shown it.
    void show();
    void runWhenShown(std::function<void()> work);
    // Runs the event loop until the host quits; returns its exit status.
    int exec();

    // Evaluates a script as an action of the user (menu item, script
    // editor, command line): with undo on, echoed when `display` is on.
    EvalResult evaluate(const std::string& script, bool display);

    // The host's quit sequence calls this once plug-ins are unloaded: the
    // window geometry is saved, the windows close and the event loop ends.
    void hostStopped();

private:
    void drainIdleQueue();
    void writeOutput(Output::Kind kind, const std::string& text);
    void listenToHost();

    Host& m_host;
    std::unique_ptr<MenuSets> m_menuSets;
    std::unique_ptr<ScriptEditor> m_scriptEditor;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<PlaybackTimer> m_playback;
    Output::Sink m_previousSink;
    QTimer m_idleTimer;
    QPointer<QMenu> m_currentMenu;
    std::vector<QPointer<QWidget>> m_orphans;
    std::vector<std::function<void()>> m_whenShown;
    std::vector<MCallbackId> m_listeners;
    bool m_shown = false;
    bool m_inEventLoop = false;
};

} // namespace nbhost
