#pragma once

namespace nbhost {

class Host;

// Hooks the scene into the host's start and quit: the scene commands are
// registered with the host's command registry, the scene is reset to the
// default new scene when the host starts and emptied when it quits.
class SceneStartup
{
public:
    static void registerCommands(Host& host);
    static void buildScene(Host& host);
    static void clearScene(Host& host);
};

} // namespace nbhost
