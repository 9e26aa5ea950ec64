#include "script/Parser.h"

#include "script/ScriptError.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace nbhost {

namespace {

constexpr int kMaxNesting = 200;   // blocks, parentheses, unary operators
constexpr int kMaxTreeDepth = 1000; // long operator chains

using T = Token::Type;

// Binary operators by precedence level, lowest first.
struct BinaryLevel
{
    T tokens[4];
    BinaryOp ops[4];
    int count;
};

const BinaryLevel kLevels[] = {
    {{T::Or}, {BinaryOp::Or}, 1},
    {{T::And}, {BinaryOp::And}, 1},
    {{T::Equal, T::NotEqual}, {BinaryOp::Eq, BinaryOp::Ne}, 2},
    {{T::Less, T::LessEqual, T::Greater, T::GreaterEqual},
     {BinaryOp::Lt, BinaryOp::Le, BinaryOp::Gt, BinaryOp::Ge},
     4},
    {{T::Plus, T::Minus}, {BinaryOp::Add, BinaryOp::Sub}, 2},
    {{T::Star, T::Slash, T::Percent}, {BinaryOp::Mul, BinaryOp::Div, BinaryOp::Mod}, 3},
};
constexpr int kLevelCount = sizeof kLevels / sizeof kLevels[0];

bool isAssignment(T t)
{
    return t == T::Assign || t == T::PlusAssign || t == T::MinusAssign || t == T::StarAssign
           || t == T::SlashAssign || t == T::PercentAssign;
}

BinaryOp compoundOp(T t)
{
    switch (t) {
    case T::MinusAssign: return BinaryOp::Sub;
    case T::StarAssign: return BinaryOp::Mul;
    case T::SlashAssign: return BinaryOp::Div;
    case T::PercentAssign: return BinaryOp::Mod;
    default: return BinaryOp::Add;
    }
}

std::string describe(const Token& t)
{
    switch (t.type) {
    case T::End: return "end of input";
    case T::String: return "\"\"" + t.text + "\"\"";
    case T::Variable: return "\"$" + t.text + "\"";
    default: return "\"" + t.text + "\"";
    }
}

} // namespace

Parser::Nesting::Nesting(Parser& parser) : m_parser(parser)
{
    if (++m_parser.m_nesting > kMaxNesting) {
        --m_parser.m_nesting;
        m_parser.fail(m_parser.m_cur.line, "Syntax error: the code is nested too deeply");
    }
}

Parser::Parser(const std::string& source) : m_lexer(source)
{
    m_cur = m_lexer.next();
}

Parser::Parser(const std::string& source, Reading) : m_lexer(source), m_pendingAdvance(true)
{
    m_lexer.setCutStringEndsInput(true);
}

StmtList Parser::parseProgram()
{
    StmtList program;
    while (StmtPtr statement = parseNext())
        program.push_back(std::move(statement));
    return program;
}

StmtPtr Parser::parseNext()
{
    if (m_pendingAdvance) {
        m_statementOffset = m_lexer.position();
        m_statementLine = m_lexer.line();
        m_pendingAdvance = false;
        advance();
    } else {
        m_statementOffset = m_cur.offset;
        m_statementLine = m_cur.line;
    }
    if (m_cur.is(T::End))
        return nullptr;
    const bool proc = isKeyword("proc") || (isKeyword("global") && peekNext().isIdentifier("proc"));
    return proc ? parseProc() : parseStatement();
}

void Parser::skipPast(const ScriptError& error)
{
    const int line = std::max(error.line(), m_statementLine) + 1;
    m_lexer.reset(m_lexer.lineStart(m_statementOffset, m_statementLine, line), line);
    m_pendingAdvance = true;
    m_loopDepth = 0;
    m_proc = nullptr;
    m_inBackquote = false;
}

// ---- Token stream ----

void Parser::advance()
{
    m_prevEnd = m_lexer.position();
    m_cur = m_lexer.next();
}

Token Parser::peekNext()
{
    const size_t pos = m_lexer.position();
    const int line = m_lexer.line();
    Token next = m_lexer.next();
    m_lexer.reset(pos, line);
    return next;
}

void Parser::rewindTo(const Token& token)
{
    m_lexer.reset(token.offset, token.line);
    m_cur = m_lexer.next();
}

// Continues reading command words from the current token on.
void Parser::resumeWords()
{
    m_lexer.reset(m_cur.offset, m_cur.line);
}

