#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs karix-cli from the build directory as a separate process, with a
// hard time limit (the process is killed when it runs over).
struct CliRun
{
    int exitCode = -1;
    bool timedOut = false;
    QString out;
    QString err;

    // The single JSON object a --json run prints on standard output.
    QJsonObject json() const;

    static CliRun run(const QStringList &args, int limitMs = 30000);
    static QString program();
};

// karix-sim on 127.0.0.1 with free ports and a duration limit; killed when
// this object goes away.
class SimulatorProcess
{
public:
    explicit SimulatorProcess(const QStringList &extraArgs = {}, int durationSeconds = 120);
    ~SimulatorProcess();

    bool isRunning() const { return m_udpPort != 0; }
    quint16 udpPort() const { return m_udpPort; }
    quint16 tcpPort() const { return m_tcpPort; }
    // -h 127.0.0.1 -u <udp> -t <tcp>
    QStringList connection() const;

private:
    QProcess m_process;
    quint16 m_udpPort = 0;
    quint16 m_tcpPort = 0;
};
