// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SiblingProgram.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>

#ifndef TAVOLIN_HELPER_FOLDER
#define TAVOLIN_HELPER_FOLDER "../libexec/tavolin/"
#endif

const char *const SiblingProgram::helperFolder = TAVOLIN_HELPER_FOLDER;

std::string SiblingProgram::ownFolder(const char *argv0)
{
    std::string path;
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length > 0)
        path.assign(buffer.data(), static_cast<std::size_t>(length));
    else if (argv0 != nullptr && std::strchr(argv0, '/') != nullptr)
        path = argv0;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void SiblingProgram::exec(const std::string &name, char **argv, std::string &error)
{
    const std::string folder = ownFolder(argv[0]);
    if (folder.empty()) {
        error = "cannot find the folder of tavolin-cli to run " + name + ".";
        return;
    }
    std::string program = folder + name;
    execv(program.c_str(), argv);
    if (errno == ENOENT) {
        program = folder + helperFolder + name;
        execv(program.c_str(), argv);
    }
    error = "cannot run " + program + ": " + std::strerror(errno);
}
