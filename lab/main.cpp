// SPDX-License-Identifier: GPL-3.0-or-later
// tictactoe-lab: shows and measures, from the command line, what the game's
// computer opponent does and what the game reads from a settings file.
#include "verbs.h"

#include "core/quoting.h"
#include "translations/language.h"

#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

constexpr char usage[] = QT_TRANSLATE_NOOP(
    "tictactoe-lab",
    "usage: tictactoe-lab VERB ARGS\n"
    "  choose LEVEL BOARD    the square each draw 1..9 becomes under the level's rules\n"
    "  reply LEVEL BOARD     exact chance of the computer's reply landing on each square\n"
    "  strength              exact win/draw/loss table for every level and opening side:\n"
    "                        first=O means the computer opens; opponent=best always takes\n"
    "                        the highest chance to win (then the lowest chance to lose,\n"
    "                        then the lowest square), opponent=random moves uniformly\n"
    "  settings FILE         the seven settings the game would load from FILE\n"
    "  --help, --version     this text; the program's version\n"
    "LEVEL is 1 (Easy) to 4 (Unbeatable). BOARD is nine characters for squares 1..9\n"
    "(square 1 is the bottom-left cell, 7 the top-left), each '.', 'X' or 'O'.\n"
    "Bad arguments: one line on standard error, exit status 2.\n");

struct Verb
{
    std::string_view name;
    int (*run)(const ttt::lab::Args&);
};

constexpr Verb verbs[] = {
    {"choose", ttt::lab::runChoose},
    {"reply", ttt::lab::runReply},
    {"strength", ttt::lab::runStrength},
    {"settings", ttt::lab::runSettings},
};

int run(int argc, char** argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        // In the desktop's language; in English, the text above as it stands.
        std::cout << ttt::i18n::translated("tictactoe-lab", usage, QLocale::system().uiLanguages())
                         .toStdString();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tictactoe-lab " TTT_VERSION "\n";
        return 0;
    }
    if (argc < 2) {
        std::cerr << "tictactoe-lab: missing verb (try --help)\n";
        return 2;
    }
    const std::string_view name = argv[1];
    if (name.starts_with('-')) {
        std::cerr << "tictactoe-lab: unknown option '" << name << "' (try --help)\n";
        return 2;
    }
    for (const Verb& verb : verbs) {
        if (verb.name == name)
            return verb.run(ttt::lab::Args(argv + 2, argv + argc));
    }
    std::cerr << "tictactoe-lab: unknown verb " << ttt::quotedForMessage(name)
              << " (try --help)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int status = run(argc, argv);
    // Output that goes nowhere (a full disk, a closed output) makes the run a failure.
    if (std::fflush(stdout) == 0 && std::cout.flush())
        return status;
    std::cerr << "tictactoe-lab: cannot write the output: " << std::strerror(errno) << '\n';
    return 1;
}
