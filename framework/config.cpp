// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/config.h"

#include "framework/code_page_text.h"
#include "framework/resourcelib/check_values.h"
#include "framework/savefile/typed_stream.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
constexpr const char *kMarker = "AXO";
constexpr int kTrailerLength = 100;
// Largest score a saved player may have, either sign.
constexpr std::int32_t kMostScore = 1 << 30;

std::string Decimal(long long value)
{
    return std::to_string(value);
}

// An option index read from a saved game; one outside its list gives 0.
int IndexIn(std::int32_t value, int items)
{
    return value >= 0 && value < items ? value : 0;
}

bool IsIntegerTag(int tag)
{
    return tag == savefile::Int8Tag || tag == savefile::Int16Tag || tag == savefile::Int32Tag;
}
} // namespace

QStringList GameOptions::TriesItems()
{
    return {QStringLiteral("7"), QStringLiteral("10"), QStringLiteral("12")};
}

QStringList GameOptions::DrawModeItems()
{
    return {QStringLiteral("Automatique"), QStringLiteral("Manuel")};
}

QStringList GameOptions::VariantItems()
{
    return {QStringLiteral("Classique"), QStringLiteral("Huit lettres"), QStringLiteral("Partie \"joker\""),
            QStringLiteral("Sans prime de Scrabble")};
}

QStringList GameOptions::DimensionItems()
{
    return {QStringLiteral("10 * 10"), QStringLiteral("8 * 8")};
}

QStringList GameOptions::WordLengthItems()
{
    QStringList items;
    for (int n = 4; n <= 10; ++n)
        items << QString::number(n);
    items << QStringLiteral("Choisir aléatoirement");
    return items;
}

int GameOptions::PenduTries() const
{
    return TriesItems().value(CB_pendu_essai, QStringLiteral("12")).toInt();
}

int GameOptions::PhiloWordLength() const
{
    return CB_philo >= 0 && CB_philo <= 6 ? CB_philo + 4 : 0;
}

QString PositiveIntegerOr10(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value > 0 ? text.trimmed() : QStringLiteral("10");
}

GameSettings::GameSettings()
{
    for (int n = 1; n <= kPlayerSlots; ++n)
        Players[n].Name = DefaultName(n);
}

GameSettings::~GameSettings() = default;

QString GameSettings::DefaultName(int slot)
{
    return QStringLiteral("Joueur ") + QString::number(slot);
}

QString GameSettings::DefaultNameList()
{
    return QStringLiteral("Albane;Bertin;Cyrielle;Dorian;");
}

QString GameSettings::Language()
{
    return QStringLiteral("FR");
}

QString GameSettings::ProgramVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral("1.0.1.0") : version;
}

void GameSettings::SetPlayerNames(int count, const QString &names)
{
    // The last character ends the list and never belongs to a name.
    const QStringList parts =
        names.isEmpty() ? QStringList() : names.left(names.size() - 1).split(QLatin1Char(';'));
    for (int n = 1; n <= std::min(count, kPlayerSlots); ++n) {
        Tjoueur &player = Players[n];
        const QString name = n <= parts.size() ? parts[n - 1] : QString();
        player.Name = name.isEmpty() || name == QStringLiteral("§") ? DefaultName(n) : name;
        player.IsComputer = false;
        player.Level = 0;
        player.Score = 0;
        player.TimeMs = 0;
    }
}

void GameSettings::NextPlayer()
{
    CurrentPlayer = CurrentPlayer + 1 > PlayerCount ? 1 : CurrentPlayer + 1;
    if (ShowStatus)
        ShowStatus(QStringLiteral("Le joueur « %1 » a la main").arg(Players[CurrentPlayer].Name));
}

void GameSettings::ApplyDialog(int selectedCount)
{
    PlayerCount = std::clamp(selectedCount, 1, MostPlayers);
    CurrentPlayer = 1;
    AllComputers = true;
    for (int n = 1; n <= PlayerCount; ++n) {
        Players[n].IsComputer = Players[n].Level != 0;
        AllComputers = AllComputers && Players[n].IsComputer;
    }
}

void GameSettings::ClearScores()
{
    for (int n = 1; n <= kPlayerSlots; ++n) {
        Players[n].Score = 0;
        Players[n].TimeMs = 0;
    }
}

int GameSettings::MaxLevel() const
{
    const GameKindRow *row = FindGameKindRow(GameKind);
    return row ? row->MaxLevel : kMostComputerLevel;
}

