#pragma once

#include "viewport/ViewBackdrop.h"

#include <QWidget>

namespace nbhost {

class ModelPanel;

// The Viewport 2.0 drawing surface of a model panel: paints the view with
// ViewPainter, the backdrop kept between paints, and hands its input to the
// panel.
class Vp2Surface : public QWidget
{
    Q_OBJECT

public:
    Vp2Surface(ModelPanel& panel, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;

private:
    ModelPanel& m_panel;
    ViewBackdrop m_backdrop;
};

} // namespace nbhost
