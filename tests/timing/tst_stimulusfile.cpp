// SPDX-License-Identifier: GPL-3.0-or-later
#include "timing/inputnames.h"
#include "timing/stimulusfile.h"

#include "common/testrunner.h"

#include <QTemporaryDir>
#include <QTest>

// Stimulus texts: what a good one yields, and that every bad line is named
// by its number in the file (comments and blank lines counted).
class TestStimulusFile : public QObject
{
    Q_OBJECT

private slots:
    void goodText();
    void badLines_data();
    void badLines();
    void files();
};

void TestStimulusFile::goodText()
{
    InputNames names;
    names.addAlias(QStringLiteral("veto"), 9);
    std::vector<InputChange> changes;
    QString error;
    QVERIFY(StimulusFile::parse(QStringLiteral("# start\n\n0ns NIM-IN-S0 1\n  7ns\tveto 1  # port name\n"
                                               "7ns NIM-IN-S0 0\n12.345us NIM-IN-M 1\n"),
                                names, changes, error));
    const std::vector<std::tuple<quint64, int, bool>> expected{{0, 0, true}, {2, 9, true}, {2, 0, false},
                                                               {2469, 8, true}};
    QCOMPARE(changes.size(), expected.size());
    for (size_t index = 0; index < changes.size(); ++index)
        QCOMPARE(std::make_tuple(changes[index].tick, changes[index].input, changes[index].level),
                 expected[index]);
}

void TestStimulusFile::badLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // how the message starts

    QTest::newRow("unknown input") << "0ns NIM-IN-S0 1\n# x\n5ns NIM-IN-S8 1\n" << "line 3: unknown input";
    QTest::newRow("time going back") << "10ns BNC-IN 1\n\n9.999ns BNC-IN 0\n" << "line 3: the time 9.999ns";
    QTest::newRow("unit missing") << "0ns BNC-IN 1\n100 BNC-IN 0\n" << "line 2: The time \"100\" has no unit";
    QTest::newRow("level not 0 or 1") << "1us BNC-IN high\n" << "line 1: the level";
    QTest::newRow("word missing") << "\n1us BNC-IN\n" << "line 2: expected";
}

void TestStimulusFile::badLines()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    std::vector<InputChange> changes;
    QString error;
    QVERIFY(!StimulusFile::parse(text, InputNames(), changes, error));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

// A file is read, refused when missing or too large (without reading it), and
// a bad line is reported under the file's path.
void TestStimulusFile::files()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.txt"));
    const QString bad = dir.filePath(QStringLiteral("bad.txt"));
    const QString large = dir.filePath(QStringLiteral("large.txt"));
    QFile file(good);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("5ns BNC-IN 1\n") > 0);
    file.close();
    QVERIFY(QFile::copy(good, large) && QFile::resize(large, StimulusFile::MaxFileSize + 1));
    file.setFileName(bad);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("5ns BNC-IN 2\n") > 0);
    file.close();

    std::vector<InputChange> changes;
    QString error;
    QVERIFY2(StimulusFile::load(good, InputNames(), changes, error), qPrintable(error));
    QCOMPARE(changes.size(), size_t(1));
    for (const QString &path : {dir.filePath(QStringLiteral("missing.txt")), large, bad}) {
        error.clear();
        QVERIFY(!StimulusFile::load(path, InputNames(), changes, error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }
    QVERIFY2(error.contains(QStringLiteral("line 1: the level")), qPrintable(error));
}

KARIX_TEST(TestStimulusFile)
#include "tst_stimulusfile.moc"
