// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application of the benchmarks that drive widgets: offscreen unless a
// platform is chosen, with test-mode data and settings locations and their
// own organisation name, so that no user file or setting is touched.

#include <QApplication>
#include <QStandardPaths>

namespace BenchDetail {
// Runs before QApplication is constructed: the platform is read there.
struct Environment
{
    Environment()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
    }
};
} // namespace BenchDetail

class BenchApplication : private BenchDetail::Environment, public QApplication
{
public:
    BenchApplication(int &argc, char **argv) : QApplication(argc, argv)
    {
        setOrganizationName(QStringLiteral("Quorvex-Bench"));
        setApplicationName(QStringLiteral("KaRiX-Bench"));
    }
};
