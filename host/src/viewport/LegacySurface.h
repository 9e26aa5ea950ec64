#pragma once

#include <maya/M3dView.h>
#include <maya/MColor.h>
#include <maya/MStatus.h>

#include <QOpenGLWidget>

namespace nbhost {

class ModelPanel;
class ViewProjection;

// The legacy viewport of a model panel: an OpenGL widget with a
// compatibility-profile context, so that locators draw with the fixed
// pipeline. Each paint draws the background, grid and gate, then calls
// every visible locator's MPxLocatorNode::draw with the view's camera
// matrices loaded and the node's world matrix on the model-view stack.
//
// Outside a paint, beginGL/endGL and XOR drawing draw straight into the
// kept framebuffer, which is shown without repainting the scene; the next
// full redraw replaces them.
class LegacySurface : public QOpenGLWidget
{
    Q_OBJECT

public:
    LegacySurface(ModelPanel& panel, QWidget* parent);
    ~LegacySurface() override;

    // The next paint redraws the scene.
    void requestFullPaint() { m_presentOnly = false; }

    MStatus beginGL();
    MStatus endGL();
    MStatus beginXorDrawing(bool orthographic, bool noDepthTest, float lineWidth,
                            M3dView::LineStipplePattern stipple, const MColor& color);
    MStatus endXorDrawing();

protected:
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;

private:
    void drawBackdrop(const ViewProjection& view);
    void drawLocators(const ViewProjection& view);
    // Shows what was drawn outside a paint.
    void present();

    ModelPanel& m_panel;
    bool m_painting = false;
    bool m_presentOnly = false;
    bool m_inGL = false;
    bool m_inXor = false;
};

} // namespace nbhost
