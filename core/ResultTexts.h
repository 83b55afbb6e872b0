// The texts the applying window shows. Lines end in a lone CR, as they are stored
// and compared; Form4 turns each CR into a line break only for display.
#pragma once

#include "core/Profile.h"
#include "platform/NetConfigService.h"

#include <QString>

namespace korvo {

// Removes leading and trailing space characters only (tabs and line breaks stay).
QString trimBlanks(const QString& text);

// An empty line, then the seven values one per line, each line ending in CR.
QString composeResultValues(const Profile& values);
QString composeSuccessText(const QString& adapterCaption);
QString composeValidationText(const QString& adapterCaption, const QString& validationMessages);
// Three empty lines and the failure sentence; a non-empty reason follows after an empty line.
QString composeFailureText(const QString& reason = QString());

// The report on an adapter whose address (or DHCP) the service accepted. A refused setting makes it an error
// report that still shows the values in effect (a refused one reads "Refused"); a setting the platform has
// not got is no refusal, only a line of its own (its values read "Not set"), as is a restart the change needs
// or a cable that must be connected first.
struct AppliedReport {
    bool refused = false;
    QString text;
    QString values;
};
AppliedReport composeAppliedReport(const Profile& values, const platform::ChangeResult& result);

// "The address was refused (code 91: access denied)." `what` is "The address was" and the like;
// a refused permission adds how to get it: `detail`, the service's own word on it, where it has one.
QString describeRefusal(const QString& what, int code, const QString& detail = QString());

// The report on a change the service saved but could not put into effect: the values saved beside
// their names, why they are not in effect (`why`), and when they will be.
AppliedReport composeSavedReport(const Profile& values, const QString& why);
// "code 91: access denied": a service return code with its meaning where one is known.
QString describeServiceCode(int code);

} // namespace korvo
