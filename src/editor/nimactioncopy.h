#pragma once

#include "editor/nimaction.h"

// Copies the canvas's selection (or this block) to the clipboard.
class NIMActionCopy : public NIMAction
{
    Q_OBJECT
public:
    NIMActionCopy(BlockItem *block, ProgramWidget *canvas, QObject *parent = nullptr);

public slots:
    void copyItem();
};
