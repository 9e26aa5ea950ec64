#pragma once

#include "viewport/DrawableList.h"

class QPainter;

namespace nbhost {

// Paints recorded drawables into a view of the given height (their y axis
// points up, the painter's down). A filled rectangle with a texture shows
// the texture's pixels, scaled with linear filtering (or nearest, for a
// point sampler) and multiplied by the colour, its alpha included.
class DrawablePainter
{
public:
    static void paint(QPainter& painter, const DrawableList& list, int viewHeight);

    // The texture's pixels multiplied by the colour, through the channel
    // mask, as a premultiplied image ready to draw.
    static QImage tinted(const QImage& texture, const MColor& color, int channelMask);
    // The texture in the painter's own premultiplied format, converted once
    // per texture content: scaling it is about twice as fast, and a tool
    // redraws the view at every pointer event.
    static QImage paintable(const QImage& texture);

private:
    static void paintRect(QPainter& painter, const DrawableList::Primitive& p, int viewHeight);
    static void paintText(QPainter& painter, const DrawableList::Primitive& p, int viewHeight);
};

} // namespace nbhost
