#include "core/SettingsLines.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <iterator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace korvo {

namespace {

constexpr QChar CR = QLatin1Char('\r');
constexpr QChar LF = QLatin1Char('\n');
constexpr QChar NUL = QLatin1Char('\0');

constexpr char16_t Windows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF");

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Empty when the text cannot be stored that way.
std::optional<QByteArray> encoded(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding);
    QByteArray bytes = encoder(text);
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

QString stateLine(const std::optional<bool>& state) {
    return state ? QString::number(*state ? 1 : 0) : QString();
}

} // namespace

std::optional<bool> checkStateFromLine(const QString& line) {
    if (line == QLatin1String("0")) return false;
    if (line == QLatin1String("1")) return true;
    return std::nullopt;
}

StoredSettings firstStartSettings() {
    StoredSettings s;
    s.Profiles[0] = {QStringLiteral("192.168.1.10"),
                     QStringLiteral("255.255.255.0"),
                     QStringLiteral("192.168.1.1"),
                     QStringLiteral("192.168.1.1"),
                     {},
                     {},
                     {},
                     QStringLiteral("Network 1"),
                     {}};
    for (std::size_t k = 1; k < s.Profiles.size(); ++k)
        s.Profiles[k].Name = QStringLiteral("-");
    s.TermsAccepted = true;
    const QString dhcp = QStringLiteral("DHCP");
    s.DhcpPrimaryDNS = s.DhcpSecondaryDNS = s.DhcpPrimaryWINS = s.DhcpSecondaryWINS = dhcp;
    s.DNSViaDHCP = s.WINSViaDHCP = true;
    return s;
}

QStringList settingsLines(const StoredSettings& s) {
    namespace L = settings_line;
    QStringList lines(SettingsLineCount);
    auto at = [&lines](int number) -> QString& { return lines[number - 1]; };

    for (int k = 1; k <= StoredProfileCount; ++k)
        for (int f = 0; f < ProfileFieldCount; ++f)
            at(L::profile(k, ProfileField(f))) =
                fieldOf(s.Profiles[static_cast<std::size_t>(k - 1)], ProfileField(f));
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
        for (int f = 0; f < ProfileFieldCount; ++f)
            fieldOf(s.Profiles[static_cast<std::size_t>(k - 1)], ProfileField(f)) =
                at(L::profile(k, ProfileField(f)));
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

SettingsEncoding settingsEncodingOf(QByteArrayView bytes) {
    if (isAscii(bytes)) return SettingsEncoding::System;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    (void)utf8(bytes).operator QString();
    if (utf8.hasError()) return SettingsEncoding::AnsiCodePage;
    return bytes.startsWith(Utf8Bom) ? SettingsEncoding::Utf8WithBom : SettingsEncoding::Utf8;
}

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t{b});
    }
    return text;
}

std::optional<QByteArray> toWindows1252(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes[i] = static_cast<char>(c);
            continue;
        }
        const auto* const found = std::find(std::begin(Windows1252High), std::end(Windows1252High), c);
        if (found == std::end(Windows1252High)) return std::nullopt;
        bytes[i] = static_cast<char>(0x80 + (found - std::begin(Windows1252High)));
    }
    return bytes;
}

