#pragma once

#include "script/Token.h"

#include <string>

namespace nbhost {

// Splits script text into tokens. Two modes: expressions and statements
// (`next`), and the arguments of command syntax (`nextWord`), where
// "-flag", "persp" or "1.5" are single words. The parser switches between
// them by resetting to a token's start. Lexical errors throw ScriptError.
class Lexer
{
public:
    explicit Lexer(const std::string& source) : m_source(source) {}

    Token next();
    Token nextWord();

    // The string literal that reads back as exactly `text`: quotes,
    // backslashes and line breaks escaped, so scripts the host writes
    // (scene files, echoed commands) keep every character.
    static std::string quote(const std::string& text);

    // For readers of files that may be cut short: a string that the end of
    // the text leaves open ends the input (the cut string is dropped) instead
    // of being an error; cutStringLine() then names the line it opened on.
    void setCutStringEndsInput(bool on) { m_cutStringEndsInput = on; }
    int cutStringLine() const { return m_cutStringLine; }

    // The offset at which `line` starts, looking forward from `from` (on
    // `fromLine`); the end of the text when it has no such line.
    size_t lineStart(size_t from, int fromLine, int line) const;

    void reset(size_t offset, int line);
    size_t position() const { return m_pos; }
    int line() const { return m_line; }
    // The character at `offset`, or '\0' past the end.
    char charAt(size_t offset) const;

private:
    void skipSpaceAndComments();
    Token make(Token::Type type, size_t start, int line) const;
    Token lexNumber();
    Token lexString();
    Token lexVariable();
    Token lexIdentifier();
    Token lexOperator();
    Token lexBareWord();
    bool atWordEnd() const;
    [[noreturn]] void fail(const std::string& what) const;

    const std::string& m_source;
    size_t m_pos = 0;
    int m_line = 1;
    bool m_cutStringEndsInput = false;
    int m_cutStringLine = 0;
};

} // namespace nbhost
