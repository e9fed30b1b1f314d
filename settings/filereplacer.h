#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace ttt {

// The moments of a replacement at which an interruption leaves a different picture on
// disk: the new file beside the old one is empty, it is fully written, or it has taken
// the old one's place.
enum class ReplaceStep { TempCreated, TempWritten, Renamed };

// Called at each step; lets tests stop a replacement part-way.
using ReplaceObserver = std::function<void(ReplaceStep)>;

// Replaces the whole content of a file so that the file always holds either the old or
// the new content in full, even if the program dies in between: the new content goes
// into a new file in the same folder, is flushed to disk and then renamed over the old
// file. A symbolic link is followed and its target replaced. A file without write
// permission is left alone. Returns why the replacement failed, or an empty string.
std::string replaceFileContent(const std::filesystem::path& file, std::string_view content,
                               const ReplaceObserver& observer = {});

} // namespace ttt
