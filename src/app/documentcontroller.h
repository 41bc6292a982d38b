// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/recoveryfile.h"
#include "app/undostack.h"
#include "model/connectionsettings.h"

#include <QMessageBox>
#include <QObject>

class DesignDocument;
class MainActions;
class Prompter;
class QAction;
class QMainWindow;
class SheetTabs;
struct ReadResult;

// The life cycle of the open document: new, open, save, save as, the
// "save your changes?" question, the recent files, the window title with its
// modified mark, the edit history and the recovery file that keeps unsaved
// changes across a crash. The design itself is rebuilt through the document
// reader; the sheet tabs follow the document's sheets on their own.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    // All references outlive this object.
    DocumentController(DesignDocument &document, SheetTabs &tabs, MainActions &actions,
                       QMainWindow *window);

    void setPrompter(Prompter *prompter);
    // Connection settings given on the command line: they replace those of
    // every document opened or created later.
    void setCommandLineSettings(const ConnectionSettings &settings);

    QString currentFileName() const { return m_fileName; }
    UndoStack &history() { return m_history; }
    QString recoveryPath() const { return m_recovery.path(); }

    // The close request: asks to save; false when the user cancelled.
    bool closeRequested();
    // Rebuilds the design from a document of the history; the current sheet
    // stays current when it still exists.
    void rebuild(const QByteArray &document);
    // Offers, one after another, the unsaved changes that programs which
    // ended without saving left behind; restores the first one accepted.
    void restoreUnsavedChanges();

public slots:
    void newDiagram();
    void open(const QString &fileName);
    void open();
    void openRecentFile();
    bool save(const QString &fileName);
    bool save();
    void saveAs();
    // Every completed change calls one of these once; name: see UndoStack::record().
    void recordEditStep() { recordNamedEditStep(QString()); }
    void recordNamedEditStep(const QString &name);
    const ConnectionSettings &commandLineSettings() const { return m_commandLineSettings; }
    // Removes a sheet the user agreed to delete, as one edit step.
    void deleteSheet(int index);

private:
    // newDiagram() and open(), false when the user cancelled.
    bool startNew();
    bool openFile(const QString &fileName);
    void readFile(const QString &fileName);
    void reset();
    void applyCommandLineSettings();
    void clearHistory();
    void historyChanged();
    // Names the step that the action would undo or redo in its tool tip.
    void showStepName(QAction &action, const QString &pattern, int step);
    QMessageBox::StandardButton askToSave();
    ReadResult loadBytes(const QByteArray &bytes);
    void reportRead(const ReadResult &result, const QString &fileName);
    void showLoadedDocument(const QString &fileName);
    void forgetFile();
    void setTitle(const QString &fileName);
    void setFileName(const QString &fileName);
    void addRecentFile(const QString &fileName);
    void updateRecentFileActions();
    QString askSaveFileName();
    // Appends ".krx" unless the name ends in ".krx" or ".xml" (case matters)
    // and asks before an existing file is replaced; false when declined.
    bool checkExtension(QString &fileName);
    QString fileFilter() const;
    // False when the file could not be restored and the next one may be
    // offered; true when restored or when the user cancelled on the way.
    bool restore(const RecoveryFile::LeftBehind &found);
    // Why the bytes cannot become the design; empty when they can.
    static QString unrestorableReason(const QByteArray &document);
    // Writes the recovery file; says once in the status bar when it cannot.
    void keepForRecovery();

    DesignDocument &m_document;
    SheetTabs &m_tabs;
    MainActions &m_actions;
    QMainWindow *m_window;
    Prompter *m_prompter = nullptr;
    // Empty address: no connection options on the command line.
    ConnectionSettings m_commandLineSettings;
    QString m_fileName;
    UndoStack m_history;
    RecoveryFile m_recovery;
    // Writing the recovery file failed and the user has been told.
    bool m_recoveryFailing = false;
};
