"""French and Spanish names of the powertrain parts, and the generic powertrain phrases.

A line is "English | French | Spanish"; "#" stands for a number, '"?"' for a quoted letter, and
both stay where they are in the English. The terms are those of the workshops in France and Spain:
sonde lambda, vanne EGR, papillon, calculateur moteur, boîte de vitesses; sonda lambda, válvula
EGR, mariposa, centralita, caja de cambios.
"""

PARTS = """
Fuel Volume Regulator | Régulateur de débit de carburant | Regulador de caudal de combustible
Fuel Shutoff Valve "?" | Vanne de coupure de carburant "?" | Válvula de corte de combustible "?"
Engine Position System | Système de position du moteur | Sistema de posición del motor
"?" Camshaft Position Actuator | Déphaseur d'arbre à cames "?" | Variador del árbol de levas "?"
"?" Camshaft Position | Position de l'arbre à cames "?" | Posición del árbol de levas "?"
Timing Over-Advanced or System Performance | calage trop avancé ou performances du système | calado demasiado avanzado o rendimiento del sistema
Timing Over-Retarded | calage trop retardé | calado demasiado retrasado
Crankshaft Position - Camshaft Position Correlation | Corrélation position vilebrequin/arbre à cames | Correlación posición cigüeñal/árbol de levas
Intake Valve Control Solenoid | Électrovanne de commande des soupapes d'admission | Electroválvula de control de las válvulas de admisión
Exhaust Valve Control Solenoid | Électrovanne de commande des soupapes d'échappement | Electroválvula de control de las válvulas de escape
HO2S Heater | Chauffage de sonde lambda | Calefactor de la sonda lambda
Turbocharger Bypass Valve | Vanne de dérivation du turbocompresseur | Válvula de derivación del turbocompresor
Turbo/Super Charger Bypass Valve | Vanne de dérivation du turbo/compresseur | Válvula de derivación del turbo/compresor
O2 Sensor | Sonde lambda | Sonda lambda
O2 Sensor Signals Swapped Bank # Sensor # / Bank # Sensor # | Signaux des sondes lambda inversés Banc # Sonde # / Banc # Sonde # | Señales de las sondas lambda intercambiadas Bancada # Sonda # / Bancada # Sonda #
Turbo/Super Charger Boost Control "?" | Régulation de suralimentation "?" | Control de sobrealimentación "?"
Turbo/Super Charger | Turbo/compresseur | Turbo/compresor
Turbo/Super Charger "?" | Turbo/compresseur "?" | Turbo/compresor "?"
Air Assisted Injector | Injecteur à assistance d'air | Inyector asistido por aire
MAP/MAF - Throttle Position Correlation | Corrélation MAP/MAF – position du papillon | Correlación MAP/MAF – posición de la mariposa
Manifold Absolute Pressure - Barometric Pressure Correlation | Corrélation pression absolue du collecteur – pression atmosphérique | Correlación presión absoluta del colector – presión barométrica
Manifold Absolute Pressure/Mass Air Flow - Throttle Position Correlation at Idle | Corrélation pression du collecteur/débit d'air – position du papillon au ralenti | Correlación presión del colector/caudal de aire – posición de la mariposa al ralentí
Manifold Absolute Pressure/Mass Air Flow - Throttle Position Correlation at Higher Load | Corrélation pression du collecteur/débit d'air – position du papillon à charge élevée | Correlación presión del colector/caudal de aire – posición de la mariposa con carga alta
Ambient Air Temperature Sensor | Capteur de température d'air ambiant | Sensor de temperatura del aire ambiente
Fuel Rail/System Pressure - Too Low | Pression de rampe/circuit de carburant trop basse | Presión del rail/sistema de combustible demasiado baja
Fuel Rail/System Pressure - Too High | Pression de rampe/circuit de carburant trop élevée | Presión del rail/sistema de combustible demasiado alta
Fuel Pressure Regulator # | Régulateur de pression de carburant # | Regulador de presión de combustible #
Fuel System Leak Detected - Large Leak | Fuite détectée dans le circuit de carburant – grosse fuite | Fuga detectada en el sistema de combustible – fuga grande
Fuel System Leak Detected - Small Leak | Fuite détectée dans le circuit de carburant – petite fuite | Fuga detectada en el sistema de combustible – fuga pequeña
Intake Air Temperature Sensor | Capteur de température d'air d'admission | Sensor de temperatura del aire de admisión
Intake Air Temperature Sensor # | Capteur de température d'air d'admission # | Sensor de temperatura del aire de admisión #
Intake Air Temperature Sensor #/# | Capteurs de température d'air d'admission #/# | Sensores de temperatura del aire de admisión #/#
Mass or Volume Air Flow Sensor "?" | Débitmètre d'air massique ou volumique "?" | Caudalímetro de aire másico o volumétrico "?"
Manifold Absolute Pressure/Barometric Pressure Sensor | Capteur de pression absolue du collecteur/pression atmosphérique | Sensor de presión absoluta del colector/presión barométrica
Engine Coolant Temperature Sensor | Capteur de température du liquide de refroidissement | Sensor de temperatura del refrigerante del motor
Engine Coolant Temperature Sensor # | Capteur de température du liquide de refroidissement # | Sensor de temperatura del refrigerante del motor #
Throttle/Pedal Position Sensor/Switch "?" | Capteur/contacteur de position papillon/pédale "?" | Sensor/interruptor de posición de mariposa/pedal "?"
Throttle/Pedal Position Sensor/Switch "?"/"?" | Capteurs/contacteurs de position papillon/pédale "?"/"?" | Sensores/interruptores de posición de mariposa/pedal "?"/"?"
Throttle/Pedal Position Sensor "?" | Capteur de position papillon/pédale "?" | Sensor de posición de mariposa/pedal "?"
Insufficient Coolant Temperature for Closed Loop Fuel Control | Température du liquide de refroidissement insuffisante pour la régulation de richesse en boucle fermée | Temperatura del refrigerante insuficiente para el control de mezcla en lazo cerrado
Insufficient Coolant Temperature for Stable Operation | Température du liquide de refroidissement insuffisante pour un fonctionnement stable | Temperatura del refrigerante insuficiente para un funcionamiento estable
Intake Air Temperature Too High | Température d'air d'admission trop élevée | Temperatura del aire de admisión demasiado alta
Coolant Thermostat (Coolant Temperature Below Thermostat Regulating Temperature) | Thermostat (température du liquide de refroidissement inférieure à la température de régulation) | Termostato (temperatura del refrigerante inferior a la temperatura de regulación)
Barometric Pressure Too Low | Pression atmosphérique trop basse | Presión barométrica demasiado baja
Barometric Pressure | Pression atmosphérique | Presión barométrica
Fuel Delivery Error | Erreur d'alimentation en carburant | Error de suministro de combustible
Fuel Timing Error | Erreur de calage de l'injection | Error de calado de la inyección
Fuel Temperature Too High | Température du carburant trop élevée | Temperatura del combustible demasiado alta
Incorrect Fuel Composition | Composition du carburant incorrecte | Composición del combustible incorrecta
Fuel Trim | Correction de richesse | Corrección de mezcla
Post Catalyst Fuel Trim | Correction de richesse après catalyseur | Corrección de mezcla después del catalizador
System Too Lean | Mélange trop pauvre | Mezcla demasiado pobre
System Too Rich | Mélange trop riche | Mezcla demasiado rica
System Too Lean Off Idle | Mélange trop pauvre hors ralenti | Mezcla demasiado pobre fuera de ralentí
System Too Rich Off Idle | Mélange trop riche hors ralenti | Mezcla demasiado rica fuera de ralentí
System Too Lean at Idle | Mélange trop pauvre au ralenti | Mezcla demasiado pobre al ralentí
System Too Rich at Idle | Mélange trop riche au ralenti | Mezcla demasiado rica al ralentí
System Too Lean at Higher Load | Mélange trop pauvre à charge élevée | Mezcla demasiado pobre con carga alta
System Too Rich at Higher Load | Mélange trop riche à charge élevée | Mezcla demasiado rica con carga alta
Fuel Composition Sensor | Capteur de composition du carburant | Sensor de composición del combustible
Fuel Temperature Sensor "?" | Capteur de température du carburant "?" | Sensor de temperatura del combustible "?"
Fuel Rail Pressure Sensor "?" | Capteur de pression de rampe d'injection "?" | Sensor de presión del rail de combustible "?"
Engine Oil Temperature Sensor | Capteur de température d'huile moteur | Sensor de temperatura del aceite del motor
Injector | Injecteur | Inyector
Cylinder # | Cylindre # | Cilindro #
Cold Start Injector # | Injecteur de départ à froid # | Inyector de arranque en frío #
Engine Shutoff Solenoid | Électrovanne d'arrêt du moteur | Electroválvula de parada del motor
Injector/Injection Timing | Calage des injecteurs/de l'injection | Calado de los inyectores/de la inyección
Engine Coolant Over Temperature Condition | Surchauffe du liquide de refroidissement | Sobrecalentamiento del refrigerante del motor
Transmission Fluid Over Temperature Condition | Surchauffe de l'huile de boîte de vitesses | Sobrecalentamiento del aceite de la caja de cambios
Engine Overspeed Condition | Surrégime moteur | Sobrerrégimen del motor
Vehicle Overspeed Condition | Survitesse du véhicule | Exceso de velocidad del vehículo
Engine Oil Over Temperature | Surchauffe de l'huile moteur | Sobrecalentamiento del aceite del motor
Fuel Pump | Pompe à carburant | Bomba de combustible
Fuel Pump "?" | Pompe à carburant "?" | Bomba de combustible "?"
Turbo/Super Charger Boost Sensor "?" | Capteur de pression de suralimentation "?" | Sensor de presión de sobrealimentación "?"
Turbocharger Wastegate Solenoid "?" | Électrovanne de wastegate "?" | Electroválvula de la wastegate "?"
Injection Pump Fuel Metering Control "?" (Cam/Rotor/Injector) | Dosage de la pompe d'injection "?" (came/rotor/injecteur) | Dosificación de la bomba de inyección "?" (leva/rotor/inyector)
Cylinder # Injector | Injecteur du cylindre # | Inyector del cilindro #
Random/Multiple Cylinder Misfire Detected | Ratés d'allumage aléatoires/sur plusieurs cylindres détectés | Fallos de encendido aleatorios/en varios cilindros detectados
Misfire Detected with Low Fuel | Raté d'allumage détecté avec un niveau de carburant bas | Fallo de encendido detectado con nivel de combustible bajo
Single Cylinder Misfire | Raté d'allumage sur un cylindre | Fallo de encendido en un cilindro
Crankshaft Position System | Système de position du vilebrequin | Sistema de posición del cigüeñal
Engine Misfire Detected on Startup | Raté d'allumage détecté au démarrage | Fallo de encendido detectado en el arranque
Rough Road Hardware Not Present | Détection de route dégradée absente | Detección de firme irregular no presente
Rough Road Sensor "?" | Capteur de route dégradée "?" | Sensor de firme irregular "?"
Ignition/Distributor Engine Speed Input | Entrée régime moteur allumage/distributeur | Entrada de régimen del motor encendido/distribuidor
Knock Control System | Système de régulation du cliquetis | Sistema de control de detonación
Knock Sensor # | Capteur de cliquetis # | Sensor de detonación #
Crankshaft Position Sensor "?" | Capteur de position du vilebrequin "?" | Sensor de posición del cigüeñal "?"
Camshaft Position Sensor "?" | Capteur de position d'arbre à cames "?" | Sensor de posición del árbol de levas "?"
Ignition Coil | Bobine d'allumage | Bobina de encendido
Ignition Coil "?" | Bobine d'allumage "?" | Bobina de encendido "?"
Misfire Detected | Raté d'allumage détecté | Fallo de encendido detectado
Fueling Disabled | injection coupée | inyección desactivada
Timing Reference High Resolution Signal "?" | Signal de référence haute résolution "?" | Señal de referencia de alta resolución "?"
Glow Plug/Heater Circuit "?" | Circuit de bougie de préchauffage/chauffage "?" | Circuito de bujía de precalentamiento/calentador "?"
Glow Plug/Heater Indicator | Témoin de préchauffage | Testigo de precalentamiento
Glow Plug Control Module | Boîtier de préchauffage | Centralita de precalentamiento
Glow Plug Module | Boîtier de préchauffage | Centralita de precalentamiento
Cylinder # Glow Plug | Bougie de préchauffage du cylindre # | Bujía de precalentamiento del cilindro #
Glow Plug Control Module to PCM Communication | Communication boîtier de préchauffage – calculateur moteur | Comunicación centralita de precalentamiento – centralita del motor
Exhaust Gas Recirculation "?" | Système EGR "?" | Sistema EGR "?"
Exhaust Gas Recirculation Sensor "?" | Capteur EGR "?" | Sensor EGR "?"
Exhaust Gas Recirculation System | Système EGR | Sistema EGR
Exhaust Gas Recirculation Throttle | Papillon EGR | Mariposa EGR
Exhaust Gas Recirculation Throttle Position | Position du papillon EGR | Posición de la mariposa EGR
Exhaust Gas Recirculation Vent | Mise à l'air EGR | Ventilación EGR
Exhaust Gas Recirculation Cooling Valve | Vanne de refroidissement EGR | Válvula de refrigeración EGR
Exhaust Gas Recirculation Cooling System | Système de refroidissement EGR | Sistema de refrigeración EGR
Secondary Air Injection System | Système d'injection d'air secondaire | Sistema de inyección de aire secundario
Secondary Air Injection System Switching Valve | Vanne de commutation d'air secondaire | Válvula de conmutación de aire secundario
Secondary Air Injection System Switching Valve "?" | Vanne de commutation d'air secondaire "?" | Válvula de conmutación de aire secundario "?"
Secondary Air Injection System Control "?" | Commande d'air secondaire "?" | Control de aire secundario "?"
Secondary Air Injection System Pump | Pompe d'air secondaire | Bomba de aire secundario
Secondary Air Injection System Air Flow/Pressure Sensor | Capteur de débit/pression d'air secondaire | Sensor de caudal/presión de aire secundario
Catalyst System | Catalyseur | Catalizador
Warm Up Catalyst | Précatalyseur | Precatalizador
Main Catalyst | Catalyseur principal | Catalizador principal
Heated Catalyst | Catalyseur chauffé | Catalizador calefactado
Catalyst Temperature Sensor | Capteur de température du catalyseur | Sensor de temperatura del catalizador
Catalyst Heater | Chauffage du catalyseur | Calefactor del catalizador
HC Adsorption Catalyst | Catalyseur d'adsorption des HC | Catalizador de adsorción de HC
Direct Ozone Reduction Catalyst | Catalyseur de réduction d'ozone | Catalizador de reducción de ozono
Direct Ozone Reduction Catalyst Temperature Sensor | Capteur de température du catalyseur de réduction d'ozone | Sensor de temperatura del catalizador de reducción de ozono
Direct Ozone Reduction Catalyst Deterioration Sensor | Capteur de dégradation du catalyseur de réduction d'ozone | Sensor de deterioro del catalizador de reducción de ozono
NOx Trap | Piège à NOx | Trampa de NOx
Particulate Trap | Filtre à particules | Filtro de partículas
Evaporative Emission System | Système EVAP | Sistema EVAP
Evaporative Emission System Purge Control Valve | Électrovanne de purge canister | Electroválvula de purga del cánister
Evaporative Emission System Vent | Mise à l'air EVAP | Ventilación EVAP
Evaporative Emission System Vent Valve | Vanne de mise à l'air EVAP | Válvula de ventilación EVAP
Evaporative Emission System Vent Valve/Solenoid | Vanne/électrovanne de mise à l'air EVAP | Válvula/electroválvula de ventilación EVAP
Evaporative Emission System Pressure Sensor/Switch | Capteur/contacteur de pression EVAP | Sensor/interruptor de presión EVAP
Evaporative Emission System Leak Detection Pump | Pompe de détection de fuite EVAP | Bomba de detección de fugas EVAP
Evaporative Emission System Switching Valve | Vanne de commutation EVAP | Válvula de conmutación EVAP
Evaporative Emissions (EVAP) Fuel Vapor Temperature Sensor | Capteur de température des vapeurs de carburant (EVAP) | Sensor de temperatura de los vapores de combustible (EVAP)
EVAP Purge Flow Sensor | Capteur de débit de purge EVAP | Sensor de caudal de purga EVAP
Fuel Level Sensor "?" | Capteur de niveau de carburant "?" | Sensor de nivel de combustible "?"
Exhaust Pressure Sensor "?" | Capteur de pression d'échappement "?" | Sensor de presión de escape "?"
Exhaust Pressure Control Valve "?" | Vanne de régulation de pression d'échappement "?" | Válvula de control de presión de escape "?"
Exhaust Pressure Regulator Vent Solenoid | Électrovanne de mise à l'air du régulateur de pression d'échappement | Electroválvula de ventilación del regulador de presión de escape
Exhaust Gas Temperature Sensor | Capteur de température des gaz d'échappement | Sensor de temperatura de los gases de escape
Exhaust Gas Temperature Too High | Température des gaz d'échappement trop élevée | Temperatura de los gases de escape demasiado alta
Fan | Ventilateur | Ventilador
Fan # | Ventilateur # | Ventilador #
Fan Speed Sensor | Capteur de vitesse du ventilateur | Sensor de velocidad del ventilador
Vehicle Speed Sensor | Capteur de vitesse du véhicule | Sensor de velocidad del vehículo
Vehicle Speed Sensor "?" | Capteur de vitesse du véhicule "?" | Sensor de velocidad del vehículo "?"
Vehicle Speed Sensor "?"/"?" | Capteurs de vitesse du véhicule "?"/"?" | Sensores de velocidad del vehículo "?"/"?"
Brake Switch | Contacteur de frein | Interruptor de freno
Brake Switch "?" | Contacteur de frein "?" | Interruptor de freno "?"
Brake Switch "?"/"?" | Contacteurs de frein "?"/"?" | Interruptores de freno "?"/"?"
Idle Air Control | Régulation d'air de ralenti | Control de aire de ralentí
Idle Air Control System | Système de régulation d'air de ralenti | Sistema de control de aire de ralentí
Closed Throttle Position Switch | Contacteur de papillon fermé | Interruptor de mariposa cerrada
Starter Request | Demande de démarrage | Solicitud de arranque
Invalid Immobilizer Key | Clé antidémarrage non valide | Llave del inmovilizador no válida
Battery Temperature Sensor | Capteur de température de la batterie | Sensor de temperatura de la batería
Engine Oil Pressure Sensor/Switch "?" | Capteur/contacteur de pression d'huile moteur "?" | Sensor/interruptor de presión de aceite del motor "?"
Engine Oil Pressure Too Low | Pression d'huile moteur trop basse | Presión de aceite del motor demasiado baja
A/C Refrigerant Pressure Sensor "?" | Capteur de pression du réfrigérant de climatisation "?" | Sensor de presión del refrigerante del A/A "?"
Air Conditioner Refrigerant Charge Loss | Perte de charge de réfrigérant de climatisation | Pérdida de carga de refrigerante del aire acondicionado
A/C Evaporator Temperature Sensor | Capteur de température de l'évaporateur de climatisation | Sensor de temperatura del evaporador del A/A
A/C Clutch Relay | Relais d'embrayage du compresseur de climatisation | Relé del embrague del compresor del A/A
A/C Refrigerant Distribution Valve | Vanne de distribution du réfrigérant de climatisation | Válvula de distribución del refrigerante del A/A
A/C Request "?" | Demande de climatisation "?" | Solicitud de aire acondicionado "?"
A/C Control Module Requested MIL Illumination | Allumage du voyant moteur demandé par le calculateur de climatisation | Encendido del testigo MIL solicitado por la centralita del A/A
Intake Air Heater | Réchauffeur d'air d'admission | Calentador del aire de admisión
Intake Air Heater "?" | Réchauffeur d'air d'admission "?" | Calentador del aire de admisión "?"
Intake Air Heater System | Système de réchauffage d'air d'admission | Sistema de calentamiento del aire de admisión
Power Steering Pressure Sensor/Switch | Capteur/contacteur de pression de direction assistée | Sensor/interruptor de presión de la dirección asistida
Power Steering | Direction assistée | Dirección asistida
Brake Booster Pressure Sensor | Capteur de pression du servofrein | Sensor de presión del servofreno
System Voltage | Tension du réseau de bord | Tensión del sistema eléctrico
System Voltage Unstable | Tension du réseau de bord instable | Tensión del sistema eléctrico inestable
System Voltage Low | Tension du réseau de bord trop basse | Tensión del sistema eléctrico demasiado baja
System Voltage High | Tension du réseau de bord trop élevée | Tensión del sistema eléctrico demasiado alta
Charging System Voltage | Tension de charge | Tensión de carga
Charging System Voltage Low | Tension de charge trop basse | Tensión de carga demasiado baja
Charging System Voltage High | Tension de charge trop élevée | Tensión de carga demasiado alta
Cruise Control | Régulateur de vitesse | Control de crucero
Cruise Control Servo | Servomoteur du régulateur de vitesse | Servomotor del control de crucero
Cruise Control Input | Entrée du régulateur de vitesse | Entrada del control de crucero
Cruise Control Vacuum | Dépression du régulateur de vitesse | Vacío del control de crucero
Cruise Control Vent | Mise à l'air du régulateur de vitesse | Ventilación del control de crucero
Cruise Control Multi-Function Input "?" | Entrée multifonction du régulateur de vitesse "?" | Entrada multifunción del control de crucero "?"
Cruise Control Multi-Function Input "?"/"?" | Entrées multifonction du régulateur de vitesse "?"/"?" | Entradas multifunción del control de crucero "?"/"?"
Cruise Control System - Vehicle Speed Too High | Régulateur de vitesse – vitesse du véhicule trop élevée | Control de crucero – velocidad del vehículo demasiado alta
Thermostat Heater | Chauffage du thermostat | Calefactor del termostato
Serial Communication Link | Liaison de communication série | Enlace de comunicación serie
Control Module | Calculateur | Centralita
Internal Control Module Memory Check Sum Error | Calculateur – erreur interne de somme de contrôle de la mémoire | Centralita – error interno de suma de control de la memoria
Internal Control Module Keep Alive Memory (KAM) Error | Calculateur – erreur interne de mémoire permanente (KAM) | Centralita – error interno de memoria permanente (KAM)
Internal Control Module Random Access Memory (RAM) Error | Calculateur – erreur interne de mémoire vive (RAM) | Centralita – error interno de memoria de acceso aleatorio (RAM)
Internal Control Module Read Only Memory (ROM) Error | Calculateur – erreur interne de mémoire morte (ROM) | Centralita – error interno de memoria de solo lectura (ROM)
Internal Control Module Software Incompatibility | Calculateur – incompatibilité logicielle interne | Centralita – incompatibilidad de software interna
Control Module Vehicle Speed Output "?" | Calculateur – sortie vitesse du véhicule "?" | Centralita – salida de velocidad del vehículo "?"
Fuel Injector Control Module | Calculateur d'injection | Centralita de inyección
Transmission Control Module | Calculateur de boîte de vitesses | Centralita de la caja de cambios
ECM/TCM Incompatible | Calculateur moteur et calculateur de boîte de vitesses incompatibles | Centralita del motor y centralita de la caja de cambios incompatibles
Starter Relay | Relais du démarreur | Relé del motor de arranque
Alternative Fuel Control Module | Calculateur de carburant alternatif | Centralita de combustible alternativo
Generator | Alternateur | Alternador
Generator Lamp | Voyant d'alternateur | Testigo del alternador
Generator Lamp "?" | Voyant d'alternateur "?" | Testigo del alternador "?"
Generator Field "?" | Excitation de l'alternateur "?" | Excitación del alternador "?"
Generator Field Terminal | Borne d'excitation de l'alternateur | Borne de excitación del alternador
Generator Lamp/L-Terminal | Voyant d'alternateur/borne L | Testigo del alternador/borne L
Fuel Cap Lamp | Voyant du bouchon de réservoir | Testigo del tapón del depósito
VIN Not Programmed or Incompatible | VIN non programmé ou incompatible | VIN no programado o incompatible
ECM/PCM | Calculateur moteur | Centralita del motor
TCM | Calculateur de boîte de vitesses | Centralita de la caja de cambios
Odometer Not Programmed | Compteur kilométrique non programmé | Cuentakilómetros no programado
Immobilizer Key Not Programmed | Clé antidémarrage non programmée | Llave del inmovilizador no programada
PCM/ECM/TCM Internal Temperature Too High | Température interne du calculateur trop élevée | Temperatura interna de la centralita demasiado alta
PCM/ECM/TCM Internal Temperature Sensor | Capteur de température interne du calculateur | Sensor de temperatura interna de la centralita
Throttle Actuator Control | Commande de l'actionneur de papillon | Control del actuador de la mariposa
Sensor Reference Voltage "?" | Tension de référence des capteurs "?" | Tensión de referencia de los sensores "?"
Driver Display Serial Communication | Communication série de l'afficheur conducteur | Comunicación serie de la pantalla del conductor
Immobilizer Lamp | Voyant d'antidémarrage | Testigo del inmovilizador
Speed Control Lamp | Voyant du régulateur de vitesse | Testigo del control de crucero
Malfunction Indicator Lamp (MIL) | Voyant moteur (MIL) | Testigo de avería (MIL)
Engine RPM Output | Sortie régime moteur | Salida de régimen del motor
Engine Hot Lamp Output | Sortie voyant de surchauffe moteur | Salida del testigo de sobrecalentamiento del motor
Fuel Level Output | Sortie niveau de carburant | Salida de nivel de combustible
Actuator Supply Voltage "?" | Tension d'alimentation des actionneurs "?" | Tensión de alimentación de los actuadores "?"
Intake Manifold Tuning Valve | Vanne du collecteur d'admission variable | Válvula del colector de admisión variable
Intake Manifold Tuning (IMT) Valve | Vanne du collecteur d'admission variable (IMT) | Válvula del colector de admisión variable (IMT)
Intake Manifold Tuning (IMT) Valve Position Sensor/Switch | Capteur/contacteur de position de la vanne du collecteur variable (IMT) | Sensor/interruptor de posición de la válvula del colector variable (IMT)
ECM/PCM Power Relay | Relais d'alimentation du calculateur moteur | Relé de alimentación de la centralita del motor
ECM/PCM Power Input Signal | Signal d'alimentation du calculateur moteur | Señal de alimentación de la centralita del motor
ECM/PCM Internal Engine Off Timer | Minuterie interne moteur arrêté du calculateur moteur | Temporizador interno de motor parado de la centralita del motor
NOx Sensor | Capteur de NOx | Sensor de NOx
NOx Sensor Heater | Chauffage du capteur de NOx | Calefactor del sensor de NOx
Intake Manifold Runner Control | Commande des volets du collecteur d'admission | Control de las chapaletas del colector de admisión
Intake Manifold Runner Position Sensor/Switch | Capteur/contacteur de position des volets du collecteur d'admission | Sensor/interruptor de posición de las chapaletas del colector de admisión
Fuel Fired Heater | Chauffage additionnel à carburant | Calefactor auxiliar de combustible
Fuel Fired Heater Disabled | Chauffage additionnel à carburant désactivé | Calefactor auxiliar de combustible desactivado
Reductant Injection Air Pressure Sensor | Capteur de pression d'air d'injection d'agent réducteur | Sensor de presión del aire de inyección de agente reductor
Reductant Temperature Sensor | Capteur de température de l'agent réducteur | Sensor de temperatura del agente reductor
Reductant Injector | Injecteur d'agent réducteur | Inyector de agente reductor
Reductant Injection Air Pump | Pompe à air d'injection d'agent réducteur | Bomba de aire de inyección de agente reductor
Reductant Supply | Alimentation en agent réducteur | Suministro de agente reductor
Electronic Throttle Control System | Commande électronique du papillon | Control electrónico de la mariposa
Ice Blockage | blocage par le gel | bloqueo por hielo
Throttle Actuator "?" Control Motor | Moteur de l'actionneur de papillon "?" | Motor del actuador de la mariposa "?"
Throttle Actuator "?" Control | Commande de l'actionneur de papillon "?" | Control del actuador de la mariposa "?"
Throttle Actuator "?" Control System | Système de commande de l'actionneur de papillon "?" | Sistema de control del actuador de la mariposa "?"
Throttle Actuator Control System | Système de commande de l'actionneur de papillon | Sistema de control del actuador de la mariposa
Throttle Actuator Control Module | Calculateur de l'actionneur de papillon | Centralita del actuador de la mariposa
Forced Idle | ralenti forcé | ralentí forzado
Forced Engine Shutdown | arrêt forcé du moteur | parada forzada del motor
Forced Limited Power | puissance limitée forcée | potencia limitada forzada
Forced Limited RPM | régime limité forcé | régimen limitado forzado
Sudden High Airflow Detected | débit d'air élevé soudain détecté | caudal de aire alto repentino detectado
High Airflow Detected | débit d'air élevé détecté | caudal de aire alto detectado
Sudden Low Airflow Detected | débit d'air faible soudain détecté | caudal de aire bajo repentino detectado
Low Airflow Detected | débit d'air faible détecté | caudal de aire bajo detectado
Idle Position Not Learned | position de ralenti non apprise | posición de ralentí no aprendida
Fuel Injector Group "?" Supply Voltage | Tension d'alimentation du groupe d'injecteurs "?" | Tensión de alimentación del grupo de inyectores "?"
Cooling System | Système de refroidissement | Sistema de refrigeración
Turbo/Super Charger Boost Pressure Not Detected | Turbo/compresseur – pression de suralimentation non détectée | Turbo/compresor – presión de sobrealimentación no detectada
Turbo/Super Charger Boost System | Système de suralimentation | Sistema de sobrealimentación
Turbocharger Boost Control Position Sensor | Capteur de position de la régulation de suralimentation | Sensor de posición del control de sobrealimentación
Water in Fuel Sensor | Capteur de présence d'eau dans le carburant | Sensor de agua en el combustible
Water in Fuel Condition | Présence d'eau dans le carburant | Presencia de agua en el combustible
Intake Air System Leak | Fuite dans le circuit d'admission d'air | Fuga en el sistema de admisión de aire
Air Flow Restriction / Air Leak Between Air Filter and MAF | Débit d'air entravé / prise d'air entre le filtre à air et le débitmètre | Caudal de aire obstruido / entrada de aire entre el filtro de aire y el caudalímetro
Air Leak Between MAF and Throttle Body | Prise d'air entre le débitmètre et le boîtier papillon | Entrada de aire entre el caudalímetro y el cuerpo de mariposa
Air Leak Between Throttle Body and Intake Valves | Prise d'air entre le boîtier papillon et les soupapes d'admission | Entrada de aire entre el cuerpo de mariposa y las válvulas de admisión
Injector Control Pressure Sensor | Capteur de pression de commande d'injection | Sensor de presión de control de inyección
Injector Control Pressure Regulator | Régulateur de pression de commande d'injection | Regulador de presión de control de inyección
Injector Control Pressure Too High | Pression de commande d'injection trop élevée | Presión de control de inyección demasiado alta
Injector Control Pressure Too Low | Pression de commande d'injection trop basse | Presión de control de inyección demasiado baja
Injector Control Pressure Erratic | Pression de commande d'injection erratique | Presión de control de inyección errática
Engine Off | moteur arrêté | motor parado
Engine Cranking | moteur en cours de démarrage | motor en arranque
Brake Pedal Position / Accelerator Pedal Position Incompatible | Positions de la pédale de frein et de l'accélérateur incompatibles | Posiciones del pedal de freno y del acelerador incompatibles
Fuel Cap Sensor/Switch | Capteur/contacteur du bouchon de réservoir | Sensor/interruptor del tapón del depósito
Diesel Particulate Filter | Filtre à particules | Filtro de partículas
Diesel Particulate Filter "?" Pressure Sensor | Capteur de pression du filtre à particules "?" | Sensor de presión del filtro de partículas "?"
Diesel Particulate Filter Restriction | Colmatage du filtre à particules | Obstrucción del filtro de partículas
Soot Accumulation | accumulation de suie | acumulación de hollín
Event Data Recorder Request | Demande de l'enregistreur de données d'accident | Solicitud del registrador de datos de accidentes
Vacuum Reservoir Pressure Sensor | Capteur de pression du réservoir de dépression | Sensor de presión del depósito de vacío
Ignition Switch Run Position | Position marche du contacteur d'allumage | Posición de marcha del interruptor de encendido
Ignition Switch Run/Start Position | Position marche/démarrage du contacteur d'allumage | Posición de marcha/arranque del interruptor de encendido
Ignition Switch Accessory Position | Position accessoires du contacteur d'allumage | Posición de accesorios del interruptor de encendido
Low Pressure Fuel System Sensor | Capteur du circuit de carburant basse pression | Sensor del sistema de combustible de baja presión
Torque Management Request Input Signal "?" | Signal d'entrée de demande de couple "?" | Señal de entrada de solicitud de par "?"
Torque Management Feedback Signal "?" | Signal de retour de gestion du couple "?" | Señal de retorno de la gestión del par "?"
Throttle/Fuel Inhibit | Inhibition papillon/carburant | Inhibición de mariposa/combustible
Engine Coolant Level Sensor/Switch | Capteur/contacteur de niveau de liquide de refroidissement | Sensor/interruptor de nivel del refrigerante del motor
Engine Coolant Level Low | Niveau de liquide de refroidissement bas | Nivel del refrigerante del motor bajo
Coolant Pump "?" | Pompe de liquide de refroidissement "?" | Bomba de refrigerante "?"
Camshaft Position Signal Output | Sortie du signal de position d'arbre à cames | Salida de la señal de posición del árbol de levas
Crankshaft Position Signal Output | Sortie du signal de position du vilebrequin | Salida de la señal de posición del cigüeñal
Throttle Position Output | Sortie position du papillon | Salida de posición de la mariposa
O2 Sensor Pumping Current Trim | Correction du courant de pompage de la sonde lambda | Ajuste de la corriente de bombeo de la sonda lambda
"?" Rocker Arm Actuator | Actionneur de culbuteur "?" | Actuador del balancín "?"
Injection Pump Timing Offset | Décalage du calage de la pompe d'injection | Desfase del calado de la bomba de inyección
Injection Pump Calibration Error | Erreur d'étalonnage de la pompe d'injection | Error de calibración de la bomba de inyección
Injection Pump Fuel Calibration Error | Erreur d'étalonnage du débit de la pompe d'injection | Error de calibración del caudal de la bomba de inyección
Cylinder Deactivation System | Système de désactivation des cylindres | Sistema de desactivación de cilindros
Cylinder # Deactivation/Intake Valve | Désactivation/soupape d'admission du cylindre # | Desactivación/válvula de admisión del cilindro #
Cylinder # Exhaust Valve | Soupape d'échappement du cylindre # | Válvula de escape del cilindro #
"""
