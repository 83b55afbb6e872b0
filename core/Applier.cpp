#include "core/Applier.h"

#include "core/AddressValidation.h"
#include "core/ReadBack.h"
#include "core/Rollback.h"
#include "core/ServiceConnection.h"
#include "platform/IPv4Address.h"
#include "platform/NetConfigService.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <exception>

namespace korvo {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// Primary DNS, secondary DNS, primary WINS, secondary WINS: the order every command works in.
struct ServerField {
    QString Profile::*text;
    bool OmittedServers::*omitted;
};
constexpr std::array<ServerField, 4> ServerFields{
    {{&Profile::PrimaryDNS, &OmittedServers::PrimaryDNS},
     {&Profile::SecondaryDNS, &OmittedServers::SecondaryDNS},
     {&Profile::PrimaryWINS, &OmittedServers::PrimaryWINS},
     {&Profile::SecondaryWINS, &OmittedServers::SecondaryWINS}}};

ApplyOutcome failure(Reason reason, const Profile& values) {
    ApplyOutcome outcome;
    outcome.Values = values;
    outcome.Reasons.push_back(std::move(reason));
    return outcome;
}

// The outcome on an adapter whose address (or DHCP) the service accepted: each setting's value in
// effect beside the refusals. A refused setting makes it Refused (its values marked so); a setting the
// platform has not got is no refusal, only a note (its values "not set"), as is a restart the change
// needs or a cable that must be connected first.
ApplyOutcome madeOutcome(const Profile& p, const ShownValues& sent, const platform::ChangeResult& result) {
    using Status = platform::SettingResult::Status;
    using Mark = ValueMark;
    struct Setting {
        const platform::SettingResult& result;
        ReasonSubject subject;
        std::vector<AddressField> fields;
    };
    const Setting settings[] = {
        {result.gateways, ReasonSubject::Gateway, {GatewayField}},
        {result.wins, ReasonSubject::WinsServers, {PrimaryWINSField, SecondaryWINSField}},
        {result.dns, ReasonSubject::DnsServers, {PrimaryDNSField, SecondaryDNSField}},
    };
    ShownValues shown = sent;
    std::vector<Reason> refusals;
    std::vector<Reason> notes;
    std::optional<QString> failed; // why the service stopped answering part-way
    for (const Setting& s : settings) {
        Mark mark = Mark::NotSet;
        switch (s.result.status) {
        case Status::NotMade:
            // Not asked for (no gateway on DHCP), unless the service failed before it.
            if (!failed) continue;
            break;
        case Status::ServiceFailed:
            if (!failed) failed = QString::fromStdString(s.result.reason);
            break;
        case Status::NotOnThisPlatform:
            notes.push_back({ReasonKind::NotOnThisPlatform, {}, s.subject});
            break;
        case Status::Refused:
        case Status::SavedNotInEffect:
            refusals.push_back({ReasonKind::Refused,
                                {QString::fromStdString(s.result.reason)},
                                s.subject,
                                {},
                                s.result.code});
            mark = Mark::Refused;
            break;
        case Status::Applied:
        case Status::RestartPending:
        case Status::WhenConnected:
            continue;
        }
        for (const AddressField f : s.fields)
            // A secondary DNS server that was never sent keeps saying so.
            if (shown[f].Mark != Mark::Ignored) shown[f] = {mark, {}};
    }
    for (const platform::SettingResult* made :
         {&result.address, &result.gateways, &result.wins, &result.dns, &result.whole}) {
        if (made->status == Status::RestartPending) {
            notes.push_back({ReasonKind::RestartNeeded});
            break;
        }
    }
    if (result.whole.status == Status::WhenConnected) notes.push_back({ReasonKind::CableNotConnected});
    if (failed) refusals.push_back({ReasonKind::ServiceFailedPartWay, {*failed}});

    ApplyOutcome outcome{refusals.empty() ? ApplyState::Applied : ApplyState::Refused, false, p, shown,
                         refusals};
    outcome.Reasons.insert(outcome.Reasons.end(), notes.begin(), notes.end());
    return outcome;
}

bool holds(const platform::IPv4State& state, const std::string& address) {
    return std::any_of(state.addresses.begin(), state.addresses.end(), [&address](const std::string& a) {
        return platform::IPv4Address::splitPrefix(a).first == address;
    });
}

// What the address check found on one adapter, before anything is changed.
struct Before {
    platform::Adapter* adapter;
    std::optional<bool> addressFree;
    QString answeredBy;
    QString taken;                            // the address another host answered for, where not the first
    QString notChecked;                       // why the address was not checked, where the report says so
    std::optional<platform::IPv4State> state; // what it has before the change, where the service says
    bool gatewayAnswered = false;             // the adapter's gateway before the change answered lately
    std::optional<platform::PendingRollback> pending = std::nullopt; // another program's, on this adapter
};

// Adds the gateway's answer to the outcome of the adapters in `asked` (each with its place in the
// outcome's list); true where one that answered before the change does not now.
bool checkGateways(ApplyOutcome& outcome, const std::vector<std::pair<Before, std::size_t>>& asked,
                   const std::string& gateway) {
    bool cutOff = false;
    for (const auto& [b, index] : asked) {
        const platform::LinkAnswer answer = b.adapter->reach(gateway, GatewayWait);
        if (answer.kind == platform::LinkAnswer::Kind::NotChecked) continue;
        const bool answers = answer.kind == platform::LinkAnswer::Kind::Answered;
        if (index < outcome.Adapters.size()) outcome.Adapters[index].GatewayAnswers = answers;
        outcome.Reasons.push_back({answers ? ReasonKind::GatewayAnswers : ReasonKind::GatewayDoesNotAnswer,
                                   {QString::fromStdString(gateway)}});
        cutOff = cutOff || (b.gatewayAnswered && !answers);
    }
    return cutOff;
}

} // namespace

