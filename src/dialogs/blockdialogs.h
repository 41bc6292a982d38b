// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>

class BlockItem;
class DesignEdits;
class DesignModel;
class DialogPrompter;
class EditDialog;
class Prompter;
class QWidget;

// The entry point of block editing: opens the parameter dialog the block's
// kind names (logic, counter function, delay, measure counter, input or
// output port) or the rename prompt, and applies what the user accepted
// through the design's edit API. The caller records one edit step when a
// call returns true; the model's blockChanged signals tell the canvas which
// pictures to redraw.
class BlockDialogs
{
    Q_DECLARE_TR_FUNCTIONS(BlockDialogs)

public:
    // Shows a dialog and returns its result code; the prompter's runDialog()
    // unless replaced.
    using Runner = std::function<int(EditDialog &dialog)>;

    BlockDialogs(DesignModel &model, DesignEdits &edits);
    ~BlockDialogs();

    // Not owned; null returns to message boxes.
    void setPrompter(Prompter *prompter);
    void setRunner(Runner runner);

    // True when the design changed. Blocks without a dialog return false.
    // at: global position of the dialog's top-left corner, moved sideways
    // when the dialog would cover the block on parent; none: where the
    // window system puts it.
    bool edit(BlockItem *block, QWidget *parent, std::optional<QPoint> at = std::nullopt);
    // Asks for a new user name until one passes the naming rules or the user
    // cancels, then spreads it over every block that stands for the signal.
    bool rename(BlockItem *block, QWidget *parent);

private:
    bool editLogic(BlockItem *block, QWidget *parent, std::optional<QPoint> at);
    bool editCounter(BlockItem *block, QWidget *parent, std::optional<QPoint> at);
    bool editDelay(BlockItem *block, QWidget *parent, std::optional<QPoint> at);
    bool editMeasureCounter(BlockItem *block, QWidget *parent, std::optional<QPoint> at);
    bool editPort(BlockItem *block, QWidget *parent, std::optional<QPoint> at);
    bool run(EditDialog &dialog, std::optional<QPoint> at);
    // The dialog at at, or beside the block being edited when it would cover it.
    QPoint besideBlock(const EditDialog &dialog, const QPoint &at) const;
    Prompter &prompter();

    DesignModel &m_model;
    DesignEdits &m_edits;
    std::unique_ptr<DialogPrompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    Runner m_runner;
    // Global area of the block being edited; empty when it is not on a widget.
    QRect m_blockArea;
};
