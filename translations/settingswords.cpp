// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingswords.h"

#include <QtGlobal>

#include <system_error>

namespace ttt {

const char* fileErrorSourceText(FileError::Cause cause)
{
    using Cause = FileError::Cause;
    switch (cause) {
    case Cause::None:
    case Cause::SystemError:
        return nullptr;
    case Cause::NamedPipe:
        return QT_TRANSLATE_NOOP("SettingsProblem", "it is a named pipe, not a regular file");
    case Cause::Socket:
        return QT_TRANSLATE_NOOP("SettingsProblem", "it is a socket, not a regular file");
    case Cause::Device:
        return QT_TRANSLATE_NOOP("SettingsProblem", "it is a device, not a regular file");
    case Cause::OtherKind:
        return QT_TRANSLATE_NOOP("SettingsProblem", "it is something else, not a regular file");
    case Cause::LinkIntoMissingFolder:
        return QT_TRANSLATE_NOOP("SettingsProblem",
                                 "it is a link to %1, in a folder that does not exist");
    case Cause::RefusedLink:
        return QT_TRANSLATE_NOOP("SettingsProblem",
                                 "it is a link made by another user, which the game does not "
                                 "follow");
    case Cause::SystemFileSystem:
        return QT_TRANSLATE_NOOP("SettingsProblem",
                                 "it lies on a file system of the system itself, such as /proc");
    }
    return nullptr;
}

const char* partlyReadSourceText()
{
    return QT_TRANSLATE_NOOP("SettingsProblem",
                             "Some settings in %1 could not be read, so their default values "
                             "are used.");
}

std::string englishFileErrorText(const FileError& error)
{
    if (!error)
        return {};
    const char* source = fileErrorSourceText(error.cause);
    if (source == nullptr)
        return std::generic_category().message(error.errorNumber); // e.g. "Permission denied"
    std::string text = source;
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, error.linkTarget.string());
    return text;
}

} // namespace ttt
