// Any bytes as Korvo.ini: the loader must never crash, and whatever it accepts
// must be exactly 129 lines that a save writes back to the same values, and,
// unedited, to the same bytes.
#include "core/SettingsLines.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace korvo;

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_settings_loader: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DecodedSettings decoded = decodeSettingsFile(input);
    if (decoded.fault != SettingsFault::None) return 0;
    require(decoded.lines.size() == SettingsLineCount, "accepted a file that is not 129 lines");

    // Only a last line without its CR LF gains one.
    const EncodedSettings unedited = encodeSettingsFile(decoded.lines, decoded.encoding);
    require(unedited.error.isEmpty() && unedited.encoding == decoded.encoding, "cannot save as it was read");
    require(unedited.bytes == input || unedited.bytes == input.toByteArray() + "\r\n",
            "an unedited save changes the bytes");

    StoredSettings loaded = storedSettings(decoded.lines);
    const EncodedSettings saved = encodeSettingsFile(settingsLines(loaded), decoded.encoding);
    require(saved.error.isEmpty(), "cannot save values that were loaded");
    const DecodedSettings reloaded = decodeSettingsFile(saved.bytes);
    require(reloaded.fault == SettingsFault::None, "rejects a file it saved itself");

    // A save repeats profile 1's adapter on line 127 and clears the flag on 128.
    loaded.RepeatedAdapterCaption = loaded.Profiles[0].AdapterCaption;
    loaded.UseRepeatedAdapter = false;
    require(storedSettings(reloaded.lines) == loaded, "a saved file loads other values");
    return 0;
}
