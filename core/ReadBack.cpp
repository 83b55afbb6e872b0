#include "core/ReadBack.h"

#include "core/ResultTexts.h"
#include "platform/IPv4Address.h"

#include <QCoreApplication>
#include <QStringList>
#include <thread>

namespace korvo {

namespace {

using Status = SettingOutcome::Status;

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
        settings[i].name = QString::fromLatin1(SettingNames[i]);
    SettingOutcome& address = settings[0];
    SettingOutcome& mask = settings[1];
    SettingOutcome& gateway = settings[2];
    SettingOutcome* const dns[] = {&settings[3], &settings[4]};
    SettingOutcome* const wins[] = {&settings[5], &settings[6]};

    // Asked, as sent.
    address.asked = dhcp ? fromDhcp : sent.IPAddress;
    mask.asked = dhcp ? fromDhcp : sent.SubnetMask;
    gateway.asked = dhcp ? fromDhcp : sent.Gateway;
    const bool dnsFromDhcp = dhcp && omitted.PrimaryDNS;
    const bool dnsOmitted[] = {omitted.PrimaryDNS, omitted.PrimaryDNS || omitted.SecondaryDNS};
    const QString dnsSent[] = {sent.PrimaryDNS, sent.SecondaryDNS};
    for (int i = 0; i < 2; ++i)
        dns[i]->asked = dnsFromDhcp ? fromDhcp : dnsOmitted[i] ? QString() : dnsSent[i];
    wins[0]->asked = omitted.PrimaryWINS ? QString() : sent.PrimaryWINS;
    wins[1]->asked = omitted.PrimaryWINS ? QString() : sent.SecondaryWINS;

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
        address.in_effect = addresses.join(QStringLiteral(", "));
        if (!others.empty()) mask.in_effect = addressAndMask(others.front()).second;
        gateway.in_effect = fromStd(now->gateway);
        for (std::size_t i = 0; i < 2; ++i)
            if (i < now->dnsServers.size()) dns[i]->in_effect = fromStd(now->dnsServers[i]);
    }

    // The status: the service's answer, else the comparison.
    const auto decide = [&now](SettingOutcome& s, const platform::SettingResult& made,
                               const platform::SettingResult& whole, bool holds, bool shown = true) {
        if (const auto said = answered(made, whole)) {
            s.status = *said;
        } else if (!now || !shown) {
            s.status = Status::NotShown;
        } else {
            s.status = holds ? Status::InEffect : Status::Differs;
        }
    };
    const bool addressHolds =
        now && (dhcp ? now->dhcp && others.size() == 1
                     : !now->dhcp && others.size() == 1 && address.in_effect == address.asked);
    decide(address, result.address, result.whole, addressHolds);
    decide(mask, result.address, result.whole,
           dhcp ? addressHolds : now && !now->dhcp && mask.in_effect == mask.asked);
    if (dhcp)
        // Whether the lease gave the gateway, the live state does not say.
        decide(gateway, result.address, result.whole, true, false);
    else
        decide(gateway, result.gateways, result.whole, gateway.in_effect == gateway.asked);
    for (std::size_t i = 0; i < 2; ++i) {
        SettingOutcome& s = *dns[i];
        if (!dnsFromDhcp && i == 1 && omitted.PrimaryDNS && !omitted.SecondaryDNS) {
            s.status = Status::NotAsked; // a secondary server without a primary is not sent
            continue;
        }
        if (dnsFromDhcp) {
            const bool leaseKnown = now && now->leaseDnsServers;
            const std::string lease =
                leaseKnown && i < now->leaseDnsServers->size() ? (*now->leaseDnsServers)[i] : std::string();
            decide(s, result.dns, result.whole, s.in_effect == fromStd(lease), leaseKnown);
        } else {
            decide(s, result.dns, result.whole, s.in_effect == s.asked);
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
    using Field = QString Profile::*;
    static const Field fields[] = {&Profile::IPAddress,    &Profile::SubnetMask,   &Profile::Gateway,
                                   &Profile::PrimaryDNS,   &Profile::SecondaryDNS, &Profile::PrimaryWINS,
                                   &Profile::SecondaryWINS};
    const QStringList names = fieldNames();
    const QString none = QCoreApplication::translate("ResultTexts", "none");
    QStringList lines;
    for (std::size_t i = 0; i < settings.size() && i < std::size(fields); ++i) {
        const SettingOutcome& s = settings[i];
        if (s.status != Status::Differs) continue;
        const QString inEffect = s.in_effect.isEmpty() ? none : s.in_effect;
        outcome.InEffect.*fields[i] = inEffect;
        lines << QCoreApplication::translate("ResultTexts", "%1: %2 asked, %3 in effect.")
                     .arg(names[static_cast<qsizetype>(i)].trimmed(), s.asked.isEmpty() ? none : s.asked,
                          inEffect);
    }
    for (const SettingOutcome& s : settings) {
        if (s.name != QLatin1String("more_addresses")) continue;
        if (s.status == Status::Differs)
            lines << QCoreApplication::translate("ResultTexts", "More addresses: %1 asked, %2 in effect.")
                         .arg(s.asked, s.in_effect.isEmpty() ? none : s.in_effect);
        outcome.InEffect.MoreAddresses = s.in_effect.split(u' ', Qt::SkipEmptyParts);
        if (s.status == Status::InEffect)
            outcome.Reasons
                << QCoreApplication::translate("ResultTexts", "More addresses: %1").arg(s.in_effect);
    }
    if (lines.isEmpty()) return;
    outcome.state = ApplyOutcome::State::Refused;
    outcome.Differs = true;
    outcome.Reasons = lines + outcome.Reasons;
}

} // namespace korvo
