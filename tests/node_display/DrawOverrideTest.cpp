// What the draw override records for a prepared drawing: the textured
// square, its colour and the transform outline.
#include "node/BaseNodeDrawOverride.h"
#include "node/BaseNodeUserData.h"

#include "viewport/DrawableList.h"
#include "viewport/ViewFrameContext.h"
#include "viewport/ViewProjection.h"

#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

using MHWRender::MPxDrawOverride;
using nbhost::DrawableList;


void Draw(MPxDrawOverride& override, const MUserData* data, DrawableList& list)
{
    MHWRender::MRenderer::theRenderer(true);
    nbhost::ViewProjection projection;
    nbhost::ViewFrameContext context(projection);
    MHWRender::MUIDrawManager manager(list);
    override.addUIDrawables(MDagPath(), manager, context, data);
}

TEST(DrawOverride, DrawsTheImageSquareWithOpacityAndTheRedOutline)
{
    QImage image(1024, 1024, QImage::Format_RGBA8888);
    image.fill(QColor(10, 20, 30, 255));
    BaseNodeUserData data;
    data.image = &image;
    data.opacity = 0.25f;
    data.centre = MPoint(300.0, 200.0, 0.0, 1.0);
    data.halfSize = 150.0f;
    data.drawOutline = true;
    data.corners[0] = MPoint(10, 10);
    data.corners[1] = MPoint(50, 10);
    data.corners[2] = MPoint(50, 40);
    data.corners[3] = MPoint(10, 40);

    std::unique_ptr<MPxDrawOverride> override(BaseNodeDrawOverride::Creator(MObject()));
    std::unique_ptr<MPxDrawOverride> other(BaseNodeDrawOverride::Creator(MObject()));
    EXPECT_NE(static_cast<BaseNodeDrawOverride&>(*override).GetTextureName(),
              static_cast<BaseNodeDrawOverride&>(*other).GetTextureName());
    DrawableList list;
    Draw(*override, &data, list);
    ASSERT_EQ(list.primitives().size(), 5u);
    const DrawableList::Primitive& square = list.primitives()[0];
    EXPECT_TRUE(square.kind == DrawableList::Kind::Rect && square.filled);
    EXPECT_EQ(square.a, QPointF(300.0, 200.0));
    EXPECT_DOUBLE_EQ(square.sizeX, 150.0);
    EXPECT_DOUBLE_EQ(square.sizeY, 150.0);
    EXPECT_EQ(square.state.color, MColor(1.0f, 1.0f, 1.0f, 0.25f));
    EXPECT_EQ(square.state.textureMask, 0xF);
    ASSERT_FALSE(square.state.texture.isNull());
    EXPECT_EQ(square.state.texture.pixelColor(5, 5), QColor(10, 20, 30, 255));
    EXPECT_EQ(list.primitives()[4].state.color, MColor(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_EQ(list.primitives()[4].a, QPointF(10, 40));
    EXPECT_EQ(list.primitives()[4].b, QPointF(10, 10));

    // The next draw uploads the changed image into the same texture.
    image.fill(QColor(200, 0, 0, 255));
    data.drawOutline = false;
    DrawableList again;
    Draw(*override, &data, again);
    ASSERT_EQ(again.primitives().size(), 1u);
    EXPECT_EQ(again.primitives()[0].state.texture.pixelColor(5, 5), QColor(200, 0, 0, 255));
}

TEST(DrawOverride, DrawsNothingWithoutAUsableImage)
{
    std::unique_ptr<MPxDrawOverride> override(BaseNodeDrawOverride::Creator(MObject()));
    BaseNodeUserData data;
    DrawableList list;
    Draw(*override, &data, list);
    // An image of another size would be read past its end.
    QImage small(16, 16, QImage::Format_RGBA8888);
    small.fill(Qt::white);
    data.image = &small;
    Draw(*override, &data, list);
    EXPECT_TRUE(list.empty());
}

} // namespace
