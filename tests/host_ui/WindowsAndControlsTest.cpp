#include "UiTest.h"

#include "core/OptionVarStore.h"
#include "ui/ColorSliderGroup.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowParts.h"
#include "ui/TimeSlider.h"

#include <maya/MQtUtil.h>

#include <QLayout>
#include <QSlider>

using nbhost::ControlRegistry;

class WindowsAndControlsTest : public UiTest
{
};

TEST_F(WindowsAndControlsTest, WindowsAreMadeHiddenThenShownQueriedAndDeleted)
{
    EXPECT_EQ(str("window -retain -title \"Nibline\" -widthHeight 300 280 floating"), "floating");
    EXPECT_EQ(num("window -exists floating"), 1);
    EXPECT_EQ(num("window -q -visible floating"), 0);
    eval("showWindow floating");
    EXPECT_EQ(num("window -q -visible floating"), 1);
    EXPECT_EQ(str("window -q -title floating"), "Nibline");
    EXPECT_EQ(eval("window -q -widthHeight floating").value.asIntArray(), std::vector<long long>({300, 280}));
    eval("window -e -visible false floating");
    EXPECT_EQ(num("window -q -visible floating"), 0);

    // The user closing a retained window hides it; any other goes.
    QWidget* floating = MQtUtil::findWindow("floating");
    ASSERT_NE(floating, nullptr);
    floating->show();
    floating->close();
    EXPECT_EQ(num("window -exists floating"), 1);
    eval("window -title Once passing; showWindow passing;");
    MQtUtil::findWindow("passing")->close();
    EXPECT_EQ(num("window -exists passing"), 0);

    eval("deleteUI -window floating");
    EXPECT_EQ(num("window -exists floating"), 0);
    EXPECT_TRUE(fails("window -q -title floating"));
    EXPECT_EQ(num("window -exists MayaWindow"), 1);
    EXPECT_TRUE(fails("window -title Again MayaWindow"));
}

// How the camera views' layout commands attach to windows: by name, to the
// window's layout, and as the current parent after `window`.
TEST_F(WindowsAndControlsTest, ControlsGoIntoTheLayoutOfTheirParentWindow)
{
    eval("window holder");
    EXPECT_EQ(nbhost::MainWindowParts::currentParent(), "holder");
    EXPECT_EQ(MQtUtil::toQString(MQtUtil::getCurrentParent()), "holder");
    const std::string colour = str("colorSliderGrp -label Tint tint");
    EXPECT_EQ(colour, "holder|tint");
    QWidget* window = MQtUtil::findWindow("holder");
    QWidget* tint = MQtUtil::findControl("tint");
    ASSERT_NE(tint, nullptr);
    EXPECT_EQ(tint->parentWidget(), window);
    EXPECT_GE(window->layout()->indexOf(tint), 0);
    EXPECT_EQ(MQtUtil::findControl("holder|tint"), tint);
    EXPECT_EQ(MQtUtil::findControl("tint", &mainWindow().timeSlider()), nullptr);
    EXPECT_EQ(MQtUtil::findLayout("holder"), window);

    auto* pane = new QWidget;
    ControlRegistry::registerControl("pane1", pane);
    EXPECT_TRUE(nbhost::MainWindowParts::addToParent("holder", pane));
    EXPECT_EQ(pane->parentWidget(), window);
    EXPECT_FALSE(nbhost::MainWindowParts::addToParent("nowhere", pane));
    EXPECT_FALSE(nbhost::MainWindowParts::addToParent("MayaWindow", pane));

    eval("setParent pane1");
    EXPECT_EQ(str("setParent -q"), "holder|pane1");
    eval("setParent ..");
    EXPECT_EQ(str("setParent -q"), "holder");
    eval("deleteUI -window holder");
    EXPECT_EQ(MQtUtil::findControl("tint"), nullptr);
    EXPECT_EQ(MQtUtil::findControl("pane1"), nullptr);
    EXPECT_EQ(str("setParent -q"), "");
    EXPECT_TRUE(fails("colorSliderGrp -parent holder late"));
    // A named parent that cannot hold controls refuses it, leaving nothing.
    EXPECT_TRUE(fails("colorSliderGrp -parent MayaWindow stray"));
    EXPECT_EQ(MQtUtil::findControl("stray"), nullptr);
}

