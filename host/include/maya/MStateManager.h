#pragma once
// Device states of the Viewport 2.0 renderer: texture samplers and the
// colour channel masks of blending.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

namespace MHWRender {

class OPENMAYARENDER_EXPORT MSamplerStateDesc
{
public:
    MSamplerStateDesc();
    void setDefaults();

    int filter;       // an MSamplerState::TextureFilter
    int addressU;     // an MSamplerState::TextureAddress
    int addressV;
    int addressW;
    float mipLODBias;
    unsigned int maxAnisotropy;
    int comparisonFn; // an MStateManager::CompareMode
    float borderColor[4];
    float minLOD;
    float maxLOD;
    int coordCount;
    int elementIndex;
};

class OPENMAYARENDER_EXPORT MSamplerState
{
public:
    // The filters keep the device's own codes.
    enum TextureFilter
    {
        kMinMagMipPoint = 0x00,
        kMinMagPointMipLinear = 0x01,
        kMinPointMagLinearMipPoint = 0x04,
        kMinPointMagMipLinear = 0x05,
        kMinLinearMagMipPoint = 0x10,
        kMinLinearMagPointMipLinear = 0x11,
        kMinMagLinearMipPoint = 0x14,
        kMinMagMipLinear = 0x15,
        kAnisotropic = 0x55
    };

    enum TextureAddress
    {
        kTexWrap = 1,
        kTexMirror = 2,
        kTexClamp = 3,
        kTexBorder = 4,
        kTexMirrorOnce = 5
    };

    const MSamplerStateDesc& desc() const;
    void* resourceHandle() const;

private:
    friend class MStateManager;
    explicit MSamplerState(const MSamplerStateDesc& desc);
    ~MSamplerState();

    MSamplerStateDesc fDesc;
};

class OPENMAYARENDER_EXPORT MBlendState
{
public:
    enum ChannelMask
    {
        kRedChannel = 0x1,
        kGreenChannel = 0x2,
        kBlueChannel = 0x4,
        kAlphaChannel = 0x8
    };
};

class OPENMAYARENDER_EXPORT MStateManager
{
public:
    enum CompareMode
    {
        kCompareNever = 0,
        kCompareLess,
        kCompareEqual,
        kCompareLessEqual,
        kCompareGreater,
        kCompareNotEqual,
        kCompareGreaterEqual,
        kCompareAlways
    };

    // Samplers are shared: equal descriptions give the same state object,
    // which lives while the host runs.
    static const MSamplerState* acquireSamplerState(const MSamplerStateDesc& desc);
    static MStatus releaseSamplerState(const MSamplerState* state);
};

} // namespace MHWRender
