// The panels' flat button under a real X server: clicks as the window
// system delivers them, the hover recolouring and the swatch style.
#include "ui/FlatButton.h"

#include "support/GuiTestEnvironment.h"

#include <gtest/gtest.h>


namespace {

class FlatButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        nbtest::guiApplication();
        window = std::make_unique<QWidget>();
        window->resize(100, 100);
        button = new FlatButton(window.get());
        button->move(10, 10);
        window->show();
        nbtest::processEvents([this] { return window->isVisible(); });
    }

    QImage WhiteSquare() const
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    }
    QColor CentreOfPixmap() const
    {
        const QImage shown = button->pixmap(Qt::ReturnByValue).toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }

    std::unique_ptr<QWidget> window;
    FlatButton* button = nullptr;
};

TEST_F(FlatButtonTest, ClickedOnlyOnALeftReleaseInside)
{
    int clicked = 0, pressed = 0, released = 0;
    QObject::connect(button, &FlatButton::clicked, [&] { ++clicked; });
    QObject::connect(button, &FlatButton::pressed, [&] { ++pressed; });
    QObject::connect(button, &FlatButton::released, [&] { ++released; });
    EXPECT_EQ(button->size(), QSize(30, 30));

    nbtest::mouse(*button, QEvent::MouseButtonPress, QPoint(15, 15));
    nbtest::mouse(*button, QEvent::MouseButtonRelease, QPoint(15, 15));
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(released, 1);

    // Pressed inside, released after leaving: no click.
    nbtest::mouse(*button, QEvent::MouseButtonPress, QPoint(15, 15));
    nbtest::mouse(*button, QEvent::MouseMove, QPoint(60, 60));
    nbtest::mouse(*button, QEvent::MouseButtonRelease, QPoint(60, 60));
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(released, 2);

    nbtest::mouse(*button, QEvent::MouseButtonPress, QPoint(15, 15), Qt::NoModifier, Qt::RightButton);
    nbtest::mouse(*button, QEvent::MouseButtonRelease, QPoint(15, 15), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(pressed, 2);
}

TEST_F(FlatButtonTest, ImageFitsTheInsetAndIsRecolouredWhileHovered)
{
    button->SetInset(5);
    button->SetImage(WhiteSquare());
    EXPECT_EQ(button->pixmap(Qt::ReturnByValue).size(), QSize(20, 20));
    EXPECT_EQ(CentreOfPixmap(), QColor(Qt::white));

    button->SetHighlightColor(QColor(255, 0, 0));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->IsMouseOver());
    EXPECT_EQ(CentreOfPixmap(), QColor(255, 0, 0));

    // A tint wins over the highlight, and stays after the pointer leaves.
    button->SetTintColor(QColor(0, 0, 255));
    EXPECT_EQ(CentreOfPixmap(), QColor(0, 0, 255));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(CentreOfPixmap(), QColor(0, 0, 255));

    button->SetTintColor(QColor());
    button->SetMouseOverEnabled(false);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(CentreOfPixmap(), QColor(Qt::white));
}

TEST_F(FlatButtonTest, SwatchStyleCarriesItsColourAndBorder)
{
    button->SetBackgroundColor(QColor(10, 20, 30));
    button->SetBorderWidth(2);
    const QString sheet = button->styleSheet();
    EXPECT_TRUE(sheet.contains("background-color : #ff0a141e")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("border-width: 2;")) << sheet.toStdString();
    EXPECT_TRUE(button->pixmap(Qt::ReturnByValue).isNull());
}

} // namespace
