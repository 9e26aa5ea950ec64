#include "viewport/ViewBackdrop.h"

#include "viewport/ViewPainter.h"
#include "viewport/ViewProjection.h"

#include <maya/MMatrix.h>

#include <QPainter>

namespace nbhost {

QVector<double> ViewBackdrop::key(const ViewProjection& view, const ViewOptions& options)
{
    QVector<double> values{double(view.width()), double(view.height()), double(options.grid),
                           double(options.resolutionGate)};
    for (const MMatrix* matrix : {&view.viewMatrix(), &view.projectionMatrix()})
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                values.append((*matrix)(row, column));
    const QRectF gate = view.resolutionGate();
    values << gate.x() << gate.y() << gate.width() << gate.height();
    return values;
}

const QImage& ViewBackdrop::image(const ViewProjection& view, const ViewOptions& options)
{
    QVector<double> now = key(view, options);
    if (now == m_key && !m_image.isNull())
        return m_image;
    m_key = std::move(now);
    m_image = QImage(qMax(1, view.width()), qMax(1, view.height()), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&m_image);
    ViewPainter::paintBackdrop(painter, view, options);
    return m_image;
}

} // namespace nbhost
