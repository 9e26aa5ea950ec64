#pragma once

#include <maya/MDrawContext.h>

namespace nbhost {

// The frame context the host hands to draw overrides and tool contexts
// for one drawing or one event of a view.
class ViewFrameContext : public MHWRender::MDrawContext
{
public:
    explicit ViewFrameContext(const ViewProjection& projection) : MDrawContext(projection) {}
};

} // namespace nbhost
