// Points, vectors, matrices, bounding boxes and the transform matrices of
// DAG nodes.
#include "SceneFixture.h"

#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MMatrix.h>
#include <maya/MPlug.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace scenetest {
namespace {

TEST(MathTest, MatrixInverseUndoesTheMatrixAndSingularGivesIdentity)
{
    const double values[4][4] = {{2, 0, 0, 0}, {0, 0, 3, 0}, {0, -1, 0, 0}, {4, 5, 6, 1}};
    MMatrix m(values);
    EXPECT_TRUE((m * m.inverse()).isEquivalent(MMatrix::identity, 1e-12));
    EXPECT_NEAR(m.det4x4(), 6.0, 1e-12);
    EXPECT_FALSE(m.isSingular());
    MMatrix singular;
    singular(2, 2) = 0.0;
    EXPECT_TRUE(singular.isSingular());
    EXPECT_EQ(singular.inverse(), MMatrix::identity);
    EXPECT_EQ(m.transpose()(3, 0), 0.0);
    EXPECT_EQ(m.transpose()(0, 3), 4.0);
}

TEST(MathTest, PointsTakeTranslationAndVectorsDoNot)
{
    MMatrix move;
    move(3, 0) = 10.0;
    EXPECT_EQ(MPoint(1, 2, 3) * move, MPoint(11, 2, 3));
    EXPECT_EQ(MVector(1, 2, 3) * move, MVector(1, 2, 3));
    MPoint homogeneous(2, 4, 6, 2);
    EXPECT_EQ(homogeneous.cartesianize(), MPoint(1, 2, 3));
    EXPECT_EQ(MPoint(1, 1, 1).distanceTo(MPoint(1, 1, 4)), 3.0);
    EXPECT_EQ(MVector::xAxis ^ MVector::yAxis, MVector::zAxis);
    EXPECT_EQ(MVector(1, 2, 3) * MVector(4, 5, 6), 32.0);
    MVector zero;
    EXPECT_EQ(zero.normalize(), MStatus::kFailure);
    EXPECT_EQ(MVector(0, 3, 4).normal(), MVector(0, 0.6, 0.8));
}

TEST(MathTest, BoundingBoxesGrowAndTransform)
{
    MBoundingBox box;
    EXPECT_FALSE(box.contains(MPoint(0, 0, 0)));
    box.expand(MPoint(1, 2, 3));
    box.expand(MPoint(-1, 0, 5));
    EXPECT_EQ(box.min(), MPoint(-1, 0, 3));
    EXPECT_EQ(box.width(), 2.0);
    EXPECT_TRUE(box.contains(MPoint(0, 1, 4)));
    MMatrix scale;
    scale(0, 0) = -2.0;
    box.transformUsing(scale);
    EXPECT_EQ(box.min().x, -2.0);
    EXPECT_EQ(box.max().x, 2.0);
    EXPECT_TRUE(MBoundingBox(MPoint(), MPoint()).contains(MPoint()));
}

class TransformMatrixTest : public SceneFixture
{
};

TEST_F(TransformMatrixTest, RotationAppliesXThenYThenZAndParentsCompose)
{
    MObject parent = create("transform", "parent");
    MObject child = create("transform", "child", "parent");
    MFnDependencyNode fnChild(child);
    fnChild.findPlug("rx", true).setDouble(90.0);
    fnChild.findPlug("ry", true).setDouble(90.0);
    fnChild.findPlug("sy", true).setDouble(2.0);
    MFnDependencyNode(parent).findPlug("tz", true).setDouble(5.0);

    const MMatrix local = MFnDagNode(child).transformationMatrix();
    EXPECT_TRUE((MPoint(0, 1, 0) * local).isEquivalent(MPoint(2, 0, 0), 1e-12));
    const MMatrix world = MDagPath::getAPathTo(child).inclusiveMatrix();
    EXPECT_TRUE((MPoint(0, 1, 0) * world).isEquivalent(MPoint(2, 0, 5), 1e-12));
    EXPECT_TRUE((MPoint(0, 0, 0) * MDagPath::getAPathTo(child).exclusiveMatrix())
                    .isEquivalent(MPoint(0, 0, 5), 1e-12));
    EXPECT_TRUE((world * MDagPath::getAPathTo(child).inclusiveMatrixInverse())
                    .isEquivalent(MMatrix::identity, 1e-12));
}

} // namespace
} // namespace scenetest
