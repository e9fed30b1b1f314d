// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences a settings file that could not be used is told in, in English: the
// game's and, for the reasons, the lab's, which must say the same.
#include "settings/settingsfile.h"
#include "translations/settingsproblemtext.h"
#include "translations/settingswords.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace ttt;

namespace {

TEST(SettingsProblemText, EachProblemIsToldInOneSentence)
{
    using Kind = SettingsProblem::Kind;
    const struct
    {
        Kind kind;
        const char* text;
    } rows[] = {
        // The reason in brackets is a socket's, "it is a socket, not a regular file".
        {Kind::None, ""},
        {Kind::Unreadable, "The settings file f.ttt could not be read (it is a socket, not a "
                           "regular file), so the default settings are used."},
        {Kind::NotCreated, "The settings file f.ttt could not be created (it is a socket, not "
                           "a regular file), so the default settings are used."},
        {Kind::NotUsed, "The settings file f.ttt is not used (it is a socket, not a regular "
                        "file): the default settings are used, and nothing will be written to "
                        "it."},
        {Kind::PartlyRead, "Some settings in f.ttt could not be read, so their default values "
                           "are used. At exit the whole file will be replaced with the "
                           "settings then in use."},
        {Kind::WillNotBeSaved, "The settings file f.ttt cannot be written (it is a socket, not "
                               "a regular file), so the settings will not be saved at exit."},
        {Kind::NotSaved,
         "The settings could not be saved to f.ttt (it is a socket, not a regular file)."},
        {Kind::UnreadableNotSaved, "The settings could not be saved to f.ttt (it is a socket, "
                                   "not a regular file): the file could not be read at "
                                   "start-up."},
        {Kind::PictureSetNotSaved, "The picture set could not be saved to f.ttt (it is a "
                                   "socket, not a regular file)."},
    };
    for (const auto& row : rows) {
        const FileError reason =
            row.kind == Kind::PartlyRead ? FileError{} : FileError{FileError::Cause::Socket, 0, {}};
        EXPECT_EQ(settingsProblemText({row.kind, "f.ttt", reason}).toStdString(), row.text);
    }
}

TEST(SettingsProblemText, FileErrorsAreWordedAsTheLabWordsThem)
{
    using Cause = FileError::Cause;
    const struct
    {
        FileError error;
        std::string text;
    } rows[] = {
        // The system words its own errors, in whatever language the C library speaks.
        {{Cause::SystemError, EACCES, {}}, std::strerror(EACCES)},
        {{Cause::NamedPipe, 0, {}}, "it is a named pipe, not a regular file"},
        {{Cause::Socket, 0, {}}, "it is a socket, not a regular file"},
        {{Cause::Device, 0, {}}, "it is a device, not a regular file"},
        {{Cause::OtherKind, 0, {}}, "it is something else, not a regular file"},
        {{Cause::LinkIntoMissingFolder, 0, "/g%1/\u00E9.ttt"},
         "it is a link to /g%1/\u00E9.ttt, in a folder that does not exist"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fileErrorText(row.error).toStdString(), row.text);
        EXPECT_EQ(englishFileErrorText(row.error), row.text);
    }
}

} // namespace
