#pragma once

#include "node/LayerDataProgress.h"

#include <QString>

#include <memory>
#include <ostream>

class Frame;
class Layer;
class LayerManager;

// Writes a document as the tokens of text scene files, one record per line:
// the header (version, master flag, active camera, camera count), then each
// camera (name, layer count, active index), each layer (name, frame count,
// visibility, opacity, state) and each frame (time, PNG in hexadecimal).
// Lines after the first start with two tabs and a blank; a layer's frames
// are closed by an empty line. Strings are quoted and escaped so that the
// host's tokenizer gives them back exactly.
class LayerDataTextWriter
{
public:
    LayerDataTextWriter(LayerManager& manager, std::ostream& out);
    void Write();

private:
    void WriteCamera(const QString& camera);
    void WriteLayer(Layer* layer);
    void WriteFrame(Frame* frame);
    void WriteString(const QString& text);
    void NewLine();

    LayerManager& manager;
    std::ostream& out;
    std::unique_ptr<LayerDataProgress> progress;
    int written = 0;
};
