// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader and loader and stops at the first input
// that breaks what must always hold (see checkSettingsInput).
#include "settingsinputcheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::filesystem::path scratchFolder()
{
    static const std::filesystem::path folder = [] {
        // A memory-backed folder keeps the file round trip of every input quick.
        std::error_code error;
        const bool shm = std::filesystem::is_directory("/dev/shm", error);
        const auto base =
            shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
        auto path = base / ("ttt-settings-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string failure = ttt::checkSettingsInput(input, scratchFolder());
    if (!failure.empty()) {
        std::fprintf(stderr, "settings check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
