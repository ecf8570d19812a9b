"""Generic powertrain codes P0001-P0499 (SAE J2012 titles in our own words)."""

from table_words import LETTERS, bank, bank_sensor

Q = '"'  # the quoted letters of J2012 titles


def letter(x):
    return f"{Q}{x}{Q}"


def add_p0_000(t):
    t.fam("P0001", ("Fuel Volume Regulator", "Kraftstoffmengenregler"), "ORlh")
    t.fam("P0005", ("Fuel Shutoff Valve " + letter("A"), "Kraftstoffabsperrventil " + letter("A")), "Olh")
    for b, c in ((1, "P0008"), (2, "P0009")):
        t.one(c, f"Engine Position System Performance (Bank {b})",
              f"Motorpositionssystem – Funktion (Bank {b})")
    for b, base in ((1, 10), (2, 20)):
        for i, x in enumerate("AB"):
            c = base + 3 * i
            t.one(f"P{c:04d}", f"{letter(x)} Camshaft Position Actuator Circuit (Bank {b})",
                  f"Nockenwellenversteller {letter(x)} – Stromkreis (Bank {b})")
            t.one(f"P{c + 1:04d}",
                  f"{letter(x)} Camshaft Position - Timing Over-Advanced or System Performance (Bank {b})",
                  f"Nockenwellenposition {letter(x)} – zu weit vorverstellt oder Systemfunktion (Bank {b})")
            t.one(f"P{c + 2:04d}", f"{letter(x)} Camshaft Position - Timing Over-Retarded (Bank {b})",
                  f"Nockenwellenposition {letter(x)} – zu weit spätverstellt (Bank {b})")
    for i, (b, s) in enumerate(((1, "A"), (1, "B"), (2, "A"), (2, "B"))):
        t.one(f"P{16 + i:04d}", f"Crankshaft Position - Camshaft Position Correlation (Bank {b} Sensor {s})",
              f"Kurbelwellen-/Nockenwellenposition – Korrelation (Bank {b} Geber {s})")
    for i, (v, vde, b) in enumerate((("Intake", "Einlass", 1), ("Exhaust", "Auslass", 1),
                                     ("Intake", "Einlass", 2), ("Exhaust", "Auslass", 2))):
        t.one(f"P{26 + i:04d}", f"{v} Valve Control Solenoid Circuit Range/Performance (Bank {b})",
              f"{vde}ventil-Steuermagnet – Stromkreis Bereich/Funktion (Bank {b})")
    heater = ("HO2S Heater", "Lambdasondenheizung")
    t.fam("P0030", heater, "clh", bank_sensor(1, 1))
    bypass = ("Turbocharger Bypass Valve", "Schubumluftventil")
    t.fam("P0033", bypass, "clh")
    t.fam("P0036", heater, "clh", bank_sensor(1, 2))
    t.one("P0039", "Turbo/Super Charger Bypass Valve Control Circuit Range/Performance",
          "Schubumluftventil Turbo-/Kompressorlader – Ansteuerkreis Bereich/Funktion")
    t.one("P0040", "O2 Sensor Signals Swapped Bank 1 Sensor 1 / Bank 2 Sensor 1",
          "Lambdasondensignale vertauscht Bank 1 Sonde 1 / Bank 2 Sonde 1")
    t.one("P0041", "O2 Sensor Signals Swapped Bank 1 Sensor 2 / Bank 2 Sensor 2",
          "Lambdasondensignale vertauscht Bank 1 Sonde 2 / Bank 2 Sonde 2")
    for start, b, s in (("P0042", 1, 3), ("P0050", 2, 1), ("P0056", 2, 2), ("P0062", 2, 3)):
        t.fam(start, heater, "clh", bank_sensor(b, s))
    boost = ("Turbo/Super Charger Boost Control " + letter("A"), "Ladedruckregelung " + letter("A"))
    t.fam("P0045", boost, "oRLH")
    t.one("P0049", "Turbo/Super Charger Turbine Overspeed", "Turbine des Laders – Überdrehzahl")
    for i, (b, s) in enumerate(((1, 1), (1, 2), (1, 3))):
        t.one(f"P{53 + i:04d}", f"HO2S Heater Resistance (Bank {b} Sensor {s})",
              f"Lambdasondenheizung – Widerstand (Bank {b} Sonde {s})")
    for i, (b, s) in enumerate(((2, 1), (2, 2), (2, 3))):
        t.one(f"P{59 + i:04d}", f"HO2S Heater Resistance (Bank {b} Sensor {s})",
              f"Lambdasondenheizung – Widerstand (Bank {b} Sonde {s})")
    t.one("P0065", "Air Assisted Injector Control Range/Performance",
          "Luftunterstützte Einspritzdüse – Ansteuerung Bereich/Funktion")
    t.one("P0066", "Air Assisted Injector Control Circuit or Circuit Low",
          "Luftunterstützte Einspritzdüse – Ansteuerkreis oder Signal zu niedrig")
    t.one("P0067", "Air Assisted Injector Control Circuit High",
          "Luftunterstützte Einspritzdüse – Ansteuerkreis Signal zu hoch")
    t.one("P0068", "MAP/MAF - Throttle Position Correlation",
          "Saugrohrdruck/Luftmasse – Korrelation mit Drosselklappenstellung")
    t.one("P0069", "Manifold Absolute Pressure - Barometric Pressure Correlation",
          "Saugrohrdruck – Korrelation mit Luftdruck")
    t.fam("P0070", ("Ambient Air Temperature Sensor", "Außenlufttemperaturfühler"), "CRLHI")
    for start, v, vde, b in (("P0075", "Intake", "Einlass", 1), ("P0078", "Exhaust", "Auslass", 1),
                             ("P0081", "Intake", "Einlass", 2), ("P0084", "Exhaust", "Auslass", 2)):
        t.fam(start, (f"{v} Valve Control Solenoid", f"{vde}ventil-Steuermagnet"), "CLH", bank(b))
    t.one("P0087", "Fuel Rail/System Pressure - Too Low", "Kraftstoffverteiler-/Systemdruck zu niedrig")
    t.one("P0088", "Fuel Rail/System Pressure - Too High", "Kraftstoffverteiler-/Systemdruck zu hoch")
    t.one("P0089", "Fuel Pressure Regulator 1 Performance", "Kraftstoffdruckregler 1 – Funktion")
    t.fam("P0090", ("Fuel Pressure Regulator 1", "Kraftstoffdruckregler 1"), "Olh")
    t.one("P0093", "Fuel System Leak Detected - Large Leak", "Undichtigkeit im Kraftstoffsystem – großes Leck")
    t.one("P0094", "Fuel System Leak Detected - Small Leak", "Undichtigkeit im Kraftstoffsystem – kleines Leck")
    t.fam("P0095", ("Intake Air Temperature Sensor 2", "Ansauglufttemperaturfühler 2"), "CRLHE")


