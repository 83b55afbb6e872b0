// How an adapter list's entry looks when its adapter is not there now: greyed and slanted, still
// selectable, since a profile may well be set up for an adapter that is unplugged.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QListWidgetItem>

namespace korvo {

inline void showPresence(QListWidgetItem* entry, bool absent) {
    if (entry->data(Qt::UserRole + 1).toBool() == absent) return;
    entry->setData(Qt::UserRole + 1, absent);
    QFont font = entry->font();
    font.setItalic(absent);
    entry->setFont(font);
    // The list's own colours when present: the entry follows the style and the selection.
    if (absent) {
        // The page's style sheet sets the list's text colour for every state: its greyed
        // boxes' colour, as the palette would not tell it.
        entry->setForeground(QColor(0x7f, 0x8a, 0x9e));
    } else {
        entry->setData(Qt::ForegroundRole, QVariant());
    }
}

inline bool shownAbsent(const QListWidgetItem* entry) {
    return entry->data(Qt::UserRole + 1).toBool();
}

} // namespace korvo
