// SPDX-License-Identifier: GPL-3.0-or-later
// The per-game sections of the settings store: reading them when a game
// window is made and writing them when the Configuration dialog is closed
// with OK. Value names are Esperanto and compared without regard to case;
// every value is a string.
#include "framework/config.h"

#include <QRandomGenerator>
#include <QSettings>

namespace {
// A stored value that should be a number and is not: the reading stops.
struct NotANumber {};

int Number(const QString &text, int base = 10)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, base);
    if (!ok)
        throw NotANumber{};
    return value;
}

// The store's name for a value, whatever its case there.
QString KeyOf(const QSettings &store, const QString &name)
{
    for (const QString &key : store.childKeys())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    return name;
}

QString Read(const QSettings &store, const QString &name, const QString &fallback)
{
    const QString key = KeyOf(store, name);
    return store.contains(key) ? store.value(key).toString() : fallback;
}

void Write(QSettings &store, const QString &name, const QString &value)
{
    // A value written by hand in another case gives way to this one.
    const QString key = KeyOf(store, name);
    if (key != name)
        store.remove(key);
    store.setValue(name, value);
}

// An index read from the store; one beyond its list gives the list's default.
int Index(const QString &text, int items, int fallback)
{
    const int value = Number(text);
    return value >= 0 && value < items ? value : fallback;
}

// The end-of-game choice of Pendu and Philosophe: after a number of turns
// (the first button) or at a score.
struct EndOfGame {
    bool &afterTurns;
    QString &turns;
    QString &points;
};

void ReadEndOfGame(const QSettings &store, const EndOfGame &end)
{
    end.afterTurns = Read(store, QStringLiteral("fino"), QStringLiteral("JN")).startsWith(QLatin1Char('J'));
    end.turns = PositiveIntegerOr10(Read(store, QStringLiteral("fino1"), QStringLiteral("10")));
    end.points = PositiveIntegerOr10(Read(store, QStringLiteral("fino2"), QStringLiteral("50")));
}

void WriteEndOfGame(QSettings &store, const EndOfGame &end)
{
    Write(store, QStringLiteral("fino"), end.afterTurns ? QStringLiteral("JN") : QStringLiteral("NJ"));
    Write(store, QStringLiteral("fino1"), end.turns);
    Write(store, QStringLiteral("fino2"), end.points);
}

int ReadDrawMode(const QSettings &store)
{
    return Index(Read(store, QStringLiteral("loti"), QStringLiteral("0")), 2, 0);
}

void WriteDrawMode(QSettings &store, int mode)
{
    Write(store, QStringLiteral("loti"), QString::number(mode));
}
} // namespace

std::unique_ptr<QSettings> GameSettings::OpenStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OXA"),
                                       QStringLiteral("Ludorine"));
}

QString GameSettings::StoreGroup() const
{
    return QStringLiteral("SoftWare/OXA/Ludorine/") + Section;
}

void GameSettings::SetupForGame(GameKindCode kind)
{
    GameKind = kind;
    for (int n = 1; n <= kPlayerSlots; ++n)
        Players[n] = Tjoueur{DefaultName(n)};
    // Settings of no game have no section and the widest player limits.
    const GameKindRow *row = FindGameKindRow(kind);
    Section = row ? row->Section : QString();
    MostPlayers = row ? row->MostPlayers : 4;
    DefaultPlayers = row ? row->DefaultPlayers : 1;
    PlayerCount = DefaultPlayers;
    CurrentPlayer = 1;
    Options = GameOptions();
    auto store = OpenStore();
    ReadStore(*store);
    AllComputers = true;
    for (int n = 1; n <= PlayerCount; ++n)
        AllComputers = AllComputers && Players[n].IsComputer;
}

int GameSettings::LevelFromStore(int slot, const QString &levels) const
{
    int level = 0;
    bool ok = false;
    const int read = levels.mid(2 * (slot - 1), 2).toInt(&ok);
    if (ok)
        level = read;
    else if (slot > 1)
        level = QRandomGenerator::global()->bounded(5);
    return std::clamp(level, 0, MaxLevel());
}

namespace {
// The program-wide key of the common words to guess, and the games that ask it.
const QString kCommonWordsKey = QStringLiteral("SoftWare/OXA/Ludorine/kutimaj_vortoj");

bool HidesWords(GameKindCode kind)
{
    const GameKindRow *row = FindGameKindRow(kind);
    return row != nullptr &&
           (row->Options == GameOptionSet::Pendu || row->Options == GameOptionSet::Philosophe);
}
} // namespace

