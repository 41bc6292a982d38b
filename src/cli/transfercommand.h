// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/modulecommand.h"

class DesignDocument;
class ModuleSession;

// download DESIGN and verify DESIGN, in the GUI's stages: version and
// protection read, the write-protect gate, then the transfer. A download is
// gated by the design rule check as well.
class TransferCommand : public ModuleCommand
{
    Q_DECLARE_TR_FUNCTIONS(TransferCommand)

public:
    enum class Direction { Download, Verify };

    TransferCommand(Direction direction, InterruptWatcher &interrupt);

    QString name() const override;
    QString summary() const override;
    QString synopsis() const override;
    QString details() const override;
    int run(const CliArguments &args, CliReporter &reporter) override;

protected:
    QList<CliOption> commandOptions() const override;

private:
    int checkDesign(DesignDocument &document, bool force, CliReporter &reporter) const;
    int download(ModuleSession &session, const QByteArray &image, CliReporter &reporter) const;
    int verify(ModuleSession &session, const QByteArray &image, CliReporter &reporter) const;

    Direction m_direction;
};
