// SPDX-License-Identifier: GPL-3.0-or-later
// Every input in the fuzzer's seed corpus (and every crash it ever found, once added
// there) must pass the same checks the fuzzer applies.
#include "settings/fuzz/settingsinputcheck.h"

#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST(SettingsCorpus, EveryInputPassesTheFuzzChecks)
{
    const fs::path corpus = TTT_SETTINGS_CORPUS_DIR;
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    int inputs = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        const ttt::test::ScratchFolder scratch;
        const std::string data = ttt::test::fileContent(entry.path());
        EXPECT_EQ(ttt::checkSettingsInput(data, scratch.path()), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
