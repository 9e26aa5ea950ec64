#include "UiTest.h"

#include "ui/MainWindow.h"
#include "ui/ProgressLine.h"

#include <maya/MProgressWindow.h>

#include <QProgressBar>
#include <QThread>

class ProgressWindowTest : public UiTest
{
protected:
    QProgressBar* bar() { return mainWindow().findChild<QProgressBar*>("mainProgressBar"); }
    nbhost::ProgressLine& line() { return mainWindow().progressLine(); }
};

// Progress shows in the main window only for work that lasts, one
// operation at a time, and is gone when the operation ends.
TEST_F(ProgressWindowTest, LongWorkShowsInTheHelpLineAndShortWorkDoesNot)
{
    ASSERT_TRUE(MProgressWindow::reserve());
    EXPECT_FALSE(MProgressWindow::reserve());  // held by the first
    MProgressWindow::setTitle("Reading drawings");
    ASSERT_TRUE(MProgressWindow::setProgressRange(0, 200));
    EXPECT_FALSE(MProgressWindow::setProgressRange(5, 1));
    ASSERT_TRUE(MProgressWindow::startProgress());
    MProgressWindow::setProgress(20);
    EXPECT_FALSE(line().isShowing());  // not yet half a second

    QThread::msleep(nbhost::ProgressLine::SHOW_AFTER_MS + 50);
    MProgressWindow::advanceProgress(30);
    EXPECT_TRUE(line().isShowing());
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->value(), 50);
    EXPECT_EQ(bar()->maximum(), 200);
    MProgressWindow::setProgress(500);  // clamped to the range
    EXPECT_EQ(MProgressWindow::progress(), 200);

    ASSERT_TRUE(MProgressWindow::endProgress());
    EXPECT_FALSE(line().isShowing());
    EXPECT_FALSE(MProgressWindow::setProgress(3));  // nothing reserved
    ASSERT_TRUE(MProgressWindow::reserve());
    ASSERT_TRUE(MProgressWindow::startProgress());
    MProgressWindow::setProgress(1);
    EXPECT_FALSE(line().isShowing());  // a new operation waits again
    MProgressWindow::endProgress();
}

class BatchProgressTest : public nbtest::HostTest
{
};

TEST_F(BatchProgressTest, BatchModeHasNoProgressDisplay)
{
    EXPECT_FALSE(MProgressWindow::reserve());
    EXPECT_FALSE(MProgressWindow::startProgress());
    EXPECT_FALSE(MProgressWindow::endProgress());
}
