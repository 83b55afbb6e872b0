#include "core/ExtraSettings.h"

#include "core/SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace korvo {

namespace {

const QString MoreAddressesKey = QStringLiteral("MoreAddresses");
const QString HardwareAddressKey = QStringLiteral("HardwareAddress");
// Tabs separate addresses as blanks do.
const QRegularExpression Blanks(QStringLiteral("[ \t]+"));

QString groupName(int slot) {
    return slot == StoredProfileCount ? QStringLiteral("DHCP") : QStringLiteral("Profile%1").arg(slot + 1);
}

// The slot a group header names, -1 for any other group.
int slotOfGroup(const QString& name) {
    for (int slot = 0; slot <= StoredProfileCount; ++slot)
        if (name == groupName(slot)) return slot;
    return -1;
}

bool isComment(const QString& trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// "[Name]" as Name, else nullopt.
std::optional<QString> groupOf(const QString& trimmed) {
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']')) return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

// "Key = value" as its key; empty when the line is none.
QString keyOf(const QString& trimmed) {
    const qsizetype equals = trimmed.indexOf(u'=');
    return equals <= 0 ? QString() : trimmed.left(equals).trimmed();
}

QString valueOf(const QString& trimmed) {
    return trimmed.mid(trimmed.indexOf(u'=') + 1).trimmed();
}

QString lineOf(const QString& key, const QString& value) {
    return key + u'=' + value;
}

// The keys a slot writes, in order; an empty value writes no line.
std::array<std::pair<QString, QString>, 2> keysOf(const SlotExtras& e) {
    return {{{MoreAddressesKey, e.MoreAddresses.join(u' ')}, {HardwareAddressKey, e.HardwareAddress}}};
}

} // namespace

QString extraSettingsPath(const QString& settingsPath) {
    const QString ending = QStringLiteral(".ini");
    const QString base = settingsPath.endsWith(ending, Qt::CaseInsensitive)
                             ? settingsPath.left(settingsPath.size() - ending.size())
                             : settingsPath;
    return base + QStringLiteral(".extra.ini");
}

ExtraSettings parseExtraSettings(const QString& text) {
    ExtraSettings extras{};
    int slot = -1;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || isComment(trimmed)) continue;
        if (const std::optional<QString> group = groupOf(trimmed)) {
            slot = slotOfGroup(*group);
            continue;
        }
        if (slot < 0) continue;
        const QString key = keyOf(trimmed);
        SlotExtras& e = extras[static_cast<std::size_t>(slot)];
        if (key == MoreAddressesKey)
            e.MoreAddresses = valueOf(trimmed).split(Blanks, Qt::SkipEmptyParts);
        else if (key == HardwareAddressKey)
            e.HardwareAddress = valueOf(trimmed);
    }
    return extras;
}

QString mergeExtraSettings(const QString& previous, const ExtraSettings& extras) {
#ifdef Q_OS_WIN
    const bool crlf = previous.isEmpty() || previous.contains(QStringLiteral("\r\n"));
#else
    const bool crlf = previous.contains(QStringLiteral("\r\n"));
#endif
    const QString lineEnd = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList lines = previous.isEmpty() ? QStringList() : previous.split(u'\n');
    // A last line end leaves an empty last piece: it is put back at the end.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r')) line.chop(1);

    std::array<std::array<bool, 2>, StoredProfileCount + 1> written{};
    std::array<bool, StoredProfileCount + 1> hasGroup{};
    QStringList out;
    int slot = -1;
    // Before a group ends (at the next header or the file's end): the keys it lacks.
    const auto finishGroup = [&]() {
        if (slot < 0) return;
        const auto keys = keysOf(extras[static_cast<std::size_t>(slot)]);
        // After the group's last line that is not blank, so that a blank line between groups stays.
        qsizetype at = out.size();
        while (at > 0 && out[at - 1].trimmed().isEmpty())
            --at;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (written[static_cast<std::size_t>(slot)][k] || keys[k].second.isEmpty()) continue;
            out.insert(at++, lineOf(keys[k].first, keys[k].second));
            written[static_cast<std::size_t>(slot)][k] = true;
        }
    };
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (const std::optional<QString> group = groupOf(trimmed); group && !isComment(trimmed)) {
            finishGroup();
            slot = slotOfGroup(*group);
            if (slot >= 0) hasGroup[static_cast<std::size_t>(slot)] = true;
            out << line;
            continue;
        }
        if (slot >= 0 && !isComment(trimmed)) {
            const QString key = keyOf(trimmed);
            const auto keys = keysOf(extras[static_cast<std::size_t>(slot)]);
            bool ours = false;
            for (std::size_t k = 0; k < keys.size(); ++k) {
                if (key != keys[k].first) continue;
                ours = true;
                // The first line of a key takes its value; a repeat would override it, and goes.
                bool& done = written[static_cast<std::size_t>(slot)][k];
                if (!done && !keys[k].second.isEmpty()) out << lineOf(keys[k].first, keys[k].second);
                done = done || !keys[k].second.isEmpty();
            }
            if (ours) continue;
        }
        out << line;
    }
    finishGroup();
    for (int s = 0; s <= StoredProfileCount; ++s) {
        const SlotExtras& e = extras[static_cast<std::size_t>(s)];
        if (hasGroup[static_cast<std::size_t>(s)] || e.isEmpty()) continue;
        if (!out.isEmpty() && !out.last().trimmed().isEmpty()) out << QString();
        out << u'[' + groupName(s) + u']';
        for (const auto& [key, value] : keysOf(e))
            if (!value.isEmpty()) out << lineOf(key, value);
    }
    if (out.isEmpty()) return {};
    return out.join(lineEnd) + lineEnd;
}

namespace {

struct Contents {
    bool found = false;
    QString failure;
    QString text;
};

Contents contentsOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    // A FIFO would block the read, and a directory or device holds no settings.
    if (!info.isFile())
        return {true, QCoreApplication::translate("SettingsFile", "it is not a regular file"), {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {true, file.errorString(), {}};
    const QByteArray bytes = file.read(SettingsMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) return {true, file.errorString(), {}};
    if (bytes.size() > SettingsMaxBytes)
        return {true, QCoreApplication::translate("SettingsFile", "it is too large"), {}};
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return {true, QCoreApplication::translate("SettingsFile", "it is not written in UTF-8"), {}};
    return {true, {}, text};
}

} // namespace

ExtraSettingsRead readExtraSettings(const QString& settingsPath) {
    const Contents c = contentsOf(extraSettingsPath(settingsPath));
    ExtraSettingsRead read;
    read.found = c.found;
    read.failure = c.failure;
    if (c.failure.isEmpty()) read.extras = parseExtraSettings(c.text);
    return read;
}

QString writeExtraSettings(const QString& settingsPath, const ExtraSettings& extras) {
    const QString path = extraSettingsPath(settingsPath);
    const Contents c = contentsOf(path);
    // What cannot be read cannot be kept: it is left as it is rather than overwritten.
    if (!c.failure.isEmpty()) return c.failure;
    const bool none =
        std::all_of(extras.begin(), extras.end(), [](const SlotExtras& e) { return e.isEmpty(); });
    if (!c.found && none) return {};
    const QString merged = mergeExtraSettings(c.text, extras);
    if (c.found && merged == c.text) return {};
    return writeSettingsBytes(path, merged.toUtf8());
}

} // namespace korvo
