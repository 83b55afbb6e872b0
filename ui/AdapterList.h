// An adapter list: single selection that only moves, never empties. Once a tab
// has an adapter it keeps one; a Ctrl+click on the chosen entry would otherwise
// leave the tab without a choice.
#pragma once

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <functional>

namespace korvo {

class AdapterList : public QListWidget {
public:
    explicit AdapterList(QWidget* parent) : QListWidget(parent) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setSortingEnabled(false);
    }

    // An entry's context menu, asked for at `globalPos`: by the mouse on the entry under it, by the
    // keyboard on the current entry.
    std::function<void(QListWidgetItem* entry, const QPoint& globalPos)> menuFor;

protected:
    // A mouse's event comes from the viewport, in its coordinates; the keyboard's names no entry.
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (event->reason() == QContextMenuEvent::Mouse)
            askMenu(itemAt(event->pos()), viewport()->mapToGlobal(event->pos()));
        else
            askMenuAtCurrent();
    }
    // On X11 the Menu key comes as a context-menu event first, and its key press then goes to the
    // menu already open; Shift+F10, and the Menu key on other platforms, come as key presses only.
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
            (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
            askMenuAtCurrent();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override {
        const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
        if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect))
            return QItemSelectionModel::NoUpdate;
        return flags;
    }

private:
    void askMenuAtCurrent() {
        QListWidgetItem* entry = currentItem();
        if (!entry) return;
        scrollToItem(entry);
        askMenu(entry, viewport()->mapToGlobal(visualItemRect(entry).center()));
    }
    void askMenu(QListWidgetItem* entry, const QPoint& globalPos) {
        if (entry && menuFor) menuFor(entry, globalPos);
    }
};

// The list's selected entry, empty when none. Not currentItem(): keyboard focus makes
// an entry current without selecting it, and an unselected entry is no choice.
inline QString selectedEntry(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

} // namespace korvo
