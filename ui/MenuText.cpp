#include "ui/MenuText.h"

namespace korvo {

QString menuText(const QString& typed, MenuDrawer drawer) {
    if (drawer == MenuDrawer::Qt) {
        QString text = typed;
        return text.replace(QLatin1Char('&'), QLatin1String("&&"));
    }
    QString text = typed;
    text.replace(QLatin1Char('_'), QLatin1String("__"));
    // Qt's export turns the first '&' of a text into the panel's '_' and leaves every other '&' as
    // it is, "&&" included. A leading '&' of our own takes that turn, so the typed ones pass
    // unchanged; it makes the first character the access key, which the panel shows only on Alt.
    if (text.contains(QLatin1Char('&'))) text.prepend(QLatin1Char('&'));
    return text;
}

} // namespace korvo
