// SPDX-License-Identifier: GPL-3.0-or-later
// The printed Wordy page, through a canvas that records what is drawn where.
#include "boardgames/wordy/wordy_page.h"
#include "boardgames/wordy/wordy_painting.h"
#include "framework/page_canvas.h"

#include <gtest/gtest.h>
#include <QLocale>
#include <vector>

using namespace wordy_ui;

namespace {

struct Drawn {
    QString text; // the text, or the font, or "board"
    double x, y, width, height;
};

// Each text is 0.5 cm high and 0.2 cm per character wide.
class RecordingCanvas : public PageCanvas {
public:
    void SetFont(int, const QString &name, const QColor &c, double points, unsigned style) override
    {
        fonts.push_back(QStringLiteral("%1 %2 %3 %4").arg(name, c.name()).arg(points).arg(style));
    }
    void DrawText(int, const QString &text, double x, double y, double, TextAlign align, double *xEnd,
                  double *yBelow) override
    {
        drawn.push_back({text, x, y, double(align), 0});
        if (xEnd != nullptr)
            *xEnd = x + 0.2 * text.size();
        if (yBelow != nullptr)
            *yBelow = y + 0.5;
    }
    void DrawBitmap(int, const QImage &, double x, double y, double width, double height, int, int, double *,
                    double *) override
    {
        drawn.push_back({QStringLiteral("board"), x, y, width, height});
    }
    double TextHeightCm(int, const QString &) override { return 0.5; }

    QStringList fonts;
    std::vector<Drawn> drawn;
};

} // namespace

TEST(WordyPage, TitleBoardPlayersMovesInColumnsAndStamp)
{
    RecordingCanvas canvas;
    QStringList moves;
    for (int n = 1; n <= 30; ++n)
        moves << MoveLine(n, n % 2 ? QStringLiteral("Léa") : QStringLiteral("Ordinateur"), "H 5 MOT 9 pts.");
    const QDateTime now(QDate(2026, 3, 14), QTime(15, 9));
    PrintPage(1, canvas, BoardPicture(), "Wordy", {PlayerLine(1, "Léa", 31), PlayerLine(2, "Ordinateur", 0)},
              moves, now);
    EXPECT_EQ(canvas.fonts,
              QStringList({"Times New Roman #0000ff 36 1", "Arial #000000 12 1", "Arial #000000 10 1"}));
    const auto &d = canvas.drawn;
    ASSERT_EQ(d.size(), 35u); // title, board, 2 players, 30 moves, stamp
    EXPECT_EQ(d[0].text, "Wordy");
    EXPECT_EQ(std::tuple(d[0].x, d[0].y, d[0].width), std::tuple(10.5, 1.0, double(TextAlign::Center)));
    EXPECT_EQ(d[1].text, "board");
    EXPECT_EQ(std::tuple(d[1].x, d[1].y, d[1].width, d[1].height), std::tuple(3.0, 3.5, 8.0, 8.0));
    EXPECT_EQ(d[2].text, QStringLiteral("- 1 Léa : 31pts."));
    EXPECT_EQ(std::tuple(d[2].x, d[2].y, d[3].y), std::tuple(12.0, 3.5, 4.0));
    EXPECT_EQ(d[4].text, QStringLiteral("1 - Léa : H 5 MOT 9 pts."));

    // 26 lines of 0.5 fit from 12 down to 25; the 27th starts a new column
    // at 12, 1 right of the widest line.
    double widest = 0;
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(std::pair(d[4 + i].x, d[4 + i].y), std::pair(2.0, 12.0 + 0.5 * i)) << i;
        widest = std::max(widest, 2.0 + 0.2 * d[4 + i].text.size());
    }
    EXPECT_EQ(std::pair(d[30].x, d[30].y), std::pair(widest + 1, 12.0));
    EXPECT_EQ(d[34].text, QLocale::system().toString(now, QLocale::ShortFormat));
    EXPECT_EQ(std::tuple(d[34].x, d[34].y, d[34].width), std::tuple(21.0, 27.0, double(TextAlign::Right)));
}
