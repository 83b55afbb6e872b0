#include "platform/nm/LinkProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace korvo::platform::link {

namespace {

using Kind = LinkAnswer::Kind;
using std::chrono::milliseconds;

LinkAnswer notChecked(std::string why) {
    return {Kind::NotChecked, {}, std::move(why)};
}

// The backend's own words, in the user's language (the context NmSentences.h's said() uses).
QString said(const char* english) {
    return QCoreApplication::translate("korvo::NetworkManager", english);
}

// Closes the descriptor it holds.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

// Not in this program's network namespace (or gone): asking another link by the same name would
// be worse than not asking.
std::optional<LinkAnswer> unseen(const QString& interfaceName, unsigned& index) {
    index = ::if_nametoindex(interfaceName.toLocal8Bit().constData());
    if (index == 0)
        return notChecked(said(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                                 "Korvo does not see the adapter %1 where it runs"))
                              .arg(interfaceName)
                              .toStdString());
    return std::nullopt;
}

struct Neighbour {
    bool found = false;
    std::uint16_t state = 0;
    std::string hardwareAddress;
};

std::string hexAddress(const unsigned char* bytes, std::size_t size) {
    std::string out;
    static const char digits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < size; ++i) {
        if (i) out += ':';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0xf];
    }
    return out;
}

// The kernel's neighbour entry for `address` on adapter `index`, by an rtnetlink dump (no privilege).
std::optional<Neighbour> neighbour(unsigned index, in_addr address) {
    Descriptor sock(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (sock.fd < 0) return std::nullopt;
    struct {
        nlmsghdr header;
        ndmsg message;
    } request{};
    request.header.nlmsg_len = NLMSG_LENGTH(sizeof(ndmsg));
    request.header.nlmsg_type = RTM_GETNEIGH;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = 1;
    request.message.ndm_family = AF_INET;
    request.message.ndm_ifindex = static_cast<int>(index);
    if (::send(sock.fd, &request, request.header.nlmsg_len, 0) < 0) return std::nullopt;

    Neighbour found;
    alignas(nlmsghdr) char buffer[16384];
    for (;;) {
        const ssize_t got = ::recv(sock.fd, buffer, sizeof buffer, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        auto length = static_cast<unsigned>(got);
        for (auto* h = reinterpret_cast<nlmsghdr*>(buffer); NLMSG_OK(h, length); h = NLMSG_NEXT(h, length)) {
            if (h->nlmsg_type == NLMSG_DONE) return found;
            if (h->nlmsg_type == NLMSG_ERROR) return std::nullopt;
            if (h->nlmsg_type != RTM_NEWNEIGH) continue;
            const auto* entry = static_cast<const ndmsg*>(NLMSG_DATA(h));
            if (entry->ndm_family != AF_INET || entry->ndm_ifindex != static_cast<int>(index)) continue;
            bool same = false;
            std::string hardware;
            int rest = static_cast<int>(RTM_PAYLOAD(h));
            for (auto* a = reinterpret_cast<rtattr*>(RTM_RTA(entry)); RTA_OK(a, rest);
                 a = RTA_NEXT(a, rest)) {
                if (a->rta_type == NDA_DST && RTA_PAYLOAD(a) == sizeof(in_addr))
                    same = std::memcmp(RTA_DATA(a), &address, sizeof(in_addr)) == 0;
                else if (a->rta_type == NDA_LLADDR)
                    hardware = hexAddress(static_cast<const unsigned char*>(RTA_DATA(a)), RTA_PAYLOAD(a));
            }
            if (same) found = {true, entry->ndm_state, hardware};
        }
    }
}

constexpr std::uint16_t Confirmed = NUD_REACHABLE | NUD_PERMANENT | NUD_NOARP;
// Resolved once and not failed since, though not confirmed lately.
constexpr std::uint16_t Known = NUD_STALE | NUD_DELAY | NUD_PROBE;

// A datagram towards `host` from the adapter: the kernel resolves the host's hardware address on the
// link to send it. False while the adapter has no route there yet (its address still being set).
bool sendTowards(const QString& interfaceName, in_addr host) {
    Descriptor sock(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (sock.fd < 0) return false;
    // Out through this adapter whatever the routes say; kernels before 5.7 want a privilege for it,
    // and then the routes choose.
    const QByteArray name = interfaceName.toLocal8Bit();
    (void)::setsockopt(sock.fd, SOL_SOCKET, SO_BINDTODEVICE, name.constData(),
                       static_cast<socklen_t>(name.size()));
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9); // discard
    to.sin_addr = host;
    if (::connect(sock.fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) return false;
    return ::send(sock.fd, "", 0, MSG_DONTWAIT) >= 0 || errno == EAGAIN;
}

std::string unreadable() {
    return said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "the kernel's neighbour table could not be read"))
        .toStdString();
}

QString arpingPath() {
    const QString found = QStandardPaths::findExecutable(QStringLiteral("arping"));
    if (!found.isEmpty()) return found;
    return QStandardPaths::findExecutable(QStringLiteral("arping"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

// A host the kernel resolved once but has not heard from lately, asked again by an ARP request of
// arping's (the kernel itself would wait seconds before it asks); nullopt without arping.
std::optional<LinkAnswer> askAgain(const QString& interfaceName, const std::string& host, milliseconds wait);

} // namespace

std::string replyHardwareAddress(const QString& arpingOutput) {
    static const QRegularExpression reply(QStringLiteral("reply from \\S+ \\[([0-9A-Fa-f:]+)\\]"));
    const QRegularExpressionMatch match = reply.match(arpingOutput);
    return match.hasMatch() ? match.captured(1).toLower().toStdString() : std::string();
}

LinkAnswer holderOf(const QString& interfaceName, const std::string& address, milliseconds wait) {
    unsigned index = 0;
    if (auto none = unseen(interfaceName, index)) return *none;
    const QString arping = arpingPath();
    if (arping.isEmpty())
        return notChecked(
            said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "arping is not installed")).toStdString());
    QProcess process;
    // Duplicate address detection: probes from 0.0.0.0, the first at once; it ends at the first reply.
    process.start(arping, {QStringLiteral("-D"), QStringLiteral("-c"), QStringLiteral("2"),
                           QStringLiteral("-w"), QStringLiteral("1"), QStringLiteral("-I"), interfaceName,
                           QString::fromStdString(address)});
    if (!process.waitForStarted(1000))
        return notChecked(
            said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "arping could not be started")).toStdString());
    if (!process.waitForFinished(static_cast<int>(wait.count()))) {
        // No reply so far: a host that holds the address answers the first probe within milliseconds.
        process.kill();
        process.waitForFinished(1000);
        return {Kind::Silent, {}, {}};
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() == QProcess::NormalExit) {
        if (process.exitCode() == 0) return {Kind::Silent, {}, {}};
        if (const std::string hardware = replyHardwareAddress(output); !hardware.empty())
            return {Kind::Answered, hardware, {}};
    }
    const QString told = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    const QString failed = said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "arping failed"));
    return notChecked((told.isEmpty() ? failed : failed + QStringLiteral(": ") + told).toStdString());
}

