#include "ui/ScriptEditor.h"

#include "ui/GuiSession.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace nbhost {

namespace {
const int kHistoryLines = 20000;

std::string lineOf(Output::Kind kind, const std::string& text)
{
    switch (kind) {
    case Output::Kind::Print:
        return text;
    case Output::Kind::Warning:
        return "// Warning: " + text + "\n";
    case Output::Kind::Error:
        return "// Error: " + text + "\n";
    default:
        return text + "\n";
    }
}
} // namespace

ScriptEditor::ScriptEditor(GuiSession& session, QWidget* parent) : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("scriptEditorPanel"));
    setWindowTitle(tr("Script Editor"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    m_history = new QPlainTextEdit(this);
    m_history->setObjectName(QStringLiteral("scriptEditorHistory"));
    m_history->setReadOnly(true);
    m_history->setMaximumBlockCount(kHistoryLines);
    m_history->setFont(fixed);
    m_history->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_input = new QPlainTextEdit(this);
    m_input->setObjectName(QStringLiteral("scriptEditorInput"));
    m_input->setFont(fixed);
    m_input->setPlaceholderText(tr("Script; Ctrl+Enter runs it (or the selected part)"));
    m_input->installEventFilter(this);

    auto* toolbar = new QToolBar(this);
    toolbar->addAction(tr("Execute"), this, &ScriptEditor::execute);
    toolbar->addAction(tr("Clear History"), this, &ScriptEditor::clearHistory);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_history);
    splitter->addWidget(m_input);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    resize(640, 480);
}

QColor ScriptEditor::colorFor(Output::Kind kind)
{
    switch (kind) {
    case Output::Kind::Warning:
        return QColor(205, 140, 20);
    case Output::Kind::Error:
        return QColor(215, 50, 50);
    case Output::Kind::Echo:
        return QColor(70, 120, 200);
    default:
        return QColor();
    }
}

void ScriptEditor::append(Output::Kind kind, const std::string& text)
{
    QScrollBar* bar = m_history->verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    QTextCursor cursor(m_history->document());
    cursor.movePosition(QTextCursor::End);
    // Only print continues a line that print left open.
    if (kind != Output::Kind::Print && !cursor.block().text().isEmpty())
        cursor.insertText(QStringLiteral("\n"));
    QTextCharFormat format;
    const QColor color = colorFor(kind);
    if (color.isValid())
        format.setForeground(color);
    cursor.insertText(QString::fromStdString(lineOf(kind, text)), format);
    if (atBottom)
        bar->setValue(bar->maximum());
}

QString ScriptEditor::historyText() const { return m_history->toPlainText(); }

void ScriptEditor::clearHistory() { m_history->clear(); }

void ScriptEditor::execute()
{
    const QTextCursor selection = m_input->textCursor();
    QString script = selection.hasSelection() ? selection.selectedText() : m_input->toPlainText();
    // A selection separates its lines with the paragraph separator.
    script.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (!script.trimmed().isEmpty())
        m_session.evaluate(script.toStdString(), true);
}

bool ScriptEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & Qt::ControlModifier)) {
            execute();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nbhost
