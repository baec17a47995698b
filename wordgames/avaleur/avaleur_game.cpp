// SPDX-License-Identifier: GPL-3.0-or-later
// AvaleurGame: building the world, a new game, the tick with the death
// countdown, showing and changing boards, death and magic.
#include "wordgames/avaleur/avaleur_game.h"

#include <chrono>
#include <cmath>

#include "framework/resourcelib/picture_registry.h"
#include "wordgames/avaleur/avaleur_pictures.h"

namespace avaleur {

namespace {
double CellDistance(const TSprite &a, const TSprite &b)
{
    return std::hypot(double(a.CaseX - b.CaseX), double(a.CaseY - b.CaseY));
}
} // namespace

AvaleurGame::AvaleurGame(TDictionnaire &dictionary, std::uint32_t seed, AvaleurHooks h)
    : hooks(std::move(h)), dictionary_(dictionary), rng_(seed)
{
    RegisterAvaleurPictures();
    Sheets = {GetBitmap(QStringLiteral("ALPHABET")), GetBitmap(QStringLiteral("GHOST")),
              GetBitmap(QStringLiteral("MAGIC")), GetBitmap(QStringLiteral("PACMAN"))};
    TickCreation = Now();
    // Board (3, 3) first, with no neighbour yet; then every other board fits
    // the openings of those already built.
    CourantX = CourantY = 3;
    MontrePlateau();
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y)
            if (!Plateaux[std::size_t(x)][std::size_t(y)]) {
                Plateaux[std::size_t(x)][std::size_t(y)] = std::make_unique<TPlateau>(x, *this, y);
                Plateaux[std::size_t(x)][std::size_t(y)]->PlaceSprites();
            }
    auto eater = std::make_unique<TPacman>(*this, &Courant());
    eater->Demander('P');
    eater->PlaceSur(Courant().CaseLibreProche(1, 1));
    eater->ResetTrail();
    Sprites[1] = std::move(eater);
    Courant().PlaceSprites();
    Vies = 5;
    CompteMort = -1;
    AConfigurer = true;
    SetSpeed(Vitesse);
}

AvaleurGame::~AvaleurGame()
{
    // Sprites refer to boards: they go first.
    for (auto &sprite : Sprites)
        sprite.reset();
}

TPlateau *AvaleurGame::Plateau(int x, int y) const
{
    if (x < 1 || x > kWorldSide || y < 1 || y > kWorldSide)
        return nullptr;
    return Plateaux[std::size_t(x)][std::size_t(y)].get();
}

TPlateau *AvaleurGame::PlateauNumero(int numero) const
{
    if (numero < 1 || numero > kWorldSide * kWorldSide)
        return nullptr;
    return Plateau((numero - 1) / kWorldSide + 1, (numero - 1) % kWorldSide + 1);
}

int AvaleurGame::Random(int n)
{
    if (n <= 1)
        return 0;
    return int(std::uniform_int_distribution<int>(0, n - 1)(rng_));
}

std::int64_t AvaleurGame::Now() const
{
    if (hooks.now)
        return hooks.now();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() + 1;
}

void AvaleurGame::Status(const QString &text)
{
    if (hooks.status)
        hooks.status(text);
}

int PeriodOfSpeed(int speed)
{
    return int(std::lround(105.0 - 0.7 * double(std::clamp(speed, 1, 100))));
}

void AvaleurGame::SetSpeed(int speed)
{
    Vitesse = std::clamp(speed, 1, 100);
    Periode = PeriodOfSpeed(Vitesse);
    if (hooks.timerPeriod)
        hooks.timerPeriod(Periode);
}

void AvaleurGame::Demande(char direction)
{
    if (Sprites[1])
        Mangeur().Demander(direction);
}

void AvaleurGame::NewGame()
{
    AConfigurer = false;
    Status(QStringLiteral("Configuration"));
    if (hooks.runConfiguration && !hooks.runConfiguration()) {
        if (hooks.closeWindow)
            hooks.closeWindow();
        return;
    }
    Status(QString());
    Niveau = 0;
    ScoreJeu = 0;
    Vies = 5;
    CompteMort = -1;
    CourantX = CourantY = 3;
    DebutMagie = 0;
    for (int place = 2; place <= kPlaces; ++place)
        Sprites[std::size_t(place)].reset();
    TPacman &eater = Mangeur();
    eater.TakeTrain();
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y) {
            TPlateau &board = *Plateau(x, y);
            AjouteLettres(1 + Random(7), &board);
            board.PlaceSprites();
        }
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y)
            if (x != 3 || y != 3)
                AjouteFantomes(1, Plateau(x, y));
    eater.Plateau = &Courant();
    MontrePlateau();
    eater.PlaceSur(Courant().CaseLibreProche(1, 1));
    eater.Demander('P');
    eater.Direction = eater.DirPrec = 'P';
    eater.Visible = true;
    eater.Retrecit = -1;
    eater.ResetTrail();
    Courant().PlaceSprites();
    GameOver = false;
    Modified = false;
    Demarrage = 0;
    LB_mots.clear();
    if (hooks.historyChanged)
        hooks.historyChanged();
    if (hooks.caption)
        hooks.caption(QStringLiteral("Avaleur"));
    SetSpeed(hooks.settingsSpeed ? hooks.settingsSpeed() : Vitesse);
    RepaintAll();
}

