// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDictionnaire: one user's view of the shared dictionary file (a trie of
// 5-byte nodes, see trie_format.h). No part of the trie is kept in memory:
// every call reads the groups it needs from the file as it is on disk, so a
// word added or removed through another object is seen at the next call.
//
// Every change replaces the file whole (file_replacement.h): the new trie is
// made in memory from the current file, with exactly the bytes that the
// in-place insertion gives, then written beside the old file and renamed over
// it. Readers therefore never see a change half done, and a crash or a full
// disk leaves the old file. Writers of all processes are serialised by a lock
// held for one change. A batch (an import) is one change.
//
// Strings are Latin-1 bytes. Search results are new lists, sorted without
// regard to case and without duplicates (the version found first stays); a
// letter supplied by a joker is in lower case.
//
// Every walk is bounded (group scan limit, depth limit, a budget of visited
// nodes proportional to the file), so a damaged file never hangs or crashes
// an operation: it only gives shorter results.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/dictionnaire_file.h"
#include "dictionary/file_replacement.h"
#include "dictionary/fold_accents.h"

class TDictionnaire {
public:
    // Opens `fileName` for reading (mode 'R' or anything else) or for reading
    // and writing ('W'). A missing file is created empty. Always returns an
    // object; IsOpen() tells whether a file could be opened at all.
    static std::unique_ptr<TDictionnaire> Create(const std::string &fileName, char mode);
    ~TDictionnaire();
    TDictionnaire(const TDictionnaire &) = delete;
    TDictionnaire &operator=(const TDictionnaire &) = delete;

    bool IsOpen() const { return file_.IsOpen(); }
    bool IsWritable() const { return file_.IsWritable(); }
    const std::string &FileName() const { return fileName_; }
    std::uint64_t NodeCount() const;

    // Lookups. ASCII a-z count as A-Z; any other character never matches.
    bool Contains(const std::string &word) const;
    // 1: stored word; 0: only the beginning of stored words; -1: neither.
    int WordState(const std::string &word) const;

    // Updates. Outside a batch each call is one change of the file. AddWord
    // is true when the file holds the word afterwards (stored before or
    // added), RemoveWord when the word was stored and is removed,
    // ClearUserFlags when the marks are cleared; all are false when the file
    // could not be changed (see LastChangeError).
    bool AddWord(const std::string &word, bool userFlag);
    bool RemoveWord(const std::string &word);
    bool ClearUserFlags();

    // Batches. BeginChanges waits for the lock of the file (another writer
    // finishes first) and starts from the file's content at that moment;
    // until CommitChanges the updates, and the lookups of this object, work
    // on a copy in memory that no other object sees. CommitChanges puts the
    // whole batch in the file at once; AbandonChanges (or destroying the
    // object) drops it. Both release the lock. False on failure (see
    // LastChangeError): the file is then as it was before the batch.
    bool BeginChanges();
    bool CommitChanges();
    void AbandonChanges();
    bool InBatch() const { return file_.Editing(); }
    // The errno of the last change that failed (ENOSPC for a full disk...),
    // 0 when the last change succeeded.
    int LastChangeError() const { return lastChangeError_; }

    // Writes the words, one per line (CR LF), in trie order: those marked as
    // user additions when `user`, the others when `standard`.
    // A file is replaced whole, so that a failed export leaves an earlier one.
    bool ExportWords(const std::string &textFileName, bool standard, bool user) const;
    // The same lines as one text.
    std::string WordListText(bool standard, bool user) const;
    // "$P$ word" for each user word, then "$N$ count", 26 "$L$" lines and
    // one "$G$" line per word length that occurs. The last line is the one the
    // dictionary manager puts on the clipboard (see StatisticsClipboardLine).
    std::vector<std::string> Statistics() const;
    static std::string StatisticsClipboardLine(const std::vector<std::string> &statistics);

