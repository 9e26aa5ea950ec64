#pragma once

#include <QLineF>

#include <vector>

namespace nbhost {

class ViewProjection;

// The ground grid as a view sees it: lines every unit from -12 to 12, a
// major line every 5 and the two axes, in the ground plane (XZ) for a
// perspective camera and, for an orthographic one, in the axis plane it
// looks at most directly. Lines are clipped at the near plane and given in
// view pixels (origin bottom left).
class GroundGrid
{
public:
    enum class Weight { Minor, Major, Axis };
    struct Line
    {
        QLineF line;
        Weight weight;
    };

    static constexpr int kHalfSize = 12;
    static constexpr int kMajorEvery = 5;

    static std::vector<Line> lines(const ViewProjection& view);
};

} // namespace nbhost
