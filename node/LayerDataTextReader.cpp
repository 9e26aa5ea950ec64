#include "node/LayerDataTextReader.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "model/Layer.h"
#include "node/LayerDataContent.h"

#include <maya/MArgList.h>
#include <maya/MTime.h>

#include <QBuffer>

#include <climits>
#include <cmath>

namespace {

const char* const UNKNOWN_LAYER_NAME = "UNKNOWN";

} // namespace

LayerDataTextReader::LayerDataTextReader(LayerManager& manager, const MArgList& args,
                                         unsigned int& index)
    : manager(manager), args(args), index(index), progress("Reading drawings", args.length())
{
}

bool LayerDataTextReader::Read()
{
    QString activeCamera;
    int cameraCount = 0;
    if (!ReadHeader(activeCamera, cameraCount))
        return false;
    for (int i = 0; i < cameraCount; ++i)
        if (!ReadCamera())
            return false;
    LayerDataContent::Finish(manager, activeCamera);
    return true;
}

bool LayerDataTextReader::ReadHeader(QString& activeCamera, int& cameraCount)
{
    int version = 0;
    bool master = false;
    if (!NextInt(version) || version < 1) {
        Logger::Error("Invalid version");
        return false;
    }
    if (!NextBool(master))
        return Stop("Failed to get master (%1)");
    LayerDataContent::ApplyMaster(manager, master);
    if (!NextString(activeCamera))
        return Stop("Invalid active camera (%1)");
    if (!NextInt(cameraCount))
        return Stop("Invalid layer count (%1)");
    return true;
}

bool LayerDataTextReader::ReadCamera()
{
    QString camera;
    int layerCount = 0;
    int activeIndex = -1;
    if (!NextString(camera))
        return Stop("Invalid camera name (%1)");
    if (!NextInt(layerCount))
        return Stop("Invalid layer count (%1)");
    if (!NextInt(activeIndex))
        return Stop("Invalid active layer index (%1)");
    for (int i = 0; i < layerCount; ++i)
        if (!ReadLayer(camera))
            return false;
    LayerDataContent::FinishCamera(manager, camera, activeIndex);
    return true;
}

bool LayerDataTextReader::ReadLayer(const QString& camera)
{
    QString name;
    int frameCount = 0;
    bool visible = true;
    double opacity = 1.0;
    int state = 0;
    if (!NextString(name))
        return Stop("Invalid layer name (%1)");
    if (!NextInt(frameCount))
        return Stop("Invalid frame count (%1)");
    if (frameCount < 0 && name == QLatin1String(UNKNOWN_LAYER_NAME)) {
        Logger::Warning("Skipping invalid layer");
        return true;
    }
    if (!NextBool(visible))
        return Stop("Invalid layer visibility (%1)");
    if (!NextDouble(opacity))
        return Stop("Invalid opacity (%1)");
    if (!NextInt(state) || static_cast<unsigned int>(state) > LAYER_STATE_LOCKED)
        return Stop("Invalid layer state (%1)");
    Layer* layer = LayerDataContent::AddLayer(manager, camera, name, visible,
                                              static_cast<float>(opacity),
                                              static_cast<LayerState>(state));
    for (int i = 0; i < frameCount; ++i)
        if (!ReadFrame(layer, i))
            return false;
    return true;
}

bool LayerDataTextReader::ReadFrame(Layer* layer, int position)
{
    int time = 0;
    QString hex;
    if (!NextTime(time))
        return Stop("Invalid frame time (%1)");
    if (!NextString(hex))
        return Stop("Invalid draw data (%1)");
    progress.Set(index);
    if (layer)
        AddFrame(layer, position, time, hex);
    return true;
}

void LayerDataTextReader::AddFrame(Layer* layer, int position, int time, const QString& hex)
{
    QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        Logger::Error(QStringLiteral("Failed to open draw data buffer: %1 (%2)")
                          .arg(layer->GetName())
                          .arg(position));
        return;
    }
    buffer.close();
    if (!LayerDataContent::CheckImage(bytes)) {
        Logger::Error(QStringLiteral("Failed to load draw data: %1 (%2)")
                          .arg(layer->GetName())
                          .arg(position));
        return;
    }
    LayerDataContent::AddFrame(*layer, time, bytes);
}

bool LayerDataTextReader::NextInt(int& value)
{
    return Next(value, &MArgList::asInt);
}

bool LayerDataTextReader::NextBool(bool& value)
{
    return Next(value, &MArgList::asBool);
}

bool LayerDataTextReader::NextDouble(double& value)
{
    return Next(value, &MArgList::asDouble);
}

bool LayerDataTextReader::NextString(QString& value)
{
    MString text;
    const bool read = Next(text, &MArgList::asString);
    value = MayaUtil::ToQString(text);
    return read;
}

// A time outside the int range cannot be a frame's time value.
bool LayerDataTextReader::NextTime(int& value)
{
    MTime time;
    if (!Next(time, &MArgList::asTime))
        return false;
    const double frame = std::trunc(time.as(MTime::uiUnit()));
    if (!(frame >= INT_MIN && frame <= INT_MAX))
        return false;
    value = static_cast<int>(frame);
    return true;
}

bool LayerDataTextReader::Stop(const char* message)
{
    Logger::Error(QString::fromLatin1(message).arg(tried));
    return false;
}
