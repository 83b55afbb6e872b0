// Reading the desktop's font configuration is the slowest part of the first
// text layout. It needs no display and no Qt, so it can run while the
// application connects to the display and builds its window.
#pragma once

#include <thread>

namespace korvo {

class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

private:
    std::thread Worker;
};

} // namespace korvo
