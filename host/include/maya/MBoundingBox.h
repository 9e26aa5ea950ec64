#pragma once
// Axis-aligned bounding box.

#include <maya/MTypes.h>
#include <maya/MPoint.h>

class MMatrix;

class OPENMAYA_EXPORT MBoundingBox
{
public:
    // An empty box, which contains nothing until a point is added.
    MBoundingBox();
    MBoundingBox(const MPoint& corner1, const MPoint& corner2);

    void clear();
    void expand(const MPoint& point);
    void expand(const MBoundingBox& box);
    bool contains(const MPoint& point) const;
    bool intersects(const MBoundingBox& box, double tolerance = 0.0) const;
    // Replaces the box by the box around its eight transformed corners.
    void transformUsing(const MMatrix& matrix);

    double width() const;
    double height() const;
    double depth() const;
    MPoint center() const;
    MPoint min() const;
    MPoint max() const;

private:
    bool m_empty;
    MPoint m_min;
    MPoint m_max;
};
