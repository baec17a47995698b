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

bool UsesDrawMode(int kind)
{
    return kind >= 3 && kind <= 7;
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

void GameSettings::SetupForGame(int kind)
{
    struct KindRow {
        const char *section;
        int most, defaults;
    };
    static constexpr KindRow kRows[] = {
        {"", 4, 1},        {"Pendo", 4, 1}, {"Avaleur", 1, 1}, {"Sbl", 4, 2},         {"Sbld", 40, 2},
        {"slosilo", 4, 2}, {"Wordy", 4, 2}, {"TopWord", 4, 2}, {"Filozofisto", 4, 1},
    };
    GameKind = kind;
    for (int n = 1; n <= kPlayerSlots; ++n)
        Players[n] = Tjoueur{DefaultName(n)};
    const KindRow &row = kRows[kind >= 1 && kind <= 8 ? kind : 0];
    Section = QString::fromLatin1(row.section);
    MostPlayers = row.most;
    DefaultPlayers = row.defaults;
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

void GameSettings::ReadStore(QSettings &store)
{
    store.beginGroup(StoreGroup());
    SetPlayerNames(MostPlayers, Read(store, QStringLiteral("ludantoj"), DefaultNameList()));
    try {
        if (GameKind == 2) {
            PlayerCount = 1;
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
        if (GameKind == 1) {
            Options.CB_pendu_essai = Index(Read(store, QStringLiteral("provoj"), QStringLiteral("2")), 3, 2);
            Options.CB_pendu_lettres =
                !Read(store, QStringLiteral("ekstremoj"), QStringLiteral("J")).startsWith(QLatin1Char('N'));
        }
        if (GameKind == 1 || GameKind == 8) {
            const bool first =
                Read(store, QStringLiteral("fino"), QStringLiteral("JN")).startsWith(QLatin1Char('J'));
            const QString turns =
                PositiveIntegerOr10(Read(store, QStringLiteral("fino1"), QStringLiteral("10")));
            const QString points =
                PositiveIntegerOr10(Read(store, QStringLiteral("fino2"), QStringLiteral("50")));
            if (GameKind == 1) {
                Options.Rbtn_pendu_fin1 = first;
                Options.ed_pendu_par1 = turns;
                Options.ed_pendu_par2 = points;
            } else {
                Options.Rbtn_philo_fin1 = first;
                Options.ed_philo_par1 = turns;
                Options.ed_philo_par2 = points;
            }
        }
        if (UsesDrawMode(GameKind)) {
            const int mode = Index(Read(store, QStringLiteral("loti"), QStringLiteral("0")), 2, 0);
            if (GameKind == 4)
                Options.ddlb_tirage_duplic = mode;
            else if (GameKind == 7)
                Options.ddlb_tirage_topword = mode;
            else
                Options.ddlb_tirage = mode;
        }
        if (GameKind == 4)
            Options.ddlb_vari_duplic =
                Index(Read(store, QStringLiteral("diverseco"), QStringLiteral("0")), 4, 0);
        if (GameKind == 7)
            Options.ddlb_dim_topword =
                Index(Read(store, QStringLiteral("dimensio"), QStringLiteral("0")), 2, 0);
        if (GameKind == 8) {
            Options.CB_philo = Index(Read(store, QStringLiteral("longo"), QStringLiteral("0")), 8, 0);
            Options.CheckBox_mp =
                Read(store, QStringLiteral("malposteno"), QStringLiteral("J")).startsWith(QLatin1Char('J'));
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
    if (GameKind == 1) {
        Write(store, QStringLiteral("provoj"), QString::number(Options.CB_pendu_essai));
        Write(store, QStringLiteral("ekstremoj"), yesNo(Options.CB_pendu_lettres));
    }
    if (GameKind == 1 || GameKind == 8) {
        const bool first = GameKind == 1 ? Options.Rbtn_pendu_fin1 : Options.Rbtn_philo_fin1;
        Write(store, QStringLiteral("fino"), first ? QStringLiteral("JN") : QStringLiteral("NJ"));
        Write(store, QStringLiteral("fino1"), GameKind == 1 ? Options.ed_pendu_par1 : Options.ed_philo_par1);
        Write(store, QStringLiteral("fino2"), GameKind == 1 ? Options.ed_pendu_par2 : Options.ed_philo_par2);
    }
    if (UsesDrawMode(GameKind)) {
        const int mode = GameKind == 4   ? Options.ddlb_tirage_duplic
                         : GameKind == 7 ? Options.ddlb_tirage_topword
                                         : Options.ddlb_tirage;
        Write(store, QStringLiteral("loti"), QString::number(mode));
    }
    if (GameKind == 4)
        Write(store, QStringLiteral("diverseco"), QString::number(Options.ddlb_vari_duplic));
    if (GameKind == 7)
        Write(store, QStringLiteral("dimensio"), QString::number(Options.ddlb_dim_topword));
    if (GameKind == 8) {
        Write(store, QStringLiteral("longo"), QString::number(Options.CB_philo));
        Write(store, QStringLiteral("malposteno"), yesNo(Options.CheckBox_mp));
    }
    store.endGroup();
}
