// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/blockdialogopener.h"
#include "app/crossprobe.h"
#include "app/designcheckdock.h"
#include "app/devicecommands.h"
#include "app/documentcontroller.h"
#include "app/editcommands.h"
#include "app/exportcommands.h"
#include "app/mainactions.h"
#include "app/sheettabs.h"
#include "app/undostack.h"
#include "app/viewcommands.h"
#include "app/windowgeometry.h"
#include "dialogs/dialogprompter.h"
#include "dialogs/userguide.h"
#include "editor/labelwidget.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "waveform/simulatewindow.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>

namespace {

QScrollArea *baseScrollArea(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setBackgroundRole(QPalette::Base);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

} // namespace

MainWindow::MainWindow(const QString &fileName, const ConnectionSettings *options, QWidget *parent)
    : QMainWindow(parent),
      m_ui(std::make_unique<MainActions>(this)),
      m_document(std::make_unique<DesignDocument>()),
      m_dialogPrompter(std::make_unique<DialogPrompter>()),
      m_blockDialogs(std::make_unique<BlockDialogOpener>(*m_document))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/karix.ico")));
    buildCentralArea();
    // At the first start: room for a whole sheet at 100 % beside the
    // palette, above the label bar, under the menus and tool bar.
    WindowGeometry::restore(*this, ProgramWidget::sheetSize()
                                       + QSize(m_paletteArea->width() + 60, m_labelArea->minimumHeight() + 150));
    m_view = new ViewCommands(*m_tabs, this);
    m_controller = new DocumentController(*m_document, *m_tabs, *m_ui, this);
    m_device = new DeviceCommands(*this, *m_document, *m_controller, *m_dialogPrompter);
    m_edits = new EditCommands(*m_document, *m_controller, *m_tabs, *m_ui, this);
    m_designCheck = new DesignCheckDock(*m_document, *m_tabs, m_controller->history(), this);
    addDockWidget(Qt::BottomDockWidgetArea, m_designCheck);
    m_designCheck->hide();
    m_export = new ExportCommands(*this, *m_document, *m_controller, *m_tabs, *m_dialogPrompter);
    m_device->followTarget(m_controller->history());
    m_simulate = new SimulateWindow(*m_document, this);
    new CrossProbe(*m_tabs, m_controller->history(), *m_simulate, this);
    setPrompter(nullptr);
    connectActions();
    if (options)
        m_controller->setCommandLineSettings(*options);
    qApp->installEventFilter(this);

    if (!fileName.isEmpty())
        m_controller->open(fileName);
}

MainWindow::~MainWindow()
{
    WindowGeometry::save(*this);
    // The canvases, the palette, the label bar and the objects acting on the
    // document refer to it: they go first.
    delete takeCentralWidget();
    delete m_designCheck;
    delete m_edits;
    delete m_controller;
    delete m_tabs;
}

void MainWindow::buildCentralArea()
{
    auto *horizontal = new QSplitter(Qt::Horizontal, this);
    auto *vertical = new QSplitter(Qt::Vertical, horizontal);

    m_tabs = new SheetTabs(*m_document, m_keys, *m_ui, this);
    m_tabs->setEditorOpener(m_blockDialogs.get());
    m_labelBar = new LabelWidget(&m_document->labels());
    QScrollArea *labelArea = m_labelArea = baseScrollArea(m_labelBar);
    // The feedback row and the first label rows stay in view without
    // scrolling; the splitter would otherwise squeeze the bar to a sliver.
    labelArea->setMinimumHeight(m_labelBar->minimumHeight() + 2 * labelArea->frameWidth());
    vertical->addWidget(m_tabs->widget());
    vertical->addWidget(labelArea);
    vertical->setStretchFactor(0, 1);

    m_palette = new MenuWidget(&m_document->resources());
    m_paletteArea = baseScrollArea(m_palette);
    // The palette keeps its own width (and room for a scroll bar when the
    // window is low); every other pixel goes to the sheet.
    m_paletteArea->setFixedWidth(m_palette->minimumWidth() + 2 * m_paletteArea->frameWidth()
                                 + m_paletteArea->verticalScrollBar()->sizeHint().width());
    horizontal->addWidget(vertical);
    horizontal->addWidget(m_paletteArea);
    horizontal->setStretchFactor(0, 1);
    horizontal->setStretchFactor(1, 0);
    horizontal->setCollapsible(0, false);
    setCentralWidget(horizontal);
}

