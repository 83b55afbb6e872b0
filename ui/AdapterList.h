// An adapter list: single selection that only moves, never empties. Once a tab
// has an adapter it keeps one; a Ctrl+click on the chosen entry would otherwise
// leave the tab without a choice.
#pragma once

#include <QListWidget>

namespace korvo {

class AdapterList : public QListWidget {
public:
    explicit AdapterList(QWidget* parent) : QListWidget(parent) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSortingEnabled(false);
    }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override {
        const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
        if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect))
            return QItemSelectionModel::NoUpdate;
        return flags;
    }
};

// The list's selected entry, empty when none. Not currentItem(): keyboard focus makes
// an entry current without selecting it, and an unselected entry is no choice.
inline QString selectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace korvo
