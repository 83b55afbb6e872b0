#include "core/ResultTexts.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QtTest>

#include <atomic>

using namespace korvo;
using namespace korvo::testing;

namespace {

const QString Names = QStringLiteral(
    "IP Address\rSubnet Mask\rGateway   \rPrimary DNS \rSecondary DNS\rPrimary WINS \rSecondary WINS\r");

QString shown(QString text) {
    return text.replace(u'\r', u'\n');
}

// Lets a test look at the windows at the moment the service is first contacted.
class ProbeConnector : public platform::ServiceConnector {
public:
    std::shared_ptr<RecordingService> inner;
    std::function<void()> probe;
    std::unique_ptr<platform::Service> connect(platform::Purpose purpose) override {
        probe();
        return inner->connect(purpose);
    }
};

// Records what Form4's Label2 showed each time it was really painted.
class PaintRecorder : public QObject {
public:
    QStringList painted;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (event->type() == QEvent::Paint && label && label->objectName() == QLatin1String("Label2") &&
            label->window()->objectName() == QLatin1String("Form4"))
            painted << label->text();
        return false;
    }
};

} // namespace

class TestForm4 : public QObject {
    Q_OBJECT
private slots:
    // The service's calls run off the window thread: while one waits, the working state is painted.
    void workingStateIsPaintedWhileTheServiceWorks() {
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        auto probe = std::make_shared<ProbeConnector>();
        probe->inner = env.service;
        Environment made = env.make();
        made.connector = probe;
        Form1 form(std::move(made));
        form.show();
        chooseAdapter(form, 0, QStringLiteral("eth0"));
        PaintRecorder recorder;
        qApp->installEventFilter(&recorder);
        std::atomic<bool> called = false, released = false;
        probe->probe = [&] {
            called = true;
            for (int i = 0; i < 1000 && !released; ++i)
                QThread::msleep(10);
        };
        QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(called);
        QTRY_COMPARE(recorder.painted.value(0), QStringLiteral("Please wait a moment..."));
        Form4* w = Form1Probe::applyingWindow(form);
        QVERIFY(w && w->isVisible() && !w->isEnabled() && !form.isEnabled());
        QVERIFY(!w->parentWidget());
        // A window of its own (its own taskbar entry on Windows): the main window's transient on
        // Wayland alone, which would otherwise place it behind the main window.
        QVERIFY(w->windowHandle());
        QCOMPARE(w->windowHandle()->transientParent() != nullptr,
                 QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
        QCOMPARE(control<PictureBox>(*w, "Picture1")->picture().size(), QSize(200, 178));
        QVERIFY(control<PictureBox>(*w, "Picture1")->isHidden() &&
                control<PictureBox>(*w, "Picture2")->isHidden());
        QCOMPARE(w->windowTitle(), QStringLiteral("Applying Configuration"));
        QVERIFY(control<QLabel>(*w, "Label1")->isVisible() && control<QLabel>(*w, "Label2")->isVisible() &&
                !control<QPushButton>(*w, "Command1")->isVisible());
        QCOMPARE(control<QLabel>(*w, "Label1")->text(),
                 QStringLiteral("This configuration is being applied."));
        QVERIFY(control<QLabel>(*w, "Label3")->text().isEmpty() &&
                control<PictureBox>(*w, "Picture3")->picture().isNull());
        released = true;
        QCOMPARE(awaitOutcome(form)->windowTitle(), QStringLiteral("Configuration Applied"));
        qApp->removeEventFilter(&recorder);
    }

    void outcomes_data() {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("label4");
        QTest::addColumn<bool>("tick");
        const QString values = "\r192.0.2.10\r255.255.255.0\r192.0.2.1\r198.51.100.1\r\r\r\r";
        QTest::newRow("applied") << "192.0.2.10"
                                 << "Configuration Applied"
                                 << "The IP configuration for the following interface has been changed \r\r"
                                    "-Wired connection 1-\r\r" +
                                        Names + " "
                                 << values << true;
        QTest::newRow("invalid")
            << " 192.0.2.255"
            << "Configuration Error!"
            << "Please Check these details and fix the problem\r\r-Wired connection 1-\r\r" + Names +
                   "\rA valid IP address is required\r"
            << "\r 192.0.2.255\r255.255.255.0\r192.0.2.1\r198.51.100.1\r\r\r\r" << false;
        QTest::newRow("service error")
            << "192.0.2.11"
            << "Error Applying Configuration"
            << "\r\r\rThere has been an error and the IP settings could not be changed.\r\r"
               "The address was refused (code 66: invalid subnet mask)."
            << "" << false;
    }
    void outcomes() {
        QFETCH(QString, ip);
        QFETCH(QString, caption);
        QFETCH(QString, label3);
        QFETCH(QString, label4);
        QFETCH(bool, tick);
        TestEnvironment env;
        env.service->adapters.push_back(
            {"Wired connection 1", {{"EnableStatic", ip.endsWith("11") ? 66 : 0}}, {}});
        Form1 form(env.make());
        form.show();
        fillTab(form, 3, {ip, "255.255.255.0", "192.0.2.1", "198.51.100.1"});
        chooseAdapter(form, 3, QStringLiteral("Wired connection 1"));
        QTest::mouseClick(control<QPushButton>(form, "Command4"), Qt::LeftButton);

        Form4* w = awaitOutcome(form);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(resultText(w->outcome()), label3);
        QCOMPARE(control<QLabel>(*w, "Label3")->text(), shown(label3));
        QVERIFY(control<QLabel>(*w, "Label3")->isVisible());
        QCOMPARE(control<QLabel>(*w, "Label4")->text(), shown(label4));
        QCOMPARE(control<QLabel>(*w, "Label4")->isVisible(), !label4.isEmpty());
        // Each value level with its name, every line whole: test_form1_layout, in every language.
        if (!label4.isEmpty()) QCOMPARE(resultValues(w->outcome()), label4);
        QVERIFY(!control<QLabel>(*w, "Label1")->isVisible() && !control<QLabel>(*w, "Label2")->isVisible());
        if (tick)
            QVERIFY(control<QLabel>(*w, "Label1")->text().isEmpty() &&
                    control<QLabel>(*w, "Label2")->text().isEmpty());
        QCOMPARE(control<PictureBox>(*w, "Picture3")->picture().cacheKey(),
                 control<PictureBox>(*w, tick ? "Picture1" : "Picture2")->picture().cacheKey());
        QVERIFY(w->isEnabled() && control<QPushButton>(*w, "Command1")->isVisible() && !form.isEnabled());
        // A screen reader hears each value with its name, and the keyboard dismisses the window at once.
        if (!label4.isEmpty())
            QVERIFY2(
                w->accessibleDescription().contains("\nIP Address: " + ip.trimmed() +
                                                    "\nSubnet Mask: 255.255.255.0\nGateway: 192.0.2.1\n"),
                qPrintable(w->accessibleDescription()));
        QCOMPARE(control<QLabel>(*w, "Label3")->accessibleName(), w->accessibleDescription());
        QCOMPARE(w->focusWidget(), control<QPushButton>(*w, "Command1"));
    }

    // The keyboard goes back to the button that started the apply, after "Ok" and after the close box.
    void okHidesAndCloseUnloads() {
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        Form1 form(env.make());
        form.show();
        chooseAdapter(form, 0, QStringLiteral("eth0"));
        chooseAdapter(form, 2, QStringLiteral("eth0"));
        QTest::mouseClick(control<QPushButton>(form, "Command3"), Qt::LeftButton);
        QPointer<Form4> first = awaitOutcome(form);
        QTest::mouseClick(control<QPushButton>(*first, "Command1"), Qt::LeftButton);
        QVERIFY(first && !first->isVisible());
        QVERIFY(form.isEnabled());
        QTRY_VERIFY(form.isActiveWindow());
        QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>(form, "Command3"));

        QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
        QCOMPARE(awaitOutcome(form), first.data()); // hidden, not unloaded
        first->setEnabled(false);
        QVERIFY(!first->close()); // a disabled window ignores its close box
        first->setEnabled(true);
        QVERIFY(first->close());
        QVERIFY(form.isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>(form, "Command1"));
        // The next apply makes a new window even before the closed one is deleted.
        control<QLineEdit>(form, "Text1")->setText(QStringLiteral("x"));
        QTest::mouseClick(control<QPushButton>(form, "Command1"), Qt::LeftButton);
        QVERIFY(awaitOutcome(form));
        QVERIFY(Form1Probe::applyingWindow(form) != first.data());
        QCOMPARE(Form1Probe::applyingWindow(form)->windowTitle(), QStringLiteral("Configuration Error!"));
        QTRY_VERIFY(!first);
    }

