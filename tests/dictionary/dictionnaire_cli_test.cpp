// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary commands of ludorine-dico: exit statuses, words given in
// UTF-8 or Latin-1, and the argument lists of the board searches.
#include <algorithm>
#include <cstdlib>
#include <sys/wait.h>

#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

class DicoCommands : public DictionaryFileTest {
protected:
    // Runs ludorine-dico with `arguments` (quoted for the shell) on the test
    // dictionary; keeps the standard output, returns the exit status.
    // `limits` (shell commands) run first in the same shell.
    int Run(const std::string &command, const std::string &arguments = "", const std::string &limits = "")
    {
        const std::string line = limits + "'" + LUDORINE_DICO_PROGRAM + "' " + command + " '" + DicoPath() +
                                 "' " + arguments + " >'" + PathOf("out.txt") + "' 2>'" + PathOf("err.txt") +
                                 "'";
        const int status = std::system(line.c_str());
        out_ = ReadText(PathOf("out.txt"));
        err_ = ReadText(PathOf("err.txt"));
        std::filesystem::remove(PathOf("out.txt"));
        std::filesystem::remove(PathOf("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string out_, err_;
};

TEST_F(DicoCommands, LookupsAndUpdates)
{
    EXPECT_EQ(Run("contains", "CHAT"), 1); // no dictionary file
    EXPECT_EQ(Run("add", "--user 'élève' \"$(printf 'C\\342PRE')\" chat CHAT"),
              0); // UTF-8, Latin-1, lower case
    EXPECT_EQ(out_, "ELEVE\nCAPRE\nCHAT\n");
    EXPECT_EQ(Run("contains", "chat"), 0);
    EXPECT_EQ(out_, "CHAT\n");
    EXPECT_EQ(Run("contains", "'élève'"), 1); // the lookup itself does not fold accents
    EXPECT_EQ(Run("state", "CHA"), 0);
    EXPECT_EQ(out_, "0\n");

    EXPECT_EQ(Run("remove", "chat"), 0);
    EXPECT_EQ(Run("remove", "chat"), 1);
    EXPECT_EQ(Run("export", "- --user"), 0);
    EXPECT_EQ(out_, "ELEVE\r\nCAPRE\r\n");
    EXPECT_EQ(Run("clear-user"), 0);
    EXPECT_EQ(Run("export", "- --user"), 0);
    EXPECT_EQ(out_, "");
    EXPECT_EQ(Run("stats"), 0);
    EXPECT_EQ(out_.substr(0, 8), "$N$ 2\n$L");

    EXPECT_EQ(Run("contains"), 2);
    EXPECT_EQ(Run("random", "3 deux 5"), 2);
    EXPECT_EQ(Run("matching", "''"), 2);
}

TEST_F(DicoCommands, AddReportsWhatTheFileHoldsAndFailsWhenTheDiskIsFull)
{
    Build({"CHAT", "CHIEN"});
    const Bytes before = FileBytes(DicoPath());
    std::string words;
    for (int i = 0; i < 150; ++i)
        words += " Z" + std::string(1, char('A' + i % 26)) + std::string(1, char('A' + i / 26)) + "Q";
    // Files of this shell may not grow past 512 bytes; the signal that would
    // kill the program is ignored, so the write fails with EFBIG instead.
    EXPECT_EQ(Run("add", words, "trap '' XFSZ; ulimit -f 1; "), 1);
    EXPECT_EQ(out_, "");
    EXPECT_NE(err_.find("Le dictionnaire n'a pas été modifié"), std::string::npos) << err_;
    EXPECT_EQ(FileBytes(DicoPath()), before);
    EXPECT_EQ(FolderEntries(), Words{"test.ox"});

    // Without the limit every word is stored, and said so.
    EXPECT_EQ(Run("add", words), 0);
    EXPECT_EQ(std::count(out_.begin(), out_.end(), '\n'), 150);
    EXPECT_EQ(TDictionnaire::Create(DicoPath(), 'R')->WordsStartingWith("Z").size(), 150u);
}

TEST_F(DicoCommands, Searches)
{
    Build({"RAT", "RATS", "ART", "TAR", "AT", "AS"});
    EXPECT_EQ(Run("anagrams", "'ra*'"), 0);
    EXPECT_EQ(out_, "ARt\nRAt\ntAR\n");
    EXPECT_EQ(Run("starting", "RA"), 0);
    EXPECT_EQ(out_, "RAT\nRATS\n");
    EXPECT_EQ(Run("matching", "'*A*'"), 0);
    EXPECT_EQ(out_, "RAT\nTAR\n");
    EXPECT_EQ(Run("random", "2 2 2"), 0);
    EXPECT_EQ(out_, "AS\nAT\n");
    // One cross-check per square: the third square must complete A*.
    EXPECT_EQ(Run("placeable", "RAT 0 2 '***' '' '' 'A*'"), 0);
    EXPECT_EQ(out_, "ART\nAT\nRAT\n");
    EXPECT_EQ(Run("placeable", "RAT 0 2 '***' ''"), 2);
    // Cross-checks then heights: a full stack on the first square.
    EXPECT_EQ(Run("stackable", "AT 2 'R**' '' '' '' 5 0 0"), 0);
    EXPECT_EQ(out_, "RAT\n");
    EXPECT_EQ(Run("stackable", "AT 2 'R**' '' '' '' 5 0"), 2);
}

} // namespace
