// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/text_file_filter.h"

#include <QFileInfo>

QString FullPathOf(const QString &typed)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? name : QFileInfo(name).absoluteFilePath();
}

QString WithDefaultExtension(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".txt");
}
