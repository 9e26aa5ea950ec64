#include "DocumentDigest.h"
#include "FrameCommandTest.h"

namespace frametest {
namespace {

struct Edit
{
    int time;
    int selStart, selEnd; // equal: nothing highlighted
    const char* arguments;
};

// Every changing mode, on two cameras, with ranges that overlap earlier
// edits; steps and retimes also move the current time.
const Edit EDITS[] = {
    {5, 0, 0, "-insert persp"},
    {8, 0, 0, "-duplicate persp"},
    {1, 4, 7, "-cut persp"},
    {1, 15, 16, "-paste persp"},
    {1, 10, 13, "-clear persp"},
    {12, 0, 0, "-retime 5 persp"},
    {1, 0, 0, "-move 5 15 40 persp"},
    {30, 0, 0, "-insert top"},
    {1, 2, 4, "-delete top"},
    {3, 0, 0, "-stepForward persp"},
    {1, 9, 14, "-relative -moveToNext -retime -1 persp"},
    {1, 20, 22, "-paste persp"},
    {1, 0, 0, "-move 10 20 60 persp"},
};

TEST_F(FrameCommandTest, LongSequencesOfDoUndoAndRedoRestoreTheDocumentExactly)
{
    AddLayer("top", {2, 3});
    AddLayer("persp", {1, 4, 6, 10, 12, 20});
    Highlight(10, 13);
    Run("vxNiblineFrame -copy persp");

    DocumentDigest digest;
    const std::string stored = Document();
    std::vector<std::string> documents = {digest.Of(Manager())};
    for (const Edit& edit : EDITS) {
        SetTime(edit.time);
        Highlight(edit.selStart, edit.selEnd);
        Run(std::string("vxNiblineFrame ") + edit.arguments);
        documents.push_back(digest.Of(Manager()));
    }
    Highlight(0, 0);
    const size_t count = documents.size() - 1;
    for (int round = 0; round < 2; ++round) {
        for (size_t i = count; i > 0; --i) {
            Run("undo");
            ASSERT_EQ(digest.Of(Manager()), documents[i - 1]) << "undo of " << EDITS[i - 1].arguments;
        }
        EXPECT_TRUE(Document() == stored);
        for (size_t i = 1; i <= count; ++i) {
            Run("redo");
            ASSERT_EQ(digest.Of(Manager()), documents[i]) << "redo of " << EDITS[i - 1].arguments;
        }
    }
    // Half way back, to and fro, then all the way back.
    const size_t half = count / 2;
    for (size_t i = 0; i < half; ++i)
        Run("undo");
    Run("redo; redo; undo; undo; undo");
    EXPECT_EQ(digest.Of(Manager()), documents[count - half - 1]);
    for (size_t i = count - half - 1; i > 0; --i)
        Run("undo");
    EXPECT_TRUE(Document() == stored);
}

} // namespace
} // namespace frametest
