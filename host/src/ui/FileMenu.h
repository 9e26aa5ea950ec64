#pragma once

#include "ui/RecentFiles.h"

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace nbhost {

class GuiSession;

// The main window's File menu: new, open, save and save as (ASCII .nba and
// binary .nbb scenes), import, recent files and quit. Scenes are read and
// written by the host's `file` command; before a scene with unsaved
// changes is replaced or the host quits, the user is asked whether to save.
class FileMenu : public QObject
{
    Q_OBJECT

public:
    enum class Choice { Save, Discard, Cancel };
    using AskFunction = std::function<Choice()>;

    FileMenu(GuiSession& session, QMenu& menu, QWidget& dialogParent, const QString& settingsPath);

    bool newScene();
    bool openScene(const QString& path);
    // Saves under the scene's name; an untitled scene asks for one.
    bool saveScene();
    bool saveSceneAs(const QString& path);
    bool importFile(const QString& path);

    // The scene's file path, empty while untitled; and whether it has
    // changes not saved. Neutral answers when the host cannot tell.
    QString sceneName() const;
    bool isModified() const;

    // True when the scene may be replaced: no unsaved changes, or the user
    // saved them or chose to discard them.
    bool confirmDiscard();
    // Replaces the question asked about unsaved changes (tests answer it).
    void setAskFunction(AskFunction ask) { m_ask = std::move(ask); }

    RecentFiles& recentFiles() { return m_recent; }
    // Builds "file -<flag>" scripts with the path quoted for the language.
    static QString quoted(const QString& text);
    // "nbBinary" for .nbb, else "nbAscii".
    static QString sceneType(const QString& path);

signals:
    // Quit was chosen.
    void quitRequested();

private:
    void build(QMenu& menu);
    void fillRecentMenu();
    void chooseAndOpen();
    void chooseAndSaveAs();
    void chooseAndImport();
    bool run(const QString& script);
    Choice askAboutChanges();

    GuiSession& m_session;
    QWidget& m_dialogParent;
    RecentFiles m_recent;
    QMenu* m_recentMenu = nullptr;
    AskFunction m_ask;
};

} // namespace nbhost