std::vector<std::string> sentDnsServers(const Profile& p, const OmittedServers& omitted) {
    std::vector<std::string> dns;
    if (!omitted.PrimaryDNS) {
        dns.push_back(text(p.PrimaryDNS));
        if (!omitted.SecondaryDNS) dns.push_back(text(p.SecondaryDNS));
    }
    return dns;
}

std::vector<platform::IPv4Settings::Address> sentMoreAddresses(const Profile& p) {
    std::vector<platform::IPv4Settings::Address> sent;
    for (const QString& cidr : p.MoreAddresses) {
        const std::string typed = text(cidr); // splitPrefix's parts are views into it
        const auto [address, prefix] = platform::IPv4Address::splitPrefix(typed);
        const auto mask = platform::IPv4Address::maskOf(prefix.value_or(-1));
        sent.push_back({std::string(address), mask ? mask->toString() : std::string()});
    }
    return sent;
}

OmittedServers takeServers(Profile& p, ApplyMode mode) {
    OmittedServers omitted;
    for (const ServerField& s : ServerFields) {
        // On the DHCP tab the literal is the instruction to take this server from DHCP;
        // " DHCP" or "dhcp" is not.
        const bool fromDhcp = mode == ApplyMode::Dhcp && p.*s.text == QLatin1String("DHCP");
        p.*s.text = trimBlanks(p.*s.text);
        // An empty primary DNS on the DHCP tab stays tested, and so reported.
        const bool emptyLeftOut = mode == ApplyMode::Static || s.text != &Profile::PrimaryDNS;
        omitted.*s.omitted = fromDhcp || ((p.*s.text).isEmpty() && emptyLeftOut);
    }
    return omitted;
}

Applier::Applier(std::shared_ptr<platform::ServiceConnector> connector) : Connector(std::move(connector)) {}

ApplyOutcome Applier::SetInterface(const Profile& typed, ApplyMode mode) const {
    return SetInterface(typed, mode, {});
}

