"""Shared vocabulary of the fault-code table generator: failure kinds and their German forms.

Every description is a part name followed by a failure kind and, where needed, a location such as
"(Bank 1 Sensor 2)". Writing both languages from the same pieces keeps the tables in step.
"""

# Failure kinds: key -> (English, German)
KINDS = {
    "C": ("Circuit", "Stromkreis"),
    "M": ("Circuit Malfunction", "Stromkreis Fehlfunktion"),
    "R": ("Circuit Range/Performance", "Stromkreis Bereich/Funktion"),
    "L": ("Circuit Low", "Stromkreis Signal zu niedrig"),
    "H": ("Circuit High", "Stromkreis Signal zu hoch"),
    "I": ("Circuit Intermittent", "Stromkreis sporadisch"),
    "E": ("Circuit Intermittent/Erratic", "Stromkreis sporadisch/unplausibel"),
    "N": ("Circuit No Signal", "Stromkreis kein Signal"),
    "O": ("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"),
    "c": ("Control Circuit", "Ansteuerkreis"),
    "o": ("Circuit/Open", "Stromkreis/Unterbrechung"),
    "Q": ("Control Circuit Range/Performance", "Ansteuerkreis Bereich/Funktion"),
    "l": ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"),
    "h": ("Control Circuit High", "Ansteuerkreis Signal zu hoch"),
    "P": ("Performance", "Funktion"),
    "S": ("Performance or Stuck Off", "Funktion oder hängt aus"),
    "T": ("Stuck On", "hängt ein"),
    "X": ("Electrical", "elektrischer Fehler"),
    "Y": ("Intermittent", "sporadischer Fehler"),
    "V": ("Low Voltage", "Spannung zu niedrig"),
    "W": ("High Voltage", "Spannung zu hoch"),
    "s": ("Slow Response", "Ansprechverhalten zu langsam"),
    "n": ("No Activity Detected", "keine Aktivität erkannt"),
    "A": ("Heater Circuit", "Heizungsstromkreis"),
    "a": ("Sense Circuit", "Messkreis"),
    "p": ("Too Many Pulses", "zu viele Impulse"),
    "f": ("Too Few Pulses", "zu wenige Impulse"),
    "e": ("Intermittent/Erratic Pulses", "sporadische/unplausible Impulse"),
    "z": ("No Pulse", "kein Impuls"),
    "G": ("Stuck Open", "klemmt offen"),
    "K": ("Stuck Closed", "klemmt geschlossen"),
    "j": ("Circuit Open", "Stromkreis Unterbrechung"),
    "k": ("Circuit Shorted", "Stromkreis Kurzschluss"),
}

# Makers' own families use the words of their workshop manuals.
MAKER_KINDS = {
    "b+": ("Short to B+", "Kurzschluss nach Plus"),
    "gnd": ("Short to Ground", "Kurzschluss nach Masse"),
    "open": ("Open Circuit", "Unterbrechung"),
    "impl": ("Implausible Signal", "unplausibles Signal"),
    "low": ("Signal Too Low", "Signal zu klein"),
    "high": ("Signal Too High", "Signal zu groß"),
    "mech": ("Mechanical Fault", "mechanischer Fehler"),
    "limit": ("Adaptation Limit Reached", "Adaptionsgrenze erreicht"),
    "range": ("Out of Self-Test Range", "außerhalb des Selbsttestbereichs"),
    "intm": ("Intermittent", "sporadisch"),
}


def join(name, kind, where=None, kinds=KINDS):
    """English and German description of name with failure kind at the optional location."""
    en_kind, de_kind = kinds[kind]
    en = f"{name[0]} {en_kind}"
    de = f"{name[1]} – {de_kind}"
    if where:
        en += f" ({where[0]})"
        de += f" ({where[1]})"
    return en, de


def bank_sensor(bank, sensor):
    return (f"Bank {bank} Sensor {sensor}", f"Bank {bank} Sonde {sensor}")


def bank(number):
    return (f"Bank {number}", f"Bank {number}")


def cylinder(number):
    return (f"Cylinder {number}", f"Zylinder {number}")


LETTERS = "ABCDEFGHIJKL"
