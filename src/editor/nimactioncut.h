#pragma once

#include "editor/nimaction.h"

// Copies the canvas's selection (or this block) to the clipboard and deletes it.
class NIMActionCut : public NIMAction
{
    Q_OBJECT
public:
    NIMActionCut(BlockItem *block, ProgramWidget *canvas, QObject *parent = nullptr);

public slots:
    void cutItem();
};
