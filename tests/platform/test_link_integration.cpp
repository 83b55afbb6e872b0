// The checks around an apply against a real link: a peer namespace holds addresses on veth0's link
// (another host, as far as ARP goes), and a real NetworkManager changes veth0. The test runs inside
// the test bed's network namespace, where Korvo sees veth0.
#include "core/Applier.h"
#include "core/ResultTexts.h"
#include "core/Rollback.h"
#include "platform/nm/LinkProbe.h"
#include "platform/nm/NetworkManager.h"
#include "tests/support/TestBed.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace korvo;
using namespace korvo::platform;
using korvo::testing::TestBed;
using Kind = LinkAnswer::Kind;
using std::chrono::milliseconds;

namespace {

constexpr int SettleMs = 10000;

std::unique_ptr<Adapter> veth0(const TestBed& bed) {
    for (auto& item : makeNetworkManagerConnector(bed.busAddress())->connect(Purpose::Change)->adapters())
        if (item->caption() == "veth0") return std::move(item);
    return nullptr;
}

QString peerMac(const TestBed& bed) {
    return bed.peer({"-br", "link", "show", "peer0"})
        .section(u' ', 2, 2, QString::SectionSkipEmpty)
        .toLower();
}

Profile profile(const QString& address, const QString& gateway) {
    return {address, "255.255.255.0", gateway, "", "", "", "", "name", "veth0"};
}

} // namespace

