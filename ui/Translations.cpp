#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace korvo {

QString Translations::install(const QStringList& languages, const QString& qtFolder) {
    for (const QString& language : languages) {
        // Nothing to load for the texts' own language: start-up pays nothing for it.
        if (language == QLatin1String("C") || language == QLatin1String("en") ||
            language.startsWith(QLatin1String("en-")) || language.startsWith(QLatin1String("en_")))
            return {};
        QString name = language;
        name.replace(u'-', u'_');
        // ":/i18n/korvo_de_DE.qm" falls back to korvo_de.qm by itself.
        if (!Korvo.load(QStringLiteral("korvo_") + name, QStringLiteral(":/i18n"))) continue;
        QCoreApplication::installTranslator(&Korvo);
        // Qt's own are optional: without them its standard buttons stay English.
        if (Qt.load(QStringLiteral("qtbase_") + name, qtFolder.isEmpty() ? qtTranslationsFolder() : qtFolder))
            QCoreApplication::installTranslator(&Qt);
        return Korvo.language();
    }
    return {};
}

QString Translations::qtTranslationsFolder() {
#ifdef Q_OS_WIN
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace korvo
