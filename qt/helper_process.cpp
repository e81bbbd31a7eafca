#include "qt/helper_process.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace milden {
namespace {

// A line longer than this is not an answer: the bytes are dropped rather than kept growing.
constexpr qsizetype kLongestLine = 4096;

// Spawns program in a new session (so that neither the tool's exit nor a signal to the tool's
// process group reaches it) with child as its standard input and output. Returns its pid or -1.
pid_t Spawn(const QByteArray& program, int child, bool keepStandardError) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, child, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, child, STDOUT_FILENO);
    if (!keepStandardError) posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // No signal blocked, and SIGPIPE back to its default, whatever the tool's threads had.
    sigset_t none, pipe;
    sigemptyset(&none);
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &pipe);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    if (posix_spawn(&pid, program.constData(), &actions, &attributes, argv, environ) != 0) pid = -1;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

}  // namespace

std::unique_ptr<HelperProcess> HelperProcess::Start(const QString& program, bool keepStandardError) {
    if (program.isEmpty()) return nullptr;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return nullptr;
    // The helper's end blocks, as a program expects of its standard input.
    ::fcntl(ends[1], F_SETFL, ::fcntl(ends[1], F_GETFL) & ~O_NONBLOCK);
    const pid_t pid = Spawn(program.toLocal8Bit(), ends[1], keepStandardError);
    ::close(ends[1]);
    if (pid < 0) {
        ::close(ends[0]);
        return nullptr;
    }
    // Without a pid file descriptor (older kernels) the end of the helper's output stands for
    // its end.
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    return std::unique_ptr<HelperProcess>(new HelperProcess(pid, ends[0], pidfd));
}

HelperProcess::HelperProcess(pid_t pid, int socket, int pidfd) : pid_(pid), socket_(socket), pidfd_(pidfd) {
    output_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(output_, &QSocketNotifier::activated, this, &HelperProcess::ReadOutput);
    if (pidfd_ >= 0) {
        end_ = new QSocketNotifier(pidfd_, QSocketNotifier::Read, this);
        connect(end_, &QSocketNotifier::activated, this, &HelperProcess::Reap);
    }
}

HelperProcess::~HelperProcess() {
    // The notifiers go before the descriptors they watch. A helper still running is left alone.
    delete output_;
    delete end_;
    ::close(socket_);
    if (pidfd_ >= 0) ::close(pidfd_);
}

bool HelperProcess::Write(const QByteArray& data) {
    if (ended_) return false;
    // MSG_NOSIGNAL: a helper that has gone away is a failed write, not a SIGPIPE for the tool.
    const ssize_t sent = ::send(socket_, data.constData(), static_cast<size_t>(data.size()), MSG_NOSIGNAL);
    return sent == data.size();
}

void HelperProcess::ReadOutput() {
    char chunk[4096];
    const ssize_t got = ::read(socket_, chunk, sizeof chunk);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (got <= 0) {
        output_->setEnabled(false);
        if (pidfd_ < 0) Reap();
        return;
    }
    pending_.append(chunk, got);
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        emit lineRead(line);
    }
    if (pending_.size() > kLongestLine) pending_.clear();
}

void HelperProcess::Reap() {
    if (ended_) return;
    int status = 0;
    const pid_t reaped = ::waitpid(pid_, &status, WNOHANG);
    if (reaped == 0 && pidfd_ >= 0) return;  // not ended after all
    ended_ = true;
    exitedCleanly_ = reaped == pid_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (end_) end_->setEnabled(false);
    emit finished();
}

}  // namespace milden
