#include "viewport/GroundGrid.h"

#include "viewport/ViewProjection.h"

#include <cmath>
#include <cstdlib>

namespace nbhost {

namespace {

// The two world axes spanning the grid plane, as indices 0..2.
void gridAxes(const ViewProjection& view, int& u, int& v)
{
    u = 0;
    v = 2;
    if (!view.isOrtho())
        return;
    const MMatrix world = view.viewMatrix().inverse();
    const double dx = std::fabs(world.matrix[2][0]);
    const double dy = std::fabs(world.matrix[2][1]);
    const double dz = std::fabs(world.matrix[2][2]);
    if (dx >= dy && dx >= dz)
        u = 1, v = 2; // looking along X: the YZ plane
    else if (dz >= dy)
        u = 0, v = 1; // looking along Z: the XY plane
}

MPoint worldPoint(int u, double a, int v, double b)
{
    MPoint p(0.0, 0.0, 0.0);
    p[u] = a;
    p[v] = b;
    return p;
}

// Clips a camera-space segment to the part in front of the near plane.
bool clipToNear(MPoint& a, MPoint& b, double nearZ)
{
    const bool aIn = a.z <= nearZ;
    const bool bIn = b.z <= nearZ;
    if (!aIn && !bIn)
        return false;
    if (aIn && bIn)
        return true;
    const double t = (nearZ - a.z) / (b.z - a.z);
    const MPoint cut(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, nearZ);
    (aIn ? b : a) = cut;
    return true;
}

} // namespace

std::vector<GroundGrid::Line> GroundGrid::lines(const ViewProjection& view)
{
    std::vector<Line> result;
    if (!view.isValid())
        return result;
    int u = 0;
    int v = 2;
    gridAxes(view, u, v);
    const double nearZ = -view.nearClip() * 1.001;
    const auto add = [&](MPoint a, MPoint b, Weight weight) {
        a = (a * view.viewMatrix()).cartesianize();
        b = (b * view.viewMatrix()).cartesianize();
        if (!view.isOrtho() && !clipToNear(a, b, nearZ))
            return;
        double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        view.cameraToView(a, x0, y0);
        view.cameraToView(b, x1, y1);
        result.push_back({QLineF(x0, y0, x1, y1), weight});
    };
    for (int i = -kHalfSize; i <= kHalfSize; ++i) {
        const Weight weight = i == 0 ? Weight::Axis : (std::abs(i) % kMajorEvery == 0 ? Weight::Major : Weight::Minor);
        add(worldPoint(u, i, v, -kHalfSize), worldPoint(u, i, v, kHalfSize), weight);
        add(worldPoint(u, -kHalfSize, v, i), worldPoint(u, kHalfSize, v, i), weight);
    }
    return result;
}

} // namespace nbhost
