#include "UiTest.h"

#include "core/OptionVarStore.h"
#include "ui/CommandLine.h"
#include "ui/MainWindow.h"
#include "ui/ScriptEditor.h"

#include <maya/MGlobal.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

using nbhost::Output;
using nbhost::ScriptEditor;

namespace {

// The colour of the history line that holds `text`; invalid when none does.
QColor lineColour(ScriptEditor& editor, const QString& text)
{
    QTextDocument* document = editor.history().document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.text().contains(text))
            return block.begin().fragment().charFormat().foreground().color();
    return QColor();
}

void pressKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&widget, &press);
}

} // namespace

class OutputAndEditorTest : public UiTest
{
protected:
    ScriptEditor& editor() { return session().scriptEditor(); }
};

TEST_F(OutputAndEditorTest, HistoryShowsOutputInTheColourOfItsKind)
{
    eval("print \"partial \"; print \"line\\n\"");
    MGlobal::displayInfo("an info");
    MGlobal::displayWarning("a warning");
    MGlobal::displayError("an error");
    eval("undefinedCommandHere");
    const QString history = editor().historyText();
    EXPECT_TRUE(history.contains("partial line\nan info\n// Warning: a warning\n// Error: an error\n")) << history.toStdString();
    EXPECT_TRUE(history.contains("undefinedCommandHere"));
    EXPECT_EQ(lineColour(editor(), "// Error: an error"), ScriptEditor::colorFor(Output::Kind::Error));
    EXPECT_EQ(lineColour(editor(), "// Warning: a warning"), ScriptEditor::colorFor(Output::Kind::Warning));
    EXPECT_NE(lineColour(editor(), "an info"), ScriptEditor::colorFor(Output::Kind::Error));
    // The output still reaches whoever listened before the window came.
    EXPECT_NE(output().errors().find("an error"), std::string::npos);
}

TEST_F(OutputAndEditorTest, CommandsEvaluatedWithDisplayOnAreEchoed)
{
    MGlobal::executeCommand("optionVar -iv nbShown 1", true, false);
    MGlobal::executeCommand("optionVar -iv nbHidden 1", false, false);
    EXPECT_EQ(lineColour(editor(), "optionVar -iv nbShown 1"), ScriptEditor::colorFor(Output::Kind::Echo));
    EXPECT_FALSE(editor().historyText().contains("nbHidden"));
}

TEST_F(OutputAndEditorTest, InputRunsWithCtrlEnterWholeOrSelected)
{
    editor().input().setPlainText("optionVar -iv nbFirst 1;\noptionVar -iv nbSecond 2;");
    pressKey(editor().input(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(host().optionVars().get("nbSecond").asInt(), 2);
    EXPECT_TRUE(editor().historyText().contains("optionVar -iv nbFirst 1;"));
    EXPECT_EQ(editor().input().toPlainText(), "optionVar -iv nbFirst 1;\noptionVar -iv nbSecond 2;");

    editor().input().setPlainText("optionVar -iv nbFirst 5;\noptionVar -iv nbSecond 6;");
    QTextCursor cursor(editor().input().document());
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    editor().input().setTextCursor(cursor);
    pressKey(editor().input(), Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(host().optionVars().get("nbFirst").asInt(), 5);
    EXPECT_EQ(host().optionVars().get("nbSecond").asInt(), 2);

    // Enter alone is a new line, not a run.
    pressKey(editor().input(), Qt::Key_Return);
    EXPECT_EQ(host().optionVars().get("nbSecond").asInt(), 2);
}

TEST_F(OutputAndEditorTest, CommandLineShowsTheResultOrKeepsTheLineOnError)
{
    nbhost::CommandLine& line = mainWindow().commandLine();
    line.input().setText("optionVar -iv nbLine 4; optionVar -q nbLine");
    emit line.input().returnPressed();
    EXPECT_EQ(line.resultText(), "// Result: 4");
    EXPECT_TRUE(line.input().text().isEmpty());
    EXPECT_TRUE(editor().historyText().contains("optionVar -iv nbLine 4; optionVar -q nbLine"));

    line.input().setText("optionVar -q");
    emit line.input().returnPressed();
    EXPECT_TRUE(line.resultText().startsWith("// Error:")) << line.resultText().toStdString();
    EXPECT_EQ(line.input().text(), "optionVar -q");

    line.input().clear();
    pressKey(line.input(), Qt::Key_Up);
    EXPECT_EQ(line.input().text(), "optionVar -q");
    pressKey(line.input(), Qt::Key_Up);
    EXPECT_EQ(line.input().text(), "optionVar -iv nbLine 4; optionVar -q nbLine");
}

// Without the interface the host writes to the standard streams again, as
// in batch mode.
TEST(OutputRoutingTest, OutputReturnsToItsFormerDestinationWhenTheInterfaceGoes)
{
    nbtest::OutputCapture outer;
    {
        nbtest::ScopedGui gui(nbtest::GuiSetup{false, false, ""});
        MGlobal::displayWarning("while shown");
        EXPECT_TRUE(gui.session().scriptEditor().historyText().contains("while shown"));
    }
    MGlobal::displayWarning("after");
    EXPECT_EQ(outer.warnings(), "while shown\nafter\n");
}
