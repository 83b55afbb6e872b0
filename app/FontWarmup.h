// Reading the desktop's font configuration and Qt's list of fonts are the
// slowest part of the first text layout. Neither draws anything, so both can
// run on a thread of their own while the application connects to the display
// and builds its window.
#pragma once

#include <thread>

namespace korvo {

class FontWarmup {
public:
    // Starts reading the font configuration; needs no display and no Qt.
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Once the application object exists: Qt's font list is filled in as well.
    void applicationMade();

private:
    std::thread Configuration, Database;
};

} // namespace korvo
