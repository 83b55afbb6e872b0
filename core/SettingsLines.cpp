#include "core/SettingsLines.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace korvo {

namespace {

using settings_line::ProfileField;

constexpr QChar CR = QLatin1Char('\r');
constexpr QChar LF = QLatin1Char('\n');
constexpr QChar NUL = QLatin1Char('\0');

QString stateLine(const std::optional<bool>& state) {
    return state ? QString::number(*state ? 1 : 0) : QString();
}

// The fields of a profile block in line order, so that building and reading
// cannot drift apart.
template <typename P, typename Visit>
void forEachField(P& p, Visit visit) {
    visit(ProfileField::IPAddress, p.IPAddress);
    visit(ProfileField::SubnetMask, p.SubnetMask);
    visit(ProfileField::Gateway, p.Gateway);
    visit(ProfileField::PrimaryDNS, p.PrimaryDNS);
    visit(ProfileField::SecondaryDNS, p.SecondaryDNS);
    visit(ProfileField::PrimaryWINS, p.PrimaryWINS);
    visit(ProfileField::SecondaryWINS, p.SecondaryWINS);
    visit(ProfileField::Name, p.Name);
    visit(ProfileField::AdapterCaption, p.AdapterCaption);
}

} // namespace

std::optional<bool> checkStateFromLine(const QString& line) {
    if (line == QLatin1String("0"))
        return false;
    if (line == QLatin1String("1"))
        return true;
    return std::nullopt;
}

QStringList settingsLines(const StoredSettings& s) {
    namespace L = settings_line;
    QStringList lines(SettingsLineCount);
    auto at = [&lines](int number) -> QString& { return lines[number - 1]; };

    for (int k = 1; k <= StoredProfileCount; ++k)
        forEachField(s.Profiles[static_cast<std::size_t>(k - 1)],
                     [&](ProfileField f, const QString& value) { at(L::profile(k, f)) = value; });
    at(L::TermsAccepted) = stateLine(s.TermsAccepted);
    at(L::DhcpPrimaryDNS) = s.DhcpPrimaryDNS;
    at(L::DhcpSecondaryDNS) = s.DhcpSecondaryDNS;
    at(L::DhcpPrimaryWINS) = s.DhcpPrimaryWINS;
    at(L::DhcpSecondaryWINS) = s.DhcpSecondaryWINS;
    at(L::DNSViaDHCP) = stateLine(s.DNSViaDHCP);
    at(L::WINSViaDHCP) = stateLine(s.WINSViaDHCP);
    at(L::RepeatedAdapter) = s.Profiles[0].AdapterCaption;
    at(L::DhcpAdapter) = s.DhcpAdapterCaption;
    return lines;
}

StoredSettings storedSettings(const QStringList& lines) {
    namespace L = settings_line;
    Q_ASSERT(lines.size() == SettingsLineCount);
    auto at = [&lines](int number) { return lines.value(number - 1); };

    StoredSettings s;
    for (int k = 1; k <= StoredProfileCount; ++k)
        forEachField(s.Profiles[static_cast<std::size_t>(k - 1)],
                     [&](ProfileField f, QString& value) { value = at(L::profile(k, f)); });
    s.TermsAccepted = checkStateFromLine(at(L::TermsAccepted));
    s.DhcpPrimaryDNS = at(L::DhcpPrimaryDNS);
    s.DhcpSecondaryDNS = at(L::DhcpSecondaryDNS);
    s.DhcpPrimaryWINS = at(L::DhcpPrimaryWINS);
    s.DhcpSecondaryWINS = at(L::DhcpSecondaryWINS);
    s.DNSViaDHCP = checkStateFromLine(at(L::DNSViaDHCP));
    s.WINSViaDHCP = checkStateFromLine(at(L::WINSViaDHCP));
    s.RepeatedAdapterCaption = at(L::RepeatedAdapter);
    s.UseRepeatedAdapter = at(L::RepeatedAdapterFlag) == QLatin1String("1");
    s.DhcpAdapterCaption = at(L::DhcpAdapter);
    return s;
}

EncodedSettings encodeSettingsFile(const QStringList& lines) {
    Q_ASSERT(lines.size() == SettingsLineCount);
    QString text;
    for (const QString& line : lines) {
        // A line break or NUL inside a value would shift every later line: refuse
        // rather than write a file that the next start rejects.
        if (line.contains(CR) || line.contains(LF) || line.contains(NUL))
            return {{}, QStringLiteral("the value \"%1\" contains a line break or a NUL character")
                            .arg(QString(line).replace(CR, QLatin1Char(' ')).replace(LF, QLatin1Char(' ')))};
        text += line;
        text += QLatin1String("\r\n");
    }
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return {{}, QStringLiteral("a value contains characters that the system's character set cannot store")};
    if (bytes.size() > SettingsMaxBytes)
        return {{}, QStringLiteral("the settings are larger than %1 KiB").arg(SettingsMaxBytes / 1024)};
    return {bytes, {}};
}

DecodedSettings decodeSettingsFile(QByteArrayView bytes) {
    if (bytes.size() > SettingsMaxBytes)
        return {SettingsFault::TooLarge, {}};
    if (bytes.contains('\0'))
        return {SettingsFault::NotText, {}};
    QStringDecoder decoder(QStringConverter::System);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {SettingsFault::NotText, {}};

    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == LF)
            return {SettingsFault::BadLineEnd, {}};
        if (c != CR)
            continue;
        if (i + 1 >= text.size() || text.at(i + 1) != LF)
            return {SettingsFault::BadLineEnd, {}};
        lines << text.mid(start, i - start);
        start = ++i + 1;
    }
    if (start < text.size())
        lines << text.mid(start); // the last line without its CR LF
    if (lines.size() != SettingsLineCount)
        return {SettingsFault::WrongLineCount, {}};
    return {SettingsFault::None, lines};
}

} // namespace korvo
