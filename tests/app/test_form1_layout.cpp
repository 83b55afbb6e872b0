#include "app/Form1.h"
#include "tests/support/TestEnvironment.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace korvo;

class TestForm1Layout : public QObject {
    Q_OBJECT
private slots:
    void captionAndSize() {
        testing::TestEnvironment env;
        Form1 form(env.make());
        QCOMPARE(form.windowTitle(), QStringLiteral("Korvo  Version 2.0"));
        QCOMPARE(form.size(), QSize(745, 399));
    }
};

QTEST_MAIN(TestForm1Layout)
#include "test_form1_layout.moc"
