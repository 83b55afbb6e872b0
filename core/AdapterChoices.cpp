#include "core/AdapterChoices.h"

namespace korvo {

AdapterChoices::AdapterChoices(ProfileBook& book, QObject* parent) : QObject(parent), Book(book) {}

void AdapterChoices::list(const QStringList& captions) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        List& l = Lists[static_cast<std::size_t>(slot)];
        for (qsizetype i = 0; i < captions.size(); ++i) {
            l.Captions.insert(i, captions[i]);
            l.Tips.insert(i, QString());
            l.Absent.insert(i, false);
        }
        if (l.Selected >= 0) l.Selected += static_cast<int>(captions.size());
        emit inserted(slot, 0, captions);
    }
    Listed += static_cast<int>(captions.size());
}

void AdapterChoices::restore(int slot, const QString& caption) {
    List& l = Lists[static_cast<std::size_t>(slot)];
    if (l.Captions.size() > Listed) {
        l.Captions[Listed] = caption;
        emit captionChanged(slot, Listed);
    } else {
        l.Captions.insert(Listed, caption);
        l.Tips.insert(Listed, QString());
        l.Absent.insert(Listed, false);
        emit inserted(slot, Listed, {caption});
    }
    // Already the selection or not, the book takes the entry's caption.
    select(slot, Listed);
}

void AdapterChoices::add(const QString& caption) {
    // The listed entries are alike in every list.
    if (Lists[0].Captions.mid(0, Listed).contains(caption)) return;
    for (int slot = 0; slot < SlotCount; ++slot) {
        List& l = Lists[static_cast<std::size_t>(slot)];
        if (l.Captions.contains(caption)) continue;
        l.Captions.insert(Listed, caption);
        l.Tips.insert(Listed, QString());
        l.Absent.insert(Listed, false);
        if (l.Selected >= Listed) ++l.Selected;
        emit inserted(slot, Listed, {caption});
    }
    ++Listed;
}

void AdapterChoices::forget(int slot) {
    List& l = Lists[static_cast<std::size_t>(slot)];
    l.Captions = l.Captions.mid(0, Listed);
    l.Tips = l.Tips.mid(0, Listed);
    l.Absent = l.Absent.mid(0, Listed);
    l.Selected = -1;
    emit removedFrom(slot, Listed);
    Book.setAdapter(slot, QString());
}

void AdapterChoices::select(int slot, int row) {
    List& l = Lists[static_cast<std::size_t>(slot)];
    if (row < 0 || row >= l.Captions.size()) return;
    const bool moved = l.Selected != row;
    l.Selected = row;
    Book.setAdapter(slot, l.Captions[row]);
    if (moved) emit selectedChanged(slot, row);
}

void AdapterChoices::setTips(int slot, const std::function<QString(const QString&)>& tipFor,
                             const std::function<bool(const QString&)>& absent) {
    List& l = Lists[static_cast<std::size_t>(slot)];
    for (int row = 0; row < l.Captions.size(); ++row) {
        const QString tip = tipFor(l.Captions[row]);
        const bool gone = absent && absent(l.Captions[row]);
        if (l.Tips[row] == tip && l.Absent[row] == gone) continue;
        l.Tips[row] = tip;
        l.Absent[row] = gone;
        emit tipChanged(slot, row);
    }
}

} // namespace korvo