class TestLinkIntegration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (const auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
    }

    // Before the change: arping's duplicate address detection, through the adapter.
    void whoHoldsAnAddress() {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.50/24", "dev", "peer0"});
        auto adapter = veth0(bed);
        QVERIFY(adapter);
        // From this program's own namespace veth0 is not there to ask.
        QCOMPARE(adapter->holderOf("192.0.2.50", milliseconds(300)).kind, Kind::NotChecked);

        TestBed::Inside inside(bed);
        if (QStandardPaths::findExecutable("arping").isEmpty())
            QSKIP("arping (iputils-arping) is not installed");
        const LinkAnswer taken = adapter->holderOf("192.0.2.50", milliseconds(300));
        QCOMPARE(taken.kind, Kind::Answered);
        QCOMPARE(QString::fromStdString(taken.hardwareAddress), peerMac(bed));
        QCOMPARE(adapter->holderOf("192.0.2.51", milliseconds(300)).kind, Kind::Silent);

        // Without arping the address is not checked, and the answer says why.
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toLocal8Bit());
        const LinkAnswer unchecked = adapter->holderOf("192.0.2.50", milliseconds(300));
        qputenv("PATH", path);
        QCOMPARE(unchecked.kind, Kind::NotChecked);
        QCOMPARE(unchecked.why, std::string("arping is not installed"));
    }

    // A gateway the kernel resolved earlier but has not heard from since is asked again, not taken
    // as answering: gone meanwhile, it does not answer.
    void staleGatewayIsAskedAgain() {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.1/24", "dev", "peer0"});
        TestBed::Inside inside(bed);
        if (QStandardPaths::findExecutable("arping").isEmpty())
            QSKIP("arping (iputils-arping) is not installed");
        const Applier applier(makeNetworkManagerConnector(bed.busAddress()));
        QCOMPARE(applier.SetInterface(profile("192.0.2.11", "192.0.2.1"), ApplyMode::Static).State,
                 ApplyState::Applied);
        // As it is after half a minute without traffic on an idle machine.
        bed.ip({"neigh", "replace", "192.0.2.1", "dev", "veth0", "lladdr", peerMac(bed), "nud", "stale"});
        auto adapter = veth0(bed);
        QCOMPARE(adapter->reach("192.0.2.1", milliseconds(0)).kind, Kind::Answered); // it answered lately
        const LinkAnswer still = adapter->reach("192.0.2.1", milliseconds(1000));
        QCOMPARE(still.kind, Kind::Answered);
        QCOMPARE(QString::fromStdString(still.hardwareAddress), peerMac(bed));
        bed.ip({"neigh", "replace", "192.0.2.1", "dev", "veth0", "lladdr", peerMac(bed), "nud", "stale"});
        bed.peer({"addr", "del", "192.0.2.1/24", "dev", "peer0"});
        QCOMPARE(adapter->reach("192.0.2.1", milliseconds(1000)).kind, Kind::Silent);
    }

    // The whole apply: a taken address changes nothing; a free one is applied and its gateway asked.
    void applyChecksTheAddressAndTheGateway() {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.10/24", "dev", "peer0"});
        bed.peer({"addr", "add", "192.0.2.1/24", "dev", "peer0"});
        TestBed::Inside inside(bed);
        if (QStandardPaths::findExecutable("arping").isEmpty())
            QSKIP("arping (iputils-arping) is not installed");
        const Applier applier(makeNetworkManagerConnector(bed.busAddress()));

        const ApplyOutcome taken =
            applier.SetInterface(profile("192.0.2.10", "192.0.2.1"), ApplyMode::Static);
        QCOMPARE(taken.State, ApplyState::NotApplied);
        QVERIFY2(reasonTexts(taken.Reasons).join(u' ').contains(peerMac(bed)),
                 qPrintable(reasonTexts(taken.Reasons).join(u' ')));
        QCOMPARE(taken.Adapters.back().AddressFree, std::optional(false));
        QVERIFY(bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}).isEmpty());

        const ApplyOutcome answers =
            applier.SetInterface(profile("192.0.2.11", "192.0.2.1"), ApplyMode::Static);
        QCOMPARE(answers.State, ApplyState::Applied);
        QCOMPARE(answers.Adapters.back().AddressFree, std::optional(true));
        QCOMPARE(answers.Adapters.back().GatewayAnswers, std::optional(true));
        QVERIFY(reasonTexts(answers.Reasons).contains("The gateway 192.0.2.1 answers."));
        QTRY_VERIFY_WITH_TIMEOUT(
            bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"}).contains("192.0.2.11/24"), SettleMs);

        // Its own address is not asked about again; a gateway nobody holds does not answer.
        const ApplyOutcome silent =
            applier.SetInterface(profile("192.0.2.11", "192.0.2.99"), ApplyMode::Static);
        QCOMPARE(silent.State, ApplyState::Applied);
        QCOMPARE(silent.Adapters.back().AddressFree, std::optional<bool>());
        QCOMPARE(silent.Adapters.back().GatewayAnswers, std::optional(false));
        QVERIFY(reasonTexts(silent.Reasons).contains("The gateway 192.0.2.99 does not answer."));
    }

    // Cut off from a gateway that answered: NetworkManager's checkpoint is handed over, and taking it
    // puts the adapter back as it was.
    void cutOffIsUndone() {
        TestBed bed({.adapters = 1, .peer = true});
        bed.peer({"addr", "add", "192.0.2.1/24", "dev", "peer0"});
        TestBed::Inside inside(bed);
        const std::shared_ptr<ServiceConnector> connector = makeNetworkManagerConnector(bed.busAddress());
        const Applier applier(connector);
        QCOMPARE(applier.SetInterface(profile("192.0.2.11", "192.0.2.1"), ApplyMode::Static).State,
                 ApplyState::Applied);
        QTRY_VERIFY_WITH_TIMEOUT(veth0(bed)->ipv4State()->gateway == "192.0.2.1", SettleMs);

        ApplyChecks checks;
        checks.undoWithin = std::chrono::seconds(20);
        const ApplyOutcome cut =
            applier.SetInterface(profile("203.0.113.10", "203.0.113.1"), ApplyMode::Static, checks);
        QCOMPARE(cut.State, ApplyState::Applied);
        QCOMPARE(cut.Adapters.back().GatewayAnswers, std::optional(false));
        QVERIFY(cut.Undo);
        QVERIFY(cut.Undo->native());
        QVERIFY(!cut.PendingRollback); // Korvo's own way back is no other program's rollback
        const ApplyOutcome back = restoredOutcome(*cut.Undo, cut, connector);
        QVERIFY2(back.State == ApplyState::NotApplied, qPrintable(reasonTexts(back.Reasons).join(u'|')));
        QVERIFY(reasonTexts(back.Reasons)
                    .join(u'|')
                    .contains("Restored veth0: 192.0.2.11/24, gateway 192.0.2.1"));
        const QString now = bed.ip({"-4", "-o", "addr", "show", "dev", "veth0"});
        QVERIFY2(now.contains("192.0.2.11/24") && !now.contains("203.0.113.10"), qPrintable(now));
    }
};

QTEST_GUILESS_MAIN(TestLinkIntegration)
#include "test_link_integration.moc"
