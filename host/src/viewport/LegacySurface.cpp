#include "viewport/LegacySurface.h"

#include "scene/Node.h"
#include "scene/Scene.h"
#include "viewport/GroundGrid.h"
#include "viewport/ModelPanel.h"
#include "viewport/NodeVisibility.h"
#include "viewport/ViewColors.h"

#include <maya/MDagPath.h>
#include <maya/MPxLocatorNode.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>

namespace nbhost {

namespace {

void color(const QColor& c) { glColor4f(float(c.redF()), float(c.greenF()), float(c.blueF()), float(c.alphaF())); }

void pixelProjection(int width, int height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace

LegacySurface::LegacySurface(ModelPanel& panel, QWidget* parent) : QOpenGLWidget(parent), m_panel(panel)
{
    setObjectName(QStringLiteral("legacyViewport"));
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    setFormat(format);
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(32, 32);
}

LegacySurface::~LegacySurface() = default;

void LegacySurface::paintGL()
{
    if (m_presentOnly) {
        m_presentOnly = false;
        return;
    }
    m_painting = true;
    const qreal ratio = devicePixelRatioF();
    glViewport(0, 0, int(width() * ratio), int(height() * ratio));
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Without a camera only the backdrop is drawn.
    const ViewProjection view = m_panel.projection();
    drawBackdrop(view);
    if (view.isValid())
        drawLocators(view);
    m_painting = false;
}

void LegacySurface::drawBackdrop(const ViewProjection& view)
{
    const int w = width();
    const int h = height();
    pixelProjection(w, h);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glBegin(GL_QUADS);
    color(ViewColors::backgroundBottom());
    glVertex2i(0, 0);
    glVertex2i(w, 0);
    color(ViewColors::backgroundTop());
    glVertex2i(w, h);
    glVertex2i(0, h);
    glEnd();
    if (!view.isValid())
        return;
    if (m_panel.options().grid) {
        for (const GroundGrid::Line& line : GroundGrid::lines(view)) {
            glLineWidth(line.weight == GroundGrid::Weight::Minor ? 1.0f : 1.5f);
            color(ViewColors::grid(line.weight));
            glBegin(GL_LINES);
            glVertex2d(line.line.x1(), line.line.y1());
            glVertex2d(line.line.x2(), line.line.y2());
            glEnd();
        }
    }
    if (m_panel.options().resolutionGate) {
        const QRectF gate = view.resolutionGate();
        glLineWidth(1.0f);
        color(ViewColors::gate());
        glBegin(GL_LINE_LOOP);
        glVertex2d(gate.left(), gate.top());
        glVertex2d(gate.right(), gate.top());
        glVertex2d(gate.right(), gate.bottom());
        glVertex2d(gate.left(), gate.bottom());
        glEnd();
    }
    glLineWidth(1.0f);
    glEnable(GL_DEPTH_TEST);
}

void LegacySurface::drawLocators(const ViewProjection& view)
{
    const std::vector<std::shared_ptr<Node>> nodes = Scene::instance().nodes();
    for (const auto& node : nodes) {
        auto* locator = dynamic_cast<MPxLocatorNode*>(node->userNode());
        MDagPath path;
        if (!locator || !node->inScene() || !NodeVisibility::visible(*node)
            || !MDagPath::getAPathTo(node->object(), path))
            continue;
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixd(&view.projectionMatrix().matrix[0][0]);
        glMatrixMode(GL_MODELVIEW);
        const MMatrix modelView = path.inclusiveMatrix() * view.viewMatrix();
        glLoadMatrixd(&modelView.matrix[0][0]);
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        M3dView handle = View3d::handle(m_panel);
        const bool selected = Scene::instance().selection().contains(*node)
                              || (node->parent() && Scene::instance().selection().contains(*node->parent()));
        locator->draw(handle, path, M3dView::kGouraudShaded, selected ? M3dView::kLead : M3dView::kDormant);
        glPopAttrib();
    }
}

MStatus LegacySurface::beginGL()
{
    if (m_inGL)
        return MStatus::kFailure;
    if (!m_painting)
        makeCurrent();
    if (!context())
        return MStatus::kFailure;
    m_inGL = true;
    return MStatus::kSuccess;
}

MStatus LegacySurface::endGL()
{
    if (!m_inGL)
        return MStatus::kFailure;
    m_inGL = false;
    if (!m_painting)
        present();
    return MStatus::kSuccess;
}

MStatus LegacySurface::beginXorDrawing(bool orthographic, bool noDepthTest, float lineWidth,
                                       M3dView::LineStipplePattern stipple, const MColor& xorColor)
{
    if (m_inXor)
        return MStatus::kFailure;
    if (!m_painting)
        makeCurrent();
    if (!context())
        return MStatus::kFailure;
    m_inXor = true;
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (orthographic) {
        pixelProjection(width(), height());
    } else {
        const ViewProjection view = m_panel.projection();
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixd(&view.projectionMatrix().matrix[0][0]);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixd(&view.viewMatrix().matrix[0][0]);
    }
    if (noDepthTest)
        glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_COLOR_LOGIC_OP);
    glLogicOp(GL_XOR);
    glLineWidth(lineWidth);
    if (stipple == M3dView::kStippleDashed) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(1, 0x0F0F);
    } else {
        glDisable(GL_LINE_STIPPLE);
    }
    glColor4f(xorColor.r, xorColor.g, xorColor.b, 1.0f);
    return MStatus::kSuccess;
}

MStatus LegacySurface::endXorDrawing()
{
    if (!m_inXor)
        return MStatus::kFailure;
    m_inXor = false;
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    if (!m_painting)
        present();
    return MStatus::kSuccess;
}

void LegacySurface::present()
{
    glFlush();
    m_presentOnly = true;
    update();
}

void LegacySurface::mousePressEvent(QMouseEvent* event) { m_panel.surfacePress(event); }
void LegacySurface::mouseMoveEvent(QMouseEvent* event) { m_panel.surfaceMove(event); }
void LegacySurface::mouseReleaseEvent(QMouseEvent* event) { m_panel.surfaceRelease(event); }

void LegacySurface::keyPressEvent(QKeyEvent* event)
{
    if (!m_panel.surfaceKey(event, true))
        QOpenGLWidget::keyPressEvent(event);
}

void LegacySurface::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_panel.surfaceKey(event, false))
        QOpenGLWidget::keyReleaseEvent(event);
}

void LegacySurface::enterEvent(QEvent*) { m_panel.surfaceEnter(); }

} // namespace nbhost
