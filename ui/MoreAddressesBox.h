// The box on a profile's tab that holds its further addresses, typed as they are stored: CIDR texts
// separated by blanks ("192.0.2.21/24 192.0.2.22/24"). It edits the book's slot and shows its changes.
#pragma once

#include "core/ProfileBook.h"

#include <QLineEdit>

namespace korvo {

class MoreAddressesBox : public QLineEdit {
    Q_OBJECT

public:
    // For `slot` of `book`; `spokenName` is what a screen reader calls it ("Profile 2, More addresses").
    MoreAddressesBox(int slot, ProfileBook& book, const QString& spokenName, QWidget* parent);

    // Its heading over it, in the tab's words.
    static QString heading();

private:
    void fromBook(int slot);

    int Slot;
    ProfileBook& Book;
};

} // namespace korvo
