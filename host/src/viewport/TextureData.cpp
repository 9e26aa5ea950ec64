#include "viewport/TextureData.h"

#include <cstring>

namespace nbhost {

using namespace MHWRender;

bool TextureData::supports(const MTextureDescription& desc)
{
    const bool format = desc.fFormat == kR8G8B8A8_UNORM || desc.fFormat == kB8G8R8A8;
    return format && desc.fTextureType == kImage2D && desc.fWidth > 0 && desc.fHeight > 0
           && desc.fWidth <= 16384 && desc.fHeight <= 16384;
}

TextureData::TextureData(const MTextureDescription& desc)
    : m_desc(desc), m_image(int(desc.fWidth), int(desc.fHeight), QImage::Format_RGBA8888)
{
    m_image.fill(Qt::transparent);
}

void TextureData::load(const void* pixels, unsigned int rowPitch)
{
    if (!pixels)
        return;
    const int width = m_image.width();
    const size_t rowBytes = size_t(width) * 4;
    const size_t pitch = rowPitch ? rowPitch : (m_desc.fBytesPerRow ? m_desc.fBytesPerRow : rowBytes);
    const auto* source = static_cast<const unsigned char*>(pixels);
    for (int row = 0; row < m_image.height(); ++row)
        std::memcpy(m_image.scanLine(row), source + pitch * size_t(row), rowBytes);
    if (m_desc.fFormat == kB8G8R8A8)
        m_image = m_image.rgbSwapped();
}

} // namespace nbhost
