// Further addresses on a real NetworkManager (the test bed): all of a profile's addresses on the adapter
// in order, a static address beside a DHCP lease, and the settings file unchanged by them.
#include "core/Applier.h"
#include "core/ExtraSettings.h"
#include "core/ProfileBook.h"
#include "core/ProfileInEffect.h"
#include "core/ResultTexts.h"
#include "platform/nm/NetworkManager.h"
#include "tests/support/TestBed.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

using namespace korvo;
using korvo::platform::makeNetworkManagerConnector;
using korvo::testing::TestBed;

namespace {

constexpr int SettleMs = 15000;

// The adapter's IPv4 addresses as the kernel lists them, in its order.
QStringList inet(const TestBed& bed, const QString& adapter) {
    QStringList out;
    const QRegularExpression address(QStringLiteral("inet (\\S+)"));
    for (const QString& line : bed.ip({"-4", "-o", "addr", "show", "dev", adapter}).split(u'\n'))
        if (const auto m = address.match(line); m.hasMatch()) out << m.captured(1);
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMoreAddressesIntegration : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    // Profile 2 with two more addresses, from the settings file and its companion as the window and the
    // command line read them: three addresses on veth0 in order, the report and the marks agree, and a
    // save writes the 129-line file as a book without them does.
    void staticProfileWithTwoMore() {
        TestBed bed({.adapters = 1});
        TestBed::Inside inside(bed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo.ini"));
        ProfileBook book;
        book.setTermsAccepted(true);
        for (const auto& [field, value] : {std::pair{ProfileField::IPAddress, "192.0.2.10"},
                                           {ProfileField::SubnetMask, "255.255.255.0"},
                                           {ProfileField::Gateway, "192.0.2.1"},
                                           {ProfileField::PrimaryDNS, "192.0.2.53"},
                                           {ProfileField::Name, "Plant"}})
            book.set(1, field, QString::fromLatin1(value));
        book.setAdapter(1, QStringLiteral("veth0"));
        QCOMPARE(book.save(path), QString());
        const QByteArray plain = fileBytes(path);
        book.setMoreAddresses(1, {"203.0.113.22/24", "192.0.2.21/25"});
        QCOMPARE(book.save(path), QString());
        QCOMPARE(fileBytes(path), plain);

        ProfileBook read;
        QCOMPARE(read.read(path), ProfileBook::ReadOutcome::Read);
        const ButtonProfile button = read.button(2);
        const Applier applier(makeNetworkManagerConnector(bed.busAddress()));
        const ApplyOutcome outcome = applier.SetInterface(button.Typed, button.Mode);
        QCOMPARE(outcome.State, ApplyState::Applied);
        QVERIFY2(reasonTexts(outcome.Reasons).contains("More addresses: 203.0.113.22/24 192.0.2.21/25"),
                 qPrintable(reasonTexts(outcome.Reasons).join(u'\n')));
        QTRY_COMPARE_WITH_TIMEOUT(
            inet(bed, "veth0"), (QStringList{"192.0.2.10/24", "203.0.113.22/24", "192.0.2.21/25"}), SettleMs);
        const auto adapters =
            makeNetworkManagerConnector(bed.busAddress())->connect(platform::Purpose::List)->adapters();
        QCOMPARE(adapters.size(), std::size_t{1});
        QVERIFY(profileInEffect(button.Typed, button.Mode, *adapters.front()->ipv4State()));
        Profile fewer = button.Typed;
        fewer.MoreAddresses.removeLast();
        QVERIFY(!profileInEffect(fewer, button.Mode, *adapters.front()->ipv4State()));

        // Back to one address: the others go.
        const ApplyOutcome one = applier.SetInterface(fewer, ApplyMode::Static);
        QCOMPARE(one.State, ApplyState::Applied);
        QTRY_COMPARE_WITH_TIMEOUT(inet(bed, "veth0"), (QStringList{"192.0.2.10/24", "203.0.113.22/24"}),
                                  SettleMs);

        // A save after all this: the 129 lines byte for byte as before.
        QCOMPARE(read.save(path), QString());
        QCOMPARE(fileBytes(path), plain);
    }

    // A profile's adapter renamed after its hardware address was recorded (as a USB adapter comes back
    // under another name): the apply finds it by that address and says so; the 129 lines stay.
    void renamedAdapterFoundByHardwareAddress() {
        TestBed bed({.adapters = 1});
        TestBed::Inside inside(bed);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo.ini"));
        const std::shared_ptr<platform::ServiceConnector> connector =
            makeNetworkManagerConnector(bed.busAddress());
        const auto listed = [&connector] {
            std::map<QString, QString> hardware;
            for (const auto& a : connector->connect(platform::Purpose::List)->adapters())
                hardware[QString::fromStdString(a->caption())] = QString::fromStdString(a->hardwareAddress());
            return hardware;
        };
        const QString hardware = listed()["veth0"];
        QVERIFY2(bed.ip({"link", "show", "veth0"}).contains("link/ether " + hardware.toLower()),
                 qPrintable(hardware));

        ProfileBook book;
        book.setTermsAccepted(true);
        book.set(2, ProfileField::IPAddress, QStringLiteral("192.0.2.30"));
        book.set(2, ProfileField::SubnetMask, QStringLiteral("255.255.255.0"));
        book.setAdapter(2, QStringLiteral("veth0"));
        QCOMPARE(book.save(path), QString());
        const QByteArray plain = fileBytes(path);
        book.recordHardwareAddresses([&listed](const QString& caption) { return listed()[caption]; });
        QCOMPARE(book.save(path), QString());
        QCOMPARE(fileBytes(path), plain);
        QVERIFY(fileBytes(extraSettingsPath(path))
                    .contains("[Profile3]\nHardwareAddress=" + hardware.toLatin1()));

        bed.ip({"link", "set", "veth0", "down"});
        bed.ip({"link", "set", "veth0", "name", "kv2"});
        bed.ip({"link", "set", "kv2", "up"});
        QTRY_VERIFY_WITH_TIMEOUT(listed().count("kv2") == 1, SettleMs);

        ProfileBook read;
        QCOMPARE(read.read(path), ProfileBook::ReadOutcome::Read);
        const ButtonProfile button = read.button(3);
        QCOMPARE(button.Typed.AdapterCaption, QStringLiteral("veth0"));
        const ApplyOutcome outcome = Applier(connector).SetInterface(button.Typed, button.Mode);
        QVERIFY2(outcome.State == ApplyState::Applied, qPrintable(reasonTexts(outcome.Reasons).join(u'\n')));
        QCOMPARE(shownCaption(outcome), QStringLiteral("veth0, now named kv2"));
        QVERIFY(
            reasonTexts(outcome.Reasons)
                .contains("-veth0-, now named -kv2-, was found by its hardware address " + hardware + "."));
        QTRY_COMPARE_WITH_TIMEOUT(inet(bed, "kv2"), QStringList{"192.0.2.30/24"}, SettleMs);

        // The name stays the key of the 129 lines: a save writes them as before.
        QCOMPARE(read.save(path), QString());
        QCOMPARE(fileBytes(path), plain);
    }

    // A further address another host on the link holds: nothing is changed, and the report says which.
    void furtherAddressHeldByAnotherHost() {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.22/24", "dev", "peer0"});
        TestBed::Inside inside(bed);
        if (QStandardPaths::findExecutable("arping").isEmpty())
            QSKIP("arping (iputils-arping) is not installed");
        Profile p{"192.0.2.10", "255.255.255.0", "", "", "", "", "", "Plant", "veth0"};
        p.MoreAddresses = QStringList{"192.0.2.21/24", "192.0.2.22/24"};
        const ApplyOutcome outcome =
            Applier(makeNetworkManagerConnector(bed.busAddress())).SetInterface(p, ApplyMode::Static);
        QCOMPARE(outcome.State, ApplyState::NotApplied);
        QVERIFY2(reasonTexts(outcome.Reasons).join(u' ').startsWith("192.0.2.22 is in use already"),
                 qPrintable(reasonTexts(outcome.Reasons).join(u' ')));
        QCOMPARE(inet(bed, "veth0"), QStringList());
    }

    // The DHCP tab with one more address: the lease and the static address both on the adapter.
    void dhcpWithOneMore() {
        TestBed bed({.adapters = 1, .dhcp = true});
        TestBed::Inside inside(bed);
        ProfileBook book;
        book.setAdapter(DhcpSlot, QStringLiteral("veth0"));
        book.setMoreAddresses(DhcpSlot, {"203.0.113.7/24"});
        const ButtonProfile button = book.button(7);
        const Applier applier(makeNetworkManagerConnector(bed.busAddress()));
        const ApplyOutcome outcome = applier.SetInterface(button.Typed, button.Mode);
        QVERIFY2(outcome.State == ApplyState::Applied, qPrintable(reasonTexts(outcome.Reasons).join(u'\n')));
        const QRegularExpression lease(QStringLiteral("^198\\.51\\.100\\.1\\d\\d/24$"));
        QTRY_VERIFY2_WITH_TIMEOUT(inet(bed, "veth0").contains("203.0.113.7/24") &&
                                      inet(bed, "veth0").indexOf(lease) >= 0,
                                  qPrintable(inet(bed, "veth0").join(u' ')), SettleMs);
        QCOMPARE(inet(bed, "veth0").size(), 2);
        QCOMPARE(bed.ip4("veth0", "IP4.GATEWAY"), QStringLiteral("198.51.100.1"));
        const auto adapters =
            makeNetworkManagerConnector(bed.busAddress())->connect(platform::Purpose::List)->adapters();
        QVERIFY(profileInEffect(button.Typed, button.Mode, *adapters.front()->ipv4State()));
    }
};

QTEST_GUILESS_MAIN(TestMoreAddressesIntegration)
#include "test_more_addresses_integration.moc"
