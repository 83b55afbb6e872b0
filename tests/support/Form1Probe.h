// The steps of the main window's start-up, saving and applying, one at a time: what a user cannot
// single out (the listing awaited, the load alone) but tests and benchmarks need to time or wait for.
#pragma once

#include "ui/Form1.h"

namespace korvo::testing {

struct Form1Probe {
    using LoadOutcome = Form1::LoadOutcome;
    static void enumerateAdapters(Form1& form) { form.EnumerateAdapters(); }
    static bool adaptersPending(const Form1& form) { return form.AdaptersPending(); }
    static LoadOutcome loadSettings(Form1& form) { return form.LoadSettings(); }
    static void saveSettings(Form1& form) { form.Command7_Click(); }
    static QString settingsPath(const Form1& form) { return form.SettingsPath(); }
    static Form4* applyingWindow(const Form1& form) { return form.ApplyingWindow(); }
    static void setEndWait(Form1& form, int ms) {
        form.EndWaitMs = ms;
        form.PutBackWaitMs = 0;
    }
};

} // namespace korvo::testing
