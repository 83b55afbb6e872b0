// Every sentence Korvo says reaches German, French and Spanish users in their language: the
// translation files leave nothing unfinished, and the sentences the NetworkManager backend, the
// rollback and an ending say, which used to stay English inside translated reports, are translated.
#include "ui/Translations.h"

#include <QFile>
#include <QtTest>

using namespace korvo;

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void nothingUnfinished_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void nothingUnfinished() {
        QFETCH(QString, language);
        QFile ts(QStringLiteral(KORVO_SOURCE_DIR "/translations/korvo_%1.ts").arg(language));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray all = ts.readAll();
        QCOMPARE(all.count("type=\"unfinished\""), 0);
    }

    void backendSentencesTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("english");
        const char* const sentences[][2] = {
            {"korvo::NetworkManager", "its time was up: NetworkManager had already rolled it back"},
            {"korvo::NetworkManager", "NetworkManager refused CheckpointCreate%1 (%2: %3)"},
            {"korvo::NetworkManager", "Putting them into effect was refused: %1"},
            {"korvo::NetworkManager", "NetworkManager refused %1: %2"},
            {"korvo::NetworkManager", "NetworkManager could not restore %1"},
            {"korvo::NetworkManager", "cannot connect to the system bus: %1"},
            {"Rollback", "the service does not say what %1 has now, so it could not be put back"},
            {"ResultTexts", "no network configuration service is available on this system"},
            {"korvo::ApplyRun", "Korvo: the apply under way has finished; ending now. The outcome:"},
        };
        for (const char* language : {"de", "fr", "es"})
            for (const auto& [context, english] : sentences)
                QTest::addRow("%s %s", language, english)
                    << QString::fromLatin1(language) << QString::fromLatin1(context)
                    << QString::fromUtf8(english);
    }
    void backendSentencesTranslated() {
        QFETCH(QString, language);
        QFETCH(QString, context);
        QFETCH(QString, english);
        Translations translations;
        QCOMPARE(translations.install({language}, QString()), language);
        const QString said =
            QCoreApplication::translate(context.toUtf8().constData(), english.toUtf8().constData());
        QVERIFY2(said != english, qPrintable(said));
        // The placeholders survive the translation.
        for (const char* marker : {"%1", "%2", "%3"})
            QCOMPARE(said.contains(QLatin1String(marker)), english.contains(QLatin1String(marker)));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
