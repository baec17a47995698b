// SPDX-License-Identifier: GPL-3.0-or-later
// PenduGame: drawing a word, the setter's word, marks and missing letters,
// the computer's letter, and the letters the guesser plays.
#include "wordgames/hangman/pendu_game.h"
#include "framework/code_page_text.h"

#include <algorithm>

#include "dictionary/dictionnaire.h"
#include "framework/config.h"

namespace pendu {

namespace {
bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

const char *const kFallbackOrder = "ETAOINSHRDLUBCFGJLMPRVQWXYZ";
} // namespace

std::string MaskOf(const std::string &word, bool firstAndLast)
{
    std::string mask(word.size(), '*');
    if (!firstAndLast || word.empty())
        return mask;
    const char first = word.front(), last = word.back();
    for (std::size_t i = 0; i < word.size(); ++i)
        if (word[i] == first || word[i] == last)
            mask[i] = word[i];
    return mask;
}

PenduGame::PenduGame(GameSettings &settings, const TDictionnaire &dictionary,
                     const TDictionnaire &hiddenWords, std::uint32_t seed)
    : settings_(&settings), dictionary_(&dictionary), hiddenWords_(&hiddenWords), random_(seed)
{
    Historique.reserve(100);
}

bool PenduGame::AllComputers() const
{
    return settings_->AllComputers;
}

bool PenduGame::GuesserIsComputer() const
{
    return settings_->Players[std::size_t(settings_->CurrentPlayer)].IsComputer;
}

QString PenduGame::Name(int player) const
{
    return player >= 1 && player <= kPlayerSlots ? settings_->Players[std::size_t(player)].Name : QString();
}

void PenduGame::Status(const QString &text) const
{
    lastStatus_ = text;
    if (hooks.status)
        hooks.status(text);
}

void PenduGame::Title(const QString &text) const
{
    if (hooks.title)
        hooks.title(text);
}

int PenduGame::Winner() const
{
    int best = 1;
    for (int n = 2; n <= settings_->PlayerCount; ++n)
        if (settings_->Players[std::size_t(n)].Score > settings_->Players[std::size_t(best)].Score)
            best = n;
    return best;
}

void PenduGame::ReadSettings()
{
    const GameOptions &options = settings_->Options;
    ModeFin = options.Rbtn_pendu_fin1 ? 1 : 2;
    ParamFin = PositiveIntegerOr10(ModeFin == 1 ? options.ed_pendu_par1 : options.ed_pendu_par2).toInt();
    NbEssais = options.PenduTries();
    PremDern = options.CB_pendu_lettres;
    Historique.clear();
    if (hooks.historyChanged)
        hooks.historyChanged();
}

void PenduGame::NewGame()
{
    Erreurs = 0;
    ListeOrdi.reset();
    Table.Range();
    Sommet = 0;
    Phase = Tphase{-2, now_, 0, {}};
    GameOver = false;
    Paused = false;
}

void PenduGame::Close()
{
    Table.StopMovements();
    Paused = true;
    Phase.state = 99;
}

// --- Words

void PenduGame::TireMot()
{
    ProposedWord.clear();
    ProposedMask.clear();
    for (int attempt = 0; attempt < 5 && ProposedWord.empty(); ++attempt) {
        const std::vector<std::string> drawn = hiddenWords_->RandomWords(15, kShortestWord, kLongestWord);
        if (drawn.empty())
            continue;
        for (int pick = 0; pick < 50; ++pick) {
            const std::string &word =
                drawn[std::size_t(std::uniform_int_distribution<int>(0, int(drawn.size()) - 1)(random_))];
            const std::string mask = MaskOf(word, PremDern);
            if (word.size() >= std::size_t(kShortestWord) && word.size() <= std::size_t(kLongestWord) &&
                mask.find('*') != std::string::npos) {
                ProposedWord = word;
                ProposedMask = mask;
                break;
            }
        }
    }
    if (ProposedWord.empty()) {
        ProposedWord = "MACHIN";
        ProposedMask = PremDern ? "M****N" : "******";
    }
    MotATrouver = ProposedWord;
    Masque = ProposedMask;
}

void PenduGame::OtherProposal()
{
    Taction *top = Top();
    if (!top || top->kind != 'P')
        return;
    StartAction(*top);
}

std::string PenduGame::Validate(const std::string &typed, bool automatic)
{
    Taction *top = Top();
    if (!top || top->kind != 'P' || top->state != 1)
        return typed;
    std::string text;
    for (char c : typed) {
        if (c == ' ' || c == '\t')
            continue;
        c = Upper(c);
        text += IsLetter(c) ? c : '*';
    }
    int error = 0;
    const bool whole = text.find('*') == std::string::npos && text.size() >= std::size_t(kShortestWord);
    if (whole) {
        if (!AllComputers() && !automatic && !dictionary_->Contains(text)) {
            const QString question =
                QStringLiteral(
                    "Attention ! Le mot %1 n'existe pas dans le dictionnaire ! Continuer avec ce mot ?")
                    .arg(FromCodePage(text));
            if (!(hooks.confirm && hooks.confirm(question)))
                return typed;
        }
        MotATrouver = text;
        Masque = MaskOf(text, PremDern);
        if (Masque.find('*') == std::string::npos)
            error = 2;
        // The table has 12 cards: a longer word could not be shown whole.
        if (text.size() > std::size_t(kLongestWord))
            error = 5;
    } else {
        Masque = text;
        if (!AllComputers())
            MotATrouver = text;
        std::string shown;
        for (char c : text)
            if (c != '*' && shown.find(c) == std::string::npos)
                shown += c;
        if (text.size() < std::size_t(kShortestWord))
            error = 1;
        if (text.find('*') == std::string::npos)
            error = 2;
        if (PremDern && (!text.empty() && (text.front() == '*' || text.back() == '*')))
            error = 3;
        if (!PremDern && !shown.empty())
            error = 6;
        if (shown.size() > 2)
            error = 4;
        if (text.size() > std::size_t(kLongestWord))
            error = 5;
    }
    if (AllComputers())
        error = 0;
    if (error != 0) {
        static const char *const kMessages[] = {
            "",
            "Le mot à trouver doit avoir au moins trois lettres !",
            "Le mot à trouver doit avoir au moins une lettre cachée !",
            "Les premières et dernières lettres du mot doivent être indiquées !",
            "Au maximum, deux lettres doivent être connues",
            "Le mot à trouver doit comporter, au maximum, 12 lettres !",
            "Aucune lettre ne doit être connue",
        };
        MotATrouver.clear();
        if (hooks.message)
            hooks.message(QString::fromUtf8(kMessages[error]));
        return whole ? typed : text;
    }
    if (hooks.hideWordPanel)
        hooks.hideWordPanel();
    top->state = kDone;
    return whole ? typed : text;
}

std::string PenduGame::SetterWord(const std::string &typed)
{
    return Validate(typed, false);
}

// --- Marks of a hidden word

void PenduGame::MarkPosition(int position, bool marked)
{
    Taction *top = Top();
    if (!top || top->kind != 'R' || position < 1 || position > int(Masque.size()))
        return;
    // Only the positions hidden before this letter may change.
    if (MasqueAvant[std::size_t(position - 1)] != '*')
        return;
    Masque[std::size_t(position - 1)] = marked ? LettreJouee : '*';
    std::string text(Masque.size(), ' ');
    text[std::size_t(position - 1)] = marked ? LettreJouee : '*';
    Table.Retourne(text, int(Masque.size()), scene_);
}

bool PenduGame::MarkedNow(int position) const
{
    const std::size_t i = std::size_t(position - 1);
    return position >= 1 && i < Masque.size() && i < MasqueAvant.size() && Masque[i] != MasqueAvant[i];
}

void PenduGame::MarksDone()
{
    for (int n = 1; n <= Sommet; ++n)
        if (Actions[std::size_t(n)].kind == 'R')
            Actions[std::size_t(n)].state = kDone;
    if (hooks.hideAnswerPanel)
        hooks.hideAnswerPanel();
}

void PenduGame::MissingLetters(const std::vector<std::string> &boxes)
{
    Taction *top = Top();
    if (!top || top->kind != 'W')
        return;
    const bool known = AllComputers() || MotATrouver.find('*') == std::string::npos;
    std::string word = MasqueAvant;
    std::string given;
    missingFocus = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (MasqueAvant[i] != '*')
            continue;
        char c = '*';
        if (known && i < MotATrouver.size())
            c = MotATrouver[i];
        else if (i < boxes.size()) {
            const std::string &box = boxes[i];
            const std::size_t first = box.find_first_not_of(" \t");
            c = first == std::string::npos ? '*' : Upper(box[first]);
        }
        if (!IsLetter(c)) {
            if (missingFocus == 0)
                missingFocus = int(i) + 1;
            c = '*';
        }
        word[i] = c;
        if (IsLetter(c))
            given += c;
    }
    if (missingFocus != 0)
        return;
    bool accepted = true;
    std::string played;
    for (char c : given)
        if (Table.tiles[std::size_t(PenduTable::TileOf(c))].mark != 0 && played.find(c) == std::string::npos)
            played += c;
    if (!played.empty() && !known) {
        std::string listed;
        for (char c : played) {
            listed += c;
            listed += ' ';
        }
        const QString question =
            QStringLiteral("Les lettres «%1» ont déjà été jouées ! Confirmez vous le mot  ?")
                .arg(FromCodePage(listed));
        accepted = hooks.confirm && hooks.confirm(question);
        if (accepted)
            PointsManche = NbEssais;
    }
    if (!known && !dictionary_->Contains(word)) {
        const QString question =
            QStringLiteral("Le mot %1 n existe pas au dictionnaire ! Confirmez vous le mot  ?")
                .arg(FromCodePage(word));
        const int answer = hooks.confirmOrCancel ? hooks.confirmOrCancel(question) : -1;
        accepted = answer >= 0;
        if (answer == 1)
            PointsManche = 0;
        else if (answer == 0)
            PointsManche = NbEssais;
    }
    if (!accepted)
        return;
    MotATrouver = word;
    top->state = kDone;
    std::string reveal(word.size(), ' ');
    for (std::size_t i = 0; i < word.size(); ++i)
        if (MasqueAvant[i] == '*')
            reveal[i] = word[i];
    if (hooks.hideAnswerPanel)
        hooks.hideAnswerPanel();
    Empile('V', reveal);
}

