#include "app/mainwindow.h"

#include "app/blockdialogopener.h"
#include "app/devicecommands.h"
#include "app/dialogprompter.h"
#include "app/documentcontroller.h"
#include "app/editcommands.h"
#include "app/mainactions.h"
#include "app/sheettabs.h"
#include "editor/labelwidget.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>

namespace {

const char kGeometryGroup[] = "mainwindow";
const char kGeometryKey[] = "geometry";

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
    m_device = new DeviceCommands(*this, *m_dialogPrompter);
    setWindowIcon(QIcon(QStringLiteral(":/karix.ico")));
    setGeometry(9, 36, 950, 690);
    restoreGeometryFromSettings();

    buildCentralArea();
    m_controller = new DocumentController(*m_document, *m_tabs, *m_ui, m_keys, this);
    m_edits = new EditCommands(*m_document, *m_controller, *m_tabs, *m_ui, m_keys, this);
    m_device->followTarget(history());
    setPrompter(nullptr);
    connectActions();
    if (options)
        m_controller->setCommandLineSettings(*options);
    qApp->installEventFilter(this);

    if (!fileName.isEmpty())
        open(fileName);
}

MainWindow::~MainWindow()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGeometryGroup));
    settings.setValue(QLatin1String(kGeometryKey), geometry());
    settings.endGroup();
    // The canvases, the palette, the label bar and the objects acting on the
    // document refer to it: they go first.
    delete takeCentralWidget();
    delete m_edits;
    delete m_controller;
    delete m_tabs;
}

void MainWindow::restoreGeometryFromSettings()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(kGeometryGroup));
    const QRect stored = settings.value(QLatin1String(kGeometryKey), geometry()).toRect();
    settings.endGroup();
    // The stored rectangle is the client area; the frame sits 9 px left of
    // and 36 px above it on the decoration this was made for.
    move(stored.x() - 9, stored.y() - 36);
    resize(stored.size());
}

void MainWindow::buildCentralArea()
{
    auto *horizontal = new QSplitter(Qt::Horizontal, this);
    auto *vertical = new QSplitter(Qt::Vertical, horizontal);

    m_tabs = new SheetTabs(*m_document, m_keys, *m_ui, this);
    m_tabs->setEditorOpener(m_blockDialogs.get());
    m_labelBar = new LabelWidget(&m_document->labels());
    QScrollArea *labelArea = baseScrollArea(m_labelBar);
    // The feedback row and the first label rows stay in view without
    // scrolling; the splitter would otherwise squeeze the bar to a sliver.
    labelArea->setMinimumHeight(m_labelBar->minimumHeight() + 2 * labelArea->frameWidth());
    vertical->addWidget(m_tabs->widget());
    vertical->addWidget(labelArea);
    vertical->setStretchFactor(0, 1);

    m_palette = new MenuWidget(&m_document->resources());
    horizontal->addWidget(vertical);
    horizontal->addWidget(baseScrollArea(m_palette));
    horizontal->setStretchFactor(0, 1);
    horizontal->setStretchFactor(1, 1);
    setCentralWidget(horizontal);
}

void MainWindow::connectCanvas(ProgramWidget *canvas)
{
    connect(canvas, &ProgramWidget::modified, this, &MainWindow::recordEditStep);
}

void MainWindow::connectActions()
{
    QMetaObject::connectSlotsByName(this);
    connect(m_ui->actionNew, &QAction::triggered, this, &MainWindow::newDiagram);
    connect(m_ui->actionOpen, &QAction::triggered, this, qOverload<>(&MainWindow::open));
    connect(m_ui->actionSave, &QAction::triggered, this, qOverload<>(&MainWindow::save));
    connect(m_ui->actionSaveAs, &QAction::triggered, this, &MainWindow::saveAs);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionClose, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionTabNew, &QAction::triggered, this, qOverload<>(&MainWindow::tabNew));
    connect(m_ui->actionRename, &QAction::triggered, this, &MainWindow::tabRename);

    // Canvases of sheets added later are wired as they come.
    connect(m_tabs, &SheetTabs::canvasAdded, this, &MainWindow::connectCanvas);
    for (int index = 0; index < m_tabs->count(); ++index)
        connectCanvas(m_tabs->canvas(index));
    connect(m_tabs, &SheetTabs::currentTabChanged, this, &MainWindow::currentTabChanged);
    connect(m_tabs, &SheetTabs::itemSelect, this, &MainWindow::itemSelect);
    connect(m_tabs, &SheetTabs::editStepRequested, this, &MainWindow::recordEditStep);
    connect(m_tabs, &SheetTabs::sheetDeletionConfirmed, m_controller,
            &DocumentController::deleteSheet);
    connect(this, &MainWindow::currentTabChanged, m_labelBar, &LabelWidget::setCurrentTab);
}

