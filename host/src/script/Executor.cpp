#include "script/Executor.h"

#include "core/Output.h"
#include "script/CommandHost.h"
#include "script/Interpreter.h"
#include "script/Operators.h"
#include "script/ScriptError.h"
#include "script/ScriptUnit.h"

#include <unordered_map>

namespace nbhost {

namespace {

// Writing past this index is refused rather than allocating without bound.
constexpr long long kMaxArrayIndex = 10000000;

bool isArrayType(Value::Type t)
{
    return Value::elementType(t) != t;
}

std::string quoted(const std::string& name)
{
    return "\"$" + name + "\"";
}

// Enters a block scope and leaves it again, also on errors.
class ScopeChange
{
public:
    ScopeChange(Scope*& slot, Scope* inner) : m_slot(slot), m_outer(slot) { m_slot = inner; }
    ~ScopeChange() { m_slot = m_outer; }

private:
    Scope*& m_slot;
    Scope* m_outer;
};

} // namespace

Executor::Executor(Interpreter& session, std::shared_ptr<ScriptUnit> unit, Scope& root, const ProcDecl* proc)
    : m_session(session), m_unit(std::move(unit)), m_scope(&root), m_proc(proc)
{
}

Value Executor::runProgram()
{
    try {
        for (const StmtPtr& stmt : m_unit->program)
            exec(*stmt);
    } catch (ScriptError& e) {
        e.setFileIfUnset(m_unit->sourceName);
        throw;
    }
    return std::move(m_lastValue);
}

Value Executor::runProcedure()
{
    try {
        if (execList(m_proc->body) == Flow::Return)
            return std::move(m_returnValue);
    } catch (ScriptError& e) {
        e.setFileIfUnset(m_unit->sourceName);
        throw;
    }
    return Value::defaultValue(m_proc->returnType);
}

// ---- Statements ----

Executor::Flow Executor::execList(const StmtList& list)
{
    for (const StmtPtr& stmt : list) {
        const Flow flow = exec(*stmt);
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

Executor::Flow Executor::execBlock(const StmtList& list)
{
    Scope block(m_scope);
    ScopeChange change(m_scope, &block);
    return execList(list);
}

Executor::Flow Executor::exec(const Stmt& stmt)
{
    switch (stmt.kind) {
    case Stmt::Kind::Expr: {
        Value v = eval(*static_cast<const ExprStmt&>(stmt).expr);
        if (!m_proc)
            m_lastValue = std::move(v);
        return Flow::Normal;
    }
    case Stmt::Kind::Declaration:
        execDeclaration(static_cast<const DeclarationStmt&>(stmt));
        return Flow::Normal;
    case Stmt::Kind::Block: return execBlock(static_cast<const BlockStmt&>(stmt).body);
    case Stmt::Kind::If: return execIf(static_cast<const IfStmt&>(stmt));
    case Stmt::Kind::While:
    case Stmt::Kind::DoWhile: return execWhile(static_cast<const WhileStmt&>(stmt));
    case Stmt::Kind::For: return execFor(static_cast<const ForStmt&>(stmt));
    case Stmt::Kind::ForIn: return execForIn(static_cast<const ForInStmt&>(stmt));
    case Stmt::Kind::Break: return Flow::Break;
    case Stmt::Kind::Continue: return Flow::Continue;
    case Stmt::Kind::Return: return execReturn(static_cast<const ReturnStmt&>(stmt));
    case Stmt::Kind::Proc:
        defineProcedure(static_cast<const ProcStmt&>(stmt).proc);
        return Flow::Normal;
    }
    return Flow::Normal;
}

void Executor::execDeclaration(const DeclarationStmt& decl)
{
    for (const Declarator& var : decl.vars) {
        const Value::Type type = var.isArray ? Value::arrayType(decl.type) : decl.type;
        if (decl.global) {
            declareGlobal(var, type);
            continue;
        }
        Value value = initialValue(var, type);
        if (!m_proc && var.init)
            m_lastValue = value;
        m_scope->define(var.name, std::move(value));
    }
}

// A global is created, with its initial value, by its first declaration;
// later declarations of the same type only make it visible here.
void Executor::declareGlobal(const Declarator& var, Value::Type type)
{
    Scope& globals = m_session.m_globals;
    VariableRef global;
    if (const VariableRef* existing = globals.findHere(var.name)) {
        global = *existing;
        if (global->value.type() != type)
            throw ScriptError(var.line, "Invalid redeclaration of variable " + quoted(var.name) + " as a "
                                            + Value::typeName(type) + " (it is a "
                                            + Value::typeName(global->value.type()) + ").");
    } else {
        Value value = initialValue(var, type);
        global = globals.define(var.name, std::move(value));
    }
    m_scope->alias(var.name, global);
}

Value Executor::initialValue(const Declarator& var, Value::Type type)
{
    if (var.init)
        return Operators::convertForStore(eval(*var.init), type, var.line);
    if (!var.size)
        return Value::defaultValue(type);
    const Value size = eval(*var.size);
    const long long n = size.isNumeric() ? size.asInt() : -1;
    if (n < 0 || n > kMaxArrayIndex)
        throw ScriptError(var.line, "Invalid size " + size.asString() + " for array " + quoted(var.name) + ".");
    return Value::defaultValue(type, static_cast<size_t>(n));
}

Executor::Flow Executor::execIf(const IfStmt& stmt)
{
    if (Operators::isTrue(eval(*stmt.condition), stmt.condition->line))
        return exec(*stmt.then);
    return stmt.otherwise ? exec(*stmt.otherwise) : Flow::Normal;
}

Executor::Flow Executor::execWhile(const WhileStmt& stmt)
{
    bool check = stmt.kind == Stmt::Kind::While; // do-while runs the body once first
    for (;;) {
        if (check && !Operators::isTrue(eval(*stmt.condition), stmt.condition->line))
            return Flow::Normal;
        check = true;
        const Flow flow = exec(*stmt.body);
        if (flow == Flow::Break)
            return Flow::Normal;
        if (flow == Flow::Return)
            return flow;
    }
}

Executor::Flow Executor::execFor(const ForStmt& stmt)
{
    for (const ExprPtr& e : stmt.init)
        eval(*e);
    for (;;) {
        if (stmt.condition && !Operators::isTrue(eval(*stmt.condition), stmt.condition->line))
            return Flow::Normal;
        const Flow flow = exec(*stmt.body);
        if (flow == Flow::Break)
            return Flow::Normal;
        if (flow == Flow::Return)
            return flow;
        for (const ExprPtr& e : stmt.step)
            eval(*e);
    }
}

// Iterates over a copy of the array, so the body may change the original.
Executor::Flow Executor::execForIn(const ForInStmt& stmt)
{
    const Value array = eval(*stmt.array);
    if (!array.isArray())
        throw ScriptError(stmt.array->line, std::string("\"for ... in\" needs an array, not a value of type ")
                                                + Value::typeName(array.type()) + ".");
    if (stmt.declaredType != Value::Type::Void)
        m_scope->define(stmt.variable, Value::defaultValue(stmt.declaredType));
    else if (!find(stmt.variable))
        m_scope->define(stmt.variable, Value::defaultValue(Value::elementType(array.type())));
    const VariableRef variable = *m_scope->find(stmt.variable);
    for (size_t i = 0; i < array.arraySize(); ++i) {
        variable->value = Operators::convertForStore(array.element(i), variable->value.type(), stmt.line);
        const Flow flow = exec(*stmt.body);
        if (flow == Flow::Break)
            break;
        if (flow == Flow::Return)
            return flow;
    }
    return Flow::Normal;
}

Executor::Flow Executor::execReturn(const ReturnStmt& stmt)
{
    m_returnValue = stmt.value ? Operators::convertForStore(eval(*stmt.value), m_proc->returnType, stmt.line)
                               : Value();
    return Flow::Return;
}

void Executor::defineProcedure(const ProcDecl& proc)
{
    if (Interpreter::isBuiltin(proc.name))
        throw ScriptError(proc.line, "Cannot redefine the built-in command \"" + proc.name + "\".");
    if (proc.global)
        m_session.m_procedures[proc.name] = Interpreter::Procedure{&proc, m_unit};
    else
        m_unit->localProcedures[proc.name] = &proc;
}

// ---- Expressions ----

Value Executor::eval(const Expr& expr)
{
    switch (expr.kind) {
    case Expr::Kind::Literal: return static_cast<const LiteralExpr&>(expr).value;
    case Expr::Kind::Variable: return require(static_cast<const VariableExpr&>(expr).name, expr.line).value;
    case Expr::Kind::Index: return evalIndex(static_cast<const IndexExpr&>(expr));
    case Expr::Kind::ArrayLiteral: return evalArrayLiteral(static_cast<const ArrayLiteralExpr&>(expr));
    case Expr::Kind::Unary: {
        const auto& unary = static_cast<const UnaryExpr&>(expr);
        const Value v = eval(*unary.operand);
        if (unary.op == UnaryExpr::Op::Not)
            return Value::fromInt(Operators::isTrue(v, expr.line) ? 0 : 1);
        return Operators::negate(v, expr.line);
    }
    case Expr::Kind::Binary: return evalBinary(static_cast<const BinaryExpr&>(expr));
    case Expr::Kind::Conditional: {
        const auto& c = static_cast<const ConditionalExpr&>(expr);
        return Operators::isTrue(eval(*c.condition), expr.line) ? eval(*c.whenTrue) : eval(*c.whenFalse);
    }
    case Expr::Kind::Assign: return evalAssign(static_cast<const AssignExpr&>(expr));
    case Expr::Kind::IncDec: return evalIncDec(static_cast<const IncDecExpr&>(expr));
    case Expr::Kind::Call: return evalCall(static_cast<const CallExpr&>(expr));
    }
    return Value();
}

Value Executor::evalIndex(const IndexExpr& expr)
{
    const size_t index = indexValue(*expr.index, false);
    if (expr.base->kind == Expr::Kind::Variable) // without copying the array
        return requireArray(static_cast<const VariableExpr&>(*expr.base).name, expr.line).value.element(index);
    const Value base = eval(*expr.base);
    if (!base.isArray())
        throw ScriptError(expr.line, std::string("Cannot index a value of type ") + Value::typeName(base.type()) + ".");
    return base.element(index);
}

Value Executor::evalArrayLiteral(const ArrayLiteralExpr& expr)
{
    std::vector<Value> elements;
    elements.reserve(expr.elements.size());
    for (const ExprPtr& e : expr.elements)
        elements.push_back(eval(*e));
    return Operators::arrayOf(elements, expr.line);
}

Value Executor::evalBinary(const BinaryExpr& expr)
{
    if (expr.op == BinaryOp::And || expr.op == BinaryOp::Or) {
        const bool lhs = Operators::isTrue(eval(*expr.lhs), expr.line);
        if (lhs != (expr.op == BinaryOp::And)) // decided by the left side
            return Value::fromInt(lhs ? 1 : 0);
        return Value::fromInt(Operators::isTrue(eval(*expr.rhs), expr.line) ? 1 : 0);
    }
    const Value lhs = eval(*expr.lhs);
    const Value rhs = eval(*expr.rhs);
    return Operators::binary(expr.op, lhs, rhs, expr.line);
}

// Assigning to an undeclared variable declares it with the value's type.
Value Executor::evalAssign(const AssignExpr& expr)
{
    Value value = eval(*expr.value);
    if (expr.target->kind == Expr::Kind::Index)
        return assignElement(expr, std::move(value));
    const std::string& name = static_cast<const VariableExpr&>(*expr.target).name;
    Variable* var = expr.compound ? &require(name, expr.line) : find(name);
    if (!var) {
        if (value.isVoid())
            throw ScriptError(expr.line, "Cannot assign a value of type void to " + quoted(name) + ".");
        return m_scope->define(name, std::move(value))->value;
    }
    if (expr.compound)
        value = Operators::binary(expr.op, var->value, value, expr.line);
    var->value = Operators::convertForStore(std::move(value), var->value.type(), expr.line);
    return var->value;
}

Value Executor::assignElement(const AssignExpr& expr, Value value)
{
    const auto& target = static_cast<const IndexExpr&>(*expr.target);
    const std::string& name = static_cast<const VariableExpr&>(*target.base).name;
    const size_t index = indexValue(*target.index, true);
    if (value.isVoid() || value.isArray())
        throw ScriptError(expr.line, std::string("Cannot store a value of type ") + Value::typeName(value.type())
                                         + " in an element of " + quoted(name) + ".");
    Variable* var = expr.compound ? &require(name, expr.line) : find(name);
    if (!var)
        var = m_scope->define(name, Value::defaultValue(Value::arrayType(value.type()))).get();
    if (!var->value.isArray())
        throw ScriptError(expr.line, quoted(name) + " is not an array.");
    if (expr.compound)
        value = Operators::binary(expr.op, var->value.element(index), value, expr.line);
    var->value.setElement(index, value);
    return var->value.element(index);
}

Value Executor::evalIncDec(const IncDecExpr& expr)
{
    const BinaryOp op = expr.increment ? BinaryOp::Add : BinaryOp::Sub;
    const Value one = Value::fromInt(1);
    const char* symbol = expr.increment ? "++" : "--";
    if (expr.target->kind == Expr::Kind::Variable) {
        Variable& var = require(static_cast<const VariableExpr&>(*expr.target).name, expr.line);
        if (!var.value.isNumeric())
            throw ScriptError(expr.line, std::string("Cannot apply \"") + symbol + "\" to a value of type "
                                             + Value::typeName(var.value.type()) + ".");
        Value old = var.value;
        var.value = Operators::binary(op, old, one, expr.line);
        return expr.prefix ? var.value : old;
    }
    const auto& target = static_cast<const IndexExpr&>(*expr.target);
    const size_t index = indexValue(*target.index, true);
    Variable& var = requireArray(static_cast<const VariableExpr&>(*target.base).name, expr.line);
    const Value old = var.value.element(index);
    if (!old.isNumeric())
        throw ScriptError(expr.line, std::string("Cannot apply \"") + symbol + "\" to a value of type "
                                         + Value::typeName(old.type()) + ".");
    const Value updated = Operators::binary(op, old, one, expr.line);
    var.value.setElement(index, updated);
    return expr.prefix ? updated : old;
}

size_t Executor::indexValue(const Expr& index, bool forWriting)
{
    const Value v = eval(index);
    if (v.isVoid() || v.isArray())
        throw ScriptError(index.line, std::string("An array index must be a number, not a value of type ")
                                          + Value::typeName(v.type()) + ".");
    const long long i = v.asInt();
    if (i < 0)
        throw ScriptError(index.line, "Array index " + std::to_string(i) + " is out of range.");
    if (forWriting && i > kMaxArrayIndex)
        throw ScriptError(index.line, "Array index " + std::to_string(i) + " is too large.");
    return static_cast<size_t>(i);
}

Variable* Executor::find(const std::string& name) const
{
    const VariableRef* found = m_scope->find(name);
    return found ? found->get() : nullptr;
}

Variable& Executor::require(const std::string& name, int line) const
{
    Variable* var = find(name);
    if (!var)
        throw ScriptError(line, quoted(name) + " is an undeclared variable.");
    return *var;
}

Variable& Executor::requireArray(const std::string& name, int line) const
{
    Variable& var = require(name, line);
    if (!var.value.isArray())
        throw ScriptError(line, quoted(name) + " is not an array.");
    return var;
}

// ---- Calls ----

Value Executor::evalCall(const CallExpr& call)
{
    if (const SpecialForm* form = specialForm(call.name))
        return (this->**form)(call);
    if (Builtins::has(call.name))
        return callBuiltin(call);
    std::shared_ptr<ScriptUnit> unit;
    if (const ProcDecl* proc = findProcedure(call.name, unit))
        return callProcedure(*proc, unit, call);
    CommandHost* host = m_session.m_host;
    if (host && host->hasCommand(call.name))
        return callCommand(call);
    throw ScriptError(call.line, "Cannot find procedure \"" + call.name + "\".");
}

// Variables are passed to built-ins without copying them (size($a) in a loop).
Value Executor::callBuiltin(const CallExpr& call)
{
    std::vector<VariableRef> variables;
    std::vector<Value> values;
    variables.reserve(call.args.size());
    values.reserve(call.args.size());
    Builtins::Args args;
    for (const ExprPtr& arg : call.args) {
        if (arg->kind == Expr::Kind::Variable) {
            const std::string& name = static_cast<const VariableExpr&>(*arg).name;
            require(name, arg->line);
            variables.push_back(*m_scope->find(name));
            args.push_back(&variables.back()->value);
        } else {
            values.push_back(eval(*arg));
            args.push_back(&values.back());
        }
    }
    return Builtins::call(call.name, args, call.line);
}

// Array variables are passed by reference, as the language does; other
// arguments are converted to the parameter's type.
Value Executor::callProcedure(const ProcDecl& proc, const std::shared_ptr<ScriptUnit>& unit, const CallExpr& call)
{
    if (call.args.size() != proc.params.size())
        throw ScriptError(call.line, "Wrong number of arguments on call to \"" + proc.name + "\": expected "
                                         + std::to_string(proc.params.size()) + ", got "
                                         + std::to_string(call.args.size()) + ".");
    Scope parameters;
    for (size_t i = 0; i < proc.params.size(); ++i) {
        const Parameter& param = proc.params[i];
        const Expr& arg = *call.args[i];
        if (arg.kind == Expr::Kind::Variable && isArrayType(param.type)) {
            const VariableRef* ref = m_scope->find(static_cast<const VariableExpr&>(arg).name);
            if (ref && (*ref)->value.type() == param.type) {
                parameters.alias(param.name, *ref);
                continue;
            }
        }
        Value v = eval(arg);
        if (v.isVoid() || v.isArray() != isArrayType(param.type))
            throw ScriptError(call.line, "Wrong type of argument " + std::to_string(i + 1) + " on call to \""
                                             + proc.name + "\": expected " + Value::typeName(param.type)
                                             + ", got " + Value::typeName(v.type()) + ".");
        parameters.define(param.name, v.convertedTo(param.type));
    }
    Interpreter::CallGuard guard(m_session, call.line, proc.name);
    Executor callee(m_session, unit, parameters, &proc);
    return callee.runProcedure();
}

// Array arguments expand to their elements, as object lists do.
Value Executor::callCommand(const CallExpr& call)
{
    std::vector<Value> args;
    for (const ExprPtr& arg : call.args) {
        Value v = eval(*arg);
        if (v.isVoid())
            throw ScriptError(arg->line, "Cannot pass a value of type void to \"" + call.name + "\".");
        if (!v.isArray()) {
            args.push_back(std::move(v));
            continue;
        }
        for (size_t i = 0; i < v.arraySize(); ++i)
            args.push_back(v.element(i));
    }
    CommandOutcome outcome = m_session.m_host->runCommand(call.name, args);
    if (outcome.ok)
        return std::move(outcome.result);
    if (outcome.error.empty()) // the command has shown its error already
        throw ScriptError(call.line, "\"" + call.name + "\" failed.", true);
    throw ScriptError(call.line, outcome.error);
}

// The calling unit's local procedures first, then the global ones.
const ProcDecl* Executor::findProcedure(const std::string& name, std::shared_ptr<ScriptUnit>& unit) const
{
    auto local = m_unit->localProcedures.find(name);
    if (local != m_unit->localProcedures.end()) {
        unit = m_unit;
        return local->second;
    }
    auto global = m_session.m_procedures.find(name);
    if (global == m_session.m_procedures.end())
        return nullptr;
    unit = global->second.unit;
    return global->second.decl;
}

bool Executor::isSpecialForm(const std::string& name)
{
    return specialForm(name) != nullptr;
}

const Executor::SpecialForm* Executor::specialForm(const std::string& name)
{
    static const std::unordered_map<std::string, SpecialForm> forms = {
        {"catch", &Executor::catchForm},       {"catchQuiet", &Executor::catchQuietForm},
        {"clear", &Executor::clearForm},       {"tokenize", &Executor::tokenizeForm},
        {"eval", &Executor::evalForm},         {"exists", &Executor::existsForm},
    };
    auto it = forms.find(name);
    return it == forms.end() ? nullptr : &it->second;
}

Value Executor::catchForm(const CallExpr& call)
{
    return catchErrors(call, false);
}

Value Executor::catchQuietForm(const CallExpr& call)
{
    return catchErrors(call, true);
}

// 1 when the argument's evaluation failed, else 0.
Value Executor::catchErrors(const CallExpr& call, bool quiet)
{
    requireArgs(call, 1, 1);
    try {
        eval(*call.args[0]);
    } catch (const ScriptError& e) {
        if (!quiet && !e.reported())
            Output::write(Output::Kind::Error, e.message());
        return Value::fromInt(1);
    }
    return Value::fromInt(0);
}

Value Executor::clearForm(const CallExpr& call)
{
    requireArgs(call, 1, 1);
    outputArray(call, *call.args[0]).value.clearArray();
    return Value();
}

// tokenize(text, $pieces) splits at white space; tokenize(text, separators,
// $pieces) at any of the given characters. Returns the number of pieces.
Value Executor::tokenizeForm(const CallExpr& call)
{
    requireArgs(call, 2, 3);
    std::vector<Value> inputs;
    for (size_t i = 0; i + 1 < call.args.size(); ++i) {
        inputs.push_back(eval(*call.args[i]));
        if (inputs.back().isArray() || inputs.back().isVoid())
            throw ScriptError(call.line, "Wrong type of argument " + std::to_string(i + 1)
                                             + " on call to \"tokenize\": expected string, got "
                                             + Value::typeName(inputs.back().type()) + ".");
    }
    const std::string separators = inputs.size() == 2 ? inputs[1].asString() : std::string(" \t\n\r");
    Variable& out = outputArray(call, *call.args.back());
    if (out.value.type() != Value::Type::StringArray)
        throw ScriptError(call.line, "The last argument of \"tokenize\" must be a string array.");
    std::vector<std::string> pieces = Builtins::split(inputs[0].asString(), separators);
    const auto count = static_cast<long long>(pieces.size());
    out.value = Value::fromStringArray(std::move(pieces));
    return Value::fromInt(count);
}

// Runs text at the top level: it sees the globals, not this procedure's
// variables. Several arguments are joined with spaces.
Value Executor::evalForm(const CallExpr& call)
{
    if (call.args.empty())
        requireArgs(call, 1, 1);
    std::string source;
    for (size_t i = 0; i < call.args.size(); ++i)
        source += (i ? " " : "") + eval(*call.args[i]).asString();
    return m_session.run(source, std::string(), call.line);
}

Value Executor::existsForm(const CallExpr& call)
{
    requireArgs(call, 1, 1);
    const std::string name = eval(*call.args[0]).asString();
    return Value::fromInt(m_session.exists(name) || m_unit->localProcedures.count(name) ? 1 : 0);
}

Variable& Executor::outputArray(const CallExpr& call, const Expr& arg)
{
    if (arg.kind != Expr::Kind::Variable)
        throw ScriptError(arg.line, "\"" + call.name + "\" needs an array variable as its last argument.");
    return requireArray(static_cast<const VariableExpr&>(arg).name, arg.line);
}

void Executor::requireArgs(const CallExpr& call, size_t min, size_t max) const
{
    if (call.args.size() < min || call.args.size() > max)
        throw ScriptError(call.line, "Wrong number of arguments on call to \"" + call.name + "\".");
}

} // namespace nbhost
