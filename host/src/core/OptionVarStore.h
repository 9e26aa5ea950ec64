#pragma once

#include "script/Value.h"

#include <map>
#include <string>
#include <vector>

namespace nbhost {

// The host's option variables (`optionVar`): named int, float or string
// values kept across sessions in a file of the preference directory. Every
// change is saved at once.
class OptionVarStore
{
public:
    // Loads the file if it exists; an empty path keeps the values in memory only.
    explicit OptionVarStore(std::string filePath);

    bool exists(const std::string& name) const { return m_values.count(name) > 0; }
    // The value, or the int 0 when there is none (as the real host answers).
    Value get(const std::string& name) const;
    void set(const std::string& name, const Value& value);
    bool remove(const std::string& name);
    std::vector<std::string> names() const;

    const std::string& filePath() const { return m_filePath; }

private:
    void load();
    void save() const;

    std::string m_filePath;
    std::map<std::string, Value> m_values;
};

} // namespace nbhost
