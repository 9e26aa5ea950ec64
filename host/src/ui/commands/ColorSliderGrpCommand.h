#pragma once

#include "ui/commands/UiCommand.h"

namespace nbhost {

class ColorSliderGroup;

// `colorSliderGrp`: makes a colour slider group in the current parent
// layout (or the -parent one; with neither it waits, unparented, for a
// panel to adopt it), and queries or edits one: -rgbValue, -label,
// -changeCommand, -columnWidth3, -exists.
class ColorSliderGrpCommand : public UiCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    static void apply(const MArgDatabase& db, ColorSliderGroup& group);
    MStatus create(const MArgDatabase& db);
};

} // namespace nbhost
