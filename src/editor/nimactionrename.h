#pragma once

#include "editor/nimaction.h"

// Opens the rename prompt of this block.
class NIMActionRename : public NIMAction
{
    Q_OBJECT
public:
    NIMActionRename(BlockItem *block, ProgramWidget *canvas, QObject *parent = nullptr);

public slots:
    void rename();
};
