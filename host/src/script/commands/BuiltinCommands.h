#pragma once

namespace nbhost {

class CommandRegistry;

// The host's own script commands, registered at host start.
class BuiltinCommands
{
public:
    static void registerAll(CommandRegistry& registry);
};

} // namespace nbhost
