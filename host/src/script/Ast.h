#pragma once
// The syntax tree of the script language: expressions, statements and
// procedure definitions, as the parser builds them and the executor walks
// them. Nodes are plain data; each carries its line for error messages.

#include "script/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace nbhost {

enum class BinaryOp { Add, Sub, Mul, Div, Mod, Eq, Ne, Lt, Le, Gt, Ge, And, Or };

struct Expr
{
    enum class Kind
    {
        Literal, Variable, Index, ArrayLiteral, Unary, Binary, Conditional, Assign, IncDec, Call
    };

    Expr(Kind k, int l) : kind(k), line(l) {}
    virtual ~Expr() = default;

    Kind kind;
    int line;
    int depth = 1; // height of the subtree; the parser bounds it
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr
{
    LiteralExpr(int l, Value v) : Expr(Kind::Literal, l), value(std::move(v)) {}
    Value value;
};

struct VariableExpr : Expr
{
    VariableExpr(int l, std::string n) : Expr(Kind::Variable, l), name(std::move(n)) {}
    std::string name; // without '$'
};

struct IndexExpr : Expr
{
    IndexExpr(int l) : Expr(Kind::Index, l) {}
    ExprPtr base;
    ExprPtr index;
};

struct ArrayLiteralExpr : Expr
{
    ArrayLiteralExpr(int l) : Expr(Kind::ArrayLiteral, l) {}
    std::vector<ExprPtr> elements;
};

struct UnaryExpr : Expr
{
    enum class Op { Negate, Not };
    UnaryExpr(int l, Op o) : Expr(Kind::Unary, l), op(o) {}
    Op op;
    ExprPtr operand;
};

struct BinaryExpr : Expr
{
    BinaryExpr(int l, BinaryOp o) : Expr(Kind::Binary, l), op(o) {}
    BinaryOp op;
    ExprPtr lhs;
    ExprPtr rhs;
};

struct ConditionalExpr : Expr
{
    ConditionalExpr(int l) : Expr(Kind::Conditional, l) {}
    ExprPtr condition;
    ExprPtr whenTrue;
    ExprPtr whenFalse;
};

// `target = value`, or `target op= value` when `compound` is set. The target
// is a VariableExpr or an IndexExpr whose base is a VariableExpr.
struct AssignExpr : Expr
{
    AssignExpr(int l) : Expr(Kind::Assign, l) {}
    bool compound = false;
    BinaryOp op = BinaryOp::Add;
    ExprPtr target;
    ExprPtr value;
};

struct IncDecExpr : Expr
{
    IncDecExpr(int l, bool inc, bool pre) : Expr(Kind::IncDec, l), increment(inc), prefix(pre) {}
    bool increment;
    bool prefix;
    ExprPtr target;
};

// A call of a built-in, a procedure or a host command, written `name(a, b)`
// or in command syntax `name -flag value object`.
struct CallExpr : Expr
{
    CallExpr(int l, std::string n, bool command)
        : Expr(Kind::Call, l), name(std::move(n)), commandSyntax(command)
    {
    }
    std::string name;
    bool commandSyntax;
    std::vector<ExprPtr> args;
};

struct Stmt
{
    enum class Kind
    {
        Expr, Declaration, Block, If, While, DoWhile, For, ForIn, Break, Continue, Return, Proc
    };

    Stmt(Kind k, int l) : kind(k), line(l) {}
    virtual ~Stmt() = default;

    Kind kind;
    int line;
};
using StmtPtr = std::unique_ptr<Stmt>;
using StmtList = std::vector<StmtPtr>;

struct ExprStmt : Stmt
{
    ExprStmt(int l, ExprPtr e) : Stmt(Kind::Expr, l), expr(std::move(e)) {}
    ExprPtr expr;
};

struct Declarator
{
    std::string name;
    int line = 0;
    bool isArray = false;
    ExprPtr size; // `int $a[4]`; may be null
    ExprPtr init; // may be null
};

struct DeclarationStmt : Stmt
{
    DeclarationStmt(int l) : Stmt(Kind::Declaration, l) {}
    bool global = false;
    Value::Type type = Value::Type::Int; // of the scalar; Declarator::isArray makes it an array
    std::vector<Declarator> vars;
};

struct BlockStmt : Stmt
{
    BlockStmt(int l) : Stmt(Kind::Block, l) {}
    StmtList body;
};

struct IfStmt : Stmt
{
    IfStmt(int l) : Stmt(Kind::If, l) {}
    ExprPtr condition;
    StmtPtr then;
    StmtPtr otherwise; // may be null
};

// `while (c) body` and `do body while (c);`
struct WhileStmt : Stmt
{
    WhileStmt(int l, Kind k) : Stmt(k, l) {}
    ExprPtr condition;
    StmtPtr body;
};

struct ForStmt : Stmt
{
    ForStmt(int l) : Stmt(Kind::For, l) {}
    std::vector<ExprPtr> init;
    ExprPtr condition; // null loops until break
    std::vector<ExprPtr> step;
    StmtPtr body;
};

struct ForInStmt : Stmt
{
    ForInStmt(int l) : Stmt(Kind::ForIn, l) {}
    std::string variable;
    Value::Type declaredType = Value::Type::Void; // `for (string $s in ...)`
    ExprPtr array;
    StmtPtr body;
};

struct ReturnStmt : Stmt
{
    ReturnStmt(int l) : Stmt(Kind::Return, l) {}
    ExprPtr value; // may be null
};

struct Parameter
{
    std::string name;
    Value::Type type;
};

struct ProcDecl
{
    std::string name;
    bool global = false;
    int line = 0;
    Value::Type returnType = Value::Type::Void;
    std::vector<Parameter> params;
    StmtList body;
};

struct ProcStmt : Stmt
{
    ProcStmt(int l) : Stmt(Kind::Proc, l) {}
    ProcDecl proc;
};

} // namespace nbhost
