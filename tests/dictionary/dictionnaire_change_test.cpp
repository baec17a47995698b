// SPDX-License-Identifier: GPL-3.0-or-later
// Changes of the dictionary file as a whole: a batch gives the bytes of the
// same insertions one by one, a writer killed at any moment leaves the old
// words and a prefix of the new ones, readers only ever see a state before
// or after a change, two writers lose nothing, and a full disk leaves the
// old file.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_check.h"
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

class DictionaryChanges : public DictionaryFileTest {
protected:
    // A dictionary of a few thousand real words (every 40th word of the
    // generated dictionary when there is one, else made-up words), written
    // by the builder: large enough that a change takes a while.
    void WriteBaseDictionary(const std::string &path)
    {
        DictionaryBuilder builder;
#ifdef LUDORINE_TEST_DICTIONARY
        if (std::filesystem::exists(LUDORINE_TEST_DICTIONARY)) {
            const Words all = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R')->WordsStartingWith("");
            for (std::size_t i = 0; i < all.size(); i += 40)
                builder.AddEntry(all[i]);
        }
#endif
        for (int i = 0; builder.KeptCount() < 4000; ++i) {
            std::string word;
            for (int n = i * 7919 + 12345; n > 0; n /= 26)
                word += char('a' + n % 26);
            builder.AddEntry(word);
        }
        for (const char *word : {"maison", "maiserie", "mais", "chat"})
            builder.AddEntry(word);
        ASSERT_EQ(builder.WriteFile(path), DictionaryBuildError::None);
    }

    static Words AllWords(const std::string &path)
    {
        return TDictionnaire::Create(path, 'R')->WordsStartingWith("");
    }

    // New words, none of them in `dico`.
    static Words NewWords(const TDictionnaire &dico, std::size_t count, unsigned seed,
                          const std::string &prefix = "")
    {
        std::mt19937 random(seed);
        Words words;
        while (words.size() < count) {
            std::string word = prefix;
            for (int k = 0, length = 2 + int(random() % 6); k < length; ++k)
                word += char('A' + random() % 26);
            if (!dico.Contains(word) && std::find(words.begin(), words.end(), word) == words.end())
                words.push_back(word);
        }
        return words;
    }

    // Which prefix of `added` the file holds besides `original`: -1 when it
    // holds anything else, or misses an original word.
    static int AddedPrefix(const Words &stored, const Words &original, const Words &added)
    {
        std::set<std::string> rest(stored.begin(), stored.end());
        for (const std::string &word : original)
            if (rest.erase(word) == 0)
                return -1;
        std::size_t k = 0;
        while (k < added.size() && rest.erase(added[k]) == 1)
            ++k;
        return rest.empty() ? int(k) : -1;
    }
};

TEST_F(DictionaryChanges, ABatchGivesTheBytesOfTheSameWordsAddedOneByOne)
{
    WriteBaseDictionary(DicoPath());
    const Words words = NewWords(*TDictionnaire::Create(DicoPath(), 'R'), 60, 5);
    std::filesystem::copy_file(DicoPath(), PathOf("batch.ox"));
    {
        auto single = TDictionnaire::Create(DicoPath(), 'W');
        for (const std::string &word : words)
            ASSERT_TRUE(single->AddWord(word, true)) << word;
        EXPECT_TRUE(single->RemoveWord(words[3]));
    }
    auto batch = TDictionnaire::Create(PathOf("batch.ox"), 'W');
    auto reader = TDictionnaire::Create(PathOf("batch.ox"), 'R');
    const Bytes before = FileBytes(PathOf("batch.ox"));
    ASSERT_TRUE(batch->BeginChanges());
    for (const std::string &word : words)
        EXPECT_TRUE(batch->AddWord(word, true));
    EXPECT_TRUE(batch->RemoveWord(words[3]));
    // The batch sees its own words, nobody else does before the commit.
    EXPECT_TRUE(batch->Contains(words[0]));
    EXPECT_FALSE(reader->Contains(words[0]));
    EXPECT_EQ(FileBytes(PathOf("batch.ox")), before);
    ASSERT_TRUE(batch->CommitChanges());
    EXPECT_EQ(batch->LastChangeError(), 0);
    EXPECT_TRUE(reader->Contains(words[0]));
    EXPECT_FALSE(reader->Contains(words[3]));
    EXPECT_EQ(FileBytes(PathOf("batch.ox")), FileBytes(DicoPath()));
    EXPECT_TRUE(CheckDictionaryFile(PathOf("batch.ox")).Sound());

    // An abandoned batch changes nothing.
    const Bytes committed = FileBytes(PathOf("batch.ox"));
    ASSERT_TRUE(batch->BeginChanges());
    batch->AddWord("QQQQQQ", false);
    batch->AbandonChanges();
    EXPECT_FALSE(batch->Contains("QQQQQQ"));
    EXPECT_EQ(FileBytes(PathOf("batch.ox")), committed);
}