    // The keyboard as Windows has it: Return or Enter presses the focused button as Space does; once
    // "Ok" is shown, Return, Enter and Escape close the applying window, on "Ok" or anywhere in it.
    void keysPressButtonsAndCloseTheOutcome_data() {
        QTest::addColumn<int>("press"); // on the focused apply button
        QTest::addColumn<int>("close"); // on the outcome
        QTest::addColumn<bool>("onOk"); // else on the window, "Ok" without the focus
        QTest::newRow("Return, Return on Ok") << int(Qt::Key_Return) << int(Qt::Key_Return) << true;
        QTest::newRow("Enter, Enter") << int(Qt::Key_Enter) << int(Qt::Key_Enter) << false;
        QTest::newRow("Space, Escape on Ok") << int(Qt::Key_Space) << int(Qt::Key_Escape) << true;
        QTest::newRow("Return, Escape") << int(Qt::Key_Return) << int(Qt::Key_Escape) << false;
    }
    void keysPressButtonsAndCloseTheOutcome() {
        QFETCH(int, press);
        QFETCH(int, close);
        QFETCH(bool, onOk);
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        Form1 form(env.make());
        form.show();
        chooseAdapter(form, 2, QStringLiteral("eth0"));
        auto* button = control<QPushButton>(form, "Command3");
        // With a modifier the key is not the button's.
        QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
        QTest::qWait(200);
        QVERIFY(!Form1Probe::applyingWindow(form));

        QTest::keyClick(button, Qt::Key(press));
        QTRY_VERIFY(Form1Probe::applyingWindow(form));
        Form4* w = awaitOutcome(form);
        QVERIFY(w->isVisible() && control<QPushButton>(*w, "Command1")->isVisible());
        QTest::keyClick(onOk ? static_cast<QWidget*>(control<QPushButton>(*w, "Command1")) : w,
                        Qt::Key(close));
        QTRY_VERIFY(!w->isVisible());
        QVERIFY(form.isEnabled());
    }

