#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

namespace test {

// Puts a recording xdg-open first on PATH for the life of the object: each
// run appends one line to a log, its argument count and then its arguments,
// separated by tabs.
class RecordingOpener {
public:
    // A handler that takes `delaySeconds` before it logs its call, as a
    // browser that starts slowly.
    explicit RecordingOpener(int delaySeconds = 0);
    ~RecordingOpener();
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    // The calls logged so far, waiting up to `timeoutMs` until there are at
    // least `count` of them (the opener runs detached, so it may lag).
    QStringList WaitForCalls(int count, int timeoutMs = 5000) const;
    // Waits out `graceMs` so that a stray late call would show, then gives
    // every call logged.
    QStringList SettledCalls(int graceMs = 300) const;

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
    QString log_;
};

// Leaves only an empty directory on PATH for the life of the object.
class EmptyPath {
public:
    EmptyPath();
    ~EmptyPath();
    EmptyPath(const EmptyPath&) = delete;
    EmptyPath& operator=(const EmptyPath&) = delete;

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
};

}  // namespace test