void Parser::expect(Token::Type type)
{
    if (!m_cur.is(type))
        unexpected(m_cur);
    advance();
}

bool Parser::atTypeKeyword() const
{
    return isKeyword("int") || isKeyword("float") || isKeyword("string");
}

// A type keyword with an optional "[]".
Value::Type Parser::parseType()
{
    Value::Type type = Value::Type::String;
    if (isKeyword("int"))
        type = Value::Type::Int;
    else if (isKeyword("float"))
        type = Value::Type::Float;
    else if (!isKeyword("string"))
        unexpected(m_cur);
    advance();
    if (m_cur.is(T::LBracket)) {
        advance();
        expect(T::RBracket);
        type = Value::arrayType(type);
    }
    return type;
}

void Parser::unexpected(const Token& token) const
{
    fail(token.line, "Syntax error: unexpected " + describe(token));
}

void Parser::fail(int line, const std::string& text) const
{
    throw ScriptError(line, text);
}

// ---- Statements ----

StmtPtr Parser::parseStatement()
{
    Nesting nesting(*this);
    const int line = m_cur.line;
    switch (m_cur.type) {
    case T::Semicolon:
        advance();
        return std::make_unique<BlockStmt>(line);
    case T::LBrace:
        return parseBlock();
    case T::Identifier:
        return parseKeywordStatement();
    default:
        return parseExpressionStatement();
    }
}

StmtPtr Parser::parseKeywordStatement()
{
    if (atTypeKeyword())
        return parseDeclaration(false);
    if (isKeyword("global")) {
        if (peekNext().isIdentifier("proc"))
            fail(m_cur.line, "Syntax error: procedures can only be defined at the top level");
        advance();
        return parseDeclaration(true);
    }
    if (isKeyword("proc"))
        fail(m_cur.line, "Syntax error: procedures can only be defined at the top level");
    if (isKeyword("if"))
        return parseIf();
    if (isKeyword("while"))
        return parseWhile();
    if (isKeyword("do"))
        return parseDoWhile();
    if (isKeyword("for"))
        return parseFor();
    if (isKeyword("break"))
        return parseJump(Stmt::Kind::Break);
    if (isKeyword("continue"))
        return parseJump(Stmt::Kind::Continue);
    if (isKeyword("return"))
        return parseReturn();
    if (isKeyword("switch") || isKeyword("vector") || isKeyword("matrix"))
        fail(m_cur.line, "Syntax error: \"" + m_cur.text + "\" is not supported");
    if (isKeyword("else") || isKeyword("in"))
        unexpected(m_cur);
    const int line = m_cur.line;
    ExprPtr call = parseCommandOrCall();
    endStatement();
    return std::make_unique<ExprStmt>(line, std::move(call));
}

StmtPtr Parser::parseProc()
{
    auto stmt = std::make_unique<ProcStmt>(m_cur.line);
    ProcDecl& proc = stmt->proc;
    proc.line = m_cur.line;
    if (isKeyword("global")) {
        proc.global = true;
        advance();
    }
    advance(); // "proc"
    if (atTypeKeyword() && !peekNext().is(T::LParen))
        proc.returnType = parseType();
    if (!m_cur.is(T::Identifier))
        unexpected(m_cur);
    proc.name = m_cur.text;
    advance();
    parseParameters(proc);
    if (!m_cur.is(T::LBrace))
        unexpected(m_cur);
    m_proc = &proc;
    std::unique_ptr<BlockStmt> body = parseBlock();
    m_proc = nullptr;
    proc.body = std::move(body->body);
    return stmt;
}

void Parser::parseParameters(ProcDecl& proc)
{
    expect(T::LParen);
    while (!m_cur.is(T::RParen)) {
        if (!proc.params.empty())
            expect(T::Comma);
        const int line = m_cur.line;
        Value::Type type = parseType();
        if (!m_cur.is(T::Variable))
            unexpected(m_cur);
        Parameter param{m_cur.text, type};
        advance();
        if (m_cur.is(T::LBracket)) {
            advance();
            expect(T::RBracket);
            param.type = Value::arrayType(param.type);
        }
        for (const Parameter& p : proc.params)
            if (p.name == param.name)
                fail(line, "Syntax error: parameter \"$" + param.name + "\" is declared twice");
        proc.params.push_back(param);
    }
    advance();
}

