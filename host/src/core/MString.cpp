#include <maya/MString.h>

#include <maya/MStringArray.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <ostream>

namespace {

std::string formatNumber(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    return buffer;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool parseLong(const std::string& text, long& out)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(t.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool parseDouble(const std::string& text, double& out)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(t.c_str(), &end);
    return errno == 0 && end && *end == '\0';
}

} // namespace

MString::MString() = default;
MString::MString(const char* text) : m_text(text ? text : "") {}
MString::MString(const char* text, int length)
    : m_text(text && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string())
{
}

MString::MString(const wchar_t* text)
{
    if (!text)
        return;
    // Encode wide characters as UTF-8.
    for (; *text; ++text) {
        const uint32_t c = static_cast<uint32_t>(*text);
        if (c < 0x80) {
            m_text += static_cast<char>(c);
        } else if (c < 0x800) {
            m_text += static_cast<char>(0xC0 | (c >> 6));
            m_text += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            m_text += static_cast<char>(0xE0 | (c >> 12));
            m_text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            m_text += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            m_text += static_cast<char>(0xF0 | (c >> 18));
            m_text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            m_text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            m_text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

MString& MString::operator=(const char* text) { return set(text); }
MString& MString::operator=(double value) { return set(value); }

MString& MString::operator+=(const MString& other) { m_text += other.m_text; return *this; }
MString& MString::operator+=(const char* text) { if (text) m_text += text; return *this; }
MString& MString::operator+=(char c) { m_text += c; return *this; }
MString& MString::operator+=(double value) { m_text += formatNumber(value, 15); return *this; }
MString& MString::operator+=(float value) { m_text += formatNumber(value, 7); return *this; }
MString& MString::operator+=(int value) { m_text += std::to_string(value); return *this; }
MString& MString::operator+=(unsigned int value) { m_text += std::to_string(value); return *this; }

bool MString::operator==(const MString& other) const { return m_text == other.m_text; }
bool MString::operator==(const char* other) const { return m_text == (other ? other : ""); }
bool MString::operator!=(const MString& other) const { return !(*this == other); }
bool MString::operator!=(const char* other) const { return !(*this == other); }
bool MString::operator<(const MString& other) const { return m_text < other.m_text; }
bool MString::operator>(const MString& other) const { return m_text > other.m_text; }

MString& MString::set(const char* text) { m_text = text ? text : ""; return *this; }
MString& MString::set(const char* text, int length)
{
    m_text = text && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
    return *this;
}
MString& MString::set(double value) { m_text = formatNumber(value, 15); return *this; }
MString& MString::set(double value, int precision)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(precision, 0, 30), value);
    m_text = buffer;
    return *this;
}

const char* MString::asChar() const { return m_text.c_str(); }
const char* MString::asUTF8() const { return m_text.c_str(); }
unsigned int MString::length() const { return static_cast<unsigned int>(m_text.size()); }

unsigned int MString::numChars() const
{
    unsigned int count = 0;
    for (unsigned char c : m_text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

bool MString::isEmpty() const { return m_text.empty(); }
void MString::clear() { m_text.clear(); }

int MString::index(char c) const
{
    const auto pos = m_text.find(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int MString::rindex(char c) const
{
    const auto pos = m_text.rfind(c);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int MString::indexW(const MString& other) const
{
    const auto pos = m_text.find(other.m_text);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

MStatus MString::split(char separator, MStringArray& output) const
{
    output.clear();
    size_t start = 0;
    while (start <= m_text.size()) {
        const auto pos = m_text.find(separator, start);
        const auto end = pos == std::string::npos ? m_text.size() : pos;
        if (end > start)
            output.append(MString(m_text.substr(start, end - start).c_str()));
        if (pos == std::string::npos)
            break;
        start = pos + 1;
    }
    return MStatus::kSuccess;
}

MString MString::substring(int start, int end) const
{
    // Both ends are inclusive, as in the host.
    const int size = static_cast<int>(m_text.size());
    start = std::max(start, 0);
    end = std::min(end, size - 1);
    if (start > end)
        return MString();
    const std::string part = m_text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start + 1));
    return MString(part.c_str(), static_cast<int>(part.size()));
}

MString MString::toLowerCase() const
{
    MString result(*this);
    std::transform(result.m_text.begin(), result.m_text.end(), result.m_text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

MString MString::toUpperCase() const
{
    MString result(*this);
    std::transform(result.m_text.begin(), result.m_text.end(), result.m_text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

MString& MString::substitute(const MString& before, const MString& after)
{
    if (before.m_text.empty())
        return *this;
    std::string result;
    size_t start = 0;
    for (auto pos = m_text.find(before.m_text); pos != std::string::npos;
         pos = m_text.find(before.m_text, start)) {
        result.append(m_text, start, pos - start);
        result += after.m_text;
        start = pos + before.m_text.size();
    }
    result.append(m_text, start, std::string::npos);
    m_text = result;
    return *this;
}

bool MString::isInt() const { long v; return parseLong(m_text, v) && v >= INT_MIN && v <= INT_MAX; }
int MString::asInt() const { long v; return parseLong(m_text, v) ? static_cast<int>(v) : static_cast<int>(asDouble()); }
bool MString::isShort() const { long v; return parseLong(m_text, v) && v >= SHRT_MIN && v <= SHRT_MAX; }
short MString::asShort() const { return static_cast<short>(asInt()); }
bool MString::isUnsigned() const { long v; return parseLong(m_text, v) && v >= 0 && v <= static_cast<long>(UINT_MAX); }
unsigned int MString::asUnsigned() const { return static_cast<unsigned int>(asInt()); }
bool MString::isDouble() const { double v; return parseDouble(m_text, v); }
double MString::asDouble() const { double v; return parseDouble(m_text, v) ? v : 0.0; }
bool MString::isFloat() const { return isDouble(); }
float MString::asFloat() const { return static_cast<float>(asDouble()); }

MString operator+(const MString& a, const MString& b) { MString r(a); r += b; return r; }
MString operator+(const MString& a, const char* b) { MString r(a); r += b; return r; }
MString operator+(const char* a, const MString& b) { MString r(a); r += b; return r; }
MString operator+(const MString& a, double b) { MString r(a); r += b; return r; }
MString operator+(const MString& a, int b) { MString r(a); r += b; return r; }
MString operator+(const MString& a, unsigned int b) { MString r(a); r += b; return r; }

std::ostream& operator<<(std::ostream& out, const MString& text) { return out << text.asChar(); }
