#include "app/mainwindow.h"

#include "app/devicecommands.h"
#include "app/dialogprompter.h"
#include "app/mainactions.h"
#include "app/sheetremover.h"
#include "editor/customscroll.h"
#include "editor/labelwidget.h"
#include "editor/menuwidget.h"
#include "editor/programwidget.h"
#include "io/clipboardfragment.h"
#include "io/designdocument.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/blockitem.h"
#include "model/designmodel.h"
#include "model/labelregistry.h"
#include "model/sheet.h"
#include "model/sheetset.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>

namespace {

const char kGeometryGroup[] = "mainwindow";
const char kGeometryKey[] = "geometry";
const char kRecentFilesKey[] = "recentFileList";

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
      m_dialogPrompter(std::make_unique<DialogPrompter>())
{
    setObjectName(QStringLiteral("MainWindow"));
    m_device = new DeviceCommands(*this, *m_dialogPrompter);
    setWindowIcon(QIcon(QStringLiteral(":/karix.ico")));
    setGeometry(9, 36, 950, 690);
    restoreGeometryFromSettings();
    m_commandLineSettings.address.clear();

    buildCentralArea();
    connectActions();
    setTitle(QString());
    if (options) {
        m_document->settings() = *options;
        m_commandLineSettings = *options;
    }
    updateRecentFileActions();
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
    // The canvases, the palette and the label bar refer to the document:
    // they go first.
    delete takeCentralWidget();
    m_canvases.clear();
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

    m_tabs = new QTabWidget(vertical);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_tabs->setTabShape(QTabWidget::Rounded);
    m_tabs->setTabsClosable(true);
    m_tabs->setMovable(false);
    m_tabs->setMaximumWidth(810);
    m_tabs->setMinimumHeight(100);
    m_tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    m_plusPage = new QWidget;
    m_tabs->addTab(m_plusPage, QStringLiteral("+"));
    m_tabs->tabBar()->setTabButton(0, QTabBar::LeftSide, nullptr);
    m_tabs->tabBar()->setTabButton(0, QTabBar::RightSide, nullptr);

    m_labelBar = new LabelWidget(&m_document->labels());
    QScrollArea *labelArea = baseScrollArea(m_labelBar);
    // The feedback row and the first label rows stay in view without
    // scrolling; the splitter would otherwise squeeze the bar to a sliver.
    labelArea->setMinimumHeight(m_labelBar->minimumHeight() + 2 * labelArea->frameWidth());
    vertical->addWidget(m_tabs);
    vertical->addWidget(labelArea);
    vertical->setStretchFactor(0, 1);

    m_palette = new MenuWidget(&m_document->resources());
    horizontal->addWidget(vertical);
    horizontal->addWidget(baseScrollArea(m_palette));
    horizontal->setStretchFactor(0, 1);
    horizontal->setStretchFactor(1, 1);
    setCentralWidget(horizontal);

    SheetSet &sheets = m_document->sheets();
    connect(&sheets, &SheetSet::sheetAdded, this, &MainWindow::addSheetTab);
    connect(&sheets, &SheetSet::aboutToReset, this, &MainWindow::removeSheetTabs);
    for (Sheet *sheet : sheets.sheets())
        addSheetTab(sheet);
    m_tabs->setCurrentIndex(0);
    connectCurrentCanvas();
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
    for (QAction *action : std::as_const(m_ui->recentFileActions))
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);

    connect(m_tabs, &QTabWidget::tabCloseRequested, this, &MainWindow::tabDelete);
    connect(m_tabs, &QWidget::customContextMenuRequested, this, &MainWindow::showTabMenu);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::setCurrentTab);
    connect(this, &MainWindow::currentTabChanged, m_labelBar, &LabelWidget::setCurrentTab);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::isCopyText);
}

void MainWindow::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
    m_device->setPrompter(this->prompter());
}

Prompter &MainWindow::prompter()
{
    return m_prompter ? *m_prompter : *m_dialogPrompter;
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
    return m_fileName;
}

int MainWindow::sheetCount() const
{
    return m_canvases.size();
}

int MainWindow::currentSheet() const
{
    return m_currentSheet;
}

ProgramWidget *MainWindow::canvas(int index) const
{
    return m_canvases.value(index);
}

ProgramWidget *MainWindow::currentCanvas() const
{
    return canvas(m_currentSheet);
}

