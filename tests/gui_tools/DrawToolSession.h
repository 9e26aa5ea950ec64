#pragma once
// The draw tool in a GUI host in the test's process, driven as a hand does
// it: xdotool moves the X server's pointer and presses its buttons and keys,
// so the views get real window-system input and the stroke input thread
// samples the real pointer.

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "support/GuiTestEnvironment.h"
#include "support/InProcessPlugin.h"

#include "undo/UndoQueue.h"
#include "viewport/ModelPanel.h"
#include "viewport/View3d.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace drawtest {

class DrawToolTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(plugin.Load());
        SetDefaults();
        mainWindow().resize(1000, 760);
        mainWindow().move(0, 0);
        session().show();
        mainWindow().activateWindow();
        mainWindow().raise();
        nbtest::processEvents([&] { return mainWindow().isActiveWindow(); }, 3000);
        nbtest::processEvents();
        ASSERT_TRUE(eval("setToolTo `vxNbDrawCtx`").ok) << output().errors();
        // The node comes from a command the tool leaves for the idle queue.
        ASSERT_TRUE(nbtest::processEvents([] { return BaseNode::GetMaster() != nullptr; }))
            << "the draw tool makes the node" << output().errors();
        output().clear();
    }
    void TearDown() override
    {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
        eval("setToolTo selectSuperContext");
        plugin.Unload();
        GuiTest::TearDown();
    }

    static void SetDefaults()
    {
        Settings::activeTool = TOOL_PENCIL;
        Settings::activeColor = QColor(255, 0, 0);
        Settings::pencilSize = 6;
        Settings::pencilOpacity = 100;
        Settings::brushSize = 20;
        Settings::brushOpacity = 100;
        Settings::eraserSize = 30;
        Settings::lineSize = 6;
        Settings::arrowSize = 6;
        Settings::ellipseSize = 6;
        Settings::rectangleSize = 6;
        Settings::textSize = 40;
        Settings::textOpacity = 100;
        Settings::drawToolContextMenu = true;
        Settings::timelineContextMenu = true;
        Settings::automaticallyAddFirstLayer = true;
        Settings::alwaysDisplayNewLayerDialog = false;
        Settings::ghostPrev = false;
        Settings::ghostNext = false;
    }

    nbhost::ModelPanel& Panel(const char* name = "modelPanel4")
    {
        return *dynamic_cast<nbhost::ModelPanel*>(nbhost::View3d::byPanel(name));
    }
    QWidget& Surface(const char* name = "modelPanel4") { return *Panel(name).widget(); }
    BaseNode& Node() { return *BaseNode::GetMaster(); }

    // Runs xdotool with the arguments while the event loop runs; the
    // gesture's events are handled when it returns.
    bool Xdo(const QStringList& args)
    {
        QProcess process;
        process.start(QStringLiteral("xdotool"), args);
        const bool done = nbtest::processEvents(
            [&] { return process.state() == QProcess::NotRunning; }, 20000);
        nbtest::processEvents([] { return false; }, 60);
        return done && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    QStringList MoveArgs(QWidget& surface, QPoint local)
    {
        const QPoint global = surface.mapToGlobal(local);
        return {"mousemove", QString::number(global.x()), QString::number(global.y()), "sleep", "0.03"};
    }
    // Press at the first point, move through the others slowly enough for
    // the input thread to sample each, release at the last.
    QStringList StrokeArgs(const std::vector<QPoint>& points, int button = 1, QWidget* surface = nullptr)
    {
        QWidget& target = surface ? *surface : Surface();
        QStringList args = MoveArgs(target, points.front());
        args << "mousedown" << QString::number(button) << "sleep" << "0.05";
        for (size_t i = 1; i < points.size(); ++i)
            args << MoveArgs(target, points[i]);
        args << "sleep" << "0.05" << "mouseup" << QString::number(button) << "sleep" << "0.05";
        return args;
    }
    bool Draw(const std::vector<QPoint>& points) { return Xdo(StrokeArgs(points)); }
    // A middle click in the view gives it the keyboard focus, as a user's
    // click does before holding a key over it; it draws nothing.
    bool FocusView() { return Xdo(MoveArgs(Surface(), QPoint(500, 500)) + QStringList{"click", "2"}); }
    // A straight drag in steps of about ten pixels.
    static std::vector<QPoint> Path(QPoint from, QPoint to)
    {
        std::vector<QPoint> points;
        const int steps = std::max(1, int(QLineF(from, to).length() / 10));
        for (int i = 0; i <= steps; ++i)
            points.push_back(from + (to - from) * i / steps);
        return points;
    }

    // The frame-image pixel under a view point (widget pixels, top left).
    QPoint ImagePoint(QPoint local)
    {
        return Node().ScreenCoordsToTexCoords(QPoint(local.x() + 1, Surface().height() + 1 - local.y()));
    }
    // The alpha of the active layer's frame shown now, at most over the
    // 5 x 5 pixels around the image point of a view point.
    int AlphaAt(QPoint local, const QString& camera = "persp")
    {
        Layer* layer = Node().GetActiveLayer(camera);
        if (!layer || !layer->FrameExists())
            return 0;
        const QImage& image = layer->GetImage(0);
        const QPoint centre = ImagePoint(local);
        int alpha = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p = centre + QPoint(dx, dy);
                if (image.rect().contains(p))
                    alpha = std::max(alpha, qAlpha(image.pixel(p)));
            }
        return alpha;
    }
    // The highest alpha of the frame shown now inside the image rectangle
    // under two opposite view corners.
    int AlphaInBox(QPoint localA, QPoint localB)
    {
        Layer* layer = Node().GetActiveLayer("persp");
        if (!layer || !layer->FrameExists())
            return 0;
        const QImage& image = layer->GetImage(0);
        const QRect box = QRect(ImagePoint(localA), ImagePoint(localB)).normalized() & image.rect();
        int alpha = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                alpha = std::max(alpha, qAlpha(image.pixel(x, y)));
        return alpha;
    }
    size_t UndoSteps() { return host().undoQueue().undoCount(); }
    // Keys typed into the window that has the focus.
    bool Keys(const QStringList& args) { return Xdo(args); }

    nbtest::InProcessPlugin plugin;
};

} // namespace drawtest
