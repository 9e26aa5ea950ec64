#include "MayaUtilTest.h"

#include "base/MayaUtil.h"

#include <maya/MDoubleArray.h>

#include <gtest/gtest.h>

#include <QtGlobal>

// The test script resource registers itself at start; these take it away
// and back. The resource macros must be used outside any namespace.
static void RemoveTestScripts()
{
    Q_CLEANUP_RESOURCE(testscripts);
}

static void AddTestScripts()
{
    Q_INIT_RESOURCE(testscripts);
}

namespace {

// Answers the colour slider's queries as the GUI host would.
class FakeColorSliderCommand : public MPxCommand
{
public:
    static void* creator() { return new FakeColorSliderCommand; }
    MStatus doIt(const MArgList& args) override
    {
        if (args.length() > 0 && args.asString(0) == "-q") {
            const double rgb[] = {0.5, 1.0, 0.0019};
            setResult(MDoubleArray(rgb, 3));
        } else {
            setResult(args.asString(args.length() - 1));
        }
        return MStatus::kSuccess;
    }
};

TEST_F(MayaUtilTest, TypedEvaluationDemandsTheResultType)
{
    int i = -7;
    double d = -7.0;
    MDoubleArray array;
    MString m("unchanged");
    QString q("unchanged");

    EXPECT_TRUE(MayaUtil::ExecuteMelIntResult(QStringLiteral("about -batch"), i));
    EXPECT_EQ(i, 1);
    EXPECT_TRUE(MayaUtil::ExecuteMelDoubleResult(MString("currentTime -q"), d));
    EXPECT_EQ(d, 1.0);
    EXPECT_TRUE(MayaUtil::ExecuteMelDoubleArrayResult(MString("timeControl -q -rangeArray $gPlayBackSlider"), array));
    EXPECT_EQ(array.length(), 2u);
    EXPECT_TRUE(MayaUtil::ExecuteMelStringResult(QStringLiteral("about -version"), q));
    EXPECT_EQ(q, "2020");

    i = -7;
    d = -7.0;
    q = "unchanged";
    EXPECT_FALSE(MayaUtil::ExecuteMelIntResult(QStringLiteral("currentTime -q"), i));
    EXPECT_FALSE(MayaUtil::ExecuteMelDoubleResult(QStringLiteral("about -batch"), d));
    EXPECT_FALSE(MayaUtil::ExecuteMelDoubleArrayResult(QStringLiteral("about -version"), array));
    EXPECT_FALSE(MayaUtil::ExecuteMelStringResult(MString("about -batch"), m));
    EXPECT_FALSE(MayaUtil::ExecuteMelStringResult(QStringLiteral("noSuchCommand"), q));
    EXPECT_FALSE(MayaUtil::ExecuteMelIntResult(QStringLiteral("about -batch -foo"), i));
    EXPECT_EQ(i, -7);
    EXPECT_EQ(d, -7.0);
    EXPECT_EQ(array.length(), 2u);
    EXPECT_EQ(m, MString("unchanged"));
    EXPECT_EQ(q, "unchanged");
}

TEST_F(MayaUtilTest, EnvironmentQueries)
{
    EXPECT_TRUE(MayaUtil::IsBatchMode());
    EXPECT_EQ(MayaUtil::GetMayaPrefsDirectory(), QString::fromStdString(prefsDir()) + "/");

    EXPECT_FALSE(MayaUtil::CachedPlaybackEnabled());
    ASSERT_TRUE(eval("optionVar -iv cachedPlaybackEnable 0").ok);
    EXPECT_FALSE(MayaUtil::CachedPlaybackEnabled());
    ASSERT_TRUE(eval("optionVar -iv cachedPlaybackEnable 1").ok);
    EXPECT_TRUE(MayaUtil::CachedPlaybackEnabled());

    // Batch mode has a time control but no widget for it.
    EXPECT_EQ(MayaUtil::GetTimeControlWidget(), nullptr);
    EXPECT_TRUE(output().errors().empty()) << output().errors();
}

TEST_F(MayaUtilTest, ColorSliderControlsFailCleanlyWithoutAnInterface)
{
    EXPECT_EQ(MayaUtil::CreateColorSliderGrp("vxGhostPrevOverrideColorBtn", 24, 18), nullptr);
    EXPECT_FALSE(MayaUtil::GetColorSliderGrpColor("vxGhostPrevOverrideColorBtn").isValid());

    // In place of the host's own control command, which needs the interface.
    host().commands().deregisterCommand("colorSliderGrp");
    ASSERT_TRUE(host().commands().registerCommand("colorSliderGrp", FakeColorSliderCommand::creator,
                                                  nullptr, "tests"));
    issued();
    EXPECT_EQ(MayaUtil::CreateColorSliderGrp("swatch", 24, 18), nullptr);
    MayaUtil::SetColorSliderGrpColor("swatch", QColor(255, 128, 0));
    EXPECT_EQ(MayaUtil::GetColorSliderGrpColor("swatch"), QColor(128, 255, 0, 255));
    MayaUtil::SetColorSliderGrpChangeCommand("swatch", "vxNiblineUtil -rtb; print \"done\"");
    const std::vector<Issued> expected = {
        {"colorSliderGrp -columnWidth3 0 24 0 swatch", false, false},
        {"colorSliderGrp -e -rgbValue 1 0.501961 0 swatch", false, false},
        {"colorSliderGrp -q -rgbValue swatch", false, false},
        {"colorSliderGrp -e -changeCommand \"vxNiblineUtil -rtb; print \\\"done\\\"\" swatch", false, false},
    };
    EXPECT_EQ(issued(), expected);
}

// The menu script works on settings members: each test starts from and
// returns to their stored values.
class MenuScriptTest : public MayaUtilTest
{
protected:
    void SetUp() override
    {
        MayaUtilTest::SetUp();
        ASSERT_TRUE(Settings::WriteUserConfig(QString::fromStdString(prefsDir()) + "/saved.ini"));
    }
    void TearDown() override
    {
        Settings::ReadUserConfig(QString::fromStdString(prefsDir()) + "/saved.ini");
        MayaUtilTest::TearDown();
    }

