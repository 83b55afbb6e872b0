// The start-up sequence: adapters first, then the settings file (or the terms
// window), then the button captions; a failing step never stops it.
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"
#include "ui/Form3.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

class TestForm1Startup : public QObject {
    Q_OBJECT
private slots:
    void corruptFileAndNoServiceStillStart() {
        testing::TestEnvironment env;
        env.service->failConnect = true;
        {
            QFile file(QDir(env.folder.path()).filePath(QStringLiteral("Korvo.ini")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("too\r\nshort\r\n");
        }
        Form1 form(env.make());
        form.Start();
        QCOMPARE(env.messages, QStringList{"Woops|Error while reading the ini file, it may be corrupt."});
        QVERIFY(form.isVisible());
        QVERIFY(!form.TermsWindow());
        QCOMPARE(control<QPushButton>(form, "Command1")->text(), QStringLiteral("Network 1"));
        QCOMPARE(control<QPushButton>(form, "Command6")->text(), QStringLiteral("-"));
        QCOMPARE(control<QListWidget>(form, "List1")->count(), 0);
    }
};

QTEST_MAIN(TestForm1Startup)
#include "test_form1_startup.moc"
