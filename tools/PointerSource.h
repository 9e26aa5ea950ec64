#pragma once

#include <QPoint>

// Where the stroke input thread reads the pointer: the global screen
// position, queried from the worker thread. Implementations must be safe
// to call from a thread other than the GUI thread.
class PointerSource
{
public:
    virtual ~PointerSource() = default;
    virtual QPoint GlobalPosition() const = 0;
};
