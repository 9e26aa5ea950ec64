#pragma once

namespace nbhost {

class Host;

// Hooks scene files into the host: the `file` command is registered, and
// each host starts with an untitled, unmodified scene whose undo and redo
// count as changes.
class FilesStartup
{
public:
    static void registerCommands(Host& host);
    static void startUntitled(Host& host);
};

} // namespace nbhost