QString GameSettings::PlayerKindText(int level) const
{
    const GameKindRow *row = FindGameKindRow(GameKind);
    const QString human = QStringLiteral("Joueur humain");
    switch (row ? row->PlayerKinds : PlayerKindTexts::ComputerLevels) {
    case PlayerKindTexts::HumanOnly:
        return human;
    case PlayerKindTexts::HumanOrComputer:
        if (level == 0)
            return human;
        return level == 1 ? QStringLiteral("Ordinateur") : QString::number(level);
    case PlayerKindTexts::ComputerLevels:
        break;
    }
    return level == 0 ? human : QStringLiteral("Ordinateur niveau %1").arg(level);
}

QStringList GameSettings::FillKindList() const
{
    // The list's index is the player's level.
    QStringList list;
    for (int level = 0; level <= MaxLevel(); ++level)
        list << PlayerKindText(level);
    return list;
}

std::int32_t GameSettings::SettingsChecksum() const
{
    std::int32_t c = -1;
    c = crcs(c, Decimal(ToInt(GameKind)));
    c = crcs(c, ToCodePage(Section));
    c = crcs(c, Decimal(PlayerCount));
    c = crcs(c, Decimal(CurrentPlayer));
    for (int n = 1; n <= std::min(PlayerCount, kPlayerSlots); ++n) {
        const Tjoueur &player = Players[n];
        c = crcs(c, Decimal(ToInt(GameKind)));
        c = crcs(c, Decimal(n));
        c = crcs(c, ToCodePage(player.Name));
        c = crcs(c, Decimal(player.Level));
        c = crcs(c, Decimal(player.Score));
        c = crcs(c, Decimal(player.TimeMs));
    }
    return c;
}

void GameSettings::SaveSettings(savefile::TypedWriter &writer) const
{
    writer.WriteString(kMarker);
    writer.WriteInteger(Keycalc(kMarker));
    writer.WriteInteger(SettingsChecksum());
    writer.WriteInteger(ToInt(GameKind));
    writer.WriteString(ToCodePage(Language()));
    writer.WriteString(ToCodePage(ProgramVersion()));
    writer.WriteString(ToCodePage(Section));
    writer.WriteInteger(PlayerCount);
    writer.WriteInteger(CurrentPlayer);
    writer.WriteString(AllComputers ? "A" : "M");
    writer.WriteListBegin();
    for (int n = 1; n <= std::min(PlayerCount, kPlayerSlots); ++n) {
        const Tjoueur &player = Players[n];
        writer.WriteInteger(n);
        writer.WriteString(ToCodePage(player.Name));
        writer.WriteInteger(player.Level);
        writer.WriteInteger(player.Score);
        writer.WriteInteger(player.TimeMs);
        writer.WriteString(player.IsComputer ? "T" : "F");
    }
    writer.WriteListEnd();
    if (const GameKindRow *row = FindGameKindRow(GameKind)) {
        switch (row->Options) {
        case GameOptionSet::Pendu:
            writer.WriteString(Options.CB_pendu_lettres ? "T" : "F");
            writer.WriteInteger(Options.CB_pendu_essai);
            break;
        case GameOptionSet::FreeScrabble:
            writer.WriteInteger(Options.ddlb_tirage);
            break;
        case GameOptionSet::Duplicate:
            writer.WriteInteger(Options.ddlb_tirage_duplic);
            writer.WriteInteger(Options.ddlb_vari_duplic);
            break;
        case GameOptionSet::TopWord:
            writer.WriteInteger(Options.ddlb_tirage_topword);
            writer.WriteInteger(Options.ddlb_dim_topword);
            break;
        case GameOptionSet::Philosophe:
            writer.WriteString(Options.CheckBox_mp ? "J" : "N");
            writer.WriteInteger(Options.CB_philo);
            break;
        case GameOptionSet::Avaleur:
            break;
        }
    }
    writer.WriteString(std::string(kTrailerLength, '0'));
}

