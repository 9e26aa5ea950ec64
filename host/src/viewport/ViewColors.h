#pragma once

#include "viewport/GroundGrid.h"

#include <QColor>

namespace nbhost {

// The colours of the views, shared by both renderers.
class ViewColors
{
public:
    static QColor backgroundTop() { return QColor(135, 154, 176); }
    static QColor backgroundBottom() { return QColor(22, 24, 28); }
    static QColor gate() { return QColor(225, 225, 225); }
    static QColor grid(GroundGrid::Weight weight)
    {
        switch (weight) {
        case GroundGrid::Weight::Axis: return QColor(20, 20, 20);
        case GroundGrid::Weight::Major: return QColor(60, 60, 60);
        default: return QColor(95, 95, 95);
        }
    }
};

} // namespace nbhost