std::unique_ptr<BlockStmt> Parser::parseBlock()
{
    auto block = std::make_unique<BlockStmt>(m_cur.line);
    expect(T::LBrace);
    while (!m_cur.is(T::RBrace)) {
        if (m_cur.is(T::End))
            fail(m_cur.line, "Syntax error: missing \"}\" at the end of the input");
        if (isKeyword("proc") || (isKeyword("global") && peekNext().isIdentifier("proc")))
            fail(m_cur.line, "Syntax error: procedures can only be defined at the top level");
        block->body.push_back(parseStatement());
    }
    advance();
    return block;
}

StmtPtr Parser::parseDeclaration(bool global)
{
    auto decl = std::make_unique<DeclarationStmt>(m_cur.line);
    decl->global = global;
    const Value::Type type = parseType();
    decl->type = Value::elementType(type);
    do {
        if (!decl->vars.empty())
            advance(); // ','
        if (!m_cur.is(T::Variable))
            unexpected(m_cur);
        Declarator var;
        var.name = m_cur.text;
        var.line = m_cur.line;
        var.isArray = type != decl->type;
        advance();
        if (m_cur.is(T::LBracket)) {
            var.isArray = true;
            advance();
            if (!m_cur.is(T::RBracket))
                var.size = parseExpression();
            expect(T::RBracket);
        }
        if (m_cur.is(T::Assign)) {
            advance();
            var.init = parseExpression();
        }
        decl->vars.push_back(std::move(var));
    } while (m_cur.is(T::Comma));
    endStatement();
    return decl;
}

StmtPtr Parser::parseIf()
{
    auto stmt = std::make_unique<IfStmt>(m_cur.line);
    advance();
    expect(T::LParen);
    stmt->condition = parseExpression();
    expect(T::RParen);
    stmt->then = parseStatement();
    if (isKeyword("else")) {
        advance();
        stmt->otherwise = parseStatement();
    }
    return stmt;
}

StmtPtr Parser::parseWhile()
{
    auto stmt = std::make_unique<WhileStmt>(m_cur.line, Stmt::Kind::While);
    advance();
    expect(T::LParen);
    stmt->condition = parseExpression();
    expect(T::RParen);
    stmt->body = parseLoopBody();
    return stmt;
}

StmtPtr Parser::parseDoWhile()
{
    auto stmt = std::make_unique<WhileStmt>(m_cur.line, Stmt::Kind::DoWhile);
    advance();
    stmt->body = parseLoopBody();
    if (!isKeyword("while"))
        unexpected(m_cur);
    advance();
    expect(T::LParen);
    stmt->condition = parseExpression();
    expect(T::RParen);
    endStatement();
    return stmt;
}

StmtPtr Parser::parseFor()
{
    const int line = m_cur.line;
    advance();
    expect(T::LParen);
    if (m_cur.is(T::Variable) && peekNext().isIdentifier("in"))
        return parseForIn(line, Value::Type::Void);
    if (atTypeKeyword()) {
        const Token typeToken = m_cur;
        const Value::Type type = parseType();
        if (m_cur.is(T::Variable) && peekNext().isIdentifier("in") && type == Value::elementType(type))
            return parseForIn(line, type);
        unexpected(typeToken);
    }
    auto stmt = std::make_unique<ForStmt>(line);
    if (!m_cur.is(T::Semicolon))
        stmt->init = parseExpressionList();
    expect(T::Semicolon);
    if (!m_cur.is(T::Semicolon))
        stmt->condition = parseExpression();
    expect(T::Semicolon);
    if (!m_cur.is(T::RParen))
        stmt->step = parseExpressionList();
    expect(T::RParen);
    stmt->body = parseLoopBody();
    return stmt;
}

StmtPtr Parser::parseForIn(int line, Value::Type declaredType)
{
    auto stmt = std::make_unique<ForInStmt>(line);
    stmt->declaredType = declaredType;
    stmt->variable = m_cur.text;
    advance(); // the variable
    advance(); // "in"
    stmt->array = parseExpression();
    expect(T::RParen);
    stmt->body = parseLoopBody();
    return stmt;
}

StmtPtr Parser::parseLoopBody()
{
    ++m_loopDepth;
    StmtPtr body = parseStatement();
    --m_loopDepth;
    return body;
}