// --- Letters

bool PenduGame::LetterUsed(char c) const
{
    if (!IsLetter(c))
        return true;
    return Table.tiles[std::size_t(PenduTable::TileOf(c))].mark != 0 || Masque.find(c) != std::string::npos;
}

char PenduGame::ChoixLettre()
{
    if (!ListeOrdi || ListeOrdi->size() < 10)
        ListeOrdi = dictionary_->WordsMatching(Masque);
    std::vector<std::string> &list = *ListeOrdi;
    std::erase_if(list, [this](const std::string &word) {
        if (word.size() != Masque.size())
            return true;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char shown = Masque[i];
            if (shown != '*' ? word[i] != shown : LetterUsed(word[i]))
                return true;
        }
        return false;
    });
    std::array<int, 26> counts{};
    for (const std::string &word : list)
        for (char c : word)
            if (IsLetter(c) && !LetterUsed(c))
                ++counts[std::size_t(c - 'A')];
    int best = 0;
    for (int i = 1; i < 26; ++i)
        if (counts[std::size_t(i)] > counts[std::size_t(best)] ||
            (counts[std::size_t(i)] == counts[std::size_t(best)] &&
             std::uniform_int_distribution<int>(0, 2120)(random_) % 2 == 0))
            best = i;
    const char letter = char('A' + best);
    if (!LetterUsed(letter) && !list.empty() && counts[std::size_t(best)] > 0)
        return letter;
    for (int i = 0; i < 26; ++i)
        if (!LetterUsed(kFallbackOrder[i]))
            return kFallbackOrder[i];
    for (int attempt = 0; attempt < 10000; ++attempt) {
        const char c = char('A' + std::uniform_int_distribution<int>(0, 25)(random_));
        if (!LetterUsed(c))
            return c;
    }
    return '?';
}

