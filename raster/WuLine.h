#pragma once

#include <QImage>
#include <QRect>

class AlphaCanvas;

// Xiaolin Wu's antialiased one-pixel line on the alpha channel, and its part
// functions. The line plots its start pixel at full coverage first and scales
// every coverage by an opacity; alpha only ever rises (maximum combine).
// Used for the one-pixel brush.

// Integer part (floor), nearest integer with halves up, fractional part in
// [0, 1) and its complement.
int ipart_(float x);
int round_(float x);
float fpart_(float x);
float rfpart_(float x);

// Raises the alpha of (x, y) to (int)(coverage x 255) if that is larger.
// Pixels outside the image are skipped.
void plot_(QImage& image, int x, int y, float coverage);

// Draws the line and returns the rectangle of pixels it wrote (empty if none).
QRect drawLineWu(QImage& image, float x0, float y0, float x1, float y1, float opacity);
QRect drawLineWu(const AlphaCanvas& canvas, float x0, float y0, float x1, float y1,
                 float opacity);
