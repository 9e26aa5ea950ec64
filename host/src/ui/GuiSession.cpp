#include "ui/GuiSession.h"

#include "core/Host.h"
#include "core/IdleQueue.h"
#include "core/OptionVarStore.h"
#include "events/EventBus.h"
#include "time/TimeState.h"
#include "ui/ControlRegistry.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowParts.h"
#include "ui/MenuSets.h"
#include "ui/PlaybackTimer.h"
#include "ui/ScriptEditor.h"

#include <QApplication>
#include <QMenu>

namespace nbhost {

namespace {
GuiSession* g_current = nullptr;

const bool g_stopHooked = [] {
    Host::addStopHook([](Host& host) {
        if (g_current && &g_current->host() == &host)
            g_current->hostStopped();
    });
    return true;
}();
} // namespace

GuiSession::GuiSession(Host& host) : m_host(host)
{
    if (g_current)
        Output::write(Output::Kind::Warning, "A second user interface was created; it replaces the first.");
    g_current = this;
    QApplication::setQuitOnLastWindowClosed(false);

    m_menuSets = std::make_unique<MenuSets>();
    m_scriptEditor = std::make_unique<ScriptEditor>(*this);
    m_previousSink = Output::setSink([this](Output::Kind kind, const std::string& text) { writeOutput(kind, text); });
    m_mainWindow = std::make_unique<MainWindow>(*this);
    ControlRegistry::setMainWindow(m_mainWindow.get());
    ControlRegistry::registerControl(Host::kMainWindowName, m_mainWindow.get());
    m_playback = std::make_unique<PlaybackTimer>(host.time(), host.events());

    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(0);
    connect(&m_idleTimer, &QTimer::timeout, this, &GuiSession::drainIdleQueue);
    listenToHost();
    if (!host.optionVars().exists("cachedPlaybackEnable"))
        host.optionVars().set("cachedPlaybackEnable", Value::fromInt(0));
}

GuiSession::~GuiSession()
{
    if (!m_host.hasQuit())
        m_host.quit(m_host.exitCode());
    for (MCallbackId id : m_listeners)
        m_host.events().remove(id);
    m_host.idleQueue().setWorkQueuedHook(nullptr);
    m_host.time().setChangedHook(nullptr);
    Output::setSink(std::move(m_previousSink));
    for (const QPointer<QWidget>& orphan : m_orphans)
        if (orphan && !orphan->parentWidget())
            delete orphan;
    m_playback.reset();
    m_mainWindow.reset();
    m_scriptEditor.reset();
    ControlRegistry::clear();
    MainWindowParts::setCurrentParent(QString());
    g_current = nullptr;
}

GuiSession* GuiSession::current() { return g_current; }

void GuiSession::listenToHost()
{
    m_host.idleQueue().setWorkQueuedHook([this] { m_idleTimer.start(); });
    m_host.time().setChangedHook([this] { m_mainWindow->timeStateChanged(); });
    EventBus& events = m_host.events();
    m_listeners.push_back(events.addEventListener("timeChanged", [] { MainWindowParts::refreshViews(false); }));
    for (const char* event : {"SceneOpened", "Undo", "Redo"})
        m_listeners.push_back(events.addEventListener(event, [this] { m_mainWindow->updateTitle(); }));
}

QMenu* GuiSession::currentMenu() const
{
    return m_currentMenu && !ControlRegistry::isDeleted(m_currentMenu) ? m_currentMenu.data() : nullptr;
}

void GuiSession::setCurrentMenu(QMenu* menu) { m_currentMenu = menu; }

void GuiSession::keepOrphan(QWidget* control) { m_orphans.emplace_back(control); }

void GuiSession::show()
{
    m_mainWindow->show();
    m_shown = true;
    for (auto& work : m_whenShown)
        QTimer::singleShot(0, this, std::move(work));
    m_whenShown.clear();
    if (!m_host.idleQueue().empty())
        m_idleTimer.start();
}

void GuiSession::runWhenShown(std::function<void()> work)
{
    if (m_shown)
        QTimer::singleShot(0, this, std::move(work));
    else
        m_whenShown.push_back(std::move(work));
}

int GuiSession::exec()
{
    if (!m_host.hasQuit()) {
        m_inEventLoop = true;
        QApplication::exec();
        m_inEventLoop = false;
    }
    return m_host.exitCode();
}

EvalResult GuiSession::evaluate(const std::string& script, bool display)
{
    if (m_host.hasQuit())
        return EvalResult();
    EvalResult result = m_host.evaluate(script, EvalOptions{display, true, JournalSource::User, ""});
    m_mainWindow->updateTitle();
    return result;
}

void GuiSession::drainIdleQueue()
{
    if (m_host.hasQuit())
        return;
    m_host.processIdleQueue();
    if (!m_host.idleQueue().empty() && !m_host.hasQuit())
        m_idleTimer.start();
}

void GuiSession::hostStopped()
{
    m_idleTimer.stop();
    m_mainWindow->saveGeometryToPrefs();
    m_scriptEditor->hide();
    m_mainWindow->hide();
    // Only a running loop is told to end: Qt would otherwise make the next
    // event loop anyone starts (a dialog's, a test's) return at once.
    if (m_inEventLoop)
        QApplication::exit(m_host.exitCode());
}

void GuiSession::writeOutput(Output::Kind kind, const std::string& text)
{
    m_scriptEditor->append(kind, text);
    if (m_previousSink)
        m_previousSink(kind, text);
    else
        Output::writeToStandardStreams(kind, text);
}

} // namespace nbhost
