#include "app/recoveryfile.h"
#include "common/testrunner.h"
#include "windowhelpers.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void writeFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("half");
}

} // namespace

class TestRecoveryFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { WindowHelpers::isolatePaths(); }
    void cleanupTestCase() { WindowHelpers::isolatePaths(); }

    // The partial file of a running program is its write in progress.
    void scanRemovesOnlyPartialFilesOfEndedPrograms()
    {
        RecoveryFile running;
        QVERIFY(running.write("design"));
        const QString runningPart = running.path() + QStringLiteral(".part");
        writeFile(runningPart);
        const QString diedPart = RecoveryFile::directory() + QStringLiteral("/died.rcv.part");
        writeFile(diedPart);
        QVERIFY(RecoveryFile::leftBehind().isEmpty());
        QVERIFY(!QFile::exists(diedPart));
        QVERIFY(QFile::exists(runningPart));
        QVERIFY(QFile::exists(running.path()));
    }
};

KARIX_TEST(TestRecoveryFile)
#include "tst_recoveryfile.moc"
