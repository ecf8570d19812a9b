"""Shared vocabulary of the fault-code table generator: failure kinds in four languages.

Every description is a part name followed by a failure kind and, where needed, a location such as
"(Bank 1 Sensor 2)". Writing the languages from the same pieces keeps the tables in step. The
French and Spanish kinds are noun phrases of their own ("circuit tension basse", "bloqueo en
posición abierta"): they follow the part after a dash, so they never have to agree with it.
"""

# Failure kinds: key -> (English, German, French, Spanish)
KINDS = {
    "C": ("Circuit", "Stromkreis", "circuit", "circuito"),
    "M": ("Circuit Malfunction", "Stromkreis Fehlfunktion", "dysfonctionnement du circuit", "mal funcionamiento del circuito"),
    "R": ("Circuit Range/Performance", "Stromkreis Bereich/Funktion", "plage/performances du circuit", "rango/rendimiento del circuito"),
    "L": ("Circuit Low", "Stromkreis Signal zu niedrig", "circuit tension basse", "circuito tensión baja"),
    "H": ("Circuit High", "Stromkreis Signal zu hoch", "circuit tension haute", "circuito tensión alta"),
    "I": ("Circuit Intermittent", "Stromkreis sporadisch", "circuit intermittent", "circuito intermitente"),
    "E": ("Circuit Intermittent/Erratic", "Stromkreis sporadisch/unplausibel", "circuit intermittent/erratique", "circuito intermitente/errático"),
    "N": ("Circuit No Signal", "Stromkreis kein Signal", "circuit sans signal", "circuito sin señal"),
    "O": ("Control Circuit/Open", "Ansteuerkreis/Unterbrechung", "circuit de commande/ouvert", "circuito de control/abierto"),
    "c": ("Control Circuit", "Ansteuerkreis", "circuit de commande", "circuito de control"),
    "o": ("Circuit/Open", "Stromkreis/Unterbrechung", "circuit/ouvert", "circuito/abierto"),
    "Q": ("Control Circuit Range/Performance", "Ansteuerkreis Bereich/Funktion", "plage/performances du circuit de commande", "rango/rendimiento del circuito de control"),
    "l": ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig", "circuit de commande tension basse", "circuito de control tensión baja"),
    "h": ("Control Circuit High", "Ansteuerkreis Signal zu hoch", "circuit de commande tension haute", "circuito de control tensión alta"),
    "P": ("Performance", "Funktion", "performances", "rendimiento"),
    "S": ("Performance or Stuck Off", "Funktion oder hängt aus", "performances ou blocage à l'arrêt", "rendimiento o bloqueo en apagado"),
    "T": ("Stuck On", "hängt ein", "blocage en marche", "bloqueo en encendido"),
    "X": ("Electrical", "elektrischer Fehler", "défaut électrique", "fallo eléctrico"),
    "Y": ("Intermittent", "sporadischer Fehler", "défaut intermittent", "fallo intermitente"),
    "V": ("Low Voltage", "Spannung zu niedrig", "tension basse", "tensión baja"),
    "W": ("High Voltage", "Spannung zu hoch", "tension haute", "tensión alta"),
    "s": ("Slow Response", "Ansprechverhalten zu langsam", "réponse lente", "respuesta lenta"),
    "n": ("No Activity Detected", "keine Aktivität erkannt", "aucune activité détectée", "no se detecta actividad"),
    "A": ("Heater Circuit", "Heizungsstromkreis", "circuit de chauffage", "circuito del calefactor"),
    "a": ("Sense Circuit", "Messkreis", "circuit de mesure", "circuito de medición"),
    "p": ("Too Many Pulses", "zu viele Impulse", "trop d'impulsions", "demasiados impulsos"),
    "f": ("Too Few Pulses", "zu wenige Impulse", "pas assez d'impulsions", "impulsos insuficientes"),
    "e": ("Intermittent/Erratic Pulses", "sporadische/unplausible Impulse", "impulsions intermittentes/erratiques", "impulsos intermitentes/erráticos"),
    "z": ("No Pulse", "kein Impuls", "aucune impulsion", "sin impulsos"),
    "G": ("Stuck Open", "klemmt offen", "blocage en position ouverte", "bloqueo en posición abierta"),
    "K": ("Stuck Closed", "klemmt geschlossen", "blocage en position fermée", "bloqueo en posición cerrada"),
    "j": ("Circuit Open", "Stromkreis Unterbrechung", "circuit ouvert", "circuito abierto"),
    "k": ("Circuit Shorted", "Stromkreis Kurzschluss", "circuit en court-circuit", "circuito en cortocircuito"),
}

# Makers' own families use the words of their workshop manuals.
MAKER_KINDS = {
    "b+": ("Short to B+", "Kurzschluss nach Plus", "court-circuit au plus", "cortocircuito a positivo"),
    "gnd": ("Short to Ground", "Kurzschluss nach Masse", "court-circuit à la masse", "cortocircuito a masa"),
    "open": ("Open Circuit", "Unterbrechung", "circuit ouvert", "circuito abierto"),
    "impl": ("Implausible Signal", "unplausibles Signal", "signal non plausible", "señal no plausible"),
    "low": ("Signal Too Low", "Signal zu klein", "signal trop faible", "señal demasiado baja"),
    "high": ("Signal Too High", "Signal zu groß", "signal trop élevé", "señal demasiado alta"),
    "mech": ("Mechanical Fault", "mechanischer Fehler", "défaut mécanique", "fallo mecánico"),
    "limit": ("Adaptation Limit Reached", "Adaptionsgrenze erreicht", "limite d'adaptation atteinte", "límite de adaptación alcanzado"),
    "range": ("Out of Self-Test Range", "außerhalb des Selbsttestbereichs", "hors plage d'autotest", "fuera del rango de autodiagnóstico"),
    "intm": ("Intermittent", "sporadisch", "défaut intermittent", "fallo intermitente"),
}


def join(name, kind, where=None, kinds=KINDS):
    """English and German description of name with failure kind at the optional location."""
    en_kind, de_kind = kinds[kind][:2]
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
