// Reading the desktop's font configuration and Qt's list of fonts are the
// slowest part of the first text layout. Neither draws anything, so both run
// on a thread of their own while the application connects to the display and
// builds its window.
#pragma once

#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace korvo {

class FontWarmup {
public:
    // Starts reading the font configuration; needs no display and no Qt. Made just before the
    // QApplication: Qt's font list follows on the same thread as soon as that exists.
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Once the application object exists: names the application font by the family an alias
    // stands for.
    void applicationMade();

    // Ends the thread (waiting for Qt's font list if it is being read): before the application object
    // goes, which the list needs while it is read.
    void finish();

    // The family fontconfig draws for FAMILY (itself for an installed family, the preferred one
    // for an alias such as "Sans Serif"); empty without fontconfig or a match.
    static QString drawnFamily(const QByteArray& family);

    // Called by the application's constructor (a start-up function) once Qt's platform exists.
    static void platformMade();

private:
    std::thread Worker;
    std::mutex Lock;
    std::condition_variable Changed;
    bool Configured = false;   // the configuration is read and AliasFamily known
    bool PlatformMade = false; // the application object has made Qt's platform
    bool Abandoned = false;    // going away before that
    QString AliasFamily;       // what the toolkit's own default family stands for
};

} // namespace korvo
