// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class BlockItem;
class DesignDocument;

// Builds designs for tests as the canvas would: blocks created through the
// model with their resources, placed in the lowest free row of their column
// (or a given row), connected with their connection counters.
class DesignMaker
{
public:
    explicit DesignMaker(DesignDocument &document) : m_document(document) {}

    // Null when the model or the sheet refuses the block.
    BlockItem *add(int sheet, const QString &term, const QString &name = QString(),
                   const QString &userName = QString(), const QString &property = QString(),
                   int row = -1);
    void connect(BlockItem *destination, int port, BlockItem *source);
    void setCaption(int sheet, const QString &caption);

    // A design with several sheets, every block kind, user names and
    // properties with reserved characters, labels and feedback across sheets.
    static void randomDesign(DesignDocument &document, quint32 seed);
    // One line per block (sheet, row, term, name, user name, property and
    // connections by port and driver name), sorted; for comparing designs.
    static QStringList describe(DesignDocument &document);

private:
    DesignDocument &m_document;
};