void MainWindow::connectActions()
{
    const MainActions &a = *m_ui;
    DocumentController *doc = m_controller;
    connect(a.actionNew, &QAction::triggered, doc, &DocumentController::newDiagram);
    connect(a.actionOpen, &QAction::triggered, doc, qOverload<>(&DocumentController::open));
    connect(a.actionSave, &QAction::triggered, doc, qOverload<>(&DocumentController::save));
    connect(a.actionSaveAs, &QAction::triggered, doc, &DocumentController::saveAs);
    connect(a.actionExportSheet, &QAction::triggered, m_export, &ExportCommands::exportSheet);
    connect(a.actionExportAllSheets, &QAction::triggered, m_export, &ExportCommands::exportAllSheets);
    connect(a.actionPrint, &QAction::triggered, m_export, &ExportCommands::print);
    connect(a.actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(a.actionClose, &QAction::triggered, this, &QWidget::close);

    EditCommands *edit = m_edits;
    connect(a.actionUndo, &QAction::triggered, edit, &EditCommands::undo);
    connect(a.actionRedo, &QAction::triggered, edit, &EditCommands::redo);
    connect(a.actionCut, &QAction::triggered, edit, &EditCommands::cut);
    connect(a.actionCopy, &QAction::triggered, edit, &EditCommands::copy);
    connect(a.actionPaste, &QAction::triggered, edit, &EditCommands::paste);
    connect(a.actionDelete, &QAction::triggered, edit, &EditCommands::deleteSelection);
    connect(a.actionSelectAll, &QAction::triggered, edit, &EditCommands::selectAll);
    connect(a.actionNewSheet, &QAction::triggered, m_tabs, qOverload<>(&SheetTabs::tabNew));
    connect(a.actionRenameSheet, &QAction::triggered, m_tabs, &SheetTabs::tabRename);
    connect(a.actionGoToSheet, &QAction::triggered, m_tabs, &SheetTabs::showSheetPicker);
    connect(a.actionNextSheet, &QAction::triggered, m_tabs, &SheetTabs::nextSheet);
    connect(a.actionPreviousSheet, &QAction::triggered, m_tabs, &SheetTabs::previousSheet);

    DeviceCommands *device = m_device;
    connect(a.actionDownload, &QAction::triggered, device, &DeviceCommands::download);
    connect(a.actionVerify, &QAction::triggered, device, &DeviceCommands::verify);
    connect(a.actionDrc, &QAction::triggered, m_designCheck, &DesignCheckDock::showCheck);
    connect(a.actionCounters, &QAction::triggered, device, &DeviceCommands::counters);
    connect(a.actionWriteProtect, &QAction::triggered, device, &DeviceCommands::writeProtect);
    connect(a.actionEthernetSetting, &QAction::triggered, device, &DeviceCommands::ethernetSetting);
    connect(a.actionHardwareSetup, &QAction::triggered, device, &DeviceCommands::hardwareSetup);
    connect(a.actionSaveToRom, &QAction::triggered, device, &DeviceCommands::saveToRom);
    connect(a.actionRestoreFromRom, &QAction::triggered, device, &DeviceCommands::restoreFromRom);
    connect(a.actionChangeBootRomPage, &QAction::triggered, device, &DeviceCommands::changeBootPage);
    connect(a.actionInitializeRom, &QAction::triggered, device, &DeviceCommands::initializeRom);
    connect(a.actionAbout, &QAction::triggered, device, &DeviceCommands::about);
    connect(device, &DeviceCommands::downloadRefused, this, [this](int errors) {
        m_designCheck->showRefusedDownload();
        statusBar()->showMessage(DesignCheckDock::refusalText(errors));
    });
    connect(a.actionUserGuide, &QAction::triggered, this, [this] { UserGuide::show(this); });
    connect(a.actionSimulate, &QAction::triggered, m_simulate, &SimulateWindow::showWindow);

    ViewCommands *view = m_view;
    connect(a.actionZoomIn, &QAction::triggered, view, &ViewCommands::zoomIn);
    connect(a.actionZoomOut, &QAction::triggered, view, &ViewCommands::zoomOut);
    connect(a.actionResetZoom, &QAction::triggered, view, &ViewCommands::resetZoom);
    connect(a.actionFitSheet, &QAction::triggered, view, &ViewCommands::fitSheet);

    // Canvases of sheets added later are wired as they come.
    const auto connectCanvas = [doc, view](ProgramWidget *canvas) {
        connect(canvas, &ProgramWidget::modified, doc, &DocumentController::recordEditStep);
        view->adopt(canvas);
    };
    connect(m_tabs, &SheetTabs::canvasAdded, this, connectCanvas);
    for (int index = 0; index < m_tabs->count(); ++index)
        connectCanvas(m_tabs->canvas(index));
    connect(m_tabs, &SheetTabs::currentTabChanged, m_labelBar, &LabelWidget::setCurrentTab);
    connect(m_tabs, &SheetTabs::itemSelect, edit, &EditCommands::followSelection);
    connect(m_tabs, &SheetTabs::editStepRequested, doc, &DocumentController::recordEditStep);
    connect(m_tabs, &SheetTabs::sheetDeletionConfirmed, doc, &DocumentController::deleteSheet);
}

void MainWindow::setPrompter(Prompter *prompter)
{
    Prompter *used = prompter ? prompter : m_dialogPrompter.get();
    m_tabs->setPrompter(used);
    m_blockDialogs->setPrompter(used);
    m_controller->setPrompter(used);
    m_edits->setPrompter(used);
    m_export->setPrompter(used);
    m_device->setPrompter(*used);
}

DesignDocument &MainWindow::document() const
{
    return *m_document;
}

ProgramWidget *MainWindow::canvas(int index) const
{
    return m_tabs->canvas(index);
}

ProgramWidget *MainWindow::currentCanvas() const
{
    return m_tabs->currentCanvas();
}

QTabWidget *MainWindow::tabWidget() const
{
    return m_tabs->widget();
}

UndoStack &MainWindow::history() const
{
    return m_controller->history();
}

// ---- keys and closing ----

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    // Key events travel up the parent chain; count each one once, where it
    // starts, and only for this window.
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    if (!widget || widget->window() != this || widget != (focus ? focus : this))
        return false;
    return trackKey(static_cast<QKeyEvent *>(event));
}

bool MainWindow::trackKey(QKeyEvent *event)
{
    bool *flag = m_keys.flagFor(event->key());
    if (!flag)
        return false;
    const bool wasHeld = *flag;
    *flag = event->type() != QEvent::KeyRelease;
    ProgramWidget *canvas = currentCanvas();
    if (!*flag || !canvas || !KeyState::isCanvasKey(event->key()))
        return false;
    // A press arrives as a shortcut override followed by the key press. The
    // canvas handles the first of them and neither goes on, so that neither
    // the focus widget nor a shortcut of the same key (Delete) acts again.
    // Auto-repeat presses of a held key are dropped.
    const bool isKeyPress = event->type() == QEvent::KeyPress;
    if (wasHeld)
        return isKeyPress;
    if (canvas->handleKey(event->key()) && !isKeyPress) {
        event->accept();
        return true;
    }
    return isKeyPress;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_controller->closeRequested())
        event->accept();
    else
        event->ignore();
}
