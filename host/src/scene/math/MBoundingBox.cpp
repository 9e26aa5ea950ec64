#include <maya/MBoundingBox.h>

#include <maya/MMatrix.h>

#include <algorithm>

MBoundingBox::MBoundingBox() : m_empty(true) {}

MBoundingBox::MBoundingBox(const MPoint& corner1, const MPoint& corner2) : m_empty(true)
{
    expand(corner1);
    expand(corner2);
}

void MBoundingBox::clear()
{
    m_empty = true;
    m_min = m_max = MPoint();
}

void MBoundingBox::expand(const MPoint& point)
{
    MPoint p(point);
    p.cartesianize();
    if (m_empty) {
        m_min = m_max = MPoint(p.x, p.y, p.z);
        m_empty = false;
        return;
    }
    m_min = MPoint(std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z));
    m_max = MPoint(std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z));
}

void MBoundingBox::expand(const MBoundingBox& box)
{
    if (box.m_empty)
        return;
    expand(box.m_min);
    expand(box.m_max);
}

bool MBoundingBox::contains(const MPoint& point) const
{
    if (m_empty)
        return false;
    MPoint p(point);
    p.cartesianize();
    return p.x >= m_min.x && p.x <= m_max.x && p.y >= m_min.y && p.y <= m_max.y
        && p.z >= m_min.z && p.z <= m_max.z;
}

bool MBoundingBox::intersects(const MBoundingBox& box, double tolerance) const
{
    if (m_empty || box.m_empty)
        return false;
    return m_min.x <= box.m_max.x + tolerance && box.m_min.x <= m_max.x + tolerance
        && m_min.y <= box.m_max.y + tolerance && box.m_min.y <= m_max.y + tolerance
        && m_min.z <= box.m_max.z + tolerance && box.m_min.z <= m_max.z + tolerance;
}

void MBoundingBox::transformUsing(const MMatrix& matrix)
{
    if (m_empty)
        return;
    const MPoint lo = m_min, hi = m_max;
    clear();
    for (int i = 0; i < 8; ++i)
        expand(MPoint(i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z) * matrix);
}

double MBoundingBox::width() const { return m_max.x - m_min.x; }
double MBoundingBox::height() const { return m_max.y - m_min.y; }
double MBoundingBox::depth() const { return m_max.z - m_min.z; }

MPoint MBoundingBox::center() const
{
    return MPoint((m_min.x + m_max.x) * 0.5, (m_min.y + m_max.y) * 0.5, (m_min.z + m_max.z) * 0.5);
}

MPoint MBoundingBox::min() const { return m_min; }
MPoint MBoundingBox::max() const { return m_max; }
