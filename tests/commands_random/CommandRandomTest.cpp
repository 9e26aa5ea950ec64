#include "commands_frame/DocumentDigest.h"
#include "commands_frame/FrameCommandTest.h"

#include <QPainter>

#include <random>

namespace frametest {
namespace {

// The document and current time that undo must give back.
struct State
{
    std::string document;
    int time = 0;
    bool operator==(const State& other) const { return document == other.document && time == other.time; }
};

std::ostream& operator<<(std::ostream& out, const State& state)
{
    return out << "time " << state.time << "\n" << state.document;
}

// A run: how the document starts, the seed and the number of commands.
struct Run
{
    const char* name;
    void (*build)(class CommandRandomTest&);
    unsigned seed;
    int steps;
};

class CommandRandomTest : public FrameCommandTest, public ::testing::WithParamInterface<Run>
{
public:
    // A layer whose drawings carry a stroke besides their mark.
    void AddDrawnLayer(const QString& camera, std::initializer_list<int> times,
                       LayerState state = LAYER_STATE_ANIM)
    {
        Layer* layer = AddLayer(camera, times, state);
        for (int i = 0; i < layer->FrameCount(); ++i) {
            QPainter painter(&layer->GetFrame(i)->GetImage());
            painter.setPen(QPen(QColor(30, 90, 200), 6 + i));
            painter.drawLine(100 + 40 * i, 200, 700, 300 + 25 * i);
        }
    }

    // The starting documents.
    static void DrawnOnEveryCamera(CommandRandomTest& test)
    {
        test.AddDrawnLayer("persp", {1, 4, 6, 10});
        test.AddDrawnLayer("persp", {2, 3, 12});
        test.AddDrawnLayer("persp", {1}, LAYER_STATE_STATIC);
        test.AddDrawnLayer("top", {5, 9, 20});
        test.AddDrawnLayer("front", {1, 8});
        test.AddDrawnLayer("front", {3, 7}, LAYER_STATE_LOCKED);
        test.AddDrawnLayer("side", {2, 14});
        test.Manager().SetLayerVisible("side", 0, false);
        test.Manager().SetActiveLayer("persp", 1, true);
    }
    // Top and side have never had layers.
    static void SomeCamerasWithoutLayers(CommandRandomTest& test)
    {
        test.AddDrawnLayer("front", {1, 8});
        test.AddDrawnLayer("persp", {2, 3, 12});
        test.AddDrawnLayer("persp", {4}, LAYER_STATE_STATIC);
    }
    static void NoLayers(CommandRandomTest&) {}

protected:
    State Current() { return {digest.Of(Manager()), Now()}; }

    // The time slider moves between commands, as the user does.
    void MoveTime(std::mt19937& random)
    {
        if (random() % 2)
            SetTime(int(random() % 24) + 1);
        if (random() % 2) {
            const int start = int(random() % 24) + 1;
            const int length = random() % 3 ? int(random() % 10) + 1 : 0;
            Highlight(start, start + length);
        }
    }

    // A random command; many are refused, which is part of the test.
    std::string RandomCommand(std::mt19937& random)
    {
        return random() % 5 < 2 ? LayerCommand(random) : FrameCommand(random);
    }

    std::string LayerCommand(std::mt19937& random)
    {
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        const std::string camera = CAMERAS[pick(4)];
        const std::string other = CAMERAS[pick(4)];
        const std::string i = std::to_string(pick(5));
        const std::string j = std::to_string(pick(6) - 1);
        const std::string base = "vxNiblineLayer ";
        // Layers are deleted more often than added, so that the active ones
        // tend to hold drawings.
        switch (pick(15)) {
        case 13:
        case 14: return base + "-delete " + std::to_string(pick(2)) + " " + camera;
        case 0: return base + "-add " + camera;
        case 1: return base + "-add -ls " + std::to_string(pick(4)) + " -n \"N" + i + "\" " + camera;
        case 2: return base + "-insert " + j + " " + camera;
        case 3: return base + "-delete " + i + " " + camera;
        case 4: return pick(4) == 0 ? base + "-deleteAll " + camera : base + "-delete 0 " + camera;
        case 5: return base + "-move " + i + " " + j + " " + camera;
        case 6: return base + "-newCamera " + other + " -move " + i + " " + j + " " + camera;
        case 7: return base + "-moveAll " + other + " " + camera;
        case 8: return base + "-e -active " + i + " " + camera;
        case 9: return base + "-en \"R" + j + "\" " + i + " " + camera;
        case 10: return base + "-ev " + std::to_string(pick(2)) + " " + i + " " + camera;
        case 11: return base + "-eo 0." + i + " " + i + " " + camera;
        default: return base + "-es " + std::to_string(pick(4)) + " " + i + " " + camera;
        }
    }