QTabWidget *MainWindow::tabWidget() const
{
    return m_tabs;
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

void MainWindow::setTitle(const QString &fileName)
{
    setWindowTitle(tr("%1[*] - %2").arg(fileName.isEmpty() ? tr("NewFile") : fileName, tr("KaRiX")));
}

void MainWindow::recordEditStep()
{
    setWindowModified(true);
    if (ProgramWidget *canvas = currentCanvas())
        canvas->update();
}

// ---- sheets ----

void MainWindow::addSheetTab(Sheet *sheet)
{
    QScopedValueRollback<bool> guard(m_rebuildingTabs, true);
    const int index = sheet->index();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tab%1").arg(index));
    auto *layout = new QHBoxLayout(page);
    auto *scroll = new CustomScroll(page);
    auto *canvas = new ProgramWidget(sheet, &m_document->model(), &m_document->resources(),
                                     &m_document->labels(), &m_document->settings());
    scroll->setWidget(canvas);
    layout->addWidget(scroll);
    m_canvases.insert(index, canvas);
    m_tabs->insertTab(index, page, sheet->caption());

    connect(sheet, &Sheet::captionChanged, this, [this, sheet] { syncTabCaption(sheet); });
    connect(canvas, &ProgramWidget::modified, this, &MainWindow::recordEditStep);
    connect(canvas, &ProgramWidget::inputPortChangeRequested, this, &MainWindow::moveInput);
}

void MainWindow::syncTabCaption(Sheet *sheet)
{
    m_tabs->setTabText(sheet->index(), sheet->caption());
}

void MainWindow::removeSheetTabs()
{
    QScopedValueRollback<bool> guard(m_rebuildingTabs, true);
    for (ProgramWidget *canvas : std::as_const(m_canvases))
        disconnect(canvas, &ProgramWidget::itemSelect, this, &MainWindow::itemSelect);
    while (m_tabs->count() > 1) {
        QWidget *page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    m_canvases.clear();
}

void MainWindow::connectCurrentCanvas()
{
    for (ProgramWidget *canvas : std::as_const(m_canvases))
        disconnect(canvas, &ProgramWidget::itemSelect, this, &MainWindow::itemSelect);
    if (ProgramWidget *canvas = currentCanvas())
        connect(canvas, &ProgramWidget::itemSelect, this, &MainWindow::itemSelect);
}

void MainWindow::tabNew()
{
    tabNew(true);
}

void MainWindow::tabNew(bool bModified)
{
    const Sheet *sheet = m_document->sheets().addSheet();
    m_tabs->setCurrentIndex(sheet->index());
    if (bModified)
        recordEditStep();
}

void MainWindow::setCurrentTab(int index)
{
    if (m_rebuildingTabs || index < 0 || index == m_currentSheet)
        return;
    if (index == sheetCount()) {
        // Ctrl+Tab cycles through the sheets; only a click on "+" adds one.
        if (m_keys.tab)
            m_tabs->setCurrentIndex(0);
        else
            tabNew(true);
        return;
    }
    emit currentTabChanged(index);
    canvas(index)->refreshSelectionState();
    m_currentSheet = index;
    connectCurrentCanvas();
    itemSelect(false);
}

void MainWindow::showTabMenu(const QPoint &point)
{
    QTabBar *bar = m_tabs->tabBar();
    const int index = bar->tabAt(bar->mapFrom(m_tabs, point));
    if (index < 0)
        return;
    m_tabs->setCurrentIndex(index);
    QMenu menu(this);
    menu.addAction(m_ui->actionTabNew);
    menu.addAction(m_ui->actionRename);
    menu.exec(m_tabs->mapToGlobal(point));
}

void MainWindow::tabRename()
{
    Sheet *sheet = m_document->sheets().sheet(m_currentSheet);
    if (!sheet)
        return;
    const std::optional<QString> name =
        prompter().askText(this, tr("Tab Rename"), tr("Please enter a new name."), sheet->caption());
    if (!name || name->trimmed().isEmpty())
        return;
    sheet->setCaption(*name);
    recordEditStep();
}

void MainWindow::tabDelete(int index)
{
    const Sheet *sheet = m_document->sheets().sheet(index);
    if (!sheet)
        return;
    const QMessageBox::StandardButton answer = prompter().warning(
        this, sheet->caption(), tr("Are you sure you want to remove this sheet?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, mapToGlobal(QPoint(100, 100)));
    if (answer != QMessageBox::Yes)
        return;
    if (sheetCount() == 1) {
        resetDocument();
        return;
    }
    canvas(index)->giveBackResources();
    // Blocks know their sheet by index: rebuilding from the document without
    // this sheet renumbers the sheets after it.
    const QByteArray remaining =
        SheetRemover::removeSheet(DocumentWriter(m_document->context()).toBytes(), index);
    resetDocument();
    loadBytes(remaining);
    m_tabs->setCurrentIndex(qMin(index, sheetCount() - 1));
    recordEditStep();
}

// ---- small handlers ----

void MainWindow::itemSelect(bool selected)
{
    m_ui->actionCut->setEnabled(selected);
    m_ui->actionCopy->setEnabled(selected);
    m_ui->action_Delete->setEnabled(selected);
}

void MainWindow::isCopyText()
{
    const QString text = QApplication::clipboard()->text();
    m_ui->actionPaste->setEnabled(ClipboardFragment::isFragment(text));
}

void MainWindow::on_action_Delete_triggered()
{
    if (ProgramWidget *canvas = currentCanvas())
        canvas->deleteSelection();
}

void MainWindow::on_actionSelect_All_triggered()
{
    if (ProgramWidget *canvas = currentCanvas())
        canvas->selectAll();
}

void MainWindow::moveInput(BlockItem *block, const QString &portName)
{
    QStringList freePorts;
    m_document->model().freeResourceNames(QStringLiteral("Input"), freePorts, block->sheet());
    if (!freePorts.contains(portName))
        return;
    const bool namedAfterPort = block->userName() == block->name();
    block->setName(portName);
    block->setUserName(namedAfterPort ? portName : block->userName());
}

// History, clipboard and dialog commands are handled elsewhere.
void MainWindow::on_action_Undo_triggered() {}
void MainWindow::on_actionRe_do_triggered() {}
void MainWindow::on_actionCut_triggered() {}
void MainWindow::on_actionCopy_triggered() {}
void MainWindow::on_actionPaste_triggered() {}

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
    if (m_forwardingKey
        || (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride))
        return false;
    // Key events travel up the parent chain; count each one once, where it
    // starts, and only for this window.
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *focus = QApplication::focusWidget();
    if (!widget || widget->window() != this || widget != (focus ? focus : this))
        return false;
    return trackKey(static_cast<QKeyEvent *>(event), type != QEvent::KeyRelease);
}

bool MainWindow::trackKey(QKeyEvent *event, bool pressed)
{
    bool *flag = m_keys.flagFor(event->key());
    if (!flag)
        return false;
    const bool wasHeld = *flag;
    *flag = pressed;
    if (!pressed || event->key() == Qt::Key_Tab)
        return false;
    // A press arrives as a shortcut override followed by the key press;
    // modifiers go to the canvas once, with the key press.
    const bool modifier = event->key() == Qt::Key_Control || event->key() == Qt::Key_Shift;
    const bool forward = modifier ? event->type() == QEvent::KeyPress : !wasHeld;
    ProgramWidget *canvas = currentCanvas();
    if (canvas && forward) {
        QKeyEvent copy(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
        QScopedValueRollback<bool> guard(m_forwardingKey, true);
        QCoreApplication::sendEvent(canvas, &copy);
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (askToSave() == QMessageBox::Cancel) {
        m_keys.control = false;
        event->ignore();
        return;
    }
    event->accept();
}

// ---- document life cycle ----

void MainWindow::resetDocument()
{
    for (ProgramWidget *canvas : std::as_const(m_canvases))
        disconnect(canvas, &ProgramWidget::itemSelect, this, &MainWindow::itemSelect);
    m_document->reset();
    m_currentSheet = 0;
    {
        QScopedValueRollback<bool> guard(m_rebuildingTabs, true);
        m_tabs->setCurrentIndex(0);
    }
    emit currentTabChanged(0);
    connectCurrentCanvas();
    itemSelect(false);
    applyCommandLineSettings();
}

void MainWindow::applyCommandLineSettings()
{
    ConnectionSettings &settings = m_document->settings();
    if (!m_commandLineSettings.address.isEmpty()) {
        settings = m_commandLineSettings;
        return;
    }
    settings = ConnectionSettings();
    settings.autoConnect = false;
}

QMessageBox::StandardButton MainWindow::askToSave()
{
    if (!isWindowModified())
        return QMessageBox::Discard;
    const QMessageBox::StandardButton answer = prompter().warning(
        this, QString(), tr("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        save();
        return QMessageBox::Save;
    }
    return answer == QMessageBox::Discard ? QMessageBox::Discard : QMessageBox::Cancel;
}

void MainWindow::newDiagram()
{
    m_keys.control = false;
    if (askToSave() == QMessageBox::Cancel)
        return;
    resetDocument();
    m_fileName.clear();
    setTitle(QString());
    setWindowModified(false);
    m_baseBytes.clear();
}

void MainWindow::open()
{
    open(QString());
}

void MainWindow::openRecentFile()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        open(action->data().toString());
}

ReadResult MainWindow::loadBytes(const QByteArray &bytes)
{
    return DocumentReader(m_document->context()).read(bytes);
}

void MainWindow::reportRead(const ReadResult &result, const QString &fileName)
{
    for (const QString &message : result.messages)
        prompter().warning(this, tr("KaRiX"), message);
    if (!result.parseError.isEmpty())
        prompter().warning(nullptr, tr("SAX Handler"), result.parseError);
    if (result.ok && !result.settingsApplied)
        prompter().warning(this, tr("KaRiX"),
                           tr("The loaded file is not correct. Some setting is ignored."));
    if (result.noRoot)
        prompter().warning(this, tr("KaRiX"),
                           tr("File specified in %1 is not a valid XML file for KaRiX.").arg(fileName));
}

void MainWindow::open(const QString &fileName)
{
    m_keys.control = false;
    if (askToSave() == QMessageBox::Cancel)
        return;
    QString name = fileName;
    if (name.isEmpty()) {
        name = prompter().openFileName(this, tr("Open KaRiX File"), QDir::currentPath(),
                                       fileFilter());
        if (name.isEmpty())
            return;
    } else if (!QFileInfo::exists(name)) {
        prompter().warning(this, tr("KaRiX"), tr("%1: No such file or directory.").arg(name));
        return;
    }

    resetDocument();
    setWindowModified(false);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        forgetFile();
        prompter().warning(this, tr("KaRiX"),
                           tr("Cannot read file %1:\n%2.").arg(name, file.errorString()));
        return;
    }
    m_baseBytes = file.readAll();
    m_ui->actionSave->setEnabled(true);

    const ReadResult result = loadBytes(m_baseBytes);
    reportRead(result, name);
    if (!result.ok) {
        resetDocument();
        forgetFile();
        return;
    }
    showLoadedDocument(name);
}

void MainWindow::forgetFile()
{
    // The empty design left by a failed open is a new document: a later Save
    // must ask for a name, not overwrite the file opened before.
    m_baseBytes.clear();
    m_fileName.clear();
    setTitle(QString());
}

void MainWindow::showLoadedDocument(const QString &fileName)
{
    setTitle(fileName);
    if (sheetCount() > 1) {
        // Switching away and back runs the current-sheet wiring for sheet 0.
        m_tabs->setCurrentIndex(1);
        m_tabs->setCurrentIndex(0);
    }
    canvas(0)->update();
    m_fileName = fileName;
    addRecentFile(fileName);
    if (!m_commandLineSettings.address.isEmpty() && m_commandLineSettings != connectionSettings()) {
        m_document->settings() = m_commandLineSettings;
        recordEditStep();
    }
}

void MainWindow::addRecentFile(const QString &fileName)
{
    QSettings settings;
    QStringList files = settings.value(QLatin1String(kRecentFilesKey)).toStringList();
    files.removeAll(fileName);
    files.prepend(fileName);
    while (files.size() > MainActions::recentFileCount)
        files.removeLast();
    settings.setValue(QLatin1String(kRecentFilesKey), files);
    updateRecentFileActions();
}

void MainWindow::updateRecentFileActions()
{
    const QStringList files = QSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
    const int shown = qMin(files.size(), int(MainActions::recentFileCount));
    for (int i = 0; i < MainActions::recentFileCount; ++i) {
        QAction *action = m_ui->recentFileActions.at(i);
        action->setVisible(i < shown);
        if (i < shown) {
            action->setText(tr("%1").arg(files.at(i)));
            action->setData(files.at(i));
        }
    }
    m_ui->menu_Recent_Files->setEnabled(shown > 0);
}

bool MainWindow::save()
{
    return save(QString());
}

QString MainWindow::fileFilter() const
{
    return tr("KaRiX Files (*.krx);;XML Files (*.xml)");
}

QString MainWindow::askSaveFileName()
{
    return prompter().saveFileName(this, tr("Save KaRiX File"), QDir::currentPath(), fileFilter());
}

bool MainWindow::checkExtension(QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".krx")) || fileName.endsWith(QLatin1String(".xml")))
        return true;
    fileName += QLatin1String(".krx");
    if (!QFileInfo::exists(fileName))
        return true;
    return prompter().warning(this, tr("KaRiX"),
                              tr("%1 already exists.\nDo you want to replace it?").arg(fileName),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           != QMessageBox::No;
}

bool MainWindow::save(const QString &fileName)
{
    m_keys.control = false;
    QString name = fileName;
    if (name.isEmpty()) {
        while (m_fileName.isEmpty()) {
            m_fileName = askSaveFileName();
            if (m_fileName.isEmpty())
                return false;
            if (checkExtension(m_fileName))
                setTitle(m_fileName);
            else
                m_fileName.clear();
        }
        name = m_fileName;
    }
    const QString error = DocumentWriter(m_document->context()).save(name);
    if (!error.isEmpty()) {
        prompter().warning(this, tr("file save"), error);
        return false;
    }
    addRecentFile(name);
    setWindowModified(false);
    return true;
}

void MainWindow::saveAs()
{
    QString name;
    do {
        name = askSaveFileName();
        if (name.isEmpty())
            return;
    } while (!checkExtension(name));
    if (!save(name))
        return;
    m_fileName = name;
    setTitle(name);
    m_ui->actionSave->setEnabled(true);
}
