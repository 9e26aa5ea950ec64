#pragma once
// What the stored form of a document holds, without its cost of encoding
// every drawing: the master flag, the cameras with their active layer, the
// layers with their attributes, and per frame its time and a hash of its
// pixels. Two documents with the same digest store the same text.

#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"

#include <QByteArray>
#include <QHash>
#include <QImage>

#include <sstream>
#include <string>

namespace frametest {

class DocumentDigest
{
public:
    std::string Of(LayerManager& m)
    {
        std::ostringstream out;
        out << m.IsMaster() << " " << m.GetActiveCamera().toStdString() << "\n";
        for (const QString& camera : m.GetCameras()) {
            out << camera.toStdString() << " " << m.GetActiveLayerIndex(camera) << "\n";
            for (int i = 0; i < m.LayerCount(camera); ++i)
                WriteLayer(out, *m.GetLayer(camera, i));
        }
        return out.str();
    }

private:
    void WriteLayer(std::ostringstream& out, Layer& layer)
    {
        out << layer.GetName().toStdString() << " " << layer.IsVisible() << " "
            << layer.GetOpacity() << " " << layer.GetState() << ":";
        for (int i = 0; i < layer.FrameCount(); ++i)
            out << " " << layer.GetFrame(i)->GetTimeValue() << "#" << PixelHash(*layer.GetFrame(i));
        out << "\n";
    }

    // A frame reads the same whether blank, packed or unpacked; each image
    // and each packed form is hashed once (an image's cache key changes
    // whenever its pixels may have).
    uint PixelHash(Frame& frame)
    {
        if (frame.IsBlank()) {
            if (!blankHashed)
                blankHash = Hash(Frame::BlankImage());
            blankHashed = true;
            return blankHash;
        }
        if (frame.IsPacked()) {
            const QByteArray& bytes = frame.GetPackedImage();
            if (!packedHashes.contains(bytes)) {
                Frame decoded(frame.GetTime());
                decoded.SetPackedImage(bytes);
                packedHashes.insert(bytes, Hash(decoded.GetImage()));
            }
            return packedHashes.value(bytes);
        }
        const QImage& image = frame.GetImage();
        if (!imageHashes.contains(image.cacheKey()))
            imageHashes.insert(image.cacheKey(), Hash(image));
        return imageHashes.value(image.cacheKey());
    }
    static uint Hash(const QImage& image)
    {
        return qHashBits(image.constBits(), size_t(image.sizeInBytes()));
    }

    bool blankHashed = false;
    uint blankHash = 0;
    QHash<QByteArray, uint> packedHashes;
    QHash<qint64, uint> imageHashes;
};

} // namespace frametest
