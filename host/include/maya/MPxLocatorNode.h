#pragma once
// Base class of plug-in locators: DAG shapes the plug-in draws itself.

#include <maya/MPxNode.h>
#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>

class MDagPath;

class OPENMAYA_EXPORT MPxLocatorNode : public MPxNode
{
public:
    MPxLocatorNode();
    ~MPxLocatorNode() override;

    MPxNode::Type type() const override;

    // Legacy viewport drawing, with the view's GL context current.
    virtual void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style,
                      M3dView::DisplayStatus status);
    virtual bool isBounded() const;
    virtual MBoundingBox boundingBox() const;
    // True hides the node with the view's locator display switch.
    virtual bool excludeAsLocator() const;
    virtual bool isTransparent() const;
    virtual bool drawLast() const;

    static MObject localPosition;
    static MObject localPositionX;
    static MObject localPositionY;
    static MObject localPositionZ;
    static MObject localScale;
    static MObject localScaleX;
    static MObject localScaleY;
    static MObject localScaleZ;
};
