#include "scene/TransformMatrix.h"

#include "scene/Node.h"

#include <cmath>

namespace nbhost {

namespace {

double valueOf(const Node& node, const char* attr, double fallback)
{
    auto a = node.findAttribute(attr);
    return a ? node.value(*a).number : fallback;
}

MMatrix rotation(int axis, double degrees)
{
    const double r = degrees * 3.14159265358979323846 / 180.0, c = std::cos(r), s = std::sin(r);
    MMatrix m;
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    m(i, i) = c;
    m(i, j) = s;
    m(j, i) = -s;
    m(j, j) = c;
    return m;
}

} // namespace

MMatrix TransformMatrix::local(const Node& node)
{
    MMatrix m;
    if (node.type().kind() != NodeType::Kind::Transform || node.isDestroyed())
        return m;
    MMatrix scale;
    scale(0, 0) = valueOf(node, "scaleX", 1.0);
    scale(1, 1) = valueOf(node, "scaleY", 1.0);
    scale(2, 2) = valueOf(node, "scaleZ", 1.0);
    MMatrix translate;
    translate(3, 0) = valueOf(node, "translateX", 0.0);
    translate(3, 1) = valueOf(node, "translateY", 0.0);
    translate(3, 2) = valueOf(node, "translateZ", 0.0);
    return scale * rotation(0, valueOf(node, "rotateX", 0.0))
         * rotation(1, valueOf(node, "rotateY", 0.0)) * rotation(2, valueOf(node, "rotateZ", 0.0))
         * translate;
}

MMatrix TransformMatrix::inclusive(const Node& node)
{
    return local(node) * exclusive(node);
}

MMatrix TransformMatrix::exclusive(const Node& node)
{
    return node.parent() ? inclusive(*node.parent()) : MMatrix();
}

} // namespace nbhost
