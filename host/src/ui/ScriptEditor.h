#pragma once

#include "core/Output.h"

#include <QColor>
#include <QWidget>

#include <string>

class QPlainTextEdit;

namespace nbhost {

class GuiSession;

// The script editor window: the history of the host's output (info,
// warnings and errors in their colours, echoed commands) above an input
// area whose script runs with Ctrl+Enter, or the selected part of it.
class ScriptEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ScriptEditor(GuiSession& session, QWidget* parent = nullptr);

    // Adds a line of output (print text exactly as given).
    void append(Output::Kind kind, const std::string& text);
    QString historyText() const;
    void clearHistory();
    static QColor colorFor(Output::Kind kind);

    QPlainTextEdit& input() { return *m_input; }
    QPlainTextEdit& history() { return *m_history; }
    // Runs the selected text of the input, or all of it; the text stays.
    void execute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GuiSession& m_session;
    QPlainTextEdit* m_history = nullptr;
    QPlainTextEdit* m_input = nullptr;
};

} // namespace nbhost
