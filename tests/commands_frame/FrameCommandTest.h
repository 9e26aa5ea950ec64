#pragma once
// The frame command's fixture: the plug-in loaded with one drawing node, the
// time at 1, and helpers to lay out drawn frames and read them back.

#include "commands_layer/CommandTest.h"
#include "model/Frame.h"

#include <QColor>
#include <QImage>

namespace frametest {

using Times = QList<int>;

class FrameCommandTest : public cmdtest::CommandTest
{
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (HasFatalFailure())
            return;
        SetTime(1);
        output().clear();
    }

    // The frame command with its arguments, through the host.
    nbhost::EvalResult Frame(const std::string& arguments) { return eval(COMMAND + (" " + arguments)); }

    // A layer on top of the camera, made active, with drawings at the times;
    // each drawing's top-left pixel holds its time as the red value.
    Layer* AddLayer(const QString& camera, std::initializer_list<int> times,
                    LayerState state = LAYER_STATE_ANIM)
    {
        Layer* layer = new Layer();
        layer->SetName(Manager().GetUniqueLayerName(QString()));
        layer->SetState(state);
        for (int time : times) {
            ::Frame* frame = new ::Frame(MTime(double(time), MTime::uiUnit()));
            QImage image = ::Frame::BlankImage();
            image.setPixelColor(0, 0, QColor(time & 0xff, 10, 20, 255));
            frame->SetImage(image);
            layer->InsertFrame(frame);
        }
        const int index = Manager().InsertLayer(camera, -1, layer);
        Manager().SetActiveLayer(camera, index, true);
        return layer;
    }

    // The times of the camera's active layer.
    QList<int> FrameTimes(const QString& camera = "persp")
    {
        QList<int> times;
        node->GetFrameTimes(camera, times);
        return times;
    }
    // The mark drawn into the active layer's frame at the time; -1 for none,
    // 0 for an empty drawing.
    int MarkAt(int time, const QString& camera = "persp")
    {
        Layer* layer = Manager().GetActiveLayer(camera);
        ::Frame* frame = layer ? layer->GetFrameCopy(MTime(double(time), MTime::uiUnit())) : nullptr;
        if (!frame)
            return -1;
        const int mark = frame->IsBlank() ? 0 : frame->GetImage().pixelColor(0, 0).red();
        delete frame;
        return mark;
    }

    // Time and the time slider's highlight change outside the undo queue.
    int Now() { return eval("currentTime -q", false).value.asInt(); }
    void SetTime(int time) { ASSERT_TRUE(eval("currentTime " + std::to_string(time), false).ok); }
    // [start, end); start equal to end clears it.
    void Highlight(int start, int end)
    {
        ASSERT_TRUE(eval("timeControl -e -highlightedRange " + std::to_string(start) + " " +
                             std::to_string(end) + " $gPlayBackSlider",
                         false)
                        .ok);
    }

    static constexpr const char* COMMAND = "vxNiblineFrame";
};

} // namespace frametest
