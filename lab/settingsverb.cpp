// SPDX-License-Identifier: GPL-3.0-or-later
// settings FILE: the seven settings the game would start with if "options.ttt" held
// FILE's content. FILE itself is only read.
#include "verbs.h"

#include "core/quoting.h"
#include "settings/fileerror.h"
#include "settings/filereading.h"
#include "settings/settingsfile.h"
#include "settings/settingstext.h"
#include "translations/settingswords.h"

#include <cerrno>
#include <iostream>

namespace ttt::lab {

int runSettings(const Args& args)
{
    if (args.size() != 1) {
        std::cerr << "tictactoe-lab: settings needs exactly one argument, FILE\n";
        return 2;
    }
    const std::string& name = args.front();
    const FileStart start = readFileStart(name, settingsReadLimit);
    if (start.missing || start.error) {
        const FileError error = start.missing ? systemError(ENOENT) : start.error;
        std::cerr << "tictactoe-lab: settings: cannot read " << quotedForMessage(name) << ": "
                  << englishFileErrorText(error) << '\n';
        return 2;
    }
    const ParsedSettings parsed = readSettingsContent(start.text, start.wholeFile);
    std::string line = settingsLine(parsed.record);
    line.resize(line.size() - 2); // the line's own CR LF
    std::cout << line << '\n';
    if (parsed.unreadFields > 0) {
        std::string sentence = partlyReadSourceText();
        sentence.replace(sentence.find("%1"), 2, quotedForMessage(name));
        std::cerr << "tictactoe-lab: settings: " << sentence << '\n';
    }
    return 0;
}

} // namespace ttt::lab
