// Feeds arbitrary text to the text record reader of the stored document,
// split into arguments as a text scene's tokens: blanks separate them, and
// double quotes enclose a string (with \" and \\ inside).
#include "FuzzHost.h"

#include "node/BaseNodeLayerData.h"

#include <maya/MArgList.h>
#include <maya/MString.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

MArgList Tokens(const std::string& text)
{
    MArgList args;
    size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::string token;
        if (text[i] == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                token += text[i];
            }
            ++i;
        } else {
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
                token += text[i++];
        }
        args.addArg(MString(token.c_str()));
    }
    return args;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nbfuzz::StartHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MArgList args = Tokens(std::string(reinterpret_cast<const char*>(data), size));
    BaseNodeLayerData value;
    unsigned int index = 0;
    value.readASCII(args, index);
    nbfuzz::FinishInput();
    return 0;
}
