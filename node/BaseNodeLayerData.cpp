#include "node/BaseNodeLayerData.h"

#include "model/LayerManager.h"
#include "node/LayerDataBinaryReader.h"
#include "node/LayerDataBinaryWriter.h"
#include "node/LayerDataTextReader.h"
#include "node/LayerDataTextWriter.h"

#include <maya/MArgList.h>

const int BaseNodeLayerData::FORMAT_VERSION = 1;

BaseNodeLayerData::BaseNodeLayerData() = default;
BaseNodeLayerData::~BaseNodeLayerData() = default;

void* BaseNodeLayerData::Creator()
{
    return new BaseNodeLayerData();
}

MTypeId BaseNodeLayerData::GetTypeID()
{
    return MTypeId(0x0011A887);
}

MString BaseNodeLayerData::GetTypeName()
{
    return MString("vxLayerData");
}

MTypeId BaseNodeLayerData::typeId() const
{
    return GetTypeID();
}

MString BaseNodeLayerData::name() const
{
    return GetTypeName();
}

void BaseNodeLayerData::CreateLayerManager()
{
    if (!layerManager)
        layerManager = std::make_shared<LayerManager>();
}

std::shared_ptr<LayerManager> BaseNodeLayerData::GetLayerManager() const
{
    return layerManager;
}

void BaseNodeLayerData::copy(const MPxData& other)
{
    const auto* data = dynamic_cast<const BaseNodeLayerData*>(&other);
    if (data)
        layerManager = data->layerManager;
}

MStatus BaseNodeLayerData::writeBinary(std::ostream& out)
{
    if (!layerManager)
        return MStatus::kFailure;
    return LayerDataBinaryWriter(*layerManager, out).Write() ? MStatus::kSuccess
                                                             : MStatus::kFailure;
}

MStatus BaseNodeLayerData::readBinary(std::istream& in, unsigned int length)
{
    CreateLayerManager();
    if (!layerManager || length == 0)
        return MStatus::kFailure;
    return LayerDataBinaryReader(*layerManager, in, length).Read() ? MStatus::kSuccess
                                                                   : MStatus::kFailure;
}

MStatus BaseNodeLayerData::writeASCII(std::ostream& out)
{
    if (!layerManager) {
        out << -1;
        return MStatus::kFailure;
    }
    LayerDataTextWriter(*layerManager, out).Write();
    return MStatus::kSuccess;
}

MStatus BaseNodeLayerData::readASCII(const MArgList& args, unsigned int& index)
{
    CreateLayerManager();
    if (!layerManager || index >= args.length())
        return MStatus::kFailure;
    return LayerDataTextReader(*layerManager, args, index).Read() ? MStatus::kSuccess
                                                                  : MStatus::kFailure;
}
