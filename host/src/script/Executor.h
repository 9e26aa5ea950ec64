#pragma once

#include "script/Ast.h"
#include "script/Builtins.h"
#include "script/Scope.h"

#include <memory>
#include <string>

namespace nbhost {

class Interpreter;
struct ScriptUnit;

// Runs one unit's top-level code or one procedure call: walks the syntax
// tree, keeps the block scopes and dispatches calls to built-ins,
// procedures and host commands. Errors throw ScriptError.
class Executor
{
public:
    // `root` is the outermost scope: the session's top-level scope for a
    // unit's code, the parameters' scope for a procedure (`proc`).
    Executor(Interpreter& session, std::shared_ptr<ScriptUnit> unit, Scope& root, const ProcDecl* proc);

    // Top-level code; returns the value of the last statement evaluated.
    Value runProgram();
    // The procedure's body; returns its return value.
    Value runProcedure();

    // Calls that the executor itself handles: catch, catchQuiet, clear,
    // tokenize, eval, exists.
    static bool isSpecialForm(const std::string& name);

private:
    enum class Flow { Normal, Break, Continue, Return };
    using SpecialForm = Value (Executor::*)(const CallExpr&);

    // Statements
    Flow execList(const StmtList& list);
    Flow execBlock(const StmtList& list);
    Flow exec(const Stmt& stmt);
    void execDeclaration(const DeclarationStmt& decl);
    void declareGlobal(const Declarator& var, Value::Type type);
    Value initialValue(const Declarator& var, Value::Type type);
    Flow execIf(const IfStmt& stmt);
    Flow execWhile(const WhileStmt& stmt);
    Flow execFor(const ForStmt& stmt);
    Flow execForIn(const ForInStmt& stmt);
    Flow execReturn(const ReturnStmt& stmt);
    void defineProcedure(const ProcDecl& proc);

    // Expressions
    Value eval(const Expr& expr);
    Value evalIndex(const IndexExpr& expr);
    Value evalArrayLiteral(const ArrayLiteralExpr& expr);
    Value evalBinary(const BinaryExpr& expr);
    Value evalAssign(const AssignExpr& expr);
    Value assignElement(const AssignExpr& expr, Value value);
    Value evalIncDec(const IncDecExpr& expr);
    size_t indexValue(const Expr& index, bool forWriting);
    Variable* find(const std::string& name) const;
    Variable& require(const std::string& name, int line) const;
    Variable& requireArray(const std::string& name, int line) const;

    // Calls
    Value evalCall(const CallExpr& call);
    Value callBuiltin(const CallExpr& call);
    Value callProcedure(const ProcDecl& proc, const std::shared_ptr<ScriptUnit>& unit, const CallExpr& call);
    Value callCommand(const CallExpr& call);
    const ProcDecl* findProcedure(const std::string& name, std::shared_ptr<ScriptUnit>& unit) const;
    Value catchForm(const CallExpr& call);
    Value catchQuietForm(const CallExpr& call);
    Value catchErrors(const CallExpr& call, bool quiet);
    Value clearForm(const CallExpr& call);
    Value tokenizeForm(const CallExpr& call);
    Value evalForm(const CallExpr& call);
    Value existsForm(const CallExpr& call);
    Variable& outputArray(const CallExpr& call, const Expr& arg);
    void requireArgs(const CallExpr& call, size_t min, size_t max) const;
    static const SpecialForm* specialForm(const std::string& name);

    Interpreter& m_session;
    std::shared_ptr<ScriptUnit> m_unit;
    Scope* m_scope;
    const ProcDecl* m_proc;
    Value m_lastValue;   // top-level code only
    Value m_returnValue; // procedures only
};

} // namespace nbhost
