#pragma once

namespace nbhost {

class Scene;

// The nodes of a new scene: the cameras persp (perspective), top, front
// and side (orthographic), each a transform over a camera shape, and the
// render resolution node defaultResolution (960 x 540). They are default
// nodes: they cannot be deleted.
class DefaultScene
{
public:
    static void build(Scene& scene);

private:
    static void addCamera(Scene& scene, const char* name, double tx, double ty, double tz,
                          double rx, double ry, bool ortho, double centerOfInterest);
};

} // namespace nbhost
