"""Collects the records of one maker in both languages, numbering codes the way J2012 counts."""

from table_words import KINDS, join


def step(code, k):
    """The code k places after code: P0109 + 1 is P0110 (codes count in decimal)."""
    return f"{code[0]}{int(code[1:]) + k:04d}"


class Table:
    def __init__(self, maker):
        self.maker = maker
        self.records = {}  # code -> (English, German), in insertion order

    def one(self, code, en, de):
        if code in self.records:
            raise ValueError(f"{self.maker}: {code} given twice")
        self.records[code] = (en, de)

    def fam(self, start, name, kinds, where=None, vocabulary=KINDS):
        """Consecutive codes from start: one per failure kind letter (or key list)."""
        keys = kinds.split() if " " in kinds else list(kinds)
        for i, kind in enumerate(keys):
            en, de = join(name, kind, where, vocabulary)
            self.one(step(start, i), en, de)
        return step(start, len(keys))

    def seq(self, start, items):
        """Consecutive codes from start, one per (English, German) pair."""
        for i, (en, de) in enumerate(items):
            self.one(step(start, i), en, de)
        return step(start, len(items))

    def rows(self):
        return [(code, self.maker, en, de) for code, (en, de) in sorted(self.records.items(),
                key=lambda item: ("PCBU".index(item[0][0]), item[0][1:]))]
