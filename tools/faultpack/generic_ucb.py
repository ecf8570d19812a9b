"""Generic network (U0001-U03FF), body (B0) and chassis (C0) codes."""

from generic_p5 import CIRCUIT_RLHI, with_kinds

Q = '"'


def letter(x):
    return f"{Q}{x}{Q}"


BUS_FAULTS = (("", ""), ("Performance", "Funktion"),
              ("(+) Open", "(+) Unterbrechung"), ("(+) Low", "(+) Signal zu niedrig"), ("(+) High", "(+) Signal zu hoch"),
              ("(-) Open", "(-) Unterbrechung"), ("(-) Low", "(-) Signal zu niedrig"), ("(-) High", "(-) Signal zu hoch"),
              ("(-) Shorted to Bus (+)", "(-) Kurzschluss mit Bus (+)"))

# Control modules in the order J2012 numbers the "lost communication" codes from U0100.
MODULES = [
    ("ECM/PCM " + letter("A"), "Motorsteuergerät " + letter("A")),
    ("TCM", "Getriebesteuergerät"),
    ("Transfer Case Control Module", "Verteilergetriebe-Steuergerät"),
    ("Gear Shift Control Module", "Schaltmodul"),
    ("Cruise Control Module", "Tempomat-Steuergerät"),
    ("Fuel Injector Control Module", "Einspritz-Steuergerät"),
    ("Glow Plug Control Module", "Glühzeitsteuergerät"),
    ("Throttle Actuator Control Module", "Drosselklappen-Steuergerät"),
    ("Alternative Fuel Control Module", "Steuergerät Alternativkraftstoff"),
    ("Fuel Pump Control Module", "Kraftstoffpumpen-Steuergerät"),
    ("Drive Motor Control Module " + letter("A"), "Antriebsmotor-Steuergerät " + letter("A")),
    ("Battery Energy Control Module " + letter("A"), "Batteriemanagement-Steuergerät " + letter("A")),
    ("Battery Energy Control Module " + letter("B"), "Batteriemanagement-Steuergerät " + letter("B")),
    ("Emissions Critical Control Information", "Abgasrelevante Steuerinformation"),
    ("Four-Wheel Drive Clutch Control Module", "Allradkupplungs-Steuergerät"),
    ("ECM/PCM " + letter("B"), "Motorsteuergerät " + letter("B")),
    ("Drive Motor Control Module " + letter("B"), "Antriebsmotor-Steuergerät " + letter("B")),
    ("Hybrid Powertrain Control Module", "Hybridantriebs-Steuergerät"),
    ("Starter/Generator Control Module", "Starter-Generator-Steuergerät"),
    ("Battery Charger Control Module", "Ladegeräte-Steuergerät"),
    ("Exhaust Aftertreatment Control Module", "Abgasnachbehandlungs-Steuergerät"),
    ("Anti-Lock Brake System (ABS) Control Module", "ABS-Steuergerät"),
    ("Vehicle Dynamics Control Module", "Fahrdynamik-Steuergerät"),
    ("Yaw Rate Sensor Module", "Drehratensensor"),
    ("Lateral Acceleration Sensor Module", "Querbeschleunigungssensor"),
    ("Multi-axis Acceleration Sensor Module", "Mehrachs-Beschleunigungssensor"),
    ("Steering Angle Sensor Module", "Lenkwinkelsensor"),
    ("Tire Pressure Monitor Module", "Reifendruckkontroll-Steuergerät"),
    ("Park Brake Control Module", "Feststellbremsen-Steuergerät"),
    ("Brake System Control Module", "Bremssystem-Steuergerät"),
    ("Steering Effort Control Module", "Lenkkraft-Steuergerät"),
    ("Power Steering Control Module", "Servolenkungs-Steuergerät"),
    ("Ride Level Control Module", "Niveauregulierungs-Steuergerät"),
    ("Active Roll Control Module", "Wankstabilisierungs-Steuergerät"),
    ("Power Steering Control Module - Rear", "Servolenkungs-Steuergerät hinten"),
    ("Suspension Control Module " + letter("A"), "Fahrwerk-Steuergerät " + letter("A")),
    ("Rear Differential Control Module", "Hinterachsdifferenzial-Steuergerät"),
    ("Trailer Brake Control Module", "Anhängerbrems-Steuergerät"),
    ("All Terrain Control Module", "Geländefahrprogramm-Steuergerät"),
    ("Suspension Control Module " + letter("B"), "Fahrwerk-Steuergerät " + letter("B")),
    ("Body Control Module", "Bordnetzsteuergerät"),
    ("Body Control Module " + letter("A"), "Bordnetzsteuergerät " + letter("A")),
    ("Body Control Module " + letter("B"), "Bordnetzsteuergerät " + letter("B")),
    ("Body Control Module " + letter("C"), "Bordnetzsteuergerät " + letter("C")),
    ("Body Control Module " + letter("D"), "Bordnetzsteuergerät " + letter("D")),
    ("Body Control Module " + letter("E"), "Bordnetzsteuergerät " + letter("E")),
    ("Gateway " + letter("A"), "Gateway " + letter("A")),
    ("Gateway " + letter("B"), "Gateway " + letter("B")),
    ("Gateway " + letter("C"), "Gateway " + letter("C")),
    ("Gateway " + letter("D"), "Gateway " + letter("D")),
    ("Gateway " + letter("E"), "Gateway " + letter("E")),
    ("Restraints Control Module", "Airbag-Steuergerät"),
    ("Side Restraints Control Module Left", "Seitenairbag-Steuergerät links"),
    ("Side Restraints Control Module Right", "Seitenairbag-Steuergerät rechts"),
    ("Restraints Occupant Classification System Module", "Insassenerkennungs-Steuergerät"),
    ("Instrument Panel Cluster (IPC) Control Module", "Kombiinstrument"),
    ("Information Center " + letter("A"), "Informationszentrum " + letter("A")),
    ("Information Center " + letter("B"), "Informationszentrum " + letter("B")),
    ("Head Up Display", "Head-up-Display"),
    ("Parking Assist Control Module " + letter("A"), "Einparkhilfe-Steuergerät " + letter("A")),
    ("Audible Alert Control Module", "Warnton-Steuergerät"),
    ("Compass Module", "Kompassmodul"),
    ("Navigation Display Module", "Navigationsanzeige"),
    ("Navigation Control Module", "Navigations-Steuergerät"),
    ("HVAC Control Module", "Klima-Steuergerät"),
    ("HVAC Control Module - Rear", "Klima-Steuergerät hinten"),
    ("Auxiliary Heater Control Module", "Zusatzheizungs-Steuergerät"),
    ("Vehicle Immobilizer Control Module", "Wegfahrsperren-Steuergerät"),
    ("Vehicle Security Control Module", "Diebstahlwarnanlagen-Steuergerät"),
    ("Sunroof Control Module", "Schiebedach-Steuergerät"),
] + [(f"Restraints System Sensor {letter(x)}", f"Rückhaltesystem-Sensor {letter(x)}") for x in "ABCDEFGHIJ"] + [
    ("Automatic Lighting Control Module", "Lichtautomatik-Steuergerät"),
    ("Headlamp Leveling Control Module", "Leuchtweitenregelungs-Steuergerät"),
    ("Lighting Control Module - Front", "Lichtsteuergerät vorn"),
    ("Lighting Control Module - Rear", "Lichtsteuergerät hinten"),
    ("Radio", "Radio"),
    ("Antenna Control Module", "Antennen-Steuergerät"),
    ("Audio Amplifier", "Audioverstärker"),
] + [(f"Digital Disc Player/Changer Module {letter(x)}", f"Digitaler Disc-Spieler/-Wechsler {letter(x)}") for x in "ABCD"] + [
    ("Television", "Fernsehempfänger"),
    ("Personal Computer", "Bordcomputer"),
    ("Digital Audio Control Module " + letter("A"), "Digitales Audio-Steuergerät " + letter("A")),
    ("Digital Audio Control Module " + letter("B"), "Digitales Audio-Steuergerät " + letter("B")),
    ("Subscription Entertainment Receiver Module", "Empfänger für Abonnement-Unterhaltungsdienste"),
    ("Rear Seat Entertainment Control Module", "Fond-Unterhaltungs-Steuergerät"),
    ("Telephone Control Module", "Telefon-Steuergerät"),
    ("Telematic Control Module", "Telematik-Steuergerät"),
] + [(f"Door Control Module {letter(x)}", f"Türsteuergerät {letter(x)}") for x in "ABCDEFG"] + [
    ("Folding Top Control Module", "Verdeck-Steuergerät"),
    ("Moveable Roof Control Module", "Dach-Steuergerät"),
] + [(f"Seat Control Module {letter(x)}", f"Sitzsteuergerät {letter(x)}") for x in "ABCD"] + [
    ("Steering Column Control Module", "Lenksäulen-Steuergerät"),
    ("Mirror Control Module", "Spiegel-Steuergerät"),
    ("Remote Function Actuation", "Funkfernbedienung"),
] + [(f"Door Switch {letter(x)}", f"Türschalter {letter(x)}") for x in "ABCDEFG"] + [
    (f"Door Window Motor {letter(x)}", f"Fensterhebermotor {letter(x)}") for x in "ABCDEFG"] + [
    ("Rear Gate Module", "Heckklappenmodul"),
    ("Rain Sensing Module", "Regensensor"),
    ("Side Obstacle Detection Control Module - Left", "Totwinkelassistent links"),
    ("Side Obstacle Detection Control Module - Right", "Totwinkelassistent rechts"),
    ("Convenience Recall Module", "Memory-Steuergerät"),
    ("Cruise Control Front Distance Range Sensor", "Abstandssensor des Tempomats"),
    ("Column Lock Module", "Lenksäulenverriegelung"),
    ("Digital Audio Control Module " + letter("C"), "Digitales Audio-Steuergerät " + letter("C")),
    ("Digital Audio Control Module " + letter("D"), "Digitales Audio-Steuergerät " + letter("D")),
    ("Steering Wheel Control Module", "Lenkrad-Steuergerät"),
    ("Headlamp Control Module " + letter("A"), "Scheinwerfer-Steuergerät " + letter("A")),
    ("Headlamp Control Module " + letter("B"), "Scheinwerfer-Steuergerät " + letter("B")),
    ("Keyless Entry Module", "Schlüsselloses Zugangssystem"),
    ("Window Motor Module", "Fenstermotor-Steuergerät"),
    ("Rear Window Defroster Module", "Heckscheibenheizungs-Steuergerät"),
    ("Seat Heater Control Module", "Sitzheizungs-Steuergerät"),
    ("Trailer Module", "Anhängermodul"),
    ("Power Liftgate Control Module", "Heckklappenantriebs-Steuergerät"),
    ("Parking Assist Control Module " + letter("B"), "Einparkhilfe-Steuergerät " + letter("B")),
    ("Night Vision Control Module", "Nachtsicht-Steuergerät"),
    ("Image Processing Module " + letter("A"), "Bildverarbeitungs-Steuergerät " + letter("A")),
    ("Image Processing Module " + letter("B"), "Bildverarbeitungs-Steuergerät " + letter("B")),
    ("Lane Departure Warning Module", "Spurverlassenswarner"),
    ("Active Cruise Control Module", "Abstandsregeltempomat"),
    ("Front Camera Module", "Frontkamera"),
    ("Rear Camera Module", "Rückfahrkamera"),
    ("Electric Power Assist Brake Module", "Elektrischer Bremskraftverstärker"),
    ("Key Fob Receiver Module", "Funkschlüssel-Empfänger"),
    ("Ambient Light Control Module", "Ambientebeleuchtungs-Steuergerät"),
    ("Driver Seat Belt Reminder Module", "Gurtwarner Fahrer"),
    ("Passenger Seat Belt Reminder Module", "Gurtwarner Beifahrer"),
    ("Fuel Level Module", "Kraftstoffstandsmodul"),
    ("Fuel Additive Control Module", "Kraftstoffadditiv-Steuergerät"),
    ("Reductant Control Module", "Reduktionsmittel-Steuergerät"),
    ("NOx Sensor Module " + letter("A"), "NOx-Sensormodul " + letter("A")),
    ("NOx Sensor Module " + letter("B"), "NOx-Sensormodul " + letter("B")),
    ("Particulate Matter Sensor Module", "Partikelsensor-Modul"),
    ("Exhaust Gas Temperature Sensor Module", "Abgastemperatur-Sensormodul"),
    ("Turbocharger Control Module", "Turbolader-Steuergerät"),
    ("Cooling Fan Control Module", "Kühlerlüfter-Steuergerät"),
    ("Coolant Pump Control Module", "Kühlmittelpumpen-Steuergerät"),
    ("Oil Level Sensor Module", "Ölstandsensor-Modul"),
    ("Generator Control Module", "Generator-Steuergerät"),
    ("Battery Monitoring Module", "Batteriesensor"),
    ("DC/DC Converter Control Module", "Gleichspannungswandler-Steuergerät"),
    ("Auxiliary Battery Control Module", "Zusatzbatterie-Steuergerät"),
    ("Electric Vacuum Pump Module", "Elektrische Unterdruckpumpe"),
    ("Electric Air Conditioning Compressor Module", "Elektrischer Klimakompressor"),
    ("Electric Coolant Heater Module", "Elektrischer Kühlmittelheizer"),
    ("Charging Port Module", "Ladeanschluss-Modul"),
    ("Vehicle Communication Interface Module", "Fahrzeug-Kommunikationsschnittstelle"),
]