StmtPtr Parser::parseJump(Stmt::Kind kind)
{
    if (m_loopDepth == 0)
        fail(m_cur.line, "Syntax error: \"" + m_cur.text + "\" outside of a loop");
    auto stmt = std::make_unique<Stmt>(kind, m_cur.line);
    advance();
    endStatement();
    return stmt;
}

StmtPtr Parser::parseReturn()
{
    const int line = m_cur.line;
    if (!m_proc)
        fail(line, "Syntax error: \"return\" outside of a procedure");
    auto stmt = std::make_unique<ReturnStmt>(line);
    advance();
    if (!m_cur.is(T::Semicolon) && !m_cur.is(T::RBrace) && !m_cur.is(T::End))
        stmt->value = parseExpression();
    const bool typed = m_proc->returnType != Value::Type::Void;
    if (stmt->value && !typed)
        fail(line, "Syntax error: procedure \"" + m_proc->name
                       + "\" has no return type and cannot return a value");
    if (!stmt->value && typed)
        fail(line, "Syntax error: procedure \"" + m_proc->name + "\" must return a "
                       + Value::typeName(m_proc->returnType) + " value");
    endStatement();
    return stmt;
}

StmtPtr Parser::parseExpressionStatement()
{
    const int line = m_cur.line;
    ExprPtr expr = parseExpression();
    endStatement();
    return std::make_unique<ExprStmt>(line, std::move(expr));
}

// A statement ends with ';', which may be left out before '}' and at the end.
void Parser::endStatement()
{
    if (m_cur.is(T::Semicolon))
        advance();
    else if (!m_cur.is(T::RBrace) && !m_cur.is(T::End))
        unexpected(m_cur);
}

// ---- Calls ----

// At a name that starts a statement or a backquote. `name(...)` followed by
// the end of the statement or by an operator is function syntax; followed by
// more words (`setAttr ($n + ".v") -lock 1`) it is command syntax whose
// first word is in parentheses.
ExprPtr Parser::parseCommandOrCall()
{
    const Token name = m_cur;
    if (peekNext().is(T::LParen)) {
        advance();
        CallExpr probe(name.line, name.text, false);
        parseCallArguments(probe);
        const bool command = continuesAsCommand(m_cur);
        rewindTo(name);
        if (!command)
            return parseExpression();
    }
    return parseCommandWords(name);
}

bool Parser::continuesAsCommand(const Token& next) const
{
    switch (next.type) {
    case T::Backquote: return !m_inBackquote;
    case T::String: case T::Int: case T::Float: case T::Variable: case T::Identifier:
    case T::Word: case T::LParen: case T::LBrace:
        return true;
    case T::Minus: return std::isalpha(static_cast<unsigned char>(m_lexer.charAt(next.offset + 1))) != 0;
    default: return false;
    }
}

ExprPtr Parser::parseCommandWords(const Token& name)
{
    auto call = std::make_unique<CallExpr>(name.line, name.text, true);
    m_lexer.reset(name.offset + name.text.size(), name.line);
    for (;;) {
        const Token word = m_lexer.nextWord();
        switch (word.type) {
        case T::Word:
        case T::String:
            call->args.push_back(std::make_unique<LiteralExpr>(word.line, Value::fromString(word.text)));
            break;
        case T::Int:
            call->args.push_back(std::make_unique<LiteralExpr>(word.line, Value::fromInt(word.intValue)));
            break;
        case T::Float:
            call->args.push_back(std::make_unique<LiteralExpr>(word.line, Value::fromFloat(word.floatValue)));
            break;
        case T::Variable:
        case T::LParen:
        case T::LBrace:
            call->args.push_back(parseWordExpression(word));
            break;
        case T::Backquote:
            if (m_inBackquote) {
                rewindTo(word);
                return call;
            }
            call->args.push_back(parseWordExpression(word));
            break;
        default: // ';', '}', ')' or the end: the statement's parser checks it
            rewindTo(word);
            return call;
        }
        measure(*call, call->args.back().get());
    }
}

// A command word that is an expression: `$var`, `$var[i]`, `(expr)`,
// `{...}` or a backquote.
ExprPtr Parser::parseWordExpression(const Token& word)
{
    rewindTo(word);
    ExprPtr expr;
    if (word.is(T::Variable)) {
        expr = parseVariable();
        const char after = m_lexer.charAt(m_prevEnd);
        if (after != '\0' && !std::isspace(static_cast<unsigned char>(after))
            && !std::strchr(";`)}", after))
            fail(word.line, "Syntax error: unexpected \"" + std::string(1, after) + "\" after \"$"
                                + word.text + "\"");
    } else {
        expr = parsePrimary();
    }
    resumeWords();
    return expr;
}

