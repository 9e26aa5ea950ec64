#pragma once

#include <QElapsedTimer>
#include <QStackedWidget>

class QLabel;
class QProgressBar;

namespace nbhost {

// The main window's help line, which shows the progress of a long operation
// (MProgressWindow). An operation shorter than half a second shows nothing.
// Operations run on the GUI thread and keep it busy, so the line repaints
// itself as progress is made instead of waiting for the event loop; both of
// its pages are laid out from the start, so switching needs no layout pass.
class ProgressLine : public QStackedWidget
{
    Q_OBJECT

public:
    explicit ProgressLine(QWidget* parent = nullptr);

    // How long an operation runs before its progress shows.
    static const int SHOW_AFTER_MS = 500;

    void start(const QString& title, int minimum, int maximum);
    void setRange(int minimum, int maximum);
    void update(int value, const QString& status);
    void finish();
    bool isShowing() const { return currentIndex() == BUSY; }

private:
    enum Page { IDLE, BUSY };

    void paintNow();

    QLabel* m_title = nullptr;
    QProgressBar* m_bar = nullptr;
    QElapsedTimer m_running;
    QElapsedTimer m_painted;
};

} // namespace nbhost
