#pragma once

#include "script/Ast.h"

#include <string>
#include <unordered_map>

namespace nbhost {

// One evaluated piece of script text: its syntax tree and the local (non-
// global) procedures it defined, which only its own code can call. Global
// procedures keep their unit alive, since their bodies live in its tree.
struct ScriptUnit
{
    std::string sourceName;
    StmtList program;
    std::unordered_map<std::string, const ProcDecl*> localProcedures;
};

} // namespace nbhost
