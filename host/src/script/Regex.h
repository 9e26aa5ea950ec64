#pragma once

#include <bitset>
#include <string>
#include <vector>

namespace nbhost {

// The regular expressions of the script's match and substitute: '.', '*',
// '+', '?', '^', '$', '[...]' and '[^...]' with ranges, '(...)' groups, '|'
// alternatives and '\' to take the next character literally. Matching
// simulates all alternatives at once (a Pike machine), so time is linear in
// the text and nothing recurses on it; the leftmost match wins, greedy
// operators take as much as they can.
class Regex
{
public:
    // Throws ScriptError (at `line`) for a malformed pattern.
    Regex(const std::string& pattern, int line);

    // Finds the leftmost match; false when there is none.
    bool search(const std::string& text, size_t& start, size_t& length) const;

private:
    enum class Op { Char, Any, Class, Split, Jump, LineStart, LineEnd, Match };
    struct Inst
    {
        Op op;
        unsigned char c = 0;
        int x = 0; // relative targets of Split and Jump; class index
        int y = 0;
    };
    using Code = std::vector<Inst>;
    struct Thread
    {
        int pc;
        size_t start;
    };

    Code parseAlternatives(int depth);
    Code parseSequence(int depth);
    Code parseRepeat(int depth);
    Code parseAtom(int depth);
    Code parseClass();
    [[noreturn]] void fail(const std::string& why) const;

    void addThread(std::vector<Thread>& list, std::vector<size_t>& marks, int pc, size_t start,
                   size_t pos, size_t textSize) const;
    bool step(const Inst& inst, unsigned char c) const;

    std::string m_pattern;
    size_t m_pos = 0;
    int m_line;
    Code m_code;
    std::vector<std::bitset<256>> m_classes;
};

} // namespace nbhost
