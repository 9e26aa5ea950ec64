#pragma once

#include "node/LayerDataProgress.h"

#include <maya/MArgList.h>
#include <maya/MStatus.h>

#include <QString>

class Layer;
class LayerManager;

// Rebuilds a document from the tokens that LayerDataTextWriter writes,
// adding to what the manager holds. Each unreadable field is logged with its
// token position and stops the read with a failure, keeping what was read
// before it; a frame image that does not decode is logged and skipped.
class LayerDataTextReader
{
public:
    // `index` is the position of the next token; it moves past each token read.
    LayerDataTextReader(LayerManager& manager, const MArgList& args, unsigned int& index);
    bool Read();

private:
    bool ReadHeader(QString& activeCamera, int& cameraCount);
    bool ReadCamera();
    bool ReadLayer(const QString& camera);
    bool ReadFrame(Layer* layer, int position);
    void AddFrame(Layer* layer, int position, int time, const QString& hex);

    // Each reads the next token; false without one of that kind.
    bool NextInt(int& value);
    bool NextBool(bool& value);
    bool NextDouble(double& value);
    bool NextString(QString& value);
    bool NextTime(int& value);
    // Reads the next token with one of MArgList's typed readers.
    template <typename Value>
    bool Next(Value& value, Value (MArgList::*read)(unsigned int, MStatus*) const)
    {
        MStatus status;
        tried = index;
        value = (args.*read)(index++, &status);
        return status == MStatus::kSuccess;
    }
    // Logs the message with the position of the token just tried; false.
    bool Stop(const char* message);

    LayerManager& manager;
    const MArgList& args;
    unsigned int& index;
    unsigned int tried = 0;
    LayerDataProgress progress;
};
