#include "app/FontWarmup.h"

#if defined(KORVO_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace korvo {

// Qt's font database loads the same configuration on first use; fontconfig
// keeps one per process and makes concurrent first loads safe.
FontWarmup::FontWarmup() {
#if defined(KORVO_FONTCONFIG)
    Worker = std::thread([] { FcInit(); });
#endif
}

FontWarmup::~FontWarmup() {
    if (Worker.joinable()) Worker.join();
}

} // namespace korvo
