#include "viewport/Vp2Surface.h"

#include "viewport/ModelPanel.h"
#include "viewport/ViewPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace nbhost {

Vp2Surface::Vp2Surface(ModelPanel& panel, QWidget* parent) : QWidget(parent), m_panel(panel)
{
    setObjectName(QStringLiteral("viewport2"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(32, 32);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(View3d::toolCursor());
}

void Vp2Surface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ViewProjection view = m_panel.projection();
    if (!view.isValid()) {
        ViewPainter::paintBackground(painter, width(), height());
        return;
    }
    painter.drawImage(0, 0, m_backdrop.image(view, m_panel.options()));
    ViewPainter::paintDrawables(painter, view, &m_panel.transient());
}

void Vp2Surface::mousePressEvent(QMouseEvent* event) { m_panel.surfacePress(event); }
void Vp2Surface::mouseMoveEvent(QMouseEvent* event) { m_panel.surfaceMove(event); }
void Vp2Surface::mouseReleaseEvent(QMouseEvent* event) { m_panel.surfaceRelease(event); }

void Vp2Surface::keyPressEvent(QKeyEvent* event)
{
    if (!m_panel.surfaceKey(event, true))
        QWidget::keyPressEvent(event);
}

void Vp2Surface::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_panel.surfaceKey(event, false))
        QWidget::keyReleaseEvent(event);
}

void Vp2Surface::enterEvent(QEvent*) { m_panel.surfaceEnter(); }

} // namespace nbhost
