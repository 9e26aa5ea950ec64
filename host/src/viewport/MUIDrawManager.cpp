#include <maya/MUIDrawManager.h>

#include <maya/MTextureManager.h>

#include "viewport/DrawableList.h"
#include "viewport/TextureData.h"

namespace MHWRender {

using nbhost::DrawableList;

MUIDrawManager::MUIDrawManager(DrawableList& target) : fTarget(target) {}
MUIDrawManager::~MUIDrawManager() { fTarget.endDrawable(); }

void MUIDrawManager::beginDrawable(Selectability selectability, unsigned int selectionName)
{
    fTarget.beginDrawable(selectability, selectionName);
}

void MUIDrawManager::endDrawable() { fTarget.endDrawable(); }

void MUIDrawManager::setColor(const MColor& color)
{
    if (auto* state = fTarget.state())
        state->color = color;
}

void MUIDrawManager::setPointSize(float value)
{
    if (auto* state = fTarget.state())
        state->pointSize = value;
}

void MUIDrawManager::setLineWidth(float value)
{
    if (auto* state = fTarget.state())
        state->lineWidth = value;
}

void MUIDrawManager::setLineStyle(LineStyle style)
{
    if (auto* state = fTarget.state())
        state->lineStyle = style;
}

void MUIDrawManager::setFontSize(const unsigned int fontSize)
{
    if (auto* state = fTarget.state())
        state->fontSize = int(fontSize);
}

void MUIDrawManager::setFontName(const MString& faceName)
{
    if (auto* state = fTarget.state())
        state->fontName = QString::fromUtf8(faceName.asChar());
}

void MUIDrawManager::setTexture(MTexture* texture)
{
    if (auto* state = fTarget.state())
        state->texture = texture ? texture->hostData().image() : QImage();
}

MStatus MUIDrawManager::setTextureSampler(MSamplerState::TextureFilter filter, MSamplerState::TextureAddress)
{
    // Clamped addressing is all a single rectangle needs; the filter
    // decides between nearest and linear sampling.
    auto* state = fTarget.state();
    if (!state)
        return MStatus::kFailure;
    state->linearFilter = filter != MSamplerState::kMinMagMipPoint && filter != MSamplerState::kMinLinearMagMipPoint
                          && filter != MSamplerState::kMinLinearMagPointMipLinear
                          && filter != MSamplerState::kMinMagPointMipLinear;
    return MStatus::kSuccess;
}

MStatus MUIDrawManager::setTextureMask(MBlendState::ChannelMask mask)
{
    auto* state = fTarget.state();
    if (!state)
        return MStatus::kFailure;
    state->textureMask = int(mask) & 0xF;
    return MStatus::kSuccess;
}

void MUIDrawManager::point2d(const MPoint& point)
{
    DrawableList::Primitive p;
    p.kind = DrawableList::Kind::Point;
    p.a = QPointF(point.x, point.y);
    fTarget.add(std::move(p));
}

void MUIDrawManager::line2d(const MPoint& startPoint, const MPoint& endPoint)
{
    DrawableList::Primitive p;
    p.kind = DrawableList::Kind::Line;
    p.a = QPointF(startPoint.x, startPoint.y);
    p.b = QPointF(endPoint.x, endPoint.y);
    fTarget.add(std::move(p));
}

void MUIDrawManager::rect2d(const MPoint& center, const MVector& up, double scaleX, double scaleY, bool filled)
{
    DrawableList::Primitive p;
    p.kind = DrawableList::Kind::Rect;
    p.a = QPointF(center.x, center.y);
    p.b = (up.x == 0.0 && up.y == 0.0) ? QPointF(0.0, 1.0) : QPointF(up.x, up.y);
    p.sizeX = scaleX;
    p.sizeY = scaleY;
    p.filled = filled;
    fTarget.add(std::move(p));
}

void MUIDrawManager::circle2d(const MPoint& center, double radius, bool filled)
{
    DrawableList::Primitive p;
    p.kind = DrawableList::Kind::Circle;
    p.a = QPointF(center.x, center.y);
    p.sizeX = radius;
    p.filled = filled;
    fTarget.add(std::move(p));
}

void MUIDrawManager::text2d(const MPoint& position, const MString& text, TextAlignment alignment,
                            const int* backgroundSize, const MColor* backgroundColor, bool)
{
    DrawableList::Primitive p;
    p.kind = DrawableList::Kind::Text;
    p.a = QPointF(position.x, position.y);
    p.text = QString::fromUtf8(text.asChar());
    p.alignment = alignment;
    if (backgroundColor) {
        p.hasBackground = true;
        p.backgroundColor = *backgroundColor;
        if (backgroundSize) {
            p.backgroundWidth = backgroundSize[0];
            p.backgroundHeight = backgroundSize[1];
        }
    }
    fTarget.add(std::move(p));
}

} // namespace MHWRender
