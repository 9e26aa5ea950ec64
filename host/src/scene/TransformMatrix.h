#pragma once

#include <maya/MMatrix.h>

namespace nbhost {

class Node;

// Matrices of DAG nodes. A transform's local matrix is scale, then rotation
// about X, Y and Z in that order (rotate values in degrees), then
// translation; other nodes add nothing.
class TransformMatrix
{
public:
    static MMatrix local(const Node& node);
    // The node's local matrix and those of all its ancestors.
    static MMatrix inclusive(const Node& node);
    // Its ancestors' matrices only.
    static MMatrix exclusive(const Node& node);
};

} // namespace nbhost
