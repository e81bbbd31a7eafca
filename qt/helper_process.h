// A helper program started in a session of its own, talked to over one socket that is both its
// standard input and its standard output. The tool never waits for it and never ends it: letting
// the object go only closes the socket, so a helper that is still wanted (an open browser window)
// outlives the tool, and the tool does not wait on it at exit.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

namespace milden {

class HelperProcess : public QObject {
    Q_OBJECT
public:
    // Starts program with the tool's environment; its standard error is the tool's when
    // keepStandardError is set, else /dev/null. nullptr when it cannot be started.
    static std::unique_ptr<HelperProcess> Start(const QString& program, bool keepStandardError);
    ~HelperProcess() override;

    // Writes data without blocking; false when the helper has ended or does not take it all.
    bool Write(const QByteArray& data);
    pid_t pid() const { return pid_; }
    // True once the helper has ended with exit code 0.
    bool exitedCleanly() const { return ended_ && exitedCleanly_; }

signals:
    // One line of the helper's standard output, without its line end.
    void lineRead(const QByteArray& line);
    // The helper has ended, by itself or killed. Emitted once.
    void finished();

private:
    HelperProcess(pid_t pid, int socket, int pidfd);
    void ReadOutput();
    void Reap();

    pid_t pid_;
    int socket_;
    int pidfd_;
    QSocketNotifier* output_ = nullptr;
    QSocketNotifier* end_ = nullptr;
    QByteArray pending_;
    bool ended_ = false;
    bool exitedCleanly_ = false;
};

}  // namespace milden
