#include "viewport/ViewInput.h"

namespace nbhost {

namespace {
ViewInput* g_handler = nullptr;
}

void ViewInput::install(ViewInput* handler) { g_handler = handler; }
ViewInput* ViewInput::current() { return g_handler; }

} // namespace nbhost
