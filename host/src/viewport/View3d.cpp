#include "viewport/View3d.h"

namespace nbhost {

namespace {
View3d* activeView = nullptr;
} // namespace

View3d::~View3d()
{
    if (activeView == this)
        activeView = nullptr;
}

View3d* View3d::active()
{
    return activeView;
}

void View3d::setActive(View3d* view)
{
    activeView = view;
}

} // namespace nbhost