    // Searches.
    std::vector<std::string> WordsStartingWith(const std::string &pattern) const;
    std::vector<std::string> WordsMatching(const std::string &pattern) const;
    std::vector<std::string> Anagrams(const std::string &letters) const;
    std::vector<std::string> PlaceableWords(const std::string &letters, int maxTiles, int minLength,
                                            int maxLength, const std::string &pattern,
                                            const std::vector<std::string> &crossChecks) const;
    std::vector<std::string> StackableWords(const std::string &letters, int minLength, int maxLength,
                                            const std::string &pattern,
                                            const std::vector<std::string> &crossChecks,
                                            const std::vector<int> &heights) const;
    // The cross-check of a square as the set of letters that may go there
    // (bit 0 for A... bit 25 for Z), found by one walk: every letter for no
    // check; for a check without '*', every letter or none (withoutStar);
    // else the letters whose cross word, '*' replaced, is stored.
    std::uint32_t CrossCheckMask(const std::string &check, bool withoutStar) const;
    std::vector<std::uint32_t> CrossCheckMasks(const std::vector<std::string> &checks,
                                               bool withoutStar) const;
    // The same searches with the cross-checks given as masks (a caller that
    // asks several lines of the same squares works each mask out once).
    std::vector<std::string> PlaceableWords(const std::string &letters, int maxTiles, int minLength,
                                            int maxLength, const std::string &pattern,
                                            const std::vector<std::uint32_t> &masks) const;
    std::vector<std::string> StackableWords(const std::string &letters, int minLength, int maxLength,
                                            const std::string &pattern,
                                            const std::vector<std::uint32_t> &masks,
                                            const std::vector<int> &heights) const;
    // The board search of the board games: every word that can be laid on
    // any of `lines`, in one walk of the trie for the whole board rather
    // than one per starting square. A square holds the capital of its played
    // tile or '*' when empty, the letters its cross word allows (an empty
    // anchor), and whether it is an anchor: a word covering it joins the
    // board (a played tile, or an empty square with a cross word); an empty
    // square that is no anchor takes any letter. A word lies between empty
    // squares or the ends of its line, starts after an empty square or on
    // the line's first square, covers an anchor, has two letters or more and
    // takes from one tile of `letters` ('*' = joker) to maxTiles (any number
    // when maxTiles <= 0). The words come by line, by first square, and at
    // each square sorted as PlaceableWords sorts.
    struct LineSquare {
        char letter = '*';
        std::uint32_t mask = 0;
        bool anchor = false;
    };
    struct LineWord {
        int line = 0;  // index in `lines`
        int start = 0; // 0-based square of the first letter
        std::string word;
    };
    std::vector<LineWord> BoardWords(const std::string &letters, int maxTiles,
                                     const std::vector<std::vector<LineSquare>> &lines) const;
    std::vector<std::string> RandomWords(int count, int minLength, int maxLength) const;

    // While a board search holds the dictionary, its line queries look at
    // the file once, when the hold starts, rather than at every line: a
    // search sees one file from start to end.
    class SearchHold {
    public:
        explicit SearchHold(const TDictionnaire &dictionary);
        ~SearchHold();
        SearchHold(const SearchHold &) = delete;
        SearchHold &operator=(const SearchHold &) = delete;

    private:
        const TDictionnaire &dictionary_;
    };

private:
    TDictionnaire(const std::string &fileName, char mode);

    // Depth-first visit of the whole trie in file order: each node with the
    // word its path spells and its letter byte.
    void Traverse(const std::function<void(const std::string &, std::uint8_t)> &visit) const;

    std::int64_t AddLetter(char letter, std::int64_t parent, bool endOfWord, bool userFlag);
    void OpenGap(std::uint64_t position);
    bool AddWordToCopy(const std::string &letters, bool userFlag);
    bool RemoveWordFromCopy(const std::string &word);
    void ClearUserFlagsOfCopy();
    // Runs `change` as one change of the file, or as part of the open batch.
    bool AsOneChange(const std::function<bool()> &change);

    mutable dictionnaire::DictionnaireFile file_;
    mutable int searchHolds_ = 0;
    std::string fileName_;
    file_replacement::ChangeLock lock_;
    std::string changeTarget_; // the file a batch replaces
    int lastChangeError_ = 0;
};