void MainWindow::setPrompter(Prompter *prompter)
{
    Prompter *used = prompter ? prompter : m_dialogPrompter.get();
    m_tabs->setPrompter(used);
    m_blockDialogs->setPrompter(used);
    m_controller->setPrompter(used);
    m_edits->setPrompter(used);
    m_device->setPrompter(*used);
}

void MainWindow::restoreUnsavedChanges()
{
    m_controller->restoreUnsavedChanges();
}

DesignDocument &MainWindow::document() const
{
    return *m_document;
}

const ConnectionSettings &MainWindow::connectionSettings() const
{
    return m_document->settings();
}

QString MainWindow::currentFileName() const
{
    return m_controller->currentFileName();
}

int MainWindow::sheetCount() const
{
    return m_tabs->count();
}

int MainWindow::currentSheet() const
{
    return m_tabs->current();
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

MenuWidget *MainWindow::palette() const
{
    return m_palette;
}

LabelWidget *MainWindow::labelBar() const
{
    return m_labelBar;
}

const KeyState &MainWindow::keyState() const
{
    return m_keys;
}

UndoStack &MainWindow::history() const
{
    return m_controller->history();
}

DocumentController &MainWindow::documentController() const
{
    return *m_controller;
}

void MainWindow::recordEditStep()
{
    m_controller->recordEditStep();
}

// ---- document ----

void MainWindow::newDiagram()
{
    m_controller->newDiagram();
}

void MainWindow::open(const QString &fileName)
{
    m_controller->open(fileName);
}

void MainWindow::open()
{
    m_controller->open();
}

void MainWindow::openRecentFile()
{
    m_controller->openRecentFile();
}

bool MainWindow::save(const QString &fileName)
{
    return m_controller->save(fileName);
}

bool MainWindow::save()
{
    return m_controller->save();
}

void MainWindow::saveAs()
{
    m_controller->saveAs();
}

// ---- sheets ----

void MainWindow::tabNew(bool bModified)
{
    m_tabs->tabNew(bModified);
}

void MainWindow::tabNew()
{
    m_tabs->tabNew();
}

void MainWindow::tabDelete(int index)
{
    m_tabs->tabDelete(index);
}

void MainWindow::tabRename()
{
    m_tabs->tabRename();
}

void MainWindow::showTabMenu(const QPoint &point)
{
    m_tabs->showTabMenu(point);
}

void MainWindow::setCurrentTab(int index)
{
    m_tabs->setCurrentTab(index);
}

// ---- edit commands ----

void MainWindow::itemSelect(bool selected)
{
    m_edits->itemSelect(selected);
}

void MainWindow::isCopyText()
{
    m_edits->isCopyText();
}

void MainWindow::on_action_Undo_triggered()
{
    m_edits->undo();
}

void MainWindow::on_actionRe_do_triggered()
{
    m_edits->redo();
}

void MainWindow::on_actionCut_triggered()
{
    m_edits->cut();
}

void MainWindow::on_actionCopy_triggered()
{
    m_edits->copy();
}

void MainWindow::on_actionPaste_triggered()
{
    m_edits->paste();
}

void MainWindow::on_action_Delete_triggered()
{
    m_edits->deleteSelection();
}

void MainWindow::on_actionSelect_All_triggered()
{
    m_edits->selectAll();
}

// ---- device commands: download, verify, ROM pages, protection, counters ----

void MainWindow::on_action_Download_triggered()
{
    m_keys.control = false;
    m_device->download();
}

void MainWindow::on_action_Property_triggered() { m_device->ethernetSetting(); }
void MainWindow::on_actionKovix_triggered() { m_device->counters(); }
void MainWindow::on_action_About_triggered() { m_device->about(); }
void MainWindow::on_action_DRC_triggered() { m_device->showDrc(); }
void MainWindow::on_actionHardware_Setup_triggered() { m_device->hardwareSetup(); }
void MainWindow::on_action_Verify_triggered() { m_device->verify(); }
void MainWindow::on_action_Save_triggered() { m_device->saveToRom(); }
void MainWindow::on_action_Restore_triggered() { m_device->restoreFromRom(); }
void MainWindow::on_action_Clear_ROM_triggered() { m_device->initializeRom(); }
void MainWindow::on_action_Write_Protect_triggered() { m_device->writeProtect(); }
void MainWindow::on_action_Change_Boot_ROM_Page_triggered() { m_device->changeBootPage(); }

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
