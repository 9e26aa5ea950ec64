#include "raster/CoverageGrid.h"

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

TEST(CoverageGrid, RadiusOneIsFourCellsAndEveryBuildReplacesTheLastStamp)
{
    CoverageGrid grid;
    grid.Build(0, 30.0f, 1.0f, TOOL_PENCIL);
    grid.Build(0, 1.0f, 0.5f, TOOL_BRUSH);
    EXPECT_EQ(NonZeroCells(grid), 4);
    EXPECT_EQ(grid.Cell(1, 1) + grid.Cell(1, 2) + grid.Cell(2, 1) + grid.Cell(2, 2), 4 * 127);
    for (float radius : {0.0f, -4.0f, float(NAN)}) {
        grid.Build(0, radius, 1.0f, TOOL_PENCIL);
        EXPECT_EQ(NonZeroCells(grid), 0) << radius;
    }
    grid.Build(0, 1e9f, 1.0f, TOOL_BRUSH);  // finishes, stays inside the grid
}

TEST(CoverageGrid, PencilDiscIsSolidWithAnAntialiasedRim)
{
    // Radius 3 (a size 6 pencil), centre cell 4; rows are b, columns a. The
    // rim holds the part of the circle's height past the last whole cell.
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
    EXPECT_EQ(grid.Cell(0, 3) + grid.Cell(3, 3) + grid.Cell(3, 6), 3 * 127);
}

TEST(CoverageGrid, MaximumAdditiveAndEraseCombines)
{
    CoverageGrid grid;
    grid.Build(0, 3.0f, 0.5f, TOOL_PENCIL);
    QImage image = Frame();
    SetAlpha(image, 100, 100, 250);
    SetAlpha(image, 101, 100, 10);
    // A size 6 pencil stamp centred on (100, 100): the stronger alpha stays.
    EXPECT_EQ(grid.PlotGrid(image, 97, 104, 97, 104), QRect(96, 96, 8, 8));
    EXPECT_EQ(Alpha(image, 100, 100), 250);
    EXPECT_EQ(Alpha(image, 101, 100), 127);
    EXPECT_EQ(ChangedBounds(image), QRect(97, 97, 7, 7));

    // Additive: (int)(cell x weight) per stamp, never past the ceiling byte
    // however many stamps overlap, and never lowering alpha.
    grid.Build(0, 4.0f, 0.4f, TOOL_BRUSH);
    QImage brush = Frame();
    grid.PlotAdditiveBrush(brush, 100, 100, 3.0f, 0.5f, 1.0f);
    EXPECT_EQ(Alpha(brush, 100, 100), 51);
    SetAlpha(brush, 102, 100, 200);
    for (int i = 0; i < 50; ++i)
        grid.PlotAdditiveBrush(brush, 100, 100, 3.0f, 1.0f, 0.6f);
    EXPECT_EQ(Alpha(brush, 102, 100), 200);
    SetAlpha(brush, 102, 100, 0);
    EXPECT_EQ(MaxAlpha(brush), 153);

    // Erase: alpha 0 under every non-zero cell, however faint; colour stays.
    grid.Build(0, 3.0f, 0.01f, TOOL_ERASER);
    const QImage opaque = Frame(QColor(10, 20, 30), 200);
    QImage erased = opaque;
    grid.EraseGrid(erased, 497, 504, 497, 504);
    EXPECT_EQ(ChangedBounds(erased, opaque), QRect(496, 496, 7, 7));
    EXPECT_EQ(erased.pixelColor(499, 499), QColor(10, 20, 30, 0));
}

TEST(CoverageGrid, WindowsClipAtEveryImageEdge)
{
    CoverageGrid grid;
    grid.Build(0, 3.0f, 1.0f, TOOL_PENCIL);
    QImage middle = Frame();
    grid.PlotGrid(middle, 97, 104, 97, 104);
    for (QPoint c : {QPoint(0, 0), QPoint(1023, 1023), QPoint(-3, 500), QPoint(1026, 500)}) {
        QImage image = Frame();
        grid.PlotGrid(image, c.x() - 3, c.x() + 4, c.y() - 3, c.y() + 4);
        const QRect visible = QRect(c.x() - 4, c.y() - 4, 9, 9) & QRect(0, 0, SIDE, SIDE);
        for (int y = visible.top(); y <= visible.bottom(); ++y)
            for (int x = visible.left(); x <= visible.right(); ++x)
                ASSERT_EQ(Alpha(image, x, y), Alpha(middle, x - c.x() + 100, y - c.y() + 100));
    }
    // Windows wider than the grid, or at the ends of the int range.
    QImage image = Frame();
    grid.PlotGrid(image, -5000, 5000, -5000, 5000);
    grid.EraseGrid(image, INT_MIN, INT_MAX, INT_MIN, INT_MAX);
    grid.PlotAdditiveBrush(image, INT_MIN, INT_MAX, 3.0f, 1.0f, 1.0f);
    EXPECT_EQ(MaxAlpha(image), 0);
}
