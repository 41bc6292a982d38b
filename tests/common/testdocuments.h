// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTemporaryDir;

// Small design documents for the command-line tests, written into a
// temporary directory. The stored module address is loopback.
namespace TestDocuments {
// input → pre-logic → pass-through → post-logic → NIM-OUT0, and a measure
// counter "Trigger" (MsrCnt0, gated, in usec) on the post-logic block.
QString clean();
// clean() plus a pre-logic block whose output goes nowhere.
QString warningsOnly();
// clean() plus NIM-OUT1 with nothing on its input.
QString withErrors();
// clean() with a pre-logic expression the evaluator refuses.
QString badExpression();
// clean() with its measure counter named "2147483648": it loads, renamed.
QString renamedCounter();
// clean() storing this Timeout attribute.
QString withTimeout(const QString &timeout);

// The design documents shipped in examples/.
QStringList exampleDesigns();
// A "path" column with cleanPath and every example design as rows.
void addDesignRows(const QString &cleanPath);

// Writes text as `name` into dir; returns the path.
QString write(const QTemporaryDir &dir, const QString &name, const QString &text);
}
