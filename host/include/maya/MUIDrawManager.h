#pragma once
// Records simple drawing for a view: 2D lines, rectangles (textured or
// not), circles and text, grouped in drawables. Positions are viewport
// pixels with the origin at the bottom left. The view paints what was
// recorded, in order, once the recording call returns.

#include <maya/MTypes.h>
#include <maya/MColor.h>
#include <maya/MPoint.h>
#include <maya/MString.h>
#include <maya/MStateManager.h>
#include <maya/MVector.h>

namespace nbhost {
class DrawableList;
}

namespace MHWRender {

class MTexture;

class OPENMAYARENDER_EXPORT MUIDrawManager
{
public:
    enum Selectability
    {
        kNonSelectable,
        kSelectable,
        kAutomatic
    };

    enum LineStyle
    {
        kSolid,
        kShortDotted,
        kShortDashed,
        kDashed,
        kDotted
    };

    enum FontSize
    {
        kDefaultFontSize = 12,
        kSmallFontSize = 9
    };

    enum TextAlignment
    {
        kDefault,
        kLeft,
        kCenter,
        kRight
    };

    // Drawing calls outside beginDrawable/endDrawable are ignored, as are
    // nested beginDrawable calls.
    void beginDrawable(Selectability selectability = kNonSelectable, unsigned int selectionName = 0);
    void endDrawable();

    // State of the drawable being recorded; each drawable starts with the
    // defaults: white, line width 1, solid, default font, no texture.
    void setColor(const MColor& color);
    void setPointSize(float value);
    void setLineWidth(float value);
    void setLineStyle(LineStyle style);
    void setFontSize(const unsigned int fontSize);
    void setFontName(const MString& faceName);
    // A texture that filled rectangles show, multiplied by the colour. The
    // pixels are those the texture has when it is set; null removes it.
    void setTexture(MTexture* texture);
    MStatus setTextureSampler(MSamplerState::TextureFilter filter, MSamplerState::TextureAddress address);
    // The texture channels that are read; channels outside the mask read
    // as 0 (colours) or 1 (alpha).
    MStatus setTextureMask(MBlendState::ChannelMask mask);

    void point2d(const MPoint& point);
    void line2d(const MPoint& startPoint, const MPoint& endPoint);
    // A rectangle centred on `center`, rotated so that its y axis points
    // along `up`, reaching scaleX and scaleY from the centre.
    void rect2d(const MPoint& center, const MVector& up, double scaleX, double scaleY, bool filled = false);
    void circle2d(const MPoint& center, double radius, bool filled = false);
    void text2d(const MPoint& position, const MString& text, TextAlignment alignment = kLeft,
                const int* backgroundSize = nullptr, const MColor* backgroundColor = nullptr,
                bool dynamic = false);

    // Host side: a manager recording into `target`.
    explicit MUIDrawManager(nbhost::DrawableList& target);
    ~MUIDrawManager();
    MUIDrawManager(const MUIDrawManager&) = delete;
    MUIDrawManager& operator=(const MUIDrawManager&) = delete;

private:
    nbhost::DrawableList& fTarget;
};

} // namespace MHWRender
