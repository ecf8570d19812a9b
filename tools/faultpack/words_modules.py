"""French and Spanish names of the control modules, buses, body and chassis parts (U, B and C codes).

The same line format as words_parts.py. A control module is a calculateur, a centralita; where a
module name ends in a side ("- Rear", "Left"), the whole name is listed so that the side agrees.
"""

PARTS = """
High Speed CAN Communication Bus | Bus de communication CAN haute vitesse | Bus de comunicación CAN de alta velocidad
Medium Speed CAN Communication Bus | Bus de communication CAN vitesse moyenne | Bus de comunicación CAN de velocidad media
Low Speed CAN Communication Bus | Bus de communication CAN basse vitesse | Bus de comunicación CAN de baja velocidad
Vehicle Communication Bus "?" | Bus de communication du véhicule "?" | Bus de comunicación del vehículo "?"
Control Module Communication Bus "?" Off | Bus de communication des calculateurs "?" désactivé | Bus de comunicación de las centralitas "?" desactivado
ECM/PCM "?" | Calculateur moteur "?" | Centralita del motor "?"
Transfer Case Control Module | Calculateur de boîte de transfert | Centralita de la caja de transferencia
Gear Shift Control Module | Calculateur de passage des rapports | Centralita de cambio de marchas
Cruise Control Module | Calculateur du régulateur de vitesse | Centralita del control de crucero
Fuel Pump Control Module | Calculateur de pompe à carburant | Centralita de la bomba de combustible
Drive Motor Control Module "?" | Calculateur du moteur de traction "?" | Centralita del motor de tracción "?"
Battery Energy Control Module "?" | Calculateur de gestion de la batterie "?" | Centralita de gestión de la batería "?"
Emissions Critical Control Information | Informations de commande liées aux émissions | Información de control relevante para las emisiones
Four-Wheel Drive Clutch Control Module | Calculateur d'embrayage de transmission intégrale | Centralita del embrague de tracción total
Hybrid Powertrain Control Module | Calculateur du groupe motopropulseur hybride | Centralita del sistema de propulsión híbrido
Starter/Generator Control Module | Calculateur d'alterno-démarreur | Centralita del motor de arranque/alternador
Battery Charger Control Module | Calculateur du chargeur de batterie | Centralita del cargador de batería
Exhaust Aftertreatment Control Module | Calculateur de post-traitement des gaz d'échappement | Centralita de postratamiento de gases de escape
Anti-Lock Brake System (ABS) Control Module | Calculateur ABS | Centralita del ABS
Vehicle Dynamics Control Module | Calculateur de contrôle dynamique du véhicule | Centralita de control dinámico del vehículo
Yaw Rate Sensor Module | Module capteur de vitesse de lacet | Módulo del sensor de velocidad de guiñada
Lateral Acceleration Sensor Module | Module capteur d'accélération latérale | Módulo del sensor de aceleración lateral
Multi-axis Acceleration Sensor Module | Module capteur d'accélération multiaxe | Módulo del sensor de aceleración multieje
Steering Angle Sensor Module | Module capteur d'angle de braquage | Módulo del sensor de ángulo de dirección
Tire Pressure Monitor Module | Module de surveillance de la pression des pneus | Módulo de control de la presión de los neumáticos
Park Brake Control Module | Calculateur de frein de stationnement | Centralita del freno de estacionamiento
Brake System Control Module | Calculateur du système de freinage | Centralita del sistema de frenos
Steering Effort Control Module | Calculateur d'effort de direction | Centralita del esfuerzo de dirección
Power Steering Control Module | Calculateur de direction assistée | Centralita de la dirección asistida
Power Steering Control Module - Rear | Calculateur de direction assistée arrière | Centralita de la dirección asistida trasera
Ride Level Control Module | Calculateur de correction d'assiette | Centralita de regulación de nivel
Active Roll Control Module | Calculateur d'antiroulis actif | Centralita de control activo del balanceo
Suspension Control Module "?" | Calculateur de suspension "?" | Centralita de la suspensión "?"
Rear Differential Control Module | Calculateur de différentiel arrière | Centralita del diferencial trasero
Trailer Brake Control Module | Calculateur de freinage de la remorque | Centralita del freno del remolque
All Terrain Control Module | Calculateur de mode tout-terrain | Centralita del modo todoterreno
Body Control Module | Calculateur de carrosserie | Centralita de carrocería
Body Control Module "?" | Calculateur de carrosserie "?" | Centralita de carrocería "?"
Gateway "?" | Passerelle "?" | Gateway "?"
Restraints Control Module | Calculateur d'airbag | Centralita del airbag
Side Restraints Control Module Left | Calculateur d'airbags latéraux gauche | Centralita de airbags laterales izquierda
Side Restraints Control Module Right | Calculateur d'airbags latéraux droit | Centralita de airbags laterales derecha
Restraints Occupant Classification System Module | Module de classification des occupants | Módulo de clasificación de ocupantes
Instrument Panel Cluster (IPC) Control Module | Combiné d'instruments (IPC) | Cuadro de instrumentos (IPC)
Information Center "?" | Centre d'information "?" | Centro de información "?"
Head Up Display | Affichage tête haute | Pantalla de proyección (head-up)
Parking Assist Control Module "?" | Calculateur d'aide au stationnement "?" | Centralita de ayuda al aparcamiento "?"
Audible Alert Control Module | Calculateur d'alerte sonore | Centralita de avisos acústicos
Compass Module | Module boussole | Módulo de brújula
Navigation Display Module | Écran de navigation | Pantalla de navegación
Navigation Control Module | Calculateur de navigation | Centralita de navegación
HVAC Control Module | Calculateur de climatisation | Centralita de climatización
HVAC Control Module - Rear | Calculateur de climatisation arrière | Centralita de climatización trasera
Auxiliary Heater Control Module | Calculateur de chauffage additionnel | Centralita de la calefacción auxiliar
Vehicle Immobilizer Control Module | Calculateur d'antidémarrage | Centralita del inmovilizador
Vehicle Security Control Module | Calculateur d'alarme antivol | Centralita de la alarma antirrobo
Sunroof Control Module | Calculateur de toit ouvrant | Centralita del techo solar
Restraints System Sensor "?" | Capteur du système de retenue "?" | Sensor del sistema de retención "?"
Automatic Lighting Control Module | Calculateur d'allumage automatique des feux | Centralita de encendido automático de luces
Headlamp Leveling Control Module | Calculateur de correction de portée des projecteurs | Centralita de regulación del alcance de los faros
Lighting Control Module - Front | Calculateur d'éclairage avant | Centralita de iluminación delantera
Lighting Control Module - Rear | Calculateur d'éclairage arrière | Centralita de iluminación trasera
Radio | Autoradio | Radio
Antenna Control Module | Calculateur d'antenne | Centralita de la antena
Audio Amplifier | Amplificateur audio | Amplificador de audio
Digital Disc Player/Changer Module "?" | Lecteur/changeur de disques "?" | Reproductor/cambiador de discos "?"
Television | Téléviseur | Televisor
Personal Computer | Ordinateur de bord | Ordenador de a bordo
Digital Audio Control Module "?" | Calculateur audio numérique "?" | Centralita de audio digital "?"
Subscription Entertainment Receiver Module | Récepteur de divertissement par abonnement | Receptor de entretenimiento por suscripción
Rear Seat Entertainment Control Module | Calculateur de divertissement des places arrière | Centralita de entretenimiento de los asientos traseros
Telephone Control Module | Calculateur de téléphone | Centralita del teléfono
Telematic Control Module | Calculateur télématique | Centralita telemática
Door Control Module "?" | Calculateur de porte "?" | Centralita de puerta "?"
Folding Top Control Module | Calculateur de capote | Centralita de la capota
Moveable Roof Control Module | Calculateur de toit escamotable | Centralita del techo móvil
Seat Control Module "?" | Calculateur de siège "?" | Centralita del asiento "?"
Steering Column Control Module | Calculateur de colonne de direction | Centralita de la columna de dirección
Mirror Control Module | Calculateur de rétroviseurs | Centralita de los retrovisores
Remote Function Actuation | Télécommande | Mando a distancia
Door Switch "?" | Contacteur de porte "?" | Interruptor de puerta "?"
Door Window Motor "?" | Moteur de lève-vitre "?" | Motor del elevalunas "?"
Rear Gate Module | Module de hayon | Módulo del portón trasero
Rain Sensing Module | Capteur de pluie | Sensor de lluvia
Side Obstacle Detection Control Module - Left | Calculateur de détection d'obstacles latéraux gauche | Centralita de detección de obstáculos laterales izquierda
Side Obstacle Detection Control Module - Right | Calculateur de détection d'obstacles latéraux droit | Centralita de detección de obstáculos laterales derecha
Convenience Recall Module | Module de mémorisation des réglages | Módulo de memoria de ajustes
Cruise Control Front Distance Range Sensor | Capteur de distance avant du régulateur de vitesse | Sensor de distancia delantera del control de crucero
Column Lock Module | Module d'antivol de direction | Módulo de bloqueo de la columna de dirección
Steering Wheel Control Module | Calculateur du volant | Centralita del volante
Headlamp Control Module "?" | Calculateur de projecteur "?" | Centralita de los faros "?"
Keyless Entry Module | Module d'accès sans clé | Módulo de acceso sin llave
Window Motor Module | Module de moteur de lève-vitre | Módulo del motor del elevalunas
Rear Window Defroster Module | Module de dégivrage de la lunette arrière | Módulo de la luneta térmica
Seat Heater Control Module | Calculateur de chauffage des sièges | Centralita de la calefacción de los asientos
Trailer Module | Module de remorque | Módulo del remolque
Power Liftgate Control Module | Calculateur de hayon motorisé | Centralita del portón trasero eléctrico
Night Vision Control Module | Calculateur de vision de nuit | Centralita de visión nocturna
Image Processing Module "?" | Module de traitement d'image "?" | Módulo de procesamiento de imagen "?"
Lane Departure Warning Module | Module d'alerte de franchissement de ligne | Módulo de aviso de cambio de carril
Active Cruise Control Module | Calculateur du régulateur de vitesse adaptatif | Centralita del control de crucero adaptativo
Front Camera Module | Caméra avant | Cámara delantera
Rear Camera Module | Caméra de recul | Cámara trasera
Electric Power Assist Brake Module | Servofrein électrique | Servofreno eléctrico
Key Fob Receiver Module | Récepteur de la télécommande de clé | Receptor del mando de la llave
Ambient Light Control Module | Calculateur d'éclairage d'ambiance | Centralita de iluminación ambiental
Driver Seat Belt Reminder Module | Module d'alerte de ceinture conducteur | Módulo de aviso del cinturón del conductor
Passenger Seat Belt Reminder Module | Module d'alerte de ceinture passager | Módulo de aviso del cinturón del acompañante
Fuel Level Module | Module de niveau de carburant | Módulo de nivel de combustible
Fuel Additive Control Module | Calculateur d'additif carburant | Centralita del aditivo de combustible
Reductant Control Module | Calculateur d'agent réducteur | Centralita del agente reductor
NOx Sensor Module "?" | Module capteur de NOx "?" | Módulo del sensor de NOx "?"
Particulate Matter Sensor Module | Module capteur de particules | Módulo del sensor de partículas
Exhaust Gas Temperature Sensor Module | Module capteur de température des gaz d'échappement | Módulo del sensor de temperatura de los gases de escape
Turbocharger Control Module | Calculateur du turbocompresseur | Centralita del turbocompresor
Cooling Fan Control Module | Calculateur du motoventilateur | Centralita del electroventilador
Coolant Pump Control Module | Calculateur de pompe de liquide de refroidissement | Centralita de la bomba de refrigerante
Oil Level Sensor Module | Module capteur de niveau d'huile | Módulo del sensor de nivel de aceite
Generator Control Module | Calculateur d'alternateur | Centralita del alternador
Battery Monitoring Module | Module de surveillance de la batterie | Módulo de vigilancia de la batería
DC/DC Converter Control Module | Calculateur du convertisseur DC/DC | Centralita del convertidor DC/DC
Auxiliary Battery Control Module | Calculateur de batterie auxiliaire | Centralita de la batería auxiliar
Electric Vacuum Pump Module | Pompe à vide électrique | Bomba de vacío eléctrica
Electric Air Conditioning Compressor Module | Compresseur de climatisation électrique | Compresor de aire acondicionado eléctrico
Electric Coolant Heater Module | Réchauffeur électrique du liquide de refroidissement | Calentador eléctrico del refrigerante
Charging Port Module | Module de prise de charge | Módulo de la toma de carga
Vehicle Communication Interface Module | Module d'interface de communication du véhicule | Módulo de interfaz de comunicación del vehículo
Driver Frontal Stage # | Airbag frontal conducteur étage # | Airbag frontal del conductor etapa #
Passenger Frontal Stage # | Airbag frontal passager étage # | Airbag frontal del acompañante etapa #
Left Side Airbag | Airbag latéral gauche | Airbag lateral izquierdo
Left Side Airbag # | Airbag latéral gauche # | Airbag lateral izquierdo #
Left Curtain Airbag | Airbag rideau gauche | Airbag de cortina izquierdo
Left Curtain Airbag # | Airbag rideau gauche # | Airbag de cortina izquierdo #
Right Side Airbag | Airbag latéral droit | Airbag lateral derecho
Right Side Airbag # | Airbag latéral droit # | Airbag lateral derecho #
Right Curtain Airbag | Airbag rideau droit | Airbag de cortina derecho
Right Curtain Airbag # | Airbag rideau droit # | Airbag de cortina derecho #
Driver Knee Bolster | Airbag genoux conducteur | Airbag de rodilla del conductor
Passenger Knee Bolster | Airbag genoux passager | Airbag de rodilla del acompañante
Left Second Row Side Airbag | Airbag latéral gauche de deuxième rangée | Airbag lateral izquierdo de la segunda fila
Right Second Row Side Airbag | Airbag latéral droit de deuxième rangée | Airbag lateral derecho de la segunda fila
Left Third Row Side Airbag | Airbag latéral gauche de troisième rangée | Airbag lateral izquierdo de la tercera fila
Right Third Row Side Airbag | Airbag latéral droit de troisième rangée | Airbag lateral derecho de la tercera fila
Driver Seatbelt Pretensioner | Prétensionneur de ceinture conducteur | Pretensor del cinturón del conductor
Passenger Seatbelt Pretensioner | Prétensionneur de ceinture passager | Pretensor del cinturón del acompañante
Left Second Row Seatbelt Pretensioner | Prétensionneur de ceinture gauche de deuxième rangée | Pretensor del cinturón izquierdo de la segunda fila
Right Second Row Seatbelt Pretensioner | Prétensionneur de ceinture droit de deuxième rangée | Pretensor del cinturón derecho de la segunda fila
Center Second Row Seatbelt Pretensioner | Prétensionneur de ceinture central de deuxième rangée | Pretensor del cinturón central de la segunda fila
Driver Lap Belt Pretensioner | Prétensionneur de ceinture ventrale conducteur | Pretensor del cinturón abdominal del conductor
Passenger Lap Belt Pretensioner | Prétensionneur de ceinture ventrale passager | Pretensor del cinturón abdominal del acompañante
Driver Active Head Restraint | Appui-tête actif conducteur | Reposacabezas activo del conductor
Passenger Active Head Restraint | Appui-tête actif passager | Reposacabezas activo del acompañante
Battery Disconnect | Déconnexion de la batterie | Desconexión de la batería
Pedestrian Protection Actuator Left | Actionneur de protection des piétons gauche | Actuador de protección de peatones izquierdo
Pedestrian Protection Actuator Right | Actionneur de protection des piétons droit | Actuador de protección de peatones derecho
Rollover Protection Bar | Arceau de protection anti-retournement | Arco antivuelco
Driver Frontal Impact Sensor | Capteur de choc frontal conducteur | Sensor de impacto frontal del conductor
Passenger Frontal Impact Sensor | Capteur de choc frontal passager | Sensor de impacto frontal del acompañante
Left Side Impact Sensor # | Capteur de choc latéral gauche # | Sensor de impacto lateral izquierdo #
Right Side Impact Sensor # | Capteur de choc latéral droit # | Sensor de impacto lateral derecho #
Rear Impact Sensor | Capteur de choc arrière | Sensor de impacto trasero
Rollover Sensor | Capteur de retournement | Sensor de vuelco
Driver Seat Position Sensor | Capteur de position du siège conducteur | Sensor de posición del asiento del conductor
Passenger Seat Position Sensor | Capteur de position du siège passager | Sensor de posición del asiento del acompañante
Driver Seatbelt Buckle Switch | Contacteur de boucle de ceinture conducteur | Interruptor de la hebilla del cinturón del conductor
Passenger Seatbelt Buckle Switch | Contacteur de boucle de ceinture passager | Interruptor de la hebilla del cinturón del acompañante
Passenger Occupant Classification Sensor | Capteur de classification de l'occupant passager | Sensor de clasificación del ocupante del acompañante
Passenger Airbag Disable Switch | Contacteur de désactivation de l'airbag passager | Interruptor de desactivación del airbag del acompañante
Passenger Airbag Disabled Indicator | Témoin de désactivation de l'airbag passager | Testigo de airbag del acompañante desactivado
Restraint System Warning Indicator | Témoin d'alerte du système de retenue | Testigo de aviso del sistema de retención
Pedestrian Impact Sensor Left | Capteur de choc piéton gauche | Sensor de impacto de peatones izquierdo
Pedestrian Impact Sensor Right | Capteur de choc piéton droit | Sensor de impacto de peatones derecho
Pedestrian Impact Sensor Center | Capteur de choc piéton central | Sensor de impacto de peatones central
Interior Air Temperature Sensor | Capteur de température d'air intérieur | Sensor de temperatura del aire interior
Outside Air Temperature Sensor | Capteur de température d'air extérieur | Sensor de temperatura del aire exterior
Sun Load Sensor | Capteur d'ensoleillement | Sensor de radiación solar
Evaporator Temperature Sensor | Capteur de température de l'évaporateur | Sensor de temperatura del evaporador
Heater Core Temperature Sensor | Capteur de température du radiateur de chauffage | Sensor de temperatura del radiador de calefacción
Air Quality Sensor | Capteur de qualité de l'air | Sensor de calidad del aire
Humidity Sensor | Capteur d'humidité | Sensor de humedad
Left Front Wheel Speed Sensor | Capteur de vitesse de roue avant gauche | Sensor de velocidad de la rueda delantera izquierda
Right Front Wheel Speed Sensor | Capteur de vitesse de roue avant droite | Sensor de velocidad de la rueda delantera derecha
Left Rear Wheel Speed Sensor | Capteur de vitesse de roue arrière gauche | Sensor de velocidad de la rueda trasera izquierda
Right Rear Wheel Speed Sensor | Capteur de vitesse de roue arrière droite | Sensor de velocidad de la rueda trasera derecha
Left Front Inlet Valve | Électrovanne d'admission avant gauche | Electroválvula de entrada delantera izquierda
Right Front Inlet Valve | Électrovanne d'admission avant droite | Electroválvula de entrada delantera derecha
Left Rear Inlet Valve | Électrovanne d'admission arrière gauche | Electroválvula de entrada trasera izquierda
Right Rear Inlet Valve | Électrovanne d'admission arrière droite | Electroválvula de entrada trasera derecha
Left Front Outlet Valve | Électrovanne d'échappement avant gauche | Electroválvula de salida delantera izquierda
Right Front Outlet Valve | Électrovanne d'échappement avant droite | Electroválvula de salida delantera derecha
Left Rear Outlet Valve | Électrovanne d'échappement arrière gauche | Electroválvula de salida trasera izquierda
Right Rear Outlet Valve | Électrovanne d'échappement arrière droite | Electroválvula de salida trasera derecha
Pump Motor | Moteur de pompe | Motor de la bomba
Valve Relay | Relais des électrovannes | Relé de las electroválvulas
Traction Control Isolation Valve # | Vanne d'isolement de l'antipatinage # | Válvula de aislamiento del control de tracción #
Traction Control Priming Valve # | Vanne d'amorçage de l'antipatinage # | Válvula de cebado del control de tracción #
Brake Pressure Sensor | Capteur de pression de freinage | Sensor de presión de frenado
Steering Angle Sensor | Capteur d'angle de braquage | Sensor de ángulo de dirección
Yaw Rate Sensor | Capteur de vitesse de lacet | Sensor de velocidad de guiñada
Lateral Acceleration Sensor | Capteur d'accélération latérale | Sensor de aceleración lateral
Longitudinal Acceleration Sensor | Capteur d'accélération longitudinale | Sensor de aceleración longitudinal
Brake Fluid Level Sensor | Capteur de niveau de liquide de frein | Sensor de nivel del líquido de frenos
Brake Pedal Position Sensor | Capteur de position de la pédale de frein | Sensor de posición del pedal de freno
Ride Height Sensor Front | Capteur de hauteur de caisse avant | Sensor de altura de la carrocería delantero
Ride Height Sensor Rear | Capteur de hauteur de caisse arrière | Sensor de altura de la carrocería trasero
ABS Warning Indicator | Témoin d'alerte ABS | Testigo de aviso del ABS
Traction Control Indicator | Témoin d'antipatinage | Testigo del control de tracción
Brake Warning Indicator | Témoin d'alerte de freinage | Testigo de aviso de frenos
ABS Control Module Supply Voltage Low | Tension d'alimentation du calculateur ABS trop basse | Tensión de alimentación de la centralita del ABS demasiado baja
ABS Control Module Supply Voltage High | Tension d'alimentation du calculateur ABS trop élevée | Tensión de alimentación de la centralita del ABS demasiado alta
Wheel Speed Mismatch | Incohérence des vitesses de roue | Discrepancia entre las velocidades de las ruedas
Tire Size Out of Range | Dimension des pneus hors plage | Tamaño de los neumáticos fuera de rango
Excessive Wheel Slip | Patinage excessif des roues | Deslizamiento excesivo de las ruedas
ABS Operation Time Too Long | Durée de régulation ABS trop longue | Tiempo de actuación del ABS demasiado largo
"""
