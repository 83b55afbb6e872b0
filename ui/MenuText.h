// A name as the user typed it, made into the text of a menu entry or a button with access keys, so
// that it shows exactly as typed.
#pragma once

#include <QString>

namespace korvo {

// Who draws the menu decides what marks an access key.
enum class MenuDrawer {
    Qt,      // a QMenu or QAbstractButton: '&' marks, "&&" is one '&'
    DBusMenu // a panel showing Qt's com.canonical.dbusmenu export: '_' marks, "__" is one '_'
};

QString menuText(const QString& typed, MenuDrawer drawer);

} // namespace korvo
