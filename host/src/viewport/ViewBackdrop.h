#pragma once

#include "viewport/ViewOptions.h"

#include <QImage>
#include <QVector>

namespace nbhost {

class ViewProjection;

// What a view shows under its drawables (the background, the ground grid
// and the resolution gate), painted once and kept until the camera, the
// view's size or its options change. A tool that redraws the view at every
// pointer event then pays only for the drawables.
class ViewBackdrop
{
public:
    // The backdrop for the view, painted again only when it changed.
    const QImage& image(const ViewProjection& view, const ViewOptions& options);

private:
    static QVector<double> key(const ViewProjection& view, const ViewOptions& options);

    QImage m_image;
    QVector<double> m_key;
};

} // namespace nbhost
