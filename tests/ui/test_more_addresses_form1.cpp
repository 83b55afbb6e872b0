// The further addresses and hardware addresses as a user meets them in the window: typed in a tab's
// box, saved beside the settings file by "Save Settings", shown again on the next start.
#include "core/ExtraSettings.h"
#include "core/SettingsFile.h"
#include "core/SettingsLines.h"
#include "tests/support/Controls.h"
#include "tests/support/Form1Probe.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Form1.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A companion made new has the platform's line ends: CR LF on Windows.
QByteArray nativeLines(QByteArray lines) {
#ifdef Q_OS_WIN
    return lines.replace("\n", "\r\n");
#else
    return lines;
#endif
}

} // namespace

class TestMoreAddressesForm1 : public QObject {
    Q_OBJECT
private slots:
    void savedAndShownAgain() {
        testing::TestEnvironment env;
        env.service->adapters = {{"A", {}, {}}, {"B", {}, {}}, {"C", {}, {}}};
        env.service->adapters[1].hardwareAddress = "02:00:00:00:00:0b";
        for (const char* caption : {"A", "B", "C"})
            env.service->states[caption] = {true, {}, "", {}};
        const QString path = env.folder.filePath(QStringLiteral("Korvo.ini"));
        const QString companion = extraSettingsPath(path);
        QByteArray plain;
        {
            Form1 form(env.make());
            Form1Probe::enumerateAdapters(form);
            control<QListWidget>(form, "List2")->setCurrentRow(1);
            control<QPushButton>(form, "Command7")->click();
            plain = fileBytes(path);
            // B's hardware address is recorded with profile 2, which chose it.
            QCOMPARE(fileBytes(companion), nativeLines("[Profile2]\nHardwareAddress=02:00:00:00:00:0b\n"));

            auto* more = control<QLineEdit>(form, "MoreAddresses2");
            QCOMPARE(more->accessibleName(), QStringLiteral("Profile 2, More addresses"));
            more->setText(QStringLiteral(" 192.0.2.21/24   192.0.2.22/25 "));
            control<QLineEdit>(form, "MoreAddresses7")->setText(QStringLiteral("203.0.113.7/24"));
            control<QPushButton>(form, "Command7")->click();
            QVERIFY(env.messages.isEmpty());
        }
        QCOMPARE(fileBytes(path), plain);
        QCOMPARE(fileBytes(companion), nativeLines("[Profile2]\nHardwareAddress=02:00:00:00:00:0b\n"
                                                   "MoreAddresses=192.0.2.21/24 192.0.2.22/25\n\n"
                                                   "[DHCP]\nMoreAddresses=203.0.113.7/24\n"));

        Form1 form(env.make());
        form.Form_Load();
        QCOMPARE(control<QLineEdit>(form, "MoreAddresses2")->text(),
                 QStringLiteral("192.0.2.21/24 192.0.2.22/25"));
        QCOMPARE(control<QLineEdit>(form, "MoreAddresses7")->text(), QStringLiteral("203.0.113.7/24"));
        QCOMPARE(control<QLineEdit>(form, "MoreAddresses1")->text(), QString());
        // Emptied, the key goes and the file stays a valid companion.
        control<QLineEdit>(form, "MoreAddresses7")->clear();
        control<QPushButton>(form, "Command7")->click();
        QCOMPARE(fileBytes(companion), nativeLines("[Profile2]\nHardwareAddress=02:00:00:00:00:0b\n"
                                                   "MoreAddresses=192.0.2.21/24 192.0.2.22/25\n\n"
                                                   "[DHCP]\n"));
        QCOMPARE(fileBytes(path), plain);
    }

    // The mark of a profile with further addresses: on only while the adapter has all of them, and it
    // follows the box as it is typed.
    void marksCountEveryAddress() {
        testing::TestEnvironment env;
        env.service->adapters = {{"eth0", {}, {}}};
        env.service->states = {{"eth0", {false, {"192.0.2.10/24", "192.0.2.11/24"}, "", {}}}};
        StoredSettings s;
        s.Profiles[0] = {"192.0.2.10", "255.255.255.0", "", "", "", "", "", "Plant", "eth0"};
        s.TermsAccepted = true;
        QCOMPARE(writeSettingsFile(env.folder.filePath("Korvo.ini"), settingsLines(s)), QString());
        Form1 form(env.make());
        form.Start();
        QVERIFY(QTest::qWaitFor([&form] { return tabControls(form, 0).Adapters->count() == 2; }));
        QCOMPARE(marks(form)[0], false);
        auto* more = control<QLineEdit>(form, "MoreAddresses1");
        more->setText(QStringLiteral("192.0.2.11/24"));
        QCOMPARE(marks(form)[0], true);
        more->setText(QStringLiteral("192.0.2.11/24 192.0.2.12/24"));
        QCOMPARE(marks(form)[0], false);
        more->setText(QStringLiteral("192.0.2.11/16"));
        QCOMPARE(marks(form)[0], false);
    }
};

QTEST_MAIN(TestMoreAddressesForm1)
#include "test_more_addresses_form1.moc"
