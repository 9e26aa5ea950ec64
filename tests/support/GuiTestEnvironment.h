#pragma once
// A host with its user interface in the test's own process.
//
//   TEST_F(MyTest, ...) with `class MyTest : public nbtest::GuiTest {}`
//       a fresh host in GUI mode with its main window per test (no
//       plug-ins, output captured, the window not shown);
//   nbtest::ScopedGui gui;   the same for one scope.
//
// One QApplication serves the whole program (Qt allows one per process);
// it is made on first use with the platform of the environment (offscreen
// for tests/host_ui, the X server of xvfb-run for tests/gui_*).

#include "support/HostTestEnvironment.h"

#include "ui/GuiSession.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <memory>

namespace nbtest {

inline QApplication& guiApplication()
{
    static int argc = 1;
    static char name[] = "nbtest";
    static char* argv[] = {name, nullptr};
    static QApplication* application = qApp ? qobject_cast<QApplication*>(qApp) : new QApplication(argc, argv);
    return *application;
}

// Runs the event loop: a few rounds, enough for idle work, deferred
// scripts and deferred deletes; or, given `until`, until it holds, for at
// most `timeoutMs`. Returns whether `until` held.
inline bool processEvents(const std::function<bool()>& until = nullptr, int timeoutMs = 3000)
{
    const auto round = [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    if (!until) {
        for (int i = 0; i < 20; ++i)
            round();
        return true;
    }
    QElapsedTimer timer;
    timer.start();
    while (!until() && timer.elapsed() < timeoutMs) {
        round();
        QThread::msleep(2);
    }
    return until();
}

// Mouse input as the window system delivers it: to the widget's top-level
// window, which finds the widget under the point, grabs it from the press
// to the release and passes ignored events on to the parents.
inline void mouse(QWidget& widget, QEvent::Type type, QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* top = widget.window();
    top->winId(); // makes the native window
    const QPoint inWindow = widget.mapTo(top, local);
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, inWindow, inWindow, widget.mapToGlobal(local), changed, held, modifiers);
    QCoreApplication::sendEvent(top->windowHandle(), &event);
}

// A press at `from`, moves through the points between, and a release at `to`.
inline void drag(QWidget& widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 int steps = 4)
{
    mouse(widget, QEvent::MouseButtonPress, from, modifiers);
    for (int i = 1; i <= steps; ++i)
        mouse(widget, QEvent::MouseMove, from + (to - from) * i / steps, modifiers);
    mouse(widget, QEvent::MouseButtonRelease, to, modifiers);
}

struct GuiSetup
{
    bool loadPlugins = false;
    bool captureOutput = true;
    std::string prefsDir; // empty: a fresh one of its own
};

// A started host in GUI mode with its interface, in a fresh preference
// directory; quit and destroyed at the end of the scope.
class ScopedGui
{
public:
    explicit ScopedGui(GuiSetup setup = GuiSetup()) : m_prefs("nbguiprefs")
    {
        guiApplication();
        if (setup.captureOutput)
            m_output = std::make_unique<OutputCapture>();
        nbhost::HostOptions options;
        options.mode = nbhost::HostMode::Gui;
        options.prefsDir = setup.prefsDir.empty() ? m_prefs.path() : setup.prefsDir;
        options.loadPlugins = setup.loadPlugins;
        m_host = std::make_unique<nbhost::Host>(options);
        m_session = std::make_unique<nbhost::GuiSession>(*m_host);
        m_host->start();
    }
    // The interface goes first: the host quits while it still exists.
    ~ScopedGui()
    {
        m_session.reset();
        m_host.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    nbhost::Host& host() { return *m_host; }
    nbhost::GuiSession& session() { return *m_session; }
    nbhost::MainWindow& mainWindow() { return m_session->mainWindow(); }
    // Evaluates as typed by the user, with undo on.
    nbhost::EvalResult eval(const std::string& script, bool undo = true)
    {
        return m_host->evaluate(script, nbhost::EvalOptions{false, undo, nbhost::JournalSource::User, ""});
    }
    OutputCapture* output() { return m_output.get(); }
    const std::string& prefsDir() const { return m_host->prefsDir(); }

private:
    TempDir m_prefs;
    std::unique_ptr<OutputCapture> m_output;
    std::unique_ptr<nbhost::Host> m_host;
    std::unique_ptr<nbhost::GuiSession> m_session;
};

class GuiTest : public ::testing::Test
{
protected:
    virtual GuiSetup setup() const { return GuiSetup(); }
    void SetUp() override { m_gui = std::make_unique<ScopedGui>(setup()); }
    void TearDown() override { m_gui.reset(); }

    ScopedGui& gui() { return *m_gui; }
    nbhost::Host& host() { return m_gui->host(); }
    nbhost::GuiSession& session() { return m_gui->session(); }
    nbhost::MainWindow& mainWindow() { return m_gui->mainWindow(); }
    nbhost::EvalResult eval(const std::string& script, bool undo = true) { return m_gui->eval(script, undo); }
    OutputCapture& output() { return *m_gui->output(); }

private:
    std::unique_ptr<ScopedGui> m_gui;
};

} // namespace nbtest
