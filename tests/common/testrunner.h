// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Every test file registers its QtTest classes here; the folder's executable
// runs them all. "-class Name" (may repeat) restricts the run to those classes;
// the remaining arguments go to QTest::qExec of each class.
namespace TestRunner {
using Factory = std::function<std::unique_ptr<QObject>()>;
bool registerClass(const char *name, Factory factory);
int runAll(int argc, char **argv);
}

#define KARIX_TEST(Class)                                                   \
    static const bool karixRegistered_##Class = TestRunner::registerClass(  \
        #Class, [] { return std::unique_ptr<QObject>(new Class); });
