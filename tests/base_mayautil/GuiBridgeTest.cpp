#include "base/MayaUtil.h"

#include "support/GuiTestEnvironment.h"

#include <maya/MQtUtil.h>

#include <gtest/gtest.h>

namespace {

class GuiBridge : public nbtest::GuiTest
{
};

TEST_F(GuiBridge, TimeControlWidgetIsTheHostsTimeSlider)
{
    EXPECT_FALSE(MayaUtil::IsBatchMode());
    QWidget* slider = MayaUtil::GetTimeControlWidget();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider, MQtUtil::findControl("timeControl1"));
    EXPECT_TRUE(mainWindow().isAncestorOf(slider));
}

TEST_F(GuiBridge, ColorSliderRoundTripsItsColour)
{
    QWidget* control = MayaUtil::CreateColorSliderGrp("nbSwatch", 24, 18);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->minimumWidth(), 24);
    EXPECT_EQ(control->maximumWidth(), 24);
    QWidget* slider = control->findChild<QWidget*>("slider");
    QWidget* port = control->findChild<QWidget*>("port");
    ASSERT_TRUE(slider && port);
    EXPECT_TRUE(slider->isHidden());
    EXPECT_EQ(port->maximumHeight(), 18);

    for (const QColor& colour : {QColor(255, 128, 0), QColor(1, 2, 254), QColor(0, 0, 0)}) {
        MayaUtil::SetColorSliderGrpColor("nbSwatch", colour);
        EXPECT_EQ(MayaUtil::GetColorSliderGrpColor("nbSwatch"), colour);
    }
    EXPECT_FALSE(MayaUtil::GetColorSliderGrpColor("noSuchSwatch").isValid());
}

} // namespace
