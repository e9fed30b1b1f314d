// SPDX-License-Identifier: GPL-3.0-or-later
// The lab's opponent verbs, run as the installed program would be.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

namespace {

struct LabRun
{
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

LabRun runLab(const std::string& arguments)
{
    // Test cases may run in parallel processes: each gets files of its own.
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("tttlab_") + test->test_suite_name() + "_" + test->name();
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    const std::string stem = testing::TempDir() + name;
    const std::string out = stem + "_out.txt";
    const std::string err = stem + "_err.txt";
    const std::string command =
        std::string(TTT_LAB_PATH) + " " + arguments + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    LabRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

int lineCount(const std::string& text)
{
    int lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

TEST(LabVerbs, ChooseShowsTheSquareForEachDraw)
{
    EXPECT_EQ(runLab("choose 1 X...O....").out, "1 2 3 4 5 6 7 8 9\n");
    EXPECT_EQ(runLab("choose 3 .........").out, "5 5 5 4 5 5 5 8 9\n");
    EXPECT_EQ(runLab("choose 4 ....X....").out, "9 9 9 9 9 9 9 9 9\n");
    // Taken squares are shown as named: Hard names 9 here although O holds it.
    EXPECT_EQ(runLab("choose 3 .OX....XO").out, "9 5 9 5 9 5 9 9 9\n");
}

TEST(LabVerbs, ReplyGivesNineExactChances)
{
    const LabRun run = runLab("reply 1 X...X....");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 0.000000000\n2 0.142857143\n3 0.142857143\n4 0.142857143\n"
                       "5 0.000000000\n6 0.142857143\n7 0.142857143\n8 0.142857143\n"
                       "9 0.142857143\n");
    EXPECT_EQ(runLab("reply 4 .........").out, "1 0.000000000\n2 0.000000000\n"
                                               "3 0.000000000\n4 0.000000000\n"
                                               "5 1.000000000\n6 0.000000000\n"
                                               "7 0.000000000\n8 0.000000000\n"
                                               "9 0.000000000\n");
}

TEST(LabVerbs, StrengthPrintsSixteenLinesInOrder)
{
    const LabRun run = runLab("strength");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(lineCount(run.out), 16);
    EXPECT_EQ(run.out.rfind("level=1 first=X opponent=best win=", 0), 0u);
    EXPECT_NE(run.out.find("\nlevel=1 first=X opponent=random win=0.584921 draw=0.126984 "
                           "loss=0.288095\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\nlevel=4 first=O opponent=random win="), std::string::npos);
}

struct BadCall
{
    const char* arguments;
    const char* fault; // a word the message must contain
};

void PrintTo(const BadCall& call, std::ostream* out)
{
    *out << "'" << call.arguments << "'";
}

class LabBadArguments : public testing::TestWithParam<BadCall>
{
};

TEST_P(LabBadArguments, ExitTwoWithOneLineNamingTheFault)
{
    const LabRun run = runLab(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find(GetParam().fault), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lab, LabBadArguments,
    testing::Values(BadCall{"choose 3", "LEVEL BOARD"}, BadCall{"choose 3 ......... x", "got 3"},
                    BadCall{"choose 0 .........", "LEVEL"}, BadCall{"reply 5 .........", "LEVEL"},
                    BadCall{"choose 2 ........", "9 characters"},
                    BadCall{"choose 2 ..........", "9 characters"},
                    BadCall{"reply 2 ....x....", "square 5"},
                    BadCall{"choose 2 ...A.....", "square 4"}, BadCall{"reply 3 XXX.OO...", "line"},
                    BadCall{"reply 3 XOXXOOOXX", "free"}, BadCall{"strength 1", "no arguments"},
                    BadCall{"frobnicate", "unknown"}, BadCall{"", "missing"},
                    // Whatever an argument holds, the message stays one line.
                    BadCall{"'fro\nb'", "verb 'fro\\nb'"},
                    BadCall{"choose '1\r\n' .........", "not '1\\r\\n'"},
                    BadCall{"choose 2 '....\t....'", "square 5 is '\\t'"},
                    BadCall{"choose 2 \"a'b\\\\c\"", "'a\\'b\\\\c' has 5"},
                    BadCall{"choose 2 '\x01\x7f\xff\xe2\x80\xa8\xc3\xa9..'",
                            "'\\x01\\x7F\\xFF\\xE2\\x80\\xA8\xc3\xa9..' has 10"},
                    BadCall{"settings '/nonexistent/a\nb'", "'/nonexistent/a\\nb'"},
                    BadCall{"--frobnicate", "unknown option '--frobnicate'"},
                    BadCall{"-x choose", "unknown option '-x'"}));

TEST(LabVerbs, HelpAndVersionGoToStandardOutput)
{
    const LabRun help = runLab("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: tictactoe-lab VERB ARGS\n", 0), 0u);
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    const LabRun version = runLab("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tictactoe-lab " TTT_VERSION "\n");
    EXPECT_EQ(help.err + version.err, "");
}

TEST(LabVerbs, ChooseAcceptsAFinishedBoard)
{
    const LabRun run = runLab("choose 2 XXX.OO...");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 2 3 4 5 6 7 8 9\n");
}

} // namespace
