// Finding a window's controls by their control names, as a user finds them by
// sight: tests act through what the window shows, not through its members.
#pragma once

#include "ui/ProfileTab.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace korvo::testing {

// The control called `name` inside `window`; a missing one ends the test run. The main window
// makes its Settings page's controls when the page is first shown: they are made on first use.
template <typename W = QWidget> W* control(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    if (!found && window.metaObject()->indexOfMethod("BuildSettingsPage()") >= 0) {
        QMetaObject::invokeMethod(const_cast<QWidget*>(&window), "BuildSettingsPage");
        found = window.findChild<W*>(QString::fromLatin1(name));
    }
    if (!found) qFatal("%s has no control %s of the expected kind", qPrintable(window.objectName()), name);
    return found;
}

// One tab of SSTab2 by role (tabs 0..5 the profiles, 6 the DHCP tab) and its apply button.
struct TabControls {
    QLineEdit *IPAddress, *SubnetMask, *Gateway, *PrimaryDNS, *SecondaryDNS, *PrimaryWINS, *SecondaryWINS;
    QListWidget* Adapters;
    QLineEdit* Name; // none on the DHCP tab
    QPushButton* Apply;
};

inline TabControls tabControls(const QWidget& form, int tab) {
    static const char* const Names[7][10] = {
        {"Text1", "Text2", "Text3", "Text27", "Text28", "Text29", "Text51", "List1", "Text19", "Command1"},
        {"Text4", "Text5", "Text6", "Text30", "Text31", "Text32", "Text52", "List2", "Text20", "Command2"},
        {"Text7", "Text8", "Text9", "Text33", "Text34", "Text35", "Text53", "List3", "Text21", "Command3"},
        {"Text10", "Text11", "Text12", "Text36", "Text37", "Text38", "Text54", "List4", "Text22", "Command4"},
        {"Text13", "Text14", "Text15", "Text39", "Text40", "Text41", "Text55", "List5", "Text23", "Command5"},
        {"Text16", "Text17", "Text18", "Text42", "Text43", "Text44", "Text56", "List6", "Text24", "Command6"},
        {"Text45", "Text46", "Text47", "Text48", "Text49", "Text50", "Text57", "List7", nullptr, "Command8"},
    };
    const char* const* n = Names[tab];
    auto box = [&](int i) { return control<QLineEdit>(form, n[i]); };
    // clang-format off
    return {box(0), box(1), box(2), box(3), box(4), box(5), box(6),
            control<QListWidget>(form, n[7]), n[8] ? box(8) : nullptr, control<QPushButton>(form, n[9])};
    // clang-format on
}

// The adapter last chosen on tab 0..6 (TabAdapterCaption), which nothing shows: its tab page keeps it.
inline QString tabAdapterCaption(const QWidget& form, int tab) {
    return qobject_cast<const ProfileTab*>(control<QTabWidget>(form, "SSTab2")->widget(tab))
        ->TabAdapterCaption();
}

// Each apply button's "active" mark, Command1..Command6 then Command8.
inline QList<bool> marks(const QWidget& form) {
    QList<bool> out;
    for (int t = 0; t < 7; ++t)
        out << tabControls(form, t).Apply->property("active").toBool();
    return out;
}

} // namespace korvo::testing
