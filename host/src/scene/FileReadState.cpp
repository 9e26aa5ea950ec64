#include "scene/FileReadState.h"

#include <algorithm>

namespace nbhost {

std::vector<FileReadState::Mode>& FileReadState::modes()
{
    static std::vector<Mode> stack;
    return stack;
}

bool FileReadState::has(Mode mode)
{
    const auto& stack = modes();
    return std::find(stack.begin(), stack.end(), mode) != stack.end();
}

bool FileReadState::isReadingFile() { return !modes().empty(); }
bool FileReadState::isOpeningFile() { return has(Mode::Opening); }
bool FileReadState::isImportingFile() { return has(Mode::Importing); }
bool FileReadState::isReferencingFile() { return has(Mode::Referencing); }

FileReadState::Scope::Scope(Mode mode) { modes().push_back(mode); }
FileReadState::Scope::~Scope() { modes().pop_back(); }

} // namespace nbhost
