// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/dialog_service.h"

#include "framework/qt_dialog_service.h"

#include <QStringList>

namespace {
std::unique_ptr<DialogService> &CurrentService()
{
    static std::unique_ptr<DialogService> service = std::make_unique<QtDialogService>();
    return service;
}
} // namespace

DialogService &Dialogs()
{
    return *CurrentService();
}

std::unique_ptr<DialogService> SetDialogs(std::unique_ptr<DialogService> service)
{
    if (!service)
        service = std::make_unique<QtDialogService>();
    std::swap(service, CurrentService());
    return service;
}

QString ProgramTitle()
{
    return QStringLiteral("Ludorine");
}

QString QtFilterFromPipes(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!description.contains(QLatin1Char('(')))
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        out << description;
    }
    if (out.isEmpty() && !filter.isEmpty())
        out << filter;
    return out.join(QStringLiteral(";;"));
}
