// SPDX-License-Identifier: GPL-3.0-or-later
// AvaleurGame: scoring a word and sending its letters off by the exit, the
// sprite table, new letters, ghosts and magic items, and the levels.
#include "framework/letter_tables.h"
#include "wordgames/avaleur/avaleur_game.h"

namespace avaleur {

int PointsOfWord(int length)
{
    static constexpr std::array<int, 11> kPoints = {0, 0, 0, 1, 1, 2, 3, 5, 10, 15, 20};
    if (length < 0)
        return 0;
    return length <= 10 ? kPoints[std::size_t(length)] : 3 * length;
}

int LevelOfScore(int score)
{
    static constexpr std::array<int, 6> kThresholds = {10, 20, 40, 70, 110, 160};
    int level = 0;
    while (level < 6 && score >= kThresholds[std::size_t(level)])
        ++level;
    return level;
}

TSprite *AvaleurGame::Insere(std::unique_ptr<TSprite> sprite)
{
    for (int place = 2; place <= kPlaces; ++place)
        if (!Sprites[std::size_t(place)]) {
            sprite->Rang = place;
            Sprites[std::size_t(place)] = std::move(sprite);
            return Sprites[std::size_t(place)].get();
        }
    return nullptr;
}

std::unique_ptr<TSprite> AvaleurGame::Retire(int place)
{
    if (place < 2 || place > kPlaces)
        return nullptr;
    return std::move(Sprites[std::size_t(place)]);
}

int AvaleurGame::Count(SpriteKind kind, const TPlateau *board) const
{
    int n = 0;
    for (int place = 2; place <= kPlaces; ++place)
        if (const TSprite *s = Sprite(place); s && s->Kind() == kind && s->Plateau == board)
            ++n;
    return n;
}

void AvaleurGame::RetireFinis()
{
    for (int place = 2; place <= kPlaces; ++place) {
        TSprite *s = Sprite(place);
        if (!s || s->Retrecit != 0 || s->Plateau != &Courant())
            continue;
        const bool magic = s->Kind() == SpriteKind::Magic;
        Sprites[std::size_t(place)].reset();
        if (magic)
            AjouteMagie(1);
    }
}

void AvaleurGame::MotTrouve(const std::string &word)
{
    const int length = int(word.size());
    const int points = PointsOfWord(length);
    ScoreJeu += points;
    const QString line = QString::fromLatin1(word.c_str()) + QStringLiteral(" (%1).").arg(points);
    if (length >= 2) {
        LB_mots << line;
        if (hooks.historyChanged)
            hooks.historyChanged();
    }
    TPacman &eater = Mangeur();
    TPlateau &board = Courant();
    const CellXY exit = eater.CaseY > 5 ? board.SortieProche(1, 1) : board.SortieProche(1, 12);
    std::vector<std::unique_ptr<TLettre>> letters = eater.TakeTrain();
    const int trainLetters = int(letters.size());
    // A "word" of one letter is no word: all its letters vanish.
    const int kept = length < 2 ? 0 : length;
    CellXY firstStart;
    CellPath firstPath;
    for (int i = 0; i < trainLetters; ++i) {
        auto *letter = static_cast<TLettre *>(Insere(std::move(letters[std::size_t(i)])));
        if (!letter)
            continue; // the table is full: the letter is freed
        // Every letter leaves from the current board, as spent, so that
        // nobody eats it again on its way out.
        letter->Attache = 2;
        letter->ChemLettre.clear();
        if (letter->Plateau != &board) {
            letter->Plateau = &board;
            letter->PlaceSur(eater.CaseX, eater.CaseY);
        } else {
            letter->PlaceSur(letter->CaseDe());
        }
        if (i >= kept) {
            letter->Disparait();
            continue;
        }
        letter->Vitesse = 8;
        letter->Attente = 0;
        const CellXY start{letter->CaseX, letter->CaseY};
        if (!firstStart.Valid()) {
            firstStart = start;
            board.Chemin(start, exit, firstPath);
            letter->PrendChemin(firstPath);
        } else {
            CellPath path = firstPath;
            CellPath toFirst;
            board.Chemin(start, firstStart, toFirst);
            path.append(toFirst);
            letter->PrendChemin(path);
        }
    }
    AjouteLettres(std::max(trainLetters, length) + Random(5));
    UpdateLevel();
    Status(line + QStringLiteral(". Score : %1.").arg(ScoreJeu));
    RepaintAll();
}

std::unique_ptr<TLettre> AvaleurGame::NewLetter(TPlateau &board)
{
    static const std::string distribution = LetterTables::Build().LetterDistribution;
    auto letter = std::make_unique<TLettre>(*this, &board);
    const CellXY cell = board.PlaceEloignee(*letter);
    letter->PlaceSur(cell.Valid() ? cell : CellXY{1, 1});
    letter->Image = Random(20);
    letter->Vitesse = 3 + Random(3);
    letter->Lettre = distribution[std::size_t(Random(int(distribution.size())))];
    letter->Tour = Random(3);
    letter->Attente = 10 + Random(100);
    letter->SortDesMurs();
    return letter;
}

std::unique_ptr<TPhantom> AvaleurGame::NewGhost(TPlateau &board)
{
    auto ghost = std::make_unique<TPhantom>(*this, &board);
    ghost->Modele = Random(8);
    const CellXY cell = board.CaseLibreProche(7 + Random(5), 5 + Random(3));
    ghost->PlaceSur(cell.Valid() ? cell : CellXY{9, 6});
    ghost->Vitesse = 2;
    ghost->Image = Random(20);
    ghost->SortDesMurs();
    return ghost;
}

std::unique_ptr<TMagic> AvaleurGame::NewMagic(TPlateau &board)
{
    auto magic = std::make_unique<TMagic>(*this, &board);
    const CellXY cell = board.PlaceEloignee(*magic);
    magic->PlaceSur(cell.Valid() ? cell : CellXY{1, 1});
    magic->SortDesMurs();
    return magic;
}

TPlateau *AvaleurGame::FewestOf(SpriteKind kind, bool avoidEaterBoard) const
{
    const TPlateau *eaterBoard = Sprites[1] ? Mangeur().Plateau : nullptr;
    TPlateau *best = nullptr;
    int fewest = 1 << 30;
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y) {
            TPlateau *board = Plateau(x, y);
            if (!board || (avoidEaterBoard && board == eaterBoard))
                continue;
            const int n = Count(kind, board);
            if (n < fewest) {
                fewest = n;
                best = board;
            }
        }
    return best;
}