def add_p0_100(t):
    t.fam("P0100", ("Mass or Volume Air Flow Sensor " + letter("A"), "Luftmassen-/Luftmengenmesser " + letter("A")), "CRLHI")
    t.fam("P0105", ("Manifold Absolute Pressure/Barometric Pressure Sensor", "Saugrohrdruck-/Luftdruckgeber"), "CRLHI")
    t.fam("P0110", ("Intake Air Temperature Sensor 1", "Ansauglufttemperaturfühler 1"), "CRLHI")
    t.fam("P0115", ("Engine Coolant Temperature Sensor 1", "Kühlmitteltemperaturfühler 1"), "CRLHI")
    t.fam("P0120", ("Throttle/Pedal Position Sensor/Switch " + letter("A"), "Drosselklappen-/Pedalwertgeber " + letter("A")), "CRLHI")
    t.one("P0125", "Insufficient Coolant Temperature for Closed Loop Fuel Control",
          "Kühlmitteltemperatur für Lambdaregelung nicht ausreichend")
    t.one("P0126", "Insufficient Coolant Temperature for Stable Operation",
          "Kühlmitteltemperatur für stabilen Betrieb nicht ausreichend")
    t.one("P0127", "Intake Air Temperature Too High", "Ansauglufttemperatur zu hoch")
    t.one("P0128", "Coolant Thermostat (Coolant Temperature Below Thermostat Regulating Temperature)",
          "Kühlmittelthermostat (Kühlmitteltemperatur unter Regeltemperatur des Thermostats)")
    t.one("P0129", "Barometric Pressure Too Low", "Luftdruck zu niedrig")
    o2 = ("O2 Sensor", "Lambdasonde")
    for start, b, s in (("P0130", 1, 1), ("P0136", 1, 2), ("P0142", 1, 3),
                        ("P0150", 2, 1), ("P0156", 2, 2), ("P0162", 2, 3)):
        t.fam(start, o2, "CVWsnA", bank_sensor(b, s))
    t.one("P0148", "Fuel Delivery Error", "Fehler in der Kraftstoffförderung")
    t.one("P0149", "Fuel Timing Error", "Fehler im Einspritzzeitpunkt")
    t.one("P0168", "Fuel Temperature Too High", "Kraftstofftemperatur zu hoch")
    t.one("P0169", "Incorrect Fuel Composition", "Falsche Kraftstoffzusammensetzung")
    for start, b in (("P0170", 1), ("P0173", 2)):
        t.seq(start, [(f"Fuel Trim (Bank {b})", f"Gemischadaption (Bank {b})"),
                      (f"System Too Lean (Bank {b})", f"System zu mager (Bank {b})"),
                      (f"System Too Rich (Bank {b})", f"System zu fett (Bank {b})")])
    t.fam("P0176", ("Fuel Composition Sensor", "Kraftstoffzusammensetzungssensor"), "CRLH")
    t.fam("P0180", ("Fuel Temperature Sensor " + letter("A"), "Kraftstofftemperaturfühler " + letter("A")), "CRLHI")
    t.fam("P0185", ("Fuel Temperature Sensor " + letter("B"), "Kraftstofftemperaturfühler " + letter("B")), "CRLHI")
    t.fam("P0190", ("Fuel Rail Pressure Sensor " + letter("A"), "Kraftstoffverteilerdruckgeber " + letter("A")), "CRLHI")
    t.fam("P0195", ("Engine Oil Temperature Sensor", "Motoröltemperaturfühler"), "CRLHI")


