// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/editlogicdialog.h"

#include "dialogs/highlighter.h"
#include "dialogs/prompter.h"
#include "dialogs/truthtabledialog.h"
#include "dialogs/userguide.h"
#include "model/blockitem.h"
#include "model/blockkinds.h"
#include "model/logicevaluator.h"
#include "model/operationerror.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr int PortCount = LogicEvaluator::InputCount;

QString portText(int port)
{
    return QStringLiteral("_") + QChar(u'A' + port);
}

QString wordPattern(const QString &word)
{
    return QStringLiteral("\\b") + QRegularExpression::escape(word) + QStringLiteral("\\b");
}

// The block a port's net is named after: a pass-through shows its own source.
const BlockItem *namingSource(const BlockItem *source)
{
    if (source->kind() == BlockKind::PassThrough && source->source(0))
        return source->source(0);
    return source;
}

} // namespace

EditLogicDialog::EditLogicDialog(const BlockItem *block, QWidget *parent)
    : EditDialog(parent)
{
    buildForm();
    loadBlock(block);
    installHighlighting();
    updateValidity();
    QMetaObject::connectSlotsByName(this);
}

void EditLogicDialog::buildForm()
{
    setWindowTitle(tr("Logic Edit"));
    UserGuide::bindHelpKey(this, UserGuide::Section::LogicEditor);
    setFixedSize(1098, 307);

    buildPortButtons();
    buildOperatorButtons();

    m_radioButtonNet = new QRadioButton(tr("&Net Name"), this);
    m_radioButtonNet->setObjectName(QStringLiteral("radioButtonNet"));
    m_radioButtonNet->setGeometry(620, 80, 91, 19);
    m_radioButtonPort = new QRadioButton(tr("&Port Name"), this);
    m_radioButtonPort->setObjectName(QStringLiteral("radioButtonPort"));
    m_radioButtonPort->setGeometry(720, 80, 101, 19);
    m_radioButtonPort->setChecked(true);
    m_netMode = m_radioButtonNet->isChecked();

    auto *label = new QLabel(tr("OUT = "), this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(10, 110, 51, 20);

    m_textEdit = new QTextEdit(this);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setAcceptRichText(false);
    m_textEdit->setGeometry(62, 111, 1029, 158);

    m_validity = new QLabel(this);
    m_validity->setObjectName(QStringLiteral("labelValidity"));
    m_validity->setGeometry(62, 274, 640, 24);

    m_truthTableButton = new QPushButton(tr("Truth table…"), this);
    m_truthTableButton->setObjectName(QStringLiteral("pushButtonTruthTable"));
    m_truthTableButton->setGeometry(710, 272, 120, 28);

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    m_buttonBox->setGeometry(840, 272, 250, 28);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &EditLogicDialog::okClicked);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &EditLogicDialog::reject);
    connect(m_radioButtonNet, &QRadioButton::toggled, this, &EditLogicDialog::changeNetMode);
    connect(m_truthTableButton, &QPushButton::clicked, this, &EditLogicDialog::showTruthTable);
    connect(m_textEdit->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                m_lastChange = {position, removed, added};
            });
}

void EditLogicDialog::buildPortButtons()
{
    for (int port = 0; port < PortCount; ++port) {
        auto *button = new QPushButton(portText(port) + QStringLiteral("\n\n"), this);
        button->setObjectName(QStringLiteral("pushButton") + portText(port));
        button->setGeometry(6 + 100 * port, 10, 90, 53);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, port] { insertPort(port); });
        connect(button, &QPushButton::customContextMenuRequested, this,
                [this, port](const QPoint &at) { showPortMenu(port, at); });
        m_ports.append({button, button->text().remove(QLatin1Char('\n')), QString()});
    }
}

