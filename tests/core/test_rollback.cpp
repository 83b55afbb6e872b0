// The way back without the service's own checkpoint (WMI): the adapters' live settings recorded first
// and re-applied through the apply's own calls.
#include "core/Rollback.h"
#include "tests/support/RecordingService.h"

#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

QStringList methodCalls(const RecordingService& service) {
    QStringList out;
    for (const std::string& line : service.methodCalls())
        out << QString::fromStdString(line);
    return out;
}

} // namespace

class TestRollback : public QObject {
    Q_OBJECT
private slots:
    void reappliesRecordedSettings_data() {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("static with gateway and DNS")
            << false << QStringList{"192.0.2.10/24", "192.0.2.11/25"} << "192.0.2.1"
            << QStringList{"eth0 EnableStatic [192.0.2.10, 192.0.2.11] [255.255.255.0, 255.255.255.128]",
                           "eth0 SetGateways [192.0.2.1] [1]", "eth0 SetDNSServerSearchOrder [192.0.2.53]"};
        QTest::newRow("static, no gateway")
            << false << QStringList{"203.0.113.5/32"} << ""
            << QStringList{"eth0 EnableStatic [203.0.113.5] [255.255.255.255]",
                           "eth0 SetDNSServerSearchOrder [192.0.2.53]"};
        QTest::newRow("DHCP") << true << QStringList{"198.51.100.120/24"} << "198.51.100.1"
                              << QStringList{"eth0 EnableDHCP", "eth0 SetDNSServerSearchOrder -"};
    }
    void reappliesRecordedSettings() {
        QFETCH(bool, dhcp);
        QFETCH(QStringList, addresses);
        QFETCH(QString, gateway);
        QFETCH(QStringList, calls);
        auto service = std::make_shared<RecordingService>();
        service->adapters = {{"eth0", {}, {}}, {"eth1", {}, {}}};
        platform::IPv4State before{dhcp, {}, gateway.toStdString(), {"192.0.2.53"}};
        for (const QString& a : addresses)
            before.addresses.push_back(a.toStdString());
        service->states["eth0"] = before;
        service->states["eth1"] = {false, {"203.0.113.9/24"}, "", {}};

        Rollback guard(service, QStringLiteral("eth0"), std::chrono::seconds(5));
        QVERIFY(guard.guards());
        QVERIFY(!guard.native());
        QCOMPARE(methodCalls(*service), QStringList());
        guard.rollBack();
        QCOMPARE(methodCalls(*service), calls); // eth1 untouched
        service->clear();
        guard.rollBack(); // once only
        QCOMPARE(methodCalls(*service), QStringList());
    }

    void keepChangesNothing() {
        auto service = std::make_shared<RecordingService>();
        service->adapters = {{"eth0", {}, {}}};
        service->states["eth0"] = {false, {"192.0.2.10/24"}, "", {}};
        Rollback guard(service, QStringLiteral("eth0"), std::chrono::seconds(5));
        guard.keep();
        guard.rollBack();
        QCOMPARE(methodCalls(*service), QStringList());
    }

    // Without a record there is no way back, so the change must not start.
    void refusesWhatItCannotRestore() {
        auto service = std::make_shared<RecordingService>();
        service->adapters = {{"eth0", {}, {}}};
        QVERIFY_THROWS_EXCEPTION(platform::ServiceError,
                                 Rollback(service, QStringLiteral("eth0"), std::chrono::seconds(5)));
        service->failConnect = true;
        QVERIFY_THROWS_EXCEPTION(platform::ServiceError,
                                 Rollback(service, QStringLiteral("eth0"), std::chrono::seconds(5)));
        service->failConnect = false;
        QVERIFY(!Rollback(service, QStringLiteral("eth9"), std::chrono::seconds(5)).guards());
    }

    void refusedReapplyIsReported() {
        auto service = std::make_shared<RecordingService>();
        service->adapters = {{"eth0", {{"EnableStatic", 70}}, {}}};
        service->states["eth0"] = {false, {"192.0.2.10/24"}, "", {}};
        Rollback guard(service, QStringLiteral("eth0"), std::chrono::seconds(5));
        QVERIFY_THROWS_EXCEPTION(platform::ServiceError, guard.rollBack());
        Rollback gone(service, QStringLiteral("eth0"), std::chrono::seconds(5));
        service->adapters.clear();
        QVERIFY_THROWS_EXCEPTION(platform::ServiceError, gone.rollBack());
    }
};

QTEST_GUILESS_MAIN(TestRollback)
#include "test_rollback.moc"
