#include "TestPluginData.h"

#include <maya/MArgList.h>

#include <cstdint>
#include <istream>
#include <ostream>

const MTypeId TestPluginData::kId(0x7F0B01);
const char* const TestPluginData::kName = "nbTestData";

namespace {

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

bool readInt(std::istream& in, unsigned int& left, int32_t& out)
{
    if (left < 4 || !in.read(reinterpret_cast<char*>(&out), 4))
        return false;
    left -= 4;
    return true;
}

} // namespace

MStatus TestPluginData::readASCII(const MArgList& args, unsigned int& index)
{
    MStatus status;
    number = args.asInt(index++, &status);
    const int count = status ? args.asInt(index++, &status) : 0;
    if (!status || count < 0)
        return MStatus::kFailure;
    words.clear();
    for (int i = 0; i < count; ++i) {
        words.push_back(args.asString(index++, &status).asChar());
        if (!status)
            return MStatus::kFailure;
    }
    return MStatus::kSuccess;
}

// Counts and lengths are checked against the bytes given.
MStatus TestPluginData::readBinary(std::istream& in, unsigned int length)
{
    int32_t count = 0;
    if (!readInt(in, length, number) || !readInt(in, length, count) || count < 0)
        return MStatus::kFailure;
    words.clear();
    for (int32_t i = 0; i < count; ++i) {
        int32_t size = 0;
        if (!readInt(in, length, size) || size < 0 || static_cast<unsigned int>(size) > length)
            return MStatus::kFailure;
        std::string word(static_cast<size_t>(size), '\0');
        if (!in.read(word.data(), size))
            return MStatus::kFailure;
        length -= static_cast<unsigned int>(size);
        words.push_back(word);
    }
    return MStatus::kSuccess;
}

MStatus TestPluginData::writeASCII(std::ostream& out)
{
    out << number << " " << words.size();
    for (const std::string& word : words)
        out << " " << quoted(word);
    return MStatus::kSuccess;
}

MStatus TestPluginData::writeBinary(std::ostream& out)
{
    const int32_t count = static_cast<int32_t>(words.size());
    out.write(reinterpret_cast<const char*>(&number), 4);
    out.write(reinterpret_cast<const char*>(&count), 4);
    for (const std::string& word : words) {
        const int32_t size = static_cast<int32_t>(word.size());
        out.write(reinterpret_cast<const char*>(&size), 4);
        out.write(word.data(), size);
    }
    return out ? MStatus::kSuccess : MStatus::kFailure;
}

void TestPluginData::copy(const MPxData& other)
{
    if (auto* data = dynamic_cast<const TestPluginData*>(&other)) {
        number = data->number;
        words = data->words;
    }
}
