#pragma once

#include "script/Value.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace nbhost {

// A script variable. Its type is that of its value and never changes after
// the declaration; assignments convert to it.
struct Variable
{
    Value value;
};
using VariableRef = std::shared_ptr<Variable>;

// The variables of one block. Lookups continue in the parent scope, so a
// block sees its procedure's variables; a procedure's outermost scope has
// no parent, and top-level code's chain ends in the session's globals.
// Entries are shared so that a `global` declaration or an array parameter
// refers to the same variable as its origin.
class Scope
{
public:
    explicit Scope(Scope* parent = nullptr) : m_parent(parent) {}

    // Searches this scope, then its parents.
    const VariableRef* find(const std::string& name) const;
    // This scope only.
    const VariableRef* findHere(const std::string& name) const;

    // Declares a new variable in this scope, replacing one of the same name.
    VariableRef& define(const std::string& name, Value value);
    // Makes `name` in this scope refer to an existing variable.
    void alias(const std::string& name, VariableRef variable);

private:
    Scope* m_parent;
    std::unordered_map<std::string, VariableRef> m_variables;
};

} // namespace nbhost
