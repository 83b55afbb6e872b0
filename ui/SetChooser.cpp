#include "ui/SetChooser.h"

#include "ui/Artwork.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>

namespace korvo {

SetChooser::SetChooser(const Environment& environment, Window window, QWidget* parent)
    : QWidget(parent), Sets(environment.settingsFile), Env(environment), Host(std::move(window)),
      Current(Sets.chosen()) {
    setObjectName(QStringLiteral("SetChooser"));
}

void SetChooser::build() {
    if (List) return;
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 4, 0, 4);
    row->setSpacing(6);
    Label = new QLabel(tr("Set:"), this);
    Label->setObjectName(QStringLiteral("SetLabel"));
    art::setTextColor(Label, art::Slate);
    List = new QComboBox(this);
    List->setObjectName(QStringLiteral("SetList"));
    List->setAccessibleName(tr("Profile set"));
    List->view()->setAccessibleName(tr("Profile set"));
    List->setToolTip(tr("The profile set shown and applied: each set is a settings file of its own"));
    List->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    List->setMinimumContentsLength(8);
    Label->setBuddy(List);
    Actions = new PictureButton(PictureButton::Face::Neutral, tr("Sets"), this);
    Actions->setObjectName(QStringLiteral("SetActions"));
    Actions->setAccessibleName(tr("Manage profile sets"));
    Actions->setMinimumWidth(QFontMetrics(Actions->font()).horizontalAdvance(Actions->text()) + 24);
    // Popped up from the click rather than set as the button's menu: a screen reader then still
    // finds the button's press action.
    auto* menu = Menu = new QMenu(Actions);
    menu->setObjectName(QStringLiteral("SetMenu"));
    menu->addAction(tr("New…"), this, &SetChooser::newSet);
    menu->addAction(tr("Rename…"), this, &SetChooser::renameSet)->setObjectName(QStringLiteral("SetRename"));
    menu->addAction(tr("Duplicate…"), this, &SetChooser::duplicateSet);
    menu->addAction(tr("Delete…"), this, &SetChooser::deleteSet)->setObjectName(QStringLiteral("SetDelete"));
    menu->addSeparator();
    menu->addAction(tr("Import…"), this, &SetChooser::importSet);
    menu->addAction(tr("Export…"), this, &SetChooser::exportSet);
    connect(Actions, &QPushButton::clicked, this,
            [this] { Menu->popup(Actions->mapToGlobal(QPoint(0, Actions->height()))); });
    row->addWidget(Label);
    row->addWidget(List, 1);
    row->addWidget(Actions);
    connect(List, &QComboBox::activated, this, [this](int index) { choose(List->itemText(index)); });
    relist();
}

QString SetChooser::currentFile() const {
    return Sets.fileOf(Current);
}

QStringList SetChooser::names() const {
    return Sets.names();
}

QList<QWidget*> SetChooser::keyboardOrder() const {
    if (!List) return {};
    return {List, Actions};
}

void SetChooser::relist() {
    QStringList names = Sets.names();
    // Shown also when its file went away behind Korvo's back: its values are what the window holds.
    if (!names.contains(Current)) names << Current;
    if (!List) {
        emit listed(names, Current);
        return;
    }
    const QSignalBlocker quiet(List);
    List->clear();
    List->addItems(names);
    List->setCurrentIndex(static_cast<int>(names.indexOf(Current)));
    const bool own = Current != QLatin1String(DefaultSetName);
    for (QAction* action : Menu->actions())
        if (action->objectName() == QLatin1String("SetRename") ||
            action->objectName() == QLatin1String("SetDelete"))
            action->setEnabled(own);
    emit listed(names, Current);
}

bool SetChooser::done(const QString& failure, const QString& what) {
    if (failure.isEmpty()) return true;
    Env.exclamation(this, tr("Korvo"), what.arg(failure));
    relist();
    return false;
}

std::optional<QString> SetChooser::askName(const QString& title, const QString& text) {
    if (Ask.askName) return Ask.askName(this, title, tr("Name of the set:"), text);
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, title, tr("Name of the set:"), QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return name;
}

void SetChooser::open(const QString& name) {
    Current = name;
    if (Host.open) Host.open();
    done(Sets.choose(name), tr("The set chosen could not be remembered for the next start: %1"));
    relist();
}

void SetChooser::choose(const QString& name) {
    if (name == Current || !Sets.exists(name) || (Host.mayLeave && !Host.mayLeave())) {
        relist();
        return;
    }
    open(name);
}

void SetChooser::newSet() {
    const std::optional<QString> name = askName(tr("New profile set"), QString());
    if (!name || (Host.mayLeave && !Host.mayLeave())) return;
    if (done(Sets.create(*name), tr("The set could not be made: %1"))) open(*name);
}

void SetChooser::renameSet() {
    if (Current == QLatin1String(DefaultSetName)) return;
    const std::optional<QString> name = askName(tr("Rename profile set"), Current);
    if (!name || *name == Current) return;
    // The values shown stay as they are: only the file's name changes.
    if (!done(Sets.rename(Current, *name), tr("The set could not be renamed: %1"))) return;
    Current = *name;
    relist();
}

void SetChooser::duplicateSet() {
    const std::optional<QString> name = askName(tr("Duplicate profile set"), tr("%1 copy").arg(Current));
    // Saved first, so that the copy has what is shown.
    if (!name || (Host.mayLeave && !Host.mayLeave())) return;
    if (done(Sets.duplicate(Current, *name), tr("The set could not be duplicated: %1"))) open(*name);
}

void SetChooser::deleteSet() {
    if (Current == QLatin1String(DefaultSetName)) return;
    if (!(Env.question &&
          Env.question(this, tr("Korvo"),
                       tr("Delete the profile set \"%1\" with all its profiles? This cannot be "
                          "undone.")
                           .arg(Current))))
        return;
    if (done(Sets.remove(Current), tr("The set could not be deleted: %1")))
        open(QLatin1String(DefaultSetName));
}

void SetChooser::importSet() {
    const QString title = tr("Import a profile set");
    const QString filter = tr("Korvo settings (*.ini);;All files (*)");
    const QString file = Ask.openFile ? Ask.openFile(this, title)
                                      : QFileDialog::getOpenFileName(this, title, QDir::homePath(), filter);
    if (file.isEmpty()) return;
    QString suggested = QFileInfo(file).completeBaseName();
    if (!setNameProblem(suggested).isEmpty()) suggested.clear();
    const std::optional<QString> name = askName(title, suggested);
    if (!name || (Host.mayLeave && !Host.mayLeave())) return;
    if (done(Sets.importFile(file, *name), tr("The set could not be imported: %1"))) open(*name);
}

void SetChooser::exportSet() {
    const QString title = tr("Export the profile set \"%1\"").arg(Current);
    // The file as saved is what goes: what is shown is saved first.
    if (Host.mayLeave && !Host.mayLeave()) return;
    const QString suggested = Current + QStringLiteral(".ini");
    const QString target = Ask.saveFile
                               ? Ask.saveFile(this, title, suggested)
                               : QFileDialog::getSaveFileName(this, title, QDir::home().filePath(suggested),
                                                              tr("Korvo settings (*.ini);;All files (*)"));
    if (target.isEmpty()) return;
    done(Sets.exportSet(Current, target), tr("The set could not be exported: %1"));
}

} // namespace korvo
