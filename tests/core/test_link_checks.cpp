// The checks around an apply, against the recording fake: whether another host holds the address
// before it is given, whether the gateway answers after, and the way back handed over when the change
// cut the adapter off from a gateway that answered before it.
#include "core/Applier.h"
#include "core/ResultTexts.h"
#include "core/Rollback.h"
#include "tests/support/RecordingService.h"

#include <QtTest>

using namespace korvo;
using namespace korvo::testing;
using Kind = platform::LinkAnswer::Kind;

namespace {

const Profile Static{"192.0.2.10", "255.255.255.0", "192.0.2.1", "", "", "", "", "name", "eth0"};
const std::string Mac = "52:54:00:12:34:56";

QStringList lines(const std::vector<std::string>& items) {
    QStringList out;
    for (const std::string& item : items)
        out << QString::fromStdString(item);
    return out;
}

struct Bed {
    std::shared_ptr<RecordingService> service = std::make_shared<RecordingService>();
    FakeAdapter& eth0() { return service->adapters.front(); }
    Bed() { service->adapters.push_back({"eth0", {}, {}}); }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<bool>)

class TestLinkChecks : public QObject {
    Q_OBJECT
private slots:
    void checks_data() {
        QTest::addColumn<QString>("link"); // what the link answers, see below
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("probes");
        QTest::addColumn<bool>("changed");    // EnableStatic / EnableDHCP was called
        QTest::addColumn<QString>("reasons"); // joined with "|"
        QTest::addColumn<std::optional<bool>>("addressFree");
        QTest::addColumn<std::optional<bool>>("gatewayAnswers");

        const QString holder = "eth0 holderOf 192.0.2.10";
        const QString after = "eth0 reach 192.0.2.1 1000ms";
        const QString applied = "Configuration Applied";
        QTest::newRow("free, gateway not checked")
            << "" << false << applied << QStringList{holder, after} << true << "" << std::optional(true)
            << std::optional<bool>();
        QTest::newRow("taken: nothing changed, the holder named")
            << "taken" << false << "Configuration Not Applied" << QStringList{holder} << false
            << "192.0.2.10 is in use already: the host 52:54:00:12:34:56 answered for it on -eth0-. Nothing "
               "was changed."
            << std::optional(false) << std::optional<bool>();
        QTest::newRow("not checked: said")
            << "no-arping" << false << applied << QStringList{holder, after} << true
            << "Whether 192.0.2.10 was free on the network was not checked: arping is not installed."
            << std::optional<bool>() << std::optional<bool>();
        QTest::newRow("the adapter's own address: not asked")
            << "owns" << false << applied << QStringList{after} << true << "" << std::optional<bool>()
            << std::optional<bool>();
        QTest::newRow("gateway answers")
            << "gateway" << false << applied << QStringList{holder, after} << true
            << "The gateway 192.0.2.1 answers." << std::optional(true) << std::optional(true);
        QTest::newRow("gateway silent: a note, not a failure")
            << "silent" << false << applied << QStringList{holder, after} << true
            << "The gateway 192.0.2.1 does not answer." << std::optional(true) << std::optional(false);
        QTest::newRow("dhcp: neither asked") << "gateway" << true << applied << QStringList{} << true << ""
                                             << std::optional<bool>() << std::optional<bool>();
    }

    void checks() {
        QFETCH(QString, link);
        QFETCH(bool, dhcp);
        Bed bed;
        if (link == "taken") bed.eth0().holders["192.0.2.10"] = {Kind::Answered, Mac, {}};
        if (link == "no-arping")
            bed.eth0().holders["192.0.2.10"] = {Kind::NotChecked, {}, "arping is not installed"};
        if (link == "owns") bed.service->states["eth0"] = {false, {"192.0.2.10/24"}, "", {}};
        if (link == "gateway") bed.eth0().reachAfter["192.0.2.1"] = {Kind::Answered, Mac, {}};
        if (link == "silent") bed.eth0().reachAfter["192.0.2.1"] = {Kind::Silent, {}, {}};

        Profile p = Static;
        if (dhcp) p = {"DHCP", "", "", "DHCP", "DHCP", "DHCP", "DHCP", "name", "eth0"};
        const ApplyOutcome o =
            Applier(bed.service).SetInterface(p, dhcp ? ApplyMode::Dhcp : ApplyMode::Static);

        QTEST(heading(o), "heading");
        QTEST(lines(bed.service->probes), "probes");
        const QStringList calls = lines(bed.service->methodCalls());
        QTEST(!calls.filter(QRegularExpression("Enable(Static|DHCP)")).isEmpty(), "changed");
        QTEST(reasonTexts(o.Reasons).join(u'|'), "reasons");
        QCOMPARE(o.Adapters.empty(), false);
        QTEST(o.Adapters.back().AddressFree, "addressFree");
        QTEST(o.Adapters.back().GatewayAnswers, "gatewayAnswers");
        if (link == "taken") QCOMPARE(o.Adapters.back().AnsweredBy, QString::fromStdString(Mac));
    }

