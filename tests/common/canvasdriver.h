// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a canvas with constructed mouse, drop and key events: a gesture is
// a press, one move to the destination and the release there.

#include "editor/blockeditoropener.h"
#include "editor/canvasprompts.h"
#include "editor/dragpayload.h"
#include "editor/programwidget.h"

#include <QCoreApplication>
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

    Outcome openEditor(BlockEditor editor, BlockItem *block, QWidget *, const QPoint &at) override
    {
        calls.append({editor, block, at});
        return outcome;
    }
    Outcome rename(BlockItem *block, QWidget *) override
    {
        renamed << block;
        return outcome;
    }
};

class CanvasDriver
{
public:
    FakePrompts prompts;
    // The canvas's gesture while the mouse moved over it with the button down.
    CanvasGesture gestureWhileDragging = CanvasGesture::Idle;

    explicit CanvasDriver(ProgramWidget &canvas) : m_canvas(canvas), m_alive(&canvas)
    {
        canvas.setPrompts(&prompts);
    }
    // The canvas may be gone already (a rebuilt document replaces them).
    ~CanvasDriver()
    {
        if (!m_alive)
            return;
        m_canvas.setPrompts(nullptr);
    }

    // A left press at `from`, released at `to`.
    void drag(const QPoint &from, const QPoint &to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        mouse(QEvent::MouseMove, to, Qt::LeftButton, modifiers);
        gestureWhileDragging = m_canvas.gesture();
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, modifiers);
    }
    // A press released where it began.
    void click(const QPoint &at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, at, button, modifiers);
        mouse(QEvent::MouseButtonRelease, at, button, modifiers);
    }
    // The mouse moved to `at` with no button held.
    void hover(const QPoint &at) { mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoModifier); }
    void doubleClick(const QPoint &at)
    {
        mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::NoModifier);
    }
    // A drag from the palette or the label bar dropped at `at`.
    void dropFromOutside(const QString &key, const QPoint &at)
    {
        QMimeData mime;
        mime.setData(DragPayload::mimeType(), DragPayload{key, QPoint(5, 5)}.encode());
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent entered(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_canvas, &entered);
        QDropEvent dropped(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&m_canvas, &dropped);
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
        // The button is down while it moves, up after the release.
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, QPointF(at), m_canvas.mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QCoreApplication::sendEvent(&m_canvas, &event);
    }

    ProgramWidget &m_canvas;
    QPointer<ProgramWidget> m_alive;
};
