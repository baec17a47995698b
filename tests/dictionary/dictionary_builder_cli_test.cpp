// SPDX-License-Identifier: GPL-3.0-or-later
// The ludorine-dico program as a whole: exit statuses, messages and the file
// written by its build command.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

#include "dictionary_builder_test_support.h"

using namespace builder_test;

namespace {

class DicoProgram : public FolderTest {
protected:
    // Runs the program with `arguments` (already quoted for the shell);
    // returns its exit status and keeps its two output streams.
    int Run(const std::string &arguments)
    {
        const std::string command = std::string("'") + LUDORINE_DICO_PROGRAM + "' " + arguments + " >'" +
                                    PathOf("out.log") + "' 2>'" + PathOf("err.log") + "'";
        const int status = std::system(command.c_str());
        out_ = ReadText(PathOf("out.log"));
        err_ = ReadText(PathOf("err.log"));
        std::filesystem::remove(PathOf("out.log"));
        std::filesystem::remove(PathOf("err.log"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Quote(const std::string &path) const { return "'" + path + "'"; }

    static std::string ReadText(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string out_, err_;
};

TEST_F(DicoProgram, BadCommandLinesShowTheUsageAndExitWithTwo)
{
    for (const char *arguments : {"", "inconnue", "build", "build a b c"}) {
        EXPECT_EQ(Run(arguments), 2) << arguments;
        EXPECT_NE(err_.find("Usage : ludorine-dico COMMANDE"), std::string::npos) << arguments;
        EXPECT_NE(err_.find("build LISTE SORTIE"), std::string::npos) << arguments;
        EXPECT_TRUE(out_.empty()) << arguments;
    }
    EXPECT_EQ(Run("--help"), 0);
    EXPECT_NE(out_.find("build LISTE SORTIE"), std::string::npos);
}

TEST_F(DicoProgram, BuildWritesTheDictionaryAndTellsTheCounts)
{
    const std::string list = WriteText("mots.txt", "ab\r\nac\r\nParis\r\n");
    EXPECT_EQ(Run("build " + Quote(list) + " " + Quote(PathOf("LDico.ox"))), 0);
    EXPECT_NE(out_.find("2 mots gardés, 1 entrée écartée"), std::string::npos) << out_;
    EXPECT_TRUE(err_.empty()) << err_;
    EXPECT_EQ(WordsOfTrie(FileBytes(PathOf("LDico.ox"))), (std::vector<std::string>{"AB", "AC"}));
}

TEST_F(DicoProgram, AnExportBuildsBackIntoTheSameWords)
{
    const std::string list = WriteText("mots.txt", "élève\nELEVE\nchat\nCHAT\nchats\nParis\nporte-clé\n");
    const std::string first = PathOf("premier.ox");
    EXPECT_EQ(Run("build " + Quote(list) + " " + Quote(first)), 0);
    // Two duplicates once folded (ELEVE, CHAT), two entries really set aside.
    EXPECT_NE(out_.find("3 mots gardés, 2 doublons"), std::string::npos) << out_;
    EXPECT_NE(out_.find("2 entrées écartées"), std::string::npos) << out_;

    EXPECT_EQ(Run("export " + Quote(first) + " " + Quote(PathOf("export.txt"))), 0);
    EXPECT_EQ(Run("build " + Quote(PathOf("export.txt")) + " " + Quote(PathOf("second.ox"))), 0);
    EXPECT_NE(out_.find("3 mots gardés, 0 entrée écartée"), std::string::npos) << out_;
    EXPECT_EQ(FileBytes(PathOf("second.ox")), FileBytes(first));
}

TEST_F(DicoProgram, BuildFailuresExitWithOneAndSayWhy)
{
    const std::string output = PathOf("LDico.ox");
    EXPECT_EQ(Run("build " + Quote(PathOf("absent.txt")) + " " + Quote(output)), 1);
    EXPECT_NE(err_.find("Impossible de lire le fichier"), std::string::npos) << err_;

    EXPECT_EQ(Run("build " + Quote(WriteText("vide.txt", "Paris\n")) + " " + Quote(output)), 1);
    EXPECT_NE(err_.find("Aucun mot utilisable"), std::string::npos) << err_;

    const std::string list = WriteText("mots.txt", "ab\n");
    EXPECT_EQ(Run("build " + Quote(list) + " " + Quote(PathOf("absent/LDico.ox"))), 1);
    EXPECT_NE(err_.find("Impossible d'écrire le fichier"), std::string::npos) << err_;
    EXPECT_FALSE(std::filesystem::exists(output));
}

} // namespace
