// nbhost in GUI mode: panels open at quit save their places into
// nibline2.ini, and the next session opens them there.
#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(PanelGeometryTest, PlacesSavedAtQuitAreRestoredNextSession)
{
    nbtest::TempDir dir("nbpanelgeometry");
    const nbtest::ProcessResult first = nbtest::runHost(
        {"-prefs", dir.path(), "-command",
         "vxNiblineUtil -toolbox; vxNiblineUtil -retimingTool; evalDeferred(\"quit -f\");"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const std::string ini = nbtest::readFile(dir.file("nibline2.ini"));
    EXPECT_EQ(ini.find("toolboxGeometry=@ByteArray()"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("retimingToolGeometry=@ByteArray()"), std::string::npos) << ini;
    EXPECT_NE(ini.find("colorPaletteGeometry=@ByteArray()"), std::string::npos) << ini;
    EXPECT_EQ(first.err.find("// Error"), std::string::npos) << first.err;

    const nbtest::ProcessResult second =
        nbtest::runHost({"-prefs", dir.path(), "-command", "vxNiblineUtil -toolbox; evalDeferred(\"quit -f\");"});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(nbtest::readFile(dir.file("nibline2.ini")), ini);
}

} // namespace
