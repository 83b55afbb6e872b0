#include "core/CommandLine.h"

#include "core/ResultTexts.h"

#include <QStringList>

namespace korvo {

namespace {

const QString Dhcp = QStringLiteral("DHCP");

// A via-DHCP box that loading clears puts the remembered text back, except the marker itself; a ticked
// or unreadable one leaves the loaded text.
bool isBidi(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
           c == 0x061C;
}

QString hex(char16_t c, int digits) {
    return QString::number(c, 16).toUpper().rightJustified(digits, u'0');
}

QString serverAfterLoading(const QString& stored, const std::optional<bool>& viaDhcp) {
    return viaDhcp == false && stored == Dhcp ? QString() : stored;
}

} // namespace

std::array<ButtonProfile, ButtonCount> buttonProfiles(const StoredSettings& s) {
    std::array<ButtonProfile, ButtonCount> buttons;
    for (int k = 0; k < StoredProfileCount; ++k) {
        ButtonProfile& b = buttons[static_cast<std::size_t>(k)];
        b.Number = k + 1;
        b.Typed = s.Profiles[static_cast<std::size_t>(k)];
        b.ButtonName = b.Typed.Name;
    }
    // Line 128's "1" restores line 127's adapter into profile 1's list after its own.
    if (s.UseRepeatedAdapter && !s.RepeatedAdapterCaption.isEmpty())
        buttons[0].Typed.AdapterCaption = s.RepeatedAdapterCaption;

    ButtonProfile& dhcp = buttons[StoredProfileCount];
    dhcp.Number = ButtonCount;
    dhcp.ButtonName = Dhcp;
    dhcp.Mode = ApplyMode::Dhcp;
    dhcp.Typed = {Dhcp,
                  Dhcp,
                  Dhcp,
                  serverAfterLoading(s.DhcpPrimaryDNS, s.DNSViaDHCP),
                  serverAfterLoading(s.DhcpSecondaryDNS, s.DNSViaDHCP),
                  serverAfterLoading(s.DhcpPrimaryWINS, s.WINSViaDHCP),
                  serverAfterLoading(s.DhcpSecondaryWINS, s.WINSViaDHCP),
                  {},
                  s.DhcpAdapterCaption};
    return buttons;
}

int findButton(const std::array<ButtonProfile, ButtonCount>& buttons, const QString& profile) {
    if (profile.isEmpty()) return 0;
    bool isNumber = false;
    const int number = profile.toInt(&isNumber);
    if (isNumber && profile == QString::number(number))
        return number >= 1 && number <= ButtonCount ? number : 0;
    int found = 0;
    for (const ButtonProfile& b : buttons) {
        if (b.ButtonName != profile) continue;
        if (found) return -1;
        found = b.Number;
    }
    return found;
}

namespace {
// C1 controls and bidirectional formatting as \uXXXX (`upper`: hex digits in upper case); with
// `c0`, C0 controls and DEL as \xHH too.
QString escaped(const QString& text, bool c0, bool upper) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c0 && (c < 0x20 || c == 0x7F))
            shown += QStringLiteral("\\x") + hex(c, 2);
        else if ((c >= 0x80 && c <= 0x9F) || isBidi(c))
            shown += QStringLiteral("\\u") + (upper ? hex(c, 4) : hex(c, 4).toLower());
        else
            shown += ch;
    }
    return shown;
}
} // namespace

QString terminalText(const QString& text) {
    return escaped(text, true, true);
}

// JSON escapes C0 itself; C1 and bidi characters are legal in it but act on the terminal showing it.
QString jsonText(const QString& json) {
    return escaped(json, false, false);
}

QString plainReport(const ApplyOutcome& outcome) {
    QStringList lines;
    const auto addLines = [&lines](const QStringList& reasons) {
        for (const QString& reason : reasons)
            lines += reason.split(u'\r');
    };
    lines << leadLine(outcome);
    if (outcome.state == ApplyOutcome::State::ServiceError ||
        outcome.state == ApplyOutcome::State::NotApplied) {
        if (!outcome.Reasons.isEmpty()) lines << QString();
        addLines(outcome.Reasons);
    } else {
        lines << QString() << u'-' + outcome.Values.AdapterCaption + u'-' << QString();
        const Profile& v = outcome.InEffect;
        const QStringList names = fieldNames();
        const QString values[] = {v.IPAddress,    v.SubnetMask,  v.Gateway,      v.PrimaryDNS,
                                  v.SecondaryDNS, v.PrimaryWINS, v.SecondaryWINS};
        for (int i = 0; i < 7; ++i)
            lines << names[i].trimmed() + QStringLiteral(": ") + values[i];
        // The window's notes follow a line holding one blank; its refusals and messages an empty one.
        lines << (outcome.state == ApplyOutcome::State::Applied ? QStringLiteral(" ") : QString());
        addLines(outcome.Reasons);
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return outcome.Heading() + QStringLiteral("\n\n") + lines.join(u'\n') + u'\n';
}

} // namespace korvo
