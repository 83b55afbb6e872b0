// Reading the desktop's font configuration and Qt's list of fonts are the
// slowest part of the first text layout. Neither draws anything, so both can
// run on a thread of their own while the application connects to the display
// and builds its window.
#pragma once

#include <QString>
#include <thread>

namespace korvo {

class FontWarmup {
public:
    // Starts reading the font configuration; needs no display and no Qt.
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Once the application object exists: the application font is named by the family an alias
    // stands for, and Qt's font list is filled in on the thread.
    void applicationMade();

    // The family fontconfig draws for FAMILY (itself for an installed family, the preferred one
    // for an alias such as "Sans Serif"); empty without fontconfig or a match.
    static QString drawnFamily(const QByteArray& family);

private:
    std::thread Configuration, Database;
    QString AliasFamily; // what the toolkit's own default family stands for
};

} // namespace korvo
