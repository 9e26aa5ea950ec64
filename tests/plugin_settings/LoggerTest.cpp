#include "plugin/Logger.h"

#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

using Kind = nbhost::Output::Kind;

TEST(Logger, EveryLevelAndFormGoesToItsDisplayWithThePrefix)
{
    nbtest::OutputCapture log;
    Logger::Info(QStringLiteral("caf\u00e9"));
    Logger::Info(MString("host"));
    Logger::Info("chars");
    Logger::Warning(QString());
    Logger::Warning(MString("w"));
    Logger::Warning(static_cast<const char*>(nullptr));
    Logger::Error(QStringLiteral("e"));
    Logger::Error(MString("100% done"));
    Logger::Error("c");
    const std::vector<std::pair<Kind, std::string>> expected = {
        {Kind::Info, "[Nibline2] caf\xc3\xa9"}, {Kind::Info, "[Nibline2] host"},
        {Kind::Info, "[Nibline2] chars"},       {Kind::Warning, "[Nibline2] "},
        {Kind::Warning, "[Nibline2] w"},        {Kind::Warning, "[Nibline2] "},
        {Kind::Error, "[Nibline2] e"},          {Kind::Error, "[Nibline2] 100% done"},
        {Kind::Error, "[Nibline2] c"},
    };
    EXPECT_EQ(log.lines(), expected);
}

} // namespace
