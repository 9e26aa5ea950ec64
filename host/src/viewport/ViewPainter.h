#pragma once

#include "viewport/ViewOptions.h"

#include <QImage>

class QPainter;

namespace nbhost {

class DrawableList;
class ViewProjection;

// Paints a Viewport 2.0 view: the gradient background, the ground grid,
// the resolution gate, then the UI drawables of the draw overrides and,
// last, the transient drawing of the current tool.
class ViewPainter
{
public:
    static void paint(QPainter& painter, const ViewProjection& view, const ViewOptions& options,
                      const DrawableList* transient = nullptr);
    // The two halves of paint: what lies under the drawables, and the
    // drawables with the transient drawing.
    static void paintBackdrop(QPainter& painter, const ViewProjection& view, const ViewOptions& options);
    static void paintDrawables(QPainter& painter, const ViewProjection& view, const DrawableList* transient);
    // The same into a new image of the projection's size.
    static QImage render(const ViewProjection& view, const ViewOptions& options);

    static void paintBackground(QPainter& painter, int width, int height);
    static void paintGrid(QPainter& painter, const ViewProjection& view);
    static void paintGate(QPainter& painter, const ViewProjection& view);
};

} // namespace nbhost