ApplyOutcome Applier::SetInterface(const Profile& typed, ApplyMode mode, const ApplyChecks& checks) const {
    Profile p = typed;
    const OmittedServers omitted = takeServers(p, mode);

    const ValidationOutcome validation = validateAddresses(p, mode, omitted);
    const QStringList moreInvalid = validateMoreAddresses(p.MoreAddresses);
    if (!validation.valid() || !moreInvalid.isEmpty()) {
        ApplyOutcome invalid{ApplyState::Invalid, false, p, shownValues(p)};
        for (int f = 0; f < AddressFieldCount; ++f)
            if (validation.Valid[static_cast<std::size_t>(f)] != 1)
                invalid.Reasons.push_back({ReasonKind::Invalid, {}, {}, static_cast<AddressField>(f)});
        for (const QString& entry : moreInvalid)
            invalid.Reasons.push_back({ReasonKind::InvalidMoreAddress, {entry}});
        return invalid;
    }

    ApplyOutcome outcome;
    std::vector<AdapterOutcome> changed;
    bool matched = false;
    std::string notListed; // why the service left the adapter out, when it knows
    std::shared_ptr<Rollback> undo;
    try {
        const std::unique_ptr<platform::Service> service =
            connectService(Connector.get(), platform::Purpose::Change);
        const auto adapters = service->adapters();

        platform::IPv4Settings settings;
        if (mode == ApplyMode::Static) {
            settings.staticAddresses = {{text(p.IPAddress), text(p.SubnetMask)}};
            for (const platform::IPv4Settings::Address& a : sentMoreAddresses(p))
                settings.staticAddresses->push_back(a);
            settings.gateways = {text(p.Gateway)};
        } else {
            settings.besideLease = sentMoreAddresses(p);
        }
        if (!omitted.PrimaryDNS) settings.dnsServers = sentDnsServers(p, omitted);
        settings.winsServers = !omitted.PrimaryWINS ? std::pair(text(p.PrimaryWINS), text(p.SecondaryWINS))
                                                    : std::pair(std::string(), std::string());
        ShownValues sent = shownValues(p);
        // A secondary server without a primary is not sent, and the summary says so.
        if (omitted.PrimaryDNS && !omitted.SecondaryDNS) sent[SecondaryDNSField] = {ValueMark::Ignored, {}};

        const std::string caption = text(p.AdapterCaption);
        const std::string address = text(p.IPAddress);
        const std::string gateway = mode == ApplyMode::Static ? text(p.Gateway) : std::string();
        // Before anything is changed: whether another host answers for the address (not asked where the
        // adapter has it already), and whether the gateway the adapter has now answered lately.
        std::vector<platform::Adapter*> targets = adaptersNamed(adapters, caption);
        // The adapter came back under another name (a USB adapter, another port): its hardware address
        // still tells which it is.
        QString renamed;
        if (targets.empty())
            if (platform::Adapter* same = adapterWithHardwareAddress(adapters, text(p.HardwareAddress))) {
                targets.push_back(same);
                renamed = QString::fromStdString(same->caption());
            }
        std::vector<Before> checked;
        for (platform::Adapter* adapter : targets) {
            Before b{adapter, std::nullopt, {}, {}, {}, adapter->ipv4State()};
            const std::optional<platform::IPv4State>& state = b.state;
            if (mode == ApplyMode::Static && !(state && holds(*state, address))) {
                const platform::LinkAnswer holder = adapter->holderOf(address, AddressProbeWait);
                if (holder.kind == platform::LinkAnswer::Kind::NotChecked)
                    b.notChecked = QString::fromStdString(holder.why);
                else
                    b.addressFree = holder.kind == platform::LinkAnswer::Kind::Silent;
                b.answeredBy = QString::fromStdString(holder.hardwareAddress);
            }
            // The further addresses too, each one the adapter does not hold yet.
            for (const platform::IPv4Settings::Address& a : sentMoreAddresses(p)) {
                if (b.addressFree == false) break;
                if (state && holds(*state, a.address)) continue;
                const platform::LinkAnswer holder = adapter->holderOf(a.address, AddressProbeWait);
                if (holder.kind != platform::LinkAnswer::Kind::Answered) continue;
                b.addressFree = false;
                b.answeredBy = QString::fromStdString(holder.hardwareAddress);
                b.taken = QString::fromStdString(a.address);
            }
            // Asked before Korvo takes a way back of its own, which would be one too.
            try {
                b.pending = service->pendingRollback(*adapter);
            } catch (const std::exception&) {
                // Whether something will undo the change could not be asked; the outcome stands.
            }
            if (!gateway.empty() && state && !state->gateway.empty())
                b.gatewayAnswered = adapter->reach(state->gateway, std::chrono::milliseconds(0)).kind ==
                                    platform::LinkAnswer::Kind::Answered;
            checked.push_back(b);
        }
        // A way back, taken before the change, for a change that cuts the adapter off from its gateway.
        if (checks.undoWithin.count() > 0 &&
            std::any_of(checked.begin(), checked.end(), [](const Before& b) { return b.gatewayAnswered; })) {
            std::vector<const platform::Adapter*> guarded;
            for (const Before& b : checked)
                if (b.addressFree != false) guarded.push_back(b.adapter);
            try {
                // A margin past the caller's own time, so that the caller's decision comes first.
                if (!guarded.empty())
                    undo = std::make_shared<Rollback>(Connector, *service, guarded,
                                                      checks.undoWithin + std::chrono::seconds(15));
            } catch (const std::exception&) {
                undo.reset(); // no way back (another rollback holds the adapter): the change goes on
            }
        }

        std::vector<std::pair<Before, std::size_t>> asked; // applied, with their place in `changed`
        // Every adapter of that caption is changed; the last one's outcome is shown.
        for (const Before& b : checked) {
            platform::Adapter* const adapter = b.adapter;
            matched = true;
            if (b.addressFree == false) {
                outcome =
                    failure({ReasonKind::AddressInUse,
                             {b.taken.isEmpty() ? p.IPAddress : b.taken, b.answeredBy, p.AdapterCaption}},
                            p);
                outcome.State = ApplyState::NotApplied;
                // Nothing was made: what the adapter has stands beside what was asked.
                changed.push_back({p.AdapterCaption, outcome.State,
                                   compareSettings(p, mode, omitted, platform::ChangeResult{}, b.state),
                                   false, b.answeredBy, std::nullopt});
                continue;
            }
            const platform::ChangeResult result = adapter->apply(settings);
            const auto record = [&](const std::optional<platform::IPv4State>& now) {
                changed.push_back({p.AdapterCaption, outcome.State,
                                   compareSettings(p, mode, omitted, result, now), std::nullopt, QString(),
                                   std::nullopt});
                return &changed.back().Settings;
            };
            if (!platform::succeeded(result.address.code)) {
                outcome = failure({ReasonKind::Refused,
                                   {QString::fromStdString(result.address.reason)},
                                   mode == ApplyMode::Static ? ReasonSubject::Address : ReasonSubject::Dhcp,
                                   {},
                                   result.address.code},
                                  p);
                record(std::nullopt);
                continue;
            }
            const platform::SettingResult& whole = result.whole;
            const QString detail = QString::fromStdString(whole.reason);
            if (whole.status == platform::SettingResult::Status::SavedNotInEffect) {
                outcome = {ApplyState::Refused, true, p, sent};
                if (!detail.isEmpty()) outcome.Reasons.push_back({ReasonKind::SavedNotInEffect, {detail}});
                record(std::nullopt);
                continue;
            }
            if (whole.status == platform::SettingResult::Status::Refused) {
                outcome = failure({ReasonKind::Refused, {detail}, ReasonSubject::Change, {}, whole.code}, p);
                record(std::nullopt);
                continue;
            }
            // The address is in place by now: a refused server is reported beside the values in effect,
            // and so is a setting the adapter does not have when it is read back.
            outcome = madeOutcome(p, sent, result);
            std::optional<platform::IPv4State> now;
            if (result.whole.status != platform::SettingResult::Status::WhenConnected) {
                try {
                    // A refused setting is never held; the rest is, a moment later (a read at once
                    // could find the address not yet in place and report it missing).
                    now = readBackSettled(*adapter, madeOf(settings, result),
                                          mode == ApplyMode::Dhcp ? LeaseLimit : SettleLimit);
                } catch (const platform::ServiceError& e) {
                    outcome.Reasons.push_back({ReasonKind::NotReadBack, {QString::fromStdString(e.what())}});
                }
            }
            reportDifferences(outcome, *record(now));
            changed.back().State = outcome.State;
            changed.back().AddressFree = b.addressFree;
            if (!b.notChecked.isEmpty())
                outcome.Reasons.push_back({ReasonKind::AddressNotChecked, {p.IPAddress, b.notChecked}});
            if (outcome.State == ApplyState::Applied) asked.emplace_back(b, changed.size() - 1);
            if (b.pending) outcome.PendingRollback = b.pending;
        }
        if (!matched) notListed = service->whyNotListed(caption);
        if (!renamed.isEmpty()) {
            for (AdapterOutcome& a : changed)
                a.Caption = renamed;
            outcome.NowNamed = renamed;
            outcome.Reasons.push_back(
                {ReasonKind::FoundByHardwareAddress, {p.AdapterCaption, renamed, p.HardwareAddress}});
        }
        outcome.Adapters = changed;
        if (!gateway.empty() && !asked.empty()) {
            if (checks.made) checks.made(outcome);
            if (checkGateways(outcome, asked, gateway) && undo) {
                outcome.Undo = undo;
                undo.reset();
            }
        }
        if (undo) {
            try {
                undo->keep();
            } catch (const std::exception& e) {
                outcome.Reasons.push_back({ReasonKind::UndoNotGivenUp, {QString::fromStdString(e.what())}});
            }
        }
    } catch (const std::exception& e) {
        // The report says the service failed; a way back must not change the adapter later unsaid.
        if (undo) {
            try {
                undo->keep();
            } catch (const std::exception&) {
            }
        }
        ApplyOutcome failed = failure({ReasonKind::ServiceFailed, {QString::fromStdString(e.what())}}, p);
        failed.Unconfirmed = dynamic_cast<const platform::UnconfirmedChange*>(&e) != nullptr;
        failed.Adapters = std::move(changed);
        return failed;
    }
    if (!matched)
        return failure({ReasonKind::AdapterNotListed, {p.AdapterCaption, QString::fromStdString(notListed)}},
                       p);
    return outcome;
}

} // namespace korvo
