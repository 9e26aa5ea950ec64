#pragma once

namespace nbhost {

class Host;

// Registers the view commands at host start: paneLayout, modelPanel,
// lookThroughModelPanel and playblast. Like the other interface commands
// they exist in batch mode and fail there with a clear message.
class ViewCommands
{
public:
    static void registerAll(Host& host);
};

} // namespace nbhost
