#include "script/Interpreter.h"

#include "core/Output.h"
#include "script/Builtins.h"
#include "script/CommandHost.h"
#include "script/Executor.h"
#include "script/Parser.h"
#include "script/ScriptError.h"
#include "script/ScriptUnit.h"

#include <sys/resource.h>

#include <algorithm>
#include <exception>

namespace nbhost {

namespace {

std::string stripDollar(const std::string& name)
{
    return !name.empty() && name[0] == '$' ? name.substr(1) : name;
}

// How much native stack the script may use below the outermost evaluation:
// half of the thread's stack, so that commands called at the deepest level
// still have room.
size_t stackBudget()
{
    constexpr size_t kDefault = 8u << 20;
    rlimit limit{};
    size_t size = kDefault;
    if (getrlimit(RLIMIT_STACK, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        size = static_cast<size_t>(limit.rlim_cur);
    return std::min(size, size_t(64u << 20)) / 2;
}

} // namespace

Interpreter::Interpreter(CommandHost* host) : m_host(host), m_stackBudget(stackBudget()) {}

Interpreter::~Interpreter() = default;

Interpreter::EvaluationScope::EvaluationScope(Interpreter& interpreter) : m_interpreter(interpreter)
{
    if (m_interpreter.m_evaluations++ == 0)
        m_interpreter.m_stackBase = static_cast<const char*>(__builtin_frame_address(0));
}

Interpreter::EvaluationScope::~EvaluationScope()
{
    if (--m_interpreter.m_evaluations == 0)
        m_interpreter.m_stackBase = nullptr;
}

EvalResult Interpreter::evaluate(const std::string& source, const std::string& sourceName)
{
    EvaluationScope scope(*this);
    EvalResult result;
    try {
        result.value = run(source, sourceName, 0);
        result.ok = true;
    } catch (const ScriptError& e) {
        result.error = e.message();
        if (!e.reported())
            Output::write(Output::Kind::Error, result.error);
    } catch (const std::exception& e) {
        // Out of memory and the like: the evaluation fails, the host goes on.
        result.error = std::string("Internal error: ") + e.what();
        Output::write(Output::Kind::Error, result.error);
    } catch (...) {
        result.error = "Internal error.";
        Output::write(Output::Kind::Error, result.error);
    }
    return result;
}

Interpreter::EachResult Interpreter::evaluateEach(const std::string& source, const std::string& sourceName,
                                                  const ErrorHandler& onError)
{
    EvaluationScope scope(*this);
    Parser parser(source, Parser::Reading{});
    EachResult result;
    for (;;) {
        StmtPtr statement;
        try {
            if (!(statement = parser.parseNext()))
                break;
        } catch (ScriptError& e) {
            e.setFileIfUnset(sourceName);
            if (!onError(e, result.ran))
                return result;
            parser.skipPast(e);
            continue;
        }
        const int line = statement->line;
        try {
            runStatement(std::move(statement), sourceName);
            ++result.ran;
        } catch (ScriptError& e) {
            if (!onError(e, result.ran))
                return result;
        } catch (const std::exception& e) {
            ScriptError error(line, std::string("Internal error: ") + e.what());
            error.setFileIfUnset(sourceName);
            if (!onError(error, result.ran))
                return result;
        }
    }
    result.cutStringLine = parser.cutStringLine();
    return result;
}

void Interpreter::runStatement(StmtPtr statement, const std::string& sourceName)
{
    CallGuard guard(*this, statement->line, "eval");
    auto unit = std::make_shared<ScriptUnit>();
    unit->sourceName = sourceName;
    unit->program.push_back(std::move(statement));
    Executor(*this, unit, m_topLevel, nullptr).runProgram();
}

Value Interpreter::run(const std::string& source, const std::string& sourceName, int line)
{
    CallGuard guard(*this, line, "eval");
    auto unit = std::make_shared<ScriptUnit>();
    unit->sourceName = sourceName;
    try {
        unit->program = Parser(source).parseProgram();
    } catch (ScriptError& e) {
        e.setFileIfUnset(sourceName);
        throw;
    }
    Executor executor(*this, unit, m_topLevel, nullptr);
    return executor.runProgram();
}

void Interpreter::setGlobal(const std::string& name, const Value& value)
{
    const std::string key = stripDollar(name);
    if (const VariableRef* existing = m_globals.findHere(key))
        (*existing)->value = value; // keeps aliases in running code valid
    else
        m_globals.define(key, value);
}

bool Interpreter::getGlobal(const std::string& name, Value& value) const
{
    const VariableRef* found = m_globals.findHere(stripDollar(name));
    if (found)
        value = (*found)->value;
    return found != nullptr;
}

bool Interpreter::hasProcedure(const std::string& name) const
{
    return m_procedures.count(name) != 0;
}

bool Interpreter::isBuiltin(const std::string& name)
{
    return Builtins::has(name) || Executor::isSpecialForm(name);
}

bool Interpreter::exists(const std::string& name) const
{
    return isBuiltin(name) || hasProcedure(name) || (m_host && m_host->hasCommand(name));
}

Interpreter::CallGuard::CallGuard(Interpreter& interpreter, int line, const std::string& callee)
    : m_interpreter(interpreter)
{
    if (m_interpreter.m_callDepth >= kMaxCallDepth || m_interpreter.stackIsShort())
        throw ScriptError(line, "Maximum call depth exceeded on call to \"" + callee
                                    + "\" (too deep a recursion).");
    ++m_interpreter.m_callDepth;
}

bool Interpreter::stackIsShort() const
{
    if (!m_stackBase)
        return false;
    const char* here = static_cast<const char*>(__builtin_frame_address(0));
    return here < m_stackBase && static_cast<size_t>(m_stackBase - here) > m_stackBudget;
}

} // namespace nbhost
