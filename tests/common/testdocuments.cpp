// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/testdocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char header[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<KaRiX addr="127.0.0.1" tcpPort="24" udpPort="4660" Timeout="1" autoConnect="true">
    <tab id="0" name="Sheet1">
        <entry term="Input">
            <id>0</id>
            <name>NIM-IN-S0</name>
        </entry>
)";

const char footer[] = R"(        <entry term="NonFnc">
            <id>0</id>
            <name>NonFnc0</name>
            <net port="0">PreLgc0</net>
        </entry>
        <entry term="PostLogic">
            <id>0</id>
            <name>PstLgc0</name>
            <net port="0">NonFnc0</net>
            <property>_A</property>
        </entry>
        <entry term="NIM-OUT0">
            <id>0</id>
            <name>NIM-OUT0</name>
            <net port="0">PstLgc0</net>
        </entry>
        <entry term="MsrCnt0">
            <id>1</id>
            <name>MsrCnt0</name>
            <userName>Trigger</userName>
            <net port="0">PstLgc0</net>
            <property>Mode=1 Unit=usec FileSave=false PATH=</property>
        </entry>
%1    </tab>
</KaRiX>
)";

QString preLogic(const QString &name, int id, const QString &expression)
{
    return QStringLiteral("        <entry term=\"PreLogic\">\n"
                          "            <id>%1</id>\n"
                          "            <name>%2</name>\n"
                          "            <net port=\"0\">NIM-IN-S0</net>\n"
                          "            <property>%3</property>\n"
                          "        </entry>\n")
        .arg(id)
        .arg(name, expression);
}

QString design(const QString &firstExpression, const QString &extraPreLogic,
               const QString &extraOutputs)
{
    return QString::fromLatin1(header) + preLogic(QStringLiteral("PreLgc0"), 0, firstExpression)
           + extraPreLogic + QString::fromLatin1(footer).arg(extraOutputs);
}

} // namespace

QString TestDocuments::clean()
{
    return design(QStringLiteral("_A"), QString(), QString());
}

QString TestDocuments::warningsOnly()
{
    return design(QStringLiteral("_A"), preLogic(QStringLiteral("PreLgc1"), 1, QStringLiteral("_A")),
                  QString());
}

QString TestDocuments::renamedCounter()
{
    return clean().replace(QStringLiteral("<name>MsrCnt0</name>"),
                           QStringLiteral("<name>2147483648</name>"));
}

QString TestDocuments::withTimeout(const QString &timeout)
{
    return clean().replace(QStringLiteral("Timeout=\"1\""),
                           QStringLiteral("Timeout=\"%1\"").arg(timeout));
}

QString TestDocuments::withErrors()
{
    return design(QStringLiteral("_A"), QString(),
                  QStringLiteral("        <entry term=\"NIM-OUT1\">\n"
                                 "            <id>2</id>\n"
                                 "            <name>NIM-OUT1</name>\n"
                                 "        </entry>\n"));
}

QString TestDocuments::badExpression()
{
    return design(QStringLiteral("_A and ("), QString(), QString());
}

QStringList TestDocuments::exampleDesigns()
{
    const QDir examples(QStringLiteral(KARIX_SOURCE_DIR "/examples"));
    QStringList paths;
    for (const QString &name : examples.entryList({QStringLiteral("*.krx")}, QDir::Files))
        paths << examples.filePath(name);
    return paths;
}

void TestDocuments::addDesignRows(const QString &cleanPath)
{
    QTest::addColumn<QString>("path");
    QTest::newRow("clean") << cleanPath;
    for (const QString &example : exampleDesigns())
        QTest::newRow(qPrintable(QFileInfo(example).fileName())) << example;
}

QString TestDocuments::write(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
    return path;
}
