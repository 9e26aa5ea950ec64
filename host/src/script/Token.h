#pragma once

#include <cstddef>
#include <string>

namespace nbhost {

// One lexical token of the script language, with where it starts so that the
// parser can re-read the text in the other lexing mode (command words).
struct Token
{
    enum class Type
    {
        End,
        Identifier,
        Variable, // text holds the name without '$'
        Int,
        Float,
        String,   // text holds the unescaped contents
        Word,     // a bare word of command syntax ("-flag", "persp", "..")
        Backquote,
        LParen, RParen, LBrace, RBrace, LBracket, RBracket,
        Semicolon, Comma, Question, Colon,
        Plus, Minus, Star, Slash, Percent, Not,
        Assign, PlusAssign, MinusAssign, StarAssign, SlashAssign, PercentAssign,
        PlusPlus, MinusMinus,
        Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual,
        And, Or
    };

    Type type = Type::End;
    std::string text;
    long long intValue = 0;
    double floatValue = 0.0;
    size_t offset = 0; // of the first character in the source
    int line = 1;

    bool is(Type t) const { return type == t; }
    bool isIdentifier(const char* name) const { return type == Type::Identifier && text == name; }
};

} // namespace nbhost
