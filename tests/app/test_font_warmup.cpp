// Start-up names the application font by the family fontconfig draws for an alias before Qt
// has looked; that must be the family Qt itself would have drawn, or the window changes face.
#include "app/FontWarmup.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

class TestFontWarmup : public QObject {
    Q_OBJECT
private slots:
    void sameFamilyAsQt_data() {
        QTest::addColumn<QString>("family");
        for (const char* family :
             {"Sans Serif", "Serif", "Monospace", "sans-serif", "DejaVu Sans", "No Such Family Anywhere"})
            QTest::newRow(family) << QString::fromLatin1(family);
    }
    void sameFamilyAsQt() {
        QFETCH(QString, family);
        QCOMPARE(korvo::FontWarmup::drawnFamily(family.toUtf8()), QFontInfo(QFont(family)).family());
    }
    // The whole round as start-up makes it: the alias named by its family, the thread done with.
    void applicationFontNamed() {
        const QFont before = QGuiApplication::font();
        QGuiApplication::setFont(QFont(QStringLiteral("Sans Serif")));
        {
            korvo::FontWarmup warmup;
            warmup.applicationMade();
            QCOMPARE(QGuiApplication::font().family(), korvo::FontWarmup::drawnFamily("Sans Serif"));
        }
        QGuiApplication::setFont(before);
    }
};

QTEST_MAIN(TestFontWarmup)
#include "test_font_warmup.moc"
