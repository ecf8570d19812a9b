"""French and Spanish names of the transmission parts and phrases (P07xx-P09xx, P27xx-P28xx).

The same line format as words_parts.py. "Transmission" is the gearbox: boîte de vitesses, caja de
cambios; a solenoid is an électrovanne, an electroválvula.
"""

PARTS = """
Transmission Control System | Commande de boîte de vitesses | Control de la caja de cambios
Transmission Control System MIL Request | Demande de voyant moteur de la commande de boîte de vitesses | Solicitud de testigo MIL del control de la caja de cambios
Transfer Case Control System | Commande de boîte de transfert | Control de la caja de transferencia
Clutch Switch | Contacteur d'embrayage | Interruptor del embrague
Transmission Range Sensor | Capteur de position du sélecteur | Sensor de posición de la palanca selectora
Transmission Range Sensor "?" (PRNDL Input) | Capteur de position du sélecteur "?" (entrée PRNDL) | Sensor de posición de la palanca selectora "?" (entrada PRNDL)
Transmission Range Sensor "?"/"?" | Capteurs de position du sélecteur "?"/"?" | Sensores de posición de la palanca selectora "?"/"?"
Transmission Fluid Temperature Sensor "?" | Capteur de température d'huile de boîte de vitesses "?" | Sensor de temperatura del aceite de la caja de cambios "?"
Input/Turbine Speed Sensor "?" | Capteur de vitesse d'entrée/turbine "?" | Sensor de velocidad de entrada/turbina "?"
Input/Turbine Speed Sensor "?"/"?" | Capteurs de vitesse d'entrée/turbine "?"/"?" | Sensores de velocidad de entrada/turbina "?"/"?"
Torque Converter/Brake Switch "?" | Contacteur convertisseur de couple/frein "?" | Interruptor convertidor de par/freno "?"
Output Speed Sensor | Capteur de vitesse de sortie | Sensor de velocidad de salida
Engine Speed Input | Entrée régime moteur | Entrada de régimen del motor
Gear # | Rapport # | Marcha #
Incorrect Gear Ratio | Rapport de démultiplication incorrect | Relación de marchas incorrecta
Reverse | Marche arrière | Marcha atrás
TCM Engine Speed Output | Sortie régime moteur du calculateur de boîte de vitesses | Salida de régimen del motor de la centralita de la caja de cambios
Torque Converter Clutch | Embrayage du convertisseur de couple | Embrague del convertidor de par
Torque Converter Clutch Solenoid | Électrovanne d'embrayage du convertisseur de couple | Electroválvula del embrague del convertidor de par
Torque Converter Clutch Pressure Control Solenoid | Électrovanne de régulation de pression d'embrayage du convertisseur | Electroválvula de control de presión del embrague del convertidor
Torque Converter Temperature Too High | Température du convertisseur de couple trop élevée | Temperatura del convertidor de par demasiado alta
Pressure Control Solenoid "?" | Électrovanne de régulation de pression "?" | Electroválvula de control de presión "?"
Shift Solenoid "?" | Électrovanne de passage de rapport "?" | Electroválvula de cambio de marcha "?"
Shift Error | Erreur de passage de rapport | Error de cambio de marcha
#-# Shift | Passage #-# | Cambio #-#
Shift/Timing Solenoid | Électrovanne de passage/temporisation | Electroválvula de cambio/temporización
Normal/Performance Switch | Contacteur normal/sport | Interruptor normal/deportivo
Intermediate Shaft Speed Sensor "?" | Capteur de vitesse d'arbre intermédiaire "?" | Sensor de velocidad del eje intermedio "?"
Reverse Inhibit | Verrouillage de la marche arrière | Bloqueo de la marcha atrás
#-# Upshift (Skip Shift) Solenoid | Électrovanne de passage #-# (saut de rapport) | Electroválvula de cambio #-# (salto de marcha)
#-# Upshift (Skip Shift) Lamp | Voyant de passage #-# (saut de rapport) | Testigo de cambio #-# (salto de marcha)
Clutch | Embrayage | Embrague
Clutch Position Sensor | Capteur de position d'embrayage | Sensor de posición del embrague
Clutch Position | Position d'embrayage | Posición del embrague
Excessive Clutch Slippage | Patinage excessif de l'embrayage | Patinado excesivo del embrague
Reverse Input | Entrée marche arrière | Entrada de marcha atrás
Reverse Output | Sortie marche arrière | Salida de marcha atrás
Transmission Range Display | Affichage du rapport engagé | Indicador de marcha engranada
Upshift Switch | Contacteur de montée de rapport | Interruptor de cambio ascendente
Downshift Switch | Contacteur de rétrogradation | Interruptor de cambio descendente
Up and Down Shift Switch | Contacteur de montée/descente de rapport | Interruptor de cambio ascendente/descendente
Up and Down Shift Switch to Transmission Range Correlation | Corrélation contacteur de montée/descente de rapport – position du sélecteur | Correlación interruptor de cambio ascendente/descendente – posición de la palanca selectora
Starter Disable | Inhibition du démarreur | Bloqueo del motor de arranque
Driveline Disconnect Switch | Contacteur de désaccouplement de la transmission | Interruptor de desacoplamiento de la transmisión
Gear Lever X-Y Position Sensor | Capteur de position X-Y du levier de vitesses | Sensor de posición X-Y de la palanca de cambios
Gear Lever X Position | Position X du levier de vitesses | Posición X de la palanca de cambios
Gear Lever Y Position | Position Y du levier de vitesses | Posición Y de la palanca de cambios
Gear Lever Push-Pull Switch (Shift Anticipate) | Contacteur pousser-tirer du levier de vitesses (anticipation du passage) | Interruptor de empujar/tirar de la palanca de cambios (anticipación del cambio)
Clutch Pedal Switch "?" | Contacteur de pédale d'embrayage "?" | Interruptor del pedal de embrague "?"
Four Wheel Drive (4WD) Switch | Contacteur de transmission intégrale (4WD) | Interruptor de tracción total (4WD)
Four Wheel Drive (4WD) Low Switch | Contacteur de gamme courte (4WD) | Interruptor de reductora (4WD)
Transmission Fluid Pressure Sensor/Switch "?" | Capteur/contacteur de pression d'huile de boîte de vitesses "?" | Sensor/interruptor de presión del aceite de la caja de cambios "?"
Transmission Fluid Pressure | Pression d'huile de boîte de vitesses | Presión del aceite de la caja de cambios
Transmission Fluid Pressure Low | Pression d'huile de boîte de vitesses trop basse | Presión del aceite de la caja de cambios demasiado baja
Transmission Fluid Pressure High | Pression d'huile de boîte de vitesses trop élevée | Presión del aceite de la caja de cambios demasiado alta
Park/Neutral Switch | Contacteur de position parking/point mort | Interruptor de estacionamiento/punto muerto
Drive Switch | Contacteur de position marche avant | Interruptor de posición de marcha
Traction Control Input Signal | Signal d'entrée de l'antipatinage | Señal de entrada del control de tracción
Gear Shift Module Communication | Communication du module de passage des rapports | Comunicación del módulo de cambio de marchas
TCM Communication | Communication du calculateur de boîte de vitesses | Comunicación de la centralita de la caja de cambios
TCM Power Input Signal | Signal d'alimentation du calculateur de boîte de vitesses | Señal de alimentación de la centralita de la caja de cambios
TCM Power Relay | Relais d'alimentation du calculateur de boîte de vitesses | Relé de alimentación de la centralita de la caja de cambios
Multiple Gears Engaged | Plusieurs rapports engagés | Varias marchas engranadas
Transmission Component Slipping | Patinage d'un composant de la boîte de vitesses | Patinado de un componente de la caja de cambios
Shift Time Too Short | Temps de passage trop court | Tiempo de cambio demasiado corto
Shift Time Too Long | Temps de passage trop long | Tiempo de cambio demasiado largo
Transmission Fluid Deteriorated | Huile de boîte de vitesses dégradée | Aceite de la caja de cambios degradado
Clutch Actuator | Actionneur d'embrayage | Actuador del embrague
Clutch Actuator Temperature Too High | Température de l'actionneur d'embrayage trop élevée | Temperatura del actuador del embrague demasiado alta
Clutch Temperature Too High | Température de l'embrayage trop élevée | Temperatura del embrague demasiado alta
Transmission Gate Select Position | Position de sélection de grille | Posición de selección de carril
Transmission Gate Select | Sélection de grille | Selección de carril
Gate Select Actuator | Actionneur de sélection de grille | Actuador de selección de carril
Gate Select Direction | Sens de sélection de grille | Dirección de selección de carril
Gear Shift Position | Position de passage des rapports | Posición de cambio de marcha
Gear Shift Direction | Sens de passage des rapports | Dirección de cambio de marcha
Gear Shift Forward Actuator | Actionneur de passage vers l'avant | Actuador de cambio hacia delante
Gear Shift Reverse Actuator | Actionneur de passage vers l'arrière | Actuador de cambio hacia atrás
Gear Shift Actuator Temperature Too High | Température de l'actionneur de passage des rapports trop élevée | Temperatura del actuador de cambio de marchas demasiado alta
Gear Shift Lock Solenoid | Électrovanne de verrouillage du levier de vitesses | Electroválvula de bloqueo de la palanca de cambios
Hydraulic Pressure Sensor | Capteur de pression hydraulique | Sensor de presión hidráulica
Hydraulic Oil Temperature Sensor | Capteur de température d'huile hydraulique | Sensor de temperatura del aceite hidráulico
Hydraulic Pressure Unit | Groupe hydraulique | Grupo hidráulico
Hydraulic Power Unit | Groupe hydraulique | Grupo hidráulico
Hydraulic Pump Relay | Relais de pompe hydraulique | Relé de la bomba hidráulica
Auto Shift Manual | Boîte manuelle pilotée | Caja manual automatizada
Auto Shift Manual Control | Commande de la boîte manuelle pilotée | Control de la caja manual automatizada
Auto Shift Manual Mode | Mode manuel de la boîte pilotée | Modo manual de la caja automatizada
Transmission Friction Element "?" | Élément de friction de boîte de vitesses "?" | Elemento de fricción de la caja de cambios "?"
Unexpected Mechanical Gear Disengagement | Désengagement mécanique inattendu du rapport | Desengrane mecánico inesperado de la marcha
Transmission Fluid Cooler | Refroidisseur d'huile de boîte de vitesses | Enfriador del aceite de la caja de cambios
Auxiliary Transmission Fluid Pump | Pompe auxiliaire d'huile de boîte de vitesses | Bomba auxiliar de aceite de la caja de cambios
"""
