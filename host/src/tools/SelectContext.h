#pragma once

#include <maya/MPxContext.h>

namespace nbhost {

// The host's default tool ("selectSuperContext"): a left click selects the
// visible object (a camera, a locator, any transform) whose origin is
// nearest the click within a few pixels, with Shift toggles it, and a
// click on nothing clears the selection. Selections are undo steps, as the
// `select` command makes them.
class SelectContext : public MPxContext
{
public:
    static constexpr double kPickRadius = 10.0;

    SelectContext();
    MStatus doPress(MEvent& event) override;
    void getClassName(MString& name) const override;
};

} // namespace nbhost