def add_p0_200(t):
    t.one("P0200", "Injector Circuit/Open", "Einspritzdüse – Stromkreis/Unterbrechung")
    for n in range(1, 13):
        t.one(f"P{200 + n:04d}", f"Injector Circuit/Open - Cylinder {n}",
              f"Einspritzdüse – Stromkreis/Unterbrechung – Zylinder {n}")
    t.seq("P0213", [
        ("Cold Start Injector 1", "Kaltstartventil 1"),
        ("Cold Start Injector 2", "Kaltstartventil 2"),
        ("Engine Shutoff Solenoid", "Motorabstellmagnet"),
        ("Injector/Injection Timing Control Circuit", "Einspritzzeitpunkt – Ansteuerkreis"),
        ("Engine Coolant Over Temperature Condition", "Motorkühlmittel Übertemperatur"),
        ("Transmission Fluid Over Temperature Condition", "Getriebeöl Übertemperatur"),
        ("Engine Overspeed Condition", "Motor-Überdrehzahl"),
    ])
    t.fam("P0220", ("Throttle/Pedal Position Sensor/Switch " + letter("B"), "Drosselklappen-/Pedalwertgeber " + letter("B")), "CRLHI")
    t.fam("P0225", ("Throttle/Pedal Position Sensor/Switch " + letter("C"), "Drosselklappen-/Pedalwertgeber " + letter("C")), "CRLHI")
    t.seq("P0230", [
        ("Fuel Pump Primary Circuit", "Kraftstoffpumpe – Primärstromkreis"),
        ("Fuel Pump Secondary Circuit Low", "Kraftstoffpumpe – Sekundärstromkreis Signal zu niedrig"),
        ("Fuel Pump Secondary Circuit High", "Kraftstoffpumpe – Sekundärstromkreis Signal zu hoch"),
        ("Fuel Pump Secondary Circuit Intermittent", "Kraftstoffpumpe – Sekundärstromkreis sporadisch"),
        ("Turbo/Super Charger " + letter("A") + " Overboost Condition", "Lader " + letter("A") + " – Ladedruck zu hoch"),
    ])
    t.fam("P0235", ("Turbo/Super Charger Boost Sensor " + letter("A"), "Ladedruckgeber " + letter("A")), "CRLH")
    t.fam("P0239", ("Turbo/Super Charger Boost Sensor " + letter("B"), "Ladedruckgeber " + letter("B")), "CRLH")
    for start, x in (("P0243", "A"), ("P0247", "B")):
        w = ("Turbocharger Wastegate Solenoid " + letter(x), "Ladedruckregelventil (Wastegate) " + letter(x))
        t.seq(start, [w, (w[0] + " Range/Performance", w[1] + " – Bereich/Funktion"),
                      (w[0] + " Low", w[1] + " – Signal zu niedrig"), (w[0] + " High", w[1] + " – Signal zu hoch")])
    for start, x in (("P0251", "A"), ("P0256", "B")):
        p = (f"Injection Pump Fuel Metering Control {letter(x)} (Cam/Rotor/Injector)",
             f"Einspritzpumpe Mengenregelung {letter(x)} (Nocken/Rotor/Düse)")
        t.seq(start, [p, (p[0] + " Range/Performance", p[1] + " – Bereich/Funktion"),
                      (p[0] + " Low", p[1] + " – Signal zu niedrig"), (p[0] + " High", p[1] + " – Signal zu hoch"),
                      (p[0] + " Intermittent", p[1] + " – sporadisch")])
    for n in range(1, 13):
        base = 261 + 3 * (n - 1)
        t.one(f"P{base:04d}", f"Cylinder {n} Injector Circuit Low", f"Zylinder {n} Einspritzdüse – Stromkreis Signal zu niedrig")
        t.one(f"P{base + 1:04d}", f"Cylinder {n} Injector Circuit High", f"Zylinder {n} Einspritzdüse – Stromkreis Signal zu hoch")
        t.one(f"P{base + 2:04d}", f"Cylinder {n} Contribution/Balance", f"Zylinder {n} – Leistungsbeitrag/Laufruhe")
    t.one("P0297", "Vehicle Overspeed Condition", "Fahrzeug-Übergeschwindigkeit")
    t.one("P0298", "Engine Oil Over Temperature", "Motoröl Übertemperatur")
    t.one("P0299", "Turbo/Super Charger Underboost", "Lader – Ladedruck zu niedrig")


