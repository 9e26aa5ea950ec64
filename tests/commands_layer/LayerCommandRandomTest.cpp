#include "CommandTest.h"

#include <random>

namespace cmdtest {
namespace {

class LayerCommandRandomTest : public CommandTest
{
protected:
    // A random layer command; many are refused, which is part of the test.
    std::string RandomCommand(std::mt19937& random)
    {
        static const char* const cameras[] = {"persp", "top", "front", "side"};
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        const std::string camera = cameras[pick(4)];
        const std::string other = cameras[pick(4)];
        const std::string i = std::to_string(pick(5));
        const std::string j = std::to_string(pick(6) - 1);
        const std::string base = "vxNiblineLayer ";
        switch (pick(13)) {
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
};

// Every undo gives back the document before the command and every redo the
// one after it; undoing everything gives back the start, byte for byte.
TEST_F(LayerCommandRandomTest, UndoingEverythingRestoresTheStart)
{
    host().undoQueue().setLength(0);
    AddLayers("persp", {"P0", "P1", "P2"});
    AddLayers("top", {"T0"});
    AddLayers("front", {"F0", "F1"});
    AddLayers("side", {"S0"});
    Manager().SetActiveLayer("front", 1, true);
    const std::string start = Document();

    std::mt19937 random(20240607);
    for (int step = 0; step < 2500; ++step) {
        const std::string command = RandomCommand(random);
        const std::string before = Document();
        const size_t steps = UndoSteps();
        const bool ok = eval(command).ok;
        ASSERT_EQ(UndoSteps(), steps + (ok ? 1 : 0)) << command;
        if (!ok) {
            ASSERT_EQ(Document(), before) << command;
            continue;
        }
        if (random() % 3 == 0) {
            const std::string after = Document();
            ASSERT_TRUE(eval("undo").ok);
            ASSERT_EQ(Document(), before) << "undo of " << command;
            ASSERT_TRUE(eval("redo").ok);
            ASSERT_EQ(Document(), after) << "redo of " << command;
        }
    }
    while (UndoSteps() > 0)
        ASSERT_TRUE(eval("undo").ok);
    EXPECT_EQ(Document(), start);
}

} // namespace
} // namespace cmdtest
