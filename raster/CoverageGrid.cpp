#include "raster/CoverageGrid.h"

#include "raster/AlphaCanvas.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>

// Cells [col0, col1) x [row0, row1) of the image, cell (0, 0) on (col0, row0).
// Kept in 64 bits so that windows near the ends of the int range cannot overflow.
struct CoverageGrid::Window
{
    qint64 col0;
    qint64 col1;
    qint64 row0;
    qint64 row1;
};

namespace {

// Radii beyond this cannot come from a tool (sizes stop at 100); holding them
// here keeps a bad value from making a build run for ever.
const float MAX_BUILD_RADIUS = 2.0f * CoverageGrid::GRID_SIZE;
// A centred stamp wider than this addresses nothing but far-off pixels.
const float MAX_LAY_RADIUS = 16777216.0f;

} // namespace

CoverageGrid::CoverageGrid()
{
    std::memset(cells, 0, sizeof(cells));
}

void CoverageGrid::Build(float inner, float radius, float opacity, ToolType tool)
{
    if (extent >= 0)
        std::memset(cells, 0, static_cast<size_t>(extent + 1) * GRID_SIZE);
    extent = -1;
    built = Params{inner, radius, opacity, tool};

    opacity = AlphaCanvas::ClampUnit(opacity);
    if (!std::isfinite(radius) || !(radius > 0.0f))
        return;  // no stamp: the grid stays empty
    radius = std::min(radius, MAX_BUILD_RADIUS);

    if (radius == 1.0f) {
        // The smallest stamp is a 2 x 2 block.
        const unsigned char full = AlphaCanvas::ToByte(opacity);
        Set(1, 1, full);
        Set(1, 2, full);
        Set(2, 1, full);
        Set(2, 2, full);
        return;
    }
    if (tool == TOOL_PENCIL)
        BuildPencil(radius, opacity);
    else
        BuildFilled(inner, radius, opacity, tool);
}

void CoverageGrid::Ensure(float inner, float radius, float opacity, ToolType tool)
{
    if (inner == built.inner && radius == built.radius && opacity == built.opacity
        && tool == built.tool)
        return;
    Build(inner, radius, opacity, tool);
}

bool CoverageGrid::Reaches(const AlphaCanvas& canvas, int x, int y, float radius)
{
    if (!canvas.IsValid() || !std::isfinite(radius) || radius > MAX_LAY_RADIUS)
        return false;
    // The centred window spans at most radius + 2 pixels on each side.
    const double reach = double(radius) + 2.0;
    return x + reach >= 0.0 && y + reach >= 0.0 && x - reach <= canvas.Width()
           && y - reach <= canvas.Height();
}

unsigned char CoverageGrid::Cell(int a, int b) const
{
    if (a < 0 || b < 0 || a >= GRID_SIZE || b >= GRID_SIZE)
        return 0;
    return cells[a * GRID_SIZE + b];
}

void CoverageGrid::Set(float a, float b, unsigned char value)
{
    // Indices are computed in float and truncated; cells outside are dropped.
    if (a < 0.0f || b < 0.0f)
        return;
    const int ia = static_cast<int>(a);
    const int ib = static_cast<int>(b);
    if (ia >= GRID_SIZE || ib >= GRID_SIZE)
        return;
    cells[ia * GRID_SIZE + ib] = value;
    extent = std::max(extent, std::max(ia, ib));
}

namespace {

// Octant limit: the offset from the centre, rounded half up, up to which one
// pass walks the circle before the other pass takes over.
int OctantLimit(float radius)
{
    const float r2 = radius * radius;
    return static_cast<int>(r2 / std::sqrt(2.0f * r2) + 0.5f);
}

// Height of the circle at offset t from the centre.
float CircleHeight(float radius, int t)
{
    const float ratio = static_cast<float>(t * t) / (radius * radius);
    return radius * std::sqrt(std::max(0.0f, 1.0f - ratio));
}

} // namespace

// Hard disc with an antialiased rim. Both passes walk t from the centre to the
// octant limit, with h the whole height of the circle at t. The first pass
// fills rows m +- h across columns m - t .. m + t (the top and bottom caps),
// the second rows m +- t across columns m - h .. m + h (the middle band). The
// cell just beyond the circle's end gets the rim: the fraction of the height
// past the last whole cell. The inner byte is always covered by the solid
// span written after it.
void CoverageGrid::BuildPencil(float radius, float opacity)
{
    const int k = OctantLimit(radius);
    const float m = radius + 1.0f;
    const unsigned char full = AlphaCanvas::ToByte(opacity);

    for (int pass = 0; pass < 2; ++pass) {
        for (int t = 0; t <= k; ++t) {
            const float y = CircleHeight(radius, t);
            const float h = std::floor(y);
            const float rim = (y - h) * opacity;
            const unsigned char rimByte = AlphaCanvas::ToByte(rim);
            const unsigned char innerByte = AlphaCanvas::ToByte(opacity - rim);
            // The circle's end cells: (m +- t, m +- h) in the first pass, with
            // the indices exchanged in the second.
            auto end = [&](float along, float across, unsigned char value) {
                if (pass == 0)
                    Set(along, across, value);
                else
                    Set(across, along, value);
            };
            for (float s : {m + t, m - t}) {
                end(s, m + h + 1.0f, rimByte);
                end(s, m - h - 1.0f, rimByte);
                end(s, m + h, innerByte);
                end(s, m - h, innerByte);
            }
            const int span = pass == 0 ? t : static_cast<int>(h);
            const float row = pass == 0 ? h : static_cast<float>(t);
            for (int j = 0; j <= span; ++j) {
                for (float column : {m + j, m - j}) {
                    Set(column, m + row, full);
                    Set(column, m - row, full);
                }
            }
        }
    }
}

