#pragma once

#include <cstdint>

// The progress of reading or writing a document, shown by the host while a
// scene opens or saves (MProgressWindow; the host shows it only for work
// that lasts). Nothing shows without a user interface, or while another
// operation holds the display.
class LayerDataProgress
{
public:
    LayerDataProgress(const char* title, std::uint64_t total);
    ~LayerDataProgress();
    LayerDataProgress(const LayerDataProgress&) = delete;
    LayerDataProgress& operator=(const LayerDataProgress&) = delete;

    // `done` of the total so far.
    void Set(std::uint64_t done);

private:
    static const int STEPS = 1000;

    bool active;
    std::uint64_t total;
    int shown = 0;
};
