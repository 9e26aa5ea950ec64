// The scene commands in a batch run of the nbhost program.
#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace scenetest {
namespace {

TEST(BatchSceneTest, TheHostStartsWithTheDefaultSceneAndItsCommands)
{
    nbtest::TempDir prefs("nbscene");
    nbtest::ProcessResult result = nbtest::runHost(
        {"-batch", "-noplugin", "-prefs", prefs.path(), "-command",
         "string $made[] = `camera`; move -a 0 5 0 $made[0];"
         "print ($made[1] + \" \" + `getAttr camera1.ty` + \" \" + size(`ls -type camera`) + \"\\n\");"
         "delete persp; print \"not reached\";"});
    EXPECT_EQ(result.out, "cameraShape1 5 5\n");
    EXPECT_NE(result.err.find("// Error: delete: Cannot delete default node 'persp'"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.exitCode, 1);
}

} // namespace
} // namespace scenetest
