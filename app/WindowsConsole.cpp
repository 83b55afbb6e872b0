#include "app/WindowsConsole.h"

#include <cstdio>
#include <windows.h>

namespace korvo {

namespace {

bool redirected(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void reopen(FILE* stream, const char* device, const char* mode) {
    FILE* reopened = nullptr;
    // Failing leaves the stream as it was: output is lost as before, nothing worse.
    if (freopen_s(&reopened, device, mode, stream) == 0) setvbuf(stream, nullptr, _IONBF, 0);
}

} // namespace

void attachParentConsole() {
    // Asked before attaching: afterwards every handle looks like the console.
    const bool in = redirected(STD_INPUT_HANDLE);
    const bool out = redirected(STD_OUTPUT_HANDLE);
    const bool err = redirected(STD_ERROR_HANDLE);
    if ((in && out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!in) reopen(stdin, "CONIN$", "r");
    if (!out) reopen(stdout, "CONOUT$", "w");
    if (!err) reopen(stderr, "CONOUT$", "w");
}

} // namespace korvo
