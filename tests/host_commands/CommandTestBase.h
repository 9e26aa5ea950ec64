#pragma once

#include "TestCommand.h"

#include "core/CommandRegistry.h"
#include "events/EventBus.h"
#include "support/HostTestEnvironment.h"

// A fresh host with testCmd registered.
class CommandTest : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::HostTest::SetUp();
        TestCommand::reset();
        host().commands().registerCommand("testCmd", TestCommand::creator, TestCommand::newSyntax, "tests");
    }

    // Counts how often an event fires.
    int* countEvent(const char* name)
    {
        m_counters.push_back(std::make_unique<int>(0));
        int* counter = m_counters.back().get();
        host().events().addEventListener(name, [counter] { ++*counter; });
        return counter;
    }

    std::string queryString(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << ": " << result.error;
        return result.value.asString();
    }

private:
    std::vector<std::unique_ptr<int>> m_counters;
};
