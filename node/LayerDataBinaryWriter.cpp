#include "node/LayerDataBinaryWriter.h"

#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNodeLayerData.h"
#include "node/LayerDataContent.h"

#include <cstring>

LayerDataBinaryWriter::LayerDataBinaryWriter(LayerManager& manager, std::ostream& out)
    : manager(manager), out(out)
{
}

bool LayerDataBinaryWriter::Write()
{
    progress = std::make_unique<LayerDataProgress>("Saving drawings",
                                                   LayerDataContent::StartEncoding(manager));
    WriteInt(BaseNodeLayerData::FORMAT_VERSION);
    WriteByte(manager.IsMaster() ? 1 : 0);
    WriteString(manager.GetActiveCamera());
    const QStringList cameras = manager.GetCameras();
    WriteInt(cameras.size());
    for (const QString& camera : cameras)
        WriteCamera(camera);
    return !out.fail();
}

void LayerDataBinaryWriter::WriteCamera(const QString& camera)
{
    const QList<Layer*> layers = manager.GetLayers(camera);
    WriteString(camera);
    WriteInt(layers.size());
    WriteInt(manager.GetActiveLayerIndex(camera));
    for (Layer* layer : layers)
        WriteLayer(*layer);
}

void LayerDataBinaryWriter::WriteLayer(Layer& layer)
{
    WriteString(layer.GetName());
    WriteInt(layer.FrameCount());
    WriteByte(layer.IsVisible() ? 1 : 0);
    WriteFloat(layer.GetOpacity());
    WriteInt(static_cast<std::int32_t>(layer.GetState()));
    for (int i = 0; i < layer.FrameCount(); ++i) {
        Frame& frame = *layer.GetFrame(i);
        WriteInt(frame.GetTimeValue());
        WriteBytes(LayerDataContent::EncodeFrame(frame));
        progress->Set(++written);
    }
}

void LayerDataBinaryWriter::WriteInt(std::int32_t value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const char bytes[4] = {char(bits & 0xff), char(bits >> 8 & 0xff), char(bits >> 16 & 0xff),
                           char(bits >> 24 & 0xff)};
    out.write(bytes, sizeof bytes);
}

void LayerDataBinaryWriter::WriteByte(std::uint8_t value)
{
    out.put(static_cast<char>(value));
}

void LayerDataBinaryWriter::WriteFloat(float value)
{
    std::int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteInt(bits);
}

void LayerDataBinaryWriter::WriteBytes(const QByteArray& bytes)
{
    WriteInt(bytes.size());
    out.write(bytes.constData(), bytes.size());
}

void LayerDataBinaryWriter::WriteString(const QString& text)
{
    WriteBytes(text.toUtf8());
}
