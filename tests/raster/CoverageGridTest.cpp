#include "raster/CoverageGrid.h"

#include "raster/DrawUtil.h"
#include "RasterTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace rastertest;

namespace {

int NonZeroCells(const CoverageGrid& grid)
{
    int count = 0;
    for (int a = 0; a < CoverageGrid::GRID_SIZE; ++a)
        for (int b = 0; b < CoverageGrid::GRID_SIZE; ++b)
            count += grid.Cell(a, b) != 0;
    return count;
}

} // namespace

TEST(CoverageGrid, RadiusOneIsExactlyFourCellsAndReplacesTheLastStamp)
{
    CoverageGrid grid;
    grid.Build(0, 30.0f, 1.0f, TOOL_PENCIL);
    grid.Build(0, 1.0f, 0.5f, TOOL_BRUSH);
    EXPECT_EQ(NonZeroCells(grid), 4);
    for (int a : {1, 2})
        for (int b : {1, 2})
            EXPECT_EQ(grid.Cell(a, b), 127);
}

TEST(CoverageGrid, PencilDiscIsSolidWithAnAntialiasedRim)
{
    // Radius 3 (a size 6 pencil), centre cell 4; rows are b, columns a.
    const int expected[9][9] = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 60, 211, 255, 211, 60, 0, 0},
        {0, 60, 255, 255, 255, 255, 255, 60, 0},
        {0, 211, 255, 255, 255, 255, 255, 211, 0},
        {0, 255, 255, 255, 255, 255, 255, 255, 0},
        {0, 211, 255, 255, 255, 255, 255, 211, 0},
        {0, 60, 255, 255, 255, 255, 255, 60, 0},
        {0, 0, 60, 211, 255, 211, 60, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    CoverageGrid grid;
    grid.Build(0, 3.0f, 1.0f, TOOL_PENCIL);
    for (int b = 0; b < 9; ++b)
        for (int a = 0; a < 9; ++a)
            EXPECT_EQ(grid.Cell(a, b), expected[b][a]) << a << "," << b;
    EXPECT_EQ(NonZeroCells(grid), 45);
}

TEST(CoverageGrid, PencilRimCarriesTheSpilledHeightTimesOpacity)
{
    // Radius 4.5: the circle ends half a cell past the fourth cell above the
    // centre (index 5.5, truncated to 5), so the rim holds half the opacity.
    CoverageGrid grid;
    grid.Build(0, 4.5f, 0.8f, TOOL_PENCIL);
    EXPECT_EQ(grid.Cell(5, 10), 102);
    EXPECT_EQ(grid.Cell(5, 0), 102);
    EXPECT_EQ(grid.Cell(10, 5), 102);
    EXPECT_EQ(grid.Cell(0, 5), 102);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(grid.Cell(5, i), 204) << i;
        EXPECT_EQ(grid.Cell(i, 5), 204) << i;
    }
    // The largest pencil fits the grid (its outermost rim cell is dropped).
    grid.Build(0, 50.0f, 1.0f, TOOL_PENCIL);
    EXPECT_EQ(grid.Cell(51, 101), 255);
    EXPECT_EQ(grid.Cell(51, 1), 255);
}

TEST(CoverageGrid, BrushIsAConeAndEraserAConstantDisc)
{
    CoverageGrid grid;
    grid.Build(0, 4.0f, 0.5f, TOOL_BRUSH);
    const int cone[] = {127, 95, 63, 31, 0};
    for (int d = 0; d <= 4; ++d) {
        EXPECT_EQ(grid.Cell(4 + d, 4), cone[d]) << d;
        EXPECT_EQ(grid.Cell(4, 4 - d), cone[d]) << d;
    }

    grid.Build(0, 3.0f, 0.5f, TOOL_ERASER);
    EXPECT_EQ(NonZeroCells(grid), 29);
    for (int a = 0; a < 7; ++a)
        for (int b = 0; b < 7; ++b)
            EXPECT_TRUE(grid.Cell(a, b) == 0 || grid.Cell(a, b) == 127) << a << "," << b;
    EXPECT_EQ(grid.Cell(0, 3), 127);
    EXPECT_EQ(grid.Cell(6, 3), 127);
}

TEST(CoverageGrid, BadRadiiAndOpacitiesGiveSaneStamps)
{
    CoverageGrid grid;
    for (float radius : {0.0f, -4.0f, NAN, INFINITY}) {
        grid.Build(0, radius, 1.0f, TOOL_PENCIL);
        EXPECT_EQ(NonZeroCells(grid), 0) << radius;
    }
    grid.Build(0, 1e9f, 1.0f, TOOL_BRUSH);  // finishes, stays inside the grid
    grid.Build(0, 0.8f, 1.0f, TOOL_ERASER);
    grid.Build(0, 2.0f, 7.0f, TOOL_ERASER);
    EXPECT_EQ(grid.Cell(2, 2), 255);
    grid.Build(0, 2.0f, NAN, TOOL_ERASER);
    EXPECT_EQ(NonZeroCells(grid), 0);
}

