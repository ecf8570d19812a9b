"""Generic powertrain codes P0500-P0999 (SAE J2012 titles in our own words)."""



Q = '"'


def letter(x):
    return f"{Q}{x}{Q}"


def with_kinds(name, kinds):
    """name followed by each (English, German) kind phrase."""
    return [(f"{name[0]} {e}".strip(), f"{name[1]} – {d}" if d else name[1]) for e, d in kinds]


CIRCUIT_RLHI = (("Circuit", "Stromkreis"), ("Circuit Range/Performance", "Stromkreis Bereich/Funktion"),
                ("Circuit Low", "Stromkreis Signal zu niedrig"), ("Circuit High", "Stromkreis Signal zu hoch"),
                ("Circuit Intermittent", "Stromkreis sporadisch"))
OPEN_LOW_HIGH = (("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"),
                 ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"),
                 ("Control Circuit High", "Ansteuerkreis Signal zu hoch"))
SOLENOID = (("", ""), ("Performance or Stuck Off", "Funktion oder hängt aus"), ("Stuck On", "hängt ein"),
            ("Electrical", "elektrischer Fehler"), ("Intermittent", "sporadischer Fehler"))
SPEED_SENSOR = (("Circuit", "Stromkreis"), ("Circuit Range/Performance", "Stromkreis Bereich/Funktion"),
                ("Circuit No Signal", "Stromkreis kein Signal"), ("Circuit Intermittent", "Stromkreis sporadisch"))
CTRL_RLH = (("Control Circuit/Open", "Ansteuerkreis/Unterbrechung"),
            ("Control Circuit Range/Performance", "Ansteuerkreis Bereich/Funktion"),
            ("Control Circuit Low", "Ansteuerkreis Signal zu niedrig"),
            ("Control Circuit High", "Ansteuerkreis Signal zu hoch"))
RLH = (("Circuit Range/Performance", "Stromkreis Bereich/Funktion"),
       ("Circuit Low", "Stromkreis Signal zu niedrig"), ("Circuit High", "Stromkreis Signal zu hoch"))


