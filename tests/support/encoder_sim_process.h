#pragma once

#include "support/wait.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QStringList>

namespace velmora::testing {

// encoder-sim as a child process, published as port n in the configuration
// folder this test process uses (XDG_CONFIG_HOME is inherited). It is
// terminated, and removes its port link, when this object goes.
class EncoderSimProcess {
public:
    explicit EncoderSimProcess(int port, const QStringList& options = {});
    ~EncoderSimProcess();
    EncoderSimProcess(const EncoderSimProcess&) = delete;
    EncoderSimProcess& operator=(const EncoderSimProcess&) = delete;

    // The simulator has published its port.
    bool waitUntilReady();
    bool waitUntilGone();
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }

    // Every frame the simulator received so far, byte for byte, in order.
    QList<QByteArray> receivedFrames() const;
    // Waits until at least this many frames have arrived.
    bool waitForFrames(qsizetype count);
    // What the simulator holds now, asked for with SIGUSR1: "ps 0" .. "ps 9",
    // "rt 0" .. "rt 4" and "decoder" to the stored payload bytes.
    QMap<QByteArray, QByteArray> storedState();
    // The log lines so far, for a failure message.
    QByteArray log() const { return output_; }

private:
    QList<QByteArray> lines() const;

    QProcess process_;
    QByteArray output_;
};

} // namespace velmora::testing
