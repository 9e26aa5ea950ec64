#include "base/Settings.h"

#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QSettings>

#include <filesystem>
#include <fstream>

namespace {

class UserConfig : public nbtest::HostTest
{
protected:
    QString ConfigPath() const { return QString::fromStdString(prefsDir()) + "/nibline2.ini"; }
};

TEST_F(UserConfig, LivesInTheHostsPreferenceDirectory)
{
    EXPECT_EQ(Settings::GetUserConfigPath(), ConfigPath());
    const int saved = Settings::ghostPrevCount;

    Settings::ghostPrevCount = 7;
    Settings::WriteUserConfig();
    ASSERT_TRUE(QFile::exists(ConfigPath()));
    EXPECT_EQ(QSettings(ConfigPath(), QSettings::IniFormat).value("main/version").toInt(), 1);

    Settings::ghostPrevCount = 2;
    Settings::ReadUserConfig();
    EXPECT_EQ(Settings::ghostPrevCount, 7);
    Settings::ghostPrevCount = saved;
    EXPECT_TRUE(output().errors().empty()) << output().errors();
}

TEST_F(UserConfig, NoUsablePreferenceDirectorySkipsReadingAndWriting)
{
    // A plain file where the directory should be: the host cannot create it.
    std::filesystem::remove_all(prefsDir());
    std::ofstream(prefsDir()) << "[tools]\npencilSize=44\n";
    const int saved = Settings::pencilSize;

    EXPECT_TRUE(Settings::GetUserConfigPath().isEmpty());
    Settings::ReadUserConfig();
    EXPECT_EQ(Settings::pencilSize, saved);
    Settings::WriteUserConfig();
    EXPECT_TRUE(std::filesystem::is_regular_file(prefsDir()));
    const QString errors = QString::fromStdString(output().errors());
    EXPECT_EQ(errors.count("[Nibline2] Failed to retrieve Maya prefs directory\n"), 3) << errors.toStdString();
}

TEST(DefaultFontFamily, IsTheApplicationFontOnceThereIsOne)
{
    const QString saved = Settings::textFontFamily;
    const QString missing = QDir::temp().filePath("nibline2-no-such-settings.ini");

    Settings::textFontFamily.clear();
    Settings::ReadUserConfig(missing);
    EXPECT_EQ(Settings::textFontFamily, "Sans Serif");

    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    {
        QGuiApplication app(argc, argv);
        Settings::textFontFamily.clear();
        Settings::ReadUserConfig(missing);
        EXPECT_EQ(Settings::textFontFamily, QGuiApplication::font().family());
        EXPECT_FALSE(Settings::textFontFamily.isEmpty());
    }
    Settings::textFontFamily = saved;
}

} // namespace
