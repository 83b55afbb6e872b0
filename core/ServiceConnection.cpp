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

} // namespace korvo
