<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Low-level alarm
setting (safety)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Minimum weight (alarm) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Delay of : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Pack pump-down monitoring</translation>
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
        <translation>ORV Self-test</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Start self-test</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Self-test finished!
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
        <translation>LP pressure:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>LP temperature:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Suction gas
temperature:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Liquid temperature:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>LP entropy:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>LP enthalpy:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Isentropic
efficiency:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Compressor
power input: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>Theoretical COP
compressors:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>Theoretical COP
comp. + fans:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>Theoretical COP
comp. + fans + pump:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>HP pressure:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>HP temperature:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Enthalpy
HP liquid:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Discharge
temperature
measured:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Discharge
temperature
isentropic:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Discharge
temperature
calculated:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Discharge enthalpy:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Compression ratio:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Real discharge
enthalpy:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Mass flow: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Cooling capacity: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>HP sensor range 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Min. pressure</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Max. pressure</translation>
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
        <translation>Zero offset calibration
(at atmospheric pressure)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Reset offset
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Measuring module V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Measuring module V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>No measuring module</translation>
    </message>
    <message>
        <source>De </source>
        <translation>From </translation>
    </message>
    <message>
        <source> A </source>
        <translation> to </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>WARNING: start the HP pressure sensor CALIBRATION?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Start the pressure calibration?!