TEST_F(DictionaryChanges, AWriterKilledAtAnyMomentLeavesTheOldWordsAndAPrefixOfTheNewOnes)
{
    WriteBaseDictionary(DicoPath());
    std::mt19937 random(4242);
    for (int round = 0; round < 12; ++round) {
        const Words original = AllWords(DicoPath());
        const Words added = NewWords(*TDictionnaire::Create(DicoPath(), 'R'), 40, 100 + unsigned(round));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // One change per word, as the dictionary manager makes them.
            auto dico = TDictionnaire::Create(DicoPath(), 'W');
            for (const std::string &word : added)
                dico->AddWord(word, true);
            _exit(0);
        }
        usleep(useconds_t(random() % 40000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const int prefix = AddedPrefix(AllWords(DicoPath()), original, added);
        EXPECT_GE(prefix, 0) << "round " << round;
        EXPECT_TRUE(CheckDictionaryFile(DicoPath()).Sound()) << "round " << round;
    }
    // The next change clears what killed writers left behind.
    ASSERT_TRUE(TDictionnaire::Create(DicoPath(), 'W')->AddWord("ZZZYZZ", false));
    EXPECT_EQ(FolderEntries(), Words{"test.ox"});
}

TEST_F(DictionaryChanges, ReadersSeeOnlyTheStatesBeforeOrAfterEachChange)
{
    WriteBaseDictionary(DicoPath());
    const std::string rack = "MAISONT";
    const std::string line(15, '*');
    const Words noChecks(15);
    // The words added: MAIS followed by letters of the rack (so that the
    // board search finds them) or by others.
    Words added;
    {
        auto dico = TDictionnaire::Create(DicoPath(), 'R');
        for (const char *ending : {"O", "N", "T", "ON", "NO", "OT", "TO", "NT", "TN", "ONT", "TON", "NTO"})
            if (!dico->Contains(std::string("MAIS") + ending))
                added.push_back(std::string("MAIS") + ending);
        for (const std::string &word : NewWords(*dico, 12, 9, "MAIS"))
            added.push_back(word);
    }
    // Every answer of every state, from a copy changed the same way.
    std::filesystem::copy_file(DicoPath(), PathOf("copy.ox"));
    std::vector<Words> starting, placeable;
    {
        auto copy = TDictionnaire::Create(PathOf("copy.ox"), 'W');
        for (std::size_t k = 0;; ++k) {
            starting.push_back(copy->WordsStartingWith("MAIS"));
            placeable.push_back(copy->PlaceableWords(rack, 7, 2, 15, line, noChecks));
            if (k == added.size())
                break;
            ASSERT_TRUE(copy->AddWord(added[k], true));
        }
    }

    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        auto dico = TDictionnaire::Create(DicoPath(), 'W');
        for (const std::string &word : added)
            dico->AddWord(word, true);
        _exit(0);
    }
    std::atomic<int> wrong{0};
    auto read = [&] {
        auto dico = TDictionnaire::Create(DicoPath(), 'R');
        std::size_t seen = 0; // answers move forward only
        for (int query = 0; query < 150; ++query) {
            const Words words = dico->WordsStartingWith("MAIS");
            const auto state = std::find(starting.begin() + std::ptrdiff_t(seen), starting.end(), words);
            if (state == starting.end())
                ++wrong;
            else
                seen = std::size_t(state - starting.begin());
            if (!dico->Contains("MAISON") || !dico->Contains("MAISERIE") || !dico->Contains("CHAT"))
                ++wrong;
            if (std::find(placeable.begin(), placeable.end(),
                          dico->PlaceableWords(rack, 7, 2, 15, line, noChecks)) == placeable.end())
                ++wrong;
        }
    };
    std::thread first(read), second(read);
    first.join();
    second.join();
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(TDictionnaire::Create(DicoPath(), 'R')->WordsStartingWith("MAIS"), starting.back());
}

TEST_F(DictionaryChanges, TwoWritersAtOnceLoseNoWord)
{
    WriteBaseDictionary(DicoPath());
    const Words original = AllWords(DicoPath());
    const Words words = NewWords(*TDictionnaire::Create(DicoPath(), 'R'), 40, 77);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            auto dico = TDictionnaire::Create(DicoPath(), 'W');
            bool all = true;
            for (std::size_t i = std::size_t(w); i < words.size(); i += 2)
                all = dico->AddWord(words[i], true) && all;
            _exit(all ? 0 : 1);
        }
    }
    for (pid_t writer : writers) {
        int status = 0;
        waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Words expected = original;
    expected.insert(expected.end(), words.begin(), words.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(AllWords(DicoPath()), expected);
    EXPECT_EQ(FolderEntries(), Words{"test.ox"});
}

TEST_F(DictionaryChanges, StaleTemporaryFilesGoAtTheNextChangeAndOnlyThey)
{
    Build({"CHAT"});
    for (const char *name : {"test.ox.123-4.tmp", "test.ox.notes.tmp", "autre.ox.5-6.tmp"})
        WriteFile(PathOf(name), Bytes{1, 2, 3});
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    EXPECT_TRUE(dico->AddWord("CHIEN", false));
    EXPECT_EQ(FolderEntries(), (Words{"autre.ox.5-6.tmp", "test.ox", "test.ox.notes.tmp"}));
}

TEST_F(DictionaryChanges, AChangeKeepsTheFilesPermissionsAndALinkStaysALink)
{
    Build({"CHAT"});
    std::filesystem::permissions(DicoPath(), std::filesystem::perms(0640));
    std::filesystem::create_symlink(DicoPath(), PathOf("lien.ox"));
    EXPECT_TRUE(TDictionnaire::Create(PathOf("lien.ox"), 'W')->AddWord("CHIEN", false));
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("lien.ox")));
    EXPECT_EQ(std::filesystem::status(DicoPath()).permissions(), std::filesystem::perms(0640));
    EXPECT_TRUE(TDictionnaire::Create(DicoPath(), 'R')->Contains("CHIEN"));
}