bool GameSettings::LoadSettings(savefile::TypedReader &reader)
{
    struct Remembered {
        GameKindCode kind;
        int count, current;
        bool allComputers;
        QString section, version;
        std::array<Tjoueur, kPlayerSlots + 1> players;
        GameOptions options;
    } const before{GameKind, PlayerCount,     CurrentPlayer, AllComputers,
                   Section,  SettingsVersion, Players,       Options};
    const auto restore = [&] {
        GameKind = before.kind;
        PlayerCount = before.count;
        CurrentPlayer = before.current;
        AllComputers = before.allComputers;
        Section = before.section;
        SettingsVersion = before.version;
        Players = before.players;
        Options = before.options;
        return false;
    };

    try {
        const std::string marker = reader.ReadString();
        reader.ReadInteger(); // the marker's check value, not verified
        if (marker != kMarker)
            return restore();
        const std::int32_t checksum = reader.ReadInteger();
        const std::optional<GameKindCode> kind = GameKindFromInt(reader.ReadInteger());
        GameKind = kind.value_or(GameKindCode::None);
        if (FromCodePage(reader.ReadString()) != Language())
            return restore();
        SettingsVersion = FromCodePage(reader.ReadString());
        Section = FromCodePage(reader.ReadString());
        PlayerCount = reader.ReadInteger();
        CurrentPlayer = reader.ReadInteger();
        const std::string allComputers = reader.ReadString();
        AllComputers = allComputers == "A";
        // A game set up for its kind takes only a part of that kind, with
        // no more players than the game has room for.
        const bool setUp = before.kind != GameKindCode::None;
        if (!kind || (setUp && (GameKind != before.kind || Section != before.section)))
            return restore();
        const int most = setUp ? MostPlayers : kPlayerSlots;
        if (PlayerCount < 1 || PlayerCount > most || CurrentPlayer < 1 || CurrentPlayer > PlayerCount ||
            (allComputers != "A" && allComputers != "M"))
            return restore();
        reader.ReadListBegin();
        int n = 0;
        while (!reader.EndOfList()) {
            if (++n > PlayerCount)
                return restore();
            Tjoueur &player = Players[n];
            reader.ReadInteger(); // the player's number: the position counts
            player.Name = FromCodePage(reader.ReadString());
            const std::int32_t level = reader.ReadInteger();
            player.Score = reader.ReadInteger();
            player.TimeMs = reader.ReadInteger();
            const std::string computer = reader.ReadString();
            // Scores and times are added to during the game: far from an
            // overflow, and a time is never negative.
            if (level < 0 || level > MaxLevel() || player.Score < -kMostScore || player.Score > kMostScore ||
                player.TimeMs < 0 || (computer != "T" && computer != "F"))
                return restore();
            player.Level = std::uint8_t(level);
            player.IsComputer = computer == "T";
        }
        reader.ReadListEnd();
        if (n != PlayerCount || SettingsChecksum() != checksum)
            return restore();

        const std::string version = ToCodePage(SettingsVersion);
        // The kind was checked above: it has a row.
        switch (FindGameKindRow(GameKind)->Options) {
        case GameOptionSet::Pendu:
            Options.CB_pendu_lettres = reader.ReadString() == "T";
            Options.CB_pendu_essai = IndexIn(reader.ReadInteger(), 3);
            break;
        case GameOptionSet::FreeScrabble:
            Options.ddlb_tirage = IndexIn(reader.ReadInteger(), 2);
            break;
        case GameOptionSet::Duplicate:
            // Older versions wrote neither the draw mode (up to 1.0.0.0) nor
            // the variant (up to 1.0.1.6). A value that is there is read
            // whatever the version says, so that no file is misread.
            Options.ddlb_tirage_duplic =
                version > "1.0.0.0" || IsIntegerTag(reader.PeekTag()) ? IndexIn(reader.ReadInteger(), 2) : 0;
            Options.ddlb_vari_duplic =
                version > "1.0.1.6" || IsIntegerTag(reader.PeekTag()) ? IndexIn(reader.ReadInteger(), 4) : 0;
            break;
        case GameOptionSet::TopWord:
            Options.ddlb_tirage_topword = IndexIn(reader.ReadInteger(), 2);
            Options.ddlb_dim_topword = IndexIn(reader.ReadInteger(), 2);
            break;
        case GameOptionSet::Philosophe:
            Options.CheckBox_mp = reader.ReadString() == "J";
            Options.CB_philo = IndexIn(reader.ReadInteger(), 8);
            break;
        case GameOptionSet::Avaleur:
            break;
        }
        reader.ReadString();
        return true;
    } catch (const savefile::ReadError &) {
        return restore();
    }
}

void GameSettings::ExportSettingsText(QTextStream &out) const
{
    const QString endOfLine = QStringLiteral("\r\n");
    out << endOfLine;
    for (int n = 1; n <= std::min(PlayerCount, kPlayerSlots); ++n)
        out << n << ' ' << Players[n].Name << " : " << Players[n].Score << endOfLine;
    out << endOfLine;
}
