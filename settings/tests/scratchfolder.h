// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

namespace ttt::test {

// A new, empty folder for one test, removed with everything in it afterwards.
class ScratchFolder
{
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// A file's bytes, or "<missing>" when it cannot be opened.
std::string fileContent(const std::filesystem::path& file);

// Writes the bytes to the file, replacing what it held.
void writeFile(const std::filesystem::path& file, const std::string& content);

// Whether permission bits keep this process out (they do not for root).
bool permissionsApply();

} // namespace ttt::test

namespace ttt {

// Failed checks show a error in words.
inline void PrintTo(const FileError& error, std::ostream* out)
{
    if (!error)
        *out << "no error";
    else if (error.cause == FileError::Cause::SystemError)
        *out << std::generic_category().message(error.errorNumber);
    else
        *out << "not a plain file (cause " << static_cast<int>(error.cause) << ") "
             << error.linkTarget;
}

} // namespace ttt
