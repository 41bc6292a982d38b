// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/documentcontroller.h"

#include "app/mainactions.h"
#include "app/sheettabs.h"
#include "dialogs/prompter.h"
#include "editor/programwidget.h"
#include "io/designdocument.h"
#include "io/documentfile.h"
#include "io/documentreader.h"
#include "io/documentwriter.h"
#include "model/designedits.h"
#include "model/labelregistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {
const char kRecentFilesKey[] = "recentFileList";
}

DocumentController::DocumentController(DesignDocument &document, SheetTabs &tabs,
                                       MainActions &actions, QMainWindow *window)
    : QObject(window),
      m_document(document),
      m_tabs(tabs),
      m_actions(actions),
      m_window(window)
{
    m_commandLineSettings.address.clear();
    connect(&m_history, &UndoStack::changed, this, &DocumentController::historyChanged);
    for (QAction *action : std::as_const(m_actions.recentFileActions))
        connect(action, &QAction::triggered, this, &DocumentController::openRecentFile);
    setTitle(QString());
    updateRecentFileActions();
}

void DocumentController::setPrompter(Prompter *prompter)
{
    m_prompter = prompter;
}

void DocumentController::setCommandLineSettings(const ConnectionSettings &settings)
{
    m_document.settings() = settings;
    m_commandLineSettings = settings;
}

void DocumentController::setTitle(const QString &fileName)
{
    m_window->setWindowTitle(
        tr("%1[*] - %2").arg(fileName.isEmpty() ? tr("NewFile") : fileName, tr("KaRiX")));
}

void DocumentController::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_recovery.setDocument(fileName);
    // The unsaved changes move to the file of the new name at once.
    if (m_history.isModified())
        keepForRecovery();
}

// ---- history ----

void DocumentController::recordNamedEditStep(const QString &name)
{
    if (!m_history.record(DocumentWriter(m_document.context()).toBytes(), name))
        return;
    if (ProgramWidget *canvas = m_tabs.currentCanvas())
        canvas->update();
}

void DocumentController::historyChanged()
{
    const bool modified = m_history.isModified();
    m_window->setWindowModified(modified);
    m_actions.actionUndo->setEnabled(m_history.canUndo());
    m_actions.actionRedo->setEnabled(m_history.canRedo());
    showStepName(*m_actions.actionUndo, tr("Undo %1"), m_history.currentIndex());
    showStepName(*m_actions.actionRedo, tr("Redo %1"), m_history.currentIndex() + 1);
    if (modified)
        keepForRecovery();
    else
        m_recovery.remove();
}

void DocumentController::keepForRecovery()
{
    if (m_recovery.write(m_history.currentDocument())) {
        m_recoveryFailing = false;
        return;
    }
    // Said once: the edit goes on regardless, and a box after every edit
    // would make the program unusable.
    if (m_recoveryFailing)
        return;
    m_recoveryFailing = true;
    m_window->statusBar()->showMessage(
        tr("Unsaved changes cannot be kept for recovery in %1: %2")
            .arg(QDir::toNativeSeparators(RecoveryFile::directory()), m_recovery.errorString()));
}

void DocumentController::showStepName(QAction &action, const QString &pattern, int step)
{
    const QString name = m_history.stepName(step);
    const QString tip = name.isEmpty() ? QString() : pattern.arg(name);
    action.setToolTip(tip.isEmpty() ? action.text().remove(QLatin1Char('&')) : tip);
    action.setStatusTip(tip.isEmpty() ? MainActions::statusTip(&action) : tip);
}

void DocumentController::clearHistory()
{
    m_history.setBaseBytes(QByteArray());
    m_history.clear();
}

void DocumentController::rebuild(const QByteArray &document)
{
    const int sheet = m_tabs.current();
    m_tabs.beginRebuild();
    reset();
    if (!document.isEmpty())
        loadBytes(document);
    m_tabs.endRebuild();
    m_tabs.selectSheet(sheet);
}

void DocumentController::deleteSheet(int index)
{
    // The last sheet cannot go: the document becomes a new, empty one.
    if (!m_document.edits().deleteSheet(index))
        reset();
    recordEditStep();
}

// ---- document life cycle ----

void DocumentController::reset()
{
    // The canvases go before the blocks, so they need not forget them one by one.
    m_tabs.removeSheetTabs();
    m_document.reset();
    m_tabs.showFirstSheet();
    applyCommandLineSettings();
}

void DocumentController::applyCommandLineSettings()
{
    ConnectionSettings &settings = m_document.settings();
    if (!m_commandLineSettings.address.isEmpty()) {
        settings = m_commandLineSettings;
        return;
    }
    settings = ConnectionSettings();
    settings.autoConnect = false;
}