// Brush cone or constant disc, filled by the same two passes as the pencil
// without a rim.
void CoverageGrid::BuildFilled(float inner, float radius, float opacity, ToolType tool)
{
    const int k = OctantLimit(radius);
    const float m = radius;

    for (int pass = 0; pass < 2; ++pass) {
        for (int t = 0; t <= k; ++t) {
            const int h = static_cast<int>(std::floor(CircleHeight(radius, t)));
            const int span = pass == 0 ? t : h;
            const int row = pass == 0 ? h : t;
            for (int j = 0; j <= span; ++j) {
                const float distance = std::sqrt(static_cast<float>(j * j + row * row));
                const unsigned char value = FilledValue(inner, radius, opacity, tool, distance);
                for (float column : {m + j, m - j}) {
                    Set(column, m + row, value);
                    Set(column, m - row, value);
                }
            }
        }
    }
}

unsigned char CoverageGrid::FilledValue(float inner, float radius, float opacity,
                                        ToolType tool, float distance) const
{
    if (tool != TOOL_BRUSH)
        return AlphaCanvas::ToByte(opacity);
    float s = 0.0f;
    if (radius - inner > 0.0f)
        s = std::clamp((distance - inner) / (radius - inner), 0.0f, 1.0f);
    return AlphaCanvas::ToByte((1.0f - s) * opacity);
}
// Lays the non-zero part of the grid through a window, clipped to the canvas.
// Cells past the extent are zero and change nothing under any combine.
template <typename Combine>
QRect CoverageGrid::Lay(const AlphaCanvas& canvas, const Window& window,
                        Combine combine) const
{
    if (!canvas.IsValid() || extent < 0)
        return QRect();
    const qint64 reach = extent + 1;
    const qint64 c0 = std::max<qint64>(window.col0, 0);
    const qint64 c1 = std::min<qint64>({window.col1, canvas.Width(), window.col0 + reach});
    const qint64 r0 = std::max<qint64>(window.row0, 0);
    const qint64 r1 = std::min<qint64>({window.row1, canvas.Height(), window.row0 + reach});
    if (c0 >= c1 || r0 >= r1)
        return QRect();

    for (qint64 row = r0; row < r1; ++row) {
        unsigned char* alpha = canvas.AlphaRow(static_cast<int>(row)) + c0 * 4;
        const unsigned char* cell = cells + (c0 - window.col0) * GRID_SIZE + (row - window.row0);
        for (qint64 column = c0; column < c1; ++column) {
            combine(*alpha, *cell);
            alpha += 4;
            cell += GRID_SIZE;
        }
    }
    return QRect(QPoint(int(c0), int(r0)), QPoint(int(c1 - 1), int(r1 - 1)));
}

QRect CoverageGrid::PlotGrid(QImage& image, int x0, int x1, int y0, int y1) const
{
    return PlotGrid(AlphaCanvas(image), x0, x1, y0, y1);
}

QRect CoverageGrid::EraseGrid(QImage& image, int x0, int x1, int y0, int y1) const
{
    return EraseGrid(AlphaCanvas(image), x0, x1, y0, y1);
}

QRect CoverageGrid::PlotAdditiveBrush(QImage& image, int x, int y, float radius, float weight,
                                      float ceiling) const
{
    return PlotAdditiveBrush(AlphaCanvas(image), x, y, radius, weight, ceiling);
}

QRect CoverageGrid::PlotGrid(const AlphaCanvas& canvas, int x0, int x1, int y0, int y1) const
{
    if (y0 > y1)
        return QRect();
    const Window window{qint64(x0) - 1, x1, qint64(y0) - 1, y1};
    return Lay(canvas, window, [](unsigned char& alpha, unsigned char cell) {
        if (cell > alpha)
            alpha = cell;
    });
}

QRect CoverageGrid::EraseGrid(const AlphaCanvas& canvas, int x0, int x1, int y0, int y1) const
{
    if (y0 > y1)
        return QRect();
    const Window window{qint64(x0) - 1, x1, qint64(y0) - 1, y1};
    return Lay(canvas, window, [](unsigned char& alpha, unsigned char cell) {
        if (cell != 0)
            alpha = 0;
    });
}

QRect CoverageGrid::PlotAdditiveBrush(const AlphaCanvas& canvas, int x, int y, float radius,
                                      float weight, float ceiling) const
{
    // Rejecting far centres first also keeps the window arithmetic below
    // inside the int range.
    if (!Reaches(canvas, x, y, radius))
        return QRect();
    const int firstRow = static_cast<int>(y - radius);
    const int endRow = static_cast<int>(y + radius + 1.0f);
    if (firstRow > endRow)
        return QRect();
    const int firstColumn = static_cast<int>(x - radius);
    const int endColumn = static_cast<int>(x + radius + 1.0f);

    // Weights are coverage fractions; a zero weight or ceiling adds nothing.
    const float w = std::isfinite(weight) ? std::clamp(weight, 0.0f, 1.0f) : 0.0f;
    const int top = AlphaCanvas::ToByte(ceiling);
    if (w == 0.0f || top == 0)
        return QRect();
    const Window window{qint64(firstColumn) - 1, endColumn, qint64(firstRow) - 1, endRow};
    return Lay(canvas, window, [w, top](unsigned char& alpha, unsigned char cell) {
        const int raised = std::min(alpha + static_cast<int>(cell * w), top);
        if (raised > alpha)
            alpha = static_cast<unsigned char>(raised);
    });
}
