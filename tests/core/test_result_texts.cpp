// The outcome's words made from its data: each reason's sentence and its lines, the marks that stand
// for a value, and the terminal's two faces listing the same lines.
#include "core/Applier.h"
#include "core/ResultTexts.h"
#include "core/TerminalReport.h"
#include "tests/support/RecordingService.h"
#include "ui/Translations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace korvo;
using K = ReasonKind;
using S = ReasonSubject;

Q_DECLARE_METATYPE(korvo::Reason)

namespace {

platform::IPv4State staticState(const char* address, const char* gateway) {
    return {false, {address}, gateway, {}};
}

Reason withStates(Reason r, std::optional<platform::IPv4State> had, std::optional<platform::IPv4State> has) {
    r.Had = std::move(had);
    r.Has = std::move(has);
    return r;
}

} // namespace

class TestResultTexts : public QObject {
    Q_OBJECT
private slots:
    void reasons_data() {
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<QStringList>("lines");
        const int denied = platform::code::AccessDenied;
        QTest::newRow("invalid mask")
            << Reason{K::Invalid, {}, {}, SubnetMaskField} << QStringList{"A valid SubnetMask is required"};
        QTest::newRow("gateway refused, the service's word on a line of its own")
            << Reason{K::Refused, {"no route"}, S::Gateway, {}, platform::code::InvalidGateway}
            << QStringList{"The gateway was refused (code 71: invalid gateway).", "no route"};
        QTest::newRow("access denied without a word: the advice")
            << Reason{K::Refused, {""}, S::Dhcp, {}, denied}
            << QStringList{"DHCP was refused (code 91: access denied).", missingRightsAdvice()};
        QTest::newRow("code without a meaning") << Reason{K::Refused, {}, S::Change, {}, 4242}
                                                << QStringList{"The change was refused (code 4242)."};
        QTest::newRow("no WINS here")
            << Reason{K::NotOnThisPlatform, {}, S::WinsServers}
            << QStringList{"The WINS servers were not set: this platform has none."};
        QTest::newRow("differs, none read back")
            << Reason{K::Differs, {"192.0.2.53", ""}, {}, PrimaryDNSField}
            << QStringList{"Primary DNS: 192.0.2.53 asked, none in effect."};
        QTest::newRow("differs, none asked") << Reason{K::Differs, {"", "192.0.2.1"}, {}, GatewayField}
                                             << QStringList{"Gateway: none asked, 192.0.2.1 in effect."};
        QTest::newRow("adapter gone, the service's why")
            << Reason{K::AdapterNotListed, {"eth9", "is not managed"}}
            << QStringList{"The network interface -eth9- is not managed."};
        QTest::newRow("adapter not found") << Reason{K::AdapterNotListed, {"eth9", ""}}
                                           << QStringList{"The network interface -eth9- was not found."};
        QTest::newRow("pending rollback with a time")
            << Reason{K::PendingRollback, {"eth0", "/cp/1", "30"}}
            << QStringList{
                   "A pending rollback covers eth0: it will undo this change in 30 seconds, when /cp/1 "
                   "expires, unless that is kept first."};
        QTest::newRow("pending rollback without one")
            << Reason{K::PendingRollback, {"eth0", "/cp/1", ""}}
            << QStringList{
                   "A pending rollback covers eth0: it will undo this change if /cp/1 is rolled back."};
        QTest::newRow("restored") << withStates({K::Restored, {"eth0"}},
                                                staticState("192.0.2.11/24", "192.0.2.1"), std::nullopt)
                                  << QStringList{"Restored eth0: 192.0.2.11/24, gateway 192.0.2.1, static"};
        QTest::newRow("not restored, unreadable")
            << withStates({K::NotRestored, {"eth0"}}, staticState("192.0.2.11/24", ""), std::nullopt)
            << QStringList{
                   "eth0 was not restored: it had 192.0.2.11/24, static and has nothing Korvo can read"};
        QTest::newRow("not restored, read")
            << withStates({K::NotRestored, {"eth0"}}, staticState("192.0.2.11/24", ""),
                          platform::IPv4State{true, {}, "", {}})
            << QStringList{"eth0 was not restored: it had 192.0.2.11/24, static and has no address, DHCP"};
    }
    void reasons() {
        QFETCH(Reason, reason);
        QFETCH(QStringList, lines);
        QCOMPARE(reasonLines(reason), lines);
        QCOMPARE(reasonText(reason), lines.join(u'\r'));
    }

