#include "commands/InterfacePanels.h"

InterfacePanels* InterfacePanels::installed = nullptr;

InterfacePanels::~InterfacePanels()
{
    if (installed == this)
        installed = nullptr;
}

InterfacePanels* InterfacePanels::Get()
{
    return installed;
}

void InterfacePanels::Install(InterfacePanels* panels)
{
    installed = panels;
}
