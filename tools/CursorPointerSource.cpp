#include "tools/CursorPointerSource.h"

#include <QCursor>

QPoint CursorPointerSource::GlobalPosition() const
{
    return QCursor::pos();
}