    void marks_data() {
        QTest::addColumn<int>("mark");
        QTest::addColumn<QString>("shown");
        QTest::newRow("value") << int(ValueMark::Value) << "192.0.2.10";
        QTest::newRow("refused") << int(ValueMark::Refused) << "Refused";
        QTest::newRow("not set") << int(ValueMark::NotSet) << "Not set";
        QTest::newRow("ignored") << int(ValueMark::Ignored) << "Ignored";
        QTest::newRow("none") << int(ValueMark::None) << "none";
    }
    void marks() {
        QFETCH(int, mark);
        QTEST(shownText({static_cast<ValueMark>(mark), "192.0.2.10"}), "shown");
    }

    // The outcome holds no words: the same apply in German is the same data, and only the faces change.
    void sameDataInEveryLanguage() {
        const auto apply = [] {
            auto service = std::make_shared<testing::RecordingService>();
            service->adapters.push_back({"eth0", {}, {}});
            service->adapters[0].results = {{"SetWINSServer", platform::code::NotOnThisPlatform},
                                            {"SetDNSServerSearchOrder", platform::code::AccessDenied}};
            return Applier(service).SetInterface({"192.0.2.10", "255.255.255.0", "192.0.2.1", "",
                                                  "192.0.2.54", "203.0.113.1", "", "n", "eth0"},
                                                 ApplyMode::Static);
        };
        const ApplyOutcome english = apply();
        Translations german;
        QCOMPARE(german.install({"de"}, QStringLiteral("/nonexistent")), QString("de"));
        const ApplyOutcome translated = apply();

        QCOMPARE(translated.State, ApplyState::Refused);
        QCOMPARE(translated.Reasons, english.Reasons);
        QCOMPARE(translated.InEffect, english.InEffect);
        QCOMPARE(translated.Values, english.Values);
        QCOMPARE(translated.Adapters.at(0).Settings, english.Adapters.at(0).Settings);
        QCOMPARE(translated.InEffect[SecondaryDNSField].Mark, ValueMark::Ignored);
        QCOMPARE(translated.InEffect[PrimaryWINSField].Mark, ValueMark::NotSet);
        // Worded now, the English run's outcome reads in German too.
        QCOMPARE(resultText(english), resultText(translated));
        QVERIFY(heading(english) != QString("Error Applying Configuration"));
        QVERIFY2(!resultText(translated).contains("refused"), qPrintable(resultText(translated)));
    }

    // The terminal's plain lines and the JSON reasons list the same lines, a refusal's advice its own.
    void plainAndJsonListTheSameLines() {
        ApplyOutcome o{ApplyState::Refused, false, {}, {}};
        o.Values.AdapterCaption = "eth0";
        o.InEffect[GatewayField] = {ValueMark::Refused, {}};
        o.Reasons = {{K::Refused, {}, S::Gateway, {}, platform::code::AccessDenied},
                     {K::NotOnThisPlatform, {}, S::WinsServers}};
        const QStringList expected{"The gateway was refused (code 91: access denied).", missingRightsAdvice(),
                                   "The WINS servers were not set: this platform has none."};

        const QString plain = plainReport(o);
        QVERIFY2(plain.contains("\nGateway: Refused\n"), qPrintable(plain));
        QVERIFY2(plain.endsWith("\nSecondary WINS: \n\n" + expected.join(u'\n') + u'\n'), qPrintable(plain));

        const QJsonObject json = QJsonDocument::fromJson(jsonReport(o, {1, "p", {}}).toUtf8()).object();
        QStringList listed;
        for (const QJsonValue& line : json["reasons"].toArray())
            listed << line.toString();
        QCOMPARE(listed, expected);
        QCOMPARE(json["state"].toString(), QString("refused"));
    }
};

QTEST_GUILESS_MAIN(TestResultTexts)
#include "test_result_texts.moc"
