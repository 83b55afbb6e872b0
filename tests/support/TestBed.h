// A private NetworkManager for integration tests, started by scripts/testbed:
// its own network namespace with veth adapters veth0..veth<N-1> (managed) and
// their peers peer0.. (unmanaged), its own dbus-daemon, its own state. Nothing
// touches this machine's network or its system bus.
//
//   if (auto why = TestBed::unavailable()) QSKIP(qPrintable(*why));
//   TestBed bed({.adapters = 2});                 // throws std::runtime_error on failure
//   auto connector = makeNetworkManagerConnector(bed.busAddress());
//   bed.ip({"-4", "addr", "show", "veth0"});      // `ip -n NS -4 addr show veth0`
//
// The destructor tears everything down by process id. If the test process dies
// first, the test bed's watchdog notices within a fraction of a second and does
// the same, so nothing lingers. Namespace names are unique per process and bed.
// Addresses to use inside: 192.0.2.0/24, 203.0.113.0/24; with `dhcp` peer0 is
// 198.51.100.1/24 and hands out 198.51.100.100-150 with router and DNS .1.
// To keep NetworkManager's log of a failing test: KORVO_TESTBED_LOGS=/some/dir.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace korvo::testing {

class TestBed {
public:
    struct Options {
        int adapters = 1;
        bool dhcp = false;
        // peer0 in a namespace of its own: another host on veth0's link (see peer()).
        bool peer = false;
        // A folder of polkit rules: NetworkManager then asks a polkit daemon that knows only these.
        QString polkitRules = {};
    };

    // Why no test bed can run here (not root, a tool missing), or nullopt.
    static std::optional<QString> unavailable();

    explicit TestBed(Options options);
    ~TestBed();
    TestBed(const TestBed&) = delete;
    TestBed& operator=(const TestBed&) = delete;

    const QString& name() const { return name_; } // the network namespace
    std::string busAddress() const { return bus_.toStdString(); }
    const QStringList& adapters() const { return adapters_; }

    // `ip -n <namespace> args...`; its standard output. Throws when ip fails.
    QString ip(const QStringList& args) const;
    // The same in the peer's namespace (Options::peer), where peer0 is: `peer({"addr", "add",
    // "192.0.2.50/24", "dev", "peer0"})` makes another host hold that address on veth0's link.
    QString peer(const QStringList& args) const;

    // While it lives, the calling thread (and every thread and process it starts) uses the test
    // bed's network namespace: what Korvo asks of an adapter's link reaches veth0 there.
    class Inside {
    public:
        explicit Inside(const TestBed& bed);
        ~Inside();
        Inside(const Inside&) = delete;
        Inside& operator=(const Inside&) = delete;

    private:
        int home_ = -1;
    };
    // nmcli inside the test bed, talking to its NetworkManager only.
    QString nmcli(const QStringList& args) const;
    // A property of NetworkManager's live IPv4 state of `adapter`, as `nmcli -g`
    // prints it: "IP4.ADDRESS", "IP4.GATEWAY", "IP4.DNS"...
    QString ip4(const QString& adapter, const QString& field) const;

    // Stop, start (waits until every adapter is available again) or both.
    void stopNetworkManager();
    void startNetworkManager();
    void restartNetworkManager();
    // SIGSTOP / SIGCONT: NetworkManager keeps its bus name but answers nothing.
    void freezeNetworkManager(bool frozen);

private:
    QString script(const QStringList& args, int timeoutMs = 30000) const;

    QString name_;
    QString peer_;
    QString bus_;
    QString dir_;
    QStringList adapters_;
    bool frozen_ = false;
};

} // namespace korvo::testing
