#include "support/ChildProcess.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {

namespace {

std::string failed(const std::string& what) { return what + ": " + std::strerror(errno); }

bool writeText(const char* path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

StartedProgram startProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder)
{
    // The outputs go to temporary files, so a large output can never fill a pipe and stall the program.
    static int runs = 0;
    const std::string name = "orvane-run-" + std::to_string(getpid()) + "-" + std::to_string(++runs);
    StartedProgram started;
    started.out = std::filesystem::temp_directory_path() / (name + ".out");
    started.err = std::filesystem::temp_directory_path() / (name + ".err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, started.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, started.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&started.pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) started.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

ProgramRun waitForProgram(const StartedProgram& started)
{
    ProgramRun run;
    if (started.pid < 0) return run;
    int status = 0;
    while (waitpid(started.pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    run.out = readText(started.out);
    run.err = readText(started.err);
    std::filesystem::remove(started.out);
    std::filesystem::remove(started.err);
    return run;
}

ProgramRun runProgram(const std::vector<std::string>& arguments, const std::filesystem::path& folder)
{
    return waitForProgram(startProgram(arguments, folder));
}

std::string runInChild(const std::function<std::string()>& body)
{
    int channel[2];
    if (pipe(channel) != 0) return failed("pipe");
    const pid_t child = fork();
    if (child < 0) return failed("fork");
    if (child == 0) {
        close(channel[0]);
        const std::string report = body();
        const ssize_t written = write(channel[1], report.data(), report.size());
        _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t count; (count = read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) break;
        report.append(buffer, static_cast<std::size_t>(count));
    }
    close(channel[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child process did not end normally: " + report;
    return report;
}

std::string giveUpRoot(const std::filesystem::path& tree)
{
    if (geteuid() != 0) return {};
    const passwd* nobody = getpwnam("nobody");
    const group* nogroup = getgrnam("nogroup");
    if (nobody == nullptr || nogroup == nullptr) return std::string(SkipPrefix) + "no user nobody or group nogroup";
    if (lchown(tree.c_str(), nobody->pw_uid, nogroup->gr_gid) != 0) return failed("chown");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree))
        if (lchown(entry.path().c_str(), nobody->pw_uid, nogroup->gr_gid) != 0) return failed("chown");
    if (setgroups(0, nullptr) != 0 || setgid(nogroup->gr_gid) != 0 || setuid(nobody->pw_uid) != 0)
        return std::string(SkipPrefix) + failed("cannot give up root");
    return {};
}

std::string takeOwnMounts()
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return std::string(SkipPrefix) + failed("no user namespace");
    if (!writeText("/proc/self/setgroups", "deny") ||
        !writeText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !writeText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
        return std::string(SkipPrefix) + "cannot map this user to root of the namespace";
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string(SkipPrefix) + failed("cannot make the mounts private");
    return {};
}

} // namespace orvane::test
