// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/namemessages.h"

QString NameMessages::text(BlockNaming::Verdict verdict, const QString &name)
{
    switch (verdict) {
    case BlockNaming::Verdict::BadCharacters:
        return tr("A name can consist only of the following characters:\n")
               + tr("alphanumeric(A-Z,a-z,0-9), underscore(_), hyphen(-)");
    case BlockNaming::Verdict::InUse:
        return tr("\"%1\" cannot be used or it is already in use.").arg(name.trimmed());
    case BlockNaming::Verdict::Accepted:
        break;
    }
    return QString();
}

QString NameMessages::title(const QString &displayName)
{
    return QStringLiteral("%1").arg(displayName);
}
