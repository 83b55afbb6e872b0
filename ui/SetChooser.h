// The Settings page's profile set chooser: a list of the sets and a menu to make, rename, duplicate,
// delete, import and export them. The window decides whether the set shown may be left and loads the
// one chosen; the chooser keeps the sets' files and remembers the choice.
#pragma once

#include "core/ProfileSets.h"
#include "ui/Environment.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace korvo {

class SetChooser : public QWidget {
    Q_OBJECT

public:
    // What the window does for the chooser.
    struct Window {
        // False keeps the set shown (its unsaved changes with it); true once it may be left.
        std::function<bool()> mayLeave;
        // Shows the set now current (currentFile()).
        std::function<void()> open;
    };
    // The dialogs that ask for a name or a file; tests answer them. Unset ones use Qt's dialogs.
    struct Dialogs {
        // The text typed, or nullopt when cancelled.
        std::function<std::optional<QString>(QWidget* parent, const QString& title, const QString& label,
                                             const QString& text)>
            askName;
        // A file to import, or empty when cancelled.
        std::function<QString(QWidget* parent, const QString& title)> openFile;
        // Where to export to, or empty when cancelled; `suggested` is a file name.
        std::function<QString(QWidget* parent, const QString& title, const QString& suggested)> saveFile;
    };

    // The sets beside `environment.settingsFile`; the one chosen last is current.
    SetChooser(const Environment& environment, Window window, QWidget* parent = nullptr);

    // Makes the controls; until then (the Settings page not yet shown) only the choice exists.
    void build();

    QString currentName() const { return Current; }
    QString currentFile() const;
    QStringList names() const;
    QList<QWidget*> keyboardOrder() const; // none before build()
    void setDialogs(Dialogs dialogs) { Ask = std::move(dialogs); }

    // Switches to the set `name`, as choosing it in the list does.
    void choose(const QString& name);

    void newSet();
    void renameSet();
    void duplicateSet();
    void deleteSet();
    void importSet();
    void exportSet();

signals:
    // The sets and the current one, whenever either may have changed.
    void listed(const QStringList& names, const QString& current);

private:
    void relist();
    // Shows `name` without asking; `remember` keeps it as the choice.
    void open(const QString& name);
    std::optional<QString> askName(const QString& title, const QString& text);
    // Says why `failure` happened (nothing when empty); true when it is empty.
    bool done(const QString& failure, const QString& what);

    ProfileSets Sets;
    Environment Env;
    Window Host;
    Dialogs Ask;
    QString Current;
    QLabel* Label = nullptr;
    QComboBox* List = nullptr;
    QPushButton* Actions = nullptr;
    QMenu* Menu = nullptr;
};

} // namespace korvo
