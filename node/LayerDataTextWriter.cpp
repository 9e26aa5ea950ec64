#include "node/LayerDataTextWriter.h"

#include "base/MayaUtil.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNodeLayerData.h"
#include "node/LayerDataContent.h"

#include <locale>
#include <sstream>

namespace {

// Written in place of a layer or frame that cannot be obtained; the reader
// skips them.
const char* const UNKNOWN_LAYER = " \"UNKNOWN\" -1";
const char* const UNKNOWN_FRAME = " -1 \"\"";

// The stream's default form (six significant digits, shortest), whatever
// the caller's stream was set to.
std::string FormatFloat(float value)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

} // namespace

LayerDataTextWriter::LayerDataTextWriter(LayerManager& manager, std::ostream& out)
    : manager(manager), out(out)
{
}

void LayerDataTextWriter::Write()
{
    progress = std::make_unique<LayerDataProgress>("Saving drawings",
                                                   LayerDataContent::StartEncoding(manager));
    const QStringList cameras = manager.GetCameras();
    out << BaseNodeLayerData::FORMAT_VERSION << ' ' << (manager.IsMaster() ? 1 : 0);
    WriteString(manager.GetActiveCamera());
    out << ' ' << cameras.size();
    NewLine();
    for (const QString& camera : cameras)
        WriteCamera(camera);
}

void LayerDataTextWriter::WriteCamera(const QString& camera)
{
    const int count = manager.LayerCount(camera);
    WriteString(camera);
    out << ' ' << count << ' ' << manager.GetActiveLayerIndex(camera);
    NewLine();
    for (int i = 0; i < count; ++i)
        WriteLayer(manager.GetLayer(camera, i));
}

void LayerDataTextWriter::WriteLayer(Layer* layer)
{
    if (!layer) {
        out << UNKNOWN_LAYER;
        return;
    }
    WriteString(layer->GetName());
    out << ' ' << layer->FrameCount() << ' ' << (layer->IsVisible() ? 1 : 0) << ' '
        << FormatFloat(layer->GetOpacity()) << ' ' << static_cast<int>(layer->GetState());
    for (int i = 0; i < layer->FrameCount(); ++i) {
        NewLine();
        WriteFrame(layer->GetFrame(i));
    }
    NewLine();
}

void LayerDataTextWriter::WriteFrame(Frame* frame)
{
    if (!frame) {
        out << UNKNOWN_FRAME;
        return;
    }
    const QByteArray hex = LayerDataContent::EncodeFrame(*frame).toHex();
    progress->Set(++written);
    out << ' ' << frame->GetTimeValue() << " \"";
    out.write(hex.constData(), hex.size());
    out << '"';
}

void LayerDataTextWriter::WriteString(const QString& text)
{
    out << ' ' << MayaUtil::QuoteString(text).toStdString();
}

void LayerDataTextWriter::NewLine()
{
    out << "\n\t\t";
}
