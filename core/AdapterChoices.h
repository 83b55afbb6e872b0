// Each slot's adapter list as the Settings page shows it: the adapters the service listed, in its
// order, then the slot's saved adapter restored after them (kept also when the service could not be
// asked), each entry's tip and the selected entry, whose caption is the book's adapter of the slot.
// The lists' widgets are made late and read it then.
#pragma once

#include "core/ProfileBook.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace korvo {

class AdapterChoices : public QObject {
    Q_OBJECT

public:
    explicit AdapterChoices(ProfileBook& book, QObject* parent = nullptr);

    const QStringList& captions(int slot) const { return of(slot).Captions; }
    const QStringList& tips(int slot) const { return of(slot).Tips; }
    // The selected row; -1 until the list has had a selection.
    int selected(int slot) const { return of(slot).Selected; }
    // How many entries of each list the service listed.
    int listedCount() const { return Listed; }

    // The service's adapters go before the entries restored meanwhile, as if listed first; a selection
    // moves along with its entry.
    void list(const QStringList& captions);
    // Lists `caption` after the listed adapters, replacing what a restore put there before, and
    // selects it as the user's selection would.
    void restore(int slot, const QString& caption);
    // An adapter that came while the window is open goes after those listed before it, in every list
    // that does not have it already; no selection moves. One listed already is left as it is.
    void add(const QString& caption);
    // No adapter chosen for the slot, and its list back to the listed adapters (another set is opened).
    void forget(int slot);
    // Entry `row` of the slot's list is chosen: the book takes its caption.
    void select(int slot, int row);
    // Each entry's tip, by its caption (a restored entry shares its caption's tip), and whether its
    // adapter is `absent` now.
    void setTips(int slot, const std::function<QString(const QString& caption)>& tipFor,
                 const std::function<bool(const QString& caption)>& absent = {});
    bool absent(int slot, int row) const { return of(slot).Absent.value(row); }

signals:
    void inserted(int slot, int row, const QStringList& captions);
    void captionChanged(int slot, int row);
    void tipChanged(int slot, int row);
    void selectedChanged(int slot, int row);
    // Entries from `row` on are gone, and nothing is selected.
    void removedFrom(int slot, int row);

private:
    struct List {
        QStringList Captions, Tips;
        QList<bool> Absent;
        int Selected = -1;
    };
    const List& of(int slot) const { return Lists[static_cast<std::size_t>(slot)]; }

    ProfileBook& Book;
    std::array<List, SlotCount> Lists;
    int Listed = 0;
};

} // namespace korvo
