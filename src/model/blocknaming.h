#pragma once

#include <QList>
#include <QString>

class BlockItem;
class DesignModel;
class LabelRegistry;

// The rules for user names and the changes that follow a rename: a name
// given to a connector, feedback path or label is the name of that signal on
// every sheet, so it is spread to every block that stands for it.
class BlockNaming
{
public:
    enum class Verdict { Accepted, BadCharacters, InUse };

    // Not empty; only letters, digits, "_" and "-".
    static bool hasValidCharacters(const QString &name);
    // The characters, then the model's name check (fixed output names and
    // names shown by any block are taken).
    static Verdict check(const DesignModel &model, const QString &name);
    // As check(), except that a block may take back its own reserved
    // resource name ("BNC-IN", "NIM-IN-…", "MsrCnt…").
    static Verdict checkRename(const DesignModel &model, const BlockItem *block, const QString &name);

    // Gives the block the user name and spreads it by the block's resource
    // name: feedback paths and labels to the label bar entry, the defining
    // block and the references on every sheet; connectors to every input
    // block of that connector. Returns the blocks whose user name changed.
    static QList<BlockItem *> renameEverywhere(DesignModel &model, LabelRegistry *labels,
                                               BlockItem *block, const QString &name);

    // Moves an input block to the connector `port`. A block without a user
    // name of its own takes over the name the connector has elsewhere; a
    // block with one gives it to every input block of that connector.
    // Returns the blocks whose picture changed.
    static QList<BlockItem *> retargetInput(DesignModel &model, BlockItem *block, const QString &port);

private:
    static void spreadToInputs(DesignModel &model, const QString &connector, const QString &name,
                               QList<BlockItem *> &changed);
    static void setUserName(BlockItem *block, const QString &name, QList<BlockItem *> &changed);
};
