#include "ui/CommandLine.h"

#include "ui/GuiSession.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace nbhost {

namespace {
const int kRememberedLines = 100;

QString resultOf(const Value& value)
{
    if (value.isVoid())
        return QString();
    if (!value.isArray())
        return QString::fromStdString(value.asString());
    QStringList items;
    for (const std::string& item : value.asStringArray())
        items << QString::fromStdString(item);
    return items.join(QLatin1Char(' '));
}
} // namespace

CommandLine::CommandLine(GuiSession& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("commandLineInput"));
    m_input->setPlaceholderText(tr("Command"));
    m_input->installEventFilter(this);
    connect(m_input, &QLineEdit::returnPressed, this, &CommandLine::run);

    m_result = new QLineEdit(this);
    m_result->setObjectName(QStringLiteral("commandLineResult"));
    m_result->setReadOnly(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_input, 3);
    layout->addWidget(m_result, 2);
}

QString CommandLine::resultText() const { return m_result->text(); }

void CommandLine::run()
{
    const QString line = m_input->text();
    if (line.trimmed().isEmpty())
        return;
    m_lines.removeAll(line);
    m_lines << line;
    while (m_lines.size() > kRememberedLines)
        m_lines.removeFirst();
    m_recalled = m_lines.size();
    const EvalResult result = m_session.evaluate(line.toStdString(), true);
    if (result.ok) {
        const QString value = resultOf(result.value);
        m_result->setText(value.isEmpty() ? QString() : QStringLiteral("// Result: ") + value);
        m_result->setStyleSheet(QString());
        m_input->clear();
    } else {
        // The line stays so it can be corrected.
        m_result->setText(QStringLiteral("// Error: ") + QString::fromStdString(result.error));
        m_result->setStyleSheet(QStringLiteral("color: rgb(215, 50, 50);"));
    }
}

void CommandLine::recall(int step)
{
    if (m_lines.isEmpty())
        return;
    m_recalled = qBound(0, m_recalled + step, static_cast<int>(m_lines.size()));
    m_input->setText(m_recalled < m_lines.size() ? m_lines.at(m_recalled) : QString());
}

bool CommandLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            recall(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nbhost
