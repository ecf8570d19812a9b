"""French and Spanish descriptions, read off the English ones with the phrase lists of words_*.py.

An English description is a chain of clauses joined by " - ", ": " or ", ", each with an optional
note in brackets such as "(Bank 1 Sensor 2)". A clause is a listed phrase, a listed part followed
by a listed failure kind ("Fuel Level Sensor "A"" + "Circuit Low"), which becomes "part – kind",
or a listed lead followed by a clause ("Lost Communication With" + "TCM").
The kind names its own noun ("circuit tension basse", "blocage en position ouverte"), so nothing
in it has to agree with the part's gender. Numbers and quoted letters are lifted out before the
lookup (the lists write "#" and '"?"' for them) and put back in the same order, so one list line
serves a whole family and no translation can change, lose or reorder a number.

Because every lookup is keyed by the English words alone (in any letter case), the same English
phrase always becomes the same French and Spanish phrase.
"""

import re

import table_words
import words_kinds
import words_makers
import words_modules
import words_parts
import words_transmission

TOKEN = re.compile(r'"[A-Z]"|\b\d+\b')
MARKER = re.compile(r'"\?"|#')
# Clause separators: English, French, Spanish.
SEPARATORS = ((" - ", " – ", " – "), (": ", " : ", ": "), (", ", ", ", ", "))


def parse(block):
    """The lines "English | French | Spanish" of a list, keyed by the lower-case English."""
    entries = {}
    for line in block.strip().splitlines():
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 3 or not all(fields):
            raise ValueError(f"not 'English | French | Spanish': {line!r}")
        merge(entries, fields[0], (fields[1], fields[2]))
    return entries


def merge(entries, english, translations):
    key = english.lower()
    if entries.get(key, translations) != translations:
        raise ValueError(f"two translations of {english!r}: {entries[key]} and {translations}")
    for text in translations:
        if MARKER.findall(text) != MARKER.findall(english):
            raise ValueError(f"numbers or letters of {english!r} not kept in {text!r}")
    entries[key] = translations


def kind_list():
    kinds = parse(words_kinds.KINDS)
    for table in (table_words.KINDS, table_words.MAKER_KINDS):
        for english, _, french, spanish in table.values():
            merge(kinds, english, (french, spanish))
    return kinds


def phrase_list():
    phrases = {}
    for block in (words_parts.PARTS, words_transmission.PARTS, words_modules.PARTS, words_makers.PHRASES):
        for key, translations in parse(block).items():
            merge(phrases, key, translations)
    return phrases


KINDS = kind_list()
NOTES = parse(words_kinds.NOTES)
LEADS = parse(words_kinds.LEADS)
PHRASES = phrase_list()


def lower_first(text):
    """Lower-cases the first word of a clause that goes after a separator, unless it is an
    abbreviation or a code ("EGR", "O2", "NOx")."""
    word = text.split(" ")[0]
    if any(c.isupper() or c.isdigit() for c in word[1:]):
        return text
    return text[0].lower() + text[1:]


def joined(head, separators, tail):
    return tuple(h + s + lower_first(t) for h, s, t in zip(head, separators, tail))


def phrase(text):
    found = PHRASES.get(text.lower()) or KINDS.get(text.lower())
    if found:
        return found
    words = text.split(" ")
    for i in range(len(words) - 1, 0, -1):
        part = PHRASES.get(" ".join(words[:i]).lower())
        kind = KINDS.get(" ".join(words[i:]).lower())
        if part and kind:
            return joined(part, (" – ", " – "), kind)
    return None


def describe(text):
    """French and Spanish templates for an English template, or None."""
    found = phrase(text)
    if found:
        return found
    if text.endswith(")"):
        start = text.rfind(" (")
        note = NOTES.get(text[start + 2:-1].lower()) if start > 0 else None
        rest = describe(text[:start]) if note else None
        if rest:
            return tuple(f"{r} ({n})" for r, n in zip(rest, note))
    for english, *separators in SEPARATORS:
        at = text.find(english)
        while at > 0:
            head, tail = describe(text[:at]), describe(text[at + len(english):])
            if head and tail:
                return joined(head, separators, tail)
            at = text.find(english, at + 1)
    for lead, translations in LEADS.items():
        if text.lower().startswith(lead + " "):
            rest = describe(text[len(lead) + 1:])
            if rest:
                return joined(translations, (" – ", " – "), rest)
    return None


def template_of(english):
    """The English text with "#" for each number and '"?"' for each quoted letter."""
    return TOKEN.sub(lambda m: '"?"' if m.group().startswith('"') else "#", english)


def translate(english):
    """(French, Spanish) for an English description; None where the lists lack a phrase."""
    tokens = TOKEN.findall(english)
    found = describe(template_of(english))
    if not found:
        return None
    result = []
    for text in found:
        values = iter(tokens)
        text = MARKER.sub(lambda m: next(values), text)
        result.append(text[0].upper() + text[1:])
    return tuple(result)


def missing(english_texts):
    """The templates of the texts that translate() cannot translate, each once, in order."""
    seen = {}
    for english in english_texts:
        if translate(english) is None:
            seen.setdefault(template_of(english))
    return list(seen)
