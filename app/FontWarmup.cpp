#include "app/FontWarmup.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#if defined(KORVO_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace korvo {

namespace {

// What Qt names the font when the desktop names none (no desktop theme): a fontconfig alias.
constexpr char ToolkitDefaultFamily[] = "Sans Serif";

std::mutex LiveLock;
FontWarmup* Live = nullptr; // the one waiting for the application, if any

} // namespace

void FontWarmup::platformMade() {
    const std::lock_guard live(LiveLock);
    if (!Live) return;
    {
        const std::lock_guard lock(Live->Lock);
        Live->PlatformMade = true;
    }
    Live->Changed.notify_all();
}

} // namespace korvo

namespace {
// Start-up functions run inside the application's constructor, once Qt's platform (and so its
// font database) exists.
void notePlatformMade() {
    korvo::FontWarmup::platformMade();
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(notePlatformMade)

namespace korvo {

// Qt's font database loads the same configuration on first use; fontconfig
// keeps one per process and makes concurrent first loads safe.
FontWarmup::FontWarmup() {
#if defined(KORVO_FONTCONFIG)
    PlatformMade = QCoreApplication::instance() != nullptr;
    {
        const std::lock_guard live(LiveLock);
        Live = this;
    }
    Worker = std::thread([this] {
        FcInit();
        const QString alias = drawnFamily(ToolkitDefaultFamily);
        std::unique_lock lock(Lock);
        AliasFamily = alias;
        Configured = true;
        Changed.notify_all();
        // Qt's font list needs Qt's platform, which exists once the application runs its start-up
        // functions, a little before its constructor returns: the list is then read here while
        // the window thread finishes that and starts on the window.
        Changed.wait(lock, [this] { return PlatformMade || Abandoned; });
        if (Abandoned) return;
        lock.unlock();
        // Qt fills its font list once per process, under its own lock, whichever thread asks first.
        (void)QFontDatabase::families();
    });
#endif
}

FontWarmup::~FontWarmup() {
    finish();
}

void FontWarmup::finish() {
    {
        const std::lock_guard live(LiveLock);
        if (Live == this) Live = nullptr;
    }
    {
        const std::lock_guard lock(Lock);
        Abandoned = true;
    }
    Changed.notify_all();
    if (Worker.joinable()) Worker.join();
}

QString FontWarmup::drawnFamily(const QByteArray& family) {
    QString drawn;
#if defined(KORVO_FONTCONFIG)
    // The pattern Qt itself builds when it looks for a family it does not list.
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return drawn;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
            drawn = QString::fromUtf8(reinterpret_cast<const char*>(name));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
#else
    Q_UNUSED(family);
#endif
    return drawn;
}

void FontWarmup::applicationMade() {
#if defined(KORVO_FONTCONFIG)
    // Fontconfig does not wait for a load in progress: a second caller loads it all again and
    // throws one copy away, so nothing may ask it for fonts before the first load is done.
    QString alias;
    {
        std::unique_lock lock(Lock);
        Changed.wait(lock, [this] { return Configured; });
        alias = AliasFamily;
    }
    // Qt finds an alias's font by sorting every installed font, on the window thread, at the
    // first text; the family it would end up with is known already.
    QFont font = QGuiApplication::font();
    if (!alias.isEmpty() && font.family() == QLatin1String(ToolkitDefaultFamily)) {
        font.setFamily(alias);
        QGuiApplication::setFont(font);
    }
#endif
}

} // namespace korvo
