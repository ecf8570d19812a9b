"""Generic powertrain codes P2000-P2A05 and cylinder deactivation P3400-P3497."""

from generic_p5 import CIRCUIT_RLHI, CTRL_RLH, OPEN_LOW_HIGH, RLH, SOLENOID, SPEED_SENSOR, with_kinds

Q = '"'


def letter(x):
    return f"{Q}{x}{Q}"


def at(items, where):
    """Appends a location such as (Bank 1) to every pair."""
    return [(f"{e} ({where[0]})", f"{d} ({where[1]})") for e, d in items]


BS = lambda b, s: (f"Bank {b} Sensor {s}", f"Bank {b} Sonde {s}")  # noqa: E731
BK = lambda b: (f"Bank {b}", f"Bank {b}")  # noqa: E731
OPEN_LH = (("Circuit/Open", "Stromkreis/Unterbrechung"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
           ("Circuit High", "Stromkreis Signal zu hoch"))
ERRATIC5 = CIRCUIT_RLHI[:4] + (("Circuit Intermittent/Erratic", "Stromkreis sporadisch/unplausibel"),)


def add_p2_000(t):
    t.seq("P2000", [(f"NOx Trap Efficiency Below Threshold (Bank {b})", f"NOx-Speicherkatalysator – Wirkungsgrad unter Schwellwert (Bank {b})") for b in (1, 2)] +
          [(f"Particulate Trap Efficiency Below Threshold (Bank {b})", f"Partikelfilter – Wirkungsgrad unter Schwellwert (Bank {b})") for b in (1, 2)] +
          [(f"Intake Manifold Runner Control Stuck Open (Bank {b})", f"Saugrohrklappen – klemmen offen (Bank {b})") for b in (1, 2)] +
          [(f"Intake Manifold Runner Control Stuck Closed (Bank {b})", f"Saugrohrklappen – klemmen geschlossen (Bank {b})") for b in (1, 2)])
    imrc = ("Intake Manifold Runner Control", "Saugrohrklappensteuerung")
    t.seq("P2008", at(with_kinds(imrc, OPEN_LH), BK(1)) + at(with_kinds(imrc, OPEN_LH), BK(2)))
    pos = ("Intake Manifold Runner Position Sensor/Switch", "Saugrohrklappen-Positionsgeber")
    t.seq("P2014", at(with_kinds(pos, CIRCUIT_RLHI), BK(1)) + at(with_kinds(pos, CIRCUIT_RLHI), BK(2)))
    t.seq("P2024", with_kinds(("Evaporative Emissions (EVAP) Fuel Vapor Temperature Sensor", "Kraftstoffdampf-Temperaturfühler"),
                              (("Circuit", "Stromkreis"), ("Performance", "Funktion"), ("Circuit Low Voltage", "Stromkreis Spannung zu niedrig"),
                               ("Circuit High Voltage", "Stromkreis Spannung zu hoch"), ("Circuit Intermittent", "Stromkreis sporadisch"))) +
          [("Fuel Fired Heater Disabled", "Kraftstoffbetriebene Standheizung abgeschaltet"),
           ("Fuel Fired Heater Performance", "Kraftstoffbetriebene Standheizung – Funktion")])
    egt = ("Exhaust Gas Temperature Sensor", "Abgastemperaturfühler")
    egt3 = (("Circuit", "Stromkreis"), ("Circuit Low", "Stromkreis Signal zu niedrig"), ("Circuit High", "Stromkreis Signal zu hoch"))
    t.seq("P2031", at(with_kinds(egt, egt3), BS(1, 2)) + at(with_kinds(egt, egt3), BS(2, 2)))
    t.seq("P2037", with_kinds(("Reductant Injection Air Pressure Sensor", "Reduktionsmittel-Einblasluftdruckgeber"), CIRCUIT_RLHI))
    t.seq("P2042", with_kinds(("Reductant Temperature Sensor", "Reduktionsmitteltemperaturfühler"), CIRCUIT_RLHI))
    inj = ("Reductant Injector", "Reduktionsmittel-Dosierventil")
    for start, b, u in (("P2047", 1, 1), ("P2050", 2, 1), ("P2053", 1, 2), ("P2056", 2, 2)):
        t.seq(start, at(with_kinds(inj, OPEN_LH), (f"Bank {b} Unit {u}", f"Bank {b} Einheit {u}")))
    t.seq("P2059", with_kinds(("Reductant Injection Air Pump", "Reduktionsmittel-Luftpumpe"), OPEN_LOW_HIGH))
    t.seq("P2062", with_kinds(("Reductant Supply", "Reduktionsmittelversorgung"), OPEN_LOW_HIGH))
    t.seq("P2065", with_kinds(("Fuel Level Sensor " + letter("B"), "Kraftstoffstandgeber " + letter("B")), CIRCUIT_RLHI))
    t.seq("P2070", [
        ("Intake Manifold Tuning (IMT) Valve Stuck Open", "Saugrohrumschaltventil klemmt offen"),
        ("Intake Manifold Tuning (IMT) Valve Stuck Closed", "Saugrohrumschaltventil klemmt geschlossen"),
        ("Electronic Throttle Control System - Ice Blockage", "Elektronische Drosselklappe – blockiert durch Eis"),
        ("Manifold Absolute Pressure/Mass Air Flow - Throttle Position Correlation at Idle",
         "Saugrohrdruck/Luftmasse – Korrelation mit Drosselklappenstellung im Leerlauf"),
        ("Manifold Absolute Pressure/Mass Air Flow - Throttle Position Correlation at Higher Load",
         "Saugrohrdruck/Luftmasse – Korrelation mit Drosselklappenstellung bei höherer Last"),
    ])
    t.seq("P2075", with_kinds(("Intake Manifold Tuning (IMT) Valve Position Sensor/Switch", "Saugrohrumschaltventil-Positionsgeber"), CIRCUIT_RLHI))
    ri = (("Circuit Range/Performance", "Stromkreis Bereich/Funktion"), ("Circuit Intermittent", "Stromkreis sporadisch"))
    t.seq("P2080", at(with_kinds(egt, ri), BS(1, 1)) + at(with_kinds(egt, ri), BS(2, 1)) +
          at(with_kinds(egt, ri), BS(1, 2)) + at(with_kinds(egt, ri), BS(2, 2)))
    lh = (("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"), ("Control Circuit High", "Ansteuerkreis Signal zu hoch"))
    items = []
    for b in (1, 2):
        for x in "AB":
            items += at(with_kinds((letter(x) + " Camshaft Position Actuator", "Nockenwellenversteller " + letter(x)), lh), BK(b))
    t.seq("P2088", items)
    t.seq("P2096", [
        (f"Post Catalyst Fuel Trim System Too {m} (Bank {b})", f"Gemischadaption nach Katalysator – zu {d} (Bank {b})")
        for b in (1, 2) for m, d in (("Lean", "mager"), ("Rich", "fett"))])


def add_p2_100(t):
    ta = ("Throttle Actuator " + letter("A") + " Control Motor", "Drosselklappenstellmotor " + letter("A"))
    t.seq("P2100", with_kinds(ta, (("Circuit/Open", "Stromkreis/Unterbrechung"),) + RLH) + [
        ("Throttle Actuator Control System - Forced Idle", "Drosselklappensteuerung – Zwangsleerlauf"),
        ("Throttle Actuator Control System - Forced Engine Shutdown", "Drosselklappensteuerung – Zwangsabschaltung des Motors"),
        ("Throttle Actuator Control System - Forced Limited Power", "Drosselklappensteuerung – Leistungsbegrenzung aktiv"),
        ("Throttle Actuator Control Module Processor", "Drosselklappensteuergerät – Prozessor"),
        ("Throttle Actuator Control Module Performance", "Drosselklappensteuergerät – Funktion"),
        ("Throttle/Pedal Position Sensor " + letter("A") + " Minimum Stop Performance", "Drosselklappen-/Pedalwertgeber " + letter("A") + " – unterer Anschlag Funktion"),
        ("Throttle Actuator Control System - Forced Limited RPM", "Drosselklappensteuerung – Drehzahlbegrenzung aktiv"),
        ("Throttle Actuator " + letter("A") + " Control System - Stuck Open", "Drosselklappensteller " + letter("A") + " – klemmt offen"),
        ("Throttle Actuator " + letter("A") + " Control System - Stuck Closed", "Drosselklappensteller " + letter("A") + " – klemmt geschlossen"),
    ] + [("Throttle/Pedal Position Sensor " + letter(x) + " Minimum Stop Performance",
          "Drosselklappen-/Pedalwertgeber " + letter(x) + " – unterer Anschlag Funktion") for x in "BCDEF"] + [
        ("Throttle Actuator " + letter("A") + " Control Motor Current Range/Performance", "Drosselklappenstellmotor " + letter("A") + " – Strom Bereich/Funktion"),
        ("Throttle Actuator " + letter("A") + " Control Throttle Body Range/Performance", "Drosselklappensteller " + letter("A") + " – Drosselklappenteil Bereich/Funktion"),
    ])
    for start, x in (("P2120", "D"), ("P2125", "E"), ("P2130", "F")):
        t.seq(start, with_kinds(("Throttle/Pedal Position Sensor/Switch " + letter(x), "Drosselklappen-/Pedalwertgeber " + letter(x)), CIRCUIT_RLHI))
    t.seq("P2135", [(f"Throttle/Pedal Position Sensor/Switch {letter(a)}/{letter(b)} Voltage Correlation",
                     f"Drosselklappen-/Pedalwertgeber {letter(a)}/{letter(b)} – Spannungskorrelation")
                    for a, b in (("A", "B"), ("A", "C"), ("B", "C"), ("D", "E"), ("D", "F"), ("E", "F"))])
    t.seq("P2141", with_kinds(("Exhaust Gas Recirculation Throttle", "AGR-Drosselklappe"), OPEN_LOW_HIGH[1:]) +
          with_kinds(("Exhaust Gas Recirculation Vent", "AGR-Belüftung"), OPEN_LOW_HIGH))
    items = []
    for x in "ABCD":
        items += with_kinds(("Fuel Injector Group " + letter(x) + " Supply Voltage", "Einspritzdüsengruppe " + letter(x) + " – Versorgungsspannung"), OPEN_LH)
    t.seq("P2146", items)
    vb = ("Vehicle Speed Sensor " + letter("B"), "Geschwindigkeitsgeber " + letter("B"))
    t.seq("P2158", with_kinds(vb, (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                                   ("Intermittent/Erratic", "sporadisch/unplausibel"))) +
          [("Vehicle Speed Sensor " + letter("A") + "/" + letter("B") + " Correlation", "Geschwindigkeitsgeber " + letter("A") + "/" + letter("B") + " – Korrelation")] +
          [("Throttle/Pedal Position Sensor " + letter(x) + " Maximum Stop Performance", "Drosselklappen-/Pedalwertgeber " + letter(x) + " – oberer Anschlag Funktion")
           for x in "ABCDEF"])
    t.seq("P2169", with_kinds(("Exhaust Pressure Regulator Vent Solenoid", "Abgasdruckregler-Belüftungsventil"), OPEN_LOW_HIGH))
    tac = ("Throttle Actuator Control System", "Drosselklappensteuerung")
    t.seq("P2172", with_kinds(tac, (("- Sudden High Airflow Detected", "plötzlich hoher Luftdurchsatz erkannt"),
                                    ("- High Airflow Detected", "hoher Luftdurchsatz erkannt"),
                                    ("- Sudden Low Airflow Detected", "plötzlich niedriger Luftdurchsatz erkannt"),
                                    ("- Low Airflow Detected", "niedriger Luftdurchsatz erkannt"),
                                    ("- Idle Position Not Learned", "Leerlaufstellung nicht angelernt"))))
    mix = lambda where, wde: [(f"System Too {m} {where} (Bank {b})", f"Gemisch zu {d} {wde} (Bank {b})")  # noqa: E731
                              for b in (1, 2) for m, d in (("Lean", "mager"), ("Rich", "fett"))]
    t.seq("P2177", mix("Off Idle", "außerhalb des Leerlaufs") + [("Cooling System Performance", "Kühlsystem – Funktion")] +
          with_kinds(("Engine Coolant Temperature Sensor 2", "Kühlmitteltemperaturfühler 2"), ERRATIC5) +
          mix("at Idle", "im Leerlauf") + mix("at Higher Load", "bei höherer Last"))
    t.seq("P2195", [(f"O2 Sensor Signal Stuck {m} (Bank {b} Sensor 1)", f"Lambdasondensignal hängt {d} (Bank {b} Sonde 1)")
                    for b in (1, 2) for m, d in (("Lean", "mager"), ("Rich", "fett"))] +
          [("Intake Air Temperature Sensor 1/2 Correlation", "Ansauglufttemperaturfühler 1/2 – Korrelation")])


def add_p2_200(t):
    items = []
    for b in (1, 2):
        nox = ("NOx Sensor", "NOx-Sensor")
        items += at(with_kinds(nox, CIRCUIT_RLHI), BK(b))
        items += at(with_kinds(("NOx Sensor Heater", "NOx-Sensorheizung"), OPEN_LOW_HIGH), BK(b))
        items += at(with_kinds(("NOx Sensor Heater Sense", "NOx-Sensorheizung Messkreis"),
                               (("Circuit", "Stromkreis"),) + RLH + (("Circuit Intermittent", "Stromkreis sporadisch"),)), BK(b))
    t.seq("P2200", items)
    t.seq("P2226", with_kinds(("Barometric Pressure", "Luftdruck"), CIRCUIT_RLHI))
    t.seq("P2231", [(f"O2 Sensor Signal Circuit Shorted to Heater Circuit (Bank {b} Sensor {s})",
                     f"Lambdasonde – Signal mit Heizungsstromkreis kurzgeschlossen (Bank {b} Sonde {s})")
                    for b in (1, 2) for s in (1, 2, 3)])
    o2 = ("O2 Sensor", "Lambdasonde")
    items = []
    for b in (1, 2):
        items += at(with_kinds(o2, (("Positive Current Control Circuit/Open", "Pluspumpstrom-Ansteuerkreis/Unterbrechung"),
                                    ("Positive Current Control Circuit Low", "Pluspumpstrom-Ansteuerkreis Signal zu niedrig"),
                                    ("Positive Current Control Circuit High", "Pluspumpstrom-Ansteuerkreis Signal zu hoch"))), BS(b, 1))
    for b in (1, 2):
        items += at(with_kinds(o2, (("Reference Voltage Circuit/Open", "Referenzspannung Stromkreis/Unterbrechung"),
                                    ("Reference Voltage Performance", "Referenzspannung Funktion"),
                                    ("Reference Voltage Circuit Low", "Referenzspannung Stromkreis Signal zu niedrig"),
                                    ("Reference Voltage Circuit High", "Referenzspannung Stromkreis Signal zu hoch"))), BS(b, 1))
    for b in (1, 2):
        items += at(with_kinds(o2, (("Negative Current Control Circuit/Open", "Minuspumpstrom-Ansteuerkreis/Unterbrechung"),
                                    ("Negative Current Control Circuit Low", "Minuspumpstrom-Ansteuerkreis Signal zu niedrig"),
                                    ("Negative Current Control Circuit High", "Minuspumpstrom-Ansteuerkreis Signal zu hoch"))), BS(b, 1))
    t.seq("P2237", items)
    air = ("Secondary Air Injection System Control", "Sekundärluftsystem Ansteuerung")
    t.seq("P2257", [(f"{air[0]} {letter(x)} Circuit {m}", f"{air[1]} {letter(x)} – Stromkreis Signal zu {d}")
                    for x in "AB" for m, d in (("Low", "niedrig"), ("High", "hoch"))] + [
        ("Turbo/Super Charger Bypass Valve - Mechanical", "Schubumluftventil des Laders – mechanischer Fehler"),
        ("Turbo/Super Charger Boost Pressure Not Detected - Mechanical", "Ladedruck nicht erkannt – mechanischer Fehler"),
        ("Turbo/Super Charger Boost System Performance", "Ladedrucksystem – Funktion"),
    ] + with_kinds(("Water in Fuel Sensor", "Wasser-im-Kraftstoff-Sensor"), CIRCUIT_RLHI) + [
        ("Water in Fuel Condition", "Wasser im Kraftstoff"),
    ] + [(f"O2 Sensor Signal Biased/Stuck {m} (Bank {b} Sensor {s})", f"Lambdasondensignal verschoben/hängt {d} (Bank {b} Sonde {s})")
         for s in (2, 3) for b in (1, 2) for m, d in (("Lean", "mager"), ("Rich", "fett"))] + [
        ("O2 Sensor Signals Swapped Bank 1 Sensor 3 / Bank 2 Sensor 3", "Lambdasondensignale vertauscht Bank 1 Sonde 3 / Bank 2 Sonde 3"),
        ("Intake Air System Leak", "Undichtigkeit im Ansaugsystem"),
        ("Air Flow Restriction / Air Leak Between Air Filter and MAF", "Luftstrom behindert / Falschluft zwischen Luftfilter und Luftmassenmesser"),
        ("Air Leak Between MAF and Throttle Body", "Falschluft zwischen Luftmassenmesser und Drosselklappe"),
        ("Air Leak Between Throttle Body and Intake Valves", "Falschluft zwischen Drosselklappe und Einlassventilen"),
    ] + with_kinds(("Injector Control Pressure Sensor", "Einspritzsteuerdruckgeber"), CIRCUIT_RLHI) + [
        ("Injector Control Pressure Too High", "Einspritzsteuerdruck zu hoch"),
        ("Injector Control Pressure Too High - Engine Off", "Einspritzsteuerdruck zu hoch – Motor aus"),
        ("Injector Control Pressure Too Low", "Einspritzsteuerdruck zu niedrig"),
        ("Injector Control Pressure Too Low - Engine Cranking", "Einspritzsteuerdruck zu niedrig – beim Anlassen"),
        ("Injector Control Pressure Erratic", "Einspritzsteuerdruck unplausibel"),
        ("Fuel Pressure Regulator 2 Performance", "Kraftstoffdruckregler 2 – Funktion"),
    ] + with_kinds(("Fuel Pressure Regulator 2", "Kraftstoffdruckregler 2"), (("Control Circuit", "Ansteuerkreis"),) + OPEN_LOW_HIGH[1:]) + [
        ("O2 Sensor Out of Range During Deceleration (Bank 1 Sensor 1)", "Lambdasonde außerhalb des Bereichs im Schubbetrieb (Bank 1 Sonde 1)"),
        ("O2 Sensor Out of Range During Deceleration (Bank 2 Sensor 1)", "Lambdasonde außerhalb des Bereichs im Schubbetrieb (Bank 2 Sonde 1)"),
        ("Brake Pedal Position / Accelerator Pedal Position Incompatible", "Bremspedal- und Fahrpedalstellung unvereinbar"),
    ])


def add_p2_300(t):
    items = []
    for x in "ABCDEFGHIJKL":
        items += [(f"Ignition Coil {letter(x)} Primary Control Circuit {m}", f"Zündspule {letter(x)} – Primär-Ansteuerkreis Signal zu {d}")
                  for m, d in (("Low", "niedrig"), ("High", "hoch"))]
    t.seq("P2300", items)
    t.seq("P2336", [(f"Cylinder {n} Above Knock Threshold", f"Zylinder {n} – Klopfschwelle überschritten") for n in range(1, 13)])
    evap = ("Evaporative Emission System", "Kraftstoffverdunstungsanlage")
    t.seq("P2400", with_kinds((evap[0] + " Leak Detection Pump", evap[1] + " Leckdiagnosepumpe"),
                              OPEN_LOW_HIGH + (("Sense Circuit/Open", "Messkreis/Unterbrechung"), ("Sense Circuit Range/Performance", "Messkreis Bereich/Funktion"),
                                               ("Sense Circuit Low", "Messkreis Signal zu niedrig"), ("Sense Circuit High", "Messkreis Signal zu hoch"),
                                               ("Sense Circuit Intermittent/Erratic", "Messkreis sporadisch/unplausibel"))) +
          with_kinds(("Fuel Cap Sensor/Switch", "Tankdeckelgeber/-schalter"), ERRATIC5) + [
        ("Exhaust Gas Recirculation System Performance", "Abgasrückführung – Systemfunktion"),
        ("O2 Sensor Exhaust Sample Error (Bank 1 Sensor 1)", "Lambdasonde – Fehler in der Abgasprobe (Bank 1 Sonde 1)"),
        ("O2 Sensor Exhaust Sample Error (Bank 2 Sensor 1)", "Lambdasonde – Fehler in der Abgasprobe (Bank 2 Sonde 1)"),
        ("O2 Sensor Signals Swapped Bank 1 Sensor 2 / Bank 1 Sensor 3", "Lambdasondensignale vertauscht Bank 1 Sonde 2 / Bank 1 Sonde 3"),
        ("O2 Sensor Signals Swapped Bank 2 Sensor 2 / Bank 2 Sensor 3", "Lambdasondensignale vertauscht Bank 2 Sonde 2 / Bank 2 Sonde 3"),
    ] + with_kinds((evap[0] + " Switching Valve", evap[1] + " Umschaltventil"), OPEN_LOW_HIGH) + [
        (evap[0] + " Vent Valve Stuck Open", evap[1] + " – Belüftungsventil klemmt offen"),
        (evap[0] + " Vent Valve Stuck Closed", evap[1] + " – Belüftungsventil klemmt geschlossen"),
        ("HC Adsorption Catalyst Efficiency Below Threshold (Bank 1)", "HC-Adsorptionskatalysator – Wirkungsgrad unter Schwellwert (Bank 1)"),
        ("HC Adsorption Catalyst Efficiency Below Threshold (Bank 2)", "HC-Adsorptionskatalysator – Wirkungsgrad unter Schwellwert (Bank 2)"),
    ] + with_kinds(("Exhaust Gas Recirculation Cooling Valve", "AGR-Kühlerventil"), OPEN_LOW_HIGH) + [
        ("Exhaust Gas Temperature Too High (Bank 1)", "Abgastemperatur zu hoch (Bank 1)"),
        ("Exhaust Gas Temperature Too High (Bank 2)", "Abgastemperatur zu hoch (Bank 2)"),
    ])
    sai = ("Secondary Air Injection System", "Sekundärluftsystem")
    items = []
    for b in (1, 2):
        items += at(with_kinds((sai[0] + " Air Flow/Pressure Sensor", sai[1] + " Luftmassen-/Druckgeber"), ERRATIC5), BK(b))
    for what, wde in (("Switching Valve", "Umschaltventil"), ("Pump", "Pumpe")):
        for b in (1, 2):
            states = (("Stuck Open", "klemmt offen"), ("Stuck Closed", "klemmt geschlossen")) if what != "Pump" else \
                     (("Stuck On", "hängt ein"), ("Stuck Off", "hängt aus"))
            items += at([(f"{sai[0]} {what} {e}", f"{sai[1]} {wde} – {d}") for e, d in states], BK(b))
    t.seq("P2430", items)
    dpf = ("Diesel Particulate Filter " + letter("A") + " Pressure Sensor", "Partikelfilter-Differenzdruckgeber " + letter("A"))
    t.seq("P2450", [(evap[0] + " Switching Valve Performance/Stuck Open", evap[1] + " Umschaltventil – Funktion/klemmt offen"),
                    (evap[0] + " Switching Valve Stuck Closed", evap[1] + " Umschaltventil – klemmt geschlossen")] +
          with_kinds(dpf, ERRATIC5) + [
        ("Exhaust Gas Recirculation Cooling System Performance", "AGR-Kühlsystem – Funktion"),
        ("Diesel Particulate Filter Regeneration Duration", "Partikelfilter – Regenerationsdauer"),
        ("Diesel Particulate Filter Regeneration Frequency", "Partikelfilter – Regenerationshäufigkeit"),
    ])
    t.one("P2463", "Diesel Particulate Filter Restriction - Soot Accumulation", "Partikelfilter zugesetzt – Rußbeladung")


def add_p2_500(t):
    t.seq("P2500", [
        ("Generator Lamp/L-Terminal Circuit Low", "Generatorleuchte/Klemme L – Stromkreis Signal zu niedrig"),
        ("Generator Lamp/L-Terminal Circuit High", "Generatorleuchte/Klemme L – Stromkreis Signal zu hoch"),
        ("Charging System Voltage", "Ladespannung"),
        ("Charging System Voltage Low", "Ladespannung zu niedrig"),
        ("Charging System Voltage High", "Ladespannung zu hoch"),
    ] + with_kinds(("ECM/PCM Power Input Signal", "Motorsteuergerät – Versorgungseingang"),
                   (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"), ("Intermittent", "sporadisch"))) + [
        ("ECM/PCM Power Relay Sense Circuit Range/Performance", "Hauptrelais Motorsteuergerät – Messkreis Bereich/Funktion"),
        ("ECM/PCM Power Relay Sense Circuit Intermittent", "Hauptrelais Motorsteuergerät – Messkreis sporadisch"),
    ] + with_kinds(("Event Data Recorder Request", "Unfalldatenspeicher-Anforderung"), OPEN_LH) +
        with_kinds(("A/C Refrigerant Pressure Sensor " + letter("B"), "Kältemitteldruckgeber " + letter("B")), CIRCUIT_RLHI[:4]) +
        with_kinds(("A/C Request " + letter("A"), "Klimaanforderung " + letter("A")), (("Circuit", "Stromkreis"),) + RLH[1:]) +
        with_kinds(("A/C Request " + letter("B"), "Klimaanforderung " + letter("B")), (("Circuit", "Stromkreis"),) + RLH[1:]) +
        with_kinds(("Vacuum Reservoir Pressure Sensor", "Unterdruckspeicher-Druckgeber"), CIRCUIT_RLHI) +
        with_kinds(("Ignition Switch Run Position", "Zündschalter Stellung Fahrt"), (("Circuit", "Stromkreis"),) + RLH[1:]) +
        with_kinds(("Ignition Switch Run/Start Position", "Zündschalter Stellung Fahrt/Start"), (("Circuit", "Stromkreis"),) + RLH[1:]) +
        with_kinds(("Ignition Switch Accessory Position", "Zündschalter Stellung Zubehör"), (("Circuit", "Stromkreis"),) + RLH[1:]) +
        with_kinds(("Low Pressure Fuel System Sensor", "Kraftstoff-Niederdruckgeber"), CIRCUIT_RLHI) +
        with_kinds(("Torque Management Request Input Signal " + letter("A"), "Momentenanforderung Eingangssignal " + letter("A")),
                   (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"))) +
        with_kinds(("Torque Management Request Input Signal " + letter("B"), "Momentenanforderung Eingangssignal " + letter("B")),
                   (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"))) +
        with_kinds(("Throttle/Fuel Inhibit", "Drosselklappen-/Kraftstoffsperre"), (("Circuit", "Stromkreis"),) + RLH) +
        with_kinds(("Engine Coolant Level Sensor/Switch", "Kühlmittelstandgeber/-schalter"), CIRCUIT_RLHI[:4]) + [
        ("Engine Coolant Level Low", "Kühlmittelstand zu niedrig"),
        ("A/C Control Module Requested MIL Illumination", "Klimasteuergerät fordert Motorkontrollleuchte an"),
    ] + with_kinds(("Turbocharger Boost Control Position Sensor", "Ladedruckregelung Positionsgeber"), CIRCUIT_RLHI) +
        with_kinds(("Direct Ozone Reduction Catalyst Temperature Sensor", "Ozonkatalysator-Temperaturfühler"), ERRATIC5) +
        with_kinds(("Direct Ozone Reduction Catalyst Deterioration Sensor", "Ozonkatalysator-Alterungssensor"), ERRATIC5) + [
        ("Direct Ozone Reduction Catalyst Efficiency Below Threshold", "Ozonkatalysator – Wirkungsgrad unter Schwellwert"),
    ])


def add_p2_600(t):
    t.seq("P2600", with_kinds(("Coolant Pump " + letter("A"), "Kühlmittelpumpe " + letter("A")), CTRL_RLH) + [
        ("Intake Air Heater " + letter("A") + " Circuit Range/Performance", "Ansaugluftheizung " + letter("A") + " – Stromkreis Bereich/Funktion"),
    ] + with_kinds(("Intake Air Heater " + letter("B"), "Ansaugluftheizung " + letter("B")),
                   (("Circuit/Open", "Stromkreis/Unterbrechung"),) + RLH) + [
        ("Intake Air Heater System Performance", "Ansaugluftheizung – Systemfunktion"),
        ("ECM/PCM Internal Engine Off Timer Performance", "Motorsteuergerät – interner Abstellzeitzähler Funktion"),
    ] + with_kinds(("A/C Refrigerant Distribution Valve", "Kältemittel-Verteilventil"), OPEN_LOW_HIGH) +
        with_kinds(("Camshaft Position Signal Output", "Nockenwellensignal-Ausgang"), OPEN_LH) +
        with_kinds(("Crankshaft Position Signal Output", "Kurbelwellensignal-Ausgang"), OPEN_LH) +
        with_kinds(("Throttle Position Output", "Drosselklappensignal-Ausgang"), OPEN_LH) +
        with_kinds(("Injector Control Pressure Regulator", "Einspritzsteuerdruckregler"), OPEN_LH) +
        at(with_kinds(("O2 Sensor Pumping Current Trim", "Lambdasonde Pumpstromabgleich"), OPEN_LH), BS(1, 1)) +
        at(with_kinds(("O2 Sensor Pumping Current Trim", "Lambdasonde Pumpstromabgleich"), OPEN_LH), BS(2, 1)) +
        with_kinds(("Fuel Pump " + letter("B"), "Kraftstoffpumpe " + letter("B")), OPEN_LOW_HIGH) + [
        ("Fuel Pump " + letter("A") + " Low Flow/Performance", "Kraftstoffpumpe " + letter("A") + " – Fördermenge zu gering/Funktion"),
        ("Fuel Pump " + letter("B") + " Low Flow/Performance", "Kraftstoffpumpe " + letter("B") + " – Fördermenge zu gering/Funktion"),
    ] + with_kinds(("Torque Management Feedback Signal " + letter("A"), "Momentenrückmeldung " + letter("A")),
                   (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"))) +
        with_kinds(("Torque Management Feedback Signal " + letter("B"), "Momentenrückmeldung " + letter("B")),
                   (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"))))
    items = []
    for b in (1, 2):
        for x in "AB":
            items += at(with_kinds((letter(x) + " Rocker Arm Actuator", "Kipphebelsteller " + letter(x)),
                                   (("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"), ("System Performance or Stuck Off", "Systemfunktion oder hängt aus"),
                                    ("System Stuck On", "System hängt ein"), ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"),
                                    ("Control Circuit High", "Ansteuerkreis Signal zu hoch"))), BK(b))
    t.seq("P2645", items)
    t.seq("P2669", with_kinds(("Actuator Supply Voltage " + letter("B"), "Stellglied-Versorgungsspannung " + letter("B")), OPEN_LH) + [
        ("Injection Pump Timing Offset", "Einspritzpumpe – Förderbeginnversatz"),
        ("Injection Pump Calibration Error", "Einspritzpumpe – Kalibrierfehler"),
        ("Injection Pump Fuel Calibration Error", "Einspritzpumpe – Mengenkalibrierfehler"),
    ])


def add_p2_700(t):
    t.seq("P2700", [(f"Transmission Friction Element {letter(x)} Apply Time Range/Performance",
                     f"Getriebe-Reibelement {letter(x)} – Schaltzeit Bereich/Funktion") for x in "ABCDEF"] +
          with_kinds(("Shift Solenoid " + letter("F"), "Schaltventil " + letter("F")), SOLENOID) + [
        ("Unexpected Mechanical Gear Disengagement", "Unerwartetes mechanisches Herausspringen des Gangs"),
        ("Hydraulic Power Unit Leakage", "Hydraulikaggregat – Undichtigkeit"),
    ])
    items = []
    for x in "DEF":
        items += with_kinds(("Pressure Control Solenoid " + letter(x), "Druckregelventil " + letter(x)), SOLENOID)
        items += with_kinds(("Pressure Control Solenoid " + letter(x), "Druckregelventil " + letter(x)), CTRL_RLH)
    t.seq("P2713", items)
    t.seq("P2740", with_kinds(("Transmission Fluid Temperature Sensor " + letter("B"), "Getriebeöltemperaturfühler " + letter("B")), CIRCUIT_RLHI) +
          with_kinds(("Intermediate Shaft Speed Sensor " + letter("B"), "Zwischenwellendrehzahlgeber " + letter("B")), SPEED_SENSOR) +
          with_kinds(("Intermediate Shaft Speed Sensor " + letter("C"), "Zwischenwellendrehzahlgeber " + letter("C")), SPEED_SENSOR) +
          with_kinds(("Transmission Fluid Cooler", "Getriebeölkühler"), OPEN_LOW_HIGH) +
          with_kinds(("Torque Converter Clutch Pressure Control Solenoid", "Wandlerkupplungs-Druckregelventil"), SOLENOID) +
          with_kinds(("Torque Converter Clutch Pressure Control Solenoid", "Wandlerkupplungs-Druckregelventil"),
                     (("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"), ("Control Circuit Range/Performance", "Ansteuerkreis Bereich/Funktion"),
                      ("Control Circuit High", "Ansteuerkreis Signal zu hoch"), ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"))) +
          with_kinds(("Input/Turbine Speed Sensor " + letter("B"), "Eingangs-/Turbinendrehzahlgeber " + letter("B")), SPEED_SENSOR) +
          with_kinds(("Torque Converter Clutch", "Wandlerkupplung"), RLH[1:]) +
          with_kinds(("Four Wheel Drive (4WD) Low Switch", "Allrad-Untersetzungsschalter"), CIRCUIT_RLHI[:4]) +
          with_kinds(("Upshift Switch", "Hochschalttaster"), RLH + (("Circuit Intermittent/Erratic", "Stromkreis sporadisch/unplausibel"),)) +
          with_kinds(("Downshift Switch", "Runterschalttaster"), RLH + (("Circuit Intermittent/Erratic", "Stromkreis sporadisch/unplausibel"),)) + [
        ("Torque Converter Temperature Too High", "Wandlertemperatur zu hoch"),
        ("Input/Turbine Speed Sensor " + letter("A") + "/" + letter("B") + " Correlation", "Eingangs-/Turbinendrehzahlgeber " + letter("A") + "/" + letter("B") + " – Korrelation"),
        ("Clutch Actuator Temperature Too High", "Kupplungssteller – Temperatur zu hoch"),
        ("Gear Shift Actuator Temperature Too High", "Gangsteller – Temperatur zu hoch"),
        ("Clutch Temperature Too High", "Kupplungstemperatur zu hoch"),
        ("Auto Shift Manual Adaptive Learning at Limit", "Automatisiertes Schaltgetriebe – Adaptionsgrenze erreicht"),
        ("Clutch Adaptive Learning at Limit", "Kupplung – Adaptionsgrenze erreicht"),
    ] + with_kinds(("Gate Select Direction", "Gassenwahlrichtung"), (("Circuit", "Stromkreis"),) + RLH[1:]) +
          with_kinds(("Gear Shift Direction", "Schaltrichtung"), (("Circuit", "Stromkreis"),) + RLH[1:]) + [
        ("Auxiliary Transmission Fluid Pump Control Circuit", "Getriebe-Zusatzölpumpe – Ansteuerkreis"),
        ("Auxiliary Transmission Fluid Pump Performance", "Getriebe-Zusatzölpumpe – Funktion"),
        ("Transmission Fluid Cooler Performance", "Getriebeölkühler – Funktion"),
    ])


def add_p2_800(t):
    t.seq("P2800", with_kinds(("Transmission Range Sensor " + letter("B") + " (PRNDL Input)", "Wählhebelstellungsgeber " + letter("B") + " (PRNDL-Eingang)"),
                              CIRCUIT_RLHI) + [
        ("Transmission Range Sensor " + letter("A") + "/" + letter("B") + " Correlation", "Wählhebelstellungsgeber " + letter("A") + "/" + letter("B") + " – Korrelation"),
        ("Transmission Range Sensor Alignment", "Wählhebelstellungsgeber – Justierung"),
    ])
    items = []
    for x in "GH":
        items += with_kinds(("Pressure Control Solenoid " + letter(x), "Druckregelventil " + letter(x)), SOLENOID)
        items += with_kinds(("Pressure Control Solenoid " + letter(x), "Druckregelventil " + letter(x)), CTRL_RLH)
        items += with_kinds(("Shift Solenoid " + letter(x), "Schaltventil " + letter(x)), SOLENOID)
        items += with_kinds(("Shift Solenoid " + letter(x), "Schaltventil " + letter(x)), CTRL_RLH)
    t.seq("P2807", items)
    for i, (b, s) in enumerate(((1, 1), (1, 2), (1, 3), (2, 1), (2, 2), (2, 3))):
        t.one(f"P2A0{i}", f"O2 Sensor Circuit Range/Performance (Bank {b} Sensor {s})",
              f"Lambdasonde – Stromkreis Bereich/Funktion (Bank {b} Sonde {s})")


def add_p3_400(t):
    t.one("P3400", "Cylinder Deactivation System (Bank 1)", "Zylinderabschaltung – System (Bank 1)")
    kinds = (("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"), ("Performance", "Funktion"),
             ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"), ("Control Circuit High", "Ansteuerkreis Signal zu hoch"))
    for n in range(1, 13):
        base = 3401 + 8 * (n - 1)
        items = with_kinds((f"Cylinder {n} Deactivation/Intake Valve", f"Zylinder {n} Abschaltung/Einlassventil"), kinds)
        items += with_kinds((f"Cylinder {n} Exhaust Valve", f"Zylinder {n} Auslassventil"), kinds)
        t.seq(f"P{base:04d}", items)
    t.one("P3497", "Cylinder Deactivation System (Bank 2)", "Zylinderabschaltung – System (Bank 2)")


def add(t):
    add_p2_000(t)
    add_p2_100(t)
    add_p2_200(t)
    add_p2_300(t)
    add_p2_500(t)
    add_p2_600(t)
    add_p2_700(t)
    add_p2_800(t)
    add_p3_400(t)
