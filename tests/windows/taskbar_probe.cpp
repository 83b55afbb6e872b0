// Whether the top-level window of a given title has a taskbar entry of its own. Windows gives one to a
// visible window without owner unless it is a tool window, and to any window with WS_EX_APPWINDOW.
// scripts/cross-windows builds it and asks it about Korvo's windows under Wine.
// Exit status: 0 an entry of its own, 2 none, 1 no such window, 64 usage.
#include <cstdio>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: taskbar_probe TITLE\n", stderr);
        return 64;
    }
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::puts("no such window");
        return 1;
    }
    const HWND owner = GetWindow(window, GW_OWNER);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const bool tool = (style & WS_EX_TOOLWINDOW) != 0;
    const bool app = (style & WS_EX_APPWINDOW) != 0;
    const bool entry = app || (!owner && !tool);
    std::printf("%s, %s, %s: %s\n", owner ? "owned" : "no owner", tool ? "tool window" : "not a tool window",
                app ? "WS_EX_APPWINDOW" : "no WS_EX_APPWINDOW",
                entry ? "a taskbar entry of its own" : "no taskbar entry");
    return entry ? 0 : 2;
}
