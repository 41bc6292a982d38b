// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>

class QLineEdit;
class QListWidget;

// A small pop-up list of the sheets under a filter line: typing keeps the
// sheets whose caption contains the text (case ignored), Up and Down move in
// the list, Enter or a double click goes to the chosen sheet, Escape closes.
// Deletes itself when closed.
class SheetPicker : public QFrame
{
    Q_OBJECT
public:
    // captions: by sheet index; current: the sheet chosen at first.
    SheetPicker(const QStringList &captions, int current, QWidget *parent);

    QLineEdit *filter() const { return m_filter; }
    QListWidget *list() const { return m_list; }

signals:
    void sheetChosen(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFilter(const QString &text);
    void choose();

    QLineEdit *m_filter;
    QListWidget *m_list;
};