# Modules whose software J2012 checks for compatibility, in the order of U0301 on.
SOFTWARE = [m for m in MODULES[:13]] + [m for name in (
    "Anti-Lock Brake System (ABS) Control Module", "Vehicle Dynamics Control Module", "Park Brake Control Module",
    "Brake System Control Module", "Steering Effort Control Module", "Power Steering Control Module",
    "Ride Level Control Module", "Body Control Module", "Instrument Panel Cluster (IPC) Control Module",
    "HVAC Control Module", "Auxiliary Heater Control Module", "Vehicle Immobilizer Control Module",
    "Vehicle Security Control Module", "Steering Angle Sensor Module", "Steering Column Control Module",
    "Tire Pressure Monitor Module", "Body Control Module " + letter("A")) for m in MODULES if m[0] == name]


def add_network(t):
    buses = [("High Speed CAN Communication Bus", "Hochgeschwindigkeits-CAN-Bus"),
             ("Medium Speed CAN Communication Bus", "CAN-Bus mittlerer Geschwindigkeit"),
             ("Low Speed CAN Communication Bus", "Niedriggeschwindigkeits-CAN-Bus")]
    buses += [(f"Vehicle Communication Bus {letter(x)}", f"Fahrzeug-Kommunikationsbus {letter(x)}") for x in "ABCDE"]
    items = []
    for bus in buses:
        items += with_kinds(bus, BUS_FAULTS)
    t.seq("U0001", items)
    t.seq("U0073", [(f"Control Module Communication Bus {letter(x)} Off", f"Steuergeräte-Kommunikationsbus {letter(x)} abgeschaltet")
                    for x in "ABCDE"])
    t.seq("U0100", [(f"Lost Communication With {e}", f"Kommunikation unterbrochen: {d}") for e, d in MODULES[:200]])
    t.one("U0300", "Internal Control Module Software Incompatibility", "Steuergerät intern – Software nicht kompatibel")
    t.seq("U0301", [(f"Software Incompatibility with {e}", f"Software nicht kompatibel: {d}") for e, d in SOFTWARE])


