#include "model/blocknaming.h"

#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"

namespace {

bool isConnectorName(const QString &name)
{
    return name.startsWith(QLatin1String("NIM-IN-")) || name == QLatin1String("BNC-IN");
}

bool isSignalLabelName(const QString &name)
{
    return name.contains(QLatin1String("FeedBack")) || name.contains(QLatin1String("Label"));
}

} // namespace

bool BlockNaming::hasValidCharacters(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

BlockNaming::Verdict BlockNaming::check(const DesignModel &model, const QString &name)
{
    if (!hasValidCharacters(name))
        return Verdict::BadCharacters;
    return model.isNameFree(name, false) ? Verdict::Accepted : Verdict::InUse;
}

BlockNaming::Verdict BlockNaming::checkRename(const DesignModel &model, const BlockItem *block,
                                              const QString &name)
{
    if (!hasValidCharacters(name))
        return Verdict::BadCharacters;
    const bool reserved = isConnectorName(name) || name.startsWith(QLatin1String("MsrCnt"));
    if (reserved && name == block->name())
        return Verdict::Accepted;
    return check(model, name);
}

QList<BlockItem *> BlockNaming::renameEverywhere(DesignModel &model, LabelRegistry *labels,
                                                 BlockItem *block, const QString &name)
{
    QList<BlockItem *> changed;
    setUserName(block, name, changed);
    const QString resource = block->name();
    if (isSignalLabelName(resource)) {
        if (labels)
            labels->setUserName(resource, name);
        for (BlockItem *output : model.outputBlocks()) {
            if (output->name() == resource) {
                setUserName(output, name, changed);
                break;
            }
        }
        for (BlockItem *reference : model.labelBlocks()) {
            if (reference->name() == resource)
                setUserName(reference, name, changed);
        }
    } else if (isConnectorName(resource)) {
        spreadToInputs(model, resource, name, changed);
    }
    return changed;
}

QList<BlockItem *> BlockNaming::retargetInput(DesignModel &model, BlockItem *block, const QString &port)
{
    QList<BlockItem *> changed{block};
    QString name = block->displayName();
    if (const BlockItem *connector = model.findBlock(port); connector && connector->term() == QLatin1String("Input")) {
        if (name == port)
            name = connector->displayName();
        else
            spreadToInputs(model, port, name, changed);
    }
    block->setUserName(name);
    block->setName(port);
    return changed;
}

void BlockNaming::spreadToInputs(DesignModel &model, const QString &connector, const QString &name,
                                 QList<BlockItem *> &changed)
{
    for (BlockItem *input : model.inputBlocks()) {
        if (input->name() == connector)
            setUserName(input, name, changed);
    }
}

void BlockNaming::setUserName(BlockItem *block, const QString &name, QList<BlockItem *> &changed)
{
    if (block->userName() == name)
        return;
    block->setUserName(name);
    if (!changed.contains(block))
        changed.append(block);
}
