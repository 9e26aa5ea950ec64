#pragma once

#include <maya/MPxDrawOverride.h>
#include <maya/MString.h>

class BaseNodeUserData;
class QImage;

// Viewport 2.0 drawing of a drawing node: the camera's composed image as a
// texture on a screen-aligned 2D rectangle, and the transform tool's outline.
// Always dirty, so the host calls it at every frame.
class BaseNodeDrawOverride : public MHWRender::MPxDrawOverride
{
public:
    static MHWRender::MPxDrawOverride* Creator(const MObject& object);

    ~BaseNodeDrawOverride() override;

    MHWRender::DrawAPI supportedDrawAPIs() const override;
    bool hasUIDrawables() const override;
    MBoundingBox boundingBox(const MDagPath& objPath, const MDagPath& cameraPath) const override;
    bool isBounded(const MDagPath& objPath, const MDagPath& cameraPath) const override;
    MUserData* prepareForDraw(const MDagPath& objPath, const MDagPath& cameraPath,
                              const MHWRender::MFrameContext& frameContext,
                              MUserData* oldData) override;
    void addUIDrawables(const MDagPath& objPath, MHWRender::MUIDrawManager& drawManager,
                        const MHWRender::MFrameContext& frameContext,
                        const MUserData* data) override;

    const MString& GetTextureName() const { return textureName; }

private:
    explicit BaseNodeDrawOverride(const MObject& object);

    // Acquires the texture at the first draw and uploads the image at every
    // draw; false when there is no texture to draw with.
    bool UploadImage(const QImage& image);

    MHWRender::MTexture* texture = nullptr;
    MString textureName;

    static int overrideCount;
};
