#pragma once

#include <maya/MColor.h>

#include <QImage>
#include <QPointF>
#include <QString>

#include <vector>

namespace nbhost {

// What an MUIDrawManager recorded: primitives in view pixels (origin at
// the bottom left), each with the state of its drawable when it was added.
class DrawableList
{
public:
    struct State
    {
        MColor color{1.0f, 1.0f, 1.0f, 1.0f};
        float lineWidth = 1.0f;
        float pointSize = 2.0f;
        int lineStyle = 0;      // MUIDrawManager::LineStyle
        int fontSize = 12;
        QString fontName;
        QImage texture;         // null: none
        bool linearFilter = true;
        int textureMask = 0xF;  // MBlendState::ChannelMask bits
        int selectability = 0;
        unsigned int selectionName = 0;
    };

    enum class Kind { Point, Line, Rect, Circle, Text };

    struct Primitive
    {
        Kind kind = Kind::Line;
        State state;
        QPointF a;          // point, line start, centre, text position
        QPointF b;          // line end; for a rectangle its up vector
        double sizeX = 0.0; // rectangle half extents, circle radius
        double sizeY = 0.0;
        bool filled = false;
        QString text;
        int alignment = 0;  // MUIDrawManager::TextAlignment
        bool hasBackground = false;
        int backgroundWidth = 0;
        int backgroundHeight = 0;
        MColor backgroundColor;
    };

    // Recording: state changes and primitives count only between begin and end.
    bool beginDrawable(int selectability, unsigned int selectionName);
    void endDrawable();
    bool isOpen() const { return m_open; }
    State* state() { return m_open ? &m_state : nullptr; }
    void add(Primitive primitive);

    const std::vector<Primitive>& primitives() const { return m_primitives; }
    bool empty() const { return m_primitives.empty(); }
    void clear();

private:
    bool m_open = false;
    State m_state;
    std::vector<Primitive> m_primitives;
};

} // namespace nbhost
