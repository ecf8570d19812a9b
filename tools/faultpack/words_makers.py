"""French and Spanish parts and phrases of the manufacturers' own codes.

The makers' texts are in sentence case; the lookup ignores letter case, so "Throttle position
sensor" here and a "Throttle Position Sensor" of the generic codes are one entry, and a maker's
"sensor circuit intermittent" is written with the kinds of words_kinds.py like any generic code.
"""

PHRASES = """
OBD II monitor testing not complete | Tests des moniteurs OBD II non terminés | Pruebas de los monitores OBD II no completadas
Key on engine running self-test not able to complete | Autotest contact mis moteur tournant impossible à terminer | Autodiagnóstico con contacto y motor en marcha imposible de completar
Mass Air Flow Sensor | Débitmètre d'air | Caudalímetro de aire
Dual alternator | Alternateur double | Alternador doble
Throttle position sensor | Capteur de position du papillon | Sensor de posición de la mariposa
Throttle position sensor # | Capteur de position du papillon # | Sensor de posición de la mariposa #
Throttle position sensor B | Capteur de position du papillon B | Sensor de posición de la mariposa B
Throttle position sensor #-# | Capteurs de position du papillon #-# | Sensores de posición de la mariposa #-#
Throttle position | Position du papillon | Posición de la mariposa
Exhaust not warm enough | Échappement pas assez chaud | Escape no suficientemente caliente
downstream O2 sensors not tested | sondes lambda aval non testées | sondas lambda posteriores no comprobadas
Upstream O2 sensors swapped from bank to bank | Sondes lambda amont inversées entre les bancs | Sondas lambda anteriores intercambiadas entre bancadas
Downstream O2 sensors swapped from bank to bank | Sondes lambda aval inversées entre les bancs | Sondas lambda posteriores intercambiadas entre bancadas
Lack of upstream O2 sensor switch | Absence de basculement de la sonde lambda amont | Falta de conmutación de la sonda lambda anterior
Lack of downstream O2 sensor switch | Absence de basculement de la sonde lambda aval | Falta de conmutación de la sonda lambda posterior
adaptive fuel at limit | adaptation de richesse en butée | adaptación de mezcla en el límite
sensor indicates lean | la sonde indique un mélange pauvre | la sonda indica mezcla pobre
sensor indicates rich | la sonde indique un mélange riche | la sonda indica mezcla rica
Fuel rail pressure sensor | Capteur de pression de rampe d'injection | Sensor de presión del rail de combustible
Series throttle control system | Commande du papillon secondaire | Control de la mariposa secundaria
Fuel pump driver module disabled or offline | Module de commande de la pompe à carburant désactivé ou hors ligne | Módulo de control de la bomba de combustible desactivado o fuera de línea
Theft detected | Vol détecté | Robo detectado
vehicle immobilized | véhicule immobilisé | vehículo inmovilizado
Engine speed or vehicle speed limiter reached | Limiteur de régime ou de vitesse atteint | Limitador de régimen o de velocidad alcanzado
Cylinder head over temperature sensed | Surchauffe de la culasse détectée | Sobrecalentamiento de la culata detectado
Cylinder head temperature sensor | Capteur de température de culasse | Sensor de temperatura de la culata
Cylinder head overtemperature protection active | Protection contre la surchauffe de la culasse active | Protección contra sobrecalentamiento de la culata activa
Variable cam timing solenoid | Électrovanne de distribution variable | Electroválvula de distribución variable
Variable cam timing over-advanced | Distribution variable trop avancée | Distribución variable demasiado adelantada
Variable cam timing over-retarded | Distribution variable trop retardée | Distribución variable demasiado retrasada
Differential pressure feedback EGR sensor | Capteur de pression différentielle EGR | Sensor de presión diferencial EGR
EGR differential pressure sensor | Capteur de pression différentielle EGR | Sensor de presión diferencial EGR
EGR flow | Débit EGR | Caudal EGR
EGR vacuum regulator | Régulateur de dépression EGR | Regulador de vacío EGR
Evaporative purge flow sensor or switch | Capteur ou contacteur de débit de purge EVAP | Sensor o interruptor de caudal de purga EVAP
Unable to bleed up fuel tank vacuum | Impossible de résorber la dépression du réservoir | No se puede eliminar el vacío del depósito de combustible
Evaporative vent valve | Vanne de mise à l'air EVAP | Válvula de ventilación EVAP
Wide open throttle A/C cutoff relay | Relais de coupure de climatisation pleine charge | Relé de corte del A/A a plena carga
A/C demand | Demande de climatisation | Solicitud de aire acondicionado
Low speed fan control | Commande du ventilateur petite vitesse | Control del ventilador de baja velocidad
High speed fan control | Commande du ventilateur grande vitesse | Control del ventilador de alta velocidad
Powertrain control module | Calculateur moteur | Centralita del motor
Keep alive power voltage too low | Tension d'alimentation permanente trop basse | Tensión de alimentación permanente demasiado baja
Tire or axle ratio | Rapport pneus ou pont | Relación de neumáticos o del eje
Vehicle ID block corrupted or not programmed | Bloc d'identification du véhicule corrompu ou non programmé | Bloque de identificación del vehículo dañado o no programado
Powertrain codes available in another module | Codes défaut moteur disponibles dans un autre calculateur | Códigos de avería del motor disponibles en otra centralita
Power steering pressure switch | Contacteur de pression de direction assistée | Interruptor de presión de la dirección asistida
Transmission indeterminate failure | Défaut indéterminé de la boîte de vitesses | Fallo indeterminado de la caja de cambios
Reverse engagement error | Erreur d'engagement de la marche arrière | Error al engranar la marcha atrás
Brake on/off switch | Contacteur de pédale de frein | Interruptor del pedal de freno
Transmission fluid temperature sensor | Capteur de température d'huile de boîte de vitesses | Sensor de temperatura del aceite de la caja de cambios
Transmission slip error | Erreur de patinage de la boîte de vitesses | Error de patinado de la caja de cambios
Electronic pressure control solenoid | Électrovanne de régulation électronique de pression | Electroválvula de control electrónico de presión
Transmission control switch | Contacteur de commande de boîte de vitesses | Interruptor de control de la caja de cambios
Transmission overtemperature condition | Surchauffe de la boîte de vitesses | Sobrecalentamiento de la caja de cambios
ABS hydraulic pump motor | Moteur de pompe hydraulique ABS | Motor de la bomba hidráulica del ABS
Battery voltage high | Tension de batterie trop élevée | Tensión de la batería demasiado alta
Battery voltage low | Tension de batterie trop basse | Tensión de la batería demasiado baja
Electronic control unit is faulted | Calculateur défaillant | Centralita averiada
Electronic control unit | Calculateur | Centralita
Ignition key cylinder sensor | Capteur du barillet de contacteur d'allumage | Sensor del bombín de la cerradura de encendido
PATS ignition key transponder signal not received | Antidémarrage PATS : signal du transpondeur de clé non reçu | Inmovilizador PATS: señal del transpondedor de la llave no recibida
PATS received incorrect key code from ignition key transponder | Antidémarrage PATS : code de clé incorrect reçu du transpondeur | Inmovilizador PATS: código de llave incorrecto recibido del transpondedor
PATS received invalid format of key code | Antidémarrage PATS : format de code de clé non valide | Inmovilizador PATS: formato de código de llave no válido
PATS transceiver signal not received | Antidémarrage PATS : signal de l'émetteur-récepteur non reçu | Inmovilizador PATS: señal del transceptor no recibida
Driver seat track position sensor | Capteur de position de la glissière du siège conducteur | Sensor de posición de la guía del asiento del conductor
CAN communication bus fault | Défaut du bus de communication CAN | Fallo del bus de comunicación CAN
receive error | erreur de réception | error de recepción
Fault received from external node | Défaut signalé par un abonné externe du bus | Fallo notificado por un nodo externo del bus
Intake air flow system | Système d'admission d'air | Sistema de admisión de aire
Accelerator pedal position system | Système de position de la pédale d'accélérateur | Sistema de posición del pedal del acelerador
Accelerator pedal position sensor | Capteur de position de la pédale d'accélérateur | Sensor de posición del pedal del acelerador
Accelerator pedal position sensor # | Capteur de position de la pédale d'accélérateur # | Sensor de posición del pedal del acelerador #
Accelerator pedal position sensor #-# | Capteurs de position de la pédale d'accélérateur #-# | Sensores de posición del pedal del acelerador #-#
HO2S | Sonde lambda chauffée | Sonda lambda calefactada
Engine coolant over temperature | Surchauffe du liquide de refroidissement | Sobrecalentamiento del refrigerante del motor
protection mode active | mode de protection actif | modo de protección activo
Ignition control | Commande d'allumage | Control del encendido
rough road data not available | données de route dégradée non disponibles | datos de firme irregular no disponibles
no communication with brake control module | pas de communication avec le calculateur de freinage | sin comunicación con la centralita de frenos
EGR | Vanne EGR | Válvula EGR
Cooling fan solenoid # | Électrovanne du ventilateur de refroidissement # | Electroválvula del ventilador de refrigeración #
Cooling fan speed sensor | Capteur de vitesse du ventilateur de refroidissement | Sensor de velocidad del ventilador de refrigeración
Starter signal | Signal de démarreur | Señal del motor de arranque
Idle speed control system | Régulation du régime de ralenti | Control del régimen de ralentí
Airflow performance, airflow too high or too low | Performances du débit d'air, débit trop élevé ou trop faible | Rendimiento del caudal de aire, caudal demasiado alto o demasiado bajo
Stop lamp switch | Contacteur de feux stop | Interruptor de luz de freno
Extended travel brake switch | Contacteur de frein à course longue | Interruptor de freno de carrera larga
Theft deterrent fuel enable signal not received | Antivol : signal d'autorisation carburant non reçu | Antirrobo: señal de habilitación de combustible no recibida
Theft deterrent password incorrect | Antivol : mot de passe incorrect | Antirrobo: contraseña incorrecta
# volt reference | Référence # V | Referencia de # V
# volt reference # | Référence # V n° # | Referencia de # V n.º #
Generator L-terminal | Borne L de l'alternateur | Borne L del alternador
Generator F-terminal | Borne F de l'alternateur | Borne F del alternador
Powertrain induced chassis pitch output | Sortie tangage de caisse dû au groupe motopropulseur | Salida de cabeceo del chasis debido a la propulsión
Driver information center | Centre d'information du conducteur | Centro de información del conductor
Delivered torque output | Sortie couple fourni | Salida de par entregado
Transmission fluid pressure valve position switch | Contacteur de position de la vanne de pression d'huile de boîte de vitesses | Interruptor de posición de la válvula de presión del aceite de la caja de cambios
Torque converter clutch PWM solenoid | Électrovanne PWM d'embrayage du convertisseur de couple | Electroválvula PWM del embrague del convertidor de par
4WD low switch | Contacteur de gamme courte (4WD) | Interruptor de reductora (4WD)
Option configuration error | Erreur de configuration des options | Error de configuración de opciones
Keep alive memory error | Erreur de mémoire permanente | Error de memoria permanente
Passenger deployment loop | Circuit de déclenchement passager | Circuito de activación del acompañante
Lost vehicle communication for anti-theft | Perte de communication véhicule pour l'antivol | Pérdida de comunicación del vehículo para el antirrobo
ABS indicator lamp | Témoin ABS | Testigo del ABS
Solenoid valve relay contact or coil | Contact ou bobine du relais des électrovannes | Contacto o bobina del relé de las electroválvulas
BPMV pump motor relay contact | Contact du relais du moteur de pompe du bloc hydraulique (BPMV) | Contacto del relé del motor de la bomba del grupo hidráulico (BPMV)
EBCM | Calculateur de freinage électronique (EBCM) | Centralita electrónica de frenos (EBCM)
Class # communication | Communication Class # | Comunicación Class #
body control system | Système de commande de carrosserie | Sistema de control de carrocería
Barometric pressure sensor | Capteur de pression atmosphérique | Sensor de presión barométrica
Manifold absolute pressure | Pression absolue du collecteur | Presión absoluta del colector
Primary O2 sensor | Sonde lambda primaire | Sonda lambda primaria
Air/fuel ratio sensor | Sonde de richesse air/carburant | Sensor de relación aire/combustible
VTEC system | Système VTEC | Sistema VTEC
Electrical load detector | Détecteur de charge électrique | Detector de carga eléctrica
Random misfire detected | Ratés d'allumage aléatoires détectés | Fallos de encendido aleatorios detectados
Knock sensor power source | Alimentation du capteur de cliquetis | Alimentación del sensor de detonación
Crankshaft speed fluctuation sensor | Capteur de fluctuation de régime du vilebrequin | Sensor de fluctuación de velocidad del cigüeñal
Top dead centre sensor # | Capteur de point mort haut # | Sensor de punto muerto superior #
Cylinder position sensor | Capteur de position des cylindres | Sensor de posición de los cilindros
Evaporative emission control system | Système EVAP | Sistema EVAP
Evaporative emission purge flow switch | Contacteur de débit de purge EVAP | Interruptor de caudal de purga EVAP
Thermostat | Thermostat | Termostato
EGR valve | Vanne EGR | Válvula EGR
EGR valve lift sensor | Capteur de levée de la vanne EGR | Sensor de alzada de la válvula EGR
EGR valve position sensor | Capteur de position de la vanne EGR | Sensor de posición de la válvula EGR
EGR cutoff valve | Vanne de coupure EGR | Válvula de corte EGR
Positive crankcase ventilation system | Système de réaspiration des vapeurs d'huile | Sistema de ventilación positiva del cárter
Idle air control valve | Vanne de régulation d'air de ralenti | Válvula de control de aire de ralentí
Automatic transmission FI signal A | Signal d'injection A de la boîte automatique | Señal de inyección A de la caja automática
Automatic transmission FI data line | Ligne de données d'injection de la boîte automatique | Línea de datos de inyección de la caja automática
Fuel injection data communication line | Ligne de communication des données d'injection | Línea de comunicación de datos de inyección
Fuel injection signal B | Signal d'injection B | Señal de inyección B
Automatic transmission gear position switch | Contacteur de position de rapport de la boîte automatique | Interruptor de posición de marcha de la caja automática
Shift control system | Commande de passage des rapports | Control de cambio de marchas
2nd clutch | embrayage de 2e | embrague de segunda
3rd clutch | embrayage de 3e | embrague de tercera
Lock-up control solenoid valve A | Électrovanne de commande de pontage A | Electroválvula de control del bloqueo A
Clutch pressure control solenoid valve A | Électrovanne de régulation de pression d'embrayage A | Electroválvula de control de presión del embrague A
Throttle position signal line | Ligne du signal de position du papillon | Línea de señal de posición de la mariposa
SRS unit | Calculateur SRS | Centralita SRS
Driver airbag inflator | Générateur de gaz de l'airbag conducteur | Generador de gas del airbag del conductor
Passenger airbag inflator | Générateur de gaz de l'airbag passager | Generador de gas del airbag del acompañante
F-CAN | Bus F-CAN | Bus F-CAN
Hot Film Mass Air Flow Sensor | Débitmètre d'air à film chaud | Caudalímetro de película caliente
Charge Air Pressure Sensor | Capteur de pression d'air de suralimentation | Sensor de presión del aire de sobrealimentación
Charge Air Temperature Sensor | Capteur de température d'air de suralimentation | Sensor de temperatura del aire de sobrealimentación
Rail Pressure Sensor | Capteur de pression de rampe | Sensor de presión del rail
Quantity Control Valve | Vanne de régulation de débit | Válvula reguladora de caudal
Boost Pressure Positioner | Actionneur de pression de suralimentation | Actuador de presión de sobrealimentación
EGR Positioner | Actionneur EGR | Actuador EGR
Swirl Flap Actuator | Actionneur des volets de turbulence | Actuador de las chapaletas de turbulencia
Oil Level Sensor | Capteur de niveau d'huile | Sensor de nivel de aceite
Electric Suction Fan | Ventilateur électrique aspirant | Ventilador eléctrico aspirante
Camshaft Magnet (Intake) | Électroaimant d'arbre à cames (admission) | Electroimán del árbol de levas (admisión)
Camshaft Magnet (Exhaust) | Électroaimant d'arbre à cames (échappement) | Electroimán del árbol de levas (escape)
Throttle control motor | Moteur de commande du papillon | Motor de control de la mariposa
Magnetic clutch circuit of the throttle control | Circuit de l'embrayage magnétique de la commande du papillon | Circuito del embrague magnético del control de la mariposa
Electronic throttle actuator power source | Alimentation de l'actionneur électronique de papillon | Alimentación del actuador electrónico de la mariposa
Crankshaft position sensor | Capteur de position du vilebrequin | Sensor de posición del cigüeñal
Fuel pump relay | Relais de pompe à carburant | Relé de la bomba de combustible
Igniter | Module d'allumage | Módulo de encendido
Variable valve timing sensor | Capteur de distribution variable | Sensor de distribución variable
Variable valve timing system | Système de distribution variable | Sistema de distribución variable
Variable valve lift system | Système de levée variable des soupapes | Sistema de alzada variable de las válvulas
Sub-throttle position sensor | Capteur de position du papillon secondaire | Sensor de posición de la mariposa secundaria
Turbo pressure sensor | Capteur de pression de turbo | Sensor de presión del turbo
Boost pressure control | Régulation de la pression de suralimentation | Control de la presión de sobrealimentación
Boost pressure low | Pression de suralimentation trop basse | Presión de sobrealimentación demasiado baja
Boost pressure high | Pression de suralimentation trop élevée | Presión de sobrealimentación demasiado alta
Cruise control main switch | Commutateur principal du régulateur de vitesse | Interruptor principal del control de crucero
ECM battery backup supply | Alimentation permanente du calculateur moteur par la batterie | Alimentación permanente de la centralita del motor por la batería
Knock control CPU | Processeur de régulation du cliquetis | Procesador de control de detonación
Traction control system | Système antipatinage | Sistema de control de tracción
ECM throttle control system | Calculateur moteur – commande du papillon | Centralita del motor – control de la mariposa
Body ECU | Calculateur de carrosserie | Centralita de carrocería
Oil control valve | Électrovanne de commande d'huile | Válvula de control de aceite
Wastegate valve | Vanne de wastegate | Válvula de la wastegate
Direct clutch speed sensor | Capteur de vitesse d'embrayage direct | Sensor de velocidad del embrague directo
Input turbine speed sensor | Capteur de vitesse de turbine d'entrée | Sensor de velocidad de la turbina de entrada
Linear solenoid for lock-up pressure control | Électrovanne linéaire de régulation de pression de pontage | Electroválvula lineal de control de presión del bloqueo
Linear solenoid for accumulator pressure control | Électrovanne linéaire de régulation de pression d'accumulateur | Electroválvula lineal de control de presión del acumulador
Park/neutral position switch | Contacteur de position parking/point mort | Interruptor de posición de estacionamiento/punto muerto
Engine control system malfunction reported to brake control | Défaut du contrôle moteur signalé à la régulation de freinage | Fallo del control del motor notificado al control de frenos
ECM communication | Communication avec le calculateur moteur | Comunicación con la centralita del motor
ABS control system | Système de régulation ABS | Sistema de control del ABS
Low battery positive voltage | Tension positive de batterie trop basse | Tensión positiva de la batería demasiado baja
Airbag ECU | Calculateur d'airbag | Centralita del airbag
Driver airbag squib | Inflammateur de l'airbag conducteur | Detonador del airbag del conductor
Passenger airbag squib | Inflammateur de l'airbag passager | Detonador del airbag del acompañante
Front airbag sensor | Capteur d'airbag frontal | Sensor del airbag frontal
Ignition switch ON | Position ON du contacteur d'allumage | Posición ON del interruptor de encendido
No communication in immobiliser system | Pas de communication dans le système antidémarrage | Sin comunicación en el sistema inmovilizador
Engine immobiliser system | Système antidémarrage moteur | Sistema inmovilizador del motor
CAN communication system | Système de communication CAN | Sistema de comunicación CAN
Throttle Valve Control Module Potentiometer | Potentiomètre du boîtier papillon motorisé | Potenciómetro de la unidad de mando de la mariposa
Camshaft Adjustment Valve | Électrovanne de déphaseur d'arbre à cames | Electroválvula del variador del árbol de levas
Intake Manifold Flap Valve | Électrovanne des volets du collecteur d'admission | Electroválvula de las chapaletas del colector de admisión
EVAP Canister Purge Regulator Valve | Électrovanne de purge canister | Electroválvula de purga del cánister
Charge Pressure Control Solenoid | Électrovanne de limitation de pression de suralimentation | Electroválvula de limitación de la presión de sobrealimentación
Fuel Pressure Regulating Valve | Vanne de régulation de pression de carburant | Válvula reguladora de presión de combustible
Secondary Air Injection Pump Relay | Relais de pompe d'air secondaire | Relé de la bomba de aire secundario
Radiator Fan Control Module | Calculateur du motoventilateur | Centralita del electroventilador
Glow Plug Relay | Relais des bougies de préchauffage | Relé de las bujías de precalentamiento
"""
