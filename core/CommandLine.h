// What the command line takes from the settings file and gives back as plain text: the seven apply
// buttons' profiles as the window would apply them after loading the same file, and an apply outcome
// as lines for a terminal.
#pragma once

#include "core/Applier.h"
#include "core/Profile.h"
#include "core/SettingsLines.h"

#include <QString>
#include <array>

namespace korvo {

inline constexpr int ButtonCount = StoredProfileCount + 1; // and the DHCP button, number 7

struct ButtonProfile {
    int Number = 0;     // 1 to 6, 7 for DHCP
    QString ButtonName; // its apply button's caption
    Profile Typed;      // the tab's boxes after loading, with the adapter the tab has chosen
    ApplyMode Mode = ApplyMode::Static;
};

std::array<ButtonProfile, ButtonCount> buttonProfiles(const StoredSettings& settings);

// PROFILE of --apply: a number 1 to 7, else a button name matched exactly. 0 when nothing matches,
// -1 when more than one button has that name.
int findButton(const std::array<ButtonProfile, ButtonCount>& buttons, const QString& profile);

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
