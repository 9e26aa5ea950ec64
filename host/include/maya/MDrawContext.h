#pragma once
// The frame context of a draw in progress.

#include <maya/MFrameContext.h>

namespace MHWRender {

class OPENMAYARENDER_EXPORT MDrawContext : public MFrameContext
{
public:
    MStatus getRenderTargetSize(int& width, int& height) const;

protected:
    explicit MDrawContext(const nbhost::ViewProjection& projection);
    ~MDrawContext() override;
};

} // namespace MHWRender