QString PenduGame::ProposedMove()
{
    return QStringLiteral("Coup proposé : %1").arg(QChar::fromLatin1(ChoixLettre()));
}

void PenduGame::PlayLetter(char letter)
{
    LettreJouee = letter;
    Empile('J');
    Phase.text = std::string(1, letter);
    Phase.step = 3;
}

void PenduGame::ShowLetter()
{
    std::string text(Masque.size(), ' ');
    bool found = false;
    for (std::size_t i = 0; i < MotATrouver.size() && i < Masque.size(); ++i)
        if (MotATrouver[i] == LettreJouee) {
            Masque[i] = LettreJouee;
            text[i] = LettreJouee;
            found = true;
        }
    if (found)
        Empile('V', text);
    else
        ++Erreurs;
}

bool PenduGame::CharacterKey(char c)
{
    if (GameOver)
        return false;
    if (Taction *top = Top(); top && top->duration >= 0 && 2 * (now_ - top->start) > top->duration)
        Finish(*top);
    if (Sommet > 0 && Actions[std::size_t(Sommet)].state != kDone)
        return false;
    if (Phase.state == 0 && Phase.step == 0) {
        Phase.step = 1;
        return true;
    }
    c = Upper(c);
    if (HumanTurn() || (Phase.state == 2 && Phase.step == 2 && Sommet > 0 && Top()->state == kDone)) {
        if (IsLetter(c) && Table.tiles[std::size_t(PenduTable::TileOf(c))].mark == 0) {
            PlayLetter(c);
            return true;
        }
    }
    return false;
}