LinkAnswer reach(const QString& interfaceName, const std::string& host, milliseconds wait) {
    unsigned index = 0;
    if (auto none = unseen(interfaceName, index)) return *none;
    in_addr target{};
    if (::inet_pton(AF_INET, host.c_str(), &target) != 1)
        return notChecked(said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "%1 is not an IPv4 address"))
                              .arg(QString::fromStdString(host))
                              .toStdString());

    const auto answered = [](const Neighbour& n) {
        return LinkAnswer{Kind::Answered, n.hardwareAddress, {}};
    };
    const auto before = neighbour(index, target);
    if (!before) return notChecked(unreadable());
    if (before->found && (before->state & Confirmed)) return answered(*before);
    if (wait.count() <= 0) {
        if (before->found && (before->state & Known)) return answered(*before);
        return {Kind::Silent, {}, {}};
    }

    QElapsedTimer timer;
    timer.start();
    bool sent = false;
    bool askedAgain = false;
    std::optional<Neighbour> now = before;
    while (timer.elapsed() < wait.count()) {
        // Until the adapter's new address and routes are in place, the datagram has no way out.
        if (!sent) sent = sendTowards(interfaceName, target);
        if (sent) {
            now = neighbour(index, target);
            if (!now) return notChecked(unreadable());
            if (now->found && (now->state & Confirmed)) return answered(*now);
            if (now->found && (now->state & NUD_FAILED)) return {Kind::Silent, {}, {}};
            if (now->found && (now->state & Known) && !askedAgain) {
                askedAgain = true;
                const milliseconds left(wait.count() - timer.elapsed());
                if (const auto again = askAgain(interfaceName, host, left)) return *again;
            }
        }
        QThread::msleep(sent ? 5 : 10);
    }
    // Resolved before and not failed since (and no arping to ask again): its hardware address is still
    // the kernel's to use.
    if (sent && now && now->found && (now->state & Known)) return answered(*now);
    return {Kind::Silent, {}, {}};
}

namespace {

std::optional<LinkAnswer> askAgain(const QString& interfaceName, const std::string& host, milliseconds wait) {
    const QString arping = arpingPath();
    if (arping.isEmpty() || wait.count() <= 0) return std::nullopt;
    QProcess process;
    // It ends at the first reply.
    process.start(arping,
                  {QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-w"), QStringLiteral("1"),
                   QStringLiteral("-I"), interfaceName, QString::fromStdString(host)});
    if (!process.waitForStarted(1000)) return std::nullopt;
    if (!process.waitForFinished(static_cast<int>(wait.count()))) {
        process.kill();
        process.waitForFinished(1000);
        return LinkAnswer{Kind::Silent, {}, {}};
    }
    const std::string hardware =
        replyHardwareAddress(QString::fromLocal8Bit(process.readAllStandardOutput()));
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1) return std::nullopt;
    if (!hardware.empty()) return LinkAnswer{Kind::Answered, hardware, {}};
    return LinkAnswer{Kind::Silent, {}, {}};
}

} // namespace

} // namespace korvo::platform::link
