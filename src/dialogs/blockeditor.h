#pragma once

#include <QCoreApplication>
#include <QList>
#include <functional>
#include <memory>

class BlockItem;
class DesignModel;
class DialogPrompter;
class EditDialog;
class LabelRegistry;
class Prompter;
class QWidget;

// The entry point of block editing: opens the parameter dialog that fits the
// block's kind (logic, counter function, delay, measure counter, input or
// output port) or the rename prompt, and applies what the user accepted to
// the design. The caller records one edit step when a call returns true and
// redraws changedBlocks().
class BlockEditor
{
    Q_DECLARE_TR_FUNCTIONS(BlockEditor)

public:
    // Shows a dialog and returns its result code; exec() unless replaced.
    using Runner = std::function<int(EditDialog &dialog)>;

    // labels: the label bar's registry, told about spread user names; may be null.
    explicit BlockEditor(DesignModel &model, LabelRegistry *labels = nullptr);
    ~BlockEditor();

    // Not owned; null returns to message boxes.
    void setPrompter(Prompter *prompter);
    void setRunner(Runner runner);

    // True when the design changed. Blocks without a dialog return false.
    bool edit(BlockItem *block, QWidget *parent);
    // Asks for a new user name until one passes the naming rules or the user
    // cancels, then spreads it over every block that stands for the signal.
    bool rename(BlockItem *block, QWidget *parent);

    // Whether edit() has a dialog for the block.
    static bool canEdit(const BlockItem *block);
    // Blocks whose picture changed in the last edit() or rename().
    const QList<BlockItem *> &changedBlocks() const { return m_changed; }

private:
    bool editLogic(BlockItem *block, QWidget *parent);
    bool editCounter(BlockItem *block, QWidget *parent);
    bool editDelay(BlockItem *block, QWidget *parent);
    bool editMeasureCounter(BlockItem *block, QWidget *parent);
    bool editPort(BlockItem *block, QWidget *parent);
    bool run(EditDialog &dialog);
    Prompter &prompter();
    bool changed(BlockItem *block, bool didChange);

    DesignModel &m_model;
    LabelRegistry *m_labels;
    std::unique_ptr<DialogPrompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    Runner m_runner;
    QList<BlockItem *> m_changed;
};
