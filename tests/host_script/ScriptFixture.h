#pragma once
// A script interpreter wired to a fake command host that records every
// command call, plus the text it prints, for the script language tests.

#include "core/Output.h"
#include "script/CommandHost.h"
#include "script/Interpreter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace nbhost {

inline void PrintTo(const Value& v, std::ostream* os)
{
    *os << Value::typeName(v.type()) << " \"" << v.asString() << "\"";
}

struct RecordedCall
{
    std::string name;
    std::vector<Value> args;
};

class FakeCommandHost : public CommandHost
{
public:
    using Handler = std::function<CommandOutcome(const std::vector<Value>&)>;

    void add(const std::string& name, Handler handler) { m_handlers[name] = std::move(handler); }

    // A command that succeeds with a fixed result.
    void addResult(const std::string& name, Value result)
    {
        add(name, [result](const std::vector<Value>&) { return CommandOutcome{true, result, {}}; });
    }

    // A command that fails with the given text (empty: it reported itself).
    void addFailing(const std::string& name, const std::string& error)
    {
        add(name, [error](const std::vector<Value>&) { return CommandOutcome{false, Value(), error}; });
    }

    bool hasCommand(const std::string& name) const override { return m_handlers.count(name) != 0; }

    CommandOutcome runCommand(const std::string& name, const std::vector<Value>& args) override
    {
        calls.push_back({name, args});
        return m_handlers.at(name)(args);
    }

    std::vector<RecordedCall> calls;

private:
    std::map<std::string, Handler> m_handlers;
};

class ScriptTest : public ::testing::Test
{
protected:
    ScriptTest()
    {
        m_previousSink = Output::setSink([this](Output::Kind kind, const std::string& text) {
            if (kind == Output::Kind::Print)
                printed += text;
            else if (kind == Output::Kind::Error)
                errors.push_back(text);
            else if (kind == Output::Kind::Warning)
                warnings.push_back(text);
        });
    }
    ~ScriptTest() override { Output::setSink(m_previousSink); }

    EvalResult run(const std::string& source) { return interpreter.evaluate(source); }

    // Runs code that must succeed and returns its value.
    Value value(const std::string& source)
    {
        EvalResult r = run(source);
        EXPECT_TRUE(r.ok) << source << "\n -> " << r.error;
        return r.value;
    }

    // Runs code that must fail and returns the error text.
    std::string failure(const std::string& source)
    {
        EvalResult r = run(source);
        EXPECT_FALSE(r.ok) << source;
        return r.error;
    }

    FakeCommandHost host;
    Interpreter interpreter{&host};
    std::string printed;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;

private:
    Output::Sink m_previousSink;
};

} // namespace nbhost
