#pragma once
// The plug-in loaded into a GUI host in the test's own process, as the
// host's plug-in loading runs it, with its main menu and panels; helpers
// to read the host's journal, trigger menu items and drive modal dialogs.

#include "base/Settings.h"
#include "support/GuiTestEnvironment.h"
#include "support/InProcessPlugin.h"
#include "support/ModalDriver.h"

#include "core/Journal.h"
#include "scene/Scene.h"
#include "ui/ControlRegistry.h"
#include "ui/MainWindow.h"

#include <maya/MQtUtil.h>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace paneltest {

class PanelTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        nbhost::Scene::instance().reset();
        mainWindow().resize(900, 700);
        session().show();
        nbtest::processEvents();
        ASSERT_TRUE(plugin.Load());
        ResetSettings();
        nbtest::processEvents();
        output().clear();
        host().journal().clear();
    }
    void TearDown() override
    {
        plugin.Unload();
        GuiTest::TearDown();
    }

    // Settings are static: each test starts from the same values.
    static void ResetSettings()
    {
        Settings::activeTool = TOOL_BRUSH;
        Settings::activeColor = QColor(0, 255, 255);
        Settings::ghostPrev = false;
        Settings::ghostNext = false;
        Settings::ghostPrevCount = 3;
        Settings::ghostNextCount = 3;
        Settings::ghostColorOverride = false;
        Settings::pencilSize = 6;
        Settings::pencilOpacity = 100;
        Settings::pencilTabletEnabled = false;
        Settings::toolboxDrawToolContextMenu = true;
        Settings::toolboxGhostingContextMenu = true;
        Settings::ignore2dPanZoom = false;
        Settings::retimeMoveToNextFrame = false;
        Settings::timelineFrameColor = Settings::DEFAULT_TIMELINE_FRAME_COLOR;
    }

    nbhost::Value Run(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
        return result.value;
    }

    // The command strings the host evaluated since the last clear, as they
    // were issued.
    std::vector<std::string> Journal() const
    {
        std::vector<std::string> texts;
        for (const nbhost::JournalEntry& entry : const_cast<PanelTest*>(this)->host().journal().entries())
            texts.push_back(entry.text);
        return texts;
    }
    // The plug-in's own commands among them, leaving out the host queries
    // and refreshes they run on the way.
    std::vector<std::string> Commands() const
    {
        std::vector<std::string> texts;
        for (const std::string& text : Journal())
            if (text.rfind("vxNibline", 0) == 0)
                texts.push_back(text);
        return texts;
    }
    bool Issued(const std::string& text) const
    {
        for (const std::string& entry : Journal())
            if (entry == text)
                return true;
        return false;
    }
    void ClearJournal() { host().journal().clear(); }

    // A left click as the window system delivers it.
    static void Click(QWidget& widget, QPoint at = QPoint(-1, -1))
    {
        if (at.x() < 0)
            at = widget.rect().center();
        nbtest::mouse(widget, QEvent::MouseButtonPress, at);
        nbtest::mouse(widget, QEvent::MouseButtonRelease, at);
        nbtest::processEvents();
    }
    // Check boxes take clicks on their box and label only, at the left.
    static void ClickBox(QWidget& box) { Click(box, QPoint(6, box.height() / 2)); }
    static void Key(QWidget& widget, int key, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&widget, &release);
    }
    // Replaces a line's text by typing and ends the edit with Return.
    static void Type(QWidget& widget, const QString& text)
    {
        widget.setFocus();
        QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QCoreApplication::sendEvent(&widget, &selectAll);
        for (const QChar c : text)
            Key(widget, c.unicode(), QString(c));
        Key(widget, Qt::Key_Return);
    }

    // The main menu's item of a label path, as "Ghosting|Ghost Previous".
    QAction* MenuItem(const QString& path)
    {
        QMenu* menu = nullptr;
        for (QAction* action : mainWindow().menuBar()->actions())
            if (action->text() == Settings::mainMenuName)
                menu = action->menu();
        QAction* found = nullptr;
        for (const QString& label : path.split('|')) {
            found = nullptr;
            for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                if (action->text() == label)
                    found = action;
            if (!found)
                return nullptr;
            menu = found->menu();
        }
        return found;
    }

    nbtest::InProcessPlugin plugin;
};

} // namespace paneltest
