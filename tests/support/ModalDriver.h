#pragma once
// Drives the modal dialog or popup menu that a step opens, from inside its
// own event loop, so that the step returns without a person.
//
//   nbtest::WithModal(open, drive)            any modal widget or popup
//   nbtest::WithDialog<Dialog>(open, drive)   a dialog of that type

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace nbtest {

// Runs `open`, which shows a modal dialog or popup menu, and hands that to
// `drive` once it shows. Anything left open afterwards is closed, so that no
// test waits for a person. Returns whether `drive` ran.
inline bool WithModal(const std::function<void()>& open, const std::function<void(QWidget&)>& drive)
{
    bool driven = false;
    int ticksAfter = 0;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown)
            shown = QApplication::activeModalWidget();
        if (!shown || !shown->isVisible())
            return;
        if (!driven) {
            driven = true;
            drive(*shown);
        } else if (++ticksAfter > 100) {
            shown->close();
        }
    });
    timer.start();
    open();
    timer.stop();
    return driven;
}

// The same for a dialog of one type; returns false when another shows.
template <typename Dialog>
bool WithDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& drive)
{
    bool typed = false;
    const bool driven = WithModal(open, [&](QWidget& shown) {
        if (Dialog* dialog = qobject_cast<Dialog*>(&shown)) {
            typed = true;
            drive(*dialog);
        }
    });
    return driven && typed;
}

} // namespace nbtest
