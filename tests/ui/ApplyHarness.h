// Shared by the apply tests: a main window whose tab has an adapter chosen.
#pragma once

#include "tests/support/Controls.h"
#include "ui/Form1.h"

namespace korvo::testing {

// Lists `caption` in the tab's adapter list and selects it, as a user would.
inline void chooseAdapter(Form1& form, int tab, const QString& caption) {
    QListWidget* list = tabControls(form, tab).Adapters;
    list->addItem(caption);
    list->setCurrentRow(list->count() - 1);
}

// The tab's seven address boxes in field order.
inline void fillTab(Form1& form, int tab, const QStringList& texts) {
    const TabControls t = tabControls(form, tab);
    QLineEdit* boxes[] = {t.IPAddress,    t.SubnetMask,  t.Gateway,      t.PrimaryDNS,
                          t.SecondaryDNS, t.PrimaryWINS, t.SecondaryWINS};
    for (int i = 0; i < 7; ++i)
        boxes[i]->setText(texts.value(i));
}

} // namespace korvo::testing
