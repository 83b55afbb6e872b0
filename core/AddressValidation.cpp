#include "core/AddressValidation.h"

#include <QCoreApplication>
#include <QStringList>

namespace korvo {

namespace {

constexpr QChar CR(u'\r');
constexpr long long Saturation = 1000000;

struct AddressRule {
    QString Profile::*text;
    bool tested;
    int upperLimit;        // U: every part must be below it
    bool isMask;           // the mask's last part may be 0
    bool zeroOnNonNumeric; // a non-numeric part turns the text into "0.0.0.0"
};

const char* const Messages[AddressFieldCount] = {
    QT_TRANSLATE_NOOP("AddressValidation", "A valid IP address is required"),
    QT_TRANSLATE_NOOP("AddressValidation", "A valid SubnetMask is required"),
    QT_TRANSLATE_NOOP("AddressValidation", "A valid Gateway Address is required"),
    QT_TRANSLATE_NOOP("AddressValidation", "A valid Primary DNS address is required"),
    QT_TRANSLATE_NOOP("AddressValidation",
                      "A valid Secondary DNS address is required or leave the box empty"),
    QT_TRANSLATE_NOOP("AddressValidation", "A valid Primary WINS address is required or leave the box empty"),
    QT_TRANSLATE_NOOP("AddressValidation",
                      "A valid Secondary WINS address is required or leave the box empty"),
};

bool lowerBoundMet(long long value, int part, bool isMask) {
    if (part == 0) return value > 0;
    if (part == 3 && !isMask) return value > 0;
    return value >= 0;
}

// Returns 1 when valid, 0 when not; appends the rule's message on failure.
int checkDottedQuad(QString& text, const AddressRule& rule, AddressField field, QString& messages) {
    if (!rule.tested) return 1;
    const QString message = validationMessage(field) + CR;

    // An empty text has no parts at all, not one empty part.
    const QStringList parts = text.isEmpty() ? QStringList() : text.split(u'.');
    if (parts.size() != 4) {
        messages += message;
        return 0;
    }

    std::array<long long, 4> values{};
    for (int k = 0; k < 4; ++k) {
        const auto value = numericPartValue(parts[k]);
        if (!value) {
            if (rule.zeroOnNonNumeric) text = QStringLiteral("0.0.0.0");
            messages += message;
            return 0;
        }
        values[static_cast<std::size_t>(k)] = *value;
    }

    int valid = 1;
    std::array<long long, 4> octets{};
    for (int k = 0; k < 4; ++k) {
        const long long v = values[static_cast<std::size_t>(k)];
        if (lowerBoundMet(v, k, rule.isMask) && v < rule.upperLimit)
            octets[static_cast<std::size_t>(k)] = v;
        else
            valid = 0;
    }
    if (!valid) {
        messages += message;
        return 0;
    }
    text = QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
    return 1;
}

} // namespace

QString validationMessage(AddressField field) {
    return QCoreApplication::translate("AddressValidation", Messages[field]);
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool ValidationOutcome::valid() const {
    for (int flag : Valid)
        if (flag != 1) return false;
    return true;
}

std::optional<long long> numericPartValue(QStringView part) {
    qsizetype begin = 0;
    qsizetype end = part.size();
    while (begin < end && part[begin] == u' ')
        ++begin;
    while (end > begin && part[end - 1] == u' ')
        --end;
    bool negative = false;
    if (begin < end && (part[begin] == u'+' || part[begin] == u'-')) {
        negative = part[begin] == u'-';
        ++begin;
    }
    if (begin == end) return std::nullopt;
    long long value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = part[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = std::min(value * 10 + (c - u'0'), Saturation);
    }
    return negative ? -value : value;
}

ValidationOutcome validateAddresses(Profile& profile, ApplyMode mode, const OmittedServers& omitted) {
    const bool staticMode = mode == ApplyMode::Static;
    const AddressRule rules[AddressFieldCount] = {
        {&Profile::IPAddress, staticMode, 255, false, true},
        {&Profile::SubnetMask, staticMode, 256, true, true},
        {&Profile::Gateway, staticMode && !profile.Gateway.isEmpty(), 255, false, true},
        {&Profile::PrimaryDNS, !omitted.PrimaryDNS, 255, false, false},
        {&Profile::SecondaryDNS, !omitted.SecondaryDNS, 255, false, false},
        {&Profile::PrimaryWINS, !omitted.PrimaryWINS, 255, false, false},
        {&Profile::SecondaryWINS, !omitted.SecondaryWINS, 255, false, false},
    };
    ValidationOutcome outcome;
    for (int f = 0; f < AddressFieldCount; ++f) {
        const AddressRule& rule = rules[f];
        outcome.Valid[static_cast<std::size_t>(f)] =
            checkDottedQuad(profile.*rule.text, rule, static_cast<AddressField>(f), outcome.Messages);
    }
    return outcome;
}

QStringList validateMoreAddresses(QStringList& addresses) {
    const AddressRule rule{nullptr, true, 255, false, false};
    QStringList invalid;
    for (QString& cidr : addresses) {
        const qsizetype slash = cidr.indexOf(u'/');
        QString address = cidr.left(slash);
        const QString prefixText = slash < 0 ? QString() : cidr.mid(slash + 1);
        bool numeric = !prefixText.isEmpty() && prefixText.size() <= 3;
        for (const QChar c : prefixText)
            numeric = numeric && c >= u'0' && c <= u'9';
        const int prefix = numeric ? prefixText.toInt() : 0;
        QString ignored;
        if (checkDottedQuad(address, rule, IPAddressField, ignored) == 1 && prefix >= 1 && prefix <= 32) {
            cidr = address + u'/' + QString::number(prefix);
            continue;
        }
        invalid << cidr;
    }
    return invalid;
}

} // namespace korvo
