#include "tools/SelectContext.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MGlobal.h>
#include <maya/MPoint.h>

#include "scene/Node.h"
#include "scene/Scene.h"
#include "viewport/NodeVisibility.h"

#include <cmath>
#include <limits>

namespace nbhost {

SelectContext::SelectContext()
{
    setTitleString("Select Tool");
    setHelpString("Select an object");
}

void SelectContext::getClassName(MString& name) const { name = "selectSuperContext"; }

MStatus SelectContext::doPress(MEvent& event)
{
    if (event.mouseButton() != MEvent::kLeftMouse)
        return MStatus::kSuccess;
    M3dView view = M3dView::active3dView();
    short x = 0;
    short y = 0;
    event.getPosition(x, y);
    MDagPath viewCamera;
    view.getCamera(viewCamera);
    std::string picked;
    double nearest = std::numeric_limits<double>::max();
    for (const auto& node : Scene::instance().nodes()) {
        if (node->type().kind() != NodeType::Kind::Transform || !NodeVisibility::visible(*node))
            continue;
        MDagPath path;
        if (!MDagPath::getAPathTo(node->object(), path) || path == viewCamera)
            continue;
        short vx = 0;
        short vy = 0;
        if (!view.worldToView(MPoint() * path.inclusiveMatrix(), vx, vy))
            continue;
        const double distance = std::hypot(double(vx - x), double(vy - y));
        if (distance <= kPickRadius && distance < nearest) {
            nearest = distance;
            picked = node->name();
        }
    }
    const bool toggle = event.isModifierShift();
    if (!picked.empty())
        return MGlobal::executeCommand(MString(toggle ? "select -tgl " : "select -r ") + picked.c_str(), false, true);
    if (!toggle)
        return MGlobal::executeCommand("select -cl", false, true);
    return MStatus::kSuccess;
}

} // namespace nbhost
