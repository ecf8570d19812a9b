"""Manufacturer-specific codes of Honda, Volkswagen and Mercedes-Benz, in our own words.

The German makers number their codes per component and failure kind, so their tables are built
from a component list and the failure kinds of MAKER_KINDS.
"""

from makers_a import rows
from table_words import MAKER_KINDS

HONDA = [
    ("P1106", "Barometric pressure sensor circuit range/performance", "Luftdruckgeber – Stromkreis Bereich/Funktion"),
    ("P1107", "Barometric pressure sensor circuit low input", "Luftdruckgeber – Eingang zu niedrig"),
    ("P1108", "Barometric pressure sensor circuit high input", "Luftdruckgeber – Eingang zu hoch"),
    ("P1121", "Throttle position lower than expected", "Drosselklappenstellung niedriger als erwartet"),
    ("P1122", "Throttle position higher than expected", "Drosselklappenstellung höher als erwartet"),
    ("P1128", "Manifold absolute pressure lower than expected", "Saugrohrdruck niedriger als erwartet"),
    ("P1129", "Manifold absolute pressure higher than expected", "Saugrohrdruck höher als erwartet"),
    ("P1149", "Primary O2 sensor circuit range/performance", "Vordere Lambdasonde – Stromkreis Bereich/Funktion"),
    ("P1162", "Air/fuel ratio sensor circuit malfunction", "Luft-Kraftstoff-Sensor – Stromkreis Fehlfunktion"),
    ("P1163", "Air/fuel ratio sensor slow response", "Luft-Kraftstoff-Sensor – Ansprechverhalten zu langsam"),
    ("P1164", "Air/fuel ratio sensor circuit range/performance", "Luft-Kraftstoff-Sensor – Stromkreis Bereich/Funktion"),
    ("P1165", "Air/fuel ratio sensor circuit out of range", "Luft-Kraftstoff-Sensor – Stromkreis außerhalb des Bereichs"),
    ("P1166", "Air/fuel ratio sensor heater system electrical", "Luft-Kraftstoff-Sensor – Heizung elektrischer Fehler"),
    ("P1167", "Air/fuel ratio sensor heater system", "Luft-Kraftstoff-Sensor – Heizungssystem"),
    ("P1168", "Air/fuel ratio sensor label circuit low input", "Luft-Kraftstoff-Sensor Kennungskreis – Eingang zu niedrig"),
    ("P1169", "Air/fuel ratio sensor label circuit high input", "Luft-Kraftstoff-Sensor Kennungskreis – Eingang zu hoch"),
    ("P1172", "Air/fuel ratio sensor circuit high voltage", "Luft-Kraftstoff-Sensor – Stromkreis Spannung zu hoch"),
    ("P1253", "VTEC system malfunction", "Ventilsteuerung VTEC – Fehlfunktion"),
    ("P1259", "VTEC system circuit", "Ventilsteuerung VTEC – Stromkreis"),
    ("P1297", "Electrical load detector circuit low input", "Lastsensor elektrisch – Eingang zu niedrig"),
    ("P1298", "Electrical load detector circuit high input", "Lastsensor elektrisch – Eingang zu hoch"),
    ("P1300", "Random misfire detected", "Zufällige Fehlzündung erkannt"),
    ("P1324", "Knock sensor power source circuit low input", "Klopfsensor-Versorgung – Eingang zu niedrig"),
    ("P1336", "Crankshaft speed fluctuation sensor intermittent", "Kurbelwellen-Drehzahlschwankungsgeber – sporadisch"),
    ("P1337", "Crankshaft speed fluctuation sensor no signal", "Kurbelwellen-Drehzahlschwankungsgeber – kein Signal"),
    ("P1361", "Top dead centre sensor 1 intermittent interruption", "OT-Geber 1 – sporadische Unterbrechung"),
    ("P1362", "Top dead centre sensor 1 no signal", "OT-Geber 1 – kein Signal"),
    ("P1366", "Top dead centre sensor 2 intermittent interruption", "OT-Geber 2 – sporadische Unterbrechung"),
    ("P1367", "Top dead centre sensor 2 no signal", "OT-Geber 2 – kein Signal"),
    ("P1381", "Cylinder position sensor intermittent interruption", "Zylinderpositionsgeber – sporadische Unterbrechung"),
    ("P1382", "Cylinder position sensor no signal", "Zylinderpositionsgeber – kein Signal"),
    ("P1456", "Evaporative emission control system leakage (fuel tank side)", "Kraftstoffverdunstungsanlage undicht (Tankseite)"),
    ("P1457", "Evaporative emission control system leakage (canister side)", "Kraftstoffverdunstungsanlage undicht (Aktivkohlebehälterseite)"),
    ("P1459", "Evaporative emission purge flow switch malfunction", "Spülstromschalter Kraftstoffverdunstung – Fehlfunktion"),
    ("P1486", "Thermostat range/performance", "Thermostat – Bereich/Funktion"),
    ("P1491", "EGR valve lift insufficient", "AGR-Ventilhub zu gering"),
    ("P1498", "EGR valve lift sensor high voltage", "AGR-Ventilhubgeber – Spannung zu hoch"),
    ("P1505", "Positive crankcase ventilation system malfunction", "Kurbelgehäuseentlüftung – Fehlfunktion"),
    ("P1508", "Idle air control valve circuit failure", "Leerlaufsteller – Stromkreisfehler"),
    ("P1509", "Idle air control valve circuit failure (open)", "Leerlaufsteller – Stromkreisfehler (Unterbrechung)"),
    ("P1519", "Idle air control valve circuit malfunction", "Leerlaufsteller – Stromkreis Fehlfunktion"),
    ("P1607", "ECM/PCM internal circuit malfunction A", "Motorsteuergerät – interne Schaltung A Fehlfunktion"),
    ("P1656", "Automatic transmission FI signal A circuit", "Automatikgetriebe Einspritzsignal A – Stromkreis"),
    ("P1660", "Automatic transmission FI data line failure", "Automatikgetriebe Einspritzdatenleitung – Fehler"),
    ("P1676", "Fuel injection data communication line failure", "Einspritzdatenleitung – Kommunikationsfehler"),
    ("P1678", "Fuel injection signal B circuit", "Einspritzsignal B – Stromkreis"),
    ("P1681", "Automatic transmission FI signal A low input", "Automatikgetriebe Einspritzsignal A – Eingang zu niedrig"),
    ("P1682", "Automatic transmission FI signal A high input", "Automatikgetriebe Einspritzsignal A – Eingang zu hoch"),
    ("P1705", "Automatic transmission gear position switch short", "Gangpositionsschalter Automatikgetriebe – Kurzschluss"),
    ("P1706", "Automatic transmission gear position switch open", "Gangpositionsschalter Automatikgetriebe – Unterbrechung"),
    ("P1738", "Shift control system, 2nd clutch", "Schaltsteuerung – Kupplung 2. Gang"),
    ("P1739", "Shift control system, 3rd clutch", "Schaltsteuerung – Kupplung 3. Gang"),
    ("P1753", "Lock-up control solenoid valve A", "Überbrückungs-Magnetventil A"),
    ("P1768", "Clutch pressure control solenoid valve A", "Kupplungsdruck-Magnetventil A"),
    ("P1790", "Throttle position signal line (transmission)", "Drosselklappensignalleitung (Getriebe)"),
    ("P1791", "Vehicle speed sensor circuit (transmission)", "Geschwindigkeitsgeber (Getriebe) – Stromkreis"),
    ("B1000", "SRS unit internal failure", "SRS-Steuergerät – interner Fehler"),
    ("B1001", "Driver airbag inflator resistance high", "Zündpille Fahrerairbag – Widerstand zu hoch"),
    ("B1002", "Driver airbag inflator resistance low", "Zündpille Fahrerairbag – Widerstand zu niedrig"),
    ("B1003", "Passenger airbag inflator resistance high", "Zündpille Beifahrerairbag – Widerstand zu hoch"),
    ("B1004", "Passenger airbag inflator resistance low", "Zündpille Beifahrerairbag – Widerstand zu niedrig"),
    ("U0029", "F-CAN malfunction (bus off)", "F-CAN-Störung (Bus abgeschaltet)"),
]