namespace {

// Where a file that is not UTF-8 comes from: the system's ANSI code page on Windows, which Notepad and
// every program of the design's time write in. Where that code page is UTF-8 itself (Windows' "Beta:
// Unicode UTF-8" option) such a file would read as replacement characters and be saved so: Windows-1252
// stands in there, as it does on every other system.
bool systemAnsiCodePage() {
#ifdef Q_OS_WIN
    return GetACP() != CP_UTF8;
#else
    return false;
#endif
}

QString fromAnsiCodePage(QByteArrayView bytes) {
    if (!systemAnsiCodePage()) return fromWindows1252(bytes);
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    return system(bytes);
}

// Characters the code page has no byte for come back as "?" or a look-alike: encodeSettingsFile finds
// them by reading the bytes back.
std::optional<QByteArray> toAnsiCodePage(const QString& text) {
    if (!systemAnsiCodePage()) return toWindows1252(text);
    return encoded(text, QStringConverter::System);
}

QString textOf(QByteArrayView bytes, SettingsEncoding encoding) {
    switch (encoding) {
    case SettingsEncoding::System:
        return QString::fromLatin1(bytes); // ASCII
    case SettingsEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case SettingsEncoding::Utf8WithBom: {
        // Only the first mark is the file's; a second one is text.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return utf8(bytes.sliced(Utf8Bom.size()));
    }
    case SettingsEncoding::AnsiCodePage:
        return fromAnsiCodePage(bytes);
    }
    return {};
}

std::optional<QByteArray> inEncoding(const QString& text, SettingsEncoding encoding) {
    switch (encoding) {
    case SettingsEncoding::System:
        return encoded(text, QStringConverter::System);
    case SettingsEncoding::Utf8:
        return encoded(text, QStringConverter::Utf8);
    case SettingsEncoding::Utf8WithBom:
        if (std::optional<QByteArray> bytes = encoded(text, QStringConverter::Utf8))
            return bytes->prepend(Utf8Bom);
        return std::nullopt;
    case SettingsEncoding::AnsiCodePage:
        return toAnsiCodePage(text);
    }
    return std::nullopt;
}

} // namespace

EncodedSettings encodeSettingsFile(const QStringList& lines, SettingsEncoding encoding) {
    Q_ASSERT(lines.size() == SettingsLineCount);
    QString text;
    for (const QString& line : lines) {
        // A line break or NUL inside a value would shift every later line: refuse
        // rather than write a file that the next start rejects.
        if (line.contains(CR) || line.contains(LF) || line.contains(NUL))
            return {{},
                    QCoreApplication::translate("SettingsFile",
                                                "the value \"%1\" contains a line break or a NUL character")
                        .arg(QString(line).replace(CR, QLatin1Char(' ')).replace(LF, QLatin1Char(' '))),
                    encoding};
        text += line;
        text += QLatin1String("\r\n");
    }
    // Bytes that the reader would take for another encoding (a code page's text that
    // happens to be valid UTF-8) go to UTF-8, as does what the encoding cannot hold.
    const auto readsBack = [&text](const std::optional<QByteArray>& b) {
        return b && textOf(*b, settingsEncodingOf(*b)) == text;
    };
    std::optional<QByteArray> bytes = inEncoding(text, encoding);
    if (!readsBack(bytes)) {
        encoding = SettingsEncoding::Utf8;
        bytes = inEncoding(text, encoding);
    }
    if (!readsBack(bytes))
        return {
            {},
            QCoreApplication::translate("SettingsFile", "a value contains characters that cannot be stored"),
            encoding};
    if (bytes->size() > SettingsMaxBytes)
        return {{},
                QCoreApplication::translate("SettingsFile", "the settings are larger than %1 KiB")
                    .arg(SettingsMaxBytes / 1024),
                encoding};
    return {*std::move(bytes), {}, encoding};
}

DecodedSettings decodeSettingsFile(QByteArrayView bytes) {
    if (bytes.size() > SettingsMaxBytes) return {SettingsFault::TooLarge, {}};
    if (bytes.contains('\0')) return {SettingsFault::NotText, {}};
    const SettingsEncoding encoding = settingsEncodingOf(bytes);
    const QString text = textOf(bytes, encoding);

    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == LF) return {SettingsFault::BadLineEnd, {}};
        if (c != CR) continue;
        if (i + 1 >= text.size() || text.at(i + 1) != LF) return {SettingsFault::BadLineEnd, {}};
        lines << text.mid(start, i - start);
        start = ++i + 1;
    }
    if (start < text.size()) lines << text.mid(start); // the last line without its CR LF
    if (lines.size() != SettingsLineCount) return {SettingsFault::WrongLineCount, {}};
    return {SettingsFault::None, lines, encoding};
}

} // namespace korvo
