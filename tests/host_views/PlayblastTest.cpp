// Playblast: file names, frames, sizes, the time it sets and restores,
// and what it refuses.
#include "host_views/ViewTestSupport.h"

#include "events/EventBus.h"

#include <QFileInfo>

namespace {

using viewtest::ViewTest;

class PlayblastTest : public ViewTest
{
protected:
    std::string base(const std::string& name) const { return m_dir.file(name); }
    static QSize sizeOf(const std::string& file) { return QImage(QString::fromStdString(file)).size(); }
    static bool exists(const std::string& file) { return QFileInfo::exists(QString::fromStdString(file)); }

    nbtest::TempDir m_dir{"nbblast"};
};

TEST_F(PlayblastTest, WritesNumberedFramesAtTheRequestedSize)
{
    int changes = 0;
    const MCallbackId id = host().events().addEventListener("timeChanged", [&changes] { ++changes; });
    str("currentTime 7");
    changes = 0;
    const std::string pattern =
        str("playblast -format image -compression png -v 0 -wh 320 200 -percent 100 -st 3 -et 5 -f \"" + base("a")
            + "\"");
    host().events().remove(id);
    EXPECT_EQ(pattern, base("a") + ".####.png");
    for (const char* frame : {".0003.png", ".0004.png", ".0005.png"})
        EXPECT_EQ(sizeOf(base("a") + frame), QSize(320, 200)) << frame;
    EXPECT_FALSE(exists(base("a") + ".0006.png"));
    // Each frame set the time; the time is back where it was.
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(str("currentTime -q"), "7");

    // -frame picks frames; the default percentage halves the view's size.
    str("playblast -v 0 -fr 12 -fr 2 -f \"" + base("b") + "\"");
    EXPECT_TRUE(exists(base("b") + ".0012.png"));
    EXPECT_TRUE(exists(base("b") + ".0002.png"));
    const QSize port(persp().widget()->width(), persp().widget()->height());
    EXPECT_EQ(sizeOf(base("b") + ".0002.png"), QSize(qRound(port.width() / 2.0), qRound(port.height() / 2.0)));

    // Without a range, the playback range.
    str("playbackOptions -min 1 -max 3");
    str("playblast -v 0 -p 10 -f \"" + base("c") + "\"");
    EXPECT_TRUE(exists(base("c") + ".0001.png"));
    EXPECT_TRUE(exists(base("c") + ".0003.png"));
    EXPECT_FALSE(exists(base("c") + ".0004.png"));
}

TEST_F(PlayblastTest, RefusesToOverwriteAndBadSettings)
{
    const std::string file = base("keep") + ".0001.png";
    m_dir.write("keep.0001.png", "precious");
    EXPECT_TRUE(fails("playblast -v 0 -fr 1 -f \"" + base("keep") + "\""));
    EXPECT_NE(output().errors().find("-forceOverwrite"), std::string::npos);
    EXPECT_EQ(nbtest::readFile(file), "precious");
    str("playblast -v 0 -fo -fr 1 -p 10 -f \"" + base("keep") + "\"");
    EXPECT_FALSE(QImage(QString::fromStdString(file)).isNull());

    EXPECT_TRUE(fails("playblast -v 0 -format qt -fr 1 -f \"" + base("d") + "\""));
    EXPECT_TRUE(fails("playblast -v 0 -compression nosuch -fr 1 -f \"" + base("d") + "\""));
    EXPECT_TRUE(fails("playblast -v 0 -percent 0 -fr 1 -f \"" + base("d") + "\""));
    EXPECT_TRUE(fails("playblast -v 0 -wh -5 10 -fr 1 -f \"" + base("d") + "\""));
    EXPECT_TRUE(fails("playblast -v 0 -st 5 -et 4 -f \"" + base("d") + "\""));
    EXPECT_FALSE(exists(base("d") + ".0001.png"));
}

} // namespace
