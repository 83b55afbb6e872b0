// What the command line gives back as plain text: an apply outcome as lines for a terminal, or as
// JSON for scripts.
#pragma once

#include "core/ApplyOutcome.h"
#include "core/ProfileBook.h"

#include <QString>

namespace korvo {

// `text` for a terminal: control characters (C0, DEL, C1) and the ones that reorder or hide text
// (bidirectional embeddings, overrides, isolates and marks) as \xHH or \uHHHH, so that a profile
// name can neither send the terminal a command nor make a line read as something it is not.
QString terminalText(const QString& text);
// A JSON document's text with C1 controls and those bidirectional characters written as \uHHHH, as
// JSON writes the C0 ones; they can only stand inside its strings.
QString jsonText(const QString& json);

// The outcome of applying `button` as one JSON object for scripts: the profile, the outcome's state and
// reasons, and per adapter changed its state, each setting asked beside the value in effect, and the
// checks (null: not made). Ends in LF.
QString jsonReport(const ApplyOutcome& outcome, const ButtonProfile& button);

// The heading, then the result text with each field name beside its value; lines end in LF.
QString plainReport(const ApplyOutcome& outcome);

} // namespace korvo
