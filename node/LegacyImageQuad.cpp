#include "node/LegacyImageQuad.h"

#include "base/Settings.h"
#include "node/OverlayPlacement.h"

#include <maya/M3dView.h>
#include <maya/MPoint.h>

#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_0>

namespace {

QOpenGLFunctions_2_0* Functions()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? context->versionFunctions<QOpenGLFunctions_2_0>() : nullptr;
}

// View pixels, origin bottom left, over the scene; the state is restored
// by EndPixelDrawing.
void BeginPixelDrawing(QOpenGLFunctions_2_0& gl, const OverlayPlacement& placement)
{
    gl.glPushAttrib(GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glPushMatrix();
    gl.glMatrixMode(GL_PROJECTION);
    gl.glPushMatrix();
    gl.glLoadIdentity();
    gl.glOrtho(0.0, placement.portWidth, 0.0, placement.portHeight, -1.0, 1.0);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadIdentity();
    gl.glTranslatef(0.375f, 0.375f, 0.0f);
    gl.glDisable(GL_DEPTH_TEST);
    gl.glDisable(GL_LIGHTING);
}

void EndPixelDrawing(QOpenGLFunctions_2_0& gl)
{
    gl.glMatrixMode(GL_PROJECTION);
    gl.glPopMatrix();
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glPopMatrix();
    gl.glPopAttrib();
}

} // namespace

LegacyImageQuad::~LegacyImageQuad()
{
    // A texture can only be deleted in its own context; otherwise it goes
    // with that context. Without a texture Qt is not asked at all: a node
    // may go during the process's exit, after Qt's per-thread state.
    if (textureId == 0 || !textureContext)
        return;
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (!current || !QOpenGLContext::areSharing(current, textureContext))
        return;
    if (QOpenGLFunctions_2_0* gl = Functions())
        gl->glDeleteTextures(1, &textureId);
}

bool LegacyImageQuad::EnsureTexture()
{
    QOpenGLContext* current = QOpenGLContext::currentContext();
    if (textureId != 0 && textureContext && QOpenGLContext::areSharing(current, textureContext))
        return true;
    QOpenGLFunctions_2_0* gl = Functions();
    if (!gl)
        return false;
    const int side = Settings::FINAL_IMAGE_WIDTH;
    textureId = 0;
    gl->glGenTextures(1, &textureId);
    if (textureId == 0)
        return false;
    textureContext = current;
    gl->glBindTexture(GL_TEXTURE_2D, textureId);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, 4, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return true;
}

void LegacyImageQuad::Draw(M3dView& view, const QImage& image, const OverlayPlacement& placement,
                           float opacity)
{
    const int side = Settings::FINAL_IMAGE_WIDTH;
    // The upload reads the image's bytes as they are.
    if (image.width() != side || image.height() != side ||
        image.format() != QImage::Format_RGBA8888 || image.bytesPerLine() != side * 4)
        return;
    QOpenGLFunctions_2_0* gl = Functions();
    if (!gl || !EnsureTexture() || !view.beginGL())
        return;

    BeginPixelDrawing(*gl, placement);
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl->glEnable(GL_BLEND);

    gl->glEnable(GL_TEXTURE_2D);
    gl->glBindTexture(GL_TEXTURE_2D, textureId);
    gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE,
                        image.constBits());
    gl->glColor4f(1.0f, 1.0f, 1.0f, opacity);

    // Image row 0 at the top of the quad.
    const float q = placement.quadSize;
    const float x0 = placement.QuadLeft();
    const float y0 = placement.QuadBottom();
    gl->glPushMatrix();
    gl->glBegin(GL_QUADS);
    gl->glTexCoord2f(0.0f, 1.0f);
    gl->glVertex3f(x0, y0, 1.0f);
    gl->glTexCoord2f(1.0f, 1.0f);
    gl->glVertex3f(x0 + q, y0, 1.0f);
    gl->glTexCoord2f(1.0f, 0.0f);
    gl->glVertex3f(x0 + q, y0 + q, 1.0f);
    gl->glTexCoord2f(0.0f, 0.0f);
    gl->glVertex3f(x0, y0 + q, 1.0f);
    gl->glEnd();
    gl->glPopMatrix();

    EndPixelDrawing(*gl);
    view.endGL();
}

void LegacyImageQuad::DrawOutline(M3dView& view, const MPoint (&corners)[4], const OverlayPlacement& placement)
{
    QOpenGLFunctions_2_0* gl = Functions();
    if (!gl || !view.beginGL())
        return;
    BeginPixelDrawing(*gl, placement);
    gl->glDisable(GL_TEXTURE_2D);
    gl->glDisable(GL_LINE_STIPPLE);
    gl->glLineWidth(1.0f);
    gl->glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    gl->glBegin(GL_LINE_LOOP);
    for (const MPoint& corner : corners)
        gl->glVertex2d(corner.x, corner.y);
    gl->glEnd();
    EndPixelDrawing(*gl);
    view.endGL();
}
