#include "platform/wmi/ComWorker.h"

#include "platform/NetConfigService.h"
#include "platform/wmi/ComSupport.h"
#include "platform/wmi/WmiArguments.h"

namespace korvo::platform::wmi {

ComWorker::ComWorker() {
    std::promise<void> started;
    auto ready = started.get_future();
    // The thread keeps the promise: it must outlive set_value, not just our wait.
    thread_ = std::thread([this, promise = std::move(started)]() mutable { loop(promise); });
    try {
        ready.get();
    } catch (...) {
        thread_.join();
        throw;
    }
}

ComWorker::~ComWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void ComWorker::run(const std::function<void()>& task) {
    if (std::this_thread::get_id() == thread_.get_id()) {
        task();
        return;
    }
    std::packaged_task<void()> job(task);
    auto done = job.get_future();
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(job));
    }
    wake_.notify_one();
    done.get();
}

void ComWorker::loop(std::promise<void>& started) {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(hr)) {
        started.set_exception(
            std::make_exception_ptr(callError("initialising COM", static_cast<std::uint32_t>(hr))));
        return;
    }
    // Once per process; RPC_E_TOO_LATE means someone set it already, and each
    // connection sets its own proxy blanket anyway.
    hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                              RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    if (FAILED(hr) && hr != RPC_E_TOO_LATE) {
        CoUninitialize();
        started.set_exception(
            std::make_exception_ptr(callError("setting COM security", static_cast<std::uint32_t>(hr))));
        return;
    }
    started.set_value();

    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) break;
        auto job = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
    lock.unlock();
    CoUninitialize();
}

} // namespace korvo::platform::wmi
