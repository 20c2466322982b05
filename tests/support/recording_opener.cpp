#include "tests/support/recording_opener.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <stdexcept>

namespace test {

namespace {

QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines;
}

}  // namespace

RecordingOpener::RecordingOpener(int delaySeconds) : oldPath_(qgetenv("PATH")), log_(dir_.filePath(QStringLiteral("calls.log")))
{
    QFile script(dir_.filePath(QStringLiteral("xdg-open")));
    // One write per call, so that calls running side by side never mix
    // their lines.
    const QByteArray body = "#!/bin/sh\n"
                            "sleep " + QByteArray::number(delaySeconds) + "\n"
                            "line=\"$#\"\n"
                            "for a in \"$@\"; do line=\"$line\t$a\"; done\n"
                            "printf '%s\\n' \"$line\" >> '" + log_.toUtf8() + "'\n";
    if (!dir_.isValid() || !script.open(QIODevice::WriteOnly) || script.write(body) != body.size())
        throw std::runtime_error("cannot write the recording xdg-open");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", dir_.path().toUtf8() + ':' + oldPath_);
}

RecordingOpener::~RecordingOpener() { qputenv("PATH", oldPath_); }

QStringList RecordingOpener::WaitForCalls(int count, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    QStringList calls = ReadLines(log_);
    while (calls.size() < count && clock.elapsed() < timeoutMs) {
        QThread::msleep(10);
        calls = ReadLines(log_);
    }
    return calls;
}

QStringList RecordingOpener::SettledCalls(int graceMs) const
{
    QThread::msleep(graceMs);
    return ReadLines(log_);
}

EmptyPath::EmptyPath() : oldPath_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toUtf8()); }

EmptyPath::~EmptyPath() { qputenv("PATH", oldPath_); }

}  // namespace test
