// The texts the applying window shows. Lines end in a lone CR, as they are stored
// and compared; Form4 turns each CR into a line break only for display.
#pragma once

#include "core/Profile.h"

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
// Three empty lines, the sentence that the adapter's address did change, an empty line, the refusals.
QString composePartialFailureText(const QString& refusals);
// "code 91: access denied": a service return code with its meaning where one is known.
QString describeServiceCode(int code);

} // namespace korvo
