#include "MayaUtilTest.h"

#include "base/MayaUtil.h"

#include "events/EventBus.h"
#include "scene/Scene.h"
#include "viewport/View3d.h"

#include <maya/MAnimControl.h>
#include <maya/MDagPath.h>
#include <maya/MGlobal.h>
#include <maya/MPxCommand.h>
#include <maya/MSelectionList.h>
#include <maya/MStringArray.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

MObject NodeNamed(const char* name)
{
    MSelectionList list;
    list.add(MString(name));
    MObject node;
    list.getDependNode(0, node);
    return node;
}

std::string SelectedNames()
{
    MSelectionList list;
    MGlobal::getActiveSelectionList(list);
    MStringArray names;
    list.getSelectionStrings(names);
    std::string result;
    for (unsigned int i = 0; i < names.length(); ++i)
        result += std::string(i ? " " : "") + names[i].asChar();
    return result;
}

TEST_F(MayaUtilTest, PlaybackTimeIsTruncatedInTheUiUnit)
{
    EXPECT_EQ(MayaUtil::GetPlaybackTimeValue(), 1);
    EXPECT_TRUE(MayaUtil::SetPlaybackTime(MTime(3.7, MTime::kFilm)));
    EXPECT_EQ(MayaUtil::GetPlaybackTimeValue(), 3);
    MayaUtil::SetPlaybackTime(MTime(-2.5, MTime::kFilm));
    EXPECT_EQ(MayaUtil::GetPlaybackTimeValue(), -2);

    ASSERT_TRUE(eval("currentUnit -time ntsc").ok);
    MayaUtil::SetPlaybackTime(45);
    EXPECT_DOUBLE_EQ(MayaUtil::GetPlaybackTime().as(MTime::kNTSCFrame), 45.0);
    EXPECT_DOUBLE_EQ(MayaUtil::GetPlaybackTime().as(MTime::kFilm), 36.0);
    EXPECT_EQ(MayaUtil::GetPlaybackTimeValue(), 45);
}

// Answers range queries with the values it is given.
class FixedRangeCommand : public MPxCommand
{
public:
    static std::vector<double> answer;
    static void* creator() { return new FixedRangeCommand; }
    MStatus doIt(const MArgList&) override
    {
        setResult(MDoubleArray(answer.data(), static_cast<unsigned int>(answer.size())));
        return MStatus::kSuccess;
    }
};
std::vector<double> FixedRangeCommand::answer;

TEST_F(MayaUtilTest, TimeSliderRangeIsTheHighlightOrTheCurrentFrame)
{
    MDoubleArray range;
    ASSERT_TRUE(MayaUtil::SetPlaybackTime(MTime(12.0, MTime::kFilm)));
    EXPECT_TRUE(MayaUtil::GetTimeSliderRange(range));
    EXPECT_EQ(range, MDoubleArray(std::vector<double>{12.0, 13.0}.data(), 2));
    EXPECT_FALSE(MayaUtil::IsTimeSliderRangeVisible());

    ASSERT_TRUE(eval("timeControl -e -highlightedRange 5 9 $gPlayBackSlider").ok);
    EXPECT_TRUE(MayaUtil::GetTimeSliderRange(range));
    EXPECT_EQ(range, MDoubleArray(std::vector<double>{5.0, 9.0}.data(), 2));
    EXPECT_TRUE(MayaUtil::IsTimeSliderRangeVisible());

    // An empty range, or an answer too short to be a range, is no range.
    ASSERT_TRUE(host().commands().deregisterCommand("timeControl"));
    host().commands().registerCommand("timeControl", FixedRangeCommand::creator, nullptr, "tests");
    FixedRangeCommand::answer = {7.0, 7.0};
    EXPECT_FALSE(MayaUtil::GetTimeSliderRange(range));
    FixedRangeCommand::answer = {7.0};
    EXPECT_FALSE(MayaUtil::GetTimeSliderRange(range));
    FixedRangeCommand::answer = {};
    EXPECT_FALSE(MayaUtil::GetTimeSliderRange(range));
}

TEST_F(MayaUtilTest, RefreshTimeControlRaisesASelectionChangeAndKeepsTheSelection)
{
    // Shared with the listener, which the host may still call while it quits.
    auto changes = std::make_shared<int>(0);
    host().events().addEventListener("SelectionChanged", [changes] { ++*changes; });
    const MObject top = NodeNamed("top");

    MGlobal::clearSelectionList();
    *changes = 0;
    MayaUtil::RefreshTimeControl(top);
    EXPECT_GT(*changes, 0);
    EXPECT_EQ(SelectedNames(), "");

    MGlobal::selectByName("side", MGlobal::kReplaceList);
    MGlobal::selectByName("persp", MGlobal::kAddToList);
    *changes = 0;
    MayaUtil::RefreshTimeControl(top);
    EXPECT_GT(*changes, 0);
    EXPECT_EQ(SelectedNames(), "side persp");
}

TEST_F(MayaUtilTest, CamerasAreListedOnceByTheirTransformName)
{
    QStringList cameras{"stale"};
    MayaUtil::GetCameras(cameras);
    EXPECT_EQ(cameras, (QStringList{"persp", "top", "front", "side"}));

    nbhost::Scene::instance().createNode("camera", "", nullptr);
    MayaUtil::GetCameras(cameras);
    EXPECT_EQ(cameras, (QStringList{"persp", "top", "front", "side", "camera1"}));

    EXPECT_TRUE(MayaUtil::CameraExists(QStringLiteral("camera1")));
    EXPECT_TRUE(MayaUtil::CameraExists(MString("front")));
    EXPECT_FALSE(MayaUtil::CameraExists(QStringLiteral("Front")));
    EXPECT_FALSE(MayaUtil::CameraExists(QStringLiteral("frontShape")));
    EXPECT_FALSE(MayaUtil::CameraExists(QStringLiteral("|front")));
    EXPECT_FALSE(MayaUtil::CameraExists(QString()));
}

// A view as the GUI's model panels provide them.
class FakeView : public nbhost::View3d
{
public:
    explicit FakeView(const char* camera) : m_camera(camera) {}
    bool camera(MDagPath& path) const override
    {
        MSelectionList list;
        return list.add(MString(m_camera)) && list.getDagPath(0, path);
    }

private:
    const char* m_camera;
};

TEST_F(MayaUtilTest, ActiveViewCameraNameIsItsTransform)
{
    EXPECT_EQ(MayaUtil::GetActive3dViewCameraName(), QString());

    FakeView shapeView("topShape");
    nbhost::View3d::setActive(&shapeView);
    EXPECT_EQ(MayaUtil::GetActive3dViewCameraName(), "top");
    {
        FakeView transformView("side");
        nbhost::View3d::setActive(&transformView);
        EXPECT_EQ(MayaUtil::GetActive3dViewCameraName(), "side");
    }
    // A destroyed view is no longer the active one.
    EXPECT_EQ(MayaUtil::GetActive3dViewCameraName(), QString());

    FakeView noCamera("noSuchCamera");
    nbhost::View3d::setActive(&noCamera);
    EXPECT_EQ(MayaUtil::GetActive3dViewCameraName(), QString());
    nbhost::View3d::setActive(nullptr);
}

} // namespace
