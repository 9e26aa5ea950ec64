#include "script/Regex.h"

#include "script/ScriptError.h"

namespace nbhost {

namespace {
constexpr int kMaxGroupDepth = 100;
constexpr size_t kMaxProgram = 100000;
} // namespace

Regex::Regex(const std::string& pattern, int line) : m_pattern(pattern), m_line(line)
{
    m_code = parseAlternatives(0);
    if (m_pos < m_pattern.size()) // only an unmatched ')' stops the top level early
        fail("unmatched \")\"");
    Inst match{Op::Match};
    m_code.push_back(match);
}

void Regex::fail(const std::string& why) const
{
    throw ScriptError(m_line, "Invalid regular expression \"" + m_pattern + "\": " + why + ".");
}

// ---- Compiling. Jumps are relative, so that pieces of code concatenate. ----

Regex::Code Regex::parseAlternatives(int depth)
{
    Code code = parseSequence(depth);
    while (m_pos < m_pattern.size() && m_pattern[m_pos] == '|') {
        ++m_pos;
        Code other = parseSequence(depth);
        Code both;
        both.push_back({Op::Split, 0, 1, static_cast<int>(code.size()) + 2});
        both.insert(both.end(), code.begin(), code.end());
        both.push_back({Op::Jump, 0, static_cast<int>(other.size()) + 1});
        both.insert(both.end(), other.begin(), other.end());
        code.swap(both);
    }
    return code;
}

Regex::Code Regex::parseSequence(int depth)
{
    Code code;
    while (m_pos < m_pattern.size() && m_pattern[m_pos] != '|' && m_pattern[m_pos] != ')') {
        Code piece = parseRepeat(depth);
        code.insert(code.end(), piece.begin(), piece.end());
        if (code.size() > kMaxProgram)
            fail("the pattern is too long");
    }
    return code;
}

Regex::Code Regex::parseRepeat(int depth)
{
    Code code = parseAtom(depth);
    while (m_pos < m_pattern.size()) {
        const char q = m_pattern[m_pos];
        if (q != '*' && q != '+' && q != '?')
            break;
        ++m_pos;
        const int n = static_cast<int>(code.size());
        Code out;
        if (q == '+') {
            out = code;
            out.push_back({Op::Split, 0, -n, 1});
        } else {
            out.push_back({Op::Split, 0, 1, n + (q == '*' ? 2 : 1)});
            out.insert(out.end(), code.begin(), code.end());
            if (q == '*')
                out.push_back({Op::Jump, 0, -(n + 1)});
        }
        code.swap(out);
    }
    return code;
}

Regex::Code Regex::parseAtom(int depth)
{
    const char c = m_pattern[m_pos++];
    switch (c) {
    case '(': {
        if (depth >= kMaxGroupDepth)
            fail("groups are nested too deeply");
        Code inner = parseAlternatives(depth + 1);
        if (m_pos >= m_pattern.size() || m_pattern[m_pos] != ')')
            fail("missing \")\"");
        ++m_pos;
        return inner;
    }
    case '[': return parseClass();
    case '.': return {{Op::Any}};
    case '^': return {{Op::LineStart}};
    case '$': return {{Op::LineEnd}};
    case '*': case '+': case '?': fail(std::string("nothing to repeat before \"") + c + "\"");
    case '\\':
        if (m_pos >= m_pattern.size())
            fail("it ends with \"\\\"");
        return {{Op::Char, static_cast<unsigned char>(m_pattern[m_pos++])}};
    default: return {{Op::Char, static_cast<unsigned char>(c)}};
    }
}

// After '[': a set of characters and ranges; ']' first is a member.
Regex::Code Regex::parseClass()
{
    std::bitset<256> set;
    bool negate = false;
    if (m_pos < m_pattern.size() && m_pattern[m_pos] == '^') {
        negate = true;
        ++m_pos;
    }
    bool first = true;
    for (;;) {
        if (m_pos >= m_pattern.size())
            fail("missing \"]\"");
        unsigned char from = static_cast<unsigned char>(m_pattern[m_pos++]);
        if (from == ']' && !first)
            break;
        first = false;
        if (from == '\\' && m_pos < m_pattern.size())
            from = static_cast<unsigned char>(m_pattern[m_pos++]);
        unsigned char to = from;
        if (m_pos + 1 < m_pattern.size() && m_pattern[m_pos] == '-' && m_pattern[m_pos + 1] != ']') {
            to = static_cast<unsigned char>(m_pattern[m_pos + 1]);
            m_pos += 2;
            if (to < from)
                fail("the range is reversed");
        }
        for (unsigned v = from; v <= to; ++v)
            set.set(v);
    }
    if (negate)
        set.flip();
    m_classes.push_back(set);
    return {{Op::Class, 0, static_cast<int>(m_classes.size()) - 1}};
}

// ---- Matching ----

bool Regex::search(const std::string& text, size_t& start, size_t& length) const
{
    std::vector<Thread> current, next;
    // marks[pc] == pos + 1 when pc is already listed for position pos
    std::vector<size_t> marks(m_code.size(), 0);
    bool found = false;
    for (size_t pos = 0;; ++pos) {
        if (!found)
            addThread(current, marks, 0, pos, pos, text.size());
        if (current.empty())
            break;
        next.clear();
        for (const Thread& t : current) {
            const Inst& inst = m_code[t.pc];
            if (inst.op == Op::Match) {
                found = true;
                start = t.start;
                length = pos - t.start;
                break; // later threads have lower priority
            }
            if (pos < text.size() && step(inst, static_cast<unsigned char>(text[pos])))
                addThread(next, marks, t.pc + 1, t.start, pos + 1, text.size());
        }
        current.swap(next);
        if (pos >= text.size())
            break;
    }
    return found;
}

bool Regex::step(const Inst& inst, unsigned char c) const
{
    switch (inst.op) {
    case Op::Char: return inst.c == c;
    case Op::Any: return true;
    case Op::Class: return m_classes[inst.x].test(c);
    default: return false;
    }
}

// Adds the thread and everything reachable without reading a character, in
// priority order, each program position once per text position.
void Regex::addThread(std::vector<Thread>& list, std::vector<size_t>& marks, int pc, size_t start,
                      size_t pos, size_t textSize) const
{
    std::vector<int> pending{pc};
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        if (marks[at] == pos + 1)
            continue;
        marks[at] = pos + 1;
        const Inst& inst = m_code[at];
        switch (inst.op) {
        case Op::Jump: pending.push_back(at + inst.x); break;
        case Op::Split:
            pending.push_back(at + inst.y);
            pending.push_back(at + inst.x);
            break;
        case Op::LineStart:
            if (pos == 0)
                pending.push_back(at + 1);
            break;
        case Op::LineEnd:
            if (pos == textSize)
                pending.push_back(at + 1);
            break;
        default: list.push_back({at, start});
        }
    }
}

} // namespace nbhost