    std::string queryString(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << result.error;
        return result.value.asString();
    }
};

TEST_F(MenuScriptTest, SourcingReplacesEveryNameTokenUpToTheZeroByte)
{
    Settings::mainMenuName = "My \"Menu\"";
    ASSERT_TRUE(MayaUtil::SourceScripts());
    const std::vector<Issued> sourced = issued();
    ASSERT_EQ(sourced.size(), 1u);
    EXPECT_FALSE(sourced[0].display || sourced[0].undo);
    EXPECT_EQ(sourced[0].text.find("Everything after"), std::string::npos);

    EXPECT_EQ(queryString("nbTestNameTokens()"),
              "My \"Menu\"|vxNiblineNode|vxNiblineLayer|vxNiblineFrame|vxNiblineUtil|"
              "vxNbCreateMainMenu|vxNbDeleteMainMenu|vxNbUpdateMainMenu|vxNbCreateFloatingViewport|"
              "vxNbViewportLookThrough|vxNbViewportCreateCamera|vxNbDeleteActiveLayer|"
              "vxNbDeleteActiveCameraLayers|vxNbDeleteAllNodes|vxNibline|{main_menu_name}");
    EXPECT_EQ(queryString("nbTestLatin1()"), "caf\xc3\xa9");
    EXPECT_EQ(MayaUtil::ParseScript("{NODE_CMD}{NODE_CMD} {NODE_CMD"), "vxNiblineNodevxNiblineNode {NODE_CMD");
}

TEST_F(MenuScriptTest, MenuProceduresAreCalledWithTheSettings)
{
    EXPECT_FALSE(MayaUtil::CreateMainMenu());
    ASSERT_TRUE(MayaUtil::SourceScripts());
    issued();

    Settings::showMainMenuInAnimationSet = true;
    Settings::activeTool = 4;
    Settings::ghostPrev = true;
    Settings::ghostNext = false;
    Settings::timelineFrameDisplay = 2;
    EXPECT_TRUE(MayaUtil::CreateMainMenu());
    EXPECT_TRUE(MayaUtil::UpdateMainMenu());
    EXPECT_TRUE(MayaUtil::DeleteMainMenu());
    EXPECT_TRUE(MayaUtil::CreateFloatingViewport(""));
    EXPECT_TRUE(MayaUtil::CreateFloatingViewport("persp"));
    const std::vector<Issued> expected = {
        {"vxNbCreateMainMenu(1)", false, false},
        {"vxNbUpdateMainMenu(4, 1, 0, 2)", false, false},
        {"vxNbDeleteMainMenu", false, false},
        {"vxNbCreateFloatingViewport(\"\")", false, true},
        {"vxNbCreateFloatingViewport(\"persp\")", false, true},
    };
    EXPECT_EQ(issued(), expected);
    const nbhost::EvalResult calls = eval("nbTestCalls()");
    EXPECT_EQ(calls.value.asStringArray(),
              (std::vector<std::string>{"create 1", "update 4 1 0 2", "delete", "floating <>", "floating <persp>"}));
}

TEST_F(MenuScriptTest, AMissingScriptResourceIsAFailure)
{
    RemoveTestScripts();
    EXPECT_FALSE(MayaUtil::SourceScripts());
    EXPECT_TRUE(issued().empty());
    AddTestScripts();
    EXPECT_TRUE(MayaUtil::SourceScripts());
}

} // namespace