def add_p0_300(t):
    t.one("P0300", "Random/Multiple Cylinder Misfire Detected", "Zufällige/mehrfache Fehlzündungen erkannt")
    for n in range(1, 13):
        t.one(f"P{300 + n:04d}", f"Cylinder {n} Misfire Detected", f"Zylinder {n} – Fehlzündung erkannt")
    t.seq("P0313", [
        ("Misfire Detected with Low Fuel", "Fehlzündung bei niedrigem Kraftstoffstand erkannt"),
        ("Single Cylinder Misfire (Cylinder not Specified)", "Fehlzündung eines Zylinders (Zylinder nicht bestimmt)"),
        ("Crankshaft Position System Variation Not Learned", "Toleranz des Kurbelwellengebersystems nicht angelernt"),
        ("Engine Misfire Detected on Startup (First 1000 Revolutions)", "Fehlzündung beim Start erkannt (erste 1000 Umdrehungen)"),
        ("Rough Road Hardware Not Present", "Schlechtwegerkennung nicht vorhanden"),
        ("Rough Road Sensor " + letter("A") + " Signal Circuit", "Schlechtweggeber " + letter("A") + " – Signalstromkreis"),
        ("Rough Road Sensor " + letter("B") + " Signal Circuit", "Schlechtweggeber " + letter("B") + " – Signalstromkreis"),
    ])
    t.fam("P0320", ("Ignition/Distributor Engine Speed Input", "Zündung/Verteiler Drehzahleingang"), "CRNI")
    t.one("P0324", "Knock Control System Error", "Klopfregelsystem – Fehler")
    t.fam("P0325", ("Knock Sensor 1", "Klopfsensor 1"), "CRLHI", ("Bank 1 or Single Sensor", "Bank 1 oder Einzelsensor"))
    t.fam("P0330", ("Knock Sensor 2", "Klopfsensor 2"), "CRLHI", bank(2))
    t.fam("P0335", ("Crankshaft Position Sensor " + letter("A"), "Kurbelwellengeber " + letter("A")), "CRLHI")
    t.fam("P0340", ("Camshaft Position Sensor " + letter("A"), "Nockenwellengeber " + letter("A")), "CRLHI",
          ("Bank 1 or Single Sensor", "Bank 1 oder Einzelsensor"))
    t.fam("P0345", ("Camshaft Position Sensor " + letter("A"), "Nockenwellengeber " + letter("A")), "CRLHI", bank(2))
    t.one("P0350", "Ignition Coil Primary/Secondary Circuit", "Zündspule – Primär-/Sekundärstromkreis")
    for i, x in enumerate(LETTERS):
        t.one(f"P{351 + i:04d}", f"Ignition Coil {letter(x)} Primary/Secondary Circuit",
              f"Zündspule {letter(x)} – Primär-/Sekundärstromkreis")
    t.one("P0363", "Misfire Detected - Fueling Disabled", "Fehlzündung erkannt – Einspritzung abgeschaltet")
    t.fam("P0365", ("Camshaft Position Sensor " + letter("B"), "Nockenwellengeber " + letter("B")), "CRLHI", bank(1))
    for start, x in (("P0370", "A"), ("P0375", "B")):
        n = (f"Timing Reference High Resolution Signal {letter(x)}", f"Hochauflösendes Bezugssignal {letter(x)}")
        t.seq(start, [n] + [(f"{n[0]} {e}", f"{n[1]} – {d}") for e, d in (
            ("Too Many Pulses", "zu viele Impulse"), ("Too Few Pulses", "zu wenige Impulse"),
            ("Intermittent/Erratic Pulses", "sporadische/unplausible Impulse"), ("No Pulse", "kein Impuls"))])
    t.seq("P0380", [
        ("Glow Plug/Heater Circuit " + letter("A"), "Glühkerze/Heizung – Stromkreis " + letter("A")),
        ("Glow Plug/Heater Indicator Circuit", "Glühanzeige – Stromkreis"),
        ("Glow Plug/Heater Circuit " + letter("B"), "Glühkerze/Heizung – Stromkreis " + letter("B")),
        ("Glow Plug Control Module Control Circuit Low", "Glühzeitsteuergerät – Ansteuerkreis Signal zu niedrig"),
        ("Glow Plug Control Module Control Circuit High", "Glühzeitsteuergerät – Ansteuerkreis Signal zu hoch"),
    ])
    t.fam("P0385", ("Crankshaft Position Sensor " + letter("B"), "Kurbelwellengeber " + letter("B")), "CRLHI")
    t.fam("P0390", ("Camshaft Position Sensor " + letter("B"), "Nockenwellengeber " + letter("B")), "CRLHI", bank(2))


