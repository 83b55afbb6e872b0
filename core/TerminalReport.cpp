#include "core/TerminalReport.h"

#include "core/ResultTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QStringList>

namespace korvo {

namespace {

bool isBidi(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F ||
           c == 0x061C;
}

QString hex(char16_t c, int digits) {
    return QString::number(c, 16).toUpper().rightJustified(digits, u'0');
}

} // namespace

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

namespace {

QString stateName(ApplyState state) {
    switch (state) {
    case ApplyState::Applied:
        return QStringLiteral("applied");
    case ApplyState::Refused:
        return QStringLiteral("refused");
    case ApplyState::Invalid:
        return QStringLiteral("invalid");
    case ApplyState::NotApplied:
        return QStringLiteral("not_applied");
    case ApplyState::ServiceError:
        break;
    }
    return QStringLiteral("service_error");
}

QString statusName(SettingStatus status) {
    using S = SettingStatus;
    switch (status) {
    case S::InEffect:
        return QStringLiteral("in_effect");
    case S::Differs:
        return QStringLiteral("differs");
    case S::Refused:
        return QStringLiteral("refused");
    case S::NotOnThisPlatform:
        return QStringLiteral("not_on_this_platform");
    case S::NotShown:
        return QStringLiteral("not_shown");
    case S::WhenConnected:
        return QStringLiteral("when_connected");
    case S::SavedNotInEffect:
        return QStringLiteral("saved_not_in_effect");
    case S::NotMade:
        break;
    case S::NotAsked:
        return QStringLiteral("not_asked");
    }
    return QStringLiteral("not_made");
}

QJsonValue check(const std::optional<bool>& made) {
    return made ? QJsonValue(*made) : QJsonValue(QJsonValue::Null);
}

} // namespace

QString jsonReport(const ApplyOutcome& outcome, const ButtonProfile& button) {
    QJsonArray adapters;
    for (const AdapterOutcome& a : outcome.Adapters) {
        QJsonArray settings;
        for (const SettingOutcome& s : a.Settings)
            settings.append(QJsonObject{{QStringLiteral("name"), s.Name},
                                        {QStringLiteral("asked"), s.Asked},
                                        {QStringLiteral("in_effect"), s.InEffect},
                                        {QStringLiteral("status"), statusName(s.Status)}});
        QJsonObject adapter{{QStringLiteral("adapter"), a.Caption},
                            {QStringLiteral("state"), stateName(a.State)},
                            {QStringLiteral("settings"), settings},
                            {QStringLiteral("address_free"), check(a.AddressFree)},
                            {QStringLiteral("gateway_answers"), check(a.GatewayAnswers)}};
        if (a.AddressFree == false) adapter.insert(QStringLiteral("answered_by"), a.AnsweredBy);
        adapters.append(adapter);
    }
    QJsonArray reasons;
    for (const Reason& reason : outcome.Reasons)
        for (const QString& line : reasonLines(reason))
            reasons.append(line);
    QJsonObject report{{QStringLiteral("profile"), QJsonObject{{QStringLiteral("number"), button.Number},
                                                               {QStringLiteral("name"), button.ButtonName}}},
                       {QStringLiteral("adapter"), outcome.Values.AdapterCaption},
                       {QStringLiteral("state"), stateName(outcome.State)},
                       {QStringLiteral("reasons"), reasons},
                       {QStringLiteral("adapters"), adapters}};
    if (!outcome.NowNamed.isEmpty()) report.insert(QStringLiteral("now_named"), outcome.NowNamed);
    return jsonText(QString::fromUtf8(QJsonDocument(report).toJson(QJsonDocument::Compact))) + u'\n';
}

QString plainReport(const ApplyOutcome& outcome) {
    QStringList lines;
    const auto addReasons = [&lines, &outcome] {
        for (const Reason& reason : outcome.Reasons)
            lines += reasonLines(reason);
    };
    lines << leadLine(outcome);
    if (outcome.State == ApplyState::ServiceError || outcome.State == ApplyState::NotApplied) {
        if (!outcome.Reasons.empty()) lines << QString();
        addReasons();
    } else {
        lines << QString() << u'-' + shownCaption(outcome) + u'-' << QString();
        const QStringList names = fieldNames();
        for (std::size_t i = 0; i < outcome.InEffect.size(); ++i)
            lines << names[static_cast<qsizetype>(i)].trimmed() + QStringLiteral(": ") +
                         shownText(outcome.InEffect[i]);
        // The window's notes follow a line holding one blank; its refusals and messages an empty one.
        lines << (outcome.State == ApplyState::Applied ? QStringLiteral(" ") : QString());
        addReasons();
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return heading(outcome) + QStringLiteral("\n\n") + lines.join(u'\n') + u'\n';
}

} // namespace korvo