QMessageBox::StandardButton DocumentController::askToSave()
{
    if (!m_window->isWindowModified())
        return QMessageBox::Discard;
    const QMessageBox::StandardButton answer = m_prompter->warning(
        m_window, QString(), tr("The document has been modified.\nDo you want to save your changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    // A save that did not happen must not let the changes go.
    if (answer == QMessageBox::Save)
        return save() ? QMessageBox::Save : QMessageBox::Cancel;
    if (answer != QMessageBox::Discard)
        return QMessageBox::Cancel;
    m_recovery.remove();
    return QMessageBox::Discard;
}

bool DocumentController::closeRequested()
{
    if (askToSave() != QMessageBox::Cancel)
        return true;
    return false;
}

void DocumentController::newDiagram()
{
    startNew();
}

bool DocumentController::startNew()
{
    if (askToSave() == QMessageBox::Cancel)
        return false;
    reset();
    setFileName(QString());
    setTitle(QString());
    clearHistory();
    return true;
}

void DocumentController::open()
{
    open(QString());
}

void DocumentController::openRecentFile()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        open(action->data().toString());
}

ReadResult DocumentController::loadBytes(const QByteArray &bytes)
{
    ReadResult result;
    {
        // The label bar redraws once for the whole document instead of once
        // per label entry the reader adds.
        const QSignalBlocker quiet(&m_document.labels());
        result = DocumentReader(m_document.context()).read(bytes);
    }
    emit m_document.labels().changed();
    return result;
}

void DocumentController::reportRead(const ReadResult &result, const QString &fileName)
{
    // A damaged document may need hundreds of repairs: one box for all.
    QStringList notes = result.messages;
    if (result.ok && !result.settingsApplied)
        notes << tr("The loaded file is not correct. Some setting is ignored.");
    if (!notes.isEmpty())
        m_prompter->warnings(m_window, tr("KaRiX"), notes);
    if (!result.parseError.isEmpty())
        m_prompter->warning(nullptr, tr("SAX Handler"), result.parseError);
    if (result.noRoot)
        m_prompter->warning(
            m_window, tr("KaRiX"),
            tr("File specified in %1 is not a valid XML file for KaRiX.").arg(fileName));
}

void DocumentController::open(const QString &fileName)
{
    openFile(fileName);
}

bool DocumentController::openFile(const QString &fileName)
{
    if (askToSave() == QMessageBox::Cancel)
        return false;
    QString name = fileName;
    if (name.isEmpty()) {
        name = m_prompter->openFileName(m_window, tr("Open KaRiX File"), QDir::currentPath(),
                                        fileFilter());
        if (name.isEmpty())
            return false;
    } else if (!QFileInfo::exists(name)) {
        m_prompter->warning(m_window, tr("KaRiX"), tr("%1: No such file or directory.").arg(name));
        return false;
    }
    readFile(name);
    return true;
}

void DocumentController::readFile(const QString &name)
{
    reset();
    clearHistory();
    // Only a regular file of bounded size is read: a FIFO or device picked by
    // mistake must neither hang the window nor fill memory.
    QByteArray bytes;
    QString problem;
    if (!DocumentFile::read(name, bytes, problem)) {
        forgetFile();
        m_prompter->warning(m_window, tr("KaRiX"), problem);
        return;
    }
    m_history.setBaseBytes(bytes);
    m_actions.actionSave->setEnabled(true);

    const ReadResult result = loadBytes(bytes);
    reportRead(result, name);
    if (!result.ok) {
        reset();
        forgetFile();
        return;
    }
    showLoadedDocument(name);
}

void DocumentController::forgetFile()
{
    // The empty design left by a failed open is a new document: a later Save
    // must ask for a name, not overwrite the file opened before.
    m_history.setBaseBytes(QByteArray());
    setFileName(QString());
    setTitle(QString());
}

void DocumentController::showLoadedDocument(const QString &fileName)
{
    setTitle(fileName);
    m_tabs.refreshCurrent();
    m_tabs.canvas(0)->update();
    setFileName(fileName);
    addRecentFile(fileName);
    if (!m_commandLineSettings.address.isEmpty()
        && m_commandLineSettings != m_document.settings()) {
        m_document.settings() = m_commandLineSettings;
        recordNamedEditStep(tr("Connection settings from the command line"));
    }
}

void DocumentController::addRecentFile(const QString &fileName)
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

void DocumentController::updateRecentFileActions()
{
    const QStringList files = QSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
    const int shown = qMin(files.size(), int(MainActions::recentFileCount));
    for (int i = 0; i < MainActions::recentFileCount; ++i) {
        QAction *action = m_actions.recentFileActions.at(i);
        action->setVisible(i < shown);
        if (i < shown) {
            action->setText(tr("%1").arg(files.at(i)));
            action->setData(files.at(i));
            action->setStatusTip(tr("Open %1").arg(files.at(i)));
        }
    }
    m_actions.menuRecentFiles->setEnabled(shown > 0);
}

bool DocumentController::save()
{
    return save(QString());
}

QString DocumentController::fileFilter() const
{
    return tr("KaRiX Files (*.krx);;XML Files (*.xml)");
}

QString DocumentController::askSaveFileName()
{
    return m_prompter->saveFileName(m_window, tr("Save KaRiX File"), QDir::currentPath(),
                                    fileFilter());
}

bool DocumentController::checkExtension(QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".krx")) || fileName.endsWith(QLatin1String(".xml")))
        return true;
    fileName += QLatin1String(".krx");
    if (!QFileInfo::exists(fileName))
        return true;
    return m_prompter->warning(m_window, tr("KaRiX"),
                               tr("%1 already exists.\nDo you want to replace it?").arg(fileName),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           != QMessageBox::No;
}