def add_p0_400(t):
    egr = ("Exhaust Gas Recirculation " + letter("A"), "Abgasrückführung " + letter("A"))
    t.seq("P0400", [
        (egr[0] + " Flow", egr[1] + " – Durchfluss"),
        (egr[0] + " Flow Insufficient Detected", egr[1] + " – Durchfluss zu gering"),
        (egr[0] + " Flow Excessive Detected", egr[1] + " – Durchfluss zu groß"),
        (egr[0] + " Control Circuit", egr[1] + " – Ansteuerkreis"),
        (egr[0] + " Control Circuit Range/Performance", egr[1] + " – Ansteuerkreis Bereich/Funktion"),
        ("Exhaust Gas Recirculation Sensor " + letter("A") + " Circuit Low", "AGR-Geber " + letter("A") + " – Stromkreis Signal zu niedrig"),
        ("Exhaust Gas Recirculation Sensor " + letter("A") + " Circuit High", "AGR-Geber " + letter("A") + " – Stromkreis Signal zu hoch"),
        ("Exhaust Gas Recirculation Sensor " + letter("B") + " Circuit Low", "AGR-Geber " + letter("B") + " – Stromkreis Signal zu niedrig"),
        ("Exhaust Gas Recirculation Sensor " + letter("B") + " Circuit High", "AGR-Geber " + letter("B") + " – Stromkreis Signal zu hoch"),
        ("Exhaust Gas Recirculation Sensor " + letter("A") + " Circuit", "AGR-Geber " + letter("A") + " – Stromkreis"),
    ])
    air = ("Secondary Air Injection System", "Sekundärluftsystem")
    t.seq("P0410", [
        air,
        (air[0] + " Incorrect Flow Detected", air[1] + " – falscher Durchfluss erkannt"),
        (air[0] + " Switching Valve " + letter("A") + " Circuit", air[1] + " Umschaltventil " + letter("A") + " – Stromkreis"),
        (air[0] + " Switching Valve " + letter("A") + " Circuit Open", air[1] + " Umschaltventil " + letter("A") + " – Unterbrechung"),
        (air[0] + " Switching Valve " + letter("A") + " Circuit Shorted", air[1] + " Umschaltventil " + letter("A") + " – Kurzschluss"),
        (air[0] + " Switching Valve " + letter("B") + " Circuit", air[1] + " Umschaltventil " + letter("B") + " – Stromkreis"),
        (air[0] + " Switching Valve " + letter("B") + " Circuit Open", air[1] + " Umschaltventil " + letter("B") + " – Unterbrechung"),
        (air[0] + " Switching Valve " + letter("B") + " Circuit Shorted", air[1] + " Umschaltventil " + letter("B") + " – Kurzschluss"),
        (air[0] + " Control " + letter("A") + " Circuit", air[1] + " Ansteuerung " + letter("A") + " – Stromkreis"),
        (air[0] + " Control " + letter("B") + " Circuit", air[1] + " Ansteuerung " + letter("B") + " – Stromkreis"),
    ])
    for start, b in (("P0420", 1), ("P0430", 2)):
        w = bank(b)
        t.seq(start, [
            (f"Catalyst System Efficiency Below Threshold ({w[0]})", f"Katalysator – Wirkungsgrad unter Schwellwert ({w[1]})"),
            (f"Warm Up Catalyst Efficiency Below Threshold ({w[0]})", f"Vorkatalysator – Wirkungsgrad unter Schwellwert ({w[1]})"),
            (f"Main Catalyst Efficiency Below Threshold ({w[0]})", f"Hauptkatalysator – Wirkungsgrad unter Schwellwert ({w[1]})"),
            (f"Heated Catalyst Efficiency Below Threshold ({w[0]})", f"Beheizter Katalysator – Wirkungsgrad unter Schwellwert ({w[1]})"),
            (f"Heated Catalyst Temperature Below Threshold ({w[0]})", f"Beheizter Katalysator – Temperatur unter Schwellwert ({w[1]})"),
            (f"Catalyst Temperature Sensor ({w[0]} Sensor 1)", f"Katalysatortemperaturfühler ({w[1]} Sonde 1)"),
            (f"Catalyst Temperature Sensor Range/Performance ({w[0]} Sensor 1)", f"Katalysatortemperaturfühler – Bereich/Funktion ({w[1]} Sonde 1)"),
            (f"Catalyst Temperature Sensor Low ({w[0]} Sensor 1)", f"Katalysatortemperaturfühler – Signal zu niedrig ({w[1]} Sonde 1)"),
            (f"Catalyst Temperature Sensor High ({w[0]} Sensor 1)", f"Katalysatortemperaturfühler – Signal zu hoch ({w[1]} Sonde 1)"),
            (f"Catalyst Heater Control Circuit ({w[0]})", f"Katalysatorheizung – Ansteuerkreis ({w[1]})"),
        ])
    evap = ("Evaporative Emission System", "Kraftstoffverdunstungsanlage")
    t.seq("P0440", [
        evap,
        (evap[0] + " Incorrect Purge Flow", evap[1] + " – falscher Spüldurchfluss"),
        (evap[0] + " Leak Detected (Small Leak)", evap[1] + " – Leck erkannt (kleines Leck)"),
        (evap[0] + " Purge Control Valve Circuit", evap[1] + " Regenerierventil – Stromkreis"),
        (evap[0] + " Purge Control Valve Circuit Open", evap[1] + " Regenerierventil – Unterbrechung"),
        (evap[0] + " Purge Control Valve Circuit Shorted", evap[1] + " Regenerierventil – Kurzschluss"),
        (evap[0] + " Vent Control Circuit", evap[1] + " Belüftungsventil – Ansteuerkreis"),
        (evap[0] + " Vent Control Circuit Open", evap[1] + " Belüftungsventil – Unterbrechung"),
        (evap[0] + " Vent Control Circuit Shorted", evap[1] + " Belüftungsventil – Kurzschluss"),
        (evap[0] + " Vent Valve/Solenoid Circuit", evap[1] + " Belüftungsventil/Magnet – Stromkreis"),
        (evap[0] + " Pressure Sensor/Switch", evap[1] + " Druckgeber/-schalter"),
        (evap[0] + " Pressure Sensor/Switch Range/Performance", evap[1] + " Druckgeber/-schalter – Bereich/Funktion"),
        (evap[0] + " Pressure Sensor/Switch Low", evap[1] + " Druckgeber/-schalter – Signal zu niedrig"),
        (evap[0] + " Pressure Sensor/Switch High", evap[1] + " Druckgeber/-schalter – Signal zu hoch"),
        (evap[0] + " Pressure Sensor/Switch Intermittent/Erratic", evap[1] + " Druckgeber/-schalter – sporadisch/unplausibel"),
        (evap[0] + " Leak Detected (Large Leak)", evap[1] + " – Leck erkannt (großes Leck)"),
        (evap[0] + " Leak Detected (Very Small Leak)", evap[1] + " – Leck erkannt (sehr kleines Leck)"),
        (evap[0] + " Leak Detected (Fuel Cap Loose/Off)", evap[1] + " – Leck erkannt (Tankdeckel lose/fehlt)"),
        (evap[0] + " Purge Control Valve Circuit Low", evap[1] + " Regenerierventil – Signal zu niedrig"),
        (evap[0] + " Purge Control Valve Circuit High", evap[1] + " Regenerierventil – Signal zu hoch"),
    ])
    t.fam("P0460", ("Fuel Level Sensor " + letter("A"), "Kraftstoffstandgeber " + letter("A")), "CRLHE")
    t.fam("P0465", ("EVAP Purge Flow Sensor", "Spülstromgeber Kraftstoffverdunstung"), "CRLHI")
    t.fam("P0470", ("Exhaust Pressure Sensor " + letter("A"), "Abgasdruckgeber " + letter("A")), "CRLHI")
    ep = ("Exhaust Pressure Control Valve " + letter("A"), "Abgasdruckregelventil " + letter("A"))
    t.seq("P0475", [ep] + [(f"{ep[0]} {e}", f"{ep[1]} – {d}") for e, d in (
        ("Range/Performance", "Bereich/Funktion"), ("Low", "Signal zu niedrig"), ("High", "Signal zu hoch"),
        ("Intermittent", "sporadisch"))])
    t.seq("P0480", [
        ("Fan 1 Control Circuit", "Lüfter 1 – Ansteuerkreis"),
        ("Fan 2 Control Circuit", "Lüfter 2 – Ansteuerkreis"),
        ("Fan 3 Control Circuit", "Lüfter 3 – Ansteuerkreis"),
        ("Fan Rationality Check", "Lüfter – Plausibilitätsprüfung"),
        ("Fan Circuit Over Current", "Lüfter – Überstrom im Stromkreis"),
        ("Fan Power/Ground Circuit", "Lüfter – Versorgungs-/Massestromkreis"),
        ("Exhaust Gas Recirculation Sensor " + letter("B") + " Circuit", "AGR-Geber " + letter("B") + " – Stromkreis"),
        ("Exhaust Gas Recirculation Throttle Position Control Circuit", "AGR-Drosselklappe – Ansteuerkreis"),
        ("Exhaust Gas Recirculation Throttle Position Control Range/Performance", "AGR-Drosselklappe – Ansteuerung Bereich/Funktion"),
        (egr[0] + " Control Circuit Low", egr[1] + " – Ansteuerkreis Signal zu niedrig"),
        (egr[0] + " Control Circuit High", egr[1] + " – Ansteuerkreis Signal zu hoch"),
        (air[0] + " Insufficient Flow (Bank 1)", air[1] + " – Durchfluss zu gering (Bank 1)"),
        (air[0] + " Insufficient Flow (Bank 2)", air[1] + " – Durchfluss zu gering (Bank 2)"),
        ("Fan Overspeed", "Lüfter – Überdrehzahl"),
        ("Fan Speed Low", "Lüfter – Drehzahl zu niedrig"),
        ("Fan Speed High", "Lüfter – Drehzahl zu hoch"),
        ("Evaporative Emission System High Purge Flow", "Kraftstoffverdunstungsanlage – Spüldurchfluss zu hoch"),
        ("Evaporative Emission System Low Purge Flow", "Kraftstoffverdunstungsanlage – Spüldurchfluss zu niedrig"),
        ("Evaporative Emission System Vent Valve Control Circuit Low", "Kraftstoffverdunstungsanlage Belüftungsventil – Ansteuerkreis Signal zu niedrig"),
        ("Evaporative Emission System Vent Valve Control Circuit High", "Kraftstoffverdunstungsanlage Belüftungsventil – Ansteuerkreis Signal zu hoch"),
    ])


def add(t):
    add_p0_000(t)
    add_p0_100(t)
    add_p0_200(t)
    add_p0_300(t)
    add_p0_400(t)

