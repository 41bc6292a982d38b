// SPDX-License-Identifier: GPL-3.0-or-later
#include "testrunner.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <map>

namespace {
std::map<QString, TestRunner::Factory> &registry()
{
    static std::map<QString, TestRunner::Factory> classes;
    return classes;
}
}

bool TestRunner::registerClass(const char *name, Factory factory)
{
    registry()[QString::fromLatin1(name)] = std::move(factory);
    return true;
}

int TestRunner::runAll(int argc, char **argv)
{
    QStringList selected;
    QStringList passOn;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("-class") && i + 1 < argc)
            selected << QString::fromLocal8Bit(argv[++i]);
        else
            passOn << arg;
    }
    int failures = 0;
    for (const auto &[name, factory] : registry()) {
        if (!selected.isEmpty() && !selected.contains(name))
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), passOn);
    }
    return failures;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home of this run's own: settings, recovery files and the test mode's
    // folders never meet those of another run going on at the same time. A
    // test's child process shares its parent's.
    const QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("KARIX_TEST_HOME")) {
        qputenv("KARIX_TEST_HOME", QFile::encodeName(home.path()));
        qputenv("HOME", QFile::encodeName(home.path()));
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qunsetenv(variable);
    }
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Quorvex-Test"));
    app.setApplicationName(QStringLiteral("KaRiX-Test"));
    return TestRunner::runAll(argc, argv);
}