def add_body(t):
    loops = [
        ("Driver Frontal Stage 1", "Fahrer Frontairbag Stufe 1"), ("Driver Frontal Stage 2", "Fahrer Frontairbag Stufe 2"),
        ("Driver Frontal Stage 3", "Fahrer Frontairbag Stufe 3"), ("Driver Frontal Stage 4", "Fahrer Frontairbag Stufe 4"),
        ("Driver Frontal Stage 5", "Fahrer Frontairbag Stufe 5"),
        ("Passenger Frontal Stage 1", "Beifahrer Frontairbag Stufe 1"), ("Passenger Frontal Stage 2", "Beifahrer Frontairbag Stufe 2"),
        ("Passenger Frontal Stage 3", "Beifahrer Frontairbag Stufe 3"), ("Passenger Frontal Stage 4", "Beifahrer Frontairbag Stufe 4"),
        ("Passenger Frontal Stage 5", "Beifahrer Frontairbag Stufe 5"),
        ("Left Side Airbag", "Seitenairbag links"), ("Left Side Airbag 2", "Seitenairbag links 2"),
        ("Left Curtain Airbag", "Kopfairbag links"), ("Left Curtain Airbag 2", "Kopfairbag links 2"),
        ("Right Side Airbag", "Seitenairbag rechts"), ("Right Side Airbag 2", "Seitenairbag rechts 2"),
        ("Right Curtain Airbag", "Kopfairbag rechts"), ("Right Curtain Airbag 2", "Kopfairbag rechts 2"),
        ("Driver Knee Bolster", "Knieairbag Fahrer"), ("Passenger Knee Bolster", "Knieairbag Beifahrer"),
        ("Left Second Row Side Airbag", "Seitenairbag zweite Reihe links"), ("Right Second Row Side Airbag", "Seitenairbag zweite Reihe rechts"),
        ("Left Third Row Side Airbag", "Seitenairbag dritte Reihe links"), ("Right Third Row Side Airbag", "Seitenairbag dritte Reihe rechts"),
        ("Driver Seatbelt Pretensioner", "Gurtstraffer Fahrer"), ("Passenger Seatbelt Pretensioner", "Gurtstraffer Beifahrer"),
        ("Left Second Row Seatbelt Pretensioner", "Gurtstraffer zweite Reihe links"),
        ("Right Second Row Seatbelt Pretensioner", "Gurtstraffer zweite Reihe rechts"),
        ("Center Second Row Seatbelt Pretensioner", "Gurtstraffer zweite Reihe Mitte"),
        ("Driver Lap Belt Pretensioner", "Beckengurtstraffer Fahrer"), ("Passenger Lap Belt Pretensioner", "Beckengurtstraffer Beifahrer"),
        ("Driver Active Head Restraint", "Aktive Kopfstütze Fahrer"), ("Passenger Active Head Restraint", "Aktive Kopfstütze Beifahrer"),
        ("Battery Disconnect", "Batterietrennung"), ("Pedestrian Protection Actuator Left", "Fußgängerschutz-Aktuator links"),
        ("Pedestrian Protection Actuator Right", "Fußgängerschutz-Aktuator rechts"), ("Rollover Protection Bar", "Überrollbügel"),
    ]
    t.seq("B0001", [(f"{e} Deployment Control", f"{d} – Auslösekreis") for e, d in loops])
    sensors = [
        ("Driver Frontal Impact Sensor", "Frontaufprallsensor Fahrerseite"), ("Passenger Frontal Impact Sensor", "Frontaufprallsensor Beifahrerseite"),
        ("Left Side Impact Sensor 1", "Seitenaufprallsensor links 1"), ("Left Side Impact Sensor 2", "Seitenaufprallsensor links 2"),
        ("Right Side Impact Sensor 1", "Seitenaufprallsensor rechts 1"), ("Right Side Impact Sensor 2", "Seitenaufprallsensor rechts 2"),
        ("Rear Impact Sensor", "Heckaufprallsensor"), ("Rollover Sensor", "Überschlagsensor"),
        ("Driver Seat Position Sensor", "Sitzpositionsgeber Fahrer"), ("Passenger Seat Position Sensor", "Sitzpositionsgeber Beifahrer"),
        ("Driver Seatbelt Buckle Switch", "Gurtschlossschalter Fahrer"), ("Passenger Seatbelt Buckle Switch", "Gurtschlossschalter Beifahrer"),
        ("Passenger Occupant Classification Sensor", "Insassenerkennungssensor Beifahrer"),
        ("Passenger Airbag Disable Switch", "Abschaltschalter Beifahrerairbag"),
        ("Passenger Airbag Disabled Indicator", "Anzeige Beifahrerairbag abgeschaltet"),
        ("Restraint System Warning Indicator", "Warnleuchte Rückhaltesystem"),
        ("Pedestrian Impact Sensor Left", "Fußgängeraufprallsensor links"), ("Pedestrian Impact Sensor Right", "Fußgängeraufprallsensor rechts"),
        ("Pedestrian Impact Sensor Center", "Fußgängeraufprallsensor Mitte"),
    ]
    t.seq("B0050", [(f"{e} Circuit", f"{d} – Stromkreis") for e, d in sensors])
    climate = [("Interior Air Temperature Sensor", "Innenraumtemperaturfühler"), ("Outside Air Temperature Sensor", "Außentemperaturfühler"),
               ("Sun Load Sensor", "Sonnensensor"), ("Evaporator Temperature Sensor", "Verdampfertemperaturfühler"),
               ("Heater Core Temperature Sensor", "Wärmetauscher-Temperaturfühler"), ("Air Quality Sensor", "Luftgütesensor"),
               ("Humidity Sensor", "Feuchtesensor")]
    items = []
    for c in climate:
        items += with_kinds(c, CIRCUIT_RLHI[:4])
    t.seq("B0100", items)


