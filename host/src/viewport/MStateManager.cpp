#include <maya/MStateManager.h>

#include <cstring>
#include <memory>
#include <vector>

namespace MHWRender {

MSamplerStateDesc::MSamplerStateDesc() { setDefaults(); }

void MSamplerStateDesc::setDefaults()
{
    filter = MSamplerState::kMinMagMipLinear;
    addressU = MSamplerState::kTexWrap;
    addressV = MSamplerState::kTexWrap;
    addressW = MSamplerState::kTexWrap;
    mipLODBias = 0.0f;
    maxAnisotropy = 16;
    comparisonFn = MStateManager::kCompareNever;
    for (float& channel : borderColor)
        channel = 0.0f;
    minLOD = 0.0f;
    maxLOD = 3.402823466e+38f;
    coordCount = 2;
    elementIndex = 0;
}

MSamplerState::MSamplerState(const MSamplerStateDesc& desc) : fDesc(desc) {}
MSamplerState::~MSamplerState() = default;
const MSamplerStateDesc& MSamplerState::desc() const { return fDesc; }
void* MSamplerState::resourceHandle() const { return const_cast<MSamplerState*>(this); }

namespace {
bool sameDesc(const MSamplerStateDesc& a, const MSamplerStateDesc& b)
{
    return a.filter == b.filter && a.addressU == b.addressU && a.addressV == b.addressV
           && a.addressW == b.addressW && a.mipLODBias == b.mipLODBias && a.maxAnisotropy == b.maxAnisotropy
           && a.comparisonFn == b.comparisonFn && std::memcmp(a.borderColor, b.borderColor, sizeof a.borderColor) == 0
           && a.minLOD == b.minLOD && a.maxLOD == b.maxLOD;
}
} // namespace

const MSamplerState* MStateManager::acquireSamplerState(const MSamplerStateDesc& desc)
{
    static std::vector<std::unique_ptr<MSamplerState, void (*)(MSamplerState*)>> states;
    for (const auto& state : states)
        if (sameDesc(state->desc(), desc))
            return state.get();
    states.emplace_back(new MSamplerState(desc), [](MSamplerState* s) { delete s; });
    return states.back().get();
}

MStatus MStateManager::releaseSamplerState(const MSamplerState* state)
{
    return state ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

} // namespace MHWRender
