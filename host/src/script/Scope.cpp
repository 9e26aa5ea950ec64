#include "script/Scope.h"

namespace nbhost {

const VariableRef* Scope::find(const std::string& name) const
{
    for (const Scope* scope = this; scope; scope = scope->m_parent)
        if (const VariableRef* found = scope->findHere(name))
            return found;
    return nullptr;
}

const VariableRef* Scope::findHere(const std::string& name) const
{
    auto it = m_variables.find(name);
    return it == m_variables.end() ? nullptr : &it->second;
}

VariableRef& Scope::define(const std::string& name, Value value)
{
    VariableRef& slot = m_variables[name];
    slot = std::make_shared<Variable>(Variable{std::move(value)});
    return slot;
}

void Scope::alias(const std::string& name, VariableRef variable)
{
    m_variables[name] = std::move(variable);
}

} // namespace nbhost
