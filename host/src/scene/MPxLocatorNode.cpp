#include <maya/MPxLocatorNode.h>

// Filled with the shared locator attributes when the host builds its node
// types.
MObject MPxLocatorNode::localPosition;
MObject MPxLocatorNode::localPositionX;
MObject MPxLocatorNode::localPositionY;
MObject MPxLocatorNode::localPositionZ;
MObject MPxLocatorNode::localScale;
MObject MPxLocatorNode::localScaleX;
MObject MPxLocatorNode::localScaleY;
MObject MPxLocatorNode::localScaleZ;

MPxLocatorNode::MPxLocatorNode() = default;
MPxLocatorNode::~MPxLocatorNode() = default;

MPxNode::Type MPxLocatorNode::type() const { return kLocatorNode; }
void MPxLocatorNode::draw(M3dView&, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus) {}
bool MPxLocatorNode::isBounded() const { return false; }
MBoundingBox MPxLocatorNode::boundingBox() const { return MBoundingBox(); }
bool MPxLocatorNode::excludeAsLocator() const { return true; }
bool MPxLocatorNode::isTransparent() const { return false; }
bool MPxLocatorNode::drawLast() const { return false; }
