#pragma once

#include "script/Ast.h"
#include "script/Scope.h"
#include "script/Value.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace nbhost {

class CommandHost;
class ScriptError;
struct ProcDecl;
struct ScriptUnit;

// Outcome of evaluating script text.
struct EvalResult
{
    bool ok = false;
    Value value;       // of the last statement evaluated
    std::string error; // the error's text when not ok
};

// The host's script interpreter. One lives as long as the host: global
// procedures and global variables persist between evaluations, and so do
// variables created outside any block at the top level, as in the real
// host's script editor. Calls that are not built-ins or procedures go to
// the CommandHost (host and plug-in commands).
class Interpreter
{
public:
    explicit Interpreter(CommandHost* host = nullptr);
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    void setCommandHost(CommandHost* host) { m_host = host; }
    CommandHost* commandHost() const { return m_host; }

    // Runs script text at the top level, where the session's globals are
    // visible without a declaration. An uncaught error stops the run and is
    // printed once through Output (Kind::Error); errors that a failing
    // command already reported are not printed again. `sourceName` (a file
    // name, or empty) is named in error messages. May be called again from
    // inside a command that is running.
    EvalResult evaluate(const std::string& source, const std::string& sourceName = std::string());

    // Runs script text as the host reads a text scene: statement by
    // statement at the top level, going on past errors. Each error (a
    // statement that fails, or a syntax error, whose line is then skipped)
    // goes to onError, unprinted, with the file and line in its message and
    // the number of statements that ran so far; reading stops when onError
    // answers false. A string that the end of the text leaves open ends the
    // input and is dropped.
    struct EachResult
    {
        int ran = 0;           // statements that ran without an error
        int cutStringLine = 0; // where the string left open began, or 0
    };
    using ErrorHandler = std::function<bool(const ScriptError& error, int ran)>;
    EachResult evaluateEach(const std::string& source, const std::string& sourceName,
                            const ErrorHandler& onError);

    // Defines a global variable, or replaces its value and type. The name
    // may be given with or without '$'.
    void setGlobal(const std::string& name, const Value& value);
    // False when there is no such global.
    bool getGlobal(const std::string& name, Value& value) const;

    bool hasProcedure(const std::string& name) const;
    static bool isBuiltin(const std::string& name);
    // A global procedure, a built-in or a host command of that name.
    bool exists(const std::string& name) const;

    static constexpr int kMaxCallDepth = 1000;

private:
    friend class Executor;

    struct Procedure
    {
        const ProcDecl* decl;
        std::shared_ptr<ScriptUnit> unit;
    };

    // Counts nested procedure calls and evaluations; past the limits, or
    // when the native stack runs short, the call is an error.
    class CallGuard
    {
    public:
        CallGuard(Interpreter& interpreter, int line, const std::string& callee);
        ~CallGuard() { --m_interpreter.m_callDepth; }

    private:
        Interpreter& m_interpreter;
    };

    // Marks the native stack's base for the outermost evaluation.
    class EvaluationScope
    {
    public:
        explicit EvaluationScope(Interpreter& interpreter);
        ~EvaluationScope();

    private:
        Interpreter& m_interpreter;
    };

    // Parses and runs text at the top level; throws ScriptError.
    Value run(const std::string& source, const std::string& sourceName, int line);
    // Runs one statement of a unit read statement by statement.
    void runStatement(StmtPtr statement, const std::string& sourceName);
    bool stackIsShort() const;

    CommandHost* m_host;
    Scope m_globals;
    Scope m_topLevel{&m_globals};
    std::unordered_map<std::string, Procedure> m_procedures;
    int m_callDepth = 0;
    int m_evaluations = 0; // nesting of evaluate()
    const char* m_stackBase = nullptr;
    size_t m_stackBudget = 0;
};

} // namespace nbhost
