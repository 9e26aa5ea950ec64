#pragma once
// The plug-in loaded into a GUI host in the test's own process, as the
// host's plug-in loading runs it, with the Layer Manager shown over the
// main window. Tests click the panel's real widgets with window-system
// input and read back what the plug-in issued from the host's journal.

#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "ui/CameraLayerList.h"
#include "ui/CameraList.h"
#include "ui/DialogManager.h"
#include "ui/FlatButton.h"
#include "ui/LayerItem.h"
#include "ui/LayerManagerDialog.h"

#include "support/GuiTestEnvironment.h"
#include "support/InProcessPlugin.h"
#include "support/ModalDriver.h"

#include "scene/Scene.h"

#include <QApplication>
#include <QMenu>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace layertest {

class LayerPanelTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        nbhost::Scene::instance().reset();
        mainWindow().resize(900, 700);
        session().show();
        ASSERT_TRUE(plugin.Load());
        panel = DialogManager::GetLayerMangerDialog();
        ASSERT_TRUE(panel);
        panel->resize(260, 420);
        panel->show();
        nbtest::processEvents([this] { return panel->isVisible(); });
        output().clear();
        host().journal().clear();
    }
    void TearDown() override
    {
        plugin.Unload();
        GuiTest::TearDown();
    }

    // Runs a script as typed by the user; it must succeed. The panel has
    // caught up with it on return.
    void Run(const std::string& script)
    {
        EXPECT_TRUE(eval(script).ok) << script << "\n" << output().errors();
        Settle();
    }
    void Settle() { nbtest::processEvents(); }

    // The layer and node commands the plug-in issued since the last call,
    // in order.
    std::vector<std::string> Issued()
    {
        std::vector<std::string> result;
        for (const nbhost::JournalEntry& entry : host().journal().entries())
            if (entry.source != nbhost::JournalSource::User
                && (entry.text.rfind("vxNiblineLayer", 0) == 0 || entry.text.rfind("vxNiblineNode", 0) == 0))
                result.push_back(entry.text);
        host().journal().clear();
        return result;
    }

    // The panel as the user reads it, top to bottom: "camera: row row | ...",
    // a row being its name with "(V)" when visible, "(S)" or "(L)" for its
    // state and "*" when highlighted. Rows are ordered by where they are
    // drawn, not by the panel's own bookkeeping.
    std::string Shown()
    {
        Settle();
        std::string text;
        for (CameraLayerList* section : Sections()) {
            text += (text.empty() ? "" : " | ") + section->GetCameraName().toStdString() + ":";
            for (LayerItem* item : RowsTopDown(section))
                text += " " + RowText(*item);
        }
        return text;
    }
    static std::string RowText(const LayerItem& item)
    {
        std::string text = item.GetLayerName().toStdString();
        if (item.IsVisible())
            text += "(V)";
        if (!item.StateButton()->text().isEmpty())
            text += "(" + item.StateButton()->text().toStdString() + ")";
        return item.IsActive() ? text + "*" : text;
    }
    QList<CameraLayerList*> Sections()
    {
        QList<CameraLayerList*> sections = panel->GetCameraList()->GetCameraLayerLists();
        std::stable_sort(sections.begin(), sections.end(),
                         [](CameraLayerList* a, CameraLayerList* b) { return a->y() < b->y(); });
        return sections;
    }
    static std::vector<LayerItem*> RowsTopDown(CameraLayerList* section)
    {
        std::vector<LayerItem*> rows;
        for (int i = 0; i < section->LayerCount(); ++i)
            rows.push_back(section->GetLayerItem(i));
        std::stable_sort(rows.begin(), rows.end(), [](LayerItem* a, LayerItem* b) { return a->y() < b->y(); });
        return rows;
    }
    LayerItem* Row(const QString& camera, int index)
    {
        Settle();
        CameraLayerList* section = panel->GetCameraList()->GetCameraLayerList(camera);
        return section ? section->GetLayerItem(index) : nullptr;
    }

    // A left click in the middle of a widget, as the window system gives it.
    static void Click(QWidget& widget) { ClickAt(widget, widget.rect().center()); }
    // Check boxes and radio buttons take clicks on their mark and text only.
    static void ClickMark(QWidget& widget) { ClickAt(widget, QPoint(7, widget.height() / 2)); }
    static void ClickAt(QWidget& widget, QPoint point)
    {
        nbtest::mouse(widget, QEvent::MouseButtonPress, point);
        nbtest::mouse(widget, QEvent::MouseButtonRelease, point);
    }
    static void DoubleClick(QWidget& widget)
    {
        const QPoint middle = widget.rect().center();
        Click(widget);
        nbtest::mouse(widget, QEvent::MouseButtonDblClick, middle);
        nbtest::mouse(widget, QEvent::MouseButtonRelease, middle);
    }
    // Clicks the entry of an open menu.
    static void ClickAction(QMenu& menu, QAction* action)
    {
        const QPoint middle = menu.actionGeometry(action).center();
        nbtest::mouse(menu, QEvent::MouseMove, middle, Qt::NoModifier, Qt::NoButton);
        nbtest::mouse(menu, QEvent::MouseButtonPress, middle);
        nbtest::mouse(menu, QEvent::MouseButtonRelease, middle);
    }
    static QAction* FindAction(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
    static QMenu* OpenPopup()
    {
        nbtest::processEvents([] { return QApplication::activePopupWidget() != nullptr; });
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    BaseNode* Master() { return BaseNode::GetMaster(); }

    nbtest::InProcessPlugin plugin;
    LayerManagerDialog* panel = nullptr;
};

} // namespace layertest
