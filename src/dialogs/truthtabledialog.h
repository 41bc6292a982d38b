// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class QTableWidget;
class TruthTable;

// Shows a logic block's output for every combination of its connected
// inputs (unconnected inputs are false), one row per combination.
class TruthTableDialog : public QDialog
{
    Q_OBJECT

public:
    // nets: connected port → name of the block feeding it.
    TruthTableDialog(const QMap<int, QString> &nets, const TruthTable &table,
                     QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table;
};
