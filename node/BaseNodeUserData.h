#pragma once

#include <maya/MPoint.h>
#include <maya/MUserData.h>

class QImage;

// What one Viewport 2.0 draw of a drawing node needs, gathered in the
// preparation step. The host keeps it between frames and hands it back to
// the next preparation, which refreshes it.
class BaseNodeUserData : public MUserData
{
public:
    BaseNodeUserData();

    const QImage* image = nullptr; // the layer manager's, not owned
    float opacity = 1.0f;
    MPoint centre{0.0, 0.0, 0.0, 1.0};
    float halfSize = 1.0f;
    bool drawOutline = false;
    MPoint corners[4];
};
