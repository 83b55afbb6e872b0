#include "platform/wmi/WmiConnector.h"

#include "platform/wmi/ComSupport.h"
#include "platform/wmi/ComWorker.h"
#include "platform/wmi/LinkProbe.h"
#include "platform/wmi/WmiArguments.h"

#include <wbemidl.h>

#include <climits>
#include <optional>

namespace korvo::platform {

namespace wmi {

static_assert(static_cast<DWORD>(Impersonation::Impersonate) == RPC_C_IMP_LEVEL_IMPERSONATE);
static_assert(static_cast<DWORD>(Impersonation::Delegate) == RPC_C_IMP_LEVEL_DELEGATE);
static_assert(static_cast<std::uint32_t>(WBEM_E_ACCESS_DENIED) == 0x80041003u);

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), length);
    return out;
}

std::string narrow(const wchar_t* utf16, std::size_t length) {
    if (length == 0) return {};
    const int size = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16, size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16, size, out.data(), bytes, nullptr, nullptr);
    return out;
}

namespace {

std::uint32_t bits(HRESULT hr) {
    return static_cast<std::uint32_t>(hr);
}

void check(HRESULT hr, std::string_view what) {
    if (FAILED(hr)) throw callError(what, bits(hr));
}

std::optional<std::string> stringProperty(IWbemClassObject* object, const wchar_t* name) {
    Variant value;
    if (FAILED(object->Get(name, 0, value.put(), nullptr, nullptr)) || value.type() != VT_BSTR)
        return std::nullopt;
    return narrow((*value).bstrVal);
}

std::vector<std::string> stringArrayProperty(IWbemClassObject* object, const wchar_t* name) {
    Variant value;
    std::vector<std::string> out;
    if (FAILED(object->Get(name, 0, value.put(), nullptr, nullptr)) || value.type() != (VT_ARRAY | VT_BSTR))
        return out;
    SAFEARRAY* array = (*value).parray;
    LONG low = 0;
    LONG high = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &low)) || FAILED(SafeArrayGetUBound(array, 1, &high))) return out;
    for (LONG i = low; i <= high; ++i) {
        Bstr element;
        if (SUCCEEDED(SafeArrayGetElement(array, &i, element.put()))) out.push_back(narrow(element.get()));
    }
    return out;
}

SafeArray makeVector(VARTYPE type, std::size_t size) {
    SafeArray array(SafeArrayCreateVector(type, 0, static_cast<ULONG>(size)));
    if (!array.get()) throw callError("building an argument", bits(E_OUTOFMEMORY));
    return array;
}

void fill(Variant& variant, const MethodArgument& argument, std::string_view what) {
    VARIANT* out = variant.put();
    switch (argument.type) {
    case ArgumentType::String:
        out->vt = VT_BSTR;
        out->bstrVal =
            SysAllocString(widen(argument.strings.empty() ? "" : argument.strings.front()).c_str());
        break;
    case ArgumentType::StringArray: {
        auto array = makeVector(VT_BSTR, argument.strings.size());
        for (LONG i = 0; i < static_cast<LONG>(argument.strings.size()); ++i) {
            Bstr element(argument.strings[static_cast<std::size_t>(i)]);
            check(SafeArrayPutElement(array.get(), &i, element.get()), what);
        }
        out->vt = VT_ARRAY | VT_BSTR;
        out->parray = array.release();
        break;
    }
    case ArgumentType::UInt16Array: {
        auto array = makeVector(VT_I4, argument.numbers.size());
        for (LONG i = 0; i < static_cast<LONG>(argument.numbers.size()); ++i) {
            LONG element = argument.numbers[static_cast<std::size_t>(i)];
            check(SafeArrayPutElement(array.get(), &i, &element), what);
        }
        out->vt = VT_ARRAY | VT_I4;
        out->parray = array.release();
        break;
    }
    }
}

std::uint32_t unsignedValue(Variant& value, std::string_view what) {
    switch (value.type()) {
    case VT_I4:
        return static_cast<std::uint32_t>((*value).lVal);
    case VT_UI4:
        return static_cast<std::uint32_t>((*value).ulVal);
    default:
        break;
    }
    check(VariantChangeType(value.get(), value.get(), 0, VT_I4), what);
    return static_cast<std::uint32_t>((*value).lVal);
}

// The IPv4 configuration an adapter configuration instance shows.
IPv4State stateOf(IWbemClassObject* instance) {
    Variant dhcp;
    const bool dhcpEnabled = SUCCEEDED(instance->Get(L"DHCPEnabled", 0, dhcp.put(), nullptr, nullptr)) &&
                             dhcp.type() == VT_BOOL && (*dhcp).boolVal == VARIANT_TRUE;
    return ipv4StateFrom(stringArrayProperty(instance, L"IPAddress"),
                         stringArrayProperty(instance, L"IPSubnet"),
                         stringArrayProperty(instance, L"DefaultIPGateway"),
                         stringArrayProperty(instance, L"DNSServerSearchOrder"), dhcpEnabled);
}

