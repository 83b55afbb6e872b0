// Listing the adapters at start-up and putting saved adapters back, against the recording fake.
#include "core/ResultTexts.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "tests/ui/ApplyHarness.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QListWidget>
#include <QtTest>
#include <algorithm>

using namespace korvo;
using namespace korvo::testing;

namespace {

QStringList selected(const QListWidget* list) {
    QStringList out;
    for (const QListWidgetItem* item : list->selectedItems())
        out << QStringLiteral("%1:%2").arg(list->row(item)).arg(item->text());
    return out;
}

std::vector<std::string> expectedCalls() {
    return {"connect list", "list adapters"};
}

// Settings that open the main window rather than the terms window.
StoredSettings accepted() {
    StoredSettings s;
    s.TermsAccepted = true;
    return s;
}

// Start-up with `lines` as the settings file: the listing, then the saved adapters put back.
bool load(testing::TestEnvironment& env, Form1& form, const QStringList& lines) {
    if (!writeSettingsFile(env.folder.filePath("Korvo.ini"), lines).isEmpty()) return false;
    form.Form_Load();
    return env.messages.isEmpty() && !form.TermsWindow();
}

} // namespace

class TestForm1Adapters : public QObject {
    Q_OBJECT
private slots:
    void threeAdaptersFillEveryList() {
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        Form1 form(env.make());
        Form1Probe::enumerateAdapters(form);

        QCOMPARE(env.service->calls, expectedCalls()); // one connection, one listing for all seven lists
        for (int t = 0; t < TabCount; ++t) {
            QCOMPARE(testing::listTexts(tabControls(form, t).Adapters), (QStringList{"A", "B", "C"}));
            QVERIFY(tabControls(form, t).Adapters->selectedItems().isEmpty());
            QCOMPARE(tabAdapterCaption(form, t), QString());
        }
    }