def add_p0_500(t):
    vss = ("Vehicle Speed Sensor " + letter("A"), "Geschwindigkeitsgeber " + letter("A"))
    t.seq("P0500", with_kinds(vss, (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                                    ("Intermittent/Erratic/High", "sporadisch/unplausibel/zu hoch"))))
    t.one("P0504", "Brake Switch " + letter("A") + "/" + letter("B") + " Correlation",
          "Bremslichtschalter " + letter("A") + "/" + letter("B") + " – Korrelation")
    iac = ("Idle Air Control System", "Leerlaufregelung")
    t.seq("P0505", with_kinds(iac, (("", ""), ("RPM Lower Than Expected", "Drehzahl niedriger als erwartet"),
                                    ("RPM Higher Than Expected", "Drehzahl höher als erwartet"),
                                    ("Circuit Low", "Stromkreis Signal zu niedrig"), ("Circuit High", "Stromkreis Signal zu hoch"))))
    t.seq("P0510", [
        ("Closed Throttle Position Switch", "Leerlaufschalter der Drosselklappe"),
        ("Idle Air Control Circuit", "Leerlaufregelung – Stromkreis"),
        ("Starter Request Circuit", "Startanforderung – Stromkreis"),
        ("Invalid Immobilizer Key", "Ungültiger Wegfahrsperrenschlüssel"),
        ("Battery Temperature Sensor Circuit Range/Performance", "Batterietemperaturfühler – Stromkreis Bereich/Funktion"),
        ("Battery Temperature Sensor Circuit", "Batterietemperaturfühler – Stromkreis"),
        ("Battery Temperature Sensor Circuit Low", "Batterietemperaturfühler – Stromkreis Signal zu niedrig"),
        ("Battery Temperature Sensor Circuit High", "Batterietemperaturfühler – Stromkreis Signal zu hoch"),
        ("Idle Air Control Circuit Intermittent", "Leerlaufregelung – Stromkreis sporadisch"),
        ("Idle Air Control System Performance", "Leerlaufregelung – Funktion"),
    ])
    oil = ("Engine Oil Pressure Sensor/Switch " + letter("A"), "Motoröldruckgeber/-schalter " + letter("A"))
    t.seq("P0520", with_kinds(oil, CIRCUIT_RLHI[:4]) + [("Engine Oil Pressure Too Low", "Motoröldruck zu niedrig"),
           ("Cruise Control Servo Control Circuit Range/Performance", "Tempomat-Stellglied – Ansteuerkreis Bereich/Funktion")])
    fan = ("Fan Speed Sensor", "Lüfterdrehzahlgeber")
    t.seq("P0526", with_kinds(fan, SPEED_SENSOR))
    ac = ("A/C Refrigerant Pressure Sensor " + letter("A"), "Kältemitteldruckgeber " + letter("A"))
    t.seq("P0530", with_kinds(ac, CIRCUIT_RLHI[:4]) + [("Air Conditioner Refrigerant Charge Loss", "Klimaanlage – Kältemittelverlust")])
    t.seq("P0535", with_kinds(("A/C Evaporator Temperature Sensor", "Verdampfertemperaturfühler"), CIRCUIT_RLHI))
    t.seq("P0540", with_kinds(("Intake Air Heater " + letter("A"), "Ansaugluftheizung " + letter("A")),
                              (("Circuit", "Stromkreis"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                               ("Circuit High", "Stromkreis Signal zu hoch"), ("Circuit Open", "Stromkreis Unterbrechung"))))
    for start, b in (("P0544", 1), ("P0547", 2)):
        egt = ("Exhaust Gas Temperature Sensor", "Abgastemperaturfühler")
        t.seq(start, [(f"{e} (Bank {b} Sensor 1)", f"{d} (Bank {b} Sonde 1)") for e, d in
                      with_kinds(egt, (("Circuit", "Stromkreis"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                                       ("Circuit High", "Stromkreis Signal zu hoch")))])
    t.seq("P0550", with_kinds(("Power Steering Pressure Sensor/Switch", "Servolenkungsdruckgeber/-schalter"), CIRCUIT_RLHI))
    t.seq("P0555", with_kinds(("Brake Booster Pressure Sensor", "Bremskraftverstärker-Druckgeber"), CIRCUIT_RLHI))
    t.seq("P0560", [("System Voltage", "Bordnetzspannung"), ("System Voltage Unstable", "Bordnetzspannung instabil"),
                    ("System Voltage Low", "Bordnetzspannung zu niedrig"), ("System Voltage High", "Bordnetzspannung zu hoch"),
                    ("Cruise Control Multi-Function Input " + letter("A") + " Circuit", "Tempomat-Multifunktionseingang " + letter("A") + " – Stromkreis")])
    cc = ("Cruise Control", "Tempomat")
    t.seq("P0565", with_kinds(cc, (("On Signal", "Signal Ein"), ("Off Signal", "Signal Aus"), ("Resume Signal", "Signal Wiederaufnahme"),
                                   ("Set Signal", "Signal Setzen"), ("Coast Signal", "Signal Verzögern"), ("Accel Signal", "Signal Beschleunigen"))))
    t.seq("P0571", with_kinds(("Brake Switch " + letter("A"), "Bremslichtschalter " + letter("A")), CIRCUIT_RLHI[:1] + RLH[1:]))
    t.seq("P0574", [("Cruise Control System - Vehicle Speed Too High", "Tempomat – Fahrzeuggeschwindigkeit zu hoch")] +
          with_kinds(("Cruise Control Input", "Tempomat-Eingang"), CIRCUIT_RLHI[:1] + RLH[1:]))
    mfa = ("Cruise Control Multi-Function Input " + letter("A"), "Tempomat-Multifunktionseingang " + letter("A"))
    t.seq("P0578", with_kinds(mfa, (("Circuit Stuck", "Stromkreis hängt"),) + RLH))
    t.seq("P0582", with_kinds(("Cruise Control Vacuum", "Tempomat-Unterdruck"), OPEN_LOW_HIGH))
    t.one("P0585", "Cruise Control Multi-Function Input " + letter("A") + "/" + letter("B") + " Correlation",
          "Tempomat-Multifunktionseingang " + letter("A") + "/" + letter("B") + " – Korrelation")
    t.seq("P0586", with_kinds(("Cruise Control Vent", "Tempomat-Belüftung"), OPEN_LOW_HIGH))
    mfb = ("Cruise Control Multi-Function Input " + letter("B"), "Tempomat-Multifunktionseingang " + letter("B"))
    t.seq("P0589", with_kinds(mfb, (("Circuit", "Stromkreis"), ("Circuit Stuck", "Stromkreis hängt")) + RLH))
    t.seq("P0594", with_kinds(("Cruise Control Servo", "Tempomat-Stellglied"), OPEN_LOW_HIGH))
    t.seq("P0597", with_kinds(("Thermostat Heater", "Thermostatheizung"), OPEN_LOW_HIGH))


def add_p0_600(t):
    t.seq("P0600", [
        ("Serial Communication Link", "Serielle Datenverbindung"),
        ("Internal Control Module Memory Check Sum Error", "Steuergerät intern – Prüfsummenfehler im Speicher"),
        ("Control Module Programming Error", "Steuergerät – Programmierfehler"),
        ("Internal Control Module Keep Alive Memory (KAM) Error", "Steuergerät intern – Fehler im Dauerspeicher (KAM)"),
        ("Internal Control Module Random Access Memory (RAM) Error", "Steuergerät intern – Fehler im Arbeitsspeicher (RAM)"),
        ("Internal Control Module Read Only Memory (ROM) Error", "Steuergerät intern – Fehler im Festwertspeicher (ROM)"),
        ("Control Module Processor", "Steuergerät – Prozessor"),
        ("Control Module Performance", "Steuergerät – Funktion"),
        ("Control Module Vehicle Speed Output " + letter("A"), "Steuergerät – Geschwindigkeitsausgang " + letter("A")),
        ("Control Module Vehicle Speed Output " + letter("B"), "Steuergerät – Geschwindigkeitsausgang " + letter("B")),
        ("Control Module Vehicle Options Error", "Steuergerät – Fehler in der Fahrzeugausstattung"),
        ("Fuel Injector Control Module Performance", "Einspritzsteuergerät – Funktion"),
        ("Fuel Injector Control Module Relay Control", "Einspritzsteuergerät – Relaisansteuerung"),
        ("Transmission Control Module Processor", "Getriebesteuergerät – Prozessor"),
        ("ECM/TCM Incompatible", "Motor- und Getriebesteuergerät nicht kompatibel"),
        ("Starter Relay Circuit", "Anlasserrelais – Stromkreis"),
        ("Starter Relay Circuit Low", "Anlasserrelais – Stromkreis Signal zu niedrig"),
        ("Starter Relay Circuit High", "Anlasserrelais – Stromkreis Signal zu hoch"),
        ("Alternative Fuel Control Module KAM Error", "Steuergerät Alternativkraftstoff – Fehler im Dauerspeicher"),
        ("Alternative Fuel Control Module RAM/ROM Error", "Steuergerät Alternativkraftstoff – RAM-/ROM-Fehler"),
        ("Generator Control Circuit", "Generator – Ansteuerkreis"),
        ("Generator Lamp " + letter("L") + " Control Circuit", "Generatorkontrollleuchte " + letter("L") + " – Ansteuerkreis"),
        ("Generator Field " + letter("F") + " Control Circuit", "Generatorerregung " + letter("F") + " – Ansteuerkreis"),
        ("Generator Lamp Control Circuit", "Generatorkontrollleuchte – Ansteuerkreis"),
        ("Fuel Cap Lamp Control Circuit", "Tankdeckel-Kontrollleuchte – Ansteuerkreis"),
        ("Generator Field Terminal Circuit Low", "Generator-Erregerklemme – Stromkreis Signal zu niedrig"),
        ("Generator Field Terminal Circuit High", "Generator-Erregerklemme – Stromkreis Signal zu hoch"),
        ("Fuel Pump " + letter("A") + " Control Circuit/Open", "Kraftstoffpumpe " + letter("A") + " – Ansteuerkreis/Unterbrechung"),
        ("Fuel Pump " + letter("A") + " Control Circuit Low", "Kraftstoffpumpe " + letter("A") + " – Ansteuerkreis Signal zu niedrig"),
        ("Fuel Pump " + letter("A") + " Control Circuit High", "Kraftstoffpumpe " + letter("A") + " – Ansteuerkreis Signal zu hoch"),
        ("VIN Not Programmed or Incompatible - ECM/PCM", "FIN nicht programmiert oder unpassend – Motorsteuergerät"),
        ("VIN Not Programmed or Incompatible - TCM", "FIN nicht programmiert oder unpassend – Getriebesteuergerät"),
        ("Odometer Not Programmed - ECM/PCM", "Kilometerstand nicht programmiert – Motorsteuergerät"),
        ("Immobilizer Key Not Programmed - ECM/PCM", "Wegfahrsperrenschlüssel nicht programmiert – Motorsteuergerät"),
        ("PCM/ECM/TCM Internal Temperature Too High", "Steuergerät – Innentemperatur zu hoch"),
        ("Power Steering Control Circuit", "Servolenkung – Ansteuerkreis"),
        ("Power Steering Control Circuit Low", "Servolenkung – Ansteuerkreis Signal zu niedrig"),
        ("Power Steering Control Circuit High", "Servolenkung – Ansteuerkreis Signal zu hoch"),
        ("Throttle Actuator Control Range/Performance (Bank 1)", "Drosselklappensteller – Bereich/Funktion (Bank 1)"),
        ("Throttle Actuator Control Range/Performance (Bank 2)", "Drosselklappensteller – Bereich/Funktion (Bank 2)"),
        ("Intake Air Heater Control Circuit", "Ansaugluftheizung – Ansteuerkreis"),
    ])
    for start, x in (("P0641", "A"), ("P0651", "B"), ("P0697", "C")):
        t.seq(start, with_kinds(("Sensor Reference Voltage " + letter(x), "Sensor-Referenzspannung " + letter(x)),
                                (("Circuit/Open", "Stromkreis/Unterbrechung"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                                 ("Circuit High", "Stromkreis Signal zu hoch"))))
    t.seq("P0644", [
        ("Driver Display Serial Communication Circuit", "Fahreranzeige – serielle Kommunikation"),
        ("A/C Clutch Relay Control Circuit", "Klimakompressor-Kupplungsrelais – Ansteuerkreis"),
        ("A/C Clutch Relay Control Circuit Low", "Klimakompressor-Kupplungsrelais – Ansteuerkreis Signal zu niedrig"),
        ("A/C Clutch Relay Control Circuit High", "Klimakompressor-Kupplungsrelais – Ansteuerkreis Signal zu hoch"),
        ("Immobilizer Lamp Control Circuit", "Wegfahrsperren-Kontrollleuchte – Ansteuerkreis"),
        ("Speed Control Lamp Control Circuit", "Tempomat-Kontrollleuchte – Ansteuerkreis"),
        ("Malfunction Indicator Lamp (MIL) Control Circuit", "Motorkontrollleuchte (MIL) – Ansteuerkreis"),
    ])
    t.seq("P0654", [
        ("Engine RPM Output Circuit", "Drehzahlausgang – Stromkreis"),
        ("Engine Hot Lamp Output Control Circuit", "Motortemperatur-Warnleuchte – Ansteuerkreis"),
        ("Fuel Level Output Circuit", "Kraftstoffstandausgang – Stromkreis"),
    ] + with_kinds(("Actuator Supply Voltage " + letter("A"), "Stellglied-Versorgungsspannung " + letter("A")),
                   (("Circuit/Open", "Stromkreis/Unterbrechung"), ("Circuit Low", "Stromkreis Signal zu niedrig"),
                    ("Circuit High", "Stromkreis Signal zu hoch"))))
    for start, b in (("P0660", 1), ("P0663", 2)):
        t.seq(start, [(f"{e} (Bank {b})", f"{d} (Bank {b})") for e, d in
                      with_kinds(("Intake Manifold Tuning Valve", "Saugrohrumschaltventil"), OPEN_LOW_HIGH)])
    t.seq("P0666", with_kinds(("PCM/ECM/TCM Internal Temperature Sensor", "Steuergerät – interner Temperaturfühler"),
                              CIRCUIT_RLHI[:4]))
    t.one("P0670", "Glow Plug Module Control Circuit", "Glühzeitsteuergerät – Ansteuerkreis")
    for n in range(1, 13):
        t.one(f"P{670 + n:04d}", f"Cylinder {n} Glow Plug Circuit", f"Zylinder {n} Glühkerze – Stromkreis")
    t.seq("P0683", [
        ("Glow Plug Control Module to PCM Communication Circuit", "Glühzeitsteuergerät/Motorsteuergerät – Kommunikation"),
        ("Glow Plug Control Module to PCM Communication Circuit Range/Performance",
         "Glühzeitsteuergerät/Motorsteuergerät – Kommunikation Bereich/Funktion"),
    ] + with_kinds(("ECM/PCM Power Relay", "Hauptrelais Motorsteuergerät"), OPEN_LOW_HIGH)
      + with_kinds(("ECM/PCM Power Relay", "Hauptrelais Motorsteuergerät"),
                   (("Sense Circuit/Open", "Messkreis/Unterbrechung"), ("Sense Circuit Low", "Messkreis Signal zu niedrig"),
                    ("Sense Circuit High", "Messkreis Signal zu hoch"))))
    for i, n in enumerate((1, 2, 3)):
        t.one(f"P{691 + 2 * i:04d}", f"Fan {n} Control Circuit Low", f"Lüfter {n} – Ansteuerkreis Signal zu niedrig")
        t.one(f"P{692 + 2 * i:04d}", f"Fan {n} Control Circuit High", f"Lüfter {n} – Ansteuerkreis Signal zu hoch")


def add_p0_700(t):
    tcs = ("Transmission Control System", "Getriebesteuerung")
    t.seq("P0700", [
        (tcs[0] + " (MIL Request)", tcs[1] + " (Anforderung Motorkontrollleuchte)"),
        (tcs[0] + " Range/Performance", tcs[1] + " – Bereich/Funktion"),
        (tcs[0] + " Electrical", tcs[1] + " – elektrischer Fehler"),
        ("Brake Switch " + letter("B") + " Circuit", "Bremslichtschalter " + letter("B") + " – Stromkreis"),
        ("Clutch Switch Input Circuit Malfunction", "Kupplungsschalter-Eingang – Stromkreis Fehlfunktion"),
    ])
    t.seq("P0705", with_kinds(("Transmission Range Sensor " + letter("A") + " (PRNDL Input)",
                               "Wählhebelstellungsgeber " + letter("A") + " (PRNDL-Eingang)"), CIRCUIT_RLHI))
    t.seq("P0710", with_kinds(("Transmission Fluid Temperature Sensor " + letter("A"), "Getriebeöltemperaturfühler " + letter("A")), CIRCUIT_RLHI))
    t.seq("P0715", with_kinds(("Input/Turbine Speed Sensor " + letter("A"), "Eingangs-/Turbinendrehzahlgeber " + letter("A")), SPEED_SENSOR))
    t.one("P0719", "Torque Converter/Brake Switch " + letter("B") + " Circuit Low",
          "Wandler-/Bremslichtschalter " + letter("B") + " – Stromkreis Signal zu niedrig")
    t.seq("P0720", with_kinds(("Output Speed Sensor", "Abtriebsdrehzahlgeber"), SPEED_SENSOR))
    t.one("P0724", "Torque Converter/Brake Switch " + letter("B") + " Circuit High",
          "Wandler-/Bremslichtschalter " + letter("B") + " – Stromkreis Signal zu hoch")
    t.seq("P0725", with_kinds(("Engine Speed Input", "Motordrehzahleingang"), SPEED_SENSOR))
    t.one("P0729", "Gear 6 Incorrect Ratio", "Gang 6 – falsche Übersetzung")
    t.one("P0730", "Incorrect Gear Ratio", "Falsche Getriebeübersetzung")
    for g in range(1, 6):
        t.one(f"P{730 + g:04d}", f"Gear {g} Incorrect Ratio", f"Gang {g} – falsche Übersetzung")
    t.seq("P0736", [
        ("Reverse Incorrect Ratio", "Rückwärtsgang – falsche Übersetzung"),
        ("TCM Engine Speed Output Circuit", "Getriebesteuergerät Drehzahlausgang – Stromkreis"),
        ("TCM Engine Speed Output Circuit Low", "Getriebesteuergerät Drehzahlausgang – Stromkreis Signal zu niedrig"),
        ("TCM Engine Speed Output Circuit High", "Getriebesteuergerät Drehzahlausgang – Stromkreis Signal zu hoch"),
    ])
    tcc = ("Torque Converter Clutch Solenoid", "Wandlerkupplungsventil")
    t.seq("P0740", with_kinds(tcc, (("Circuit/Open", "Stromkreis/Unterbrechung"),) + SOLENOID[1:]))
    t.seq("P0745", with_kinds(("Pressure Control Solenoid " + letter("A"), "Druckregelventil " + letter("A")), SOLENOID))
    for i, x in enumerate("ABCDE"):
        t.seq(f"P{750 + 5 * i:04d}", with_kinds(("Shift Solenoid " + letter(x), "Schaltventil " + letter(x)), SOLENOID))
    t.seq("P0775", with_kinds(("Pressure Control Solenoid " + letter("B"), "Druckregelventil " + letter("B")), SOLENOID))
    t.seq("P0780", [("Shift Error", "Schaltfehler")] +
          [(f"{a}-{a + 1} Shift", f"Schaltung {a}-{a + 1}") for a in range(1, 5)])
    t.seq("P0785", with_kinds(("Shift/Timing Solenoid", "Schalt-/Zeitsteuerventil"), (("", ""),) + CIRCUIT_RLHI[1:]))
    t.one("P0790", "Normal/Performance Switch Circuit", "Schalter Normal/Sport – Stromkreis")
    t.seq("P0791", with_kinds(("Intermediate Shaft Speed Sensor " + letter("A"), "Zwischenwellendrehzahlgeber " + letter("A")), SPEED_SENSOR))
    t.seq("P0795", with_kinds(("Pressure Control Solenoid " + letter("C"), "Druckregelventil " + letter("C")), SOLENOID))


def add_p0_800(t):
    t.seq("P0800", [
        ("Transfer Case Control System (MIL Request)", "Verteilergetriebesteuerung (Anforderung Motorkontrollleuchte)"),
        ("Reverse Inhibit Control Circuit", "Rückwärtsgangsperre – Ansteuerkreis"),
        ("Transmission Control System MIL Request Circuit/Open", "Getriebesteuerung MIL-Anforderung – Stromkreis/Unterbrechung"),
        ("1-4 Upshift (Skip Shift) Solenoid Control Circuit", "Hochschaltung 1-4 (Gangsprung) Ventil – Ansteuerkreis"),
        ("1-4 Upshift (Skip Shift) Lamp Control Circuit", "Hochschaltung 1-4 (Gangsprung) Leuchte – Ansteuerkreis"),
    ])
    t.seq("P0805", with_kinds(("Clutch Position Sensor", "Kupplungspositionsgeber"), CIRCUIT_RLHI))
    t.seq("P0810", [
        ("Clutch Position Control Error", "Kupplungspositionsregelung – Fehler"),
        ("Excessive Clutch Slippage", "Kupplungsschlupf zu groß"),
        ("Reverse Input Circuit", "Rückwärtsgangeingang – Stromkreis"),
        ("Reverse Output Circuit", "Rückwärtsgangausgang – Stromkreis"),
        ("Transmission Range Display Circuit", "Ganganzeige – Stromkreis"),
        ("Upshift Switch Circuit", "Hochschalttaster – Stromkreis"),
        ("Downshift Switch Circuit", "Runterschalttaster – Stromkreis"),
        ("Starter Disable Circuit", "Anlassersperre – Stromkreis"),
        ("Driveline Disconnect Switch Input Circuit", "Antriebsstrang-Trennschalter – Eingangsstromkreis"),
        ("Up and Down Shift Switch to Transmission Range Correlation", "Schalttaster auf/ab – Korrelation mit Wählhebelstellung"),
        ("Gear Lever X-Y Position Sensor Circuit", "Schalthebel-X-Y-Positionsgeber – Stromkreis"),
        ("Gear Lever X Position Circuit", "Schalthebel X-Position – Stromkreis"),
        ("Gear Lever Y Position Circuit", "Schalthebel Y-Position – Stromkreis"),
        ("Gear Lever X Position Circuit Intermittent", "Schalthebel X-Position – Stromkreis sporadisch"),
        ("Gear Lever Y Position Circuit Intermittent", "Schalthebel Y-Position – Stromkreis sporadisch"),
        ("Gear Lever Push-Pull Switch (Shift Anticipate)", "Schalthebel Druck-Zug-Schalter (Schaltvorwahl)"),
        ("Up and Down Shift Switch Circuit", "Schalttaster auf/ab – Stromkreis"),
        ("Up and Down Shift Switch Circuit Low", "Schalttaster auf/ab – Stromkreis Signal zu niedrig"),
        ("Up and Down Shift Switch Circuit High", "Schalttaster auf/ab – Stromkreis Signal zu hoch"),
        ("5-6 Shift", "Schaltung 5-6"),
    ])
    for start, x in (("P0830", "A"), ("P0833", "B")):
        t.seq(start, with_kinds(("Clutch Pedal Switch " + letter(x), "Kupplungspedalschalter " + letter(x)),
                                (("Circuit", "Stromkreis"),) + RLH[1:]))
    t.seq("P0836", with_kinds(("Four Wheel Drive (4WD) Switch", "Allradschalter (4WD)"), CIRCUIT_RLHI[:4]))
    for start, x in (("P0840", "A"), ("P0845", "B"), ("P0870", "C"), ("P0875", "D")):
        t.seq(start, with_kinds(("Transmission Fluid Pressure Sensor/Switch " + letter(x),
                                 "Getriebeöldruckgeber/-schalter " + letter(x)), CIRCUIT_RLHI))
    for start, n, d in (("P0850", "Park/Neutral Switch", "Park-/Neutralschalter"), ("P0853", "Drive Switch", "Fahrstufenschalter")):
        t.seq(start, with_kinds((n, d), (("Input Circuit", "Eingangsstromkreis"), ("Input Circuit Low", "Eingangsstromkreis Signal zu niedrig"),
                                         ("Input Circuit High", "Eingangsstromkreis Signal zu hoch"))))
    t.seq("P0856", with_kinds(("Traction Control Input Signal", "Antriebsschlupfregelung – Eingangssignal"),
                              (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"))))
    t.seq("P0860", with_kinds(("Gear Shift Module Communication Circuit", "Schaltmodul – Kommunikationsstromkreis"),
                              (("", ""), ("Low", "Signal zu niedrig"), ("High", "Signal zu hoch"))))
    t.seq("P0863", with_kinds(("TCM Communication Circuit", "Getriebesteuergerät – Kommunikationsstromkreis"),
                              (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "Signal zu niedrig"), ("High", "Signal zu hoch"))))
    t.seq("P0867", [("Transmission Fluid Pressure", "Getriebeöldruck"), ("Transmission Fluid Pressure Low", "Getriebeöldruck zu niedrig"),
                    ("Transmission Fluid Pressure High", "Getriebeöldruck zu hoch")])
    t.seq("P0880", with_kinds(("TCM Power Input Signal", "Getriebesteuergerät – Versorgungseingang"),
                              (("", ""), ("Range/Performance", "Bereich/Funktion"), ("Low", "zu niedrig"), ("High", "zu hoch"), ("Intermittent", "sporadisch"))))
    t.seq("P0885", with_kinds(("TCM Power Relay", "Getriebesteuergerät-Hauptrelais"), OPEN_LOW_HIGH))
    t.seq("P0888", with_kinds(("TCM Power Relay Sense", "Getriebesteuergerät-Hauptrelais Messkreis"),
                              (("Circuit", "Stromkreis"),) + RLH + (("Circuit Intermittent", "Stromkreis sporadisch"),)))
    t.seq("P0893", [
        ("Multiple Gears Engaged", "Mehrere Gänge eingelegt"),
        ("Transmission Component Slipping", "Getriebebauteil rutscht durch"),
        ("Shift Time Too Short", "Schaltzeit zu kurz"),
        ("Shift Time Too Long", "Schaltzeit zu lang"),
        ("Transmission Fluid Deteriorated", "Getriebeöl gealtert"),
        ("Transmission Control System MIL Request Circuit Low", "Getriebesteuerung MIL-Anforderung – Stromkreis Signal zu niedrig"),
        ("Transmission Control System MIL Request Circuit High", "Getriebesteuerung MIL-Anforderung – Stromkreis Signal zu hoch"),
    ])


def add_p0_900(t):
    open_rlh = (("Circuit/Open", "Stromkreis/Unterbrechung"),) + RLH
    t.seq("P0900", with_kinds(("Clutch Actuator", "Kupplungssteller"), open_rlh))
    t.seq("P0904", with_kinds(("Transmission Gate Select Position", "Gassenwahl-Position"), CIRCUIT_RLHI) +
          [("Transmission Gate Select Control Error", "Gassenwahl – Regelfehler")])
    t.seq("P0910", with_kinds(("Gate Select Actuator", "Gassenwahlsteller"), open_rlh))
    t.seq("P0914", with_kinds(("Gear Shift Position", "Gangschaltposition"), CIRCUIT_RLHI) +
          [("Gear Shift Position Control Error", "Gangschaltposition – Regelfehler")])
    t.seq("P0920", with_kinds(("Gear Shift Forward Actuator", "Gangsteller vorwärts"), open_rlh))
    t.seq("P0924", with_kinds(("Gear Shift Reverse Actuator", "Gangsteller rückwärts"), open_rlh))
    t.seq("P0928", with_kinds(("Gear Shift Lock Solenoid", "Schaltsperrmagnet"), CTRL_RLH))
    t.seq("P0932", with_kinds(("Hydraulic Pressure Sensor", "Hydraulikdruckgeber"), CIRCUIT_RLHI))
    t.seq("P0937", with_kinds(("Hydraulic Oil Temperature Sensor", "Hydrauliköltemperaturfühler"), CIRCUIT_RLHI))
    t.seq("P0942", [("Hydraulic Pressure Unit", "Hydraulikaggregat"),
                    ("Hydraulic Pressure Unit Cycling Period Too Short", "Hydraulikaggregat – Taktzeit zu kurz"),
                    ("Hydraulic Pressure Unit Loss of Pressure", "Hydraulikaggregat – Druckverlust")])
    t.seq("P0945", with_kinds(("Hydraulic Pump Relay", "Hydraulikpumpenrelais"), open_rlh))
    t.one("P0949", "Auto Shift Manual Adaptive Learning Not Complete", "Automatisiertes Schaltgetriebe – Anlernen nicht abgeschlossen")
    t.seq("P0950", with_kinds(("Auto Shift Manual Control", "Manuelle Schaltgassen-Ansteuerung"), CIRCUIT_RLHI))
    t.seq("P0955", with_kinds(("Auto Shift Manual Mode", "Manueller Schaltmodus"), CIRCUIT_RLHI))
    for start, x in (("P0960", "A"), ("P0964", "B"), ("P0968", "C")):
        t.seq(start, with_kinds(("Pressure Control Solenoid " + letter(x), "Druckregelventil " + letter(x)), CTRL_RLH))
    for i, x in enumerate("ABCDE"):
        t.seq(f"P{972 + 3 * i:04d}", with_kinds(("Shift Solenoid " + letter(x), "Schaltventil " + letter(x)), CTRL_RLH[1:]))
    for start, x in (("P0987", "E"), ("P0992", "F")):
        t.seq(start, with_kinds(("Transmission Fluid Pressure Sensor/Switch " + letter(x),
                                 "Getriebeöldruckgeber/-schalter " + letter(x)), CIRCUIT_RLHI))
    t.seq("P0997", with_kinds(("Shift Solenoid " + letter("F"), "Schaltventil " + letter("F")), CTRL_RLH[1:]))


def add(t):
    add_p0_500(t)
    add_p0_600(t)
    add_p0_700(t)
    add_p0_800(t)
    add_p0_900(t)