void PenduGame::Click(const std::string &object)
{
    if (GameOver)
        return;
    Paused = false;
    if (Phase.state == 0 && Phase.step == 0 && Sommet == 0) {
        Phase.step = 1;
        return;
    }
    if (HumanTurn() && object.size() >= 8 && object.compare(0, 6, "Lettre") == 0) {
        const char c = object[7];
        if (IsLetter(c) && Table.tiles[std::size_t(PenduTable::TileOf(c))].mark == 0)
            PlayLetter(c);
        return;
    }
    Taction *top = Top();
    if (top && top->kind == 'R' && object.size() >= 7 && object.compare(0, 5, "carte") == 0) {
        const int card = std::atoi(object.substr(6, 2).c_str());
        if (card >= 1 && card <= int(Masque.size()))
            MarkPosition(card, !MarkedNow(card));
    }
}

std::string PenduGame::ShownLetters() const
{
    std::string shown;
    for (char c : Masque)
        if (IsLetter(c) && shown.find(c) == std::string::npos)
            shown += c;
    return shown;
}

std::string PenduGame::UsedLetters() const
{
    std::string used;
    for (int i = 1; i <= kLetters; ++i)
        if (Table.tiles[std::size_t(i)].mark != 0)
            used += char('A' + i - 1);
    return used;
}

void PenduGame::AddRound()
{
    settings_->Players[std::size_t(settings_->CurrentPlayer)].Score += PointsManche;
    Historique.push_back({settings_->CurrentPlayer, MotATrouver, UsedLetters(), PointsManche});
    if (hooks.historyChanged)
        hooks.historyChanged();
}

} // namespace pendu