    void serviceDown_data() {
        QTest::addColumn<bool>("failConnect");
        QTest::addColumn<bool>("failListing");
        QTest::newRow("connection refused") << true << false;
        QTest::newRow("listing fails") << false << true;
    }
    // The saved adapter survives a service that is down: shown, selected, and the button
    // reports the service's failure instead of asking for an adapter.
    void serviceDown() {
        QFETCH(bool, failConnect);
        QFETCH(bool, failListing);
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}};
        env.service->failConnect = failConnect;
        env.service->failListing = failListing;
        StoredSettings s = accepted();
        s.Profiles[0] = {"192.0.2.10", "255.255.255.0", {}, {}, {}, {}, {}, "Network 1", "B"};
        Form1 form(env.make());
        QVERIFY(load(env, form, settingsLines(s)));

        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List1")), QStringList{"B"});
        QCOMPARE(selected(control<QListWidget>(form, "List1")), QStringList{"0:B"});
        QCOMPARE(tabAdapterCaption(form, 0), QStringLiteral("B"));
        for (int t = 1; t < TabCount; ++t)
            QCOMPARE(tabControls(form, t).Adapters->count(), 0);

        control<QPushButton>(form, "Command1")->click();
        QVERIFY(env.messages.isEmpty());
        QVERIFY(resultText(awaitOutcome(form)->outcome())
                    .contains(QStringLiteral("The network configuration service failed: ")));
    }

    void restoreWithoutAdapters() {
        testing::TestEnvironment env;
        StoredSettings s = accepted();
        s.DhcpAdapterCaption = QStringLiteral("B");
        Form1 form(env.make());
        QVERIFY(load(env, form, settingsLines(s)));

        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List7")), QStringList{"B"});
        QCOMPARE(selected(control<QListWidget>(form, "List7")), QStringList{"0:B"});
        QCOMPARE(tabAdapterCaption(form, DhcpTab), QStringLiteral("B"));
        for (int t = 0; t < DhcpTab; ++t)
            QCOMPARE(tabControls(form, t).Adapters->count(), 0);
    }

    // Loading can restore twice into List1 (line 128 "1" makes line 127 profile 1's adapter):
    // the second caption replaces the first.
    void restoreTwiceIntoList1_data() {
        QTest::addColumn<QString>("repeated"); // line 127, used; empty: not used
        QTest::addColumn<QStringList>("list1");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("once") << QString() << QStringList{"A", "B", "C", "B"} << "B";
        QTest::newRow("twice") << "D" << QStringList{"A", "B", "C", "D"} << "D";
    }
    void restoreTwiceIntoList1() {
        QFETCH(QString, repeated);
        QFETCH(QStringList, list1);
        QFETCH(QString, chosen);
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        StoredSettings s = accepted();
        s.Profiles[0].AdapterCaption = QStringLiteral("B");
        QStringList lines = settingsLines(s);
        if (!repeated.isEmpty()) {
            lines[126] = repeated;
            lines[127] = QStringLiteral("1");
        }
        Form1 form(env.make());
        QVERIFY(load(env, form, lines));

        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List1")), list1);
        QCOMPARE(selected(control<QListWidget>(form, "List1")), QStringList{"3:" + chosen});
        QCOMPARE(tabAdapterCaption(form, 0), chosen);
        QCOMPARE(testing::listTexts(control<QListWidget>(form, "List2")), (QStringList{"A", "B", "C"}));
        QVERIFY(control<QListWidget>(form, "List2")->selectedItems().isEmpty());
        QCOMPARE(tabAdapterCaption(form, 1), QString());
    }

    // Start-up shows the window before the service answers: the lists end as if it had answered
    // first, and a button pressed meanwhile applies once, when the answer is in.
    void answerAfterTheWindow_data() {
        QTest::addColumn<bool>("pageShown");
        QTest::addColumn<QByteArray>("pressed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("applied"); // EnableStatic calls
        QTest::newRow("page not shown, nothing pressed") << false << QByteArray() << QStringList{} << 0;
        QTest::newRow("page not shown, profile 2 pressed")
            << false << QByteArray("Command2") << QStringList{} << 1;
        QTest::newRow("page shown, profile 3 pressed without an adapter")
            << true << QByteArray("Command3") << QStringList{"Whoops|Please select an Interface first!!"}
            << 0;
    }
    void answerAfterTheWindow() {
        QFETCH(bool, pageShown);
        QFETCH(QByteArray, pressed);
        QFETCH(QStringList, messages);
        QFETCH(int, applied);
        const auto start = [](testing::TestEnvironment& env, bool late) {
            env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
            env.service->answerLate = late;
            StoredSettings s;
            s.TermsAccepted = true; // the main window, not the terms window, on top
            s.Profiles[0].AdapterCaption = QStringLiteral("B");
            s.Profiles[1] = {"192.0.2.20", "255.255.255.0", {}, {}, {}, {}, {}, "Lab", "B"};
            s.DhcpAdapterCaption = QStringLiteral("Gone");
            QCOMPARE(writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)), QString());
        };
        testing::TestEnvironment now, later;
        start(now, false);
        start(later, true);
        Form1 answered(now.make()), waiting(later.make());
        answered.Form_Load();
        waiting.Form_Load();
        QVERIFY(Form1Probe::adaptersPending(waiting));
        if (pageShown) control<QTabWidget>(waiting, "SSTab1")->setCurrentIndex(1);
        if (!pressed.isEmpty()) control<QPushButton>(waiting, pressed.constData())->click();
        // A press that waits shows it; nothing else does.
        const QCursor* cursor = QGuiApplication::overrideCursor();
        QCOMPARE(cursor ? cursor->shape() : Qt::ArrowCursor,
                 pressed.isEmpty() ? Qt::ArrowCursor : Qt::BusyCursor);
        QVERIFY(later.messages.isEmpty());
        QVERIFY(later.service->methodCalls().empty());

        later.service->answerListings();
        QVERIFY(!Form1Probe::adaptersPending(waiting));
        QVERIFY(!QGuiApplication::overrideCursor());
        for (int t = 0; t < TabCount; ++t) {
            QCOMPARE(testing::listTexts(tabControls(waiting, t).Adapters),
                     testing::listTexts(tabControls(answered, t).Adapters));
            QCOMPARE(selected(tabControls(waiting, t).Adapters), selected(tabControls(answered, t).Adapters));
            QCOMPARE(tabAdapterCaption(waiting, t), tabAdapterCaption(answered, t));
        }
        QCOMPARE(selected(control<QListWidget>(waiting, "List1")), QStringList{"3:B"});
        QCOMPARE(later.messages, messages);
        const std::vector<std::string> calls = later.service->methodCalls();
        QCOMPARE(std::count(calls.begin(), calls.end(), "B EnableStatic [192.0.2.20] [255.255.255.0]"),
                 applied);
    }
};

QTEST_MAIN(TestForm1Adapters)
#include "test_form1_adapters.moc"
