#include "viewport/ViewPainter.h"

#include "viewport/DrawOverrideRegistry.h"
#include "viewport/DrawableList.h"
#include "viewport/DrawablePainter.h"
#include "viewport/GroundGrid.h"
#include "viewport/ViewColors.h"
#include "viewport/ViewProjection.h"

#include <QLinearGradient>
#include <QPainter>

namespace nbhost {

void ViewPainter::paint(QPainter& painter, const ViewProjection& view, const ViewOptions& options,
                        const DrawableList* transient)
{
    paintBackdrop(painter, view, options);
    paintDrawables(painter, view, transient);
}

void ViewPainter::paintBackdrop(QPainter& painter, const ViewProjection& view, const ViewOptions& options)
{
    paintBackground(painter, view.width(), view.height());
    if (!view.isValid())
        return;
    if (options.grid)
        paintGrid(painter, view);
    if (options.resolutionGate)
        paintGate(painter, view);
}

void ViewPainter::paintDrawables(QPainter& painter, const ViewProjection& view, const DrawableList* transient)
{
    if (!view.isValid())
        return;
    DrawableList drawables;
    DrawOverrideRegistry::instance().record(view, drawables);
    DrawablePainter::paint(painter, drawables, view.height());
    if (transient)
        DrawablePainter::paint(painter, *transient, view.height());
}

QImage ViewPainter::render(const ViewProjection& view, const ViewOptions& options)
{
    QImage image(qMax(1, view.width()), qMax(1, view.height()), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paint(painter, view, options);
    painter.end();
    return image;
}

void ViewPainter::paintBackground(QPainter& painter, int width, int height)
{
    QLinearGradient gradient(0.0, 0.0, 0.0, height);
    gradient.setColorAt(0.0, ViewColors::backgroundTop());
    gradient.setColorAt(1.0, ViewColors::backgroundBottom());
    painter.fillRect(0, 0, width, height, gradient);
}

void ViewPainter::paintGrid(QPainter& painter, const ViewProjection& view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double h = view.height();
    for (const GroundGrid::Line& line : GroundGrid::lines(view)) {
        painter.setPen(QPen(ViewColors::grid(line.weight), line.weight == GroundGrid::Weight::Minor ? 1.0 : 1.5));
        painter.drawLine(QLineF(line.line.x1(), h - line.line.y1(), line.line.x2(), h - line.line.y2()));
    }
    painter.restore();
}

void ViewPainter::paintGate(QPainter& painter, const ViewProjection& view)
{
    const QRectF gate = view.resolutionGate();
    const QRectF flipped(gate.left(), view.height() - gate.bottom(), gate.width(), gate.height());
    painter.save();
    painter.setPen(QPen(ViewColors::gate(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(flipped);
    painter.restore();
}

} // namespace nbhost
