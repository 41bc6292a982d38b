// SPDX-License-Identifier: GPL-3.0-or-later
#include "stimuluseditor.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Kind = StimulusSetup::Kind;

StimulusEditor::StimulusEditor(QWidget *parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setColumnStretch(2, 1);
}

void StimulusEditor::setInputs(const QList<QPair<int, QString>> &inputs)
{
    clearRows();
    for (const auto &input : inputs)
        addRow(input.first, input.second);
}

StimulusSetup StimulusEditor::setup() const
{
    StimulusSetup shown;
    for (const Row &row : m_rows) {
        const StimulusSetup::Source &source = m_all.source(row.input);
        shown.setSource(row.input, source.kind, source.value);
    }
    return shown;
}

void StimulusEditor::setSource(int input, Kind kind, const QString &value)
{
    m_all.setSource(input, kind, value);
    for (const Row &row : std::as_const(m_rows)) {
        if (row.input != input)
            continue;
        const QSignalBlocker kindBlocker(row.kind);
        const QSignalBlocker valueBlocker(row.value);
        row.kind->setCurrentIndex(int(kind));
        row.value->setText(value);
        row.value->setEnabled(kind != Kind::Off);
        row.browse->setEnabled(kind == Kind::File);
    }
}

void StimulusEditor::clearRows()
{
    for (const Row &row : std::as_const(m_rows)) {
        delete row.name;
        delete row.kind;
        delete row.value;
        delete row.browse;
    }
    m_rows.clear();
}

void StimulusEditor::addRow(int input, const QString &caption)
{
    const int line = int(m_rows.size());
    Row row{input, new QLabel(caption, this), new QComboBox(this), new QLineEdit(this),
            new QPushButton(tr("File…"), this)};
    row.kind->addItems({tr("off"), tr("constant"), tr("periodic"), tr("random rate"),
                        tr("stimulus file")});
    row.kind->setObjectName(QStringLiteral("sourceKind%1").arg(input));
    row.value->setObjectName(QStringLiteral("sourceValue%1").arg(input));
    row.value->setToolTip(tr("constant: 0 or 1\n"
                             "periodic: PERIOD,WIDTH[,PHASE], such as 1us,100ns,0ns\n"
                             "random rate: RATE[,WIDTH], RATE in Hz, kHz or MHz, such as 1MHz,20ns\n"
                             "stimulus file: a file of \"TIME INPUT LEVEL\" lines"));
    m_grid->addWidget(row.name, line, 0);
    m_grid->addWidget(row.kind, line, 1);
    m_grid->addWidget(row.value, line, 2);
    m_grid->addWidget(row.browse, line, 3);
    m_rows.append(row);
    const StimulusSetup::Source source = m_all.source(input);
    setSource(input, source.kind, source.value);
    connect(row.kind, &QComboBox::currentIndexChanged, this, [this, row] { kindChosen(row); });
    connect(row.value, &QLineEdit::editingFinished, this, [this, row] {
        m_all.setSource(row.input, Kind(row.kind->currentIndex()), row.value->text());
        emit changed();
    });
    connect(row.browse, &QPushButton::clicked, this, [this, row] { browse(row); });
}

void StimulusEditor::kindChosen(const Row &row)
{
    const Kind kind = Kind(row.kind->currentIndex());
    setSource(row.input, kind, defaultValue(kind));
    emit changed();
}

void StimulusEditor::browse(const Row &row)
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Stimulus File"), row.value->text());
    if (path.isEmpty())
        return;
    setSource(row.input, Kind::File, path);
    emit changed();
}

QString StimulusEditor::defaultValue(Kind kind)
{
    switch (kind) {
    case Kind::Constant:
        return QStringLiteral("1");
    case Kind::Periodic:
        return QStringLiteral("1us,100ns,0ns");
    case Kind::Random:
        return QStringLiteral("1MHz,20ns");
    default:
        return QString();
    }
}
