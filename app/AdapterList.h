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

} // namespace korvo
