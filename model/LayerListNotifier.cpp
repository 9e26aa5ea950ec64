#include "model/LayerListNotifier.h"

LayerListNotifier* LayerListNotifier::Instance()
{
    static LayerListNotifier notifier;
    return &notifier;
}