void EditLogicDialog::buildOperatorButtons()
{
    auto *layoutWidget = new QWidget(this);
    layoutWidget->setObjectName(QStringLiteral("layoutWidget"));
    layoutWidget->setGeometry(100, 68, 496, 32);
    auto *layout = new QHBoxLayout(layoutWidget);
    layout->setObjectName(QStringLiteral("horizontalLayout_2"));
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char *, void (EditLogicDialog::*)()> operators[] = {
        {"not", &EditLogicDialog::clicked_not}, {"and", &EditLogicDialog::clicked_and},
        {"or", &EditLogicDialog::clicked_or},   {"xor", &EditLogicDialog::clicked_xor},
        {"left", &EditLogicDialog::clicked_left}, {"right", &EditLogicDialog::clicked_right}};
    const QStringList texts = {QStringLiteral("not"), QStringLiteral("and"), QStringLiteral("or"),
                               QStringLiteral("xor"), QStringLiteral("("), QStringLiteral(")")};
    for (int i = 0; i < int(std::size(operators)); ++i) {
        auto *button = new QPushButton(texts.at(i), layoutWidget);
        button->setObjectName(QStringLiteral("pushButton_") + QLatin1String(operators[i].first));
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, operators[i].second);
    }
}

void EditLogicDialog::loadBlock(const BlockItem *block)
{
    m_textEdit->setPlainText(block->property());
    m_text = block->property();
    const BlockItem::InputMap &inputs = block->inputs();
    for (auto it = inputs.cbegin(); it != inputs.cend(); ++it) {
        if (it.key() < 0 || it.key() >= PortCount)
            continue;
        const QString name = namingSource(it.value())->displayName();
        m_connectedPorts.insert(it.key(), name);
        setPortNet(it.key(), name);
    }
}

void EditLogicDialog::setPortNet(int port, const QString &name)
{
    Port &record = m_ports[port];
    record.button->setText(QStringLiteral("%1\n\n%2").arg(record.portText, name));
    record.netName = name;
    if (!name.isEmpty())
        m_netPatterns.append(wordPattern(name));
}

void EditLogicDialog::installHighlighting()
{
    m_highlighter = new Highlighter(m_textEdit->document());
    const QStringList keywords = {wordPattern(QStringLiteral("not")), wordPattern(QStringLiteral("and")),
                                  wordPattern(QStringLiteral("or")), wordPattern(QStringLiteral("xor"))};
    QStringList ports;
    for (const Port &port : std::as_const(m_ports))
        ports << wordPattern(port.portText);
    m_highlighter->addPatterns(keywords, Qt::blue, 0);
    m_highlighter->addPatterns(ports, Qt::darkGreen, QFont::Bold);
    m_highlighter->addPatterns(m_netPatterns, Qt::darkCyan, QFont::Bold);
}

// ---- building the text ----

void EditLogicDialog::clicked_not() { insertText(QStringLiteral(" not ")); }
void EditLogicDialog::clicked_and() { insertText(QStringLiteral(" and ")); }
void EditLogicDialog::clicked_or() { insertText(QStringLiteral(" or ")); }
void EditLogicDialog::clicked_xor() { insertText(QStringLiteral(" xor ")); }
void EditLogicDialog::clicked_left() { insertText(QStringLiteral("(")); }
void EditLogicDialog::clicked_right() { insertText(QStringLiteral(")")); }

void EditLogicDialog::insertPort(int port)
{
    const Port &record = m_ports.at(port);
    const bool showNet = m_netMode && NetNameText::isShown({record.portText, record.netName}, nets());
    insertText(QLatin1Char(' ') + (showNet ? record.netName : record.portText) + QLatin1Char(' '));
}

void EditLogicDialog::insertText(const QString &text)
{
    m_textEdit->textCursor().insertText(text);
    m_textEdit->setFocus();
}

