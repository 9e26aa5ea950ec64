#include "core/OptionVarStore.h"

#include "core/Output.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace nbhost {

namespace {

// One variable a line: a type letter, the name and the value, separated by
// tabs; tabs, line feeds and backslashes in names and values are escaped.
std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

bool parseLine(const std::string& line, std::string& name, Value& value)
{
    const size_t first = line.find('\t');
    const size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    if (second == std::string::npos)
        return false;
    const std::string type = line.substr(0, first);
    name = unescape(line.substr(first + 1, second - first - 1));
    const std::string text = unescape(line.substr(second + 1));
    if (name.empty())
        return false;
    try {
        size_t used = 0;
        if (type == "i") {
            value = Value::fromInt(std::stoll(text, &used));
            return used == text.size();
        }
        if (type == "f") {
            value = Value::fromFloat(std::stod(text, &used));
            return used == text.size();
        }
    } catch (const std::exception&) {
        return false;
    }
    if (type != "s")
        return false;
    value = Value::fromString(text);
    return true;
}

std::string formatLine(const std::string& name, const Value& value)
{
    std::ostringstream line;
    line.precision(17);
    switch (value.type()) {
    case Value::Type::Int: line << "i\t" << escape(name) << '\t' << value.asInt(); break;
    case Value::Type::Float: line << "f\t" << escape(name) << '\t' << value.asFloat(); break;
    default: line << "s\t" << escape(name) << '\t' << escape(value.asString()); break;
    }
    return line.str();
}

} // namespace

OptionVarStore::OptionVarStore(std::string filePath) : m_filePath(std::move(filePath)) { load(); }

Value OptionVarStore::get(const std::string& name) const
{
    auto it = m_values.find(name);
    return it == m_values.end() ? Value::fromInt(0) : it->second;
}

void OptionVarStore::set(const std::string& name, const Value& value)
{
    m_values[name] = value;
    save();
}

bool OptionVarStore::remove(const std::string& name)
{
    if (!m_values.erase(name))
        return false;
    save();
    return true;
}

std::vector<std::string> OptionVarStore::names() const
{
    std::vector<std::string> result;
    for (const auto& entry : m_values)
        result.push_back(entry.first);
    return result;
}

void OptionVarStore::load()
{
    if (m_filePath.empty())
        return;
    std::ifstream in(m_filePath);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string name;
        Value value;
        if (line.empty())
            continue;
        if (parseLine(line, name, value))
            m_values[name] = value;
        else
            Output::write(Output::Kind::Warning, m_filePath + " line " + std::to_string(number) +
                                                     ": damaged option variable skipped.");
    }
}

// Written to a temporary file first, so a failed write never leaves a
// truncated file behind.
void OptionVarStore::save() const
{
    if (m_filePath.empty())
        return;
    const std::string temporary = m_filePath + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& entry : m_values)
            out << formatLine(entry.first, entry.second) << '\n';
        out.flush();
        if (!out) {
            Output::write(Output::Kind::Warning, "Could not write option variables to " + temporary);
            std::remove(temporary.c_str());
            return;
        }
    }
    if (std::rename(temporary.c_str(), m_filePath.c_str()) != 0) {
        Output::write(Output::Kind::Warning, "Could not write option variables to " + m_filePath);
        std::remove(temporary.c_str());
    }
}

} // namespace nbhost
