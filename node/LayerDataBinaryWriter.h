#pragma once

#include "node/LayerDataProgress.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <ostream>

class Layer;
class LayerManager;

// Writes a document as the binary record of binary scene files: 32-bit
// little-endian integers and floats, single-byte flags, length-prefixed
// UTF-8 strings and PNG images, no padding. Header (version, master flag,
// active camera, camera count), then per camera its name, layer count and
// active layer index, each followed by its layers from the bottom (name,
// frame count, visibility, opacity, state) and their frames (time, image).
class LayerDataBinaryWriter
{
public:
    LayerDataBinaryWriter(LayerManager& manager, std::ostream& out);
    // False when the stream failed.
    bool Write();

private:
    void WriteCamera(const QString& camera);
    void WriteLayer(Layer& layer);
    void WriteInt(std::int32_t value);
    void WriteByte(std::uint8_t value);
    void WriteFloat(float value);
    void WriteBytes(const QByteArray& bytes);
    void WriteString(const QString& text);

    LayerManager& manager;
    std::ostream& out;
    std::unique_ptr<LayerDataProgress> progress;
    int written = 0;
};
