#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;

namespace nbhost {

class GuiSession;

// The one-line command field under the main window: Enter runs the line
// (echoed, with undo) and the field beside it shows the result or the
// error. Up and Down walk through the lines run before.
class CommandLine : public QWidget
{
    Q_OBJECT

public:
    explicit CommandLine(GuiSession& session, QWidget* parent = nullptr);

    QLineEdit& input() { return *m_input; }
    QString resultText() const;
    void run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recall(int step);

    GuiSession& m_session;
    QLineEdit* m_input = nullptr;
    QLineEdit* m_result = nullptr;
    QStringList m_lines;
    int m_recalled = 0; // index into m_lines while walking; size() when not
};

} // namespace nbhost
