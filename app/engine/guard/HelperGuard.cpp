// quendrasil-guard <seconds> <owner pid> <marker folder> <program> [arguments...]
//
// ImageMagick runs external helpers (Ghostscript for PDF and PostScript) and waits for them
// without a limit, so a document that never ends would hold a batch worker forever. The
// program's delegate table starts every helper through this guard, which
// - runs the helper in a process group of its own, so that everything it starts ends with it;
// - ends that group when the helper runs longer than <seconds>, leaves a marker named after
//   the command in <marker folder> and exits with 124;
// - ends the group when the program (<owner pid>) ends, or when the guard is asked to end
//   (SIGTERM, or the stop file in <marker folder>: the program stops a run), leaving the
//   marker too; while the stop file is there, a guard that starts runs no helper.
// ImageMagick runs a failed PostScript read once more with " -c showpage" appended; the
// marker makes that second run fail at once instead of taking the whole time again.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "HelperGuardFiles.h"

namespace {

constexpr int TimedOutCode = 124;
constexpr int EndedCode = 125;
constexpr int CannotStartCode = 127;
constexpr long CheckIntervalNs = 200'000'000;

// The marker of a command: FNV-1a over its words, without the retry's "-c showpage" tail.
std::string MarkerPath(const char *folder, int count, char **words)
{
    if (count >= 2 && std::strcmp(words[count - 2], "-c") == 0
        && std::strcmp(words[count - 1], "showpage") == 0)
        count -= 2;
    std::uint64_t hash = 1469598103934665603ULL;
    for (int index = 0; index < count; ++index) {
        for (const char *p = words[index];; ++p) {
            hash = (hash ^ std::uint8_t(*p)) * 1099511628211ULL;
            if (*p == '\0')
                break;
        }
    }
    char name[40];
    std::snprintf(
        name, sizeof name, "/guard-timeout-%016llx", static_cast<unsigned long long>(hash));
    return std::string(folder) + name;
}

double Seconds(const timespec &from, const timespec &to)
{
    return double(to.tv_sec - from.tv_sec) + double(to.tv_nsec - from.tv_nsec) / 1e9;
}

bool Exists(const std::string &path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

int EndGroup(pid_t group, int code, const std::string &marker = std::string())
{
    ::kill(-group, SIGKILL);
    while (::waitpid(group, nullptr, 0) < 0 && errno == EINTR) { }
    if (!marker.empty()) {
        const int file = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (file >= 0)
            ::close(file);
    }
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(
            stderr, "usage: %s seconds owner-pid marker-folder program [arguments]\n", argv[0]);
        return 2;
    }
    const double limit = std::strtod(argv[1], nullptr);
    const long owner = std::strtol(argv[2], nullptr, 10);
    const char *markerFolder = argv[3];
    char **command = argv + 4;
    const int commandWords = argc - 4;

    // From here on a stop waits for the loop below, which leaves the marker. One that came
    // earlier ended us without it; the stop file then ends the command's second run.
    sigset_t watched;
    sigemptyset(&watched);
    for (const int signal : { SIGCHLD, SIGTERM, SIGINT, SIGHUP })
        sigaddset(&watched, signal);
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &watched, &previous);

    // Our parent is the program's thread that waits for us: when it goes, so do we, at once.
    // (A SIGTERM here would need this process to be scheduled before the helper ends.)
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (owner > 0 && ::kill(pid_t(owner), 0) != 0 && errno == ESRCH)
        return EndedCode;

    const std::string marker = MarkerPath(markerFolder, commandWords, command);
    if (::unlink(marker.c_str()) == 0) {
        std::fprintf(stderr, "%s: an earlier run of this command took too long\n", command[0]);
        return TimedOutCode;
    }
    const std::string stopFile = std::string(markerFolder) + '/' + HelperStopFileName;
    if (Exists(stopFile))
        return EndedCode;

    timespec started {};
    clock_gettime(CLOCK_MONOTONIC, &started);
    const pid_t guard = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("fork");
        return CannotStartCode;
    }
    if (child == 0) {
        ::setpgid(0, 0);
        // The helper goes with the guard, whatever ends the guard.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != guard)
            ::_exit(EndedCode);
        sigprocmask(SIG_SETMASK, &previous, nullptr);
        ::execvp(command[0], command);
        std::fprintf(stderr, "%s: %s\n", command[0], std::strerror(errno));
        ::_exit(CannotStartCode);
    }
    // Both sides set the group, so it holds whichever runs first.
    ::setpgid(child, child);

    while (true) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            // What the helper left running in its group goes with it.
            ::kill(-child, SIGKILL);
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        }
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double elapsed = Seconds(started, now);
        if (limit > 0 && elapsed >= limit) {
            std::fprintf(stderr, "%s: took longer than %g s\n", command[0], limit);
            return EndGroup(child, TimedOutCode, marker);
        }
        if (owner > 0 && ::kill(pid_t(owner), 0) != 0 && errno == ESRCH)
            return EndGroup(child, EndedCode);
        if (Exists(stopFile))
            return EndGroup(child, EndedCode, marker);

        long waitNs = CheckIntervalNs;
        if (limit > 0) {
            const double left = limit - elapsed;
            if (left * 1e9 < double(waitNs))
                waitNs = long(left * 1e9) + 1;
        }
        const timespec timeout { 0, waitNs };
        const int signal = sigtimedwait(&watched, nullptr, &timeout);
        if (signal == SIGTERM || signal == SIGINT || signal == SIGHUP)
            return EndGroup(child, EndedCode, marker);
    }
}