void Parser::parseCallArguments(CallExpr& call)
{
    expect(T::LParen);
    while (!m_cur.is(T::RParen)) {
        if (!call.args.empty())
            expect(T::Comma);
        call.args.push_back(parseExpression());
        measure(call, call.args.back().get());
    }
    advance();
}

// ---- Expressions ----

ExprPtr Parser::parseExpression()
{
    ExprPtr target = parseConditional();
    if (!isAssignment(m_cur.type))
        return target;
    const Token op = m_cur;
    requireAssignable(*target, op);
    advance();
    auto assign = std::make_unique<AssignExpr>(op.line);
    assign->compound = !op.is(T::Assign);
    assign->op = compoundOp(op.type);
    assign->target = std::move(target);
    assign->value = parseExpression();
    measure(*assign, assign->target.get(), assign->value.get());
    return assign;
}

ExprPtr Parser::parseConditional()
{
    ExprPtr condition = parseBinary(0);
    if (!m_cur.is(T::Question))
        return condition;
    Nesting nesting(*this);
    auto expr = std::make_unique<ConditionalExpr>(m_cur.line);
    advance();
    expr->condition = std::move(condition);
    expr->whenTrue = parseExpression();
    expect(T::Colon);
    expr->whenFalse = parseConditional();
    measure(*expr, expr->condition.get(), expr->whenTrue.get(), expr->whenFalse.get());
    return expr;
}

ExprPtr Parser::parseBinary(int level)
{
    if (level == kLevelCount)
        return parseUnary();
    ExprPtr lhs = parseBinary(level + 1);
    const BinaryLevel& ops = kLevels[level];
    for (;;) {
        const T* found = std::find(ops.tokens, ops.tokens + ops.count, m_cur.type);
        if (found == ops.tokens + ops.count)
            return lhs;
        auto expr = std::make_unique<BinaryExpr>(m_cur.line, ops.ops[found - ops.tokens]);
        advance();
        expr->lhs = std::move(lhs);
        expr->rhs = parseBinary(level + 1);
        measure(*expr, expr->lhs.get(), expr->rhs.get());
        lhs = std::move(expr);
    }
}

ExprPtr Parser::parseUnary()
{
    const Token op = m_cur;
    if (!op.is(T::Minus) && !op.is(T::Plus) && !op.is(T::Not) && !op.is(T::PlusPlus)
        && !op.is(T::MinusMinus))
        return parsePostfix();
    Nesting nesting(*this);
    advance();
    ExprPtr operand = parseUnary();
    if (op.is(T::Plus))
        return operand;
    if (op.is(T::PlusPlus) || op.is(T::MinusMinus)) {
        requireAssignable(*operand, op);
        auto expr = std::make_unique<IncDecExpr>(op.line, op.is(T::PlusPlus), true);
        expr->target = std::move(operand);
        measure(*expr, expr->target.get());
        return expr;
    }
    if (op.is(T::Minus) && operand->kind == Expr::Kind::Literal) {
        // Fold "-5" into a literal so that it stays an int.
        Value& v = static_cast<LiteralExpr&>(*operand).value;
        if (v.type() == Value::Type::Int) {
            v = Value::fromInt(static_cast<long long>(0ULL - static_cast<unsigned long long>(v.asInt())));
            return operand;
        }
        if (v.type() == Value::Type::Float) {
            v = Value::fromFloat(-v.asFloat());
            return operand;
        }
    }
    auto expr = std::make_unique<UnaryExpr>(op.line, op.is(T::Not) ? UnaryExpr::Op::Not
                                                                   : UnaryExpr::Op::Negate);
    expr->operand = std::move(operand);
    measure(*expr, expr->operand.get());
    return expr;
}