void GameSettings::ReadStore(QSettings &store)
{
    if (HidesWords(GameKind))
        Options.commonWords = !Read(store, kCommonWordsKey, QStringLiteral("J")).startsWith(QLatin1Char('N'));
    store.beginGroup(StoreGroup());
    SetPlayerNames(MostPlayers, Read(store, QStringLiteral("ludantoj"), DefaultNameList()));
    try {
        if (MostPlayers == 1) {
            PlayerCount = 1; // a game for one player keeps no count
        } else {
            // A first start has the game's own number of players.
            const QString stored = Read(store, QStringLiteral("nombro"), QString::number(DefaultPlayers, 16));
            const int count = Number(stored, 16);
            PlayerCount = count >= 1 && count <= MostPlayers ? count : DefaultPlayers;
        }
        const QString levels = Read(store, QStringLiteral("etato"), QStringLiteral("0005"));
        for (int n = 1; n <= PlayerCount; ++n) {
            Players[n].Level = std::uint8_t(LevelFromStore(n, levels));
            Players[n].IsComputer = Players[n].Level > 0;
        }
        if (const GameKindRow *row = FindGameKindRow(GameKind)) {
            GameOptions &o = Options;
            switch (row->Options) {
            case GameOptionSet::Pendu:
                o.CB_pendu_essai = Index(Read(store, QStringLiteral("provoj"), QStringLiteral("2")), 3, 2);
                o.CB_pendu_lettres = !Read(store, QStringLiteral("ekstremoj"), QStringLiteral("J"))
                                          .startsWith(QLatin1Char('N'));
                ReadEndOfGame(store, {o.Rbtn_pendu_fin1, o.ed_pendu_par1, o.ed_pendu_par2});
                break;
            case GameOptionSet::FreeScrabble:
                o.ddlb_tirage = ReadDrawMode(store);
                break;
            case GameOptionSet::Duplicate:
                o.ddlb_tirage_duplic = ReadDrawMode(store);
                o.ddlb_vari_duplic =
                    Index(Read(store, QStringLiteral("diverseco"), QStringLiteral("0")), 4, 0);
                break;
            case GameOptionSet::TopWord:
                o.ddlb_tirage_topword = ReadDrawMode(store);
                o.ddlb_dim_topword =
                    Index(Read(store, QStringLiteral("dimensio"), QStringLiteral("0")), 2, 0);
                break;
            case GameOptionSet::Philosophe:
                ReadEndOfGame(store, {o.Rbtn_philo_fin1, o.ed_philo_par1, o.ed_philo_par2});
                o.CB_philo = Index(Read(store, QStringLiteral("longo"), QStringLiteral("0")), 8, 0);
                o.CheckBox_mp = Read(store, QStringLiteral("malposteno"), QStringLiteral("J"))
                                    .startsWith(QLatin1Char('J'));
                break;
            case GameOptionSet::Avaleur:
                break; // the speed is kept by the game
            }
        }
    } catch (const NotANumber &) {
        PlayerCount = DefaultPlayers;
    }
    store.endGroup();
}

void GameSettings::StoreSettings()
{
    auto store = OpenStore();
    StoreSettings(*store);
    store->sync();
}

void GameSettings::StoreSettings(QSettings &store)
{
    store.beginGroup(StoreGroup());
    QString names;
    QString levels;
    for (int n = 1; n <= PlayerCount; ++n) {
        Tjoueur &player = Players[n];
        // Every ';' goes: a name must not split into two in the list.
        player.Name = player.Name.left(kStoredNameLength).replace(QLatin1Char(';'), QLatin1Char(' '));
        names += (player.Name == DefaultName(n) ? QStringLiteral("§") : player.Name) + QLatin1Char(';');
        levels += QStringLiteral("%1").arg(player.Level, 2, 16, QLatin1Char('0')).toUpper();
    }
    Write(store, QStringLiteral("ludantoj"), names);
    Write(store, QStringLiteral("nombro"),
          QStringLiteral("%1").arg(PlayerCount, 2, 16, QLatin1Char('0')).toUpper());
    Write(store, QStringLiteral("etato"), levels);
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("J") : QStringLiteral("N"); };
    if (const GameKindRow *row = FindGameKindRow(GameKind)) {
        GameOptions &o = Options;
        switch (row->Options) {
        case GameOptionSet::Pendu:
            Write(store, QStringLiteral("provoj"), QString::number(o.CB_pendu_essai));
            Write(store, QStringLiteral("ekstremoj"), yesNo(o.CB_pendu_lettres));
            WriteEndOfGame(store, {o.Rbtn_pendu_fin1, o.ed_pendu_par1, o.ed_pendu_par2});
            break;
        case GameOptionSet::FreeScrabble:
            WriteDrawMode(store, o.ddlb_tirage);
            break;
        case GameOptionSet::Duplicate:
            WriteDrawMode(store, o.ddlb_tirage_duplic);
            Write(store, QStringLiteral("diverseco"), QString::number(o.ddlb_vari_duplic));
            break;
        case GameOptionSet::TopWord:
            WriteDrawMode(store, o.ddlb_tirage_topword);
            Write(store, QStringLiteral("dimensio"), QString::number(o.ddlb_dim_topword));
            break;
        case GameOptionSet::Philosophe:
            WriteEndOfGame(store, {o.Rbtn_philo_fin1, o.ed_philo_par1, o.ed_philo_par2});
            Write(store, QStringLiteral("longo"), QString::number(o.CB_philo));
            Write(store, QStringLiteral("malposteno"), yesNo(o.CheckBox_mp));
            break;
        case GameOptionSet::Avaleur:
            break;
        }
    }
    store.endGroup();
    if (HidesWords(GameKind))
        Write(store, kCommonWordsKey, yesNo(Options.commonWords));
}
