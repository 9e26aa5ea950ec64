#pragma once

class QApplication;

namespace nbhost {

// The host's dark look: plug-in panels draw their icons light on dark, as
// they do in the real host, so nbhost's window uses the same palette.
class HostTheme
{
public:
    static void apply(QApplication& application);
};

} // namespace nbhost
