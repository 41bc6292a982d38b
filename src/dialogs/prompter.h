// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Every modal question and warning of the main window goes through this
// interface so that tests can answer without clicking boxes.
class Prompter
{
    Q_DECLARE_TR_FUNCTIONS(Prompter)

public:
    virtual ~Prompter() = default;

    // at: global position of the box's top-left corner; none = centred.
    virtual QMessageBox::StandardButton warning(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                                std::optional<QPoint> at = std::nullopt) = 0;

    // A warning-icon question with an informative line under its text.
    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                 const QString &text, const QString &informative,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
    {
        return warning(parent, title, text + QLatin1Char('\n') + informative, buttons,
                       defaultButton);
    }

    // The messages of one operation in one box: a single message as it is,
    // more as summaryOf() says, every message in the box's expandable
    // details. By default one warning() with the summary.
    virtual void warnings(QWidget *parent, const QString &title, const QStringList &messages);
    // The count and the first distinct messages, each with how often it came.
    static QString summaryOf(const QStringList &messages);

    // An information-icon message.
    virtual void information(QWidget *parent, const QString &title, const QString &text)
    {
        warning(parent, title, text);
    }

    // A short message that needs no answer and does not block: by default
    // an information box that closes itself after a few seconds.
    virtual void notice(QWidget *parent, const QString &text);

    // Runs a modal dialog to its end and returns its result code.
    virtual int runDialog(QDialog &dialog) { return dialog.exec(); }

    // One entry of a fixed list, or nothing when the user cancelled; the
    // first entry is offered. at: as for warning(). By default a list box
    // run through runDialog().
    virtual std::optional<QString> chooseItem(QWidget *parent, const QString &title,
                                              const QString &label, const QStringList &items,
                                              std::optional<QPoint> at = std::nullopt);

    // Returns the entered text, or nothing when the user cancelled.
    virtual std::optional<QString> askText(QWidget *parent, const QString &title,
                                           const QString &label, const QString &text) = 0;

    // An existing file chosen by the user, or an empty text.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    // A file name to save under, or an empty text.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter) = 0;
    // An existing directory chosen by the user, or an empty text; none by
    // default.
    virtual QString existingDirectory(QWidget *parent, const QString &title,
                                      const QString &directory);
};
