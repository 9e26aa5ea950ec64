#include "ui/FileMenu.h"

#include "core/CommandRunner.h"
#include "core/Host.h"
#include "script/Lexer.h"
#include "ui/GuiSession.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace nbhost {

namespace {
const char* const kSceneFilter = "Scenes (*.nba *.nbb)";
const char* const kAsciiFilter = "ASCII scene (*.nba)";
const char* const kBinaryFilter = "Binary scene (*.nbb)";

// Asks the file command directly, without echo or journal entry; an empty
// value when the host has no such command or query.
Value queryFile(Host& host, const char* flag)
{
    CommandRunner& runner = host.runner();
    if (host.hasQuit() || !runner.hasCommand("file"))
        return Value();
    const CommandOutcome outcome = runner.runCommand("file", {Value::fromString("-q"), Value::fromString(flag)});
    return outcome.ok ? outcome.result : Value();
}
} // namespace

FileMenu::FileMenu(GuiSession& session, QMenu& menu, QWidget& dialogParent, const QString& settingsPath)
    : QObject(&menu), m_session(session), m_dialogParent(dialogParent), m_recent(settingsPath)
{
    build(menu);
}

void FileMenu::build(QMenu& menu)
{
    menu.addAction(tr("New Scene"), this, &FileMenu::newScene, QKeySequence::New);
    menu.addAction(tr("Open Scene..."), this, &FileMenu::chooseAndOpen, QKeySequence::Open);
    menu.addAction(tr("Save Scene"), this, &FileMenu::saveScene, QKeySequence::Save);
    menu.addAction(tr("Save Scene As..."), this, &FileMenu::chooseAndSaveAs, QKeySequence::SaveAs);
    menu.addSeparator();
    menu.addAction(tr("Import..."), this, &FileMenu::chooseAndImport);
    menu.addSeparator();
    m_recentMenu = menu.addMenu(tr("Recent Files"));
    m_recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FileMenu::fillRecentMenu);
    fillRecentMenu();
    menu.addSeparator();
    menu.addAction(tr("Quit"), this, &FileMenu::quitRequested, QKeySequence::Quit);
}

void FileMenu::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_recent.files();
    for (const QString& file : files)
        m_recentMenu->addAction(file, this, [this, file] { openScene(file); });
    if (files.isEmpty()) {
        m_recentMenu->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("Clear List"), this, [this] { m_recent.clear(); });
}

QString FileMenu::quoted(const QString& text)
{
    return QString::fromStdString(Lexer::quote(text.toStdString()));
}

QString FileMenu::sceneType(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("nbb"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("nbBinary")
               : QStringLiteral("nbAscii");
}

bool FileMenu::run(const QString& script) { return m_session.evaluate(script.toStdString(), true).ok; }

QString FileMenu::sceneName() const
{
    const Value name = queryFile(m_session.host(), "-sceneName");
    return name.type() == Value::Type::String ? QString::fromStdString(name.asString()) : QString();
}

bool FileMenu::isModified() const { return queryFile(m_session.host(), "-modified").asInt() != 0; }

bool FileMenu::newScene() { return confirmDiscard() && run(QStringLiteral("file -new -force")); }

bool FileMenu::openScene(const QString& path)
{
    if (!confirmDiscard() || !run(QStringLiteral("file -open -force ") + quoted(path)))
        return false;
    m_recent.add(path);
    return true;
}

bool FileMenu::saveScene()
{
    const QString name = sceneName();
    if (name.isEmpty()) {
        chooseAndSaveAs();
        return !isModified();
    }
    return run(QStringLiteral("file -save -type ") + quoted(sceneType(name)));
}

bool FileMenu::saveSceneAs(const QString& path)
{
    if (!run(QStringLiteral("file -rename %1; file -save -type %2").arg(quoted(path), quoted(sceneType(path)))))
        return false;
    m_recent.add(path);
    return true;
}

bool FileMenu::importFile(const QString& path) { return run(QStringLiteral("file -import ") + quoted(path)); }

bool FileMenu::confirmDiscard()
{
    if (!isModified())
        return true;
    switch (m_ask ? m_ask() : askAboutChanges()) {
    case Choice::Save:
        return saveScene() && !isModified();
    case Choice::Discard:
        return true;
    case Choice::Cancel:
        break;
    }
    return false;
}

FileMenu::Choice FileMenu::askAboutChanges()
{
    const QString name = sceneName();
    const QMessageBox::StandardButton answer = QMessageBox::question(
        &m_dialogParent, tr("Unsaved Changes"),
        tr("Save changes to %1?").arg(name.isEmpty() ? tr("the untitled scene") : QFileInfo(name).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return Choice::Save;
    return answer == QMessageBox::Discard ? Choice::Discard : Choice::Cancel;
}

void FileMenu::chooseAndOpen()
{
    const QString path = QFileDialog::getOpenFileName(&m_dialogParent, tr("Open Scene"), QString(),
                                                      QLatin1String(kSceneFilter));
    if (!path.isEmpty())
        openScene(path);
}

void FileMenu::chooseAndSaveAs()
{
    QString filter = QLatin1String(kAsciiFilter);
    QString path = QFileDialog::getSaveFileName(&m_dialogParent, tr("Save Scene As"), sceneName(),
                                                QStringLiteral("%1;;%2").arg(kAsciiFilter, kBinaryFilter), &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("nba") && suffix != QLatin1String("nbb"))
        path += filter == QLatin1String(kBinaryFilter) ? QStringLiteral(".nbb") : QStringLiteral(".nba");
    saveSceneAs(path);
}

void FileMenu::chooseAndImport()
{
    const QString path = QFileDialog::getOpenFileName(&m_dialogParent, tr("Import"), QString(),
                                                      QLatin1String(kSceneFilter));
    if (!path.isEmpty())
        importFile(path);
}

} // namespace nbhost
