// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole tavolin-cli processes, start to exit: one call over 200
// six-variable PLA files, and one call over a single file. Prints the median
// and the best of several runs of each.

#include "pla/PlaWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Runs the program with its output sent to /dev/null; milliseconds from
// start to exit, or a negative value when it failed.
double runOnce(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

bool report(const char *what, const std::vector<std::string> &arguments, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = runOnce(arguments);
        if (ms < 0) {
            (void)std::fprintf(stderr, "%s: tavolin-cli failed\n", what);
            return false;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.2f ms   best %7.2f ms   (%d runs)\n", what,
                times[times.size() / 2], times.front(), runs);
    (void)std::fflush(stdout);
    return true;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    std::mt19937 random(2024);
    std::vector<std::string> files;
    for (int i = 0; i < 200; ++i) {
        PlaFunction function;
        function.variableCount = 6;
        // Half the files without don't cares, half with about a fifth of them.
        for (int m = 0; m < 64; ++m) {
            const unsigned pick = random() % 10;
            function.values += i % 2 == 0 ? "01"[pick % 2] : "0011001X1X"[pick];
        }
        const QString path =
            dir.filePath(QStringLiteral("f%1.pla").arg(i, 3, 10, QLatin1Char('0')));
        QFile file(path);
        const QByteArray text = QByteArray::fromStdString(PlaWriter::write(function));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
        files.push_back(QDir::toNativeSeparators(path).toStdString());
    }

    const std::string cli = TAVOLIN_CLI;
    std::vector<std::string> many{cli, "minimize"};
    many.insert(many.end(), files.begin(), files.end());
    std::vector<std::string> manyExact = many;
    manyExact.emplace_back("--exact");
    std::vector<std::string> manyJson = many;
    manyJson.emplace_back("--json");

    std::printf("tavolin-cli, whole process (start to exit)\n");
    // What starting any process costs on this machine now, for comparison.
    const bool ok = report("/bin/true", {"/bin/true"}, 101) &&
                    report("minimize, 200 six-variable files", many, 41) &&
                    report(
                        "minimize --pos, 200 six-variable files",
                        [&] {
                            auto a = many;
                            a.emplace_back("--pos");
                            return a;
                        }(),
                        21) &&
                    report("minimize --json, 200 six-variable files", manyJson, 21) &&
                    report("minimize, one six-variable file", {cli, "minimize", files[1]}, 101) &&
                    report("minimize --json, one six-variable file",
                           {cli, "minimize", "--json", files[1]}, 101) &&
                    report("explain, one six-variable file", {cli, "explain", files[1]}, 101) &&
                    report("eval --vars 6 (truth table)",
                           {cli, "eval", "--vars", "6", "A&B'+C^D&(E+F')"}, 101) &&
                    report("--version", {cli, "--version"}, 101) &&
                    report("minimize --exact, 200 six-variable files", manyExact, 21);
    return ok ? 0 : 1;
}
