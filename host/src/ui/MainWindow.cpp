#include "ui/MainWindow.h"

#include "core/Host.h"
#include "undo/UndoQueue.h"
#include "ui/CommandLine.h"
#include "ui/ControlRegistry.h"
#include "ui/FileMenu.h"
#include "ui/GuiSession.h"
#include "ui/MainWindowParts.h"
#include "ui/MenuSets.h"
#include "ui/ProgressLine.h"
#include "ui/ScriptEditor.h"
#include "ui/TimeControlBar.h"
#include "ui/TimeSlider.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace nbhost {

namespace {
const int kTitleRefreshMs = 1000;
const int kUndoLabelLength = 48;

QString undoLabel(const QString& verb, const std::string& step)
{
    if (step.empty())
        return verb;
    const QString text = QString::fromStdString(step);
    return verb + QStringLiteral(": ") +
           (text.size() > kUndoLabelLength ? text.left(kUndoLabelLength - 3) + QStringLiteral("...") : text);
}
} // namespace

MainWindow::MainWindow(GuiSession& session) : m_session(session)
{
    setObjectName(QLatin1String(Host::kMainWindowName));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildMenus();
    buildStatusLine();
    buildCentralArea();
    m_progressLine = new ProgressLine(this);
    statusBar()->addWidget(m_progressLine, 1);
    restoreGeometryFromPrefs();
    updateTitle();
    // Commands run by tools and panels change the scene too; the title
    // catches up with them on this timer.
    m_titleTimer.setInterval(kTitleRefreshMs);
    connect(&m_titleTimer, &QTimer::timeout, this, &MainWindow::updateTitle);
    m_titleTimer.start();
}

MainWindow::~MainWindow() = default;

QString MainWindow::settingsPath() const
{
    return QString::fromStdString(m_session.host().prefsDir()) + QStringLiteral("/nbhost_gui.ini");
}

TimeSlider& MainWindow::timeSlider() { return m_timeControls->timeSlider(); }

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mainFileMenu"));
    m_fileMenu = new FileMenu(m_session, *file, *this, settingsPath());
    connect(m_fileMenu, &FileMenu::quitRequested, this, &QWidget::close);

    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("mainEditMenu"));
    m_undo = m_editMenu->addAction(tr("Undo"), this, [this] { m_session.evaluate("undo", false); }, QKeySequence::Undo);
    m_redo = m_editMenu->addAction(tr("Redo"), this, [this] { m_session.evaluate("redo", false); }, QKeySequence::Redo);
    connect(m_editMenu, &QMenu::aboutToShow, this, &MainWindow::updateEditMenu);
    // Shortcuts work while the menu is closed, whatever it last showed.
    connect(m_editMenu, &QMenu::aboutToHide, this, [this] {
        m_undo->setEnabled(true);
        m_redo->setEnabled(true);
    });

    m_windowsMenu = menuBar()->addMenu(tr("&Windows"));
    m_windowsMenu->setObjectName(QStringLiteral("mainWindowsMenu"));
    m_windowsMenu->addAction(tr("Script Editor"), this, [this] {
        ScriptEditor& editor = m_session.scriptEditor();
        editor.show();
        editor.raise();
        editor.activateWindow();
    });
}

void MainWindow::updateEditMenu()
{
    const UndoQueue& queue = m_session.host().undoQueue();
    m_undo->setText(undoLabel(tr("Undo"), queue.undoName()));
    m_undo->setEnabled(queue.canUndo());
    m_redo->setText(undoLabel(tr("Redo"), queue.redoName()));
    m_redo->setEnabled(queue.canRedo());
}

void MainWindow::buildStatusLine()
{
    QToolBar* statusLine = addToolBar(tr("Status Line"));
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setMovable(false);
    m_menuSetSelector = new QComboBox(statusLine);
    m_menuSetSelector->setObjectName(QStringLiteral("menuSetSelector"));
    MenuSets& sets = m_session.menuSets();
    for (const QString& set : MenuSets::names())
        m_menuSetSelector->addItem(MenuSets::label(set), set);
    m_menuSetSelector->setCurrentIndex(MenuSets::names().indexOf(sets.current()));
    statusLine->addWidget(m_menuSetSelector);
    connect(m_menuSetSelector, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { m_session.menuSets().setCurrent(m_menuSetSelector->itemData(index).toString()); });
    connect(&sets, &MenuSets::currentChanged, this,
            [this](const QString& set) { m_menuSetSelector->setCurrentIndex(MenuSets::names().indexOf(set)); });
}

void MainWindow::buildCentralArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("mainCentralArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QWidget* views = MainWindowParts::createCentralWidget(central);
    layout->addWidget(views, 1);
    m_timeControls = new TimeControlBar(m_session.host().time(), central);
    m_timeControls->setObjectName(QStringLiteral("timeControlBar"));
    layout->addWidget(m_timeControls);
    m_commandLine = new CommandLine(m_session, central);
    m_commandLine->setObjectName(QStringLiteral("commandLine"));
    layout->addWidget(m_commandLine);
    setCentralWidget(central);
    ControlRegistry::registerControl(QLatin1String(Host::kTimeControlName), &m_timeControls->timeSlider());
}

void MainWindow::timeStateChanged() { m_timeControls->refresh(); }

void MainWindow::updateTitle()
{
    const QString scene = m_fileMenu->sceneName();
    const QString name = scene.isEmpty() ? tr("untitled") : QFileInfo(scene).fileName();
    const QString title = QStringLiteral("nbhost - %1[*]").arg(name);
    if (title != windowTitle())
        setWindowTitle(title);
    setWindowModified(m_fileMenu->isModified());
}

void MainWindow::restoreGeometryFromPrefs()
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    if (!restoreGeometry(settings.value(QStringLiteral("mainWindow/geometry")).toByteArray()))
        resize(1280, 800);
    restoreState(settings.value(QStringLiteral("mainWindow/state")).toByteArray());
}

void MainWindow::saveGeometryToPrefs() const
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("mainWindow/geometry"), saveGeometry());
    settings.setValue(QStringLiteral("mainWindow/state"), saveState());
}

// Closing the window quits the host, after the user has had the chance to
// keep unsaved changes.
void MainWindow::closeEvent(QCloseEvent* event)
{
    Host& host = m_session.host();
    if (!host.hasQuit()) {
        if (!m_fileMenu->confirmDiscard()) {
            event->ignore();
            return;
        }
        host.quit(0);
    }
    event->accept();
}

} // namespace nbhost
