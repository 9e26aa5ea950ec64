#pragma once

class LayerManagerDialog;

// The plug-in's panels, each created on first request.
class DialogManager
{
public:
    // The layer panel; null while the host runs without a user interface
    // and, for now, always: the panel is not built yet.
    static LayerManagerDialog* GetLayerMangerDialog();
};