// Lives and dies on the worker thread, shared by a service and its items.
struct Connection {
    ComPtr<IWbemServices> services;
    ComPtr<IWbemClassObject> adapterClass; // fetched with the first method call
};

class WmiAdapter : public Adapter, private AdapterMethods {
public:
    struct State {
        std::shared_ptr<Connection> connection;
        ComPtr<IWbemClassObject> instance;
        Bstr path;
    };

    WmiAdapter(std::shared_ptr<ComWorker> worker, std::unique_ptr<State> state, std::string caption)
        : worker_(std::move(worker)), state_(std::move(state)), caption_(std::move(caption)) {}
    ~WmiAdapter() override {
        worker_->run([this] { state_.reset(); });
    }

    std::string caption() const override { return caption_; }
    std::string hardwareAddress() const override {
        return worker_->call(
            [this] { return stringProperty(state_->instance.get(), L"MACAddress").value_or(std::string()); });
    }

    // From the query's snapshot, as the listing found it.
    std::optional<IPv4State> ipv4State() const override {
        return worker_->call([this] { return stateOf(state_->instance.get()); });
    }

    // The adapter configuration's properties read again: what the methods left, a static gateway
    // left behind by a switch to DHCP included.
    std::optional<IPv4State> readBack() override {
        return worker_->call([this] {
            ComPtr<IWbemClassObject> fresh;
            check(
                state_->connection->services->GetObject(state_->path.get(), 0, nullptr, fresh.put(), nullptr),
                "reading the adapter back");
            if (!fresh) throw ServiceError("reading the adapter back: the service returned nothing");
            return stateOf(fresh.get());
        });
    }

    ChangeResult apply(const IPv4Settings& settings) override { return applyByMethods(settings, *this); }

    // Through the IP helper API, before the WMI calls: asked from the adapter's own address, so that
    // the request goes out on its link.
    LinkAnswer holderOf(const std::string& address, std::chrono::milliseconds wait) override {
        return wmi::holderOf(ownAddress(), address, wait);
    }

    LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait) override {
        return wmi::reach(host, wait);
    }

private:
    int enableStatic(const std::vector<std::string>& ipAddresses,
                     const std::vector<std::string>& subnetMasks) override {
        const int result = invoke(enableStaticCall(ipAddresses, subnetMasks));
        // The query's snapshot still shows the old address; a gateway cleared
        // next must use the one just set.
        if (succeeded(result)) staticAddress_ = firstIPv4(ipAddresses);
        return result;
    }

    int setGateways(const std::vector<std::string>& gateways, const std::vector<int>& metrics) override {
        std::string address = staticAddress_;
        if (address.empty())
            address = worker_->call(
                [this] { return firstIPv4(stringArrayProperty(state_->instance.get(), L"IPAddress")); });
        return invoke(setGatewaysCall(gateways, metrics, address));
    }

    int enableDHCP() override {
        staticAddress_.clear();
        return invoke(enableDHCPCall());
    }

    int setWINSServer(const std::string& primary, const std::string& secondary) override {
        return invoke(setWINSServerCall(primary, secondary));
    }

    int setDNSServerSearchOrder(const std::optional<std::vector<std::string>>& servers) override {
        return invoke(setDNSServerSearchOrderCall(servers));
    }

    // The address just given, else the one the listing found.
    std::string ownAddress() {
        if (!staticAddress_.empty()) return staticAddress_;
        return worker_->call(
            [this] { return firstIPv4(stringArrayProperty(state_->instance.get(), L"IPAddress")); });
    }

    int invoke(const MethodCall& call) {
        return worker_->call([&] { return reportedCode(execute(call)); });
    }

    std::uint32_t execute(const MethodCall& call) {
        Connection& connection = *state_->connection;
        const std::string& method = call.method;
        const Bstr methodName(method);
        if (!connection.adapterClass) {
            const Bstr className(AdapterClass);
            check(connection.services->GetObject(className.get(), 0, nullptr, connection.adapterClass.put(),
                                                 nullptr),
                  method + ": reading the class " + AdapterClass);
        }
        ComPtr<IWbemClassObject> signature;
        check(connection.adapterClass->GetMethod(methodName.get(), 0, signature.put(), nullptr),
              method + " is not available");
        ComPtr<IWbemClassObject> inParameters;
        if (signature) {
            check(signature->SpawnInstance(0, inParameters.put()), method + ": preparing its parameters");
        } else if (!call.arguments.empty()) {
            throw ServiceError(method + ": the service's method takes no parameters");
        }
        for (const auto& argument : call.arguments) {
            const std::string what = method + ": setting " + argument.name;
            Variant value;
            fill(value, argument, what);
            const Bstr name(argument.name);
            check(inParameters->Put(name.get(), 0, value.get(), 0), what);
        }
        ComPtr<IWbemClassObject> outParameters;
        check(connection.services->ExecMethod(state_->path.get(), methodName.get(), 0, nullptr,
                                              inParameters.get(), outParameters.put(), nullptr),
              method);
        if (!outParameters) throw ServiceError(method + ": the service returned no result");
        Variant returnValue;
        check(outParameters->Get(L"ReturnValue", 0, returnValue.put(), nullptr, nullptr),
              method + ": reading ReturnValue");
        return unsignedValue(returnValue, method + ": reading ReturnValue");
    }

    std::shared_ptr<ComWorker> worker_;
    std::unique_ptr<State> state_;
    const std::string caption_;
    std::string staticAddress_;
};

