#include "node/LayerDataContent.h"

#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/PngChunks.h"

#include <maya/MFileIO.h>

#include <cmath>

void LayerDataContent::ApplyMaster(LayerManager& manager, bool stored)
{
    if (stored && !MFileIO::isReferencingFile())
        manager.MakeMaster();
}

Layer* LayerDataContent::AddLayer(LayerManager& manager, const QString& camera,
                                  const QString& name, bool visible, float opacity,
                                  LayerState state)
{
    Layer* layer = new Layer();
    layer->SetName(name);
    layer->SetVisible(visible);
    // A damaged record may hold NaN, which clamping would keep.
    layer->SetOpacity(std::isnan(opacity) ? 1.0f : opacity);
    layer->SetState(state);
    if (manager.InsertLayer(camera, -1, layer) < 0) {
        delete layer;
        return nullptr;
    }
    return layer;
}

void LayerDataContent::AddFrame(Layer& layer, int time, const QByteArray& bytes)
{
    Frame* frame = new Frame(MTime());
    frame->SetTimeValue(time);
    frame->SetPackedImage(bytes);
    layer.InsertFrame(frame);
}

void LayerDataContent::FinishCamera(LayerManager& manager, const QString& camera,
                                    int activeIndex)
{
    if (activeIndex >= 0)
        manager.SetActiveLayer(camera, activeIndex, true);
}

void LayerDataContent::Finish(LayerManager& manager, const QString& activeCamera)
{
    if (!activeCamera.isEmpty())
        manager.SetActiveCamera(activeCamera);
    // What shows first is decoded on the workers while the scene finishes
    // loading; everything else stays as read until it is wanted.
    for (const QString& camera : manager.GetCameras())
        for (Layer* layer : manager.GetLayers(camera))
            if (Frame* frame = layer->GetFrame(layer->GetCurrentFrameIndex()))
                frame->DecodeAhead();
}

int LayerDataContent::StartEncoding(LayerManager& manager)
{
    int frames = 0;
    for (const QString& camera : manager.GetCameras())
        for (Layer* layer : manager.GetLayers(camera))
            for (int i = 0; i < layer->FrameCount(); ++i, ++frames)
                layer->GetFrame(i)->EncodeAhead();
    return frames;
}

QByteArray LayerDataContent::EncodeFrame(Frame& frame)
{
    return frame.EncodedBytes();
}

bool LayerDataContent::CheckImage(const QByteArray& bytes)
{
    return PngChunks::Check(bytes);
}