// What a panel does with the host's colour picker: make it, find it, hide
// its slider and size its swatch, then set and read colours.
TEST_F(WindowsAndControlsTest, ColourSliderGroupOffersSwatchAndSliderAndKeepsItsColour)
{
    EXPECT_EQ(str("colorSliderGrp -columnWidth3 0 80 0 swatch"), "swatch");
    QWidget* control = MQtUtil::findControl("swatch");
    ASSERT_NE(control, nullptr);
    auto* slider = control->findChild<QSlider*>("slider");
    QWidget* port = control->findChild<QWidget*>("port");
    ASSERT_NE(slider, nullptr);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->minimumWidth(), 80);

    eval("colorSliderGrp -e -rgbValue 0.25 0.5 1 swatch");
    EXPECT_EQ(eval("colorSliderGrp -q -rgbValue swatch").value.asFloatArray(), std::vector<double>({0.25, 0.5, 1}));
    EXPECT_EQ(port->palette().color(QPalette::Window), QColor::fromRgbF(0.25, 0.5, 1));
    eval("colorSliderGrp -e -rgbValue -1 2 0.5 swatch");
    EXPECT_EQ(eval("colorSliderGrp -q -rgbValue swatch").value.asFloatArray(), std::vector<double>({0, 1, 0.5}));

    // Only the user's changes run the change command.
    eval("colorSliderGrp -e -changeCommand \"optionVar -iv nbColourChanged 1\" swatch");
    EXPECT_FALSE(host().optionVars().exists("nbColourChanged"));
    eval("colorSliderGrp -e -rgbValue 1 0 0 swatch");
    slider->setValue(slider->maximum() / 2);
    EXPECT_EQ(host().optionVars().get("nbColourChanged").asInt(), 1);
    const std::vector<double> dimmed = eval("colorSliderGrp -q -rgbValue swatch").value.asFloatArray();
    EXPECT_NEAR(dimmed[0], 0.5, 0.01);
    EXPECT_EQ(dimmed[1], 0.0);

    // Made with no parent, it waits for a panel to adopt it.
    EXPECT_EQ(control->parentWidget(), nullptr);
    QWidget panel;
    panel.setLayout(new QVBoxLayout);
    panel.layout()->addWidget(control);
    EXPECT_EQ(MQtUtil::findControl("swatch"), control);
    EXPECT_TRUE(fails("colorSliderGrp -q -rgbValue nothing"));
    EXPECT_TRUE(fails("colorSliderGrp swatch"));
    eval("deleteUI swatch");
    nbtest::processEvents();
}

TEST_F(WindowsAndControlsTest, QtBridgeFindsTheHostsControls)
{
    EXPECT_EQ(MQtUtil::mainWindow(), &mainWindow());
    const MString sliderName = MQtUtil::toMString(QString::fromStdString(str("$tmp = $gPlayBackSlider")));
    EXPECT_EQ(MQtUtil::findControl(sliderName), &mainWindow().timeSlider());
    EXPECT_EQ(str("$tmp = $gMainWindow"), "MayaWindow");
    EXPECT_EQ(MQtUtil::findControl("nothing"), nullptr);
    eval("menu -label M; menuItem -label I;");
    EXPECT_EQ(MQtUtil::findMenuItem("MayaWindow|menu1|menuItem1"), item("menuItem1"));
    EXPECT_EQ(MQtUtil::toQString(MQtUtil::fullName(item("menuItem1"))), "MayaWindow|menu1|menuItem1");
    EXPECT_EQ(MQtUtil::findWindow("menu1"), nullptr);
}