bool DocumentController::save(const QString &fileName)
{
    QString name = fileName;
    if (name.isEmpty()) {
        while (m_fileName.isEmpty()) {
            QString chosen = askSaveFileName();
            if (chosen.isEmpty())
                return false;
            if (checkExtension(chosen)) {
                setFileName(chosen);
                setTitle(chosen);
            }
        }
        name = m_fileName;
    }
    QString notice;
    const QString error = DocumentWriter(m_document.context()).save(name, &notice);
    if (!error.isEmpty()) {
        m_prompter->warning(m_window, tr("file save"), error);
        return false;
    }
    if (!notice.isEmpty())
        m_prompter->warning(m_window, tr("file save"), notice);
    addRecentFile(name);
    m_history.markSaved();
    return true;
}

void DocumentController::saveAs()
{
    QString name;
    do {
        name = askSaveFileName();
        if (name.isEmpty())
            return;
    } while (!checkExtension(name));
    if (!save(name))
        return;
    setFileName(name);
    setTitle(name);
    m_actions.actionSave->setEnabled(true);
}

// ---- recovery ----

void DocumentController::restoreUnsavedChanges()
{
    for (const RecoveryFile::LeftBehind &found : RecoveryFile::leftBehind()) {
        const QString name = found.documentPath.isEmpty() ? tr("NewFile") : found.documentPath;
        QString question = tr("Restore unsaved changes to %1?").arg(name);
        if (found.documentChangedSince())
            question += QLatin1Char('\n') + tr("The file has changed since these changes were made.");
        const QMessageBox::StandardButton answer = m_prompter->warning(
            m_window, tr("KaRiX"), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes && restore(found))
            return;
        if (answer != QMessageBox::Yes)
            QFile::remove(found.path);
    }
}

QString DocumentController::unrestorableReason(const QByteArray &document)
{
    DesignDocument scratch;
    const ReadResult result = DocumentReader(scratch.context()).read(document);
    if (result.ok)
        return QString();
    if (!result.parseError.isEmpty())
        return result.parseError;
    return tr("It holds no KaRiX design.");
}

bool DocumentController::restore(const RecoveryFile::LeftBehind &found)
{
    // Checked before anything changes: a damaged file must not replace the
    // open design with an empty one.
    const QString reason = unrestorableReason(found.document);
    if (!reason.isEmpty()) {
        const QString kept = RecoveryFile::setAside(found.path);
        m_prompter->warning(m_window, tr("KaRiX"),
                            tr("The unsaved changes cannot be restored:\n%1\nThey are kept in %2.")
                                .arg(reason, QDir::toNativeSeparators(kept)));
        return false;
    }
    // The document as last saved is the state that undo returns to; the
    // file itself is written only when the user saves.
    const bool documentExists = QFileInfo::exists(found.documentPath);
    // Opened from the command line already: its changes go on top of it.
    const bool open = documentExists
                      && found.documentPath == QFileInfo(m_fileName).absoluteFilePath();
    if (!open && !(documentExists ? openFile(found.documentPath) : startNew()))
        return true;
    if (!documentExists && !found.documentPath.isEmpty()) {
        setFileName(found.documentPath);
        setTitle(found.documentPath);
    }
    // From here on the changes live in this program's own recovery file.
    QFile::remove(found.path);
    rebuild(found.document);
    recordEditStep();
    return true;
}
