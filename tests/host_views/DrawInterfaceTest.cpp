// The Viewport 2.0 drawing interface: draw overrides made per node from
// the registry, their user data kept between draws, textures, and what a
// view paints for them, checked in playblast images.
#include "host_views/ViewTestSupport.h"

#include "viewport/DrawOverrideRegistry.h"
#include "viewport/DrawablePainter.h"

#include <QColor>

#include <cmath>

namespace {

using viewtest::OverlayOverride;
using viewtest::ViewTest;

class DrawInterfaceTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        OverlayOverride::created = 0;
        OverlayOverride::destroyed = 0;
        OverlayOverride::opacity = 1.0f;
        OverlayOverride::oldData.clear();
        OverlayOverride::textureNames.clear();
    }

    // One frame of the active view at 200 x 200 without grid or gate.
    QImage shot(const std::string& name)
    {
        eval("modelPanel -e -camera persp modelPanel4");
        nbhost::ViewOptions options = persp().options();
        options.grid = false;
        persp().setOptions(options);
        const std::string pattern = str("playblast -v 0 -fo -orn 0 -p 100 -wh 200 200 -fr 1 -f \"" + m_dir.file(name)
                                        + "\"");
        EXPECT_EQ(pattern, m_dir.file(name) + ".####.png");
        return QImage(QString::fromStdString(m_dir.file(name) + ".0001.png")).convertToFormat(QImage::Format_RGBA8888);
    }

    nbtest::TempDir m_dir{"nbviews"};
};

// Channels within one step of `expected`.
void expectColor(const QImage& image, int x, int y, QColor expected)
{
    const QColor got = image.pixelColor(x, y);
    EXPECT_NEAR(got.red(), expected.red(), 1) << x << "," << y;
    EXPECT_NEAR(got.green(), expected.green(), 1) << x << "," << y;
    EXPECT_NEAR(got.blue(), expected.blue(), 1) << x << "," << y;
}

QColor blend(QColor over, QColor under, double alpha)
{
    return QColor(int(std::lround(over.red() * alpha + under.red() * (1.0 - alpha))),
                  int(std::lround(over.green() * alpha + under.green() * (1.0 - alpha))),
                  int(std::lround(over.blue() * alpha + under.blue() * (1.0 - alpha))));
}

TEST_F(DrawInterfaceTest, TexturedRectangleShowsTexturePixelsTimesColourAndOpacity)
{
    const QImage background = shot("empty");
    addOverlay();
    const QImage opaque = shot("opaque");
    // The 100 x 100 rectangle is centred: its top half shows the texture's
    // top row (red), its bottom half the bottom row (blue); outside is
    // untouched.
    expectColor(opaque, 100, 60, Qt::red);
    expectColor(opaque, 100, 140, Qt::blue);
    expectColor(opaque, 20, 20, background.pixelColor(20, 20));
    expectColor(opaque, 100, 160, background.pixelColor(100, 160));
    // Linear filtering: the middle rows mix the two.
    const QColor middle = opaque.pixelColor(100, 100);
    EXPECT_GT(middle.red(), 60);
    EXPECT_GT(middle.blue(), 60);

    OverlayOverride::opacity = 0.5f;
    const QImage half = shot("half");
    expectColor(half, 100, 60, blend(Qt::red, background.pixelColor(100, 60), 0.5));
    expectColor(half, 100, 140, blend(Qt::blue, background.pixelColor(100, 140), 0.5));
}

TEST_F(DrawInterfaceTest, OverridesArePerNodeAndKeepTheirUserData)
{
    addOverlay("first");
    shot("one");
    shot("two");
    ASSERT_EQ(OverlayOverride::created, 1);
    // The first preparation gets nothing, later ones what it returned.
    ASSERT_GE(OverlayOverride::oldData.size(), 2u);
    EXPECT_EQ(OverlayOverride::oldData.front(), nullptr);
    EXPECT_NE(OverlayOverride::oldData.back(), nullptr);
    EXPECT_EQ(OverlayOverride::oldData.back(), OverlayOverride::oldData[1]);

    // A second node gets its own override (and texture name); a hidden
    // one is not drawn.
    str(std::string("createNode ") + viewtest::OverlayLocator::kName + " -n second");
    shot("three");
    EXPECT_EQ(OverlayOverride::created, 2);
    EXPECT_NE(OverlayOverride::textureNames[0], OverlayOverride::textureNames[1]);
    str("setAttr second.visibility 0");
    const size_t before = OverlayOverride::oldData.size();
    shot("four");
    EXPECT_EQ(OverlayOverride::oldData.size(), before + 1);

    // Deleting a node deletes its override at the next draw; deregistering
    // deletes the rest and nothing is drawn any more.
    str("delete first");
    shot("five");
    EXPECT_EQ(OverlayOverride::destroyed, 1);
    EXPECT_TRUE(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(viewtest::OverlayLocator::kClassification,
                                                                       "nbTest"));
    EXPECT_EQ(OverlayOverride::destroyed, 2);
    EXPECT_EQ(nbhost::DrawOverrideRegistry::instance().overrideCount(), 0u);
    EXPECT_EQ(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(viewtest::OverlayLocator::kClassification,
                                                                     "nbTest"),
              MStatus::kNotFound);
}