class WmiService : public Service {
public:
    WmiService(std::shared_ptr<ComWorker> worker, std::shared_ptr<Connection> connection)
        : worker_(std::move(worker)), connection_(std::move(connection)) {}
    ~WmiService() override {
        worker_->run([this] { connection_.reset(); });
    }

    std::vector<std::unique_ptr<Adapter>> adapters() override {
        struct Found {
            std::unique_ptr<WmiAdapter::State> state;
            std::string caption;
        };
        auto found = worker_->call([&] {
            std::vector<Found> out;
            const Bstr language(L"WQL");
            const Bstr text(AdapterQuery);
            ComPtr<IEnumWbemClassObject> results;
            check(connection_->services->ExecQuery(language.get(), text.get(), AdapterQueryFlags, nullptr,
                                                   results.put()),
                  "querying the adapters");
            for (;;) {
                ComPtr<IWbemClassObject> instance;
                ULONG returned = 0;
                check(results->Next(static_cast<long>(WBEM_INFINITE), 1, instance.put(), &returned),
                      "reading the adapters");
                if (returned == 0 || !instance) break;
                // Some providers (Wine's among them) have no Caption; Description names the adapter there.
                auto caption = stringProperty(instance.get(), L"Caption");
                if (!caption) caption = stringProperty(instance.get(), L"Description");
                auto path = stringProperty(instance.get(), L"__RELPATH");
                if (!path) path = stringProperty(instance.get(), L"__PATH");
                if (!path) throw ServiceError("reading the adapters: an adapter has no object path");
                auto state = std::make_unique<WmiAdapter::State>();
                state->connection = connection_;
                state->instance = std::move(instance);
                state->path = Bstr(*path);
                out.push_back({std::move(state), caption.value_or(std::string())});
            }
            // Methods are called on the items later; the enumerator must be gone by then.
            results.reset();
            return out;
        });
        std::vector<std::unique_ptr<Adapter>> items;
        items.reserve(found.size());
        for (auto& item : found)
            items.push_back(
                std::make_unique<WmiAdapter>(worker_, std::move(item.state), std::move(item.caption)));
        return items;
    }

private:
    std::shared_ptr<ComWorker> worker_;
    std::shared_ptr<Connection> connection_;
};

} // namespace

std::unique_ptr<Service> WmiConnector::connect(Purpose purpose) {
    const Moniker target = parseMoniker(monikerFor(purpose));
    std::shared_ptr<ComWorker> worker;
    {
        std::lock_guard lock(mutex_);
        if (!worker_) worker_ = std::make_shared<ComWorker>();
        worker = worker_;
    }
    auto connection = worker->call([&] {
        const std::string what = "connecting to " + target.resource();
        ComPtr<IWbemLocator> locator;
        check(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                               reinterpret_cast<void**>(locator.put())),
              what);
        auto made = std::make_shared<Connection>();
        const Bstr resource(target.resource());
        check(locator->ConnectServer(resource.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                     made->services.put()),
              what);
        const HRESULT hr = CoSetProxyBlanket(made->services.get(), RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT,
                                             COLE_DEFAULT_PRINCIPAL, RPC_C_AUTHN_LEVEL_CALL,
                                             static_cast<DWORD>(target.impersonation), nullptr, EOAC_NONE);
        // E_NOINTERFACE: an in-process service object, not a proxy; there is no blanket to set.
        if (hr != E_NOINTERFACE) check(hr, what + ": setting the proxy's security");
        return made;
    });
    return std::make_unique<WmiService>(std::move(worker), std::move(connection));
}

} // namespace wmi

std::unique_ptr<ServiceConnector> makeSystemConnector() {
    return std::make_unique<wmi::WmiConnector>();
}

} // namespace korvo::platform
