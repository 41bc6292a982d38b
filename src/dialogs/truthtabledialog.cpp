// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/truthtabledialog.h"

#include "dialogs/userguide.h"
#include "model/truthtable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem *cell(bool value)
{
    auto *item = new QTableWidgetItem(value ? QStringLiteral("1") : QStringLiteral("0"));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

TruthTableDialog::TruthTableDialog(const QMap<int, QString> &nets, const TruthTable &table,
                                   QWidget *parent)
    : QDialog(parent),
      m_table(new QTableWidget(this))
{
    setWindowTitle(tr("Truth table"));
    UserGuide::bindHelpKey(this, UserGuide::Section::LogicEditor);
    const QList<int> ports = nets.keys();
    const int rows = 1 << ports.size();
    m_table->setColumnCount(int(ports.size()) + 1);
    m_table->setRowCount(rows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    QStringList headers;
    for (int port : ports)
        headers << QStringLiteral("_%1\n%2").arg(QChar(u'A' + port)).arg(nets.value(port));
    headers << tr("OUT");
    m_table->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows; ++row) {
        int combination = 0;
        for (int i = 0; i < ports.size(); ++i) {
            const bool value = (row >> i) & 1;
            combination |= int(value) << ports.at(i);
            m_table->setItem(row, i, cell(value));
        }
        m_table->setItem(row, int(ports.size()), cell(table.at(combination)));
    }
    m_table->resizeColumnsToContents();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(qMin(900, 120 + 110 * int(ports.size())), 480);
}
