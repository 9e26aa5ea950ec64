#include "base/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Every test starts from and returns to the members as they were.
class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(Settings::WriteUserConfig(dir.filePath("backup.ini")));
    }

    void TearDown() override { Settings::ReadUserConfig(dir.filePath("backup.ini")); }

    QString WriteFile(const QByteArray& content)
    {
        // A new name each time: Qt caches settings files by path.
        const QString path = dir.filePath(QString("user%1.ini").arg(++fileCount));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }

    QTemporaryDir dir;
    int fileCount = 0;
};

TEST_F(SettingsFile, FirstWriteCreatesEveryKeyWithVersionOne)
{
    const QString path = dir.filePath("new/nibline2.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("new")));
    ASSERT_TRUE(Settings::WriteUserConfig(path));

    QSettings file(path, QSettings::IniFormat);
    EXPECT_EQ(file.value("main/version").toInt(), 1);
    EXPECT_EQ(file.childGroups(), (QStringList{"main", "preferences", "tools"}));
    file.beginGroup("main");
    EXPECT_EQ(file.childKeys().size(), 7);
    file.endGroup();
    file.beginGroup("tools");
    EXPECT_EQ(file.childKeys().size(), 28);
    file.endGroup();
    file.beginGroup("preferences");
    EXPECT_EQ(file.childKeys().size(), 16);
    file.endGroup();
    EXPECT_FALSE(file.value("tools/textFontFamily").toString().isEmpty());
}

TEST_F(SettingsFile, RoundTripKeepsEveryKindOfValue)
{
    Settings::mainMenuName = "My \"Menu\" = 1; x";
    Settings::toolboxGeometry = QByteArray("\x01\x00\xff geometry", 12);
    Settings::activeTool = 6;
    Settings::activeColor = QColor(10, 20, 30, 40);
    Settings::textFontFamily = "DejaVu Serif, Bold";
    Settings::defaultStaticFrameTime = -50000;
    Settings::ignore2dPanZoom = true;
    const QString path = dir.filePath("round.ini");
    ASSERT_TRUE(Settings::WriteUserConfig(path));

    Settings::ReadUserConfig(dir.filePath("backup.ini"));
    ASSERT_EQ(Settings::activeTool, 1);
    Settings::ReadUserConfig(path);

    EXPECT_EQ(Settings::mainMenuName, "My \"Menu\" = 1; x");
    EXPECT_EQ(Settings::toolboxGeometry, QByteArray("\x01\x00\xff geometry", 12));
    EXPECT_EQ(Settings::activeTool, 6);
    EXPECT_EQ(Settings::activeColor, QColor(10, 20, 30, 40));
    EXPECT_EQ(Settings::textFontFamily, "DejaVu Serif, Bold");
    EXPECT_EQ(Settings::defaultStaticFrameTime, -50000);
    EXPECT_TRUE(Settings::ignore2dPanZoom);
}

TEST_F(SettingsFile, OutOfRangeValuesAreClampedResetOrIgnored)
{
    Settings::ReadUserConfig(WriteFile("[tools]\n"
                                       "pencilSize=500\n"
                                       "lineSize=0\n"
                                       "rectangleSize=51\n"
                                       "brushOpacity=-20\n"
                                       "ghostPrevCount=12\n"
                                       "ghostNextCount=0\n"
                                       "activeTool=8\n"
                                       "[preferences]\n"
                                       "defaultLayerState=5\n"
                                       "timelineFrameDisplay=-1\n"
                                       "defaultStaticFrameTime=12\n"));
    EXPECT_EQ(Settings::pencilSize, 100);
    EXPECT_EQ(Settings::lineSize, 1);
    EXPECT_EQ(Settings::rectangleSize, 50);
    EXPECT_EQ(Settings::brushOpacity, 1);
    EXPECT_EQ(Settings::ghostPrevCount, 3);
    EXPECT_EQ(Settings::ghostNextCount, 3);
    EXPECT_EQ(Settings::activeTool, 1);
    EXPECT_EQ(Settings::defaultLayerState, 0);
    EXPECT_EQ(Settings::timelineFrameDisplay, 0);
    EXPECT_EQ(Settings::defaultStaticFrameTime, 12);
}

TEST_F(SettingsFile, GarbageValuesKeepTheMembers)
{
    Settings::ReadUserConfig(WriteFile("[tools]\n"
                                       "pencilSize=big\n"
                                       "textSize=12.5\n"
                                       "ghostPrev=banana\n"
                                       "brushTabletEnabled=\n"
                                       "activeColor=not a colour\n"
                                       "ghostColorOverridePrev=@Variant(\\0\\0\\0\\x43)\n"
                                       "ghostNext=true\n"
                                       "[preferences]\n"
                                       "timelineFrameColor=\n"
                                       "drawToolContextMenu=false\n"));
    EXPECT_EQ(Settings::pencilSize, 6);
    EXPECT_EQ(Settings::textSize, 20);
    EXPECT_FALSE(Settings::ghostPrev);
    EXPECT_TRUE(Settings::brushTabletEnabled);
    EXPECT_EQ(Settings::activeColor, Settings::DEFAULT_DRAW_COLOR);
    EXPECT_EQ(Settings::ghostColorOverridePrev, QColor(0, 128, 0));
    EXPECT_EQ(Settings::timelineFrameColor, Settings::DEFAULT_TIMELINE_FRAME_COLOR);
    // Readable keys beside the garbage are still taken.
    EXPECT_TRUE(Settings::ghostNext);
    EXPECT_FALSE(Settings::drawToolContextMenu);
}

// Stored values of types other than a colour: a list whose damaged length
// would have the settings library ask for more memory than exists, and a
// brush whose colour has no colour model. Their groups are left alone, the
// others are read.
TEST_F(SettingsFile, AGroupWithAStoredValueOfAnotherTypeIsNotRead)
{
    Settings::ReadUserConfig(WriteFile("[tools]\n"
                                       "eraserSize=33\n"
                                       "ghostColorOverrideNext=@Variant(\\0\\0\\0\\v\\xff\\xff\\xff\\xff)\n"
                                       "[preferences]\n"
                                       "timelineFrameColor=@Variant(\\0\\0\\0\\x42\\x1\\xff\\xff\\x8f\\x8f"
                                       "\\xc1\\xc1\\xcf\\xcf\\0\\0)\n"
                                       "drawToolContextMenu=false\n"
                                       "[main]\n"
                                       "mainMenuName=Ink\n"
                                       // A colour of no known model where a name belongs.
                                       "layerManagerGeometry=@Variant(\\0\\0\\0\\x43\\x7f\\xff\\xff\\0\\0\\0\\0\\0\\0\\0\\0)\n"));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_TRUE(Settings::drawToolContextMenu);
    EXPECT_EQ(Settings::timelineFrameColor, Settings::DEFAULT_TIMELINE_FRAME_COLOR);
    EXPECT_EQ(Settings::mainMenuName, "Ink");
    EXPECT_TRUE(Settings::layerManagerGeometry.isEmpty());
}

// Where the file's lines may fall into groups otherwise than they look (a
// header cut short, carriage returns), a value of another type cannot be
// placed in a group, and no group is read.
TEST_F(SettingsFile, AValueOfAnotherTypeThatNoGroupHoldsSureStopsTheWholeFile)
{
    const QByteArray list("=@Variant(\\0\\0\\0\\xByteArray(\\xff)\n");
    Settings::ReadUserConfig(WriteFile("[tools\neraserSize=33\n[tolor" + list
                                       + "[preferences]\ndrawToolContextMenu=false\n"));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_TRUE(Settings::drawToolContextMenu);

    Settings::ReadUserConfig(WriteFile("[main]\rmainMenuName=Ink\r[tools]\nactiveColor" + list
                                       + "[preferences]\ndrawToolContextMenu=false\n"));
    EXPECT_EQ(Settings::mainMenuName, "NB2");
    EXPECT_TRUE(Settings::drawToolContextMenu);

    // A vertical tab that the settings library may take for a line's end.
    Settings::ReadUserConfig(WriteFile("[main]\nmainMenuName=Ink\v[tools]\neraserSize=33\n"
                                       "activeColor=@Variant(\\0\\0\\0\\x42\\x1)\n"));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_EQ(Settings::activeColor, Settings::DEFAULT_DRAW_COLOR);

    // A colour's type run on by more hex digits is not a colour.
    Settings::ReadUserConfig(WriteFile("[tools]\neraserSize=33\n"
                                       "activeColor=@Variant(\\0\\0\\0\\x43a\\x1)\n"
                                       "[preferences]\ndrawToolContextMenu=false\n"));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_FALSE(Settings::drawToolContextMenu);
}

TEST_F(SettingsFile, DamagedOrMissingFilesNeverLoseMembers)
{
    Settings::ReadUserConfig(dir.filePath("missing.ini"));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.ini")));

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 256));
    Settings::ReadUserConfig(WriteFile(binary));
    EXPECT_EQ(Settings::eraserSize, 40);
    EXPECT_EQ(Settings::mainMenuName, "NB2");

    // A file cut off in the middle of a group: what came before is read.
    Settings::ReadUserConfig(WriteFile("[tools]\neraserSize=33\ntextSi"));
    EXPECT_EQ(Settings::eraserSize, 33);
    EXPECT_EQ(Settings::textSize, 20);

    // A directory in place of the file reads as nothing and cannot be written.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("adir.ini")));
    Settings::ReadUserConfig(dir.filePath("adir.ini"));
    EXPECT_EQ(Settings::textSize, 20);
    EXPECT_FALSE(Settings::WriteUserConfig(dir.filePath("adir.ini")));
}

} // namespace
