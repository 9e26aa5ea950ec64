#pragma once

#include <QPointer>

class M3dView;
class MPoint;
class OverlayPlacement;
class QImage;
class QOpenGLContext;

// The legacy viewport's drawing of the composed image: one texture per
// node, refilled at every draw and shown on a screen-aligned quad with the
// fixed pipeline. Needs the view's GL context current.
class LegacyImageQuad
{
public:
    LegacyImageQuad() = default;
    ~LegacyImageQuad();
    LegacyImageQuad(const LegacyImageQuad&) = delete;
    LegacyImageQuad& operator=(const LegacyImageQuad&) = delete;

    void Draw(M3dView& view, const QImage& image, const OverlayPlacement& placement, float opacity);
    // The transform tool's outline: a red closed line through the corners
    // (view pixels, origin bottom left).
    void DrawOutline(M3dView& view, const MPoint (&corners)[4], const OverlayPlacement& placement);
    bool TextureCreated() const { return textureId != 0; }

private:
    // Makes the texture in the current context; texture names do not carry
    // over to a view whose context shares nothing with the first one.
    bool EnsureTexture();

    unsigned int textureId = 0;
    QPointer<QOpenGLContext> textureContext;
};
