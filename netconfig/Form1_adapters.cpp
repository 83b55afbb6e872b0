#include "app/Form1.h"

#include "platform/NetConfigService.h"

#include <QListWidget>
#include <exception>

namespace korvo {

void Form1::EnumerateAdapters() {
    ComputerName = QStringLiteral(".");
    ListedAdapterCount = 0;
    if (!Env.connector)
        return;

    std::vector<std::unique_ptr<platform::AdapterItem>> adapters;
    try {
        const std::unique_ptr<platform::Service> service =
            Env.connector->connect("winmgmts:\\\\" + ComputerName.toStdString() + "\\root\\cimv2");
        if (!service)
            return;
        adapters = service->execQuery(platform::AdapterQuery,
                                      platform::QueryFlagReturnImmediately + platform::QueryFlagForwardOnly);
    } catch (const std::exception&) {
        return; // no service, no lists, no message
    }

    for (const std::unique_ptr<platform::AdapterItem>& adapter : adapters) {
        const QString caption = QString::fromStdString(adapter->caption());
        for (const ProfileTab& t : Tabs)
            t.Adapters->insertItem(ListedAdapterCount, caption);
        ++ListedAdapterCount;
    }
}

// Also when the service could not be asked: the saved caption is kept, shown and saved back,
// and pressing the tab's button reports why the service failed.
void Form1::RestoreSavedAdapter(QListWidget* list, const QString& caption) {
    // A second restore into the same list replaces the entry the first one added.
    if (list->count() > ListedAdapterCount)
        list->item(ListedAdapterCount)->setText(caption);
    else
        list->insertItem(ListedAdapterCount, caption);

    QListWidgetItem* entry = list->item(ListedAdapterCount);
    if (entry->isSelected()) {
        // Already the selection, so no notification comes; its text changed all the same.
        for (int t = 0; t < TabCount; ++t)
            if (tab(t).Adapters == list)
                List_Click(t);
        return;
    }
    list->setCurrentItem(entry);
}

} // namespace korvo
