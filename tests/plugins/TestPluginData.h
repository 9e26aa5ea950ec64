#pragma once
// The test plug-in's data type: a number and a list of words, so that
// stored files carry strings with quotes, backslashes and line breaks.

#include <maya/MPxData.h>

#include <string>
#include <vector>

class TestPluginData : public MPxData
{
public:
    static const MTypeId kId;
    static const char* const kName;

    static void* creator() { return new TestPluginData; }

    MStatus readASCII(const MArgList& args, unsigned int& index) override;
    MStatus readBinary(std::istream& in, unsigned int length) override;
    MStatus writeASCII(std::ostream& out) override;
    MStatus writeBinary(std::ostream& out) override;
    void copy(const MPxData& other) override;
    MTypeId typeId() const override { return kId; }
    MString name() const override { return kName; }

    int number = 0;
    std::vector<std::string> words;
};
