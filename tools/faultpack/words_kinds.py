"""French and Spanish failure kinds beyond those of table_words.py, and the notes in brackets.

A kind follows a part after a dash ("Capteur ... – circuit tension basse"), so each one is a noun
phrase that carries its own gender. "#" stands for a number, '"?"' for a quoted letter.
"""

KINDS = """
Range/Performance | plage/performances | rango/rendimiento
Low | signal bas | señal baja
High | signal haut | señal alta
Intermittent/Erratic | défaut intermittent/erratique | fallo intermitente/errático
Intermittent/Erratic/High | signal intermittent/erratique/haut | señal intermitente/errática/alta
Circuit Erratic | circuit erratique | circuito errático
Circuit Low Voltage | circuit tension basse | circuito tensión baja
Circuit High Voltage | circuit tension haute | circuito tensión alta
Circuit Stuck | circuit bloqué | circuito bloqueado
Circuit Failure | défaut du circuit | fallo del circuito
Circuit Short | court-circuit | cortocircuito
Circuit Short to Battery | court-circuit au plus | cortocircuito a positivo
Circuit Low Input | circuit entrée basse | circuito entrada baja
Circuit High Input | circuit entrée haute | circuito entrada alta
Circuit Out of Range | circuit hors plage | circuito fuera de rango
Circuit Response Malfunction | défaut de réponse du circuit | fallo de respuesta del circuito
Circuit Intermittent Low Voltage | circuit tension basse intermittente | circuito tensión baja intermitente
Circuit Intermittent High Voltage | circuit tension haute intermittente | circuito tensión alta intermitente
Circuit Malfunction A | dysfonctionnement du circuit A | mal funcionamiento del circuito A
Circuit Failure (Open) | défaut du circuit (ouvert) | fallo del circuito (abierto)
Circuit, No Signal While Running | circuit sans signal moteur tournant | circuito sin señal con el motor en marcha
Low Input | entrée basse | entrada baja
High Input | entrée haute | entrada alta
Input High | entrée haute | entrada alta
Sense Circuit/Open | circuit de mesure/ouvert | circuito de medición/abierto
Sense Circuit Low | circuit de mesure tension basse | circuito de medición tensión baja
Sense Circuit High | circuit de mesure tension haute | circuito de medición tensión alta
Sense Circuit Range/Performance | plage/performances du circuit de mesure | rango/rendimiento del circuito de medición
Sense Circuit Intermittent | circuit de mesure intermittent | circuito de medición intermitente
Sense Circuit Intermittent/Erratic | circuit de mesure intermittent/erratique | circuito de medición intermitente/errático
Input Circuit | circuit d'entrée | circuito de entrada
Input Circuit Low | circuit d'entrée tension basse | circuito de entrada tensión baja
Input Circuit High | circuit d'entrée tension haute | circuito de entrada tensión alta
Input Circuit Malfunction | dysfonctionnement du circuit d'entrée | mal funcionamiento del circuito de entrada
Input Circuit Failure | défaut du circuit d'entrée | fallo del circuito de entrada
Input Signal Missing | signal d'entrée absent | falta la señal de entrada
Input Malfunction | dysfonctionnement de l'entrée | mal funcionamiento de la entrada
Input Error | erreur d'entrée | error de entrada
Output Circuit | circuit de sortie | circuito de salida
Primary Circuit | circuit primaire | circuito primario
Primary Circuit Malfunction | dysfonctionnement du circuit primaire | mal funcionamiento del circuito primario
Secondary Circuit Low | circuit secondaire tension basse | circuito secundario tensión baja
Secondary Circuit High | circuit secondaire tension haute | circuito secundario tensión alta
Secondary Circuit Intermittent | circuit secondaire intermittent | circuito secundario intermitente
Primary/Secondary Circuit | circuit primaire/secondaire | circuito primario/secundario
Primary Control Circuit Low | circuit de commande primaire tension basse | circuito de control primario tensión baja
Primary Control Circuit High | circuit de commande primaire tension haute | circuito de control primario tensión alta
Positive Current Control Circuit/Open | circuit de commande du courant positif/ouvert | circuito de control de corriente positiva/abierto
Positive Current Control Circuit Low | circuit de commande du courant positif tension basse | circuito de control de corriente positiva tensión baja
Positive Current Control Circuit High | circuit de commande du courant positif tension haute | circuito de control de corriente positiva tensión alta
Negative Current Control Circuit/Open | circuit de commande du courant négatif/ouvert | circuito de control de corriente negativa/abierto
Negative Current Control Circuit Low | circuit de commande du courant négatif tension basse | circuito de control de corriente negativa tensión baja
Negative Current Control Circuit High | circuit de commande du courant négatif tension haute | circuito de control de corriente negativa tensión alta
Reference Voltage Circuit/Open | circuit de tension de référence/ouvert | circuito de tensión de referencia/abierto
Reference Voltage Performance | performances de la tension de référence | rendimiento de la tensión de referencia
Reference Voltage Circuit Low | circuit de tension de référence tension basse | circuito de tensión de referencia tensión baja
Reference Voltage Circuit High | circuit de tension de référence tension haute | circuito de tensión de referencia tensión alta
Heating Circuit | circuit de chauffage | circuito del calefactor
Heater Resistance | résistance de chauffage | resistencia del calefactor
Heater Circuit | circuit de chauffage | circuito del calefactor
Heater System | système de chauffage | sistema del calefactor
Heater System Electrical | défaut électrique du système de chauffage | fallo eléctrico del sistema del calefactor
Resistance | résistance | resistencia
Resistance High | résistance trop élevée | resistencia demasiado alta
Resistance Low | résistance trop faible | resistencia demasiado baja
Signal Circuit | circuit de signal | circuito de señal
Control | commande | control
Control Range/Performance | plage/performances de la commande | rango/rendimiento del control
Control Circuit Open | circuit de commande ouvert | circuito de control abierto
Control Circuit Shorted | circuit de commande en court-circuit | circuito de control en cortocircuito
Control Circuit or Circuit Low | circuit de commande ou circuit tension basse | circuito de control o circuito tensión baja
Control Circuit Malfunction | dysfonctionnement du circuit de commande | mal funcionamiento del circuito de control
Control Out of Range | commande hors plage | control fuera de rango
Control Error | erreur de régulation | error de regulación
Error | erreur | error
Correlation | corrélation | correlación
Voltage Correlation | corrélation des tensions | correlación de tensiones
Performance/Stuck Open | performances/blocage en position ouverte | rendimiento/bloqueo en posición abierta
System Performance | performances du système | rendimiento del sistema
System Performance or Stuck Off | performances du système ou blocage à l'arrêt | rendimiento del sistema o bloqueo en apagado
System Stuck On | blocage du système en marche | bloqueo del sistema en encendido
Stuck Off | blocage à l'arrêt | bloqueo en apagado
Insufficient Flow | débit insuffisant | caudal insuficiente
Incorrect Flow Detected | débit incorrect détecté | caudal incorrecto detectado
Flow | débit | caudal
Flow Insufficient Detected | débit insuffisant détecté | caudal insuficiente detectado
Flow Excessive Detected | débit excessif détecté | caudal excesivo detectado
Low Flow/Performance | débit insuffisant/performances | caudal insuficiente/rendimiento
Incorrect Purge Flow | débit de purge incorrect | caudal de purga incorrecto
High Purge Flow | débit de purge trop élevé | caudal de purga demasiado alto
Low Purge Flow | débit de purge trop faible | caudal de purga demasiado bajo
Leak Detected | fuite détectée | fuga detectada
Leakage | fuite | fuga
Loss of Pressure | perte de pression | pérdida de presión
Cycling Period Too Short | période de cycle trop courte | periodo de ciclo demasiado corto
Efficiency Below Threshold | efficacité inférieure au seuil | eficiencia por debajo del umbral
Temperature Below Threshold | température inférieure au seuil | temperatura por debajo del umbral
RPM Lower Than Expected | régime inférieur à la valeur attendue | régimen inferior al esperado
RPM Higher Than Expected | régime supérieur à la valeur attendue | régimen superior al esperado
Minimum Stop Performance | performances de la butée minimale | rendimiento del tope mínimo
Maximum Stop Performance | performances de la butée maximale | rendimiento del tope máximo
Apply Time Range/Performance | plage/performances du temps d'application | rango/rendimiento del tiempo de aplicación
Current Range/Performance | plage/performances du courant | rango/rendimiento de la corriente
Throttle Body Range/Performance | plage/performances du boîtier papillon | rango/rendimiento del cuerpo de mariposa
Deployment Control | commande de déclenchement | control de activación
On Signal | signal marche | señal de encendido
Off Signal | signal arrêt | señal de apagado
Resume Signal | signal reprise | señal de reanudación
Set Signal | signal mémorisation | señal de fijación
Coast Signal | signal décélération | señal de deceleración
Accel Signal | signal accélération | señal de aceleración
Incorrect Ratio | démultiplication incorrecte | relación incorrecta
Contribution/Balance | contribution/équilibrage | contribución/equilibrio
Misfire Detected | raté d'allumage détecté | fallo de encendido detectado
Above Knock Threshold | seuil de cliquetis dépassé | umbral de detonación superado
Overboost Condition | suralimentation excessive | sobrealimentación excesiva
Underboost | suralimentation insuffisante | sobrealimentación insuficiente
Turbine Overspeed | survitesse de la turbine | sobrevelocidad de la turbina
Overspeed | survitesse | sobrevelocidad
Speed Low | vitesse trop basse | velocidad demasiado baja
Speed High | vitesse trop élevée | velocidad demasiado alta
Rationality Check | contrôle de plausibilité | comprobación de plausibilidad
Circuit Over Current | surintensité dans le circuit | sobrecorriente en el circuito
Power/Ground Circuit | circuit d'alimentation/de masse | circuito de alimentación/masa
Not Learned | apprentissage non effectué | aprendizaje no realizado
Variation Not Learned | variation non apprise | variación no aprendida
Alignment | réglage | ajuste
Regeneration Duration | durée de régénération | duración de la regeneración
Regeneration Frequency | fréquence de régénération | frecuencia de la regeneración
Adaptive Learning Not Complete | apprentissage adaptatif non terminé | aprendizaje adaptativo no completado
Adaptive Learning at Limit | apprentissage adaptatif en butée | aprendizaje adaptativo en el límite
Processor | processeur | procesador
Programming Error | erreur de programmation | error de programación
Relay Control | commande du relais | control del relé
Vehicle Options Error | erreur d'options du véhicule | error de opciones del vehículo
Software Incompatibility | incompatibilité logicielle | incompatibilidad de software
Internal Malfunction | défaut interne | fallo interno
Internal Failure | défaut interne | fallo interno
Malfunction | dysfonctionnement | mal funcionamiento
Mechanical | défaut mécanique | fallo mecánico
Failure | défaut | fallo
Problem | défaut | fallo
Intermittent Interruption | coupure intermittente | interrupción intermitente
No Signal | aucun signal | sin señal
Open | circuit ouvert | circuito abierto
Short | court-circuit | cortocircuito
Out of Range | hors plage | fuera de rango
Out of Range Low | hors plage basse | fuera de rango por abajo
Slow Response | réponse lente | respuesta lenta
Insufficient Switching | basculements insuffisants | conmutación insuficiente
Transition Time Ratio | rapport des temps de basculement | relación de tiempos de conmutación
Exhaust Sample Error | erreur d'échantillon de gaz d'échappement | error de muestra de gases de escape
Out of Range During Deceleration | hors plage en décélération | fuera de rango en deceleración
Signal Stuck Lean | signal bloqué en mélange pauvre | señal bloqueada en pobre
Signal Stuck Rich | signal bloqué en mélange riche | señal bloqueada en rica
Signal Biased/Stuck Lean | signal décalé/bloqué en mélange pauvre | señal desviada/bloqueada en pobre
Signal Biased/Stuck Rich | signal décalé/bloqué en mélange riche | señal desviada/bloqueada en rica
Signal Circuit Shorted to Heater Circuit | circuit de signal en court-circuit avec le circuit de chauffage | circuito de señal en cortocircuito con el circuito del calefactor
Lower Circuit Malfunction | dysfonctionnement du circuit inférieur | mal funcionamiento del circuito inferior
Current Monitor Control Circuit | circuit de commande de surveillance du courant | circuito de control de vigilancia de corriente
Closed Position Performance | performances en position fermée | rendimiento en posición cerrada
Lift Insufficient | levée insuffisante | alzada insuficiente
Upstream Hose Off or Plugged | flexible amont débranché ou bouché | tubo anterior suelto u obstruido
Downstream Hose Off or Plugged | flexible aval débranché ou bouché | tubo posterior suelto u obstruido
Out of Acceptable Range | hors plage admissible | fuera del rango admisible
System Too Lean | mélange trop pauvre | mezcla demasiado pobre
System Too Rich | mélange trop riche | mezcla demasiado rica
KAM Error | erreur de mémoire permanente (KAM) | error de memoria permanente (KAM)
RAM/ROM Error | erreur de mémoire RAM/ROM | error de memoria RAM/ROM
(+) Open | (+) circuit ouvert | (+) circuito abierto
(+) Low | (+) tension basse | (+) tensión baja
(+) High | (+) tension haute | (+) tensión alta
(-) Open | (-) circuit ouvert | (-) circuito abierto
(-) Low | (-) tension basse | (-) tensión baja
(-) High | (-) tension haute | (-) tensión alta
(-) Shorted to Bus (+) | (-) en court-circuit avec le bus (+) | (-) en cortocircuito con el bus (+)
Short Circuit | court-circuit | cortocircuito
Signal | signal | señal
Lock | blocage | bloqueo
At Adaptive Limit | adaptation en butée | adaptación en el límite
Overspeed Error | erreur de régime trop élevé | error de régimen demasiado alto
Underspeed Error | erreur de régime trop bas | error de régimen demasiado bajo
Keep Alive Memory Test Error | erreur de test de la mémoire permanente | error en la prueba de la memoria permanente
Low RPM | régime trop bas | régimen demasiado bajo
High RPM | régime trop élevé | régimen demasiado alto
Lower Than Expected | valeur inférieure à la valeur attendue | valor inferior al esperado
Higher Than Expected | valeur supérieure à la valeur attendue | valor superior al esperado
Label Circuit Low Input | circuit d'identification entrée basse | circuito de identificación entrada baja
Label Circuit High Input | circuit d'identification entrée haute | circuito de identificación entrada alta
Internal Circuit Malfunction A | dysfonctionnement du circuit interne A | mal funcionamiento del circuito interno A
Throttle Actuator Position Performance | performances de position de l'actionneur de papillon | rendimiento de la posición del actuador de la mariposa
Flow During Non-Purge | débit hors phase de purge | caudal fuera de la fase de purga
Inconsistent with Mass Air Flow Sensor | incohérence avec le débitmètre d'air | incoherencia con el caudalímetro
"""