TEST(CoverageGrid, MaximumCombineKeepsStrongerAlpha)
{
    CoverageGrid grid;
    grid.Build(0, 3.0f, 0.5f, TOOL_PENCIL);
    QImage image = Frame();
    SetAlpha(image, 100, 100, 250);
    SetAlpha(image, 101, 100, 10);
    // The stamp of a size 6 pencil centred on (100, 100).
    const QRect touched = grid.PlotGrid(image, 97, 104, 97, 104);
    EXPECT_EQ(Alpha(image, 100, 100), 250);
    EXPECT_EQ(Alpha(image, 101, 100), 127);
    EXPECT_EQ(OpaqueBounds(image), QRect(97, 97, 7, 7));
    EXPECT_EQ(touched, QRect(96, 96, 8, 8));
    EXPECT_TRUE(grid.PlotGrid(image, 97, 104, 104, 97).isEmpty());
}

TEST(CoverageGrid, AdditiveCombineNeverExceedsItsCeiling)
{
    CoverageGrid grid;
    grid.Build(0, 4.0f, 0.4f, TOOL_BRUSH);
    QImage image = Frame();
    SetAlpha(image, 102, 100, 200);
    for (int i = 0; i < 50; ++i)
        grid.PlotAdditiveBrush(image, 100, 100, 3.0f, 1.0f, 0.6f);
    EXPECT_EQ(Alpha(image, 100, 100), 153);
    EXPECT_EQ(Alpha(image, 102, 100), 200);  // never lowered
    SetAlpha(image, 102, 100, 0);
    EXPECT_EQ(MaxAlpha(image), 153);

    // One stamp adds (int)(cell x weight).
    QImage once = Frame();
    grid.PlotAdditiveBrush(once, 100, 100, 3.0f, 0.5f, 1.0f);
    EXPECT_EQ(Alpha(once, 100, 100), 51);
    EXPECT_TRUE(grid.PlotAdditiveBrush(once, 100, 100, 3.0f, 0.0f, 1.0f).isEmpty());
}

TEST(CoverageGrid, EraseClearsAlphaAndKeepsColour)
{
    CoverageGrid grid;
    grid.Build(0, 3.0f, 0.01f, TOOL_ERASER);
    QImage image = Frame(QColor(10, 20, 30), 200);
    grid.EraseGrid(image, 497, 504, 497, 504);
    EXPECT_EQ(Alpha(image, 500, 500), 0);
    EXPECT_EQ(Alpha(image, 497, 500), 0);
    EXPECT_EQ(Alpha(image, 496, 496), 200);
    EXPECT_EQ(image.pixelColor(500, 500).rgb(), QColor(10, 20, 30).rgb());
    // The pixels of the disc and no others.
    int cleared = 0;
    for (int y = 490; y < 510; ++y)
        for (int x = 490; x < 510; ++x)
            cleared += Alpha(image, x, y) == 0;
    EXPECT_EQ(cleared, 29);
}

TEST(CoverageGrid, WindowsClipAtEveryImageEdge)
{
    CoverageGrid grid;
    grid.Build(0, 3.0f, 1.0f, TOOL_PENCIL);
    QImage middle = Frame();
    grid.PlotGrid(middle, 97, 104, 97, 104);
    const struct { int x; int y; } centres[] = {{0, 0}, {1023, 1023}, {-3, 500}, {1026, 500}};
    for (const auto& c : centres) {
        QImage image = Frame();
        grid.PlotGrid(image, c.x - 3, c.x + 4, c.y - 3, c.y + 4);
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                const int x = c.x + dx;
                const int y = c.y + dy;
                if (x < 0 || y < 0 || x >= SIDE || y >= SIDE)
                    continue;
                ASSERT_EQ(Alpha(image, x, y), Alpha(middle, 100 + dx, 100 + dy))
                    << c.x << "," << c.y << " at " << dx << "," << dy;
            }
        }
    }
    // A window wider than the grid and windows at the ends of the int range.
    QImage image = Frame();
    grid.PlotGrid(image, -5000, 5000, -5000, 5000);
    grid.EraseGrid(image, INT_MIN, INT_MAX, INT_MIN, INT_MAX);
    grid.PlotAdditiveBrush(image, INT_MIN, INT_MAX, 3.0f, 1.0f, 1.0f);
    grid.PlotAdditiveBrush(image, 500, 500, 1e30f, 1.0f, 1.0f);
    EXPECT_EQ(MaxAlpha(image), 0);
}

TEST(CoverageGrid, DrawUtilLaysTheSharedGrid)
{
    DrawUtil::UpdateGridWu(0, 1.0f, 1.0f, TOOL_PENCIL);
    QImage image = Frame();
    DrawUtil::PlotGrid(image, 10, 12, 10, 12);
    EXPECT_EQ(OpaqueBounds(image), QRect(10, 10, 2, 2));
    EXPECT_FLOAT_EQ(DrawUtil::Distance(0, 3, 0, 4), 5.0f);
}
