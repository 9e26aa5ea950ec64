#pragma once

#include "script/Ast.h"
#include "script/Lexer.h"

#include <string>

namespace nbhost {

class ScriptError;

// Builds the syntax tree of one piece of script text. A statement that
// starts with a name is a call: `name(a, b)` in function syntax, anything
// else in command syntax (`name -flag value object;`), where the words are
// re-read with the lexer's word mode. Syntax errors throw ScriptError.
class Parser
{
public:
    explicit Parser(const std::string& source);

    StmtList parseProgram();

    // Statement by statement, for readers that go on past errors. A reader
    // starts before the first token; the string a cut file leaves open ends
    // the input. parseNext gives nullptr at the end; after it threw, skipPast
    // moves on to the line after the error (or after the statement's start).
    struct Reading {};
    Parser(const std::string& source, Reading);
    StmtPtr parseNext();
    void skipPast(const ScriptError& error);
    int cutStringLine() const { return m_lexer.cutStringLine(); }

private:
    // Token stream
    void advance();
    Token peekNext();
    void rewindTo(const Token& token);
    void resumeWords();
    void expect(Token::Type type);
    bool isKeyword(const char* word) const { return m_cur.isIdentifier(word); }
    bool atTypeKeyword() const;
    Value::Type parseType();
    [[noreturn]] void unexpected(const Token& token) const;
    [[noreturn]] void fail(int line, const std::string& text) const;

    // Statements
    StmtPtr parseStatement();
    StmtPtr parseKeywordStatement();
    StmtPtr parseProc();
    void parseParameters(ProcDecl& proc);
    std::unique_ptr<BlockStmt> parseBlock();
    StmtPtr parseDeclaration(bool global);
    StmtPtr parseIf();
    StmtPtr parseWhile();
    StmtPtr parseDoWhile();
    StmtPtr parseFor();
    StmtPtr parseForIn(int line, Value::Type declaredType);
    StmtPtr parseLoopBody();
    StmtPtr parseJump(Stmt::Kind kind);
    StmtPtr parseReturn();
    StmtPtr parseExpressionStatement();
    void endStatement();

    // Calls in command and function syntax
    ExprPtr parseCommandOrCall();
    bool continuesAsCommand(const Token& next) const;
    ExprPtr parseCommandWords(const Token& name);
    ExprPtr parseWordExpression(const Token& word);
    void parseCallArguments(CallExpr& call);

    // Expressions, lowest precedence first
    ExprPtr parseExpression();
    ExprPtr parseConditional();
    ExprPtr parseBinary(int level);
    ExprPtr parseUnary();
    ExprPtr parsePostfix();
    ExprPtr parsePrimary();
    ExprPtr parseVariable();
    ExprPtr parseArrayLiteral();
    ExprPtr parseBackquote();
    void requireAssignable(const Expr& target, const Token& op) const;
    void measure(Expr& node, const Expr* a, const Expr* b = nullptr, const Expr* c = nullptr) const;
    std::vector<ExprPtr> parseExpressionList();

    // Bounds the parser's recursion, so that absurd nesting is an error
    // instead of a stack overflow.
    class Nesting
    {
    public:
        explicit Nesting(Parser& parser);
        ~Nesting() { --m_parser.m_nesting; }

    private:
        Parser& m_parser;
    };

    Lexer m_lexer;
    Token m_cur;
    size_t m_prevEnd = 0; // end of the last consumed token
    int m_nesting = 0;
    int m_loopDepth = 0;
    const ProcDecl* m_proc = nullptr;
    bool m_inBackquote = false;
    // Reading statement by statement: the next token is still to be lexed,
    // and where the current statement started.
    bool m_pendingAdvance = false;
    size_t m_statementOffset = 0;
    int m_statementLine = 1;
};

} // namespace nbhost
