#include "script/Lexer.h"

#include "script/ScriptError.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace nbhost {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isIdentifierStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// A whole word that reads as a number: [+-]digits[.digits][e[+-]digits].
bool isNumberWord(const std::string& w, bool& isFloat)
{
    size_t i = 0;
    if (i < w.size() && (w[i] == '-' || w[i] == '+'))
        ++i;
    size_t digits = 0;
    while (i < w.size() && isDigit(w[i]))
        ++i, ++digits;
    isFloat = false;
    if (i < w.size() && w[i] == '.') {
        isFloat = true;
        ++i;
        while (i < w.size() && isDigit(w[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < w.size() && (w[i] == 'e' || w[i] == 'E')) {
        isFloat = true;
        ++i;
        if (i < w.size() && (w[i] == '-' || w[i] == '+'))
            ++i;
        if (i == w.size() || !isDigit(w[i]))
            return false;
        while (i < w.size() && isDigit(w[i]))
            ++i;
    }
    return i == w.size();
}

struct Operator
{
    const char* text;
    Token::Type type;
};

// Longest first, so that "+=" wins over "+".
const Operator kOperators[] = {
    {"++", Token::Type::PlusPlus},     {"--", Token::Type::MinusMinus},
    {"+=", Token::Type::PlusAssign},   {"-=", Token::Type::MinusAssign},
    {"*=", Token::Type::StarAssign},   {"/=", Token::Type::SlashAssign},
    {"%=", Token::Type::PercentAssign}, {"==", Token::Type::Equal},
    {"!=", Token::Type::NotEqual},     {"<=", Token::Type::LessEqual},
    {">=", Token::Type::GreaterEqual}, {"&&", Token::Type::And},
    {"||", Token::Type::Or},           {"(", Token::Type::LParen},
    {")", Token::Type::RParen},        {"{", Token::Type::LBrace},
    {"}", Token::Type::RBrace},        {"[", Token::Type::LBracket},
    {"]", Token::Type::RBracket},      {";", Token::Type::Semicolon},
    {",", Token::Type::Comma},         {"?", Token::Type::Question},
    {":", Token::Type::Colon},         {"+", Token::Type::Plus},
    {"-", Token::Type::Minus},         {"*", Token::Type::Star},
    {"/", Token::Type::Slash},         {"%", Token::Type::Percent},
    {"!", Token::Type::Not},           {"=", Token::Type::Assign},
    {"<", Token::Type::Less},          {">", Token::Type::Greater},
    {"`", Token::Type::Backquote},
};

} // namespace

Token Lexer::next()
{
    skipSpaceAndComments();
    if (m_pos >= m_source.size())
        return make(Token::Type::End, m_pos, m_line);
    const char c = m_source[m_pos];
    if (isDigit(c) || (c == '.' && isDigit(charAt(m_pos + 1))))
        return lexNumber();
    if (c == '"')
        return lexString();
    if (c == '$')
        return lexVariable();
    if (isIdentifierStart(c))
        return lexIdentifier();
    return lexOperator();
}

Token Lexer::nextWord()
{
    skipSpaceAndComments();
    if (m_pos >= m_source.size())
        return make(Token::Type::End, m_pos, m_line);
    switch (m_source[m_pos]) {
    case '"': return lexString();
    case '$': return lexVariable();
    case ';': case '(': case ')': case '{': case '}': case '`': return lexOperator();
    default: return lexBareWord();
    }
}

void Lexer::reset(size_t offset, int line)
{
    m_pos = offset;
    m_line = line;
}

size_t Lexer::lineStart(size_t from, int fromLine, int line) const
{
    for (size_t pos = from; fromLine < line; ++pos) {
        pos = m_source.find('\n', pos);
        if (pos == std::string::npos)
            return m_source.size();
        if (++fromLine == line)
            return pos + 1;
    }
    return from;
}

char Lexer::charAt(size_t offset) const
{
    return offset < m_source.size() ? m_source[offset] : '\0';
}

void Lexer::skipSpaceAndComments()
{
    while (m_pos < m_source.size()) {
        const char c = m_source[m_pos];
        if (c == '\n') {
            ++m_line;
            ++m_pos;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++m_pos;
        } else if (c == '/' && charAt(m_pos + 1) == '/') {
            while (m_pos < m_source.size() && m_source[m_pos] != '\n')
                ++m_pos;
        } else if (c == '/' && charAt(m_pos + 1) == '*') {
            const int startLine = m_line;
            const size_t end = m_source.find("*/", m_pos + 2);
            if (end == std::string::npos) {
                m_line = startLine;
                fail("Syntax error: unterminated comment");
            }
            for (; m_pos < end + 2; ++m_pos)
                m_line += m_source[m_pos] == '\n';
        } else {
            break;
        }
    }
}

Token Lexer::make(Token::Type type, size_t start, int line) const
{
    Token t;
    t.type = type;
    t.offset = start;
    t.line = line;
    return t;
}

Token Lexer::lexNumber()
{
    const size_t start = m_pos;
    if (m_source[m_pos] == '0' && (charAt(m_pos + 1) == 'x' || charAt(m_pos + 1) == 'X')
        && std::isxdigit(static_cast<unsigned char>(charAt(m_pos + 2)))) {
        m_pos += 2;
        while (std::isxdigit(static_cast<unsigned char>(charAt(m_pos))))
            ++m_pos;
    } else {
        while (isDigit(charAt(m_pos)))
            ++m_pos;
        if (charAt(m_pos) == '.') {
            ++m_pos;
            while (isDigit(charAt(m_pos)))
                ++m_pos;
        }
        const char e = charAt(m_pos);
        const char sign = charAt(m_pos + 1);
        if ((e == 'e' || e == 'E')
            && (isDigit(sign) || ((sign == '+' || sign == '-') && isDigit(charAt(m_pos + 2))))) {
            m_pos += 2;
            while (isDigit(charAt(m_pos)))
                ++m_pos;
        }
    }
    Token t = make(Token::Type::Int, start, m_line);
    t.text = m_source.substr(start, m_pos - start);
    const bool hex = t.text.size() > 1 && (t.text[1] == 'x' || t.text[1] == 'X');
    const bool isFloat = !hex && t.text.find_first_of(".eE") != std::string::npos;
    if (isFloat) {
        t.type = Token::Type::Float;
        t.floatValue = std::strtod(t.text.c_str(), nullptr);
        return t;
    }
    errno = 0;
    t.intValue = std::strtoll(t.text.c_str(), nullptr, hex ? 16 : 10);
    if (errno == ERANGE) {
        t.type = Token::Type::Float; // too large for an int
        t.floatValue = std::strtod(t.text.c_str(), nullptr);
    }
    return t;
}

Token Lexer::lexString()
{
    // A line break inside the quotes is kept, so that text written without
    // escaping it still reads back whole; the error names the opening line.
    Token t = make(Token::Type::String, m_pos, m_line);
    ++m_pos; // opening quote
    for (;;) {
        if (m_pos >= m_source.size()) {
            m_line = t.line;
            if (!m_cutStringEndsInput)
                fail("Syntax error: unterminated string");
            m_cutStringLine = t.line;
            return make(Token::Type::End, m_pos, m_line);
        }
        const char c = m_source[m_pos++];
        if (c == '"')
            break;
        if (c == '\n')
            ++m_line;
        if (c != '\\' || m_pos >= m_source.size()) {
            t.text += c;
            continue;
        }
        const char e = m_source[m_pos++];
        switch (e) {
        case 'n': t.text += '\n'; break;
        case 't': t.text += '\t'; break;
        case 'r': t.text += '\r'; break;
        case '\n': ++m_line; break; // a backslash at the end of a line continues it
        default: t.text += e; break; // \" \\ and any other character as itself
        }
    }
    return t;
}

std::string Lexer::quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
    return out + "\"";
}

Token Lexer::lexVariable()
{
    const size_t start = m_pos++; // '$'
    if (!isIdentifierStart(charAt(m_pos)))
        fail("Syntax error: \"$\" must be followed by a variable name");
    Token t = lexIdentifier();
    t.type = Token::Type::Variable;
    t.offset = start;
    return t;
}

Token Lexer::lexIdentifier()
{
    Token t = make(Token::Type::Identifier, m_pos, m_line);
    const size_t start = m_pos;
    while (isIdentifierChar(charAt(m_pos)))
        ++m_pos;
    t.text = m_source.substr(start, m_pos - start);
    return t;
}

Token Lexer::lexOperator()
{
    for (const Operator& op : kOperators) {
        const size_t n = std::strlen(op.text);
        if (m_source.compare(m_pos, n, op.text) == 0) {
            Token t = make(op.type, m_pos, m_line);
            t.text = op.text;
            m_pos += n;
            return t;
        }
    }
    // Not an operator: handed to the parser as a word, which reports it where
    // it is not valid (the same text can be fine as a command word).
    Token t = make(Token::Type::Word, m_pos, m_line);
    t.text = std::string(1, m_source[m_pos++]);
    return t;
}

bool Lexer::atWordEnd() const
{
    if (m_pos >= m_source.size())
        return true;
    const char c = m_source[m_pos];
    return std::isspace(static_cast<unsigned char>(c)) || (c != '\0' && std::strchr(";\"`(){}", c));
}

Token Lexer::lexBareWord()
{
    const size_t start = m_pos;
    const int line = m_line;
    while (!atWordEnd())
        ++m_pos;
    std::string word = m_source.substr(start, m_pos - start);
    bool isFloat = false;
    if (!isNumberWord(word, isFloat)) {
        Token t = make(Token::Type::Word, start, line);
        t.text = std::move(word);
        return t;
    }
    errno = 0;
    const long long asInt = isFloat ? 0 : std::strtoll(word.c_str(), nullptr, 10);
    Token t = make(Token::Type::Int, start, line);
    t.text = word;
    if (isFloat || errno == ERANGE) {
        t.type = Token::Type::Float;
        t.floatValue = std::strtod(word.c_str(), nullptr);
    } else {
        t.intValue = asInt;
    }
    return t;
}

void Lexer::fail(const std::string& what) const
{
    throw ScriptError(m_line, what);
}

} // namespace nbhost
