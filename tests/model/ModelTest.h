#pragma once
// Fixture and helpers of the document model tests: an in-process host for
// time, playback and cameras, the ghosting settings reset for each test, and
// frame images with drawings in them.

#include "support/HostTestEnvironment.h"

#include "base/Settings.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "time/TimeState.h"

#include <maya/MTime.h>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <string>

class ModelTest : public nbtest::HostTest
{
public:
    void SetUp() override
    {
        nbtest::HostTest::SetUp();
        saved = Saved{Settings::activeTool, Settings::activeColor, Settings::tabletEraserEnabled,
                      Settings::ghostPrev, Settings::ghostNext, Settings::ghostPrevCount,
                      Settings::ghostNextCount, Settings::ghostColorOverride,
                      Settings::ghostColorOverridePrev, Settings::ghostColorOverrideNext,
                      Settings::disableGhostingDuringPlayback, Settings::defaultLayerState};
        Settings::activeTool = TOOL_PENCIL;
        Settings::activeColor = QColor(200, 40, 10);
        Settings::tabletEraserEnabled = false;
        Settings::ghostPrev = false;
        Settings::ghostNext = false;
        Settings::ghostPrevCount = 3;
        Settings::ghostNextCount = 3;
        Settings::ghostColorOverride = false;
        Settings::disableGhostingDuringPlayback = false;
        Settings::defaultLayerState = LAYER_STATE_ANIM;
    }

protected:
    void TearDown() override
    {
        Settings::activeTool = saved.activeTool;
        Settings::activeColor = saved.activeColor;
        Settings::tabletEraserEnabled = saved.tabletEraser;
        Settings::ghostPrev = saved.ghostPrev;
        Settings::ghostNext = saved.ghostNext;
        Settings::ghostPrevCount = saved.prevCount;
        Settings::ghostNextCount = saved.nextCount;
        Settings::ghostColorOverride = saved.override;
        Settings::ghostColorOverridePrev = saved.prevColor;
        Settings::ghostColorOverrideNext = saved.nextColor;
        Settings::disableGhostingDuringPlayback = saved.disableWhilePlaying;
        Settings::defaultLayerState = saved.layerState;
        nbtest::HostTest::TearDown();
    }

public:
    void SetTime(int frame) { host().time().setCurrentTime(MTime(frame, MTime::kFilm)); }
    void SetPlaying(bool playing) { host().time().setPlaying(playing, true); }
    std::string Errors() { return output().errors(); }

    static MTime At(int frame) { return MTime(frame, MTime::kFilm); }

    static QImage Filled(const QColor& color)
    {
        QImage image(Settings::FINAL_IMAGE_WIDTH, Settings::FINAL_IMAGE_WIDTH,
                     QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.fillRect(100, 100, 50, 50, color);
        return image;
    }

    // A drawing of antialiased strokes in several colours and opacities.
    static QImage Drawing(int seed, int strokes = 8)
    {
        QImage image(Settings::FINAL_IMAGE_WIDTH, Settings::FINAL_IMAGE_WIDTH,
                     QImage::Format_RGBA8888);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QRandomGenerator random(static_cast<quint32>(seed));
        for (int s = 0; s < strokes; ++s) {
            QColor color = QColor::fromHsv(random.bounded(360), 200, 230);
            color.setAlpha(random.bounded(60, 256));
            painter.setPen(QPen(color, random.bounded(2, 14), Qt::SolidLine, Qt::RoundCap));
            QPoint point(random.bounded(1024), random.bounded(1024));
            for (int i = 0; i < 12; ++i) {
                const QPoint next = point + QPoint(random.bounded(-60, 61), random.bounded(-60, 61));
                painter.drawLine(point, next);
                point = next;
            }
        }
        return image;
    }

    static QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }

    // Counts pixels that differ.
    static int Differences(const QImage& a, const QImage& b)
    {
        if (a.size() != b.size())
            return -1;
        const QImage left = a.convertToFormat(QImage::Format_RGBA8888);
        const QImage right = b.convertToFormat(QImage::Format_RGBA8888);
        int count = 0;
        for (int y = 0; y < left.height(); ++y) {
            const quint32* l = reinterpret_cast<const quint32*>(left.constScanLine(y));
            const quint32* r = reinterpret_cast<const quint32*>(right.constScanLine(y));
            for (int x = 0; x < left.width(); ++x)
                count += l[x] != r[x];
        }
        return count;
    }

private:
    struct Saved
    {
        int activeTool;
        QColor activeColor;
        bool tabletEraser;
        bool ghostPrev;
        bool ghostNext;
        int prevCount;
        int nextCount;
        bool override;
        QColor prevColor;
        QColor nextColor;
        bool disableWhilePlaying;
        int layerState;
    };
    Saved saved{};
};
