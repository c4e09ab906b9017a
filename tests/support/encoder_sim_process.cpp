#include "support/encoder_sim_process.h"

#include <QTest>
#include <csignal>

using namespace Qt::StringLiterals;

namespace velmora::testing {

namespace {

// The simulator prints bytes as a quoted text with \" \\ and \xHH escapes.
// Returns the bytes of the quoted text that starts at `from`; `from` then
// points behind its closing quote.
QByteArray unquote(const QByteArray& line, qsizetype& from) {
    QByteArray bytes;
    if (from >= line.size() || line[from] != '"') {
        return bytes;
    }
    for (++from; from < line.size() && line[from] != '"'; ++from) {
        if (line[from] != '\\') {
            bytes += line[from];
        } else if (line.at(from + 1) == 'x') {
            bytes += static_cast<char>(line.mid(from + 2, 2).toInt(nullptr, 16));
            from += 3;
        } else {
            bytes += line[++from];
        }
    }
    ++from;
    return bytes;
}

// A log line: right-aligned milliseconds, " ms ", then the event.
QByteArray eventOf(const QByteArray& line) {
    const qsizetype mark = line.indexOf(" ms ");
    return mark < 0 ? QByteArray() : line.mid(mark + 4);
}

} // namespace

EncoderSimProcess::EncoderSimProcess(int port, const QStringList& options) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                     [this] { output_ += process_.readAllStandardOutput(); });
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(VELMORA_ENCODER_SIM),
                   QStringList{u"--port"_s, QString::number(port)} + options);
}

EncoderSimProcess::~EncoderSimProcess() {
    process_.terminate();
    if (!process_.waitForFinished(kDeadlineMs)) {
        process_.kill();
        process_.waitForFinished(kDeadlineMs);
    }
}

bool EncoderSimProcess::waitUntilReady() {
    return QTest::qWaitFor([this] { return output_.contains(" ms ready: "); }, kDeadlineMs);
}

bool EncoderSimProcess::waitUntilGone() {
    return QTest::qWaitFor([this] { return !isRunning(); }, kDeadlineMs);
}

QList<QByteArray> EncoderSimProcess::lines() const {
    QList<QByteArray> complete = output_.split('\n');
    complete.removeLast(); // empty, or a line still being written
    return complete;
}

QList<QByteArray> EncoderSimProcess::receivedFrames() const {
    QList<QByteArray> frames;
    for (const QByteArray& line : lines()) {
        const QByteArray event = eventOf(line);
        if (event.startsWith("recv \"")) {
            qsizetype from = 5;
            frames.append(unquote(event, from));
        }
    }
    return frames;
}

bool EncoderSimProcess::waitForFrames(qsizetype count) {
    return QTest::qWaitFor([this, count] { return receivedFrames().size() >= count; }, kDeadlineMs);
}

QMap<QByteArray, QByteArray> EncoderSimProcess::storedState() {
    const qsizetype asked = output_.size();
    ::kill(static_cast<pid_t>(process_.processId()), SIGUSR1);
    QMap<QByteArray, QByteArray> state;
    // "pi" is the last line of the state.
    if (!QTest::qWaitFor([this, asked] { return output_.indexOf(" ms state pi ", asked) >= 0; },
                         kDeadlineMs)) {
        return state;
    }
    for (const QByteArray& line : output_.mid(asked).split('\n')) {
        const QByteArray event = eventOf(line);
        qsizetype from = event.indexOf('"');
        if (!event.startsWith("state ") || from < 0) {
            continue;
        }
        const QByteArray name = event.mid(6, from - 7);
        state.insert(name, unquote(event, from));
    }
    return state;
}

} // namespace velmora::testing
