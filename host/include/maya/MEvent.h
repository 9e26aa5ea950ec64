#pragma once
// A mouse event in a view, as tool contexts receive it: the position in
// view coordinates (origin at the bottom left), the button and the
// modifier keys.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

namespace nbhost {
class ToolInput;
}

class OPENMAYAUI_EXPORT MEvent
{
public:
    enum MouseButtonType
    {
        kLeftMouse = 1 << 6,
        kMiddleMouse = 1 << 7
    };

    enum ModifierType
    {
        shiftKey = 1 << 0,
        controlKey = 1 << 2
    };

    MEvent();
    virtual ~MEvent();

    MStatus getPosition(short& x_pos, short& y_pos) const;
    MStatus setPosition(short& x_pos, short& y_pos);
    // The position in the view's window, origin at the top left.
    MStatus getWindowPosition(short& x_pos, short& y_pos) const;
    MouseButtonType mouseButton(MStatus* ReturnStatus = nullptr) const;
    bool isMouseButtonPressed(MouseButtonType mouseButtonType, MStatus* ReturnStatus = nullptr) const;

    ModifierType modifiers(MStatus* ReturnStatus = nullptr) const;
    MStatus setModifiers(ModifierType& modType);
    bool isModifierKeyRelease(MStatus* ReturnStatus = nullptr) const;
    bool isModifierNone(MStatus* ReturnStatus = nullptr) const;
    bool isModifierShift(MStatus* ReturnStatus = nullptr) const;
    bool isModifierControl(MStatus* ReturnStatus = nullptr) const;
    bool isModifierLeftMouseButton(MStatus* ReturnStatus = nullptr) const;
    bool isModifierMiddleMouseButton(MStatus* ReturnStatus = nullptr) const;

private:
    friend class nbhost::ToolInput;

    short fX = 0;
    short fY = 0;
    short fWindowX = 0;
    short fWindowY = 0;
    int fButton = kLeftMouse;
    int fButtonsHeld = 0;
    int fModifiers = 0;
    bool fModifierRelease = false;
};
