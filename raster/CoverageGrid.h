#pragma once

#include "base/ToolType.h"

#include <QImage>
#include <QRect>

class AlphaCanvas;

// One circular stamp held in a square grid of coverage bytes, and the three
// ways of laying it onto the alpha channel of an image.
//
// The grid is GRID_SIZE cells square: the largest stamp (size 100, radius 50)
// plus one cell of margin on each side. Cell (a, b) lies on image column
// origin + a and row origin + b. A build zeroes the grid and draws one stamp:
//   pencil     a hard disc with an antialiased rim,
//   brush      a cone falling linearly from the centre to zero at the radius,
//   otherwise  a hard disc of constant value (the eraser).
// Every lay returns the rectangle of image pixels it may have changed (empty
// when it touched none), so that callers can redraw only that part.
class CoverageGrid
{
public:
    static constexpr int GRID_SIZE = 102;
    // Widest stamp the grid holds, in pixels.
    static constexpr int MAX_STAMP_SIZE = 100;

    CoverageGrid();

    // Rebuilds the grid: inner radius (where the brush cone starts to fall),
    // radius, opacity 0..1 and the tool that decides the stamp's shape.
    void Build(float inner, float radius, float opacity, ToolType tool);
    // Builds only if the grid does not already hold this stamp.
    void Ensure(float inner, float radius, float opacity, ToolType tool);

    unsigned char Cell(int a, int b) const;

    // Whether a stamp of this radius centred on (x, y) can touch the canvas.
    static bool Reaches(const AlphaCanvas& canvas, int x, int y, float radius);

    // Window form: cells are laid on columns x0 - 1 .. x1 - 1 and rows
    // y0 - 1 .. y1 - 1, cell (0, 0) on (x0 - 1, y0 - 1).
    // Maximum combine: alpha rises to the cell value.
    QRect PlotGrid(QImage& image, int x0, int x1, int y0, int y1) const;
    // Erase combine: alpha becomes 0 under every non-zero cell; colour stays.
    QRect EraseGrid(QImage& image, int x0, int x1, int y0, int y1) const;
    // Centred form for the brush: the window follows from the centre and the
    // stamp radius. Each cell adds (int)(cell x weight) to alpha, never beyond
    // the ceiling byte (int)(ceiling x 255) and never lowering alpha.
    QRect PlotAdditiveBrush(QImage& image, int x, int y, float radius, float weight,
                            float ceiling) const;

    QRect PlotGrid(const AlphaCanvas& canvas, int x0, int x1, int y0, int y1) const;
    QRect EraseGrid(const AlphaCanvas& canvas, int x0, int x1, int y0, int y1) const;
    QRect PlotAdditiveBrush(const AlphaCanvas& canvas, int x, int y, float radius,
                            float weight, float ceiling) const;

private:
    struct Window;
    struct Params
    {
        float inner = -1.0f;
        float radius = -1.0f;
        float opacity = -1.0f;
        ToolType tool = TOOL_PENCIL;
    };

    void Set(float a, float b, unsigned char value);
    void BuildPencil(float radius, float opacity);
    void BuildFilled(float inner, float radius, float opacity, ToolType tool);
    unsigned char FilledValue(float inner, float radius, float opacity, ToolType tool,
                              float distance) const;
    template <typename Combine>
    QRect Lay(const AlphaCanvas& canvas, const Window& window, Combine combine) const;

    unsigned char cells[GRID_SIZE * GRID_SIZE];
    // Highest cell index written since the last build: cells beyond it are
    // zero, so builds and lays can stop there.
    int extent = -1;
    Params built;
};
