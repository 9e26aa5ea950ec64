#pragma once

#include "model/LayerState.h"

#include <QByteArray>
#include <QImage>
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
    // Adds a frame at the time value in the UI unit; a second frame at a time
    // the layer already has is dropped.
    static void AddFrame(Layer& layer, int time, const QImage& image);
    static void FinishCamera(LayerManager& manager, const QString& camera, int activeIndex);
    static void Finish(LayerManager& manager, const QString& activeCamera);

    // The frame's image as PNG; empty when it cannot be encoded.
    static QByteArray EncodeFrame(Frame& frame);
    static bool DecodeImage(const QByteArray& bytes, QImage& image);
};
