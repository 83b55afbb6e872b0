#include "app/FontWarmup.h"

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

} // namespace

// Qt's font database loads the same configuration on first use; fontconfig
// keeps one per process and makes concurrent first loads safe.
FontWarmup::FontWarmup() {
#if defined(KORVO_FONTCONFIG)
    Configuration = std::thread([this] {
        FcInit();
        AliasFamily = drawnFamily(ToolkitDefaultFamily);
    });
#endif
}

FontWarmup::~FontWarmup() {
    for (std::thread* worker : {&Database, &Configuration})
        if (worker->joinable()) worker->join();
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

// Qt fills its font list once per process, under its own lock, whichever thread asks first.
void FontWarmup::applicationMade() {
#if defined(KORVO_FONTCONFIG)
    // Fontconfig does not wait for a load in progress: a second caller loads it all again and
    // throws one copy away, so nothing may ask it for fonts before the first load is done.
    if (Configuration.joinable()) Configuration.join();
    // Qt finds an alias's font by sorting every installed font, on the window thread, at the
    // first text; the family it would end up with is known already.
    QFont font = QGuiApplication::font();
    if (!AliasFamily.isEmpty() && font.family() == QLatin1String(ToolkitDefaultFamily)) {
        font.setFamily(AliasFamily);
        QGuiApplication::setFont(font);
    }
    Database = std::thread([] { (void)QFontDatabase::families(); });
#endif
}

} // namespace korvo
