#include "core/ReadBack.h"

#include "core/Applier.h"

#include "platform/IPv4Address.h"

#include <QStringList>
#include <thread>

namespace korvo {

namespace {

using Status = SettingStatus;

const char* const SettingNames[] = {"ip_address",    "subnet_mask",  "gateway",       "primary_dns",
                                    "secondary_dns", "primary_wins", "secondary_wins"};

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// "192.0.2.10/24" as its address and its mask.
std::pair<QString, QString> addressAndMask(const std::string& withPrefix) {
    const auto [text, prefix] = platform::IPv4Address::splitPrefix(withPrefix);
    const auto mask = platform::IPv4Address::maskOf(prefix.value_or(-1));
    return {fromStd(std::string(text)), mask ? fromStd(mask->toString()) : QString()};
}

// What a made setting's answer leaves to compare: nullopt when the read-back decides.
std::optional<Status> answered(const platform::SettingResult& made, const platform::SettingResult& whole) {
    using S = platform::SettingResult::Status;
    for (const platform::SettingResult* r : {&made, &whole}) {
        switch (r->status) {
        case S::Refused:
            return Status::Refused;
        case S::NotOnThisPlatform:
            return Status::NotOnThisPlatform;
        case S::WhenConnected:
            return Status::WhenConnected;
        case S::SavedNotInEffect:
            return Status::SavedNotInEffect;
        case S::ServiceFailed:
            return Status::NotMade;
        case S::RestartPending:
            return Status::NotShown; // the restart brings it
        case S::NotMade:
        case S::Applied:
            break;
        }
    }
    if (made.status == S::NotMade) return Status::NotMade;
    return std::nullopt;
}

} // namespace

std::optional<platform::IPv4State> readBackSettled(platform::Adapter& adapter,
                                                   const platform::IPv4Settings& asked,
                                                   std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        std::optional<platform::IPv4State> now = adapter.readBack();
        if (!now || platform::holds(*now, asked) || std::chrono::steady_clock::now() >= end) return now;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

platform::IPv4Settings madeOf(const platform::IPv4Settings& asked, const platform::ChangeResult& result) {
    using S = platform::SettingResult::Status;
    platform::IPv4Settings made = asked;
    if (result.gateways.status == S::Refused) made.gateways.reset();
    if (result.dns.status == S::Refused) made.setsDns = false;
    return made;
}

std::vector<SettingOutcome> compareSettings(const Profile& sent, ApplyMode mode,
                                            const OmittedServers& omitted,
                                            const platform::ChangeResult& result,
                                            const std::optional<platform::IPv4State>& now) {
    const bool dhcp = mode == ApplyMode::Dhcp;
    const QString fromDhcp = QStringLiteral("DHCP");
    std::vector<SettingOutcome> settings(std::size(SettingNames));
    for (std::size_t i = 0; i < settings.size(); ++i)
        settings[i].Name = QString::fromLatin1(SettingNames[i]);
    SettingOutcome& address = settings[0];
    SettingOutcome& mask = settings[1];
    SettingOutcome& gateway = settings[2];
    SettingOutcome* const dns[] = {&settings[3], &settings[4]};
    SettingOutcome* const wins[] = {&settings[5], &settings[6]};

    // Asked, as sent.
    address.Asked = dhcp ? fromDhcp : sent.IPAddress;
    mask.Asked = dhcp ? fromDhcp : sent.SubnetMask;
    gateway.Asked = dhcp ? fromDhcp : sent.Gateway;
    const bool dnsFromDhcp = dhcp && omitted.PrimaryDNS;
    const bool dnsOmitted[] = {omitted.PrimaryDNS, omitted.PrimaryDNS || omitted.SecondaryDNS};
    const QString dnsSent[] = {sent.PrimaryDNS, sent.SecondaryDNS};
    for (int i = 0; i < 2; ++i)
        dns[i]->Asked = dnsFromDhcp ? fromDhcp : dnsOmitted[i] ? QString() : dnsSent[i];
    wins[0]->Asked = omitted.PrimaryWINS ? QString() : sent.PrimaryWINS;
    wins[1]->Asked = omitted.PrimaryWINS ? QString() : sent.SecondaryWINS;

    // The further addresses are compared on their own: the first address is whichever else the adapter has.
    QStringList moreAsked;
    for (const platform::IPv4Settings::Address& a : sentMoreAddresses(sent)) {
        const auto m = platform::IPv4Address::parse(a.mask);
        moreAsked << fromStd(a.address) + u'/' + QString::number(m ? m->prefixLength().value_or(0) : 0);
    }
    QStringList moreHeld;
    std::vector<std::string> others;
    if (now)
        for (const std::string& a : now->addresses) {
            if (moreAsked.contains(fromStd(a)))
                moreHeld << fromStd(a);
            else
                others.push_back(a);
        }

    // In effect, as read back; the primary address first.
    if (now) {
        QStringList addresses;
        for (const std::string& a : others)
            addresses << addressAndMask(a).first;
        address.InEffect = addresses.join(QStringLiteral(", "));
        if (!others.empty()) mask.InEffect = addressAndMask(others.front()).second;
        gateway.InEffect = fromStd(now->gateway);
        for (std::size_t i = 0; i < 2; ++i)
            if (i < now->dnsServers.size()) dns[i]->InEffect = fromStd(now->dnsServers[i]);
    }

    // The status: the service's answer, else the comparison.
    const auto decide = [&now](SettingOutcome& s, const platform::SettingResult& made,
                               const platform::SettingResult& whole, bool holds, bool shown = true) {
        if (const auto said = answered(made, whole)) {
            s.Status = *said;
        } else if (!now || !shown) {
            s.Status = Status::NotShown;
        } else {
            s.Status = holds ? Status::InEffect : Status::Differs;
        }
    };
    const bool addressHolds =
        now && (dhcp ? now->dhcp && others.size() == 1
                     : !now->dhcp && others.size() == 1 && address.InEffect == address.Asked);
    decide(address, result.address, result.whole, addressHolds);
    decide(mask, result.address, result.whole,
           dhcp ? addressHolds : now && !now->dhcp && mask.InEffect == mask.Asked);
    if (dhcp)
        // Whether the lease gave the gateway, the live state does not say.
        decide(gateway, result.address, result.whole, true, false);
    else
        decide(gateway, result.gateways, result.whole, gateway.InEffect == gateway.Asked);
    for (std::size_t i = 0; i < 2; ++i) {
        SettingOutcome& s = *dns[i];
        if (!dnsFromDhcp && i == 1 && omitted.PrimaryDNS && !omitted.SecondaryDNS) {
            s.Status = Status::NotAsked; // a secondary server without a primary is not sent
            continue;
        }
        if (dnsFromDhcp) {
            const bool leaseKnown = now && now->leaseDnsServers;
            const std::string lease =
                leaseKnown && i < now->leaseDnsServers->size() ? (*now->leaseDnsServers)[i] : std::string();
            decide(s, result.dns, result.whole, s.InEffect == fromStd(lease), leaseKnown);
        } else {
            decide(s, result.dns, result.whole, s.InEffect == s.Asked);
        }
    }
    for (SettingOutcome* s : wins)
        decide(*s, result.wins, result.whole, true, false);
    if (!moreAsked.isEmpty()) {
        // In their order on a static adapter; beside a lease the service's order is its own.
        SettingOutcome more{QStringLiteral("more_addresses"), moreAsked.join(u' '), moreHeld.join(u' ')};
        QStringList sortedAsked = moreAsked, sortedHeld = moreHeld;
        sortedAsked.sort();
        sortedHeld.sort();
        decide(more, result.address, result.whole, dhcp ? sortedAsked == sortedHeld : moreAsked == moreHeld);
        settings.push_back(more);
    }
    return settings;
}

void reportDifferences(ApplyOutcome& outcome, const std::vector<SettingOutcome>& settings) {
    std::vector<Reason> differences;
    for (std::size_t i = 0; i < settings.size() && i < outcome.InEffect.size(); ++i) {
        const SettingOutcome& s = settings[i];
        if (s.Status != Status::Differs) continue;
        outcome.InEffect[i] =
            s.InEffect.isEmpty() ? ShownValue{ValueMark::None, {}} : ShownValue{ValueMark::Value, s.InEffect};
        differences.push_back({ReasonKind::Differs, {s.Asked, s.InEffect}, {}, static_cast<AddressField>(i)});
    }
    for (const SettingOutcome& s : settings) {
        if (s.Name != QLatin1String("more_addresses")) continue;
        if (s.Status == Status::Differs)
            differences.push_back({ReasonKind::MoreAddressesDiffer, {s.Asked, s.InEffect}});
        outcome.MoreAddressesInEffect = s.InEffect.split(u' ', Qt::SkipEmptyParts);
        if (s.Status == Status::InEffect)
            outcome.Reasons.push_back({ReasonKind::MoreAddresses, {s.InEffect}});
    }
    if (differences.empty()) return;
    outcome.State = ApplyState::Refused;
    outcome.Differs = true;
    outcome.Reasons.insert(outcome.Reasons.begin(), differences.begin(), differences.end());
}

} // namespace korvo
