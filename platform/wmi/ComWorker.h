// The thread all of Korvo's COM work runs on. Qt initialises OLE, a
// single-threaded apartment, on the GUI thread, so WMI cannot have the
// multithreaded apartment there; rather than depend on whatever apartment the
// caller happens to be in, one thread of our own joins the MTA, sets process
// security once, and runs each call while the caller waits. The service
// interface stays synchronous, and every COM pointer is created, used and
// released on this one thread. Windows only.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace korvo::platform::wmi {

class ComWorker {
public:
    // Starts the thread and waits for COM to come up on it; throws ServiceError when it cannot.
    ComWorker();
    ~ComWorker();
    ComWorker(const ComWorker&) = delete;
    ComWorker& operator=(const ComWorker&) = delete;

    // Runs `task` on the worker and waits for it; its exception reaches the caller.
    void run(const std::function<void()>& task);

    template <class F> auto call(F&& f) -> decltype(f()) {
        using R = decltype(f());
        if constexpr (std::is_void_v<R>) {
            run(std::forward<F>(f));
        } else {
            std::optional<R> result;
            run([&] { result.emplace(f()); });
            return std::move(*result);
        }
    }

private:
    void loop(std::promise<void>& started);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<void()>> tasks_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace korvo::platform::wmi
