#pragma once

// Drives a canvas with constructed mouse, drag and key events. Offscreen,
// QDrag::exec returns at once, so the driver runs the canvas's drags itself:
// the drag enters at the press point, moves to the destination and drops
// there, while the canvas knows the drag as its own.

#include "editor/blockeditoropener.h"
#include "editor/canvasprompts.h"
#include "editor/dragpayload.h"
#include "editor/programwidget.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <memory>

// Answers the canvas's boxes: warnings are collected, the port list answers
// with `choice` (nothing: cancelled).
class FakePrompts : public CanvasPrompts
{
public:
    QStringList warnings;
    QStringList offeredItems;
    QString listTitle;
    QPoint listAt;
    std::optional<QString> choice;

    void warning(QWidget *, const QString &text) override { warnings << text; }
    std::optional<QString> chooseItem(QWidget *, const QString &title, const QString &,
                                      const QStringList &items, const QPoint &at) override
    {
        listTitle = title;
        offeredItems = items;
        listAt = at;
        return choice;
    }
};

// Records which editor the canvas asked for.
class FakeOpener : public BlockEditorOpener
{
public:
    struct Call
    {
        BlockEditor editor;
        BlockItem *block;
        QPoint at;
    };
    QList<Call> calls;
    QList<BlockItem *> renamed;
    Outcome outcome = Outcome::Cancelled;

    Outcome openEditor(BlockEditor editor, BlockItem *block, ProgramWidget *, const QPoint &at) override
    {
        calls.append({editor, block, at});
        return outcome;
    }
    Outcome rename(BlockItem *block, ProgramWidget *) override
    {
        renamed << block;
        return outcome;
    }
};

class CanvasDriver
{
public:
    FakePrompts prompts;
    // The canvas's gesture while its drag moved over it.
    CanvasGesture gestureWhileDragging = CanvasGesture::Idle;

    explicit CanvasDriver(ProgramWidget &canvas) : m_canvas(canvas), m_alive(&canvas)
    {
        canvas.setPrompts(&prompts);
        canvas.setDragRunner([this](QDrag &drag) { return runDrag(drag); });
    }
    // The canvas may be gone already (a rebuilt document replaces them).
    ~CanvasDriver()
    {
        if (!m_alive)
            return;
        m_canvas.setDragRunner({});
        m_canvas.setPrompts(nullptr);
    }

    // A left press at `from`; the drag it starts drops at `to`.
    void drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        m_dropAt = to;
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
    }
    // A press whose drag (if any) ends where it began.
    void click(const QPoint &at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        m_dropAt = at;
        mouse(QEvent::MouseButtonPress, at, button, modifiers);
    }
    void doubleClick(const QPoint &at)
    {
        mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::NoModifier);
    }
    // A drag from the palette or the label bar dropped at `at`.
    void dropFromOutside(const QString &key, const QPoint &at)
    {
        QMimeData mime;
        mime.setData(DragPayload::mimeType(), DragPayload{key, QPoint(5, 5)}.encode());
        deliver(mime, at, at);
    }
    bool key(Qt::Key key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        event.ignore();
        QCoreApplication::sendEvent(&m_canvas, &event);
        return event.isAccepted();
    }

private:
    void mouse(QEvent::Type type, const QPoint &at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent event(type, QPointF(at), m_canvas.mapToGlobal(QPointF(at)), button, button,
                          modifiers);
        QCoreApplication::sendEvent(&m_canvas, &event);
    }

    Qt::DropAction runDrag(QDrag &drag)
    {
        const auto payload = DragPayload::fromMimeData(drag.mimeData());
        return deliver(*drag.mimeData(), payload ? payload->point : m_dropAt, m_dropAt);
    }

    Qt::DropAction deliver(const QMimeData &mime, const QPoint &enter, const QPoint &drop)
    {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent entered(enter, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_canvas, &entered);
        QDragMoveEvent moved(drop, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_canvas, &moved);
        gestureWhileDragging = m_canvas.gesture();
        QDropEvent dropped(drop, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_canvas, &dropped);
        return dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
    }

    ProgramWidget &m_canvas;
    QPointer<ProgramWidget> m_alive;
    QPoint m_dropAt;
};
