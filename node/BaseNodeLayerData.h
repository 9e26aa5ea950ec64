#pragma once

#include <maya/MPxData.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>

#include <memory>

class LayerManager;

// The value of a drawing node's stored "layerData" attribute: it owns the
// node's document, a LayerManager shared between copies of the value, and
// turns it into the binary and text records of scene files and back.
class BaseNodeLayerData : public MPxData
{
public:
    // The record format this build writes.
    static const int FORMAT_VERSION;

    BaseNodeLayerData();
    ~BaseNodeLayerData() override;

    MStatus readASCII(const MArgList& args, unsigned int& index) override;
    MStatus readBinary(std::istream& in, unsigned int length) override;
    MStatus writeASCII(std::ostream& out) override;
    MStatus writeBinary(std::ostream& out) override;
    // Shares the other value's document; values of other types are ignored.
    void copy(const MPxData& other) override;
    MTypeId typeId() const override;
    MString name() const override;

    static void* Creator();
    static MTypeId GetTypeID();
    static MString GetTypeName();

    // Gives the value an empty document unless it has one.
    void CreateLayerManager();
    // Empty until a document is created or shared.
    std::shared_ptr<LayerManager> GetLayerManager() const;

private:
    std::shared_ptr<LayerManager> layerManager;
};