void EditLogicDialog::on_textEdit_textChanged()
{
    const QString text = m_textEdit->toPlainText();
    // Shortening stays possible when a switch to net names made it longer.
    if (text.size() > LogicEvaluator::MaxExpressionLength && text.size() > m_text.size()) {
        undoLastChange();
        warn(tr("Logic Error"), LogicEvaluator::tooLongText());
        return;
    }
    m_text = text;
    updateValidity();
}

// Puts back what the last change replaced, from the text before it.
void EditLogicDialog::undoLastChange()
{
    QTextCursor cursor(m_textEdit->document());
    cursor.setPosition(m_lastChange.position);
    cursor.setPosition(m_lastChange.position + m_lastChange.added, QTextCursor::KeepAnchor);
    cursor.insertText(m_text.mid(m_lastChange.position, m_lastChange.removed));
    m_textEdit->setTextCursor(cursor);
}

void EditLogicDialog::updateValidity()
{
    if (!m_validity)
        return;
    try {
        LogicEvaluator::expressionTable(portModeText());
        m_validity->setText(tr("Valid expression."));
        m_validity->setStyleSheet(QStringLiteral("color: darkgreen"));
        m_truthTableButton->setEnabled(true);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        m_validity->setText(tr("Not valid: %1").arg(message));
        m_validity->setStyleSheet(QStringLiteral("color: darkred"));
        m_truthTableButton->setEnabled(false);
    }
}

// ---- ports ----

void EditLogicDialog::showPortMenu(int port, const QPoint &at)
{
    m_currentPort = port;
    if (!m_connectedPorts.contains(port))
        return;
    QMenu menu(this);
    menu.addAction(tr("&Delete"), this, &EditLogicDialog::deletePort);
    menu.exec(m_ports.at(port).button->mapToGlobal(at));
}

void EditLogicDialog::deletePort()
{
    if (!m_connectedPorts.contains(m_currentPort))
        return;
    m_connectedPorts.remove(m_currentPort);
    m_removedPorts.append(m_currentPort);
    std::sort(m_removedPorts.begin(), m_removedPorts.end());
    setPortNet(m_currentPort, QString());
    updateValidity();
}

int EditLogicDialog::selectPort()
{
    QStringList items;
    for (int port = 0; port < PortCount; ++port)
        items << QStringLiteral("port%1").arg(port);
    const std::optional<QString> item =
        prompter().chooseItem(this, tr("select"), tr("NET connect"), items);
    return item ? int(items.indexOf(*item)) : -1;
}

// ---- net mode ----

QList<NetNameText::Net> EditLogicDialog::nets() const
{
    QList<NetNameText::Net> list;
    for (const Port &port : m_ports)
        list.append({port.portText, port.netName});
    return list;
}

QString EditLogicDialog::portModeText() const
{
    if (!m_netMode)
        return m_text;
    if (m_text == m_netModeText)
        return m_textBeforeNetMode;
    return NetNameText::toPortNames(m_text, nets());
}

void EditLogicDialog::changeNetMode(bool on)
{
    if (on == m_netMode)
        return;
    const QString portText = portModeText();
    if (on) {
        m_textBeforeNetMode = portText;
        m_netModeText = NetNameText::toNetNames(portText, nets());
    }
    m_netMode = on;
    m_textEdit->setPlainText(on ? m_netModeText : portText);
}

// ---- results ----

void EditLogicDialog::showTruthTable()
{
    try {
        const TruthTable table = LogicEvaluator::expressionTable(portModeText());
        TruthTableDialog dialog(m_connectedPorts, table, this);
        prompter().runDialog(dialog);
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        warn(tr("Logic Error"), message);
    }
}

void EditLogicDialog::okClicked()
{
    m_radioButtonPort->setChecked(true);
    const QString text = m_textEdit->toPlainText();
    try {
        LogicEvaluator::evaluateExpression(text, LogicEvaluator::Values{});
    } catch (const OperationError &failure) {
        const QString &message = failure.message();
        warn(tr("Logic Error"), message);
        return;
    }
    m_acceptedText = text;
    accept();
}
