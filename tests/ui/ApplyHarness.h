// Shared by the apply tests: a main window whose tab has an adapter chosen.
#pragma once

#include "tests/support/Controls.h"
#include "tests/support/Form1Probe.h"
#include "ui/Form1.h"
#include "ui/Form4.h"

#include <QTest>

namespace korvo::testing {

// Lists `caption` in the tab's adapter list and selects it, as a user would.
inline void chooseAdapter(Form1& form, int tab, const QString& caption) {
    Form1Probe::listAdapters(form, {caption});
    tabControls(form, tab).Adapters->setCurrentRow(0);
}

// The tab's seven address boxes in field order.
inline void fillTab(Form1& form, int tab, const QStringList& texts) {
    const TabControls t = tabControls(form, tab);
    QLineEdit* boxes[] = {t.IPAddress,    t.SubnetMask,  t.Gateway,      t.PrimaryDNS,
                          t.SecondaryDNS, t.PrimaryWINS, t.SecondaryWINS};
    for (int i = 0; i < 7; ++i)
        boxes[i]->setText(texts.value(i));
}

// The applying window once it shows the outcome: the apply runs off the window thread, and the
// window is enabled again when its outcome is in.
inline Form4* awaitOutcome(const Form1& form, int timeoutMs = 30000) {
    (void)QTest::qWaitFor(
        [&form] {
            const Form4* w = Form1Probe::applyingWindow(form);
            return !w || w->isEnabled();
        },
        timeoutMs);
    return Form1Probe::applyingWindow(form);
}

} // namespace korvo::testing
