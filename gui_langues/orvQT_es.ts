<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Ajuste de alarma de
nivel bajo (seguridad)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Peso mínimo (alarma) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Temporización de : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Vigilancia central Pump Down</translation>
    </message>
</context>
<context>
    <name>AutoTest</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>ORV AutoTest</source>
        <translation>ORV Autotest</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Iniciar autotest</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
¡Autotest terminado!
</translation>
    </message>
</context>
<context>
    <name>Calc_Method</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Pression BP:</source>
        <translation>Presión BP:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>Temperatura BP:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Temperatura
gas aspirado:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Temperatura líquido:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>Entropía BP:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>Entalpía BP:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Rendimiento
isentrópico:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Potencia absorbida
compresores: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>COP teórico
compresores:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>COP teórico
comp. + vent.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>COP teórico
comp. + vent. + bomba:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>Presión AP:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>Temperatura AP:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Entalpía
líquido AP:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Temperatura
descarga
medida:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Temperatura
descarga
isentrópica:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Temperatura
descarga
calculada:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Entalpía descarga:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Tasa de compresión:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Entalpía real
en descarga:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Caudal másico: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Potencia frigorífica: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Rango del sensor AP 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Presión mín.</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Presión máx.</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Offset 0:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Calibrage Offset 0
(a la Pression Atmospherique)</source>
        <translation>Calibración offset 0
(a presión atmosférica)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Reiniciar offset
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Módulo de medida V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Módulo de medida V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Ningún módulo de medida</translation>
    </message>
    <message>
        <source>De </source>
        <translation>De </translation>
    </message>
    <message>
        <source> A </source>
        <translation> a </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>ATENCIÓN: ¿iniciar la CALIBRACIÓN de la sonda de presión AP?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>¿Iniciar la calibración de presión?!
Confirme si la sonda está a presión atmosférica!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>ERROR de medida de presión AP</translation>
    </message>