TEST_F(DrawInterfaceTest, RegistryRefusesBadAndDuplicateRegistrations)
{
    addOverlay();
    EXPECT_EQ(MHWRender::MDrawRegistry::registerDrawOverrideCreator(viewtest::OverlayLocator::kClassification,
                                                                   "other", &OverlayOverride::creator),
              MStatus::kFailure);
    EXPECT_FALSE(MHWRender::MDrawRegistry::registerDrawOverrideCreator("", "nbTest", &OverlayOverride::creator));
    EXPECT_FALSE(MHWRender::MDrawRegistry::registerDrawOverrideCreator("drawdb/geometry/x", "nbTest", nullptr));
    EXPECT_EQ(MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(viewtest::OverlayLocator::kClassification,
                                                                     "other"),
              MStatus::kNotFound);
}

TEST(DrawablePainterTest, TintMultipliesThroughTheChannelMask)
{
    QImage texture(1, 1, QImage::Format_RGBA8888);
    texture.setPixelColor(0, 0, QColor(200, 100, 50, 255));
    const QImage half = nbhost::DrawablePainter::tinted(texture, MColor(0.5f, 1.0f, 0.0f, 1.0f), 15)
                            .convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(half.pixelColor(0, 0), QColor(100, 100, 0, 255));
    // Red and alpha only: green and blue read 0, alpha the colour's.
    const QImage masked = nbhost::DrawablePainter::tinted(texture, MColor(1.0f, 1.0f, 1.0f, 1.0f),
                                                          MHWRender::MBlendState::kRedChannel)
                              .convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(masked.pixelColor(0, 0), QColor(200, 0, 0, 255));
}

TEST(TextureManagerTest, TexturesAreSharedByNameUpdatedAndReleased)
{
    using namespace MHWRender;
    MTextureManager* manager = MRenderer::theRenderer()->getTextureManager();
    ASSERT_NE(manager, nullptr);
    MTextureDescription desc;
    desc.setToDefault2DTexture();
    desc.fWidth = 1;
    desc.fHeight = 2;
    desc.fFormat = kB8G8R8A8;
    const unsigned char first[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    MTexture* texture = manager->acquireTexture("nbShared", desc, first, false);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(manager->acquireTexture("nbShared", desc, first, false), texture);
    MTextureDescription read;
    texture->textureDescription(read);
    EXPECT_EQ(read.fHeight, 2u);
    EXPECT_EQ(read.fFormat, kB8G8R8A8);

    // Pixels come back in the texture's own byte order; rows may be padded.
    const unsigned char padded[16] = {9, 10, 11, 12, 0, 0, 0, 0, 13, 14, 15, 16, 0, 0, 0, 0};
    ASSERT_TRUE(texture->update(padded, false, 8));
    int rowPitch = 0, slicePitch = 0;
    auto* raw = static_cast<unsigned char*>(texture->rawData(rowPitch, slicePitch));
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(rowPitch, 4);
    EXPECT_EQ(std::vector<unsigned char>(raw, raw + 8), std::vector<unsigned char>({9, 10, 11, 12, 13, 14, 15, 16}));
    MTexture::freeRawData(raw);
    EXPECT_FALSE(texture->update(nullptr, false));

    // The name stays taken until the last release.
    manager->releaseTexture(texture);
    EXPECT_EQ(manager->acquireTexture("nbShared", desc, first, false), texture);
    manager->releaseTexture(texture);
    manager->releaseTexture(texture);

    // What this host cannot hold is refused.
    desc.fFormat = kR32G32B32A32_FLOAT;
    EXPECT_EQ(manager->acquireTexture("nbFloat", desc, first, false), nullptr);
    desc.fFormat = kR8G8B8A8_UNORM;
    EXPECT_EQ(manager->acquireTexture("nbNoPixels", desc, nullptr, false), nullptr);
    EXPECT_EQ(kR8G8B8A8_UNORM, 49);
    EXPECT_EQ(MSamplerState::kMinMagMipLinear, 21);
    EXPECT_EQ(MSamplerState::kTexClamp, 3);
    EXPECT_EQ(MUIDrawManager::kAutomatic, 2);
}

} // namespace
