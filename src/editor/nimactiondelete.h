#pragma once

#include "editor/nimaction.h"

// Deletes this block; a label or feedback path goes with every reference to it.
class NIMActionDelete : public NIMAction
{
    Q_OBJECT
public:
    NIMActionDelete(BlockItem *block, ProgramWidget *canvas, QObject *parent = nullptr);

public slots:
    void deleteItem();
};