VW_PARTS = [
    ("O2 Sensor Heating Circuit (Bank 1 Sensor 1)", "Lambdasondenheizung (Bank 1 Sonde 1)"),
    ("O2 Sensor Heating Circuit (Bank 1 Sensor 2)", "Lambdasondenheizung (Bank 1 Sonde 2)"),
    ("Mass Air Flow Sensor", "Luftmassenmesser"),
    ("Intake Air Temperature Sensor", "Ansauglufttemperaturgeber"),
    ("Engine Coolant Temperature Sensor", "Kühlmitteltemperaturgeber"),
    ("Throttle Valve Control Module Potentiometer", "Drosselklappensteuereinheit Potentiometer"),
    ("Accelerator Pedal Position Sensor 1", "Gaspedalstellungsgeber 1"),
    ("Accelerator Pedal Position Sensor 2", "Gaspedalstellungsgeber 2"),
    ("Camshaft Adjustment Valve (Bank 1)", "Nockenwellenverstellventil (Bank 1)"),
    ("Intake Manifold Flap Valve", "Saugrohrklappenventil"),
    ("EVAP Canister Purge Regulator Valve", "Magnetventil Aktivkohlebehälter"),
    ("Charge Pressure Control Solenoid", "Magnetventil Ladedruckbegrenzung"),
    ("Fuel Pressure Regulating Valve", "Kraftstoffdruckregelventil"),
    ("Secondary Air Injection Pump Relay", "Relais Sekundärluftpumpe"),
    ("Radiator Fan Control Module", "Steuergerät Kühlerlüfter"),
    ("Glow Plug Relay", "Relais Glühkerzen"),
]
VW_KINDS = ("b+", "gnd", "open", "impl")

