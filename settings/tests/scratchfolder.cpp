// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchfolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace ttt::test {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ttt-settings-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch folder");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code error;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

std::string fileContent(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::filesystem::path& file, const std::string& content)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

bool permissionsApply()
{
    // Tried rather than guessed from the user id: root, or a process with the right
    // capability, reads a file that has no permissions at all.
    const ScratchFolder folder;
    const std::filesystem::path probe = folder / "probe";
    writeFile(probe, "x");
    std::filesystem::permissions(probe, std::filesystem::perms::none);
    return !std::ifstream(probe).is_open();
}

} // namespace ttt::test