    // Nothing was changed, and the report still says what the adapter has beside what was asked; the
    // outcome holds the reason as data, which each face words.
    void notAppliedShowsWhatTheAdapterHas() {
        Bed bed;
        bed.eth0().holders["192.0.2.10"] = {Kind::Answered, Mac, {}};
        bed.service->states["eth0"] = {false, {"192.0.2.20/24"}, "192.0.2.254", {"198.51.100.53"}};
        const ApplyOutcome o = Applier(bed.service).SetInterface(Static, ApplyMode::Static);
        QCOMPARE(o.State, ApplyState::NotApplied);
        QCOMPARE(o.Reasons.size(), std::size_t(1));
        QCOMPARE(o.Reasons[0].Kind, ReasonKind::AddressInUse);
        QCOMPARE(o.Reasons[0].Values, (QStringList{"192.0.2.10", QString::fromStdString(Mac), "eth0"}));
        QStringList settings;
        for (const SettingOutcome& s : o.Adapters.at(0).Settings)
            settings << s.Name + "=" + s.Asked + ">" + s.InEffect;
        QCOMPARE(settings,
                 (QStringList{"ip_address=192.0.2.10>192.0.2.20", "subnet_mask=255.255.255.0>255.255.255.0",
                              "gateway=192.0.2.1>192.0.2.254", "primary_dns=>198.51.100.53",
                              "secondary_dns=>", "primary_wins=>", "secondary_wins=>"}));
        for (const SettingOutcome& s : o.Adapters.at(0).Settings)
            QCOMPARE(s.Status, SettingStatus::NotMade);
    }

    // The outcome is told before the gateway is asked, so that the report need not wait for it.
    void madeBeforeTheGatewayIsAsked() {
        Bed bed;
        bed.eth0().reachAfter["192.0.2.1"] = {Kind::Silent, {}, {}};
        QStringList probesWhenMade;
        QString headingWhenMade;
        ApplyChecks checks;
        checks.made = [&](const ApplyOutcome& o) {
            probesWhenMade = lines(bed.service->probes);
            headingWhenMade = heading(o);
            QVERIFY(reasonTexts(o.Reasons).isEmpty());
        };
        const ApplyOutcome o = Applier(bed.service).SetInterface(Static, ApplyMode::Static, checks);
        QCOMPARE(headingWhenMade, QString("Configuration Applied"));
        QCOMPARE(probesWhenMade, QStringList{"eth0 holderOf 192.0.2.10"});
        QCOMPARE(reasonTexts(o.Reasons), QStringList{"The gateway 192.0.2.1 does not answer."});
    }

    void undo_data() {
        QTest::addColumn<QString>("before"); // the gateway before: answered or silent
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("undoWithin");
        QTest::addColumn<bool>("handedOver");

        QTest::newRow("cut off") << "answered"
                                 << "silent" << 20 << true;
        QTest::newRow("still answers") << "answered"
                                       << "answered" << 20 << false;
        QTest::newRow("never answered") << "silent"
                                        << "silent" << 20 << false;
        QTest::newRow("not asked for") << "answered"
                                       << "silent" << 0 << false;
    }

    void undo() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, undoWithin);
        Bed bed;
        const platform::IPv4State old{false, {"198.51.100.7/24"}, "192.0.2.1", {"198.51.100.53"}};
        bed.service->states["eth0"] = old;
        const auto answer = [](const QString& a) {
            return a == "answered" ? platform::LinkAnswer{Kind::Answered, Mac, {}}
                                   : platform::LinkAnswer{Kind::Silent, {}, {}};
        };
        bed.eth0().reachBefore["192.0.2.1"] = answer(before);
        bed.eth0().reachAfter["192.0.2.1"] = answer(after);
        ApplyChecks checks;
        checks.undoWithin = std::chrono::seconds(undoWithin);
        const ApplyOutcome o = Applier(bed.service).SetInterface(Static, ApplyMode::Static, checks);
        QCOMPARE(o.State, ApplyState::Applied);
        QTEST(o.Undo != nullptr, "handedOver");
        if (!o.Undo) return;
        QCOMPARE(o.Undo->before().size(), std::size_t(1));
        QCOMPARE(o.Undo->before().front().second, old);
        // Without the service's own checkpoint, the record goes back through the same calls.
        bed.service->clear();
        o.Undo->rollBack();
        QVERIFY(
            lines(bed.service->methodCalls()).contains("eth0 EnableStatic [198.51.100.7] [255.255.255.0]"));
    }

    void pendingRollbackNamed() {
        Bed bed;
        bed.service->pending["eth0"] = {"/org/freedesktop/NetworkManager/Checkpoint/3",
                                        std::chrono::seconds(23)};
        const ApplyOutcome o = Applier(bed.service).SetInterface(Static, ApplyMode::Static);
        QVERIFY(o.PendingRollback);
        QCOMPARE(o.PendingRollback->in, std::optional(std::chrono::seconds(23)));
    }
};

QTEST_GUILESS_MAIN(TestLinkChecks)
#include "test_link_checks.moc"
