#include "scene/DefaultScene.h"

#include "scene/Scene.h"

namespace nbhost {

namespace {
void set(Node& node, const char* attr, double value)
{
    if (auto a = node.findAttribute(attr))
        node.setValue(*a, PlugValue::ofNumber(value));
}
} // namespace

void DefaultScene::build(Scene& scene)
{
    addCamera(scene, "persp", 28.0, 21.0, 28.0, -27.938, 45.0, false, 44.822);
    addCamera(scene, "top", 0.0, 1000.1, 0.0, -90.0, 0.0, true, 1000.1);
    addCamera(scene, "front", 0.0, 0.0, 1000.1, 0.0, 0.0, true, 1000.1);
    addCamera(scene, "side", 1000.1, 0.0, 0.0, 0.0, 90.0, true, 1000.1);
    if (auto resolution = scene.createNode("resolution", "defaultResolution", nullptr))
        resolution->markDefaultNode();
}

void DefaultScene::addCamera(Scene& scene, const char* name, double tx, double ty, double tz,
                             double rx, double ry, bool ortho, double centerOfInterest)
{
    auto transform = scene.createNode("transform", name, nullptr);
    if (!transform)
        return;
    auto shape = scene.createNode("camera", std::string(name) + "Shape", transform.get());
    if (!shape)
        return;
    transform->markDefaultNode();
    shape->markDefaultNode();
    // The startup cameras are hidden in the views.
    set(*transform, "visibility", 0.0);
    set(*transform, "translateX", tx);
    set(*transform, "translateY", ty);
    set(*transform, "translateZ", tz);
    set(*transform, "rotateX", rx);
    set(*transform, "rotateY", ry);
    set(*shape, "orthographic", ortho ? 1.0 : 0.0);
    set(*shape, "centerOfInterest", centerOfInterest);
}

} // namespace nbhost
