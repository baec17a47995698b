// SPDX-License-Identifier: GPL-3.0-or-later
// TFPendu: the saved game, the text and picture exports, the printed page
// and the help topic.
#include <QDateTime>
#include <QLocale>
#include <QScopeGuard>
#include <QTextStream>

#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"
#include "wordgames/hangman/pendu_panels.h"
#include "wordgames/hangman/pendu_scene.h"
#include "wordgames/hangman/pendu_texts.h"
#include "wordgames/hangman/pendu_window.h"

void TFPendu::SaveGame(savefile::TypedWriter &writer)
{
    SetBusy(1);
    game_->FinishTop();
    game_->WindowLeft = x();
    game_->WindowTop = y();
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    game_->Write(writer);
    SetBusy(0);
}

bool TFPendu::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    StopTicks();
    MHisto->setChecked(false);
    game_->FinishTop();
    if (!TFLudorine::LoadGame(reader, fileName) || !config_->LoadSettings(reader))
        return false;
    OpenHiddenWords();
    if (!game_->Read(reader))
        return false;
    game_->GameOver = GameOver;
    game_->Paused = Paused;
    RefillHistory();
    ShowScores(game_->Phase.state != -2);
    ShowPanelsOfActions();
    EnableProposals();
    Redraw();
    Modified = false;
    if (View)
        StartTicks(kTickMs);
    return true;
}

void TFPendu::ShowPanelsOfActions()
{
    P_masque->hide();
    P_rep->hide();
    const pendu::Taction *top = game_->Top();
    if (!top || top->state != 1)
        return;
    if (top->kind == 'P')
        game_->hooks.showWordPanel(game_->Masque, game_->MotATrouver);
    else if (top->kind == 'R')
        game_->hooks.showMarkPanel();
    else if (top->kind == 'W')
        game_->hooks.showMissingPanel();
}

void TFPendu::ExportText(QTextStream &out)
{
    ExportGameLines(out, pendu::ExportLines(*game_, *config_));
}

void TFPendu::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Pendu.htm"));
}

void TFPendu::PrintPage(int target, PageCanvas &canvas)
{
    const bool ticking = Ticks() && Ticks()->isActive();
    StopTicks();
    auto restart = qScopeGuard([this, ticking] {
        if (ticking)
            StartTicks(kTickMs);
    });
    PrintScenePage(target, canvas, pendu::RoundLines(*game_, *config_));
    canvas.SetFont(target, QStringLiteral("Arial"), Qt::black, 10, FontRegular);
    canvas.DrawText(target, QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat), 21, 27,
                    21, TextAlign::Right);
}
