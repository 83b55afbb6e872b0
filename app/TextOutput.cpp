#include "app/TextOutput.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace korvo {

namespace {

#ifdef Q_OS_WIN
// True when the stream is a console: then the text went there, or as much of it as the console took.
bool writeConsole(std::FILE* stream, const QString& text) {
    const intptr_t os = _get_osfhandle(_fileno(stream));
    const auto handle = reinterpret_cast<HANDLE>(os);
    DWORD mode = 0;
    if (os == -1 || !GetConsoleMode(handle, &mode)) return false;
    // What the C library still holds comes first.
    std::fflush(stream);
    const auto* data = reinterpret_cast<const wchar_t*>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<qsizetype>(left, 16384));
        if (!WriteConsoleW(handle, data, chunk, &written, nullptr) || written == 0) break;
        data += written;
        left -= written;
    }
    return true;
}
#endif

} // namespace

void writeText(std::FILE* stream, const QString& text) {
#ifdef Q_OS_WIN
    if (writeConsole(stream, text)) return;
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace korvo
