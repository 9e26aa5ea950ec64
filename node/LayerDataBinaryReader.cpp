#include "node/LayerDataBinaryReader.h"

#include "base/Logger.h"
#include "node/LayerDataContent.h"


namespace {

// The fewest bytes each record can take: its fields with empty strings and
// no children.
const std::uint64_t CAMERA_RECORD_SIZE = 4 + 4 + 4;
const std::uint64_t LAYER_RECORD_SIZE = 4 + 4 + 1 + 4 + 4;
const std::uint64_t FRAME_RECORD_SIZE = 4 + 4;

} // namespace

LayerDataBinaryReader::LayerDataBinaryReader(LayerManager& manager, std::istream& in,
                                             unsigned int length)
    : manager(manager), in(in, length), length(length), progress("Reading drawings", length)
{
}

bool LayerDataBinaryReader::Failed()
{
    Logger::Error(QStringLiteral("Failed to read layer data: %1").arg(in.Error()));
    return false;
}

bool LayerDataBinaryReader::Read()
{
    std::int32_t version = 0;
    std::uint8_t master = 0;
    QString activeCamera;
    std::int32_t cameraCount = 0;
    if (!in.ReadInt(version) || !in.ReadByte(master))
        return Failed();
    LayerDataContent::ApplyMaster(manager, master != 0);
    if (!in.ReadString(activeCamera) || !in.ReadCount(cameraCount, CAMERA_RECORD_SIZE, "camera count"))
        return Failed();
    for (std::int32_t i = 0; i < cameraCount; ++i)
        if (!ReadCamera())
            return Failed();
    LayerDataContent::Finish(manager, activeCamera);
    return true;
}

bool LayerDataBinaryReader::ReadCamera()
{
    QString camera;
    std::int32_t layerCount = 0;
    std::int32_t activeIndex = -1;
    if (!in.ReadString(camera) || !in.ReadCount(layerCount, LAYER_RECORD_SIZE, "layer count")
        || !in.ReadInt(activeIndex))
        return false;
    for (std::int32_t i = 0; i < layerCount; ++i)
        if (!ReadLayer(camera))
            return false;
    LayerDataContent::FinishCamera(manager, camera, activeIndex);
    return true;
}

bool LayerDataBinaryReader::ReadLayer(const QString& camera)
{
    QString name;
    std::int32_t frameCount = 0;
    std::uint8_t visible = 1;
    float opacity = 1.0f;
    std::int32_t state = 0;
    if (!in.ReadString(name) || !in.ReadCount(frameCount, FRAME_RECORD_SIZE, "frame count")
        || !in.ReadByte(visible) || !in.ReadFloat(opacity) || !in.ReadInt(state))
        return false;
    const LayerState layerState =
        static_cast<std::uint32_t>(state) > LAYER_STATE_LOCKED ? LAYER_STATE_ANIM
                                                                : static_cast<LayerState>(state);
    Layer* layer =
        LayerDataContent::AddLayer(manager, camera, name, visible != 0, opacity, layerState);
    for (std::int32_t i = 0; i < frameCount; ++i)
        if (!ReadFrame(layer))
            return false;
    return true;
}

bool LayerDataBinaryReader::ReadFrame(Layer* layer)
{
    std::int32_t time = 0;
    QByteArray bytes;
    if (!in.ReadInt(time) || !in.ReadBytes(bytes))
        return false;
    progress.Set(length - in.Remaining());
    if (layer && LayerDataContent::CheckImage(bytes))
        LayerDataContent::AddFrame(*layer, time, bytes);
    return true;
}
