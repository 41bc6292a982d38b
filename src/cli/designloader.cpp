#include "designloader.h"

#include "io/designdocument.h"
#include "io/documentreader.h"

#include <QFile>
#include <QFileInfo>

bool DesignLoader::load(const QString &path, DesignDocument &document, QString &errorText,
                        QStringList &warnings)
{
    errorText = pathProblem(path);
    if (!errorText.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorText = tr("Cannot read %1: %2").arg(path, file.errorString());
        return false;
    }

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
    if (!result.settingsApplied)
        warnings << tr("The loaded file is not correct. Some setting is ignored.");
    return true;
}

QString DesignLoader::pathProblem(const QString &path)
{
    if (path.isEmpty())
        return tr("No design document given.");
    const QFileInfo info(path);
    if (!info.exists())
        return tr("No such file: %1").arg(path);
    if (info.isDir())
        return tr("%1 is a directory, not a design document.").arg(path);
    if (!info.isReadable())
        return tr("Cannot read %1: permission denied").arg(path);
    return QString();
}
