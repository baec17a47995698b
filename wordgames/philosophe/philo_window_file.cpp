// SPDX-License-Identifier: GPL-3.0-or-later
// TFPhilo: the saved game, the text and picture exports, the printed page
// and the help topic.
#include <QScopeGuard>
#include <QTextStream>

#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/philosophe/philo_panels.h"
#include "wordgames/philosophe/philo_texts.h"
#include "wordgames/philosophe/philo_window.h"

void TFPhilo::SaveGame(savefile::TypedWriter &writer)
{
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    game_->Write(writer);
}

bool TFPhilo::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    const bool wasPaused = Paused;
    Paused = true;
    auto restore = qScopeGuard([this, wasPaused] { Paused = wasPaused; });
    if (!TFLudorine::LoadGame(reader, fileName) || !config_->LoadSettings(reader))
        return false;
    OpenHiddenWords();
    if (!game_->Read(reader))
        return false;
    game_->GameOver = GameOver;
    RefillHistory();
    Redraw();
    ShowPanelsOfState();
    EnableProposals();
    if (GameOver)
        mprop->setEnabled(false);
    Modified = false;
    if (View)
        StartTicks(TickPeriod());
    return true;
}

void TFPhilo::ExportText(QTextStream &out)
{
    ExportGameLines(out, philo::ExportLines(*game_, *config_));
}

void TFPhilo::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Philosophe.htm"));
}

void TFPhilo::PrintPage(int target, PageCanvas &canvas)
{
    const bool wasPaused = Paused;
    Paused = true;
    PrintScenePage(target, canvas, philo::PrintedRoundLines(*game_, *config_));
    Paused = wasPaused;
}
