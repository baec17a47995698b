// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/qt_dialog_service.h"

#include "framework/tick_driver.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
QWidget *DialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString TitleOr(const QString &title)
{
    return title.isEmpty() ? ProgramTitle() : title;
}
} // namespace

void QtDialogService::message(const QString &text, const QString &title, MessageIcon icon)
{
    ModalScope modal;
    switch (icon) {
    case MessageIcon::Information:
        QMessageBox::information(DialogParent(), TitleOr(title), text);
        break;
    case MessageIcon::Warning:
        QMessageBox::warning(DialogParent(), TitleOr(title), text);
        break;
    case MessageIcon::Error:
        QMessageBox::critical(DialogParent(), TitleOr(title), text);
        break;
    }
}

Answer QtDialogService::question(const QString &text, const QString &title, QuestionButtons buttons)
{
    ModalScope modal;
    QMessageBox::StandardButtons choice = QMessageBox::Yes | QMessageBox::No;
    if (buttons == QuestionButtons::YesNoCancel)
        choice |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, TitleOr(title), text, choice, DialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    if (buttons == QuestionButtons::YesNoCancel)
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Escape or the close button: Cancel when offered, otherwise No.
        return buttons == QuestionButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<QString> QtDialogService::prompt(const QString &title, const QString &label,
                                               const QString &initial)
{
    ModalScope modal;
    bool ok = false;
    const QString text =
        QInputDialog::getText(DialogParent(), TitleOr(title), label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogService::openFileName(const QString &title, const QString &filter, const QString &directory)
{
    ModalScope modal;
    return QFileDialog::getOpenFileName(DialogParent(), TitleOr(title), directory, QtFilterFromPipes(filter));
}

QString QtDialogService::saveFileName(const QString &title, const QString &filter, const QString &directory,
                                      int *selectedFilter)
{
    ModalScope modal;
    const QString qtFilter = QtFilterFromPipes(filter);
    QString chosenFilter;
    // The program asks its own overwrite question, through this interface.
    const QString name = QFileDialog::getSaveFileName(DialogParent(), TitleOr(title), directory, qtFilter,
                                                      &chosenFilter, QFileDialog::DontConfirmOverwrite);
    if (selectedFilter) {
        const QStringList filters = qtFilter.split(QStringLiteral(";;"));
        *selectedFilter = std::max<int>(1, int(filters.indexOf(chosenFilter)) + 1);
    }
    return name;
}
