#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The word lists the dictionary files are built from.

The main list holds the forms of the French lexicon that Debian's
python3-grammalecte package installs (its "fr-allvars" dictionary, classical
and reformed spellings), read through the package's own API: forms made of
letters only and written without a capital, except those the lexicon's tags
mark as symbols (";S"), abbreviations (":É"), prefixes (":Zp") or suffixes
(":Zs"). A word without a vowel is kept only when the allow-list names it;
the allow-list's words are added, the deny-list's taken out.

The common-words list holds the single-word headwords of a French-English
dictionary index (dictd format) that the lexicon gives as base forms (a
noun in the singular, an infinitive, an adjective in the masculine
singular), that are no function word, have 3 to 12 letters, are in the main
list and not in the stop-list.

Lists are written one word per line, folded to the capitals A to Z the
dictionary files hold, sorted, so that a build is reproducible.
"""
import argparse
import re
import sys
import unicodedata

VOWELS = set("AEIOUY")
DROPPED_TAGS = re.compile(r";S|:É|:Zp|:Zs")
BASE_FORM = re.compile(r"^:N:[mfe]:[si]|^:V[0-3][^:]*:Y|^:A:[me]:[si]")
FUNCTION_WORD = re.compile(r"^:G")


def fold(form):
    """Capitals A to Z without accents (œ and æ become OE and AE); None for
    a form holding anything else."""
    form = form.replace("œ", "oe").replace("æ", "ae").replace("Œ", "OE").replace("Æ", "AE")
    plain = "".join(c for c in unicodedata.normalize("NFD", form) if unicodedata.category(c) != "Mn")
    plain = plain.upper()
    return plain if plain.isascii() and plain.isalpha() else None


def read_word_file(path):
    """The folded words of a small list file: one per line, '#' starts a comment."""
    words = set()
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            text = line.split("#", 1)[0].strip()
            if text:
                word = fold(text)
                if word is None:
                    raise ValueError(f"{path}: « {text} » n'est pas un mot")
                words.add(word)
    return words


def main_words(entries, allow, deny):
    """entries: (form, tags) pairs of the lexicon. A form is kept when one of
    its entries is; a word without a vowel only when allowed."""
    kept = set()
    for form, tags in entries:
        if not form.isalpha() or form != form.lower() or DROPPED_TAGS.search(tags):
            continue
        word = fold(form)
        if word is None or len(word) < 2:
            continue
        if not VOWELS.intersection(word) and word not in allow:
            continue
        kept.add(word)
    return (kept | allow) - deny


def common_words(headwords, morphologies, main, stop):
    """headwords: the index's entries; morphologies(form) gives the lexicon's
    tags of a form."""
    kept = set()
    for head in headwords:
        if not head.isalpha() or head != head.lower():
            continue
        tags = morphologies(head)
        if not any(BASE_FORM.search(t) for t in tags) or any(FUNCTION_WORD.search(t) for t in tags):
            continue
        word = fold(head)
        if word is not None and 3 <= len(word) <= 12 and word in main and word not in stop:
            kept.add(word)
    return kept


def index_headwords(path):
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            head = line.split("\t", 1)[0].strip()
            if head and not head.startswith("00database"):
                yield head


def lexicon():
    from grammalecte.graphspell.ibdawg import IBDAWG

    return IBDAWG("fr-allvars.json")


def write(path, words):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        for word in sorted(words):
            out.write(word + "\n")


def run(arguments):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--allow", required=True)
    parser.add_argument("--deny", required=True)
    parser.add_argument("--stop", required=True)
    parser.add_argument("--index", required=True, help="the dictd index of the common words' headwords")
    parser.add_argument("--within", help="a word list the common words must belong to instead of the main list")
    parser.add_argument("--main", help="where the main list goes (none: not written)")
    parser.add_argument("--common", required=True, help="where the common-words list goes")
    options = parser.parse_args(arguments)

    dictionary = lexicon()
    allow = read_word_file(options.allow)
    deny = read_word_file(options.deny)
    words = main_words(((form, tags) for form, _, tags in dictionary.select()), allow, deny)
    if options.main:
        write(options.main, words)
    if options.within:
        with open(options.within, "rb") as raw:
            text = raw.read()
        try:
            lines = text.decode("utf-8").splitlines()
        except UnicodeDecodeError:
            lines = text.decode("latin-1").splitlines()
        words = {w for w in (fold(line.strip().lower()) for line in lines if line.strip()) if w}
    morph = lambda form: [m.split("/", 1)[1] for m in dictionary.getMorph(form) if "/" in m]
    common = common_words(index_headwords(options.index), morph, words, read_word_file(options.stop))
    write(options.common, common)
    print(f"{len(words)} mots, {len(common)} mots courants")
    return 0


if __name__ == "__main__":
    sys.exit(run(sys.argv[1:]))
