// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class DesignDocument;
struct ReadResult;

// Small helpers for tests that read hand-written documents.
class DocumentText
{
public:
    // A document around `body` (tab and entry lines), with loopback settings.
    static QByteArray wrap(const QString &body);
    // One <entry> element; `children` are its inner lines.
    static QString entry(const QString &term, const QString &children);
    static ReadResult load(DesignDocument &document, const QByteArray &bytes);
    // "port<-driver" items of the first block with this name, blank separated.
    static QString connectionsOf(DesignDocument &document, const QString &name);
};
