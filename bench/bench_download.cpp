// SPDX-License-Identifier: GPL-3.0-or-later
// Download and verify of a full design against the in-process module
// simulator on 127.0.0.1: request count, single-request round trip, whole
// download and verify times, and download time / (requests x round trip).
#include "compiler/imagecapture.h"
#include "device/qudpthread.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "sim/modulesimulator.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHostAddress>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int roundTrips = 500;
constexpr int runs = 7;

BlockItem *add(DesignModel &model, const char *term, int row, const char *name,
               const char *property = nullptr)
{
    BlockItem *block = model.createBlock(QString::fromLatin1(term), row, 0, QString::fromLatin1(name));
    if (!block)
        qFatal("bench design: no block of kind %s", term);
    if (property)
        block->setProperty(QString::fromLatin1(property));
    return block;
}

// Two inputs through logic, a counter and a delay to two outputs and a
// measure counter: every area of the image carries data.
void buildDesign(DesignModel &model)
{
    BlockItem *in0 = add(model, "Input", 0, "NIM-IN-S0");
    BlockItem *in1 = add(model, "Input", 1, "NIM-IN-S1");
    BlockItem *pre = add(model, "PreLogic", 2, "PreLgc0", "_A xor _B");
    pre->connectSource(0, in0);
    pre->connectSource(1, in1);
    BlockItem *counter = add(model, "CntFnc", 3, "CntFnc0", "Mode=2 MainCnt=100nsec SubCnt=40nsec");
    counter->connectSource(0, pre);
    BlockItem *delay = add(model, "DlyFnc", 4, "DlyFnc0", "Delay=50ns");
    delay->connectSource(0, pre);
    BlockItem *post0 = add(model, "PostLogic", 5, "PstLgc0", "_A");
    post0->connectSource(0, counter);
    BlockItem *post1 = add(model, "PostLogic", 6, "PstLgc1", "not _A");
    post1->connectSource(0, delay);
    add(model, "NIM-OUT", 7, "NIM-OUT0")->connectSource(0, post0);
    add(model, "NIM-OUT", 8, "NIM-OUT1")->connectSource(0, post1);
    BlockItem *msr = add(model, "MsrCnt", 9, "MsrCnt0", "Mode=1 Unit=usec FileSave=0 PATH=");
    msr->connectSource(0, post0);
    msr->connectSource(1, post1);
}

double meanRoundTripMs(quint16 port)
{
    QUdpThread client;
    client.setHost(QHostAddress::LocalHost, port);
    client.open();
    char version = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < roundTrips; ++i)
        client.readByte(0, &version);
    const double mean = double(clock.nsecsElapsed()) / 1e6 / roundTrips;
    client.close();
    return mean;
}

// Runs one worker to its end; returns milliseconds, or -1 on failure.
double timedRun(QUdpThread &worker, quint16 port)
{
    bool ok = false;
    QObject::connect(&worker, &QTola::closed, &worker, [&ok](bool result) { ok = result; },
                     Qt::DirectConnection);
    worker.setHost(QHostAddress::LocalHost, port);
    worker.setTimeout(1);
    QElapsedTimer clock;
    clock.start();
    worker.start();
    if (!worker.wait(QDeadlineTimer(30000))) {
        worker.abort();
        worker.wait(QDeadlineTimer(5000));
    }
    return ok ? double(clock.nsecsElapsed()) / 1e6 : -1.0;
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    DesignModel design;
    buildDesign(design);
    const QByteArray image = ImageCapture::compile(design);

    ModuleSimulator simulator;
    if (!simulator.start()) {
        fprintf(stderr, "%s\n", qPrintable(simulator.errorString()));
        return 1;
    }
    const quint16 port = simulator.udpPort();
    const double roundTrip = meanRoundTripMs(port);

    // Best of several runs: the machine's cores are shared.
    double downloadMs = -1.0;
    double verifyMs = -1.0;
    qint64 requests = 0;
    for (int run = 0; run < runs; ++run) {
        const qint64 before = simulator.stats().requests;
        QUdpThread downloader;
        downloader.setImage(image, 0);
        const double download = timedRun(downloader, port);
        requests = simulator.stats().requests - before;
        QUdpThread verifier;
        verifier.setImage(image, 1);
        const double verify = timedRun(verifier, port);
        if (download < 0 || verify < 0) {
            downloadMs = -1.0;
            break;
        }
        downloadMs = run == 0 ? download : std::min(downloadMs, download);
        verifyMs = run == 0 ? verify : std::min(verifyMs, verify);
    }
    simulator.stop();
    if (downloadMs < 0 || verifyMs < 0) {
        fprintf(stderr, "download or verify failed\n");
        return 1;
    }

    printf("download requests:           %lld\n", requests);
    printf("mean round trip (%d reads): %.3f ms\n", roundTrips, roundTrip);
    printf("download time (best of %d):   %.2f ms\n", runs, downloadMs);
    printf("verify time (best of %d):     %.2f ms\n", runs, verifyMs);
    printf("download + verify:           %.2f ms (target < 100)\n", downloadMs + verifyMs);
    printf("download / (requests x rtt): %.2f (target <= 1.5)\n",
           downloadMs / (double(requests) * roundTrip));
    return 0;
}
