// SPDX-License-Identifier: GPL-3.0-or-later
#include "designloader.h"

#include "io/designdocument.h"
#include "io/documentfile.h"
#include "io/documentreader.h"

bool DesignLoader::load(const QString &path, DesignDocument &document, QString &errorText,
                        QStringList &warnings)
{
    if (path.isEmpty()) {
        errorText = tr("No design document given.");
        return false;
    }
    QByteArray bytes;
    if (!DocumentFile::read(path, bytes, errorText))
        return false;

    document.reset();
    const ReadResult result = DocumentReader(document.context()).read(bytes);
    if (!result.parseError.isEmpty()) {
        errorText = tr("%1: %2").arg(path, result.parseError);
        return false;
    }
    if (result.noRoot || !result.ok) {
        errorText = tr("File specified in %1 is not a valid XML file for KaRiX.").arg(path);
        return false;
    }
    warnings = result.messages;
    document.setLoadRepairs(result.repairs);
    if (!result.settingsApplied)
        warnings << tr("The loaded file is not correct. Some setting is ignored.");
    return true;
}
