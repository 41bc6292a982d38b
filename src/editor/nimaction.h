#pragma once

#include <QAction>

class BlockItem;
class ProgramWidget;

// A context action bound to one block and the canvas that shows it. The
// icon widget the action is added to owns it, so it lives as long as the
// block's icon.
class NIMAction : public QAction
{
    Q_OBJECT
public:
    NIMAction(const QString &text, const QString &iconPath, BlockItem *block,
              ProgramWidget *canvas, QObject *parent = nullptr);

    BlockItem *block() const { return m_block; }
    ProgramWidget *canvas() const { return m_canvas; }

private:
    BlockItem *m_block;
    ProgramWidget *m_canvas;
};
