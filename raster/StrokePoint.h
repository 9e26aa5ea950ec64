#pragma once

#include <QPoint>

// One sampled position of a stroke, with the tool state at the moment it was
// taken. A plain value record: the field order is the order of aggregate
// initialisation, StrokePoint{width, opacity, hardness, position}.
struct StrokePoint
{
    int width = 1;          // tool size: pen width, stamp diameter or text point size
    float opacity = 1.0f;   // 0..1, tool opacity times pen pressure when pressure is on
    float hardness = 1.0f;  // 0..1, carried with the point; drawing does not use it
    QPoint position;        // frame-image pixels, origin at the top left
};
