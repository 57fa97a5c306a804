#include "support/run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace lumtrak::testing {
namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void ExecChild(const std::string& program, const std::vector<std::string>& arguments,
                            const std::map<std::string, std::string>& environment,
                            const std::string& workingFolder, const int in[2], const int out[2],
                            const int err[2]) {
    // A group of its own, so that the deadline reaches whatever it starts too.
    ::setpgid(0, 0);
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (const auto& [name, value] : environment) {
        if (value.empty()) {
            ::unsetenv(name.c_str());
        } else {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
    if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(126);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

int PollTimeout(Clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    return left.count() > 0 ? int(left.count()) : 0;
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input,
                         const std::map<std::string, std::string>& environment,
                         const std::string& workingFolder, std::chrono::milliseconds deadline) {
    const Clock::time_point end = Clock::now() + deadline;
    // A program that exits before reading all its input must not kill the test.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
        ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) ExecChild(program, arguments, environment, workingFolder, in, out, err);
    // Also here, so that the group exists before a kill could look for it.
    ::setpgid(pid, pid);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);

    ProcessResult result;
    std::size_t written = 0;
    int inFd = in[1];
    if (input.empty()) {
        ::close(inFd);
        inFd = -1;
    } else {
        ::fcntl(inFd, F_SETFL, O_NONBLOCK);
    }
    bool outOpen = true, errOpen = true;
    char buffer[65536];
    while (outOpen || errOpen || inFd >= 0) {
        pollfd fds[3];
        nfds_t count = 0;
        if (outOpen) fds[count++] = {out[0], POLLIN, 0};
        if (errOpen) fds[count++] = {err[0], POLLIN, 0};
        if (inFd >= 0) fds[count++] = {inFd, POLLOUT, 0};
        const int ready = ::poll(fds, count, PollTimeout(end));
        if (ready == 0) {
            result.timedOut = true;
            break;
        }
        if (ready < 0) break;
        for (nfds_t i = 0; i < count; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == inFd) {
                ssize_t n = ::write(inFd, input.data() + written, input.size() - written);
                if (n > 0) written += std::size_t(n);
                if (n < 0 || written == input.size()) {
                    ::close(inFd);
                    inFd = -1;
                }
                continue;
            }
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            std::string& target = fds[i].fd == out[0] ? result.out : result.err;
            if (n > 0) {
                target.append(buffer, std::size_t(n));
            } else {
                (fds[i].fd == out[0] ? outOpen : errOpen) = false;
            }
        }
    }
    if (inFd >= 0) ::close(inFd);
    ::close(out[0]);
    ::close(err[0]);

    int status = 0;
    // Both outputs closed, but the program may still run: wait up to the deadline.
    while (!result.timedOut) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || done < 0) break;
        if (Clock::now() >= end) {
            result.timedOut = true;
            break;
        }
        ::usleep(2000);
    }
    if (result.timedOut) {
        ::kill(-pid, SIGKILL);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

StartedProcess::StartedProcess(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const std::map<std::string, std::string>& environment) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const int none = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const int in[2] = {none, -1};
    const int err[2] = {-1, ::fcntl(2, F_DUPFD_CLOEXEC, 3)};
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) ExecChild(program, arguments, environment, {}, in, out, err);
    ::setpgid(pid, pid);
    ::close(out[1]);
    ::close(none);
    ::close(err[1]);
    pid_ = pid;
    out_ = out[0];
}

StartedProcess::~StartedProcess() {
    if (!ended_) {
        ::kill(-pid_, SIGKILL);
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(out_);
}

std::optional<std::string> StartedProcess::ReadLine(std::chrono::milliseconds deadline) {
    const Clock::time_point end = Clock::now() + deadline;
    for (;;) {
        if (const auto newline = pending_.find('\n'); newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        pollfd fd{out_, POLLIN, 0};
        if (::poll(&fd, 1, PollTimeout(end)) <= 0) return std::nullopt;
        char buffer[4096];
        const ssize_t got = ::read(out_, buffer, sizeof buffer);
        if (got <= 0) return std::nullopt;
        pending_.append(buffer, std::size_t(got));
    }
}

void StartedProcess::Signal(int signal) {
    if (!ended_) ::kill(pid_, signal);
}

std::optional<int> StartedProcess::Wait(std::chrono::milliseconds deadline) {
    const Clock::time_point end = Clock::now() + deadline;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (Clock::now() >= end) return std::nullopt;
        ::usleep(2000);
    }
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace lumtrak::testing
