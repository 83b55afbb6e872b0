// The words of an apply outcome: the sentences its reasons and marks stand for, and the applying
// window's texts. Lines end in a lone CR, as they are stored and compared; Form4 turns each CR into
// a line break only for display.
#pragma once

#include "core/ApplyOutcome.h"

#include <QString>
#include <QStringList>

namespace korvo {

// The report's first line: what came of the apply.
// The adapter's caption as the reports show it, with its name now where it was found under another.
QString shownCaption(const ApplyOutcome& outcome);
QString leadLine(const ApplyOutcome& outcome);

// The applying window's caption, and its two texts (values beside names).
QString heading(const ApplyOutcome& outcome);
QString resultText(const ApplyOutcome& outcome);
QString resultValues(const ApplyOutcome& outcome); // empty after a service error, or when nothing was applied

// A reason's sentence as lines: a refusal for lack of rights adds how to get them on a line of its own.
QStringList reasonLines(const Reason& reason);
// Its lines joined by CR; and so for each of `reasons`.
QString reasonText(const Reason& reason);
QStringList reasonTexts(const std::vector<Reason>& reasons);

// A value as the summary shows it: the value, or "Refused", "Not set", "Ignored", "none".
QString shownText(const ShownValue& value);

// The seven field names as the applying window writes them, padded to stand beside their values.
QStringList fieldNames();

// What a refusal for lack of rights says when the service gave no reason of its own.
QString missingRightsAdvice();

// "code 91: access denied": a service return code with its meaning where one is known.
QString describeServiceCode(int code);

// "192.0.2.10/24, gateway 192.0.2.1, DNS 192.0.2.53 192.0.2.54, static"
QString stateSummary(const platform::IPv4State& state);

} // namespace korvo