// An import that cannot be written: the old file stays, byte for byte, and
// nothing is left beside it.
class FullDisk : public DictionaryChanges {
protected:
    // Runs an import of 1,000 words in a child process whose files may not
    // grow past the dictionary's size; returns the errno the commit gave.
    int ImportWithASizeLimit(const std::string &path)
    {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return -1;
        const auto size = std::filesystem::file_size(path);
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
            const rlimit limit{rlim_t(size), rlim_t(size)};
            setrlimit(RLIMIT_FSIZE, &limit);
            auto dico = TDictionnaire::Create(path, 'W');
            const Words words = NewWords(*dico, 1000, 3);
            int error = -1;
            if (dico->BeginChanges()) {
                for (const std::string &word : words)
                    dico->AddWord(word, true);
                error = dico->CommitChanges() ? 0 : dico->LastChangeError();
            }
            const ssize_t written = write(pipeFds[1], &error, sizeof error);
            _exit(written == sizeof error ? 0 : 1);
        }
        close(pipeFds[1]);
        int error = -1;
        const ssize_t got = read(pipeFds[0], &error, sizeof error);
        close(pipeFds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        return got == sizeof error ? error : -1;
    }
};

TEST_F(FullDisk, AnImportPastTheFileSizeLimitLeavesTheOldFile)
{
    WriteBaseDictionary(DicoPath());
    const Bytes before = FileBytes(DicoPath());
    EXPECT_EQ(ImportWithASizeLimit(DicoPath()), EFBIG);
    EXPECT_EQ(FileBytes(DicoPath()), before);
    EXPECT_EQ(FolderEntries(), Words{"test.ox"});
}

TEST_F(FullDisk, AnImportOnAFullFileSystemLeavesTheOldFile)
{
    const std::string mountPoint = PathOf("petit");
    std::filesystem::create_directory(mountPoint);
    WriteBaseDictionary(DicoPath());
    const auto size = std::filesystem::file_size(DicoPath());
    // Room for the old file and half of it again: the new one cannot be written.
    const std::string options = "size=" + std::to_string(size + size / 2 + 8192);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, options.c_str()) != 0)
        GTEST_SKIP() << "no small tmpfs could be mounted here (" << std::strerror(errno)
                     << "); the size-limit test covers the full disk";
    const std::string path = mountPoint + "/LDico.ox";
    std::filesystem::copy_file(DicoPath(), path);
    const Bytes before = FileBytes(path);
    auto dico = TDictionnaire::Create(path, 'W');
    ASSERT_TRUE(dico->BeginChanges());
    for (const std::string &word : NewWords(*dico, 1000, 3))
        dico->AddWord(word, true);
    EXPECT_FALSE(dico->CommitChanges());
    EXPECT_EQ(dico->LastChangeError(), ENOSPC);
    EXPECT_EQ(FileBytes(path), before);
    std::vector<std::string> left;
    for (const auto &entry : std::filesystem::directory_iterator(mountPoint))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, Words{"LDico.ox"});
    dico.reset();
    umount2(mountPoint.c_str(), MNT_DETACH);
}

} // namespace

TEST_F(FullDisk, AnExportOnAFullFileSystemLeavesTheEarlierExport)
{
    const std::string mountPoint = PathOf("export");
    std::filesystem::create_directory(mountPoint);
    WriteBaseDictionary(DicoPath());
    auto dico = TDictionnaire::Create(DicoPath(), 'R');
    // Room for a small earlier export only.
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=8192") != 0)
        GTEST_SKIP() << "no small tmpfs could be mounted here (" << std::strerror(errno) << ")";
    const std::string target = mountPoint + "/mots.txt";
    {
        std::ofstream earlier(target, std::ios::binary);
        earlier << "ANCIEN\r\n";
    }
    const Bytes before = FileBytes(target);
    const bool exported = dico->ExportWords(target, true, true);
    const Bytes after = FileBytes(target);
    std::vector<std::string> left;
    for (const auto &entry : std::filesystem::directory_iterator(mountPoint))
        left.push_back(entry.path().filename().string());
    umount2(mountPoint.c_str(), MNT_DETACH);
    EXPECT_FALSE(exported) << "the whole list does not fit";
    EXPECT_EQ(after, before);
    EXPECT_EQ(left, Words{"mots.txt"});
}
