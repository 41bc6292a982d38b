// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class BlockItem;
class DesignModel;

// Pre-download check of a design: unconnected or unused ports, logic blocks
// without an expression, measure-counter ports that do not match the mode,
// missing log directories and names given to more than one block. Errors are
// listed before warnings.
class DesignRuleCheck
{
    Q_DECLARE_TR_FUNCTIONS(DesignRuleCheck)

public:
    // One line of the report and the block it is about (a block of the
    // checked model, not owned).
    struct Finding
    {
        bool error;
        QString line;  // with its "error: " or "warning: " prefix, no line feed
        const BlockItem *block;
    };

    // Replaces report with the plain-text report. Returns the number of
    // errors, -1 when there are only warnings, 0 when nothing was found
    // (the report then reads "No error detected.").
    static int checkDesign(const DesignModel &model, QString &report);
    // The whole report of a design with no finding.
    static QString noErrorText();
    // The report's lines, errors first, each with its block.
    static QList<Finding> findings(const DesignModel &model);

private:
    DesignRuleCheck() = default;

    void checkModel(const DesignModel &model);

    void checkLogic(const BlockItem *block);
    void checkFunction(const BlockItem *block);
    void checkOutput(const BlockItem *block);
    void checkMeasureCounter(const BlockItem *block);
    void checkCounterInput(const BlockItem *block, const QString &name, int port, bool used,
                           const QString &input);
    void checkOutportUsed(const BlockItem *block);
    void checkNamesUnique(const DesignModel &model);
    void addError(const BlockItem *block, const QString &line);
    void addWarning(const BlockItem *block, const QString &line);

    QList<Finding> m_errors;
    QList<Finding> m_warnings;
};
