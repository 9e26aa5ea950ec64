#include <maya/MEvent.h>

#include "scene/ReturnStatus.h"

using nbhost::setReturnStatus;

MEvent::MEvent() = default;
MEvent::~MEvent() = default;

MStatus MEvent::getPosition(short& x_pos, short& y_pos) const
{
    x_pos = fX;
    y_pos = fY;
    return MStatus::kSuccess;
}

MStatus MEvent::setPosition(short& x_pos, short& y_pos)
{
    fX = x_pos;
    fY = y_pos;
    return MStatus::kSuccess;
}

MStatus MEvent::getWindowPosition(short& x_pos, short& y_pos) const
{
    x_pos = fWindowX;
    y_pos = fWindowY;
    return MStatus::kSuccess;
}

MEvent::MouseButtonType MEvent::mouseButton(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<MouseButtonType>(fButton);
}

bool MEvent::isMouseButtonPressed(MouseButtonType mouseButtonType, MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return (fButtonsHeld & mouseButtonType) != 0;
}

MEvent::ModifierType MEvent::modifiers(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<ModifierType>(fModifiers);
}

MStatus MEvent::setModifiers(ModifierType& modType)
{
    fModifiers = modType;
    return MStatus::kSuccess;
}

bool MEvent::isModifierKeyRelease(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return fModifierRelease;
}

bool MEvent::isModifierNone(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return fModifiers == 0;
}

bool MEvent::isModifierShift(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return (fModifiers & shiftKey) != 0;
}

bool MEvent::isModifierControl(MStatus* ReturnStatus) const
{
    setReturnStatus(ReturnStatus, MStatus::kSuccess);
    return (fModifiers & controlKey) != 0;
}

bool MEvent::isModifierLeftMouseButton(MStatus* ReturnStatus) const
{
    return isMouseButtonPressed(kLeftMouse, ReturnStatus);
}

bool MEvent::isModifierMiddleMouseButton(MStatus* ReturnStatus) const
{
    return isMouseButtonPressed(kMiddleMouse, ReturnStatus);
}
