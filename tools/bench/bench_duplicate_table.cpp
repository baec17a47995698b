// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate player table with 40 players and 20 past draws each (840
// rows): a full repaint of the table into an image (headers, visible rows,
// scroll bar) at the top and in the middle of the list, a repaint after one
// current row changed (what every keystroke of a proposal causes), and the
// whole table handed in again then repainted (what the end of a turn
// causes). The frame budget is 16 ms.
//
// Usage: bench_duplicate_table [benchmark options]. Runs on the offscreen
// platform.
#include <benchmark/benchmark.h>

#include "bench_qt_support.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <vector>

#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_texts.h"

namespace {

using scrabble_ui::DuplicatePlayerRows;
using scrabble_ui::DuplicatePlayerTable;
using scrabble_ui::DuplicateTableRow;
using Colour = DuplicateTableRow::Colour;

constexpr int kPlayers = 40;
constexpr int kDraws = 20;

std::vector<DuplicatePlayerRows> Players(int generation = 0)
{
    std::vector<DuplicatePlayerRows> players;
    for (int p = 1; p <= kPlayers; ++p) {
        DuplicatePlayerRows rows;
        const int score = 10 + (p * 7 + generation) % 60;
        rows.current = {QStringLiteral("Ordinateur %1").arg(p),
                        QStringLiteral("H %1 WAGONS (%2)").arg(p % 15 + 1).arg(score),
                        QStringLiteral("%1 pts. (%2  %)").arg(30 * p + generation).arg(1.5, 0, 'f', 2),
                        p % 6 == 0 ? Colour::Error : Colour::Valid, p == 17};
        for (int d = kDraws; d >= 1; --d)
            rows.past.push_back({QString::number(d), QStringLiteral("%1 C ZEBRURES").arg(d % 15 + 1),
                                 QString::number((d * p) % 90), Colour::Valid, (d + p) % 9 == 0});
        players.push_back(std::move(rows));
    }
    return players;
}

struct Table {
    DuplicatePlayerTable table;
    QImage image;

    explicit Table(QSize size) : image(size, QImage::Format_ARGB32_Premultiplied)
    {
        table.resize(size);
        table.SetPlayers(Players());
        table.show();
        QApplication::processEvents();
    }
    void Repaint()
    {
        QPainter painter(&image);
        table.render(&painter);
    }
};

void Report(benchmark::State &state, const Table &t)
{
    state.counters["rows"] = double(t.table.Model().rowCount());
    state.counters["width"] = t.image.width();
    state.counters["height"] = t.image.height();
}

void BM_RepaintTop(benchmark::State &state)
{
    Table t(QSize(int(state.range(0)), int(state.range(1))));
    for (auto _ : state)
        t.Repaint();
    Report(state, t);
}
BENCHMARK(BM_RepaintTop)->Args({560, 520})->Args({900, 1100})->Unit(benchmark::kMillisecond);

void BM_RepaintMiddle(benchmark::State &state)
{
    Table t(QSize(560, 520));
    t.table.SetActivePlayer(kPlayers / 2);
    for (auto _ : state)
        t.Repaint();
    Report(state, t);
    state.counters["scroll"] = t.table.verticalScrollBar()->value();
}
BENCHMARK(BM_RepaintMiddle)->Unit(benchmark::kMillisecond);

void BM_RowChangedThenRepaint(benchmark::State &state)
{
    Table t(QSize(560, 520));
    int n = 0;
    for (auto _ : state) {
        DuplicateTableRow row = *t.table.Model().RowAt(0);
        row.move = QStringLiteral("H 8 %1 (%2)").arg(QStringLiteral("WAGON").left(1 + n % 5)).arg(n % 40);
        row.colour = n % 2 ? Colour::Valid : Colour::Error;
        t.table.SetCurrentRow(1, row);
        t.Repaint();
        ++n;
    }
    Report(state, t);
}
BENCHMARK(BM_RowChangedThenRepaint)->Unit(benchmark::kMillisecond);

void BM_AllRowsAgainThenRepaint(benchmark::State &state)
{
    Table t(QSize(560, 520));
    int generation = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<DuplicatePlayerRows> players = Players(++generation);
        state.ResumeTiming();
        t.table.SetPlayers(std::move(players));
        t.Repaint();
    }
    Report(state, t);
}
BENCHMARK(BM_AllRowsAgainThenRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    bench::OffscreenApplication app(argv);
    return bench::RunBenchmarks(argc, argv);
}
