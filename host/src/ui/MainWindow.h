#pragma once

#include <QMainWindow>
#include <QTimer>

class QComboBox;
class QMenu;

namespace nbhost {

class CommandLine;
class FileMenu;
class GuiSession;
class ProgressLine;
class TimeControlBar;
class TimeSlider;

// The host's main window ($gMainWindow, "MayaWindow"): the File, Edit and
// Windows menus and the menus scripts add, a status line with the menu set
// selector, the camera views in the central area, the time and range
// sliders with play and stop, the command line, and the help line with the
// progress of long operations. Its title names the scene and marks unsaved
// changes; its geometry is kept between runs in the GUI's settings file in
// the preference directory. Closing it quits the host.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(GuiSession& session);
    ~MainWindow() override;

    // The settings file of the GUI (geometry, recent files).
    QString settingsPath() const;

    TimeControlBar& timeControls() { return *m_timeControls; }
    TimeSlider& timeSlider();
    CommandLine& commandLine() { return *m_commandLine; }
    FileMenu& fileMenu() { return *m_fileMenu; }
    QMenu& editMenu() { return *m_editMenu; }
    QMenu& windowsMenu() { return *m_windowsMenu; }
    QComboBox& menuSetSelector() { return *m_menuSetSelector; }
    // The help line at the bottom, where long operations show their progress.
    ProgressLine& progressLine() { return *m_progressLine; }

    void timeStateChanged();
    void updateTitle();
    void saveGeometryToPrefs() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusLine();
    void buildCentralArea();
    void updateEditMenu();
    void restoreGeometryFromPrefs();

    GuiSession& m_session;
    FileMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowsMenu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QComboBox* m_menuSetSelector = nullptr;
    TimeControlBar* m_timeControls = nullptr;
    CommandLine* m_commandLine = nullptr;
    ProgressLine* m_progressLine = nullptr;
    QTimer m_titleTimer;
};

} // namespace nbhost
