// What an apply outcome says, and the texts the applying window shows. Lines end in a lone CR, as
// they are stored and compared; Form4 turns each CR into a line break only for display.
#pragma once

#include "core/Applier.h"
#include "core/Profile.h"
#include "platform/NetConfigService.h"

#include <QString>
#include <QStringList>

namespace korvo {

// Removes leading and trailing space characters only (tabs and line breaks stay).
QString trimBlanks(const QString& text);

// The validation messages (each ending in CR) one by one.
QStringList validationLines(const QString& validationMessages);

// The outcome on an adapter whose address (or DHCP) the service accepted: each setting's value in
// effect beside the refusals. A refused setting makes it an error report (its values read "Refused");
// a setting the platform has not got is no refusal, only a line of its own (its values read "Not
// set"), as is a restart the change needs or a cable that must be connected first.
ApplyOutcome inEffect(const Profile& values, const platform::ChangeResult& result);

// The report's first line: what came of the apply.
QString leadLine(const ApplyOutcome& outcome);

// The seven field names as the applying window writes them, padded to stand beside their values.
QStringList fieldNames();

// What the summary shows for a secondary DNS server that was not sent (no primary): "Ignored".
QString ignoredServer();

// "The address was refused (code 91: access denied)." `what` is "The address was" and the like;
// a refused permission adds how to get it: `detail`, the service's own word on it, where it has one.
QString describeRefusal(const QString& what, int code, const QString& detail = QString());
// What a refusal for lack of rights says when the service gave no reason of its own.
QString missingRightsAdvice();

// "code 91: access denied": a service return code with its meaning where one is known.
QString describeServiceCode(int code);

} // namespace korvo