void AvaleurGame::MontrePlateau()
{
    if (!Plateau(CourantX, CourantY)) {
        Plateaux[std::size_t(CourantX)][std::size_t(CourantY)] =
            std::make_unique<TPlateau>(CourantX, *this, CourantY);
        AjouteLettres(5, &Courant());
    }
    for (int place = 2; place <= kPlaces; ++place)
        if (TSprite *s = Sprite(place); s && s->Kind() == SpriteKind::Letter && s->Attache == 2)
            Sprites[std::size_t(place)].reset();
    Courant().PlaceSprites();
    Courant().Dessine(ImagePlateau);
}

void AvaleurGame::Tick(bool active)
{
    if (EnChargement)
        return;
    if (AConfigurer) {
        NewGame();
        return;
    }
    const auto halted = [this] { return hooks.halted && hooks.halted(); };
    if (!active || GameOver || halted())
        return;
    // 1. The death countdown: the bands close over the board, the eater
    // comes back at the start, the bands open again.
    if (CompteMort == 50) {
        Respawn();
        CompteMort = 49;
    } else if (CompteMort > 0) {
        --CompteMort;
        DebutMagie = 0;
        RepaintAll();
        return;
    } else if (CompteMort == 0) {
        CompteMort = -1;
        RepaintAll();
        if (Vies < 0) {
            GameOver = true;
            Mangeur().Visible = false;
            Status(QStringLiteral("Partie terminée. Score : %1.").arg(ScoreJeu));
            return;
        }
        Mangeur().Visible = true;
    }
    // 2. The magic lasts 30 seconds.
    if (DebutMagie != 0 && Now() - DebutMagie > 30000)
        DebutMagie = 0;
    // 3. The first two ticks note where the eater starts.
    if (Demarrage < 2) {
        ++Demarrage;
        DebutX = Mangeur().X;
        DebutY = Mangeur().Y;
    }
    // 4. The sprites of the current board, in table order.
    for (int place = 1; place <= kPlaces; ++place) {
        TSprite *s = Sprite(place);
        if (!s || s->Plateau != &Courant())
            continue;
        s->Zone(UpdateRegion);
        s->Avance();
        if ((s = Sprite(place)) != nullptr && s->Plateau == &Courant())
            s->Zone(UpdateRegion);
        if (halted())
            break;
    }
    UpdateRegion += Mangeur().ZoneLettre;
    Mangeur().ZoneLettre = QRegion();
}

void AvaleurGame::Respawn()
{
    CourantX = CourantY = 3;
    TPacman &eater = Mangeur();
    eater.Plateau = &Courant();
    MontrePlateau();
    eater.PlaceSur(Courant().CaseLibreProche(1, 1));
    eater.Demander('P');
    eater.Visible = false; // until the bands have opened
    eater.ResetTrail();
    DebutMagie = 0;
    for (int place = 2; place <= kPlaces; ++place)
        if (TSprite *s = Sprite(place);
            s && s->Kind() == SpriteKind::Ghost && s->Plateau == &Courant() && CellDistance(*s, eater) < 8) {
            const CellXY cell = Courant().CaseLibreProche(9, 6);
            if (cell.Valid())
                s->PlaceSur(cell);
        }
    Courant().PlaceSprites();
    RepaintAll();
}

void AvaleurGame::ChangePlateau(int dx, int dy)
{
    TPacman &eater = Mangeur();
    const int nx = CourantX + dx, ny = CourantY + dy;
    if (!Plateau(nx, ny) && (nx < 1 || nx > kWorldSide || ny < 1 || ny > kWorldSide)) {
        // The world's edge is walled; should the eater get there anyway it
        // stays where it stood.
        eater.X = eater.PrecX;
        eater.Y = eater.PrecY;
        return;
    }
    const int oldX = CourantX, oldY = CourantY;
    const CellXY from = eater.CaseDe();
    CourantX = nx;
    CourantY = ny;
    CellXY entry = from;
    if (dx < 0)
        entry.x = kColumns;
    else if (dx > 0)
        entry.x = 1;
    else if (dy < 0)
        entry.y = kRows;
    else
        entry.y = 1;
    MontrePlateau();
    if (Random(2121) % 3 == 0) {
        TPlateau *other = Plateau(1 + Random(kWorldSide), 1 + Random(kWorldSide));
        if (other && other != &Courant() && other != Plateau(oldX, oldY))
            other->Prepare(Random(5), true);
    }
    eater.Plateau = &Courant();
    eater.Demande = ' ';
    if (eater.PlaceEntree(entry.x, entry.y)) {
        for (int place = 2; place <= kPlaces; ++place)
            if (TSprite *s = Sprite(place); s && s->Kind() == SpriteKind::Ghost && s->Plateau == &Courant() &&
                                            CellDistance(*s, eater) < 3) {
                const CellXY cell = Courant().CaseLibreProche(7 + Random(5), 5 + Random(3));
                if (cell.Valid())
                    s->PlaceSur(cell);
            }
    } else {
        CourantX = oldX;
        CourantY = oldY;
        eater.Plateau = &Courant();
        eater.X = eater.PrecX;
        eater.Y = eater.PrecY;
        MontrePlateau();
    }
    Courant().PlaceSprites();
    RepaintAll();
}

void AvaleurGame::Meurt()
{
    if (CompteMort >= 0)
        return;
    Modified = true;
    --Vies;
    TPacman &eater = Mangeur();
    eater.TakeTrain(); // the letters of the word are lost
    eater.Direction = 'M';
    eater.Demande = 'M';
    CompteMort = 100;
    RepaintAll();
}

void AvaleurGame::Magie()
{
    ScoreJeu += 2;
    Modified = true;
    DebutMagie = Now();
    UpdateLevel();
}

} // namespace avaleur