    std::string FrameCommand(std::mt19937& random)
    {
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        // Now and then far beyond the timeline.
        auto amount = [&](int spread) {
            return std::to_string(pick(12) == 0 ? 2147483000 - pick(2) * 4294966000LL
                                                : pick(2 * spread + 1) - spread);
        };
        const std::string camera = " " + std::string(CAMERAS[pick(4)]);
        const std::string base = "vxNiblineFrame ";
        // Frames are inserted more often than taken out.
        switch (pick(14)) {
        case 12:
        case 13:
        case 0: return base + "-insert" + camera;
        case 1: return base + "-duplicate" + camera;
        case 2: return base + "-delete" + camera;
        case 3: return base + "-cut" + camera;
        case 4: return base + "-copy" + camera;
        case 5:
        case 6: return base + "-paste" + camera;
        case 7: return base + "-clear" + camera;
        case 8: return base + (pick(2) ? "-stepForward" : "-stepBack") + camera;
        case 9:
            // Parsing wants a camera; a retime then works on the active one.
            return base + (pick(2) ? "-relative " : "") + (pick(2) ? "-moveToNext " : "") + "-retime "
                   + amount(3) + camera;
        default: {
            const int start = pick(20) + 1;
            return base + "-move " + amount(8) + " " + std::to_string(start) + " "
                   + std::to_string(start + pick(20)) + (pick(8) ? camera : "");
        }
        }
    }

    static constexpr const char* CAMERAS[] = {"persp", "top", "front", "side"};
    DocumentDigest digest;
};

// Every undo gives back the document and time before the command and every
// redo those after it; refused commands change nothing. In the end undoing
// everything passes the document of the middle of the run and gives back the
// stored form of the start byte for byte; redoing everything gives the last
// document.
TEST_P(CommandRandomTest, UndoAndRedoGiveBackEveryDocument)
{
    host().undoQueue().setLength(0);
    GetParam().build(*this);
    const std::string start = Document();

    std::vector<std::string> undoable;
    std::mt19937 random(GetParam().seed);
    std::string middle;
    size_t middleSteps = 0;
    for (int step = 0; step < GetParam().steps; ++step) {
        if (step == GetParam().steps / 2) {
            middle = digest.Of(Manager());
            middleSteps = UndoSteps();
        }
        MoveTime(random);
        const std::string command = RandomCommand(random);
        const State before = Current();
        const size_t steps = UndoSteps();
        // A copy is the one success that keeps no undo step.
        const bool ok = eval(command).ok;
        const bool kept = ok && command.find("-copy") == std::string::npos;
        ASSERT_EQ(UndoSteps(), steps + (kept ? 1 : 0)) << step << ": " << command;
        if (kept)
            undoable.push_back(command);
        if (!kept) {
            ASSERT_EQ(Current(), before) << step << ": " << command;
            continue;
        }
        if (random() % 3 == 0) {
            const State after = Current();
            ASSERT_TRUE(eval("undo").ok);
            ASSERT_EQ(Current(), before) << step << ": undo of " << command;
            // Redo does what the first run did, wherever the user has moved
            // the time and the time slider's selection since.
            MoveTime(random);
            const bool setsTime = command.find("-retime") != std::string::npos
                                  || command.find("-step") != std::string::npos;
            const int time = setsTime ? after.time : Now();
            ASSERT_TRUE(eval("redo").ok);
            ASSERT_EQ(Current(), (State{after.document, time})) << step << ": redo of " << command;
        }
    }
    const std::string last = digest.Of(Manager());
    while (UndoSteps() > 0) {
        if (UndoSteps() == middleSteps) {
            EXPECT_EQ(digest.Of(Manager()), middle);
        }
        ASSERT_TRUE(eval("undo").ok);
    }
    EXPECT_TRUE(Document() == start);
    for (const std::string& command : undoable) {
        output().clear();
        ASSERT_TRUE(eval("redo").ok) << "redo of " << command << "\n" << output().errors();
    }
    EXPECT_EQ(digest.Of(Manager()), last);
}

INSTANTIATE_TEST_SUITE_P(Starts, CommandRandomTest,
                         ::testing::Values(Run{"DrawnOnEveryCamera",
                                               &CommandRandomTest::DrawnOnEveryCamera, 20240607,
                                               2000},
                                           Run{"SomeCamerasWithoutLayers",
                                               &CommandRandomTest::SomeCamerasWithoutLayers, 77,
                                               1000},
                                           Run{"NoLayers", &CommandRandomTest::NoLayers, 5, 500}),
                         [](const ::testing::TestParamInfo<Run>& info) { return info.param.name; });

} // namespace
} // namespace frametest
