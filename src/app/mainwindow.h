#pragma once

#include "app/keystate.h"
#include "model/connectionsettings.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <memory>

class BlockItem;
class DeviceCommands;
class DesignDocument;
class DialogPrompter;
class LabelWidget;
class MainActions;
class MenuWidget;
class ProgramWidget;
class Prompter;
class QTabWidget;
class Sheet;
struct ReadResult;

// The program's only top-level window: the sheets with their canvases, the
// palette, the label bar, the menus and the tool bar. It owns the open
// document (design, sheets, counters, labels and connection settings) and
// routes every command to the part that does the work.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // options: the connection settings given on the command line, or null.
    MainWindow(const QString &fileName, const ConnectionSettings *options,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Questions and warnings go through the prompter (not owned; null
    // restores the real dialogs).
    void setPrompter(Prompter *prompter);

    DesignDocument &document() const;
    const ConnectionSettings &connectionSettings() const;
    QString currentFileName() const;
    int sheetCount() const;
    int currentSheet() const;
    ProgramWidget *canvas(int index) const;
    ProgramWidget *currentCanvas() const;
    QTabWidget *tabWidget() const;
    MenuWidget *palette() const;
    LabelWidget *labelBar() const;
    const KeyState &keyState() const;
    DeviceCommands &deviceCommands() const { return *m_device; }

    // Every completed change calls this once; the document shows as modified.
    void recordEditStep();

signals:
    void closeKovix();
    void currentTabChanged(int index);

public slots:
    void itemSelect(bool selected);
    void newDiagram();
    void open(const QString &fileName);
    void open();
    void openRecentFile();
    bool save(const QString &fileName);
    bool save();
    void saveAs();
    void tabNew(bool bModified);
    void tabNew();
    void tabDelete(int index);
    void tabRename();
    void showTabMenu(const QPoint &point);
    void setCurrentTab(int index);
    void isCopyText();

    void on_action_Download_triggered();
    void on_action_Property_triggered();
    void on_action_Undo_triggered();
    void on_actionRe_do_triggered();
    void on_actionKovix_triggered();
    void on_action_About_triggered();
    void on_action_DRC_triggered();
    void on_actionHardware_Setup_triggered();
    void on_actionCut_triggered();
    void on_actionCopy_triggered();
    void on_actionPaste_triggered();
    void on_action_Delete_triggered();
    void on_actionSelect_All_triggered();
    void on_action_Verify_triggered();
    void on_action_Save_triggered();
    void on_action_Restore_triggered();
    void on_action_Clear_ROM_triggered();
    void on_action_Write_Protect_triggered();
    void on_action_Change_Boot_ROM_Page_triggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCentralArea();
    void connectActions();
    void restoreGeometryFromSettings();
    void addSheetTab(Sheet *sheet);
    void removeSheetTabs();
    void connectCurrentCanvas();
    void syncTabCaption(Sheet *sheet);
    void setTitle(const QString &fileName);

    void resetDocument();
    void applyCommandLineSettings();
    QMessageBox::StandardButton askToSave();
    ReadResult loadBytes(const QByteArray &bytes);
    void reportRead(const ReadResult &result, const QString &fileName);
    void showLoadedDocument(const QString &fileName);
    void forgetFile();
    void addRecentFile(const QString &fileName);
    QString askSaveFileName();
    // Appends ".krx" unless the name ends in ".krx" or ".xml" (case matters)
    // and asks before an existing file is replaced; false when declined.
    bool checkExtension(QString &fileName);
    QString fileFilter() const;
    void updateRecentFileActions();
    void moveInput(BlockItem *block, const QString &portName);
    bool trackKey(QKeyEvent *event, bool pressed);

    Prompter &prompter();

    std::unique_ptr<MainActions> m_ui;
    std::unique_ptr<DesignDocument> m_document;
    std::unique_ptr<DialogPrompter> m_dialogPrompter;
    DeviceCommands *m_device = nullptr;  // child of this window
    Prompter *m_prompter = nullptr;
    // Empty address: no connection options on the command line.
    ConnectionSettings m_commandLineSettings;
    QList<ProgramWidget *> m_canvases;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_plusPage = nullptr;
    MenuWidget *m_palette = nullptr;
    LabelWidget *m_labelBar = nullptr;
    QString m_fileName;
    QByteArray m_baseBytes;
    KeyState m_keys;
    int m_currentSheet = 0;
    // The sheet tabs are rebuilt; tab changes must not create or wire sheets.
    bool m_rebuildingTabs = false;
    // A key handed to the canvas that it ignores travels back up to this
    // window; it must not be counted and forwarded again.
    bool m_forwardingKey = false;
};
