// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/saved_game_dump.h"
#include "framework/savefile/saved_game_header.h"
#include "stream_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

using namespace savefile;

namespace {

std::string SampleGame()
{
    std::ostringstream out;
    {
        TypedWriter w(out);
        WriteSavedGameHeader(w, 3, {"OXA/Ludorine 1.0", "bertin", "10/12/2026 06:00:00"});
        w.WriteString("F");
        w.WriteString("T");
        w.WriteListBegin();
        w.WriteInteger(300);
        w.WriteString("Cl\xE9");
        w.WriteListBegin();
        w.WriteBoolean(true);
        w.WriteListEnd();
        w.WriteListEnd();
        w.WriteFloat(2.5L);
    }
    return out.str();
}

std::string Dump(const std::string &bytes, bool &whole, std::string &error)
{
    std::istringstream in(bytes);
    std::ostringstream out;
    whole = DumpSavedGame(in, out, error);
    return out.str();
}

struct ProgramRun {
    int exitCode;
    std::string output;
};

ProgramRun RunSaveProgram(const std::string &arguments)
{
    ProgramRun run{-1, {}};
    FILE *pipe = popen((std::string(LUDORINE_SAVE_PROGRAM) + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return run;
    char chunk[512];
    std::size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.output.append(chunk, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

TEST(SavedGameDump, ListsHeaderAndEveryValueWithListsIndented)
{
    bool whole = false;
    std::string error;
    const std::string listing = Dump(SampleGame(), whole, error);
    EXPECT_TRUE(whole) << error;
    EXPECT_EQ(listing, "identification: \"Ludorine 3\" ok\n"
                       "kind: 3\n"
                       "origin: \"OXA/Ludorine 1.0\" ok\n"
                       "owner: \"bertin\" ok\n"
                       "date: \"10/12/2026 06:00:00\" ok\n"
                       "kind again: 3\n"
                       "string \"F\"\n"
                       "string \"T\"\n"
                       "list\n"
                       "  integer 300\n"
                       "  utf8 string \"Clé\"\n"
                       "  list\n"
                       "    boolean true\n"
                       "  end of list\n"
                       "end of list\n"
                       "float 2.5\n");
}

TEST(SavedGameDump, ADamagedFileListsWhatWasReadThenFails)
{
    const std::string game = SampleGame();
    bool whole = true;
    std::string error;
    const std::string listing = Dump(game.substr(0, game.size() - 4), whole, error);
    EXPECT_FALSE(whole);
    EXPECT_NE(listing.find("boolean true"), std::string::npos);
    EXPECT_NE(error.find("fin de fichier"), std::string::npos) << error;

    std::string badCheck = game;
    badCheck[2] = badCheck[2] == 'A' ? 'B' : 'A';
    const std::string checked = Dump(badCheck, whole, error);
    EXPECT_FALSE(whole);
    EXPECT_NE(checked.find("identification: "), std::string::npos);
    EXPECT_NE(checked.find(" bad\n"), std::string::npos);
}

TEST(SavedGameDump, ProgramExitCodes)
{
    const std::string path = testing::TempDir() + "/dump_sample.Ldr";
    {
        std::ofstream file(path, std::ios::binary);
        file << SampleGame();
    }
    const ProgramRun good = RunSaveProgram("dump " + path);
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_NE(good.output.find("kind: 3\n"), std::string::npos);

    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << SampleGame().substr(0, 30);
    }
    EXPECT_EQ(RunSaveProgram("dump " + path).exitCode, 1);
    EXPECT_EQ(RunSaveProgram("dump " + path + ".missing").exitCode, 1);
    EXPECT_EQ(RunSaveProgram("list " + path).exitCode, 2);
    std::remove(path.c_str());
}

// Random and mutated files never crash or hang the reader: every mutation
// of a real saved game either lists to the end or stops with an error.
TEST(SavedGameDump, SurvivesThousandsOfMutations)
{
    const std::string game = SampleGame();
    std::mt19937 random(20261210);
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = game;
        const int kind = round % 4;
        if (kind == 0) {
            for (int flips = 1 + random() % 4; flips > 0; --flips)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        } else if (kind == 1) {
            bytes.resize(random() % bytes.size());
        } else if (kind == 2) {
            bytes.insert(random() % bytes.size(), 1 + random() % 8, static_cast<char>(random()));
        } else {
            bytes.assign(random() % 300, '\0');
            for (char &c : bytes)
                c = static_cast<char>(random());
        }
        bool whole = false;
        std::string error;
        Dump(bytes, whole, error);
        EXPECT_TRUE(whole || !error.empty());
    }
}
