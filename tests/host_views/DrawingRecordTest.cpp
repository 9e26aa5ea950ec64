// What the draw manager records and how the view paints it, and the grid
// each kind of camera sees.
#include "support/GuiTestEnvironment.h"

#include "viewport/DrawableList.h"
#include "viewport/DrawablePainter.h"
#include "viewport/GroundGrid.h"
#include "viewport/ViewProjection.h"

#include <maya/MSelectionList.h>
#include <maya/MUIDrawManager.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {

using MHWRender::MUIDrawManager;
using nbhost::DrawableList;

TEST(DrawingRecordTest, OnlyCallsInsideADrawableCountAndEachStartsFresh)
{
    DrawableList list;
    {
        MUIDrawManager draw(list);
        draw.setColor(MColor(1.0f, 0.0f, 0.0f));
        draw.line2d(MPoint(0, 0), MPoint(1, 1)); // outside: ignored
        draw.beginDrawable(MUIDrawManager::kSelectable, 7);
        draw.beginDrawable(); // nested: ignored
        draw.setColor(MColor(0.0f, 1.0f, 0.0f, 0.5f));
        draw.setLineWidth(3.0f);
        draw.circle2d(MPoint(5, 5), 2.0, true);
        draw.endDrawable();
        draw.beginDrawable();
        draw.text2d(MPoint(1, 2), "label", MUIDrawManager::kRight);
        // Left open: the manager closes it when it goes.
    }
    ASSERT_EQ(list.primitives().size(), 2u);
    const DrawableList::Primitive& circle = list.primitives()[0];
    EXPECT_EQ(circle.kind, DrawableList::Kind::Circle);
    EXPECT_EQ(circle.state.color, MColor(0.0f, 1.0f, 0.0f, 0.5f));
    EXPECT_EQ(circle.state.lineWidth, 3.0f);
    EXPECT_EQ(circle.state.selectability, MUIDrawManager::kSelectable);
    EXPECT_EQ(circle.state.selectionName, 7u);
    EXPECT_TRUE(circle.filled);
    const DrawableList::Primitive& text = list.primitives()[1];
    EXPECT_EQ(text.state.color, MColor(1.0f, 1.0f, 1.0f, 1.0f)); // defaults again
    EXPECT_EQ(text.text, "label");
    EXPECT_FALSE(list.isOpen());
}

// Columns holding pixels that differ from the black background.
std::pair<int, int> inkColumns(const QImage& image)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::black))
                first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

TEST(DrawingRecordTest, TextAlignsOnItsPositionAndYPointsUp)
{
    nbtest::guiApplication(); // fonts need it
    const auto paint = [](MUIDrawManager::TextAlignment alignment, double y) {
        DrawableList list;
        {
            MUIDrawManager draw(list);
            draw.beginDrawable();
            draw.text2d(MPoint(100, y), "WWWW", alignment);
            draw.endDrawable();
        }
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        nbhost::DrawablePainter::paint(painter, list, image.height());
        return image;
    };
    EXPECT_GE(inkColumns(paint(MUIDrawManager::kLeft, 50)).first, 99);
    EXPECT_LE(inkColumns(paint(MUIDrawManager::kRight, 50)).second, 101);
    const auto centred = inkColumns(paint(MUIDrawManager::kCenter, 50));
    EXPECT_NEAR((centred.first + centred.second) / 2.0, 100.0, 3.0);
    // y = 90 of 100 is near the top of the image.
    const QImage high = paint(MUIDrawManager::kLeft, 90);
    bool inkTop = false;
    for (int x = 0; x < high.width(); ++x)
        inkTop = inkTop || high.pixelColor(x, 5) != QColor(Qt::black);
    EXPECT_TRUE(inkTop);
}

class GridTest : public nbtest::HostTest
{
protected:
    static nbhost::ViewProjection view(const char* camera)
    {
        MSelectionList list;
        MDagPath path;
        list.add(camera);
        list.getDagPath(0, path);
        return nbhost::ViewProjection::fromCamera(path, 400, 300);
    }
};

TEST_F(GridTest, EachCameraSeesTheGridFaceOn)
{
    // 25 lines each way; the orthographic views look at their own plane,
    // so no line collapses to a point.
    for (const char* camera : {"persp", "top", "front", "side"}) {
        const auto lines = nbhost::GroundGrid::lines(view(camera));
        ASSERT_EQ(lines.size(), 50u) << camera;
        for (const auto& line : lines)
            EXPECT_GT(line.line.length(), 10.0) << camera;
    }
    // The axes cross at the world origin, which the top view centres.
    double x = 0, y = 0;
    view("top").worldToView(MPoint(0, 0, 0), x, y);
    EXPECT_NEAR(x, 200.0, 1e-6);
    EXPECT_NEAR(y, 150.0, 1e-6);

    // Lines reaching behind a perspective camera are cut at the near plane.
    ASSERT_TRUE(eval("move -a 0 0.5 0 persp; setAttr persp.rotateX 0; setAttr persp.rotateY 0").ok);
    const auto cut = nbhost::GroundGrid::lines(view("persp"));
    EXPECT_FALSE(cut.empty());
    for (const auto& line : cut) {
        EXPECT_TRUE(std::isfinite(line.line.x1()) && std::isfinite(line.line.y2()));
        EXPECT_LT(std::min(line.line.y1(), line.line.y2()), 150.0); // below the horizon
    }
}

} // namespace
