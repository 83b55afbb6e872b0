#include "ui/MoreAddressesBox.h"

#include <QRegularExpression>

namespace korvo {

MoreAddressesBox::MoreAddressesBox(int slot, ProfileBook& book, const QString& spokenName, QWidget* parent)
    : QLineEdit(parent), Slot(slot), Book(book) {
    setObjectName(QStringLiteral("MoreAddresses%1").arg(slot + 1));
    setAccessibleName(spokenName);
    const QString example = QStringLiteral("192.0.2.21/24 192.0.2.22/24");
    const QString what = slot == DhcpSlot
                             ? tr("Static addresses kept beside the DHCP lease, each with its prefix length, "
                                  "separated by blanks: %1")
                             : tr("Addresses given after the IP address, each with its prefix length, "
                                  "separated by blanks: %1");
    setToolTip(what.arg(example));
    setAccessibleDescription(toolTip());
    setText(Book.profile(Slot).MoreAddresses.join(u' '));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& typed) {
        Book.setMoreAddresses(Slot,
                              typed.split(QRegularExpression(QStringLiteral("[ \\t]+")), Qt::SkipEmptyParts));
    });
    connect(&Book, &ProfileBook::extrasChanged, this, &MoreAddressesBox::fromBook);
}

QString MoreAddressesBox::heading() {
    return tr("More addresses");
}

// Typing "a  b" keeps its blanks while it means what the book holds; a change from elsewhere (a
// set read, a profile taken from an adapter) is shown as the book has it.
void MoreAddressesBox::fromBook(int slot) {
    if (slot != Slot) return;
    const QStringList held = Book.profile(Slot).MoreAddresses;
    if (text().split(QRegularExpression(QStringLiteral("[ \\t]+")), Qt::SkipEmptyParts) != held)
        setText(held.join(u' '));
}

} // namespace korvo