def add_chassis(t):
    wheels = [("Left Front", "vorn links"), ("Right Front", "vorn rechts"), ("Left Rear", "hinten links"), ("Right Rear", "hinten rechts")]
    items = []
    for e, d in wheels:
        items += with_kinds((f"{e} Wheel Speed Sensor", f"Raddrehzahlgeber {d}"),
                            (("Circuit", "Stromkreis"), ("Circuit Range/Performance", "Stromkreis Bereich/Funktion"),
                             ("Circuit Low", "Stromkreis Signal zu niedrig"), ("Circuit High", "Stromkreis Signal zu hoch"),
                             ("Circuit Erratic", "Stromkreis unplausibel")))
    t.seq("C0035", items)
    items = []
    for e, d in wheels:
        items += [(f"{e} Inlet Valve Circuit", f"Einlassventil {d} – Stromkreis"),
                  (f"{e} Outlet Valve Circuit", f"Auslassventil {d} – Stromkreis")]
    t.seq("C0060", items)
    t.seq("C0110", [
        ("Pump Motor Circuit", "Pumpenmotor – Stromkreis"),
        ("Pump Motor Circuit Low", "Pumpenmotor – Stromkreis Signal zu niedrig"),
        ("Pump Motor Circuit High", "Pumpenmotor – Stromkreis Signal zu hoch"),
        ("Pump Motor Performance", "Pumpenmotor – Funktion"),
        ("Valve Relay Circuit", "Ventilrelais – Stromkreis"),
        ("Valve Relay Circuit Low", "Ventilrelais – Stromkreis Signal zu niedrig"),
        ("Valve Relay Circuit High", "Ventilrelais – Stromkreis Signal zu hoch"),
        ("Traction Control Isolation Valve 1 Circuit", "Antriebsschlupfregelung Trennventil 1 – Stromkreis"),
        ("Traction Control Isolation Valve 2 Circuit", "Antriebsschlupfregelung Trennventil 2 – Stromkreis"),
        ("Traction Control Priming Valve 1 Circuit", "Antriebsschlupfregelung Ansaugventil 1 – Stromkreis"),
        ("Traction Control Priming Valve 2 Circuit", "Antriebsschlupfregelung Ansaugventil 2 – Stromkreis"),
    ])
    for start, name in (("C0130", ("Brake Pressure Sensor", "Bremsdruckgeber")),
                        ("C0135", ("Steering Angle Sensor", "Lenkwinkelsensor")),
                        ("C0140", ("Yaw Rate Sensor", "Drehratensensor")),
                        ("C0145", ("Lateral Acceleration Sensor", "Querbeschleunigungssensor")),
                        ("C0150", ("Longitudinal Acceleration Sensor", "Längsbeschleunigungssensor")),
                        ("C0155", ("Brake Fluid Level Sensor", "Bremsflüssigkeitsstandgeber")),
                        ("C0160", ("Brake Pedal Position Sensor", "Bremspedal-Positionsgeber")),
                        ("C0165", ("Ride Height Sensor Front", "Niveaugeber vorn")),
                        ("C0170", ("Ride Height Sensor Rear", "Niveaugeber hinten"))):
        t.seq(start, with_kinds(name, CIRCUIT_RLHI))
    t.seq("C0175", [
        ("Brake Switch Circuit", "Bremslichtschalter – Stromkreis"),
        ("ABS Warning Indicator Circuit", "ABS-Warnleuchte – Stromkreis"),
        ("Traction Control Indicator Circuit", "Antriebsschlupfregelung-Leuchte – Stromkreis"),
        ("Brake Warning Indicator Circuit", "Bremswarnleuchte – Stromkreis"),
        ("ABS Control Module Supply Voltage Low", "ABS-Steuergerät – Versorgungsspannung zu niedrig"),
        ("ABS Control Module Supply Voltage High", "ABS-Steuergerät – Versorgungsspannung zu hoch"),
        ("Wheel Speed Mismatch", "Raddrehzahlen passen nicht zusammen"),
        ("Tire Size Out of Range", "Reifengröße außerhalb des Bereichs"),
        ("Excessive Wheel Slip", "Radschlupf zu groß"),
        ("ABS Operation Time Too Long", "ABS-Regelzeit zu lang"),
    ])


def add(t):
    add_network(t)
    add_body(t)
    add_chassis(t)