void AvaleurGame::Add(SpriteKind kind, int n, TPlateau *board, bool avoidEaterBoard)
{
    for (int i = 0; i < n; ++i) {
        TPlateau *target = board ? board : FewestOf(kind, avoidEaterBoard);
        if (!target)
            return;
        std::unique_ptr<TSprite> sprite;
        switch (kind) {
        case SpriteKind::Letter:
            sprite = NewLetter(*target);
            break;
        case SpriteKind::Ghost:
            sprite = NewGhost(*target);
            break;
        default:
            sprite = NewMagic(*target);
        }
        if (!Insere(std::move(sprite)))
            return; // the table is full
        target->PlaceSprites();
    }
}

void AvaleurGame::AjouteLettres(int n, TPlateau *board)
{
    Add(SpriteKind::Letter, n, board, false);
}

void AvaleurGame::AjouteFantomes(int n, TPlateau *board)
{
    Add(SpriteKind::Ghost, n, board, true);
}

void AvaleurGame::AjouteMagie(int n)
{
    Add(SpriteKind::Magic, n, nullptr, true);
}

void AvaleurGame::UpdateLevel()
{
    const int level = LevelOfScore(ScoreJeu);
    if (level != Niveau) {
        Niveau = level;
        LevelChanged(level);
    }
}

void AvaleurGame::LevelChanged(int level)
{
    if (hooks.caption)
        hooks.caption(QStringLiteral("Niveau :%1").arg(level));
    const auto faster = [this] {
        Periode = std::max(5, Periode - 10);
        if (hooks.timerPeriod)
            hooks.timerPeriod(Periode);
    };
    switch (level) {
    case 1:
        AjouteMagie(1);
        break;
    case 2:
        AjouteMagie(2);
        break;
    case 3:
        AjouteFantomes(2);
        break;
    case 4:
        AjouteFantomes(2);
        faster();
        AjouteMagie(1);
        break;
    case 5:
        AjouteFantomes(1);
        faster();
        AjouteMagie(1);
        break;
    case 6:
        AjouteFantomes(1);
        faster();
        break;
    default:
        break;
    }
    Modified = true;
    RepaintAll();
}

} // namespace avaleur
