// Korvo's texts and Qt's own (its standard buttons, the command line parser's messages) in the user's
// language.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace korvo {

class Translations {
public:
    // Installs Korvo's translation for the first of `languages` (as QLocale::uiLanguages() gives them,
    // "de-DE") that Korvo is translated into, and Qt's own of the same language from `qtFolder`. English
    // or "C" first means none: the texts are written in English. An empty `qtFolder` is
    // qtTranslationsFolder(), asked only when a translation is found. Needs the application object; the
    // translations stay installed while this lives. Returns the language installed ("de"), or empty.
    QString install(const QStringList& languages, const QString& qtFolder = {});

    // Where Qt's own translations are: Debian's qt6-translations-l10n, or on Windows the folder
    // "translations" beside the program.
    static QString qtTranslationsFolder();

private:
    QTranslator Korvo;
    QTranslator Qt;
};

} // namespace korvo
