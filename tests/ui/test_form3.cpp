#include "core/SettingsLines.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

QString settingsPath(const testing::TestEnvironment& env) {
    return env.folder.filePath(QStringLiteral("Korvo.ini"));
}

void click(Form3& terms, char event) {
    switch (event) {
    case 'a':
        QTest::mouseClick(control<QCheckBox>(terms, "Check1"), Qt::LeftButton);
        break;
    case 'd':
        QTest::mouseClick(control<QCheckBox>(terms, "Check2"), Qt::LeftButton);
        break;
    case 'A':
        QTest::mouseClick(control<QLabel>(terms, "Label3"), Qt::LeftButton);
        break;
    case 'D':
        QTest::mouseClick(control<QLabel>(terms, "Label4"), Qt::LeftButton);
        break;
    }
}

// A first start (no settings file) with `events` already clicked in the terms window.
struct FirstStart {
    testing::TestEnvironment env;
    Form1 form{env.make()};
    Form3* terms = nullptr;

    explicit FirstStart(const QString& events = QString()) {
        form.Start();
        terms = form.TermsWindow();
        for (QChar e : events)
            click(*terms, e.toLatin1());
    }
};

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    // Start-up still lists the adapters and sets the captions behind the terms window.
    void firstStartShowsOnlyTheTerms() {
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}};
        Form1 form(env.make());
        form.Start();
        Form3* terms = form.TermsWindow();
        QVERIFY(terms);
        QVERIFY(terms->isVisible());
        QVERIFY(!form.isVisible());
        QCOMPARE(control<QListWidget>(form, "List1")->count(), 1);
        QCOMPARE(control<QPushButton>(form, "Command2")->text(), QStringLiteral("-"));
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(terms->windowTitle(), "Korvo EULA");
        QVERIFY(!control<QCheckBox>(*terms, "Check1")->isChecked() &&
                !control<QCheckBox>(*terms, "Check2")->isChecked());
        QCOMPARE(terms->focusWidget(), static_cast<QWidget*>(control<QTextEdit>(*terms, "Text1")));
        QVERIFY(!QFile::exists(settingsPath(env)));

        const QString text = agreementText();
        QVERIFY(text.size() > 4000 && text.size() < 6000);
        QVERIFY(text.contains(QStringLiteral(".\r\n")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }

    // a/d: the accept/decline box; A/D: the accept/decline sentence. Result: which box is ticked.
    void choices_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("accept box") << "a"
                                    << "accept";
        QTest::newRow("accept box twice clears it") << "aa"
                                                    << "none";
        QTest::newRow("accept then decline box") << "ad"
                                                 << "decline";
        QTest::newRow("decline then accept box") << "da"
                                                 << "accept";
        QTest::newRow("decline box twice clears it") << "dd"
                                                     << "none";
        QTest::newRow("accept sentence twice") << "AA"
                                               << "accept";
        QTest::newRow("decline sentence over accept") << "aD"
                                                      << "decline";
        QTest::newRow("accept sentence over decline") << "dA"
                                                      << "accept";
        QTest::newRow("decline sentence twice") << "DD"
                                                << "decline";
    }
    void choices() {
        QFETCH(QString, events);
        QFETCH(QString, ticked);
        FirstStart start(events);
        QCOMPARE(control<QCheckBox>(*start.terms, "Check1")->isChecked(), ticked == "accept");
        QCOMPARE(control<QCheckBox>(*start.terms, "Check2")->isChecked(), ticked == "decline");
    }

    void continueWithoutChoiceDoesNothing() {
        FirstStart start;
        QTest::mouseClick(control<QPushButton>(*start.terms, "Command1"), Qt::LeftButton);
        QVERIFY(start.terms->isVisible());
        QVERIFY(!start.form.isVisible());
        QCOMPARE(start.env.terminations, 0);
    }

    void acceptSavesAndOpensTheMainWindow() {
        testing::TestEnvironment env;
        {
            Form1 form(env.make());
            form.Start();
            Form3& terms = *form.TermsWindow();
            click(terms, 'A');
            QTest::mouseClick(control<QPushButton>(terms, "Command1"), Qt::LeftButton);
            QVERIFY(!terms.isVisible());
            QVERIFY(form.isVisible() && form.isEnabled());
            QVERIFY(control<QCheckBox>(form, "Check1")->isChecked());
            QCOMPARE(env.terminations, 0);
        }
        QFile file(settingsPath(env));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = decodeSettingsFile(file.readAll()).lines;
        QCOMPARE(lines.value(39), "1");

        Form1 next(env.make());
        next.Start();
        QVERIFY(!next.TermsWindow());
        QVERIFY(next.isVisible());
        QVERIFY(control<QCheckBox>(next, "Check1")->isChecked());
        QVERIFY(env.messages.isEmpty());
    }

    void declineOrCloseEndsWithoutSaving_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<bool>("close");
        QTest::newRow("decline, continue") << "ad" << false;
        QTest::newRow("decline sentence, continue") << "D" << false;
        QTest::newRow("close after accepting") << "a" << true;
        QTest::newRow("close untouched") << "" << true;
    }
    void declineOrCloseEndsWithoutSaving() {
        QFETCH(QString, events);
        QFETCH(bool, close);
        FirstStart start(events);
        if (close)
            start.terms->close();
        else
            QTest::mouseClick(control<QPushButton>(*start.terms, "Command1"), Qt::LeftButton);
        QCOMPARE(start.env.terminations, 1);
        QVERIFY(!control<QCheckBox>(start.form, "Check1")->isChecked());
        QVERIFY(!start.form.isVisible());
        QVERIFY(!QFile::exists(settingsPath(start.env)));
    }
};

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
