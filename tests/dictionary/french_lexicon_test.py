# SPDX-License-Identifier: GPL-3.0-or-later
"""The filters that turn the French lexicon and the dictionary index into
the word lists, on small inputs (the lexicon itself is not needed)."""
import os
import tempfile
import unittest

import french_lexicon as lexicon


class Folding(unittest.TestCase):
    def test_accents_and_ligatures(self):
        self.assertEqual(lexicon.fold("élève"), "ELEVE")
        self.assertEqual(lexicon.fold("cœur"), "COEUR")
        self.assertEqual(lexicon.fold("ex-æquo"), None)
        self.assertEqual(lexicon.fold("naïf"), "NAIF")
        self.assertEqual(lexicon.fold("aujourd’hui"), None)


class MainWords(unittest.TestCase):
    def test_tags_capitals_vowels_and_the_lists(self):
        entries = [
            ("chat", ":N:m:s/*"),
            ("km", ":N:m:i;S/*"),  # symbol
            ("etc", ":ÉW/*"),  # abbreviation
            ("anti", ":Zp/*"),  # prefix
            ("com", ":Zs/*"),  # suffix
            ("ex", ":N:e:i/*"),  # a noun as well as an abbreviation
            ("ex", ":ÉW:ÉA/*"),
            ("Paris", ":MP:m:i/*"),  # capital
            ("porte-clé", ":N:m:s/*"),  # hyphen
            ("pst", ":J/*"),  # no vowel, allowed
            ("grrr", ":J/*"),  # no vowel, not allowed here
            ("y", ":W/*"),  # one letter
            ("qu", ":G:Cs:F/*"),  # denied
            ("élève", ":N:e:s/*"),
        ]
        words = lexicon.main_words(entries, allow={"PST", "AA"}, deny={"QU"})
        self.assertEqual(words, {"CHAT", "EX", "PST", "AA", "ELEVE"})


class CommonWords(unittest.TestCase):
    def test_base_forms_within_the_main_list(self):
        tags = {
            "maison": [":N:f:s/*"],
            "maisons": [":N:f:p/*"],  # plural
            "manger": [":V1_it_q_zz:Y/*"],  # infinitive
            "mangeons": [":V1_it_q_zz:Ip:1p/*"],
            "grand": [":A:m:s/*"],
            "grande": [":A:f:s/*"],
            "avant": [":N:m:s/*", ":G:R/*"],  # a function word too
            "moins": [":N:m:i/*", ":W/*"],  # on the stop-list
            "do": [":N:m:i/*"],  # too short
            "xylophone": [":N:m:s/*"],  # not in the main list
            "élan": [":N:m:s/*"],
        }
        headwords = list(tags) + ["Paris", "pomme de terre", "inconnu"]
        main = {"MAISON", "MAISONS", "MANGER", "MANGEONS", "GRAND", "GRANDE", "AVANT", "MOINS", "DO", "ELAN"}
        words = lexicon.common_words(headwords, lambda form: tags.get(form, []), main, stop={"MOINS"})
        self.assertEqual(words, {"MAISON", "MANGER", "GRAND", "ELAN"})


class SmallFiles(unittest.TestCase):
    def test_comments_and_bad_lines(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "liste.txt")
            with open(path, "w", encoding="utf-8") as out:
                out.write("# un commentaire\nbrrr\n\nhmm  # après un mot\n")
            self.assertEqual(lexicon.read_word_file(path), {"BRRR", "HMM"})
            with open(path, "w", encoding="utf-8") as out:
                out.write("porte-clé\n")
            with self.assertRaises(ValueError):
                lexicon.read_word_file(path)

    def test_index_headwords_skip_the_database_entries(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "index")
            with open(path, "w", encoding="utf-8") as out:
                out.write("00databaseinfo\tc\t4u\nabaque\tIej\t7\n à\t8m\ts\n")
            self.assertEqual(list(lexicon.index_headwords(path)), ["abaque", "à"])


if __name__ == "__main__":
    unittest.main()
