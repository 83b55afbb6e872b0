#include "core/ServiceConnection.h"

#include <QCoreApplication>

namespace korvo {

std::unique_ptr<platform::Service> connectService(platform::ServiceConnector* connector,
                                                  platform::Purpose purpose) {
    if (!connector)
        throw platform::ServiceError(
            QCoreApplication::translate("ResultTexts",
                                        "no network configuration service is available on this system")
                .toStdString());
    std::unique_ptr<platform::Service> service = connector->connect(purpose);
    if (!service)
        throw platform::ServiceError(
            QCoreApplication::translate("ResultTexts", "the service gave no connection").toStdString());
    return service;
}

std::vector<platform::Adapter*> adaptersNamed(const std::vector<std::unique_ptr<platform::Adapter>>& adapters,
                                              const std::string& caption) {
    std::vector<platform::Adapter*> named;
    for (const auto& adapter : adapters)
        if (adapter && adapter->caption() == caption) named.push_back(adapter.get());
    return named;
}

platform::Adapter* adapterWithHardwareAddress(const std::vector<std::unique_ptr<platform::Adapter>>& adapters,
                                              const std::string& hardwareAddress) {
    if (hardwareAddress.empty()) return nullptr;
    const QString wanted = QString::fromStdString(hardwareAddress);
    platform::Adapter* found = nullptr;
    for (const auto& adapter : adapters) {
        if (!adapter ||
            QString::fromStdString(adapter->hardwareAddress()).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        // A bond's or a VLAN's members share one: which was meant cannot be told.
        if (found) return nullptr;
        found = adapter.get();
    }
    return found;
}

} // namespace korvo
