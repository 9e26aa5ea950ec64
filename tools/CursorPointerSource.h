#pragma once

#include "tools/PointerSource.h"

// The window system's pointer. The query goes to the display server and
// reads no widget, so the worker thread may make it.
class CursorPointerSource : public PointerSource
{
public:
    QPoint GlobalPosition() const override;
};
