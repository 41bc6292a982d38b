// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/clicommand.h"

#include <memory>

class DesignDocument;

// Shared by the commands that read a design document given as an operand.
class DesignCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(DesignCommand)

protected:
    // Loads the document; on failure reports it and returns null with the
    // usage exit code in exitCode. Reader notes go to standard error.
    std::unique_ptr<DesignDocument> loadDesign(const QString &path, CliReporter &reporter,
                                               int &exitCode) const;
    // For commands whose one operand is the design: checks the operand
    // count, then loads it as loadDesign() does.
    std::unique_ptr<DesignDocument> loadOnlyOperand(const CliArguments &args,
                                                    CliReporter &reporter, int &exitCode) const;
};
