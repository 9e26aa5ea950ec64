// Feeds arbitrary text to the host's text scene reader: its script lexer,
// parser and interpreter with the scene commands, opening into the scene.
// The nodes a read made are taken out again after each input.
#include "FuzzHost.h"

#include "files/AsciiSceneReader.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool HasWord(const std::string& text, const char* word)
{
    const size_t length = std::strlen(word);
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        if ((at == 0 || !IsWordChar(text[at - 1])) && (at + length == text.size() || !IsWordChar(text[at + length])))
            return true;
    return false;
}

// A scene's script may loop or recurse for as long as it says, as in the
// real host; such inputs only find that out.
bool MayRunForever(const std::string& text)
{
    for (const char* word : {"while", "for", "do", "proc", "eval", "evalDeferred"})
        if (HasWord(text, word))
            return true;
    return text.find('`') != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nbfuzz::StartHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (MayRunForever(text))
        return -1;
    nbfuzz::ReadScene(text, "fuzz.nba", &nbhost::AsciiSceneReader::read);
    nbfuzz::FinishInput();
    return 0;
}