</context>
<context>
    <name>Choix</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Choix de mode d&apos;acces</source>
        <translation>Elección del modo de acceso</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Parámetros y ajustes</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Visualizaciones</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Choix_fluide</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fluide Frigorifique</source>
        <translation>Fluido refrigerante</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Seleccione el fluido:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = mezclas del cliente</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Tipo de condensador:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Potencia del condensador a 25 °C exterior
 con un Dt de 15 K (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Subcrítico</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transcrítico</translation>
    </message>
</context>
<context>
    <name>Colonne</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>La colonne</source>
        <translation>La columna</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Cobre frigorífico de 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Cobre frigorífico de 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Acero inoxidable 40 x 2</translation>
    </message>
</context>
<context>
    <name>CompressorType</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Type de Compresseur(s)</source>
        <translation>Tipo de compresor(es)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistón</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Tornillo</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Scroll</translation>
    </message>
</context>
<context>
    <name>CopyFilesToUSB</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
fichiers config depuis USB</source>
        <translation>Copia/Restauración
archivos config desde USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restaurar archivos
desde memoria USB</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Copiar archivos
 a memoria USB</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Leer config
desde memoria USB</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Su memoria USB está conectada
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>¡Conecte su memoria USB, por favor!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Número de archivo(s) a copiar: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>Memoria USB conectada/detectada OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Copiando archivo: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>ERROR Copia: %1 archivo(s) no copiado(s).</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Copia terminada.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Seleccione la carpeta USB de los archivos copiados</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Número de archivo(s) a restaurar: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Restaurando archivo: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>El ORV va a reiniciarse.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>ERROR Restauración: %1 archivo(s) no copiado(s).</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Restauración de %1 archivo(s) terminada.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Restauración terminada.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Abrir config</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>ERROR de lectura del archivo CONFIG USB</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>Archivo USB %1 leído correctamente.</translation>
    </message>
</context>
<context>
    <name>CopyFilesToUSB_bench</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Restauration fichier CONFIG
CLIENT depuis USB</source>
        <translation>Restauración archivo CONFIG
CLIENTE desde USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restaurar archivos
desde memoria USB</translation>
    </message>
</context>
<context>
    <name>Diamreservoir</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Diametre interne du reservoir</source>
        <translation>Diámetro interior del recipiente</translation>
    </message>
</context>
<context>
    <name>Ecran_Orv</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>-----</source>
        <translation>-----</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>-999.99 KW</source>
        <translation>-999.99 KW</translation>
    </message>
    <message>
        <source>------</source>
        <translation>------</translation>
    </message>
    <message>
        <source>-------</source>
        <translation>-------</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;DejaVu Sans&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Alarme Technique&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;DejaVu Sans&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Alarma técnica&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>ALARMA</translation>
    </message>
    <message>
        <source>1000.00 Kg</source>
        <translation>1000.00 Kg</translation>
    </message>
    <message>
        <source>180 min</source>
        <translation>180 min</translation>
    </message>
    <message>
        <source>999j, 23 H : 59 Min : 59 Sec / </source>
        <translation>999d, 23 H : 59 Min : 59 Seg / </translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>00000</source>
        <translation>00000</translation>
    </message>
    <message>
        <source>Charge Fluide : %1 Kg   </source>
        <translation>Carga : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Fluido : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subcrítico</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transcrítico</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>N.º depósitos: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>N.º depósitos: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>SE : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Gas flash con </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alarma nivel bajo &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 H : %2 Min : %3 Seg / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Alarma Estad 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Alarma LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarmas 3d + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Alarma Estad 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Aprendizaje</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>PARADA MÁQUINA</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Rechazo:
%1 kW</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Enregistrement</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Enregistrement de la configuration </source>
        <translation>Guardando la configuración </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>Configuración PT100: sustituir cada sonda de
temperatura por una resistencia de 100 ohmios</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Temperatura exterior:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 cable 3 m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Medida:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Corrección:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Corrección manual:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Temperatura del líquido
 -Entrada del recipiente:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Temperatura del líquido
 -Salida del recipiente:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Termómetro radio (activar/desactivar)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Termómetro radio ON</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Sonda exterior radio:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Termómetro radio OFF</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Sonda exterior PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Temperatura exterior:</translation>
    </message>
</context>
<context>
    <name>FuseauHorraire</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Date/Heure/Fuseau Horraire</source>
        <translation>Fecha/Hora/Huso horario</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Su fecha local:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Su hora local:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>Hora GMT:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Salir / Guardar</translation>
    </message>
</context>
<context>
    <name>Hreservoir</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>5000 mm</source>
        <translation>5000 mm</translation>
    </message>
    <message>
        <source>Hauteur colonne</source>
        <translation>Altura de la columna</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Entre ejes de las conexiones de los flexibles</translation>
    </message>
    <message>
        <source>1000 mm</source>
        <translation>1000 mm</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;DejaVu Sans&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Inclinaison du reservoir&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Si le reservoir n&apos;est pas incline, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;bien horizontal, la valeur est de 0 mm ;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Sinon prendre la hauteur de l&apos;inclinaison&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;a l&apos;aide d&apos;un niveau.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;DejaVu Sans&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Inclinación del recipiente&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Si el recipiente no está inclinado, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;bien horizontal, el valor es 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;si no, tome la altura de la inclinación&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;con un nivel.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Longitud del Recipiente</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Medir entre los dos extremos</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Altura de la Columna</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Medir entre ejes de las conexiones de los flexibles</translation>
    </message>
</context>
<context>
    <name>Iinstallation</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Informations generales sur l&apos;installation</source>
        <translation>Información general de la instalación</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Volumen interno condensador(es)</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Carga de refrigerante de la instalación</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Volumen del recipiente</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Volumen interno gas cooler</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volumen de un recipiente</translation>
    </message>
</context>
<context>
    <name>Info_Norvale</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>NORVALE S.A.S.
1 allee des Frigoristes - 69000 LYON - FRANCE</source>
        <translation>NORVALE S.A.S.
1 allee des Frigoristes - 69000 LYON - FRANCE</translation>
    </message>
    <message>
        <source>Support technique :
Tel : +33 (0)4 00 00 00 01
support@norvale.example</source>
        <translation>Soporte técnico:
Tel.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Servicio comercial:
Tel.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Fecha tara</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	Versión ORV : %1</translation>
    </message>
</context>
<context>
    <name>Info_config</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Informations sur la configuration</source>
        <translation>Información sobre la configuración</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Fecha de hoy	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Contenido archivo RCS sistema:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Espacio de almacenamiento en MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Sección config.	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Libre = %1 MB</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Total = %1 MB</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fichier Journal</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Francés</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Español</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> I&amp;nglés</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Ruso</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> A&amp;lemán</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Húngaro</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italiano</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Neerlandés</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Validar</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Changement de la langue</source>
        <translation>Changement de la langue</translation>
    </message>
    <message>
        <source>Selection de la langue francaise</source>
        <translation>Selection de la langue francaise</translation>
    </message>
    <message>
        <source>Language Change</source>
        <translation>Language Change</translation>
    </message>
    <message>
        <source>English language selected</source>
        <translation>English language selected</translation>
    </message>
    <message>
        <source>Ändern der Sprache</source>
        <translation>Ändern der Sprache</translation>
    </message>
    <message>
        <source>Deutsche Sprache ausgewahlte</source>
        <translation>Deutsche Sprache ausgewahlte</translation>
    </message>
    <message>
        <source>El cambio de idioma</source>
        <translation>El cambio de idioma</translation>
    </message>
    <message>
        <source>El ORV debe reiniciar el sistema para cargar el idioma español</source>
        <translation>El ORV debe reiniciar el sistema para cargar el idioma español</translation>
    </message>
    <message>
        <source>La modifica della lingua</source>
        <translation>La modifica della lingua</translation>
    </message>
    <message>
        <source>Il ORV deve riavviare per caricare italiano</source>
        <translation>Il ORV deve riavviare per caricare italiano</translation>
    </message>
    <message>
        <source>Het wijzigen van de taal</source>
        <translation>Het wijzigen van de taal</translation>
    </message>
    <message>
        <source>De ORV moet herstarten om de Nederlandse taal te laden</source>
        <translation>De ORV moet herstarten om de Nederlandse taal te laden</translation>
    </message>
    <message>
        <source>Russian language selected</source>
        <translation>Russian language selected</translation>
    </message>
    <message>
        <source>A nyelv módosítása</source>
        <translation>A nyelv módosítása</translation>
    </message>
    <message>
        <source>A magyar nyelv válogatott</source>
        <translation>A magyar nyelv válogatott</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>ERROR al cargar el archivo de IDIOMA [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Primera puesta en servicio</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Acuse de alarma</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Aprendizaje</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Corte de alimentación</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Arranque del ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Carga desde USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Carga desde la red</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Alarma tipo 1 (fuga estadística 3 días)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Alarma tipo 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Alarma tipo 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Alarma nivel bajo recipiente</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Fallo sonda temperatura exterior</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Fallo sonda temperatura entrada recipiente</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Fallo sonda temperatura salida recipiente</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Fallo sonda temperatura aspiración</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Fallo sonda líquido subenfriador</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Fallo galga extensométrica</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Fallo sensor alta presión</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Fallo sensor baja presión</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Fallo comunicación tarjeta de medida</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Fallo comunicación caudalímetro</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Reinicio de la comunicación</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Cambio AP mínima</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Cambio contacto NC/NA</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Cambio estado BP adaptativa</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Cambio estado AP flotante</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Cambio sensibilidad alarma 3 días</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Cambio indicador alarma 3 días</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Cambio diámetro tubo de líquido</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Cambio tipo de montaje caudal</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Cambio desviación caudal</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Cambio calibración PT100 subenfriamiento</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Cambio grupo cliente</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Cambio tipo de tienda</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Cambio código 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Cambio código contrato</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Consulta de las curvas</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Control de los sensores en fallo</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Escritura de la configuración</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Inicio de un reaprendizaje</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Envío de los archivos</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Menu Principal</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Info de la configuración</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Medida del peso</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Info y asistencia Norvale</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>Configuración
ORV</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Configuración
módulo AP flotante</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Configuración
 módulo Energía</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Copia/Restauración
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Iniciar intervención
frigorista</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Reaprendizaje
Acuse de alarmas</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Fecha/Hora
Zona horaria</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>Autotest ORV</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>Reiniciar
el ORV</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Menú de visualizaciones</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Menú de parámetros y ajustes</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Terminar intervención
frigorista</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>¿Reinicio/Reboot del ORV?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>¿Confirma el reinicio del ORV?!
¡Pulse OK para reiniciar el ORV!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Menú Norvale</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Control del peso</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Menu_Reapprentissage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Acquittement des Alarmes</source>
        <translation>Acuse de alarmas</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Reaprendizaje</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Recálculo del nivel
de referencia</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>¡Compruebe el cableado de sus sondas!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Seleccione una opción...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Acuse</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;¿Ha localizado y reparado una fuga?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;Según su intervención, lance un recálculo o un reaprendizaje.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Recálculo</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>R&amp;eaprendizaje</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Compruebe los ajustes de alarma (sensibilidad, temporización, nivel bajo).

Recuerde: el kit de mantenimiento reglamentario debe cambiarse cada año.

Consulte la guía de buenas prácticas para más información.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>¿Ha realizado una recarga?

 Si es así, introduzca la carga añadida y pulse &quot;Sí&quot;. 

Si no, pulse &quot;No&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Reaprendizaje</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Atención: si una fuga sigue activa en la central durante un reaprendizaje, la fiabilidad de la detección de fugas puede verse afectada.

Un reaprendizaje dura varios días, durante los cuales no hay alarmas estadísticas (a diferencia de la alarma de nivel bajo, que siempre está activa).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Debe lanzarse un reaprendizaje en los casos siguientes:

- Cambio en la instalación (puesta en marcha invernal de la recuperación de calor, cierre de una etapa de condensación).

- Cambio en el ORV (cambio del kit anual, nueva tara).

¿Seguro que desea lanzar un reaprendizaje?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Atención: si una fuga sigue activa en la central durante un recálculo, la fiabilidad de la detección de fugas puede verse afectada.

Un recálculo dura varias horas, durante las cuales no hay alarmas estadísticas (a diferencia de la alarma de nivel bajo, que siempre está activa).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Un recálculo debe lanzarse solo en los casos siguientes:

- cambio del nivel medio del recipiente.

- reparación de una fuga estadística con o sin recarga.

- en caso de complemento de carga.

¿Seguro que desea lanzar un recálculo?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>El ORV ya está en modo APRENDIZAJE</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>El ORV ya está en modo RECÁLCULO</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Medida de la tara de la columna</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>¿Están cerradas las válvulas?
¿La columna está vacía de refrigerante?
¿Los flexibles están sin tensión?
No tocar la columna durante la medida</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Verifique el PESO de la columna. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Ninguna medida utilizable para hacer la TARA.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Peso de la columna:</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>Tara</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source> gr</source>
        <translation> g</translation>
    </message>
    <message>
        <source>Normalement la tare est superieur a  %1 gr</source>
        <translation>Normalmente la tara es superior a  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>ATENCIÓN: ¿iniciar la TARA?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>¿Iniciar el procedimiento de tara?!
¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfaz:</translation>
    </message>
    <message>
        <source>ra0  Wifi</source>
        <translation>ra0  Wifi</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Máscara:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Pasarela:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Cambiar IP servidor</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>WiFi:</translation>
    </message>
    <message>
        <source>SSID :</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Authentification:</source>
        <translation>Autenticación:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Clave de cifrado: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Estado:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Probar
conexión</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Enviar
archivos</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Recibir
archivos</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Guardar
configuración</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Teclado
SÍ</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Salir</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>ERROR WiFi USB no configurado</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Teclado
NO</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>ERROR reconfiguración de red, corrija e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Reconfiguración de red en curso .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>Cambio de ID %1 guardado.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Conecte el adaptador USB WiFi, gracias.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>No se encontró servidor DHCP, o error de configuración WiFi.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Configuración de red guardada correctamente.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Compruebe que el cable Ethernet está conectado
O que el adaptador USB WiFi está enchufado.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Prueba de conexión en curso...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Recuperando los archivos (2) de configuración de VOREDANE ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>FALLO al recuperar los archivos (2) de configuración de VOREDANE, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Archivos de configuración de VOREDANE recuperados
Instalando los archivos (2) de configuración, ATENCIÓN el ORV se reinicia ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Archivos de configuración instalados, REINICIO en curso....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>ERROR al instalar los archivos de configuración, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>Red INTERNET OK, conexión con el servidor correcta.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>SIN red INTERNET, fallo de conexión con el servidor</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Transferencia de archivos en curso ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: transferencia de archivos correcta.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>ERROR en la transferencia de archivos.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Recepción de archivos en curso ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>Recepción de archivos SFTP terminada.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Recepción de archivos ya en curso o sin Internet, inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Esta dirección IP del servidor ya está configurada</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>ERROR dirección IP del servidor no válida.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Nueva dirección IP del servidor guardada (%1)</translation>
    </message>
</context>
<context>
    <name>OrvName</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Configuration ORV</source>
        <translation>Configuración ORV</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Nombre del ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * 20 caracteres máximo</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Nombre cliente en sitio:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * 40 caracteres máximo</translation>
    </message>
</context>
<context>
    <name>PoidsCtrl</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Control del peso</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Peso medido:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Tare:</source>
        <translation>Tara:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Peso del líquido:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (sin los 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Densidad del líquido:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Altura del líquido:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>RecalculProcess</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;</source>
        <translation>¿Ha realizado una recarga?

 Si es así, introduzca la carga añadida y pulse &quot;Sí&quot;. 

Si no, pulse &quot;No&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Nueva carga kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>Reglageinstallation</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglages de l&apos;installation</source>
        <translation>Ajustes de la instalación</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Consigna BP </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>BP adaptativa</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Consigna AP</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>AP flotante</translation>
    </message>
</context>
<context>
    <name>Reservoirs</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reservoirs</source>
        <translation>Recipientes</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Tipo de recipiente</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Vertical</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Horizontal</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Número de recipientes</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 recipiente</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 recipientes</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 recipientes</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 recipientes</translation>
    </message>
</context>
<context>
    <name>Sensstat</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage Alarmes Statistique</source>
        <translation>Ajuste alarmas estadísticas</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Estadística 3D</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Más sensible</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Menos sensible</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Estadística LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Estadística 103</translation>
    </message>
</context>
<context>
    <name>Sousrefoidisseur</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Sous refoidisseur de liquide</source>
        <translation>Subenfriador de líquido</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>¿Hay un subenfriador de líquido
 a la salida del recipiente?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Prueba de la tarjeta de medida</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>TARJETA DE MEDIDA:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>velocidad
puerto serie</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>tipo tarjeta
de medida</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Iniciar la prueba</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>v1</source>
        <translation>v1</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee</source>
        <translation>Ninguna TARJETA DE MEDIDA detectada</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Ninguna TARJETA DE MEDIDA detectada, verifique el cableado/instalación y el módulo de MEDIDA</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Tarjeta de medida aún sin TARA; pulse INICIAR LA PRUEBA y luego haga la TARA de la COLUMNA</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Tarjeta de medida ya probada; pulse SIGUIENTE si no desea volver a probarla</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>¡Reinicie el ORV tras verificar la instalación del módulo de MEDIDA!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Inicio del autotest ...
</translation>
    </message>
    <message>
        <source>
Kernel ORV: %1
</source>
        <translation>
Kernel ORV: %1
</translation>
    </message>
    <message>
        <source>Version ORV: v%1.%2.%3
</source>
        <translation>Versión ORV: v%1.%2.%3
</translation>
    </message>
    <message>
        <source> ++ ORV ID: %1
</source>
        <translation> ++ ID ORV: %1
</translation>
    </message>
    <message>
        <source> ++ ORV JOUR PREMIER DEMARRAGE: %1
</source>
        <translation> ++ ORV DÍA PRIMER ARRANQUE: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV FECHA/HORA: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Espacio de almacenamiento (libre/total): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
Configuración de red ETHERNET:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- ATENCIÓN cable de red ETHERNET desconectado
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ Cable de red ETHERNET conectado OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
Configuración de red WIFI:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- ATENCIÓN red USB WIFI desconectada
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ Red USB WIFI conectada OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Conexión Internet/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Conexión al servidor VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- ERROR de conexión al servidor VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Módulos detectados/encontrados:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Ningún módulo de MEDIDA v1 o v2 detectado/encontrado....

    -(1) Verifique las conexiones
    -(2) Luego REINICIE el ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Módulo de medida V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Módulo de medida V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ Módulo HPF: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ Módulo ENERGIE_%1: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Memoria:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Particiones:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Resultado = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Sin respuesta de la tarjeta V1; verifique las conexiones de la tarjeta de medida</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Sin respuesta de la tarjeta V2; verifique las conexiones de la tarjeta de medida</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>ANTERIOR</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SIGUIENTE</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>ANTERIOR</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SIGUIENTE</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: ERROR Envío Configuración</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: ERROR al enviar la nueva configuración, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Fin de la configuración</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Si ha vaciado la columna, puede volver a abrir las válvulas.
- Si ha calibrado las sondas PT100, puede retirar las resistencias y volver a colocar las sondas.
Pulse OK para terminar la configuración.</translation>
    </message>
</context>
<context>
    <name>cConf_Energie</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Module Energie</source>
        <translation>Módulo Energía</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Adresse
RS485:</source>
        <translation>Dirección
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Direccionamiento</translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation>0 = OFF
1 =ON</translation>
    </message>
    <message>
        <source>654321</source>
        <translation>654321</translation>
    </message>
    <message>
        <source>000000</source>
        <translation>000000</translation>
    </message>
    <message>
        <source>Affectation</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Potencia TI</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Número TI</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Potencia 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Potencia 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Potencia 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Sensor de presión</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Maxi</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Offset 0:</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Offset 0</source>
        <translation>Offset 0</translation>
    </message>
    <message>
        <source>PT&amp;100 Temperature</source>
        <translation>Temperatura PT&amp;100</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Corrección:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>Calibración PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 cable 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Corr. manual=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Cancelar
Salir</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Guardar y enviar
al módulo ENERGÍA</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Compresor</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>Los compresores</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Ventiladores del condensador</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Vitrinas</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Cámaras y obrador</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Climatización y calefacción</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Compresor(es) en paralelo</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Sensor presión BP</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 recalentamiento</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>PRESIÓN BP</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 ASPIRACIÓN</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Sensor presión AP-gas</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 descarga</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>PRESIÓN AP-GAS</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 DESCARGA</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 temperatura</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>PRESIÓN RESERVA</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 RESERVA 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Ningún TI</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Ningún módulo ENERGÍA detectado</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>ERROR de lectura de la configuración de los módulos ENERGÍA</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK conectado</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NO conectado</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>POTENCIA:%1 modificación de porcentaje guardada OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Envío configuración al módulo ENERGÍA %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Envío configuración módulo ENERGÍA %1 OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! FALLO !! Configuración módulo ENERGÍA %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>ATENCIÓN ¿Lanzar la CALIBRACIÓN del sensor %1?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>¿Lanzar el procedimiento de calibración %1?!
¡Pulse OK si el sensor está a presión atmosférica!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>ATENCIÓN ¿Lanzar la CALIBRACIÓN de la sonda %1 ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>¿Lanzar el procedimiento de calibración %1 ?!
¡Pulse OK DESPUÉS de conectar la RESISTENCIA de 100 ohmios en lugar de la PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>ERROR respuesta módulo ENERGÍA %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>ERROR de medida, inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Sin respuesta de la tarjeta V1; verifique las conexiones de la tarjeta de medida</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Sin respuesta de la tarjeta V2; verifique las conexiones de la tarjeta de medida</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>Información ORV</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Arranque del ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Espacio de almacenamiento (libre/total): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Almacenamiento lleno, borrado de los archivos diarios antiguos ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ Inicialización de la CONFIGURACIÓN terminada con éxito</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ID ORV: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Carga del IDIOMA:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- Es necesario configurar el IDIOMA</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ Carga del IDIOMA [%1] OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- ERROR al cargar el archivo de IDIOMA [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>Configuración de red ETHERNET:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ Cable de red ETHERNET conectado OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- ATENCIÓN Cable de red ETHERNET desconectado</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>Configuración de red WIFI:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ Adaptador USB WIFI conectado OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- ATENCIÓN Adaptador USB WIFI desconectado</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Conexión Internet/Voredane:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Conexión al servidor VOREDANE OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- ERROR de conexión al servidor VOREDANE</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Módulos detectados/encontrados:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Ningún módulo de MEDIDA v1 o v2 detectado/encontrado....
    -(1) Compruebe las conexiones
    -(2) Luego REINICIE el ORV</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Módulo MedidaV1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Módulo MedidaV2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ Módulo HPF: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ Módulo ENERGIE_%1: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>ERROR detectado, compruebe.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Arranque de las medidas ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informaciones</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Informaciones...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Análisis de medidas</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Análisis en curso...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Actualización del programa en curso...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Actualización de módulo(s)</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Actualización del firmware de módulo(s) en curso...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Guardado de las medidas</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Inicio de los análisis</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Fin de los análisis</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Operación terminada</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Reinicio del ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Almacenamiento lleno, borrado de los archivos diarios antiguos ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Error durante la actualización del firmware del módulo MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Error durante la actualización del firmware del módulo HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Error durante la actualización del firmware del módulo ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Error durante la actualización del firmware del módulo ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Error durante la actualización del firmware del módulo ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Tarjeta de medida: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Tarjeta de medida: V2 / </translation>
    </message>
    <message>
        <source>
</source>
        <translation>
</translation>
    </message>
    <message>
        <source>	Carte Mesure non detectee
</source>
        <translation>	Tarjeta de medida no detectada
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Módulo Energía %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	Módulo HPF: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Último aprendizaje: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Última tara: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>Dirección MAC: </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ID ORV: </translation>
    </message>
    <message>
        <source>Contacter le SAV au : </source>
        <translation>Contacter le SAV au : </translation>
    </message>
    <message>
        <source>Pour avoir le code indiquer le numero :</source>
        <translation>Pour avoir le code indiquer le numero :</translation>
    </message>
    <message>
        <source>Contact the after-sales service at: </source>
        <translation>Contact the after-sales service at: </translation>
    </message>
    <message>
        <source>To have the code indicate the number:</source>
        <translation>To have the code indicate the number:</translation>
    </message>
    <message>
        <source>Kontaktieren Sie den Kundendienst unter: </source>
        <translation>Kontaktieren Sie den Kundendienst unter: </translation>
    </message>
    <message>
        <source>Damit der Code die Nummer anzeigt:</source>
        <translation>Damit der Code die Nummer anzeigt:</translation>
    </message>
    <message>
        <source>Contactar con el SPV en: </source>
        <translation>Contactar con el SPV en: </translation>
    </message>
    <message>
        <source>Para obtener la contraseña, indicar el código:</source>
        <translation>Para obtener la contraseña, indicar el código:</translation>
    </message>
    <message>
        <source>Contattare il servizio post-vendita al numero: </source>
        <translation>Contattare il servizio post-vendita al numero: </translation>
    </message>
    <message>
        <source>Per avere il codice indicare il numero:</source>
        <translation>Per avere il codice indicare il numero:</translation>
    </message>
    <message>
        <source>Neem contact op met de klantenservice na: </source>
        <translation>Neem contact op met de klantenservice na: </translation>
    </message>
    <message>
        <source>Om de code het nummer te laten vermelden:</source>
        <translation>Om de code het nummer te laten vermelden:</translation>
    </message>
    <message>
        <source>Обратитесь в сервисную службу по адресу: </source>
        <translation>Обратитесь в сервисную службу по адресу: </translation>
    </message>
    <message>
        <source> Чтобы код указывал номер:</source>
        <translation> Чтобы код указывал номер:</translation>
    </message>
    <message>
        <source>Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: </source>
        <translation>Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: </translation>
    </message>
    <message>
        <source>A kód megadásához jelezze a számot:</source>
        <translation>A kód megadásához jelezze a számot:</translation>
    </message>
    <message>
        <source>请联系售后服务: </source>
        <translation>请联系售后服务: </translation>
    </message>
    <message>
        <source>要让代码指示数字:</source>
        <translation>要让代码指示数字:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Solicitud rechazada por el ORV, sin cambios.</translation>
    </message>
</context>
<context>
    <name>cPassword</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mot de passe:  </source>
        <translation>Contraseña:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Validar</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Sin respuesta de la tarjeta
			Verifique las conexiones de la tarjeta de medida_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Peso OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperatura salida recipiente OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Temperatura exterior OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperatura entrada recipiente OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Presión OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Sin respuesta de la tarjeta
			Verifique las conexiones de la tarjeta de medida_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperatura salida recipiente NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Temperatura exterior NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperatura entrada recipiente NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Cambiar IP servidor</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Dirección IP del servidor:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>cp_InfoDisplay</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Caracteristiques ThermoDynamiques:</source>
        <translation>Características termodinámicas:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Presión:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatura:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Temperatura fluido</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Densidad:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Volumen másico:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Velocidad del sonido:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Concentración de gas:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Entropía:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Entalpía:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>AP
Líquido</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>AP
Gas</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>BP
Gas</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Glide </source>
        <translation>Glide </translation>
    </message>
    <message>
        <source>°C </source>
        <translation>°C </translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>dm3/kg</source>
        <translation>dm3/kg</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>kj/kg-k</source>
        <translation>kj/kg-k</translation>
    </message>
    <message>
        <source>kj/kg</source>
        <translation>kj/kg</translation>
    </message>
    <message>
        <source>Difference d&apos;enthalphie:</source>
        <translation>Diferencia de entalpía:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Caudal másico:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Temp. descarga I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Temp. descarga C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Temp. descarga M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Potencia frigorífica:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW para</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>compresor(es)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW para la ventilación</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW para las bombas</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Glide</translation>
    </message>
    <message>
        <source>kw </source>
        <translation>kw </translation>
    </message>
    <message>
        <source>pour les pompes </source>
        <translation>para las bombas </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>compresores en paralelo</translation>
    </message>
</context>
<context>
    <name>enerInfo_Display</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Puissances</source>
        <translation>Potencias</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh desde
medianoche</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh desde
1 de enero</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>Los compresores:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Active(kW)</source>
        <translation>Activa(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Aparente(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Reactiva(kVAR)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Compresor 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Compresor 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Compresor 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Compresor 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Compresor 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Compresor 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Ventiladores
 condensador</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Bomba(s)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Compresor P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Potencia frigorífica:</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Phase1(A)</source>
        <translation>Fase1(A)</translation>
    </message>
    <message>
        <source>Phase2(A)</source>
        <translation>Fase2(A)</translation>
    </message>
    <message>
        <source>Phase3(A)</source>
        <translation>Fase3(A)</translation>
    </message>
    <message>
        <source>kW/h</source>
        <translation>kW/h</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Condensateur</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Selection du condenseur</source>
        <translation>Selección del condensador</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Temperatura exterior de selección
del condensador:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>DT real del condensador en régimen estable en verano:</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
</context>
<context>
    <name>hpfConfig_ConstVaria</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Constante du Pas de Variation</source>
        <translation>Constante del paso de variación</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Constante 1 * EXP(Desviación en °C* Constante 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Puesta a cero de constantes</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Constante 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Constante 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Cálculo paso(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Paso:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Calcul Pas(Volt):</source>
        <translation>Cálculo paso(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Desviación en °C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Differentiel</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Differentiel de regulation</source>
        <translation>Diferencial de regulación</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ ventilación</translation>
    </message>
    <message>
        <source>0.5°C</source>
        <translation>0.5°C</translation>
    </message>
    <message>
        <source>3°C</source>
        <translation>3°C</translation>
    </message>
    <message>
        <source>- ventilation</source>
        <translation>- ventilación</translation>
    </message>
</context>
<context>
    <name>hpfConfig_InfoOnComp</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Information de marche compresseur(s)</source>
        <translation>Información de marcha compresor(es)</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Elección de la señal de retorno de marcha compresor(es)</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>retorno marcha compresor(es) por el ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>retorno marcha compresor(es) por contacto seco módulo HPF</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> retorno marcha compresor(es) por el módulo ENERGÍA</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Infos</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Infos Module HPF</source>
        <translation>Info módulo HPF</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>Módulo HPF &lt;font color=&apos;blue&apos;&gt;DETECTADO y CONECTADO&lt;/font&gt;. Puede &lt;font color=&apos;blue&apos;&gt;continuar&lt;/font&gt; la configuración.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>Módulo HPF OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Relanzar la búsqueda
del módulo HPF.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>NINGÚN módulo HPF detectado al arrancar. Puede &lt;font color=&apos;red&apos;&gt;RELANZAR&lt;/font&gt; la detección con el botón &lt;font color=&apos;red&apos;&gt;BÚSQUEDA&lt;/font&gt; de abajo</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;NINGÚN&lt;/font&gt; módulo HPF detectado. &lt;font color=&apos;red&apos;&gt;Compruebe&lt;/font&gt; sus conexiones.</translation>
    </message>
</context>
<context>
    <name>hpfConfig_ModeNuit</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mode Nuit</source>
        <translation>Modo noche</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>El modo noche se activa al cerrar
la entrada T/R del modo noche</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   mA máximo en modo noche:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>voltios máximo en modo noche:</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Condensation de deverouillage du Mode Nuit en °C:</source>
        <translation>Condensación de desbloqueo del modo noche en °C:</translation>
    </message>
    <message>
        <source>30°C</source>
        <translation>30°C</translation>
    </message>
    <message>
        <source>45°C</source>
        <translation>45°C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_SendFin</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fin Parametrage</source>
        <translation>Fin de parametrización</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Guardar y enviar
al módulo HPF</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK configuración &lt;font color=&apos;blue&apos;&gt;guardada y enviada&lt;/font&gt; al módulo HPF.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ERROR al enviar la configuración al módulo HPF&lt;/font&gt;. &lt;font color=&apos;red&apos;&gt;REINTENTE/REENVÍE&lt;/font&gt; por favor.</translation>
    </message>
</context>
<context>
    <name>hpfConfig_TCmini</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>TC Mini</source>
        <translation>TC mín</translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation>Indique la temperatura de condensación mínima para
un buen funcionamiento de sus válvulas de expansión</translation>
    </message>
    <message>
        <source>TC mini:</source>
        <translation>TC mín:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_TempoVaria</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Temporisation du Variateur</source>
        <translation>Temporización del variador</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Conexión ventilación</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>en segundos</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Corte ventilación</translation>
    </message>
</context>
<context>
    <name>hpfConfig_UART</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Vitesse UART ORV et ModBUS</source>
        <translation>Velocidad UART ORV y ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>Desactivar el módulo HPF</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>Puerto UART1 ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>Puerto UART2 MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>TERMINAR / VOLVER A GUARDADO</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Variateur</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Variateur de Vitesse</source>
        <translation>Variador de velocidad</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>¿Tiene una señal de retorno de potencia
de 4-20 mA del variador?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Potencia a 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>El variador siempre se asigna a la primera etapa de ventilación cuya potencia es mayor que 0; así, si el primer relé está averiado, basta con desplazar todas las etapas asignando bien las potencias a las etapas correctas.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Sin variador de velocidad</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Variación de velocidad en la primera etapa de condensación</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Variación de velocidad en todas las etapas de ventilación</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>en voltios</translation>
    </message>
    <message>
        <source>en mA</source>
        <translation>en mA</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Ventil</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Etage de Ventillation</source>
        <translation>Etapa de ventilación</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Etapa seleccionada:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Potencia absorbida de la etapa
de ventilación en vatios</translation>
    </message>
</context>
<context>
    <name>hpfInfo_Display</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>T° Exterieure</source>
        <translation>T° exterior</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>AP</translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation>0 / 0</translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation>Etapa(s) de ventilación, o sea:</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Cons + Dif+</source>
        <translation>Cons + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Consigna
calculada</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Cons - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Zona neutra de demanda
+ de ventilación</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Zona neutra de demanda
- de ventilación</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>AP mín</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>M/P</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>DESLAST.</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>NOCHE</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>RESERVA</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>AP flotante</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Compresor(es) ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Modo emergencia</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>Problema RS485:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Consigna
parada</translation>
    </message>
</context>
<context>
    <name>led_Rect</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>screenMsgBox</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
</context>
</TS>
