// Start-up time and memory of programs that show one window, measured the same
// way for each, interleaved round by round so that they share the machine's
// mood. Watches the X server (Xvfb), not the program, so nothing in the program
// knows it is being timed:
//   mapped: process start to the server mapping its first top-level window;
//   drawn:  process start to the last drawing of that first paint (the window
//           stays quiet for QuietMs after it);
//   peak RSS: VmHWM of the process once drawn.
// Prints medians, each scenario's ratio to the first one and to the one before.
//
//   bench_startup ROUNDS NAME=COMMAND [NAME=COMMAND...]   (DISPLAY set; COMMAND split at blanks)
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int QuietMs = 300;
constexpr int GiveUpMs = 60000;

double msSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Scenario {
    std::string name;
    std::vector<std::string> argv;
    std::vector<double> mapped, drawn, rssMiB;
};

struct Sample {
    double mapped = 0, drawn = 0, rssMiB = 0;
};

class Screen {
public:
    Screen() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("cannot connect to the X server (is DISPLAY set?)");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present) throw std::runtime_error("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                            nullptr));

        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        // Damage on the root reports drawing in every window on the screen.
        const xcb_damage_damage_t damageId = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damageId, root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
    }
    ~Screen() { xcb_disconnect(connection_); }

    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            free(event);
    }

    // Runs `argv` and watches its first top-level window appear and settle.
    Sample measure(const std::vector<std::string>& argv) {
        drain();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0) throw std::runtime_error("fork failed");
        if (pid == 0) {
            std::vector<char*> args;
            for (const std::string& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            std::perror(args[0]);
            std::_Exit(127);
        }

        std::optional<Clock::time_point> mapped, lastDrawn;
        xcb_window_t window = 0;
        int x = 0, y = 0, w = 0, h = 0;
        for (;;) {
            const Clock::time_point now = Clock::now();
            if (msSince(start, now) > GiveUpMs) break;
            if (lastDrawn && msSince(*lastDrawn, now) >= QuietMs) break;
            if (mapped && !lastDrawn && msSince(*mapped, now) >= GiveUpMs / 4) break;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                poll(&fd, 1, 10);
                continue;
            }
            const Clock::time_point at = Clock::now();
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && !mapped) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && map->event == root_) {
                    mapped = at;
                    window = map->window;
                    if (auto* g = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window),
                                                         nullptr)) {
                        x = g->x, y = g->y, w = g->width, h = g->height;
                        free(g);
                    }
                }
            } else if (type == damageEvent_ && mapped) {
                const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                const xcb_rectangle_t& r = damage->area;
                if (r.x < x + w && x < r.x + r.width && r.y < y + h && y < r.y + r.height) lastDrawn = at;
            }
            free(event);
        }

        Sample sample;
        sample.mapped = mapped ? msSince(start, *mapped) : -1;
        sample.drawn = lastDrawn ? msSince(start, *lastDrawn) : -1;
        sample.rssMiB = peakRssMiB(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        if (!mapped || !lastDrawn)
            throw std::runtime_error(argv[0] + ": no window was " + (mapped ? "drawn" : "mapped"));
        return sample;
    }

private:
    static double peakRssMiB(pid_t pid) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0; // kB
        return -1;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup ROUNDS NAME=COMMAND [NAME=COMMAND...]\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Scenario> scenarios;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto eq = argument.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "bench_startup: %s is not NAME=COMMAND\n", argv[i]);
            return 2;
        }
        Scenario s;
        s.name = argument.substr(0, eq);
        std::istringstream words(argument.substr(eq + 1));
        for (std::string word; words >> word;)
            s.argv.push_back(word);
        scenarios.push_back(std::move(s));
    }

    try {
        Screen screen;
        // One unmeasured round warms the page cache and the X server for everyone.
        for (Scenario& s : scenarios)
            screen.measure(s.argv);
        for (int round = 0; round < rounds; ++round)
            for (Scenario& s : scenarios) {
                const Sample sample = screen.measure(s.argv);
                s.mapped.push_back(sample.mapped);
                s.drawn.push_back(sample.drawn);
                s.rssMiB.push_back(sample.rssMiB);
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }

    std::printf("%d rounds, medians; ratios to the first scenario and to the one before\n", rounds);
    std::printf("%-14s %10s %10s %8s %8s %12s %8s %8s\n", "scenario", "mapped ms", "drawn ms", "x first",
                "x before", "peak RSS MiB", "x first", "x before");
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const Scenario& s = scenarios[i];
        const Scenario& first = scenarios.front();
        const Scenario& before = scenarios[i ? i - 1 : 0];
        std::printf("%-14s %10.1f %10.1f %8.2f %8.2f %12.1f %8.2f %8.2f\n", s.name.c_str(), median(s.mapped),
                    median(s.drawn), median(s.drawn) / median(first.drawn),
                    median(s.drawn) / median(before.drawn), median(s.rssMiB),
                    median(s.rssMiB) / median(first.rssMiB), median(s.rssMiB) / median(before.rssMiB));
    }
    return 0;
}
