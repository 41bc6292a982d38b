#pragma once

#include "editor/nimaction.h"

#include <QPoint>

// Opens the block's editor: its parameter dialog by kind, or the port list
// for a block without one. Created with an empty text (double click), it
// opens the editor at once and is never shown.
class NIMActionEdit : public NIMAction
{
    Q_OBJECT
public:
    NIMActionEdit(BlockItem *block, ProgramWidget *canvas, QObject *parent = nullptr);
    NIMActionEdit(const QString &text, BlockItem *block, ProgramWidget *canvas,
                  QObject *parent = nullptr);

    // Where a dialog for a block whose top-left corner is at blockTopLeft
    // (global) goes: 100 px left of it, no lower than y 300.
    static QPoint dialogPosition(const QPoint &blockTopLeft);

public slots:
    void editItem();

private:
    void choosePort(const QPoint &at);
};
