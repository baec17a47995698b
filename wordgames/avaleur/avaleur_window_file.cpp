// SPDX-License-Identifier: GPL-3.0-or-later
// TFAvaleur: the saved game, the text and picture exports, the printed page
// and the help topic.
#include <QListWidget>
#include <QScopeGuard>
#include <QSlider>
#include <QTextStream>

#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/picture_export.h"
#include "framework/printed_game_page.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_window.h"

void TFAvaleur::SaveGame(savefile::TypedWriter &writer)
{
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    game_->Write(writer);
}

bool TFAvaleur::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    const bool wasPaused = Paused;
    Paused = true;
    auto restore = qScopeGuard([this, wasPaused] { Paused = wasPaused; });
    if (!TFLudorine::LoadGame(reader, fileName) || !config_->LoadSettings(reader))
        return false;
    if (!game_->Read(reader))
        return false;
    game_->GameOver = GameOver;
    {
        const QSignalBlocker quiet(Vitesse_bar);
        Vitesse_bar->setValue(game_->Vitesse);
    }
    RefillHistory();
    Modified = false;
    game_->Modified = false;
    PaintNow();
    StartTicks(game_->Periode);
    return true;
}

void TFAvaleur::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    config_->ExportSettingsText(out);
    const QString endOfLine = QStringLiteral("\r\n");
    out << endOfLine;
    for (const QString &line : game_->LB_mots)
        out << line << endOfLine;
    out << endOfLine;
}

void TFAvaleur::ExportPicture(QIODevice &out, int kind)
{
    WritePicture(WindowPicture(), out, kind == 1 ? 1 : 2);
}

void TFAvaleur::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Avaleur.htm"));
}

void TFAvaleur::PrintPage(int target, PageCanvas &canvas)
{
    const bool wasPaused = Paused;
    Paused = true;
    TFLudorine::PrintPage(target, canvas);
    const QString player =
        QStringLiteral("- 1 %1 : %2pts.").arg(config_->Players[1].Name).arg(game_->ScoreJeu);
    PrintPicturePlayersAndLines(target, canvas, WindowPicture(), {player}, {},
                                {QStringLiteral("Arial"), 10, FontBold});
    Paused = wasPaused;
}
