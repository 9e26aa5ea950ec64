#pragma once

#include <maya/MTextureManager.h>

#include <QImage>

namespace nbhost {

// The pixels of a Viewport 2.0 texture, kept as a non-premultiplied RGBA
// image, and its description.
class TextureData
{
public:
    // False for descriptions this host cannot hold: 2D textures of 8-bit
    // RGBA or BGRA pixels only, at least one pixel.
    static bool supports(const MHWRender::MTextureDescription& desc);

    explicit TextureData(const MHWRender::MTextureDescription& desc);

    const MHWRender::MTextureDescription& description() const { return m_desc; }
    const QImage& image() const { return m_image; }
    // Copies the pixels in; rowPitch 0 means tightly packed rows.
    void load(const void* pixels, unsigned int rowPitch);

private:
    MHWRender::MTextureDescription m_desc;
    QImage m_image;
};

} // namespace nbhost