# The location or condition in brackets at the end of a clause.
NOTES = """
Bank # | Banc # | Bancada #
Bank # Sensor # | Banc # Sonde # | Bancada # Sonda #
Bank # Sensor A | Banc # Capteur A | Bancada # Sensor A
Bank # Sensor B | Banc # Capteur B | Bancada # Sensor B
Bank # or Single Sensor | Banc # ou capteur unique | Bancada # o sensor único
Bank # Unit # | Banc # Unité # | Bancada # Unidad #
MIL Request | demande d'allumage du voyant moteur | solicitud de encendido del testigo MIL
Small Leak | petite fuite | fuga pequeña
Large Leak | grosse fuite | fuga grande
Very Small Leak | très petite fuite | fuga muy pequeña
Fuel Cap Loose/Off | bouchon de réservoir desserré/absent | tapón del depósito flojo/ausente
First # Revolutions | # premiers tours | primeras # revoluciones
Cylinder not Specified | cylindre non déterminé | cilindro no determinado
transmission | boîte de vitesses | caja de cambios
left | gauche | izquierdo
right | droit | derecho
fuel tank side | côté réservoir | lado del depósito
canister side | côté canister | lado del cánister
failed to neutral | passage au point mort | paso a punto muerto
bus off | bus désactivé | bus desactivado
No. # | n° # | n.º #
"""

# Openings followed by the part they speak of; the part follows after a dash.
LEADS = """
Lost Communication With | Perte de communication | Pérdida de comunicación
Loss of communication with | Perte de communication | Pérdida de comunicación
Software Incompatibility with | Incompatibilité logicielle | Incompatibilidad de software
"""
