#pragma once

#include "node/BoundedReader.h"
#include "node/LayerDataProgress.h"

#include <QString>

#include <istream>

class Layer;
class LayerManager;

// Rebuilds a document from the binary record that LayerDataBinaryWriter
// writes, adding to what the manager holds. The version is not checked, a
// state outside the known ones reads as animated and frames whose image does
// not decode are dropped. Fields that do not fit in the record (a negative
// or oversized length or count, a record cut short) end the read with an
// error; what was read before stays.
class LayerDataBinaryReader
{
public:
    LayerDataBinaryReader(LayerManager& manager, std::istream& in, unsigned int length);
    bool Read();

private:
    bool ReadCamera();
    bool ReadLayer(const QString& camera);
    bool ReadFrame(Layer* layer);
    bool Failed();

    LayerManager& manager;
    BoundedReader in;
    std::uint64_t length;
    LayerDataProgress progress;
};
