#pragma once

#include "model/TileMask.h"
#include "model/TileStore.h"

#include <QColor>
#include <QImage>
#include <QVector>

#include <memory>

// Everything a camera's composed image is made of, gathered by the layer
// manager for one composition. Images are borrowed for the duration of the
// composition; each comes with the tiles in which it has something to draw.
struct Composition
{
    struct Ghost
    {
        const QImage* image = nullptr;  // straight alpha
        std::shared_ptr<const TileStore> store;  // its tiles, read in its place
        int opacity = 255;                      // 0..255
    };

    // One layer, drawn over the layers below at its opacity. With an overlay
    // (the live stroke) the two are first combined, overlay on top, and the
    // result is drawn at the layer's opacity.
    struct Layer
    {
        const QImage* image = nullptr;  // straight alpha, or null
        // The image's tiles, read in its place; null for the stroke image,
        // which is read directly.
        std::shared_ptr<const TileStore> store;
        TileMask imageMask;
        // The image is the stroke image, which changes while drawing: its
        // changes are reported as dirty tiles, not by its identity.
        bool imageIsStroke = false;
        const QImage* overlay = nullptr;
        TileMask overlayMask;
        bool overlayPremultiplied = false;
        int opacity = 255;
    };

    // Ghosts of the previous and next frames, farthest first, with the
    // colours they take when the override is on. The next ghosts lie over
    // the previous ones; all ghosts lie under every layer.
    bool ghostsShown = false;
    QVector<Ghost> previous;
    QVector<Ghost> next;
    bool recolor = false;
    QColor previousColor;
    QColor nextColor;

    QVector<Layer> layers;  // bottom first
};
