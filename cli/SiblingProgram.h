// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Hands the whole call to another program of tavolin-cli's: beside it in a
// build tree, in the private program folder of an installation.
// tavolin-cli itself links no Qt library, so that a call starts in about
// the time the loader needs for the C++ runtime; the map, which needs Qt's
// widgets, runs in a program of its own.
class SiblingProgram
{
public:
    // Replaces this process by `name` from tavolin-cli's own folder or else
    // from `helperFolder` (relative to that folder), with the same
    // arguments, standard input, output and error, so its exit status is the
    // call's. Returns only on failure, with a message in `error`.
    static void exec(const std::string &name, char **argv, std::string &error);

    // Where an installation keeps the helper programs, seen from the folder
    // of tavolin-cli; relative, so that an unpacked package works as well.
    static const char *const helperFolder;

    // The folder of the running program, with a trailing separator; empty
    // when it cannot be found.
    static std::string ownFolder(const char *argv0);
};