ExprPtr Parser::parsePostfix()
{
    ExprPtr expr = parsePrimary();
    for (;;) {
        if (m_cur.is(T::LBracket)) {
            auto index = std::make_unique<IndexExpr>(m_cur.line);
            advance();
            index->base = std::move(expr);
            index->index = parseExpression();
            expect(T::RBracket);
            measure(*index, index->base.get(), index->index.get());
            expr = std::move(index);
        } else if (m_cur.is(T::PlusPlus) || m_cur.is(T::MinusMinus)) {
            requireAssignable(*expr, m_cur);
            auto incDec = std::make_unique<IncDecExpr>(m_cur.line, m_cur.is(T::PlusPlus), false);
            advance();
            incDec->target = std::move(expr);
            measure(*incDec, incDec->target.get());
            expr = std::move(incDec);
        } else {
            return expr;
        }
    }
}

ExprPtr Parser::parsePrimary()
{
    const Token t = m_cur;
    switch (t.type) {
    case T::Int: advance(); return std::make_unique<LiteralExpr>(t.line, Value::fromInt(t.intValue));
    case T::Float: advance(); return std::make_unique<LiteralExpr>(t.line, Value::fromFloat(t.floatValue));
    case T::String: advance(); return std::make_unique<LiteralExpr>(t.line, Value::fromString(t.text));
    case T::Variable: return parseVariable();
    case T::LBrace: return parseArrayLiteral();
    case T::Backquote: return parseBackquote();
    case T::LParen: {
        Nesting nesting(*this);
        advance();
        ExprPtr inner = parseExpression();
        expect(T::RParen);
        return inner;
    }
    case T::Identifier:
        if (t.text == "true" || t.text == "on" || t.text == "yes"
            || t.text == "false" || t.text == "off" || t.text == "no") {
            advance();
            const bool on = t.text == "true" || t.text == "on" || t.text == "yes";
            return std::make_unique<LiteralExpr>(t.line, Value::fromInt(on ? 1 : 0));
        }
        if (peekNext().is(T::LParen)) {
            Nesting nesting(*this);
            auto call = std::make_unique<CallExpr>(t.line, t.text, false);
            advance();
            parseCallArguments(*call);
            return call;
        }
        unexpected(t);
    default:
        unexpected(t);
    }
}

// `$name` with an optional index.
ExprPtr Parser::parseVariable()
{
    ExprPtr var = std::make_unique<VariableExpr>(m_cur.line, m_cur.text);
    advance();
    if (!m_cur.is(T::LBracket))
        return var;
    auto index = std::make_unique<IndexExpr>(m_cur.line);
    advance();
    index->base = std::move(var);
    index->index = parseExpression();
    expect(T::RBracket);
    measure(*index, index->base.get(), index->index.get());
    return index;
}

ExprPtr Parser::parseArrayLiteral()
{
    Nesting nesting(*this);
    auto array = std::make_unique<ArrayLiteralExpr>(m_cur.line);
    advance();
    while (!m_cur.is(T::RBrace)) {
        if (!array->elements.empty())
            expect(T::Comma);
        array->elements.push_back(parseExpression());
        measure(*array, array->elements.back().get());
    }
    advance();
    return array;
}

// `` `command args` ``: a command (or call) whose result is the value.
ExprPtr Parser::parseBackquote()
{
    Nesting nesting(*this);
    advance();
    if (!m_cur.is(T::Identifier))
        unexpected(m_cur);
    const bool outer = m_inBackquote;
    m_inBackquote = true;
    ExprPtr command = parseCommandOrCall();
    m_inBackquote = outer;
    expect(T::Backquote);
    return command;
}

void Parser::requireAssignable(const Expr& target, const Token& op) const
{
    const bool variable = target.kind == Expr::Kind::Variable;
    const bool element = target.kind == Expr::Kind::Index
                         && static_cast<const IndexExpr&>(target).base->kind == Expr::Kind::Variable;
    if (!variable && !element)
        fail(op.line, "Syntax error: \"" + op.text + "\" needs a variable or an array element");
}

void Parser::measure(Expr& node, const Expr* a, const Expr* b, const Expr* c) const
{
    for (const Expr* child : {a, b, c})
        if (child)
            node.depth = std::max(node.depth, child->depth + 1);
    if (node.depth > kMaxTreeDepth)
        fail(node.line, "Syntax error: the expression is too long or nested too deeply");
}

std::vector<ExprPtr> Parser::parseExpressionList()
{
    std::vector<ExprPtr> list;
    list.push_back(parseExpression());
    while (m_cur.is(T::Comma)) {
        advance();
        list.push_back(parseExpression());
    }
    return list;
}

} // namespace nbhost