    // Seven messages grow the window; a later short report is shown as the first one was again.
    void longReportGrowsTheWindowAndShortOneShrinksIt() {
        TestEnvironment env;
        env.service->adapters.push_back({"eth0", {}, {}});
        Form1 form(env.make());
        form.show();
        chooseAdapter(form, 4, QStringLiteral("eth0"));
        const auto apply = [&](const QStringList& boxes) {
            fillTab(form, 4, boxes);
            QTest::mouseClick(control<QPushButton>(form, "Command5"), Qt::LeftButton);
            return awaitOutcome(form);
        };
        const auto places = [](Form4* w) {
            return QList<QRect>{w->rect(), control<QLabel>(*w, "Label3")->geometry(),
                                control<PictureBox>(*w, "Picture3")->geometry(),
                                control<QPushButton>(*w, "Command1")->geometry()};
        };
        const QStringList valid{"192.0.2.10", "255.255.255.0", "", "", "", "", ""};
        Form4* w = apply(valid);
        QCOMPARE(w->windowTitle(), QStringLiteral("Configuration Applied"));
        const QList<QRect> shortReport = places(w);
        QCOMPARE(w->height(), 264);
        QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);

        apply({"x", "x", "x", "x", "x", "x", "x"});
        QCOMPARE(w->windowTitle(), QStringLiteral("Configuration Error!"));
        QCOMPARE(resultText(w->outcome()).count(QStringLiteral("required")), 7);
        // Every line inside the grown window (test_form1_layout checks that in every language); the
        // button below the text.
        QVERIFY(w->height() > shortReport[0].height());
        QVERIFY(control<QPushButton>(*w, "Command1")->y() >
                control<QLabel>(*w, "Label3")->y() + control<QLabel>(*w, "Label3")->sizeHint().height());
        QTest::mouseClick(control<QPushButton>(*w, "Command1"), Qt::LeftButton);

        apply(valid);
        QCOMPARE(places(w), shortReport);
    }
};

QTEST_MAIN(TestForm4)
#include "test_form4.moc"
