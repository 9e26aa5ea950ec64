#include "base/Logger.h"

#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using Kind = nbtest::OutputCapture::Kind;

TEST(Logger, EveryLevelAndFormGoesToItsDisplayWithThePrefix)
{
    nbtest::OutputCapture log;
    Logger::Info(QStringLiteral("caf\u00e9"));
    Logger::Warning(static_cast<const char*>(nullptr));
    Logger::Error(MString("100% done"));
    const std::vector<std::pair<Kind, std::string>> expected = {
        {Kind::Info, "[Nibline2] caf\xc3\xa9"},
        {Kind::Warning, "[Nibline2] "},
        {Kind::Error, "[Nibline2] 100% done"},
    };
    EXPECT_EQ(log.lines(), expected);
}

} // namespace
