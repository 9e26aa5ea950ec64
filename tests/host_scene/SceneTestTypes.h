#pragma once
// A small plug-in data type and locator node type registered through the
// host's registries, as a plug-in would register them.

#include "scene/DataTypeRegistry.h"
#include "scene/FileReadState.h"
#include "scene/NodeTypeRegistry.h"

#include <maya/MArgList.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPlug.h>
#include <maya/MPxData.h>
#include <maya/MPxLocatorNode.h>

#include <istream>
#include <ostream>
#include <memory>
#include <vector>

namespace scenetest {

// Holds a shared list of ints, as the plug-in's layer data shares its
// document between copies.
class TestData : public MPxData
{
public:
    static const MTypeId kId;
    static const char* kName;
    static int live;

    TestData() { ++live; }
    ~TestData() override { --live; }
    static void* creator() { return new TestData; }

    MStatus readASCII(const MArgList& args, unsigned int& index) override
    {
        MStatus status;
        const unsigned int count = static_cast<unsigned int>(args.asInt(index++, &status));
        if (!status)
            return MStatus::kFailure;
        for (unsigned int i = 0; i < count; ++i) {
            values->push_back(args.asInt(index++, &status));
            if (!status)
                return MStatus::kFailure;
        }
        return MStatus::kSuccess;
    }
    MStatus writeASCII(std::ostream& out) override
    {
        out << values->size();
        for (int v : *values)
            out << " " << v;
        return MStatus::kSuccess;
    }
    MStatus readBinary(std::istream& in, unsigned int length) override
    {
        for (unsigned int i = 0; i + 4 <= length; i += 4) {
            int v = 0;
            in.read(reinterpret_cast<char*>(&v), 4);
            values->push_back(v);
        }
        return in ? MStatus::kSuccess : MStatus::kFailure;
    }
    MStatus writeBinary(std::ostream& out) override
    {
        for (int v : *values)
            out.write(reinterpret_cast<const char*>(&v), 4);
        return MStatus::kSuccess;
    }
    void copy(const MPxData& other) override
    {
        if (auto* data = dynamic_cast<const TestData*>(&other))
            values = data->values;
    }
    MTypeId typeId() const override { return kId; }
    MString name() const override { return kName; }

    std::shared_ptr<std::vector<int>> values = std::make_shared<std::vector<int>>();
};

// A locator with a data attribute and a limited float, which records what
// it saw when it was built.
class TestLocator : public MPxLocatorNode
{
public:
    static const MTypeId kId;
    static const char* kName;
    static MObject dataAttr;
    static MObject amountAttr;
    static int destroyed;
    static bool failInitialize;

    ~TestLocator() override { ++destroyed; }
    static void* creator() { return new TestLocator; }

    static MStatus initialize()
    {
        if (failInitialize)
            return MStatus::kFailure;
        MFnTypedAttribute typed;
        dataAttr = typed.create("payload", "pl", TestData::kId);
        typed.setHidden(true);
        MFnNumericAttribute numeric;
        amountAttr = numeric.create("amount", "am", MFnNumericData::kFloat, 0.5);
        numeric.setMin(0.0);
        numeric.setMax(1.0);
        numeric.setKeyable(true);
        MStatus status = addAttribute(dataAttr);
        return status ? addAttribute(amountAttr) : status;
    }

    void postConstructor() override
    {
        sawReading = nbhost::FileReadState::isReadingFile();
        MPlug lpx(thisMObject(), localPositionX);
        sawLocalPosition = !lpx.isNull();
        lpx.setLocked(true);
        nameAtConstruction = name();
    }

    bool sawReading = false;
    bool sawLocalPosition = false;
    MString nameAtConstruction;
};

// Registers both types for the life of the object.
class TestTypes
{
public:
    TestTypes()
    {
        nbhost::DataTypeRegistry::instance().registerType(TestData::kName, TestData::kId,
                                                          &TestData::creator, MPxData::kData);
        nbhost::NodeTypeRegistry::instance().registerPluginType(
            TestLocator::kName, TestLocator::kId, &TestLocator::creator, &TestLocator::initialize,
            MPxNode::kLocatorNode, "drawdb/geometry/nbTestLocator");
    }
    ~TestTypes()
    {
        nbhost::NodeTypeRegistry::instance().deregisterPluginType(TestLocator::kId);
        nbhost::DataTypeRegistry::instance().deregisterType(TestData::kId);
    }
};

} // namespace scenetest
