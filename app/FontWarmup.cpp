#include "app/FontWarmup.h"

#include <QFontDatabase>
#include <QStringList>

#if defined(KORVO_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace korvo {

// Qt's font database loads the same configuration on first use; fontconfig
// keeps one per process and makes concurrent first loads safe.
FontWarmup::FontWarmup() {
#if defined(KORVO_FONTCONFIG)
    Configuration = std::thread([] { FcInit(); });
#endif
}

FontWarmup::~FontWarmup() {
    for (std::thread* worker : {&Database, &Configuration})
        if (worker->joinable()) worker->join();
}

// Qt fills its font list once per process, under its own lock, whichever thread asks first.
void FontWarmup::applicationMade() {
#if defined(KORVO_FONTCONFIG)
    // Fontconfig does not wait for a load in progress: a second caller loads it all again and
    // throws one copy away, so nothing may ask it for fonts before the first load is done.
    if (Configuration.joinable()) Configuration.join();
    Database = std::thread([] { (void)QFontDatabase::families(); });
#endif
}

} // namespace korvo