MB_PARTS = [
    ("Hot Film Mass Air Flow Sensor", "Heißfilm-Luftmassenmesser"),
    ("Charge Air Pressure Sensor", "Ladedrucksensor"),
    ("Charge Air Temperature Sensor", "Ladelufttemperatursensor"),
    ("Rail Pressure Sensor", "Raildrucksensor"),
    ("Quantity Control Valve", "Mengenregelventil"),
    ("Boost Pressure Positioner", "Ladedrucksteller"),
    ("EGR Positioner", "AGR-Steller"),
    ("Swirl Flap Actuator", "Drallklappensteller"),
    ("Oil Level Sensor", "Ölstandsensor"),
    ("Electric Suction Fan", "Elektrischer Sauglüfter"),
    ("Camshaft Magnet (Intake)", "Nockenwellenmagnet (Einlass)"),
    ("Camshaft Magnet (Exhaust)", "Nockenwellenmagnet (Auslass)"),
]
MB_KINDS = ("b+", "gnd", "open", "low", "high")


def families(t, start, parts, kinds):
    n = int(start[1:])
    for part in parts:
        for kind in kinds:
            en_kind, de_kind = MAKER_KINDS[kind][:2]
            t.one(f"{start[0]}{n:04d}", f"{part[0]}: {en_kind}", f"{part[1]}: {de_kind}")
            n += 1


def add_honda(t):
    rows(t, HONDA)


def add_volkswagen(t):
    families(t, "P1100", VW_PARTS, VW_KINDS)


def add_mercedes(t):
    families(t, "P1400", MB_PARTS, MB_KINDS)
