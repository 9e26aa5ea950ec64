#pragma once

namespace nbhost {

class Host;

// Registers the interface commands at host start, in both modes: in batch
// mode they exist and fail with a clear message, as the real host's do.
class UiCommands
{
public:
    static void registerAll(Host& host);
};

} // namespace nbhost
