#pragma once

#include "model/LayerState.h"

#include <QByteArray>
#include <QString>

class Frame;
class Layer;
class LayerManager;

// What the readers and writers of both record forms share: how a stored
// document is rebuilt, piece by piece, and how frame images are stored.
class LayerDataContent
{
public:
    // A stored master flag makes the document master, except when it arrives
    // through a referenced file: the referencing scene keeps its own master.
    static void ApplyMaster(LayerManager& manager, bool stored);
    // Appends a layer on top of the camera's stack, named exactly as stored.
    static Layer* AddLayer(LayerManager& manager, const QString& camera, const QString& name,
                           bool visible, float opacity, LayerState state);
    // Adds a frame at the time value in the UI unit, keeping its PNG bytes
    // undecoded; a second frame at a time the layer already has is dropped.
    static void AddFrame(Layer& layer, int time, const QByteArray& bytes);
    static void FinishCamera(LayerManager& manager, const QString& camera, int activeIndex);
    // Makes the stored camera active and starts decoding the frames shown now.
    static void Finish(LayerManager& manager, const QString& activeCamera);

    // Starts encoding, on the workers, every frame whose pixels changed since
    // they were read or last encoded, so that a save uses every core.
    // Returns the number of frames of the document.
    static int StartEncoding(LayerManager& manager);
    // The frame's image as PNG: its kept bytes when the pixels did not change
    // since, else a new encoding; empty when it cannot be encoded.
    static QByteArray EncodeFrame(Frame& frame);
    // Whether stored bytes are an image a frame can hold.
    static bool CheckImage(const QByteArray& bytes);
};
