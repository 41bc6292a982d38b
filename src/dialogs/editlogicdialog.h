// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/editdialog.h"
#include "model/netnametext.h"

#include <QList>
#include <QMap>
#include <QPoint>
#include <QStringList>

class BlockItem;
class Highlighter;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;

// Edits the expression of a pre- or post-logic block: port and operator
// buttons, typing, a view with the connected blocks' names instead of the
// variables, and removal of a port's connection. OK checks the expression
// with the evaluator; an accepted dialog offers expression() and
// removedPorts() for the caller to apply.
class EditLogicDialog : public EditDialog
{
    Q_OBJECT

public:
    EditLogicDialog(const BlockItem *block, QWidget *parent = nullptr);

    // The expression with variables, as accepted.
    QString expression() const { return m_acceptedText; }
    // Ports whose connection the user deleted, ascending.
    QList<int> removedPorts() const { return m_removedPorts; }
    // Whether the editor shows net names: the text then has them in place
    // of the variables.

public slots:
    void okClicked();
    void changeNetMode(bool on);
    void clicked_not();
    void clicked_and();
    void clicked_or();
    void clicked_xor();
    void clicked_left();
    void clicked_right();
    void deletePort();
    // Asks for one of the eleven ports; -1 when cancelled.
    int selectPort();
    void showTruthTable();
    void on_textEdit_textChanged();

private:
    struct Port
    {
        QPushButton *button = nullptr;
        QString portText; // "_A" .. "_K"
        QString netName;  // empty: unconnected
    };

    void buildForm();
    void buildPortButtons();
    void buildOperatorButtons();
    void loadBlock(const BlockItem *block);
    void setPortNet(int port, const QString &name);
    void insertPort(int port);
    void insertText(const QString &text);
    void showPortMenu(int port, const QPoint &at);
    void installHighlighting();
    void updateValidity();
    void undoLastChange();
    QList<NetNameText::Net> nets() const;
    // The editor text with variables, whatever the mode.
    QString portModeText() const;

    QList<Port> m_ports;
    QMap<int, QString> m_connectedPorts; // port → net name while connected
    QList<int> m_removedPorts;
    int m_currentPort = -1;
    bool m_netMode = false;
    QString m_text;
    // The document's last contentsChange, in characters.
    struct Change
    {
        int position = 0;
        int removed = 0;
        int added = 0;
    } m_lastChange;
    // The variable text and the net text it was switched to, so that
    // switching back without edits restores it exactly.
    QString m_textBeforeNetMode;
    QString m_netModeText;
    QString m_acceptedText;
    QStringList m_netPatterns;

    QRadioButton *m_radioButtonNet = nullptr;
    QRadioButton *m_radioButtonPort = nullptr;
    QTextEdit *m_textEdit = nullptr;
    QLabel *m_validity = nullptr;
    QPushButton *m_truthTableButton = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    Highlighter *m_highlighter = nullptr;
};