Please confirm if the sensor is at atmospheric pressure!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>HP pressure reading ERROR</translation>
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
        <translation>Choice of access mode</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Settings and Adjustments</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Consultation</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
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
        <translation>Refrigerant</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Select the refrigerant:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = customer mixtures</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Condenser type:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Condenser capacity at 25 °C outside
 with a 15 K difference (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Subcritical</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transcritical</translation>
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
        <translation>The column</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Refrigeration copper 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Refrigeration copper 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Stainless steel 40 x 2</translation>
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
        <translation>Compressor type(s)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Screw</translation>
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
        <translation>Backup/Restore
config files via USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restore files
from USB stick</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Back up files
 to USB stick</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Read config
from USB stick</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Your USB stick is plugged in
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Please plug in your USB stick!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Number of file(s) to back up: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>USB stick plugged in/detected OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Backing up file: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>ERROR Backup: %1 file(s) not copied.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Backup finished.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Please select the USB folder of the backed-up files</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Number of file(s) to restore: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Restoring file: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>The ORV will restart/reboot.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>ERROR Restore: %1 file(s) not copied.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Restore of %1 file(s) finished.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Restore finished.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Open config</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>ERROR reading USB CONFIG file</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>USB file %1 read successfully.</translation>
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
        <translation>Restore CUSTOMER
CONFIG file from USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restore files
from USB stick</translation>
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
        <translation>Inner diameter of the receiver</translation>
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
        <translation>Menu</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Technical alarm&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>ALARM</translation>
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
        <translation>999d, 23 H : 59 Min : 59 Sec / </translation>
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
        <translation>Charge : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Refrigerant : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subcritical</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transcritical</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Receivers: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Receivers: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>SC : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flash gas with </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Low level alarm &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 H : %2 Min : %3 Sec / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Stat 1 alarm</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>LP alarm</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarms 3d + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Stat 3 alarm</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Recalculation</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>MACHINE STOP</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Rejected:
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
        <translation>Saving the configuration </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>PT100 setup: replace each temperature
probe with a 100 ohm resistor</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Outdoor temperature:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 3 m cable</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Reading:</translation>
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
        <translation>Correction:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Manual correction:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Liquid temperature
 -Receiver inlet:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Liquid temperature
 -Receiver outlet:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Radio thermometer (on/off)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Radio thermometer ON</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Outdoor probe, radio:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Radio thermometer OFF</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Outdoor probe PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Outdoor temperature:</translation>
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
        <translation>Date/Time/Time zone</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Your local date:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Your local time:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>GMT time:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Quit / Save</translation>
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
        <translation>Column height</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Between the axes of the hose connections</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Receiver inclination&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;If the receiver is not inclined, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;perfectly level, the value is 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;otherwise take the inclination height&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;with a spirit level.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Receiver Length</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Measure between the two ends</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Column Height</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Measure between the axes of the hose connections</translation>
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
        <translation>General plant information</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Condenser(s) internal volume</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Plant refrigerant charge</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Receiver volume</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Gas cooler internal volume</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volume of one receiver</translation>
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
        <translation>Technical support:
Phone: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Sales:
Phone: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Tare date</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	ORV version: %1</translation>
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
        <translation>Configuration information</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Today	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Content of the system RCS file:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Storage space in MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Config section	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Free = %1 MB</translation>
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
        <translation>Event log</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> French</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Spanish</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> E&amp;nglish</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Russian</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> Ge&amp;rman</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Hungarian</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italian</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Dutch</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
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
        <translation>ERROR loading LANGUAGE file [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>First service</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Alarm acknowledged</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Power cut</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>ORV started</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Loaded from USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Loaded from the network</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Alarm type 1 (3-day statistical leak)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Alarm type 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Alarm type 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Receiver low-level alarm</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Outdoor temperature sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Receiver inlet temperature sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Receiver outlet temperature sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Suction temperature sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Subcooler liquid temperature sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Strain gauge fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>High-pressure sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Low-pressure sensor fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Measurement card communication fault</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Flow meter communication fault</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Communication restarted</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Minimum HP changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>NC/NO contact changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Adaptive LP state changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Floating HP state changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>3-day alarm sensitivity changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>3-day alarm flag changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Liquid tube diameter changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Flow mounting type changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Flow deviation changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Subcooling PT100 calibration changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Customer group changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Shop type changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Code 3 changed</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Contract code changed</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Curves consulted</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Sensor check failed</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Configuration written</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Re-arming</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Relearn started</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Files sent</translation>
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
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Configuration info</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Weight measurement</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Norvale info and support</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>ORV
configuration</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Floating HP
module configuration</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Energy module
configuration</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>USB
backup/restore</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Start refrigeration
engineer visit</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Relearn
Alarm acknowledgement</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Date/Time
Time zone</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>ORV self-test</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>Restart
the ORV</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Consultation menu</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Settings and adjustments menu</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>End refrigeration
engineer visit</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Restart/Reboot the ORV?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Confirm the restart of the ORV?!
Please press Yes to restart/reboot the ORV!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Norvale menu</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Weight check</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
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
        <translation>Alarm acknowledgement</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Relearn</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Recalculation of the
reference level</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Please check the wiring of your sensors!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Select an option...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Acknowledgement</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Have you located and repaired a leak?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;Depending on your work, please start a recalculation or a relearn.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Recalculation</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>Re&amp;learn</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Please check the alarm settings (sensitivity, delay, low level).

Reminder: the regulatory maintenance kit must be replaced every year.

See the good practice guide for more information.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Did you recharge refrigerant?

 If so, enter the charge added and press &quot;Yes&quot;. 

Otherwise, press &quot;No&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Relearn</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Caution: if a leak is still active on the plant during a relearn, the reliability of the leak detection may suffer.

A relearn lasts several days, during which there are no statistical alarms (unlike the low-level alarm, which is always active).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>A relearn must be started in the following cases:

- Change on the plant (winter start of the heat recovery, closing of a condensing stage).

- Change on the ORV (yearly kit replacement, new tare).

Are you sure you want to start a relearn?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Recalculation</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Caution: if a leak is still active on the plant during a recalculation, the reliability of the leak detection may suffer.

A recalculation lasts several hours, during which there are no statistical alarms (unlike the low-level alarm, which is always active).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>A recalculation must only be started in the following cases:

- change of the mean level of the receiver.

- repair of a statistical leak, with or without recharge.

- after a top-up of the charge.

Are you sure you want to start a recalculation?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>The ORV is already in LEARNING mode</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>The ORV is already in RECALCULATION mode</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Measuring the column tare</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Are the valves closed?
Is the column empty of refrigerant?
Are the hoses free of any strain?
Do not touch the column during the reading</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Please check the column WEIGHT. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;No usable reading to take the TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Column weight:</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>Tare</translation>
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
        <translation>The tare is normally above  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>WARNING: start the TARE?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Start the tare procedure?!
Are you sure?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface:</translation>
    </message>
    <message>
        <source>ra0  Wifi</source>
        <translation>ra0  Wi-Fi</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>ORV IP:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Mask:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Change server IP</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>Wi-Fi:</translation>
    </message>
    <message>
        <source>SSID :</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Authentification:</source>
        <translation>Authentication:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Encryption key: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Status:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Test
connection</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Send
files</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Receive
files</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Save
settings</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Keyboard
ON</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Exit</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>ERROR USB Wi-Fi not configured</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Keyboard
OFF</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>ERROR network reconfiguration, please correct and try again.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Network reconfiguration in progress .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>ID change %1 saved.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Please plug in the USB Wi-Fi dongle, thank you.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>No DHCP server found, or Wi-Fi configuration error.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Network settings saved.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Please check that the Ethernet cable is connected
OR that the USB Wi-Fi dongle is plugged in.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Fetching the configuration files (2) from VOREDANE ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>FAILED to fetch the configuration files (2) from VOREDANE, please try again</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Configuration files fetched from VOREDANE
Installing the configuration files (2), CAUTION the ORV restarts ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Configuration files installed, REBOOT in progress....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>ERROR installing the configuration files, please try again</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>INTERNET network OK, connection with the server succeeded.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>NO INTERNET network, connection with the server failed</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Transferring files ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: file transfer succeeded.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>ERROR file transfer.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Receiving files ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>SFTP file reception finished.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>File reception already running or no Internet, please try again later.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>This server IP address is already set</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>ERROR invalid server IP address.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>New server IP address saved (%1)</translation>
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
        <translation>ORV configuration</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>ORV name:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * 20 characters maximum</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Customer name on site:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * 40 characters maximum</translation>
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
        <translation>Weight check</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Measured weight:</translation>
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
        <translation>Tare:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Liquid weight:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (without the 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Liquid density:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Liquid height:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
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
        <translation>Did you recharge refrigerant?

 If so, enter the charge added and press &quot;Yes&quot;. 

Otherwise, press &quot;No&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>New charge kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
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
        <translation>Plant settings</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>LP set point </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>Adaptive LP</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>HP set point</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>Floating HP</translation>
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
        <translation>Receivers</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Receiver type</translation>
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
        <translation> Number of receivers</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 receiver</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 receivers</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 receivers</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 receivers</translation>
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
        <translation>Statistical alarm settings</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statistics 3D</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>More sensitive</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Less sensitive</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statistics LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statistics 103</translation>
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
        <translation>Liquid subcooler</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Is there a liquid subcooler
 at the receiver outlet?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
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
        <translation>Measuring card test</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>MEASURING CARD:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>serial port
speed</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>measuring
card type</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Start the test</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>None</translation>
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
        <translation>No MEASURING CARD detected</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>No MEASURING CARD detected, please check the wiring/installation and the MEASURING module</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Measuring card not TARED yet; please press START THE TEST, then take the COLUMN TARE</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Measuring card already tested; press NEXT if you do not want to test the card again</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Restart the ORV after checking the installation of the MEASURING module!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Starting the self-test ...
</translation>
    </message>
    <message>
        <source>
Kernel ORV: %1
</source>
        <translation>
ORV kernel: %1
</translation>
    </message>
    <message>
        <source>Version ORV: v%1.%2.%3
</source>
        <translation>ORV version: v%1.%2.%3
</translation>
    </message>
    <message>
        <source> ++ ORV ID: %1
</source>
        <translation> ++ ORV ID: %1
</translation>
    </message>
    <message>
        <source> ++ ORV JOUR PREMIER DEMARRAGE: %1
</source>
        <translation> ++ ORV FIRST START DAY: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV DATE/TIME: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Storage space (free/total): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
ETHERNET network configuration:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- WARNING ETHERNET cable unplugged
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ ETHERNET cable plugged in OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
WIFI network configuration:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- WARNING USB WIFI unplugged
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ USB WIFI plugged in OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Internet/Voredane connection:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Connection to the VOREDANE server OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- ERROR connecting to the VOREDANE server
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Modules detected/found:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- No MEASUREMENT module v1 or v2 detected/found....

    -(1) Please check the connections
    -(2) Then REBOOT/RESTART the ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Measurement module V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Measurement module V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ HPF module: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ ENERGIE_%1 module: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Memory:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Partitions:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Result = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>No reply from card V1; check the measuring card connections</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>No reply from card V2; check the measuring card connections</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>QUIT</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PREVIOUS</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>NEXT</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PREVIOUS</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>NEXT</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: ERROR Sending Configuration</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: ERROR sending the new configuration, please try again</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>End of configuration</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- If you emptied the column, you may open the valves again.
- If you calibrated the PT100 probes, you may remove the resistors and refit the probes.
Click OK to finish the configuration.</translation>
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
        <translation>Energy module</translation>
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
        <translation>Address
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Addressing</translation>
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
        <translation>Assignment</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>CT rating</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Number of CTs</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Power 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Power 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Power 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Pressure sensor</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Maxi</source>
        <translation>Max</translation>
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
        <translation>PT&amp;100 temperature</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correction:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>PT100 calibration</translation>
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
        <translation>Manual corr.=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Cancel
Quit</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Save and send
to ENERGY module</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>The compressors</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Condenser fans</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Display cases</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Cold rooms and prep</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Air conditioning and heating</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Parallel compressor(s)</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>LP pressure sensor</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 superheat</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>LP PRESSURE</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 SUCTION</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>HP-gas pressure sensor</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 discharge</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>HP-GAS PRESSURE</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 DISCHARGE</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 temperature</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>SPARE PRESSURE</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 SPARE 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>No CT</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>No ENERGY module detected</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>ERROR reading the configuration of the ENERGY modules</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK connected</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NOT connected</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>POWER:%1 percentage change saved OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Sending configuration to ENERGY module %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Configuration sent to ENERGY module %1 OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! FAILED !! Configuration of ENERGY module %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>WARNING Start CALIBRATION of sensor %1?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Start calibration procedure %1?!
Please press OK if the sensor is at atmospheric pressure!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>WARNING Start CALIBRATION of probe %1 ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Start calibration procedure %1 ?!
Please press OK AFTER connecting the 100 ohm RESISTOR in place of the PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>ERROR response from ENERGY module %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>Measurement ERROR, please try again</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>No reply from card V1; check the measuring card connections</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>No reply from card V2; check the measuring card connections</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>ORV information</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Starting ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Storage space (free/total): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Storage full, deleting the old daily files ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ CONFIGURATION initialised successfully</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ORV ID: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Loading the LANGUAGE:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- LANGUAGE needs to be configured</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ LANGUAGE [%1] loaded OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- ERROR loading LANGUAGE file [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>ETHERNET network settings:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ ETHERNET cable plugged in OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- WARNING ETHERNET cable unplugged</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>WIFI network settings:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ USB WIFI adapter plugged in OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- WARNING USB WIFI adapter unplugged</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Internet/Voredane connection:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Connected to the VOREDANE server OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- ERROR connecting to the VOREDANE server</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Modules detected/found:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- No MEASUREMENT module v1 or v2 detected/found....
    -(1) Please check the connections
    -(2) Then REBOOT/RESTART the ORV</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ MeasurementV1 module: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ MeasurementV2 module: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ HPF module: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ ENERGIE_%1 module: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>ERROR detected, please check.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Starting the measurements ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Information...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Measurement analysis</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Analysis in progress...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Program update in progress...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Module update</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Module firmware update in progress...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Saving the measurements</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Analyses starting</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Analyses finished</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Operation finished</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Restarting the ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Storage full, deleting the old daily files ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Error while updating the firmware of module MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Error while updating the firmware of module HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Error while updating the firmware of module ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Error while updating the firmware of module ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Error while updating the firmware of module ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Measurement card: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Measurement card: V2 / </translation>
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
        <translation>	Measurement card not detected
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Energy module %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	HPF module: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Last learning: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Last tare: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>MAC address: </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ORV ID: </translation>
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
        <translation>Information</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Request refused by the ORV, no change.</translation>
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
        <translation>Password:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			No reply from the card
			Check the connections of measuring card_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Weight OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperature receiver outlet OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Outdoor temperature OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperature receiver inlet OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Pressure OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			No reply from the card
			Check the connections of measuring card_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperature receiver outlet NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Outdoor temperature NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperature receiver inlet NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Change server IP</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Server IP address:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Update</translation>
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
        <translation>Thermodynamic properties:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Refrigerant temperature</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Density:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Specific volume:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Speed of sound:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Gas concentration:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Entropy:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Enthalpy:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>HP
Liquid</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>HP
Gas</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>LP
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
        <translation>Enthalpy difference:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Mass flow:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Disch. temp I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Disch. temp C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Disch. temp M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Cooling capacity:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW for</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>compressor(s)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW for the fans</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW for the pumps</translation>
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
        <translation>for the pumps </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>parallel compressors</translation>
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
        <translation>Power</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh since
midnight</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh since
1 January</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>The compressors:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Voltage</translation>
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
        <translation>Active(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Apparent(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Reactive(kVAR)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Compressor 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Compressor 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Compressor 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Compressor 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Compressor 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Compressor 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Fans
 condenser</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Pump(s)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Compressor P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Cooling capacity:</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Phase1(A)</source>
        <translation>Phase1(A)</translation>
    </message>
    <message>
        <source>Phase2(A)</source>
        <translation>Phase2(A)</translation>
    </message>
    <message>
        <source>Phase3(A)</source>
        <translation>Phase3(A)</translation>
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
        <translation>Condenser selection</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Outdoor design temperature
of the condenser:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>Actual condenser DT in steady summer operation:</translation>
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
        <translation>Variation step constant</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Constant 1 * EXP(Deviation in °C* Constant 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Reset constants</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Constant 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Constant 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Step calc.(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Step:</translation>
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
        <translation>Step calc.(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Deviation in °C</translation>
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
        <translation>Control differential</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ fans</translation>
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
        <translation>- fans</translation>
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
        <translation>Compressor(s) running signal</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Choice of the compressor(s) running feedback</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>compressor(s) running feedback from the ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>compressor(s) running feedback via HPF module dry contact</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> compressor(s) running feedback from the ENERGY module</translation>
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
        <translation>HPF module info</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>HPF module &lt;font color=&apos;blue&apos;&gt;DETECTED and CONNECTED&lt;/font&gt;. You can &lt;font color=&apos;blue&apos;&gt;continue&lt;/font&gt; the configuration.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>HPF module OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Restart the search
for the HPF module.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>NO HPF module was detected at start-up. You can &lt;font color=&apos;red&apos;&gt;RESTART&lt;/font&gt; the detection with the &lt;font color=&apos;red&apos;&gt;SEARCH&lt;/font&gt; button below</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;NO&lt;/font&gt; HPF module detected. Please &lt;font color=&apos;red&apos;&gt;check&lt;/font&gt; your wiring.</translation>
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
        <translation>Night mode</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Night mode is activated by closing
the night mode T/R input</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   Maximum mA in night mode:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>Maximum volts in night mode:</translation>
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
        <translation>Condensing temperature releasing night mode in °C:</translation>
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
        <translation>End of settings</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Save and send
to HPF module</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK configuration &lt;font color=&apos;blue&apos;&gt;saved and sent&lt;/font&gt; to the HPF module.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ERROR sending the configuration to the HPF module&lt;/font&gt;. Please &lt;font color=&apos;red&apos;&gt;RETRY/RESEND&lt;/font&gt;.</translation>
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
        <translation>TC min</translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation>Enter the minimum condensing temperature for
correct operation of your expansion valves</translation>
    </message>
    <message>
        <source>TC mini:</source>
        <translation>TC min:</translation>
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
        <translation>Drive delay</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Fans switch-on</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>in seconds</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Fans switch-off</translation>
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
        <translation>ORV and ModBUS UART speed</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>Disable the HPF module</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>UART1 ORV port:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>UART2 MODBUS port:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>FINISH / BACK TO SAVING</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
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
        <translation>Variable speed drive</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Do you have a 4-20 mA power feedback
from the drive?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Power at 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>The drive is always assigned to the first fan stage whose power is above 0, so if the first relay is faulty, just shift all the stages and put the powers back on the right stages.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>No variable speed drive</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Speed control on the first condensing stage</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Speed control on all fan stages</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>in volts</translation>
    </message>
    <message>
        <source>en mA</source>
        <translation>in mA</translation>
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
        <translation>Fan stage</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Selected stage:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Power input of the fan stage
in watts</translation>
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
        <translation>Outdoor T°</translation>
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
        <translation>HP</translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation>0 / 0</translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation>Fan stage(s), i.e.:</translation>
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
        <translation>SP + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Calculated
set point</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>SP - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Neutral zone for
more fans</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Neutral zone for
fewer fans</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>HP min</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>ON/OFF</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>SHED</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>NIGHT</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>SPARE</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>Floating HP</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>ORV compressor(s)</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Backup mode</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>RS485 problem:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Stop
set point</translation>
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
        <translation>Quit</translation>
    </message>
</context>
</TS>
