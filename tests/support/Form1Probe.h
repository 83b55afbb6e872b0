// The steps of the main window's start-up, saving and applying, one at a time: what a user cannot
// single out (the listing awaited, the load alone) but tests and benchmarks need to time or wait for.
#pragma once

#include "core/ApplyRun.h"
#include "ui/ApplyView.h"
#include "ui/Form1.h"
#include "ui/StartUp.h"

namespace korvo::testing {

struct Form1Probe {
    using LoadOutcome = StartUp::LoadOutcome;
    static void enumerateAdapters(Form1& form) { form.Starting->EnumerateAdapters(); }
    static bool adaptersPending(const Form1& form) { return form.Starting->pending(); }
    static LoadOutcome loadSettings(Form1& form) { return form.Starting->LoadSettings(); }
    static void saveSettings(Form1& form) { form.Command7_Click(); }
    // The adapter lists as a listing of the service's fills them: `captions` first in every list.
    static void listAdapters(Form1& form, const QStringList& captions) { form.Choices.list(captions); }
    static QString settingsPath(const Form1& form) { return form.SettingsPath(); }
    static Form4* applyingWindow(const Form1& form) { return form.View->window(); }
    static void setEndWait(Form1& form, int ms) { form.Run->setEndWaits(ms, 0); }
};

} // namespace korvo::testing
