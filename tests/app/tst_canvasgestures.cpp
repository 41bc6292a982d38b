// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "app/undostack.h"
#include "common/canvasdriver.h"
#include "common/testrunner.h"
#include "io/consistencycheck.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"
#include "windowhelpers.h"

#include <QKeyEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using namespace WindowHelpers;

// Random gestures on the canvas of a main window, with undo and redo in
// between: after every gesture the design holds together, the counters
// agree with it, and the last recorded step is exactly the design on screen
// and reloads to it.
class TestCanvasGestureSequences : public QObject
{
    Q_OBJECT

    static constexpr int kGestures = 300;

    QRandomGenerator m_random;
    MainWindow *m_window = nullptr;
    std::unique_ptr<CanvasDriver> m_driver;
    ProgramWidget *m_drivenCanvas = nullptr;

    int pick(int count) { return int(m_random.bounded(count)); }

    CanvasDriver &driver()
    {
        // Undo and redo rebuild the sheets, and with them the canvases.
        ProgramWidget *canvas = m_window->canvas(0);
        if (canvas != m_drivenCanvas) {
            m_driver.reset();
            m_driver = std::make_unique<CanvasDriver>(*canvas);
            m_drivenCanvas = canvas;
        }
        return *m_driver;
    }

    QList<BlockItem *> blocks() { return m_window->document().sheets().sheet(0)->blocks(); }

    BlockItem *anyBlock()
    {
        const QList<BlockItem *> all = blocks();
        return all.isEmpty() ? nullptr : all.at(pick(all.size()));
    }

    BlockItem *blockAfter(const BlockItem *source)
    {
        QList<BlockItem *> next;
        for (BlockItem *block : blocks()) {
            if (int(block->traits().column) == int(source->traits().column) + 1)
                next << block;
        }
        return next.isEmpty() ? nullptr : next.at(pick(next.size()));
    }

    QPoint anyPoint() { return QPoint(pick(760), 60 + pick(960)); }

    QString anyNewBlockKey()
    {
        QStringList keys{"Input", "PreLogic", "CntFnc", "DlyFnc", "NonFnc", "PostLogic",
                         "MsrCnt", "NIM-OUT", "FeedBack", "Label", "PreLabel"};
        const LabelRegistry &labels = m_window->document().labels();
        for (const LabelRegistry::Entry &entry : labels.feedbackLabels() + labels.labels()) {
            if (labels.canDrag(entry))
                keys << LabelRegistry::dragKey(entry);
        }
        return keys.at(pick(keys.size()));
    }

    // Delete, Up and Down as the window gets them; Left and Right reach
    // the canvas by its focus.
    void pressKey(Qt::Key key)
    {
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            driver().key(key);
            return;
        }
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window, &event);
        }
    }

    void gesture()
    {
        BlockItem *block = anyBlock();
        const int kind = pick(10);
        switch (kind) {
        case 0:
        case 1:
            driver().dropFromOutside(anyNewBlockKey(), anyPoint());
            break;
        case 2:
        case 3:
            if (block) {
                // Into the next column, onto some block there or anywhere.
                BlockItem *target = blockAfter(block);
                const QPoint to = target ? target->position() + QPoint(4, 1 + pick(40)) : anyPoint();
                driver().drag(block->outputPoint() - QPoint(pick(10), 0), to);
            }
            break;
        case 4:
            if (block)
                driver().drag(block->position() + QPoint(2, 2),
                              block->position() + QPoint(pick(200) - 100, pick(600) - 300));
            break;
        case 5:
            driver().drag(anyPoint(), anyPoint());
            break;
        case 6: {
            const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier,
                                                       Qt::ShiftModifier};
            driver().click(block ? block->position() + QPoint(2, 2) : anyPoint(),
                           pick(4) ? Qt::LeftButton : Qt::RightButton, modifiers[pick(3)]);
            break;
        }
        case 7: {
            const Qt::Key keys[] = {Qt::Key_Delete, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                                    Qt::Key_Right};
            pressKey(keys[pick(5)]);
            break;
        }
        case 8:
            m_window->findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
            break;
        default:
            m_window->findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
            break;
        }
    }

    QString problem()
    {
        DesignDocument &doc = m_window->document();
        QString fault = ConsistencyCheck::problem(doc.context());
        if (fault.isEmpty())
            fault = resourceMismatch(*m_window);
        const UndoStack &history = m_window->history();
        if (!fault.isEmpty() || history.currentIndex() < 0)
            return fault;
        const QByteArray recorded = history.currentDocument();
        if (recorded != written(*m_window))
            return QStringLiteral("the design differs from its last recorded step");
        DesignDocument reloaded;
        if (!DocumentReader(reloaded.context()).read(recorded).ok
            || DocumentWriter(reloaded.context()).toBytes() != recorded)
            return QStringLiteral("the recorded step does not reload to the same design");
        return QString();
    }

private slots:
    void initTestCase() { isolatePaths(); }
    void cleanupTestCase() { isolatePaths(); }

    void designHoldsTogether_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 2026u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void designHoldsTogether()
    {
        QFETCH(quint32, seed);
        m_random.seed(seed);
        MainWindow window(QString(), nullptr);
        m_window = &window;
        for (int step = 0; step < kGestures; ++step) {
            const int before = window.history().count();
            gesture();
            QVERIFY2(window.history().count() <= before + 1,
                     qPrintable(QStringLiteral("gesture %1 recorded several steps").arg(step)));
            const QString fault = problem();
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("gesture %1: %2").arg(step).arg(fault)));
        }
        QVERIFY(!window.document().model().allBlocks().isEmpty());
        m_driver.reset();
        m_drivenCanvas = nullptr;
        m_window = nullptr;
    }
};

KARIX_TEST(TestCanvasGestureSequences)
#include "tst_canvasgestures.moc"
