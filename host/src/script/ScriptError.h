#pragma once

#include <exception>
#include <string>

namespace nbhost {

// A script error: stops the evaluation until a catch or the top level. The
// text names the offending input; the line (0 when it has none, as for the
// error command's own text) and the source file are added in front.
class ScriptError : public std::exception
{
public:
    ScriptError(int line, std::string text, bool reported = false)
        : m_line(line), m_text(std::move(text)), m_reported(reported)
    {
        compose();
    }

    int line() const { return m_line; }
    const std::string& text() const { return m_text; }
    const std::string& message() const { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

    // True when the error was already shown (a failed command reports its
    // own error), so that nobody prints it a second time.
    bool reported() const { return m_reported; }

    // Names the script file the line belongs to, unless one is named already.
    void setFileIfUnset(const std::string& file)
    {
        if (m_fileSet || m_line <= 0)
            return;
        m_fileSet = true;
        if (!file.empty())
            m_message = "file: " + file + " " + m_message;
    }

private:
    void compose()
    {
        m_message = m_line > 0 ? "line " + std::to_string(m_line) + ": " + m_text : m_text;
    }

    int m_line;
    std::string m_text;
    bool m_reported;
    bool m_fileSet = false;
    std::string m_message;
};

} // namespace nbhost
