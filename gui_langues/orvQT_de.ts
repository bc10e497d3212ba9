<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Alarmeinstellung
Mindeststand (Sicherheit)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Mindestgewicht (Alarm) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Verzögerung von : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Überwachung Verbund Pump-Down</translation>
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
        <translation>ORV Selbsttest</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Selbsttest starten</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Selbsttest beendet!
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
        <translation>ND-Druck:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>ND-Temperatur:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Temperatur
Sauggas:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Flüssigkeitstemperatur:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>ND-Entropie:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>ND-Enthalpie:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Isentroper
Wirkungsgrad:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Leistungsaufnahme
Verdichter: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>Theoretischer COP
Verdichter:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>Theoretischer COP
Verd. + Vent.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>Theoretischer COP
Verd. + Vent. + Pumpe:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>HD-Druck:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>HD-Temperatur:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Enthalpie
HD-Flüssigkeit:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Heißgas-
temperatur
gemessen:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Heißgas-
temperatur
isentrop:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Heißgas-
temperatur
berechnet:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Heißgas-Enthalpie:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Verdichtungsverhältnis:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Reale Enthalpie
Heißgas:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Massenstrom: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Kälteleistung: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Messbereich des HD-Sensors 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Min. Druck</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Max. Druck</translation>
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
        <translation>Nullpunkt-Kalibrierung
(bei Atmosphärendruck)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Offset zurücksetzen
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Messmodul V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Messmodul V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Kein Messmodul</translation>
    </message>
    <message>
        <source>De </source>
        <translation>Von </translation>
    </message>
    <message>
        <source> A </source>
        <translation> bis </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>ACHTUNG: KALIBRIERUNG des HD-Drucksensors starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Druckkalibrierung starten?!
Bitte bestätigen, wenn der Sensor unter Atmosphärendruck steht!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>FEHLER HD-Druckmessung</translation>
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
        <translation>Wahl der Zugangsart</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Parameter und Einstellungen</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
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
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Kältemittel wählen:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = Kundenmischungen</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Verflüssigertyp:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Verflüssigerleistung bei 25 °C außen
 und 15 K Temperaturdifferenz (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Unterkritisch</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transkritisch</translation>
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
        <translation>Die Messsäule</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Kältekupfer 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Kältekupfer 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Edelstahl 40 x 2</translation>
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
        <translation>Verdichtertyp(en)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Hubkolben</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Schraube</translation>
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
        <translation>Sicherung/Wiederherstellung
Konfigurationsdateien über USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Dateien wiederherstellen
vom USB-Stick</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Dateien sichern
 auf USB-Stick</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Konfiguration lesen
vom USB-Stick</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Ihr USB-Stick ist angeschlossen
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Bitte schließen Sie Ihren USB-Stick an!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Anzahl zu sichernder Dateien: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>USB-Stick angeschlossen/erkannt OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Sicherung der Datei: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>FEHLER Sicherung: %1 Datei(en) nicht kopiert.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Sicherung beendet.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Bitte wählen Sie den USB-Ordner mit den gesicherten Dateien</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Anzahl wiederherzustellender Dateien: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Wiederherstellung der Datei: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>Der ORV startet neu.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>FEHLER Wiederherstellung: %1 Datei(en) nicht kopiert.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Wiederherstellung von %1 Datei(en) beendet.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Wiederherstellung beendet.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>FEHLER beim Lesen der KONFIGURATIONSDATEI vom USB</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>USB-Datei %1 erfolgreich gelesen.</translation>
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
        <translation>Wiederherstellung KUNDEN-
KONFIGURATION vom USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Dateien wiederherstellen
vom USB-Stick</translation>
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
        <translation>Innendurchmesser des Sammlers</translation>
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
        <translation>Menü</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Technischer Alarm&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>999T, 23 Std : 59 Min : 59 Sek / </translation>
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
        <translation>Füllmenge : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Kältemittel : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Unterkritisch</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transkritisch</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Anz. Sammler: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Anz. Sammler: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>UK : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flashgas mit </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alarm Mindeststand &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 Std : %2 Min : %3 Sek / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Alarm Stat 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Alarm LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarme 3T + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Alarm Stat 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Lernphase</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Neuberechnung</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>MASCHINENSTOPP</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Abwärme:
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
        <translation>Konfiguration wird gespeichert </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>PT100-Einstellung: jeden Temperaturfühler durch
einen 100-Ohm-Widerstand ersetzen</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Außentemperatur:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 Kabel 3 m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Messung:</translation>
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
        <translation>Korrektur:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Manuelle Korrektur:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Flüssigkeitstemperatur
 -Sammlereintritt:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Flüssigkeitstemperatur
 -Sammleraustritt:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Funkthermometer (Ein/Aus)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Funkthermometer EIN</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Außenfühler Funk:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Funkthermometer AUS</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Außenfühler PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Außentemperatur:</translation>
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
        <translation>Datum/Uhrzeit/Zeitzone</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Ihr lokales Datum:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Ihre lokale Uhrzeit:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Stunde:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>GMT-Zeit:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Beenden / Speichern</translation>
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
        <translation>Säulenhöhe</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Zwischen den Achsen der Schlauchanschlüsse</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Neigung des Sammlers&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Ist der Sammler nicht geneigt, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;genau waagerecht, ist der Wert 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;sonst die Neigungshöhe&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;mit einer Wasserwaage messen.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Sammlerlänge</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Zwischen den beiden Enden messen</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Säulenhöhe</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Zwischen den Achsen der Schlauchanschlüsse messen</translation>
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
        <translation>Allgemeine Anlagendaten</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Innenvolumen Verflüssiger</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Kältemittelfüllmenge der Anlage</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Sammlervolumen</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Innenvolumen Gaskühler</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volumen eines Sammlers</translation>
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
        <translation>Technischer Support:
Tel.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Vertrieb:
Tel.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Tara-Datum</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	ORV-Version : %1</translation>
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
        <translation>Informationen zur Konfiguration</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Heute	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Inhalt der RCS-Systemdatei:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Speicherplatz in MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Konfig.-Abschnitt	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Frei = %1 MB</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Gesamt = %1 MB</translation>
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
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Französisch</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Spanisch</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> E&amp;nglisch</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Russisch</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> &amp;Deutsch</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Ungarisch</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italienisch</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Niederländisch</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>FEHLER beim Laden der SPRACHDATEI [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Erste Inbetriebnahme</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Alarmquittierung</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Lernphase</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Stromausfall</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Start des ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Laden von USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Laden über das Netzwerk</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Alarm Typ 1 (statistisches Leck 3 Tage)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Alarm Typ 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Alarm Typ 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Alarm Mindeststand Sammler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Fehler Außentemperaturfühler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Fehler Temperaturfühler Sammlereintritt</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Fehler Temperaturfühler Sammleraustritt</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Fehler Sauggastemperaturfühler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Fehler Flüssigkeitsfühler Unterkühler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Fehler Dehnungsmessstreifen</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Fehler Hochdrucksensor</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Fehler Niederdrucksensor</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Kommunikationsfehler Messkarte</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Kommunikationsfehler Durchflussmesser</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Neustart der Kommunikation</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Änderung HD-Minimum</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Änderung Kontakt Öffner/Schließer</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Änderung Zustand adaptive ND</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Änderung Zustand gleitende HD</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Änderung Empfindlichkeit 3-Tage-Alarm</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Änderung Kennzeichen 3-Tage-Alarm</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Änderung Durchmesser Flüssigkeitsleitung</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Änderung Einbauart Durchfluss</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Änderung Durchflussabweichung</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Änderung Kalibrierung PT100 Unterkühlung</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Änderung Kundengruppe</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Änderung Markttyp</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Änderung Code 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Änderung Vertragscode</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Anzeige der Kurven</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Prüfung der fehlerhaften Sensoren</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Schreiben der Konfiguration</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Rücksetzen</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Start eines Neulernens</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Senden der Dateien</translation>
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
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Konfigurationsinfo</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Gewichtsmessung</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Norvale Info und Support</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>ORV-
Konfiguration</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Konfiguration
Modul gleitende HD</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Konfiguration
 Energiemodul</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Sicherung/Wiederherst.
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Kältetechniker-
einsatz beginnen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Neu lernen
Alarmquittierung</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Datum/Uhrzeit
Zeitzone</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>ORV-Selbsttest</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>ORV
neu starten</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Anzeigemenü</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Menü Parameter und Einstellungen</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Kältetechniker-
einsatz beenden</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Neustart/Reboot des ORV ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Neustart des ORV bestätigen ?!
Bitte auf OK klicken, um den ORV neu zu starten!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Norvale-Menü</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Gewichtskontrolle</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
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
        <translation>Alarmquittierung</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Neu lernen</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Neuberechnung des
Referenzniveaus</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Bitte prüfen Sie die Verkabelung Ihrer Sensoren!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Wählen Sie eine Option...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Quittierung</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Haben Sie ein Leck gefunden und repariert?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;Starten Sie je nach Eingriff eine Neuberechnung oder ein Neulernen.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Neuberechnung</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>Neu &amp;lernen</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Bitte prüfen Sie die Alarmeinstellungen (Empfindlichkeit, Verzögerung, Mindeststand).

Zur Erinnerung: Das vorgeschriebene Wartungskit muss jährlich gewechselt werden.

Weitere Informationen im Leitfaden der guten Praxis.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Haben Sie Kältemittel nachgefüllt?

 Falls ja, geben Sie die nachgefüllte Menge ein und klicken Sie auf &quot;Ja&quot;. 

Sonst klicken Sie auf &quot;Nein&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Neu lernen</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Achtung: Ist während des Neulernens noch ein Leck am Verbund aktiv, kann die Zuverlässigkeit der Leckerkennung beeinträchtigt sein.

Das Neulernen dauert mehrere Tage, in denen es keine statistischen Alarme gibt (im Gegensatz zum Mindeststandalarm, der immer aktiv ist).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Ein Neulernen muss in folgenden Fällen gestartet werden:

- Änderung an der Anlage (Winterbetrieb der Wärmerückgewinnung, Abschalten einer Verflüssigerstufe).

- Änderung am ORV (jährlicher Kitwechsel, neue Tara).

Wollen Sie wirklich ein Neulernen starten?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Neuberechnung</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Achtung: Ist während der Neuberechnung noch ein Leck am Verbund aktiv, kann die Zuverlässigkeit der Leckerkennung beeinträchtigt sein.

Die Neuberechnung dauert mehrere Stunden, in denen es keine statistischen Alarme gibt (im Gegensatz zum Mindeststandalarm, der immer aktiv ist).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Eine Neuberechnung darf nur in folgenden Fällen gestartet werden:

- Änderung des mittleren Sammlerstands.

- Reparatur eines statistischen Lecks mit oder ohne Nachfüllung.

- nach einer Ergänzung der Füllmenge.

Wollen Sie wirklich eine Neuberechnung starten?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>Der ORV ist bereits im LERNMODUS</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>Der ORV ist bereits im NEUBERECHNUNGSMODUS</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Messung der Säulentara</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Sind die Ventile geschlossen?
Ist die Säule frei von Kältemittel?
Sind die Schläuche spannungsfrei?
Säule während der Messung nicht berühren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Bitte das GEWICHT der Säule prüfen. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Kein verwertbarer Messwert für die TARA.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Säulengewicht:</translation>
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
        <translation>Die Tara liegt normalerweise über  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>ACHTUNG: TARA starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Tara-Vorgang starten?!
Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>ra0  Wifi</source>
        <translation>ra0  WLAN</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Maske:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Server-IP ändern</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>WLAN:</translation>
    </message>
    <message>
        <source>SSID :</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Authentification:</source>
        <translation>Authentifizierung:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Schlüssel: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Status:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Verbindung
testen</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Dateien
senden</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Dateien
empfangen</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Konfiguration
speichern</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Tastatur
EIN</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Beenden</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>FEHLER USB-WLAN nicht konfiguriert</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Tastatur
AUS</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>FEHLER Netzwerk-Neukonfiguration, bitte korrigieren und erneut versuchen.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Netzwerk wird neu konfiguriert .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>ID-Änderung %1 gespeichert.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Bitte den USB-WLAN-Stick einstecken, danke.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>Kein DHCP-Server gefunden oder Fehler in der WLAN-Konfiguration.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Netzwerkkonfiguration erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Bitte prüfen, ob das Ethernet-Kabel angeschlossen
ODER der USB-WLAN-Stick eingesteckt ist.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Verbindungstest läuft...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Konfigurationsdateien (2) werden von VOREDANE geladen ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>FEHLER beim Laden der Konfigurationsdateien (2) von VOREDANE, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Konfigurationsdateien von VOREDANE geladen
Konfigurationsdateien (2) werden übernommen, ACHTUNG ORV startet neu ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Konfigurationsdateien übernommen, NEUSTART läuft....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>FEHLER beim Übernehmen der Konfigurationsdateien, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>INTERNET-Netzwerk OK, Verbindung mit dem Server erfolgreich.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>KEIN INTERNET-Netzwerk, Verbindung mit dem Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Dateiübertragung läuft ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: Dateiübertragung erfolgreich.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>FEHLER Dateiübertragung.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Dateiempfang läuft ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>SFTP-Dateiempfang beendet.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Dateiempfang läuft bereits oder kein Internet, bitte später erneut versuchen.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Diese Server-IP-Adresse ist bereits eingestellt</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>FEHLER ungültige Server-IP-Adresse.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Neue Server-IP-Adresse gespeichert (%1)</translation>
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
        <translation>ORV-Konfiguration</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Name des ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * Maximal 20 Zeichen</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Kundenname am Standort:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * Maximal 40 Zeichen</translation>
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
        <translation>Gewichtskontrolle</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Gemessenes Gewicht:</translation>
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
        <translation>Flüssigkeitsgewicht:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (ohne die 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Flüssigkeitsdichte:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Flüssigkeitshöhe:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
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
        <translation>Haben Sie Kältemittel nachgefüllt?

 Falls ja, geben Sie die nachgefüllte Menge ein und klicken Sie auf &quot;Ja&quot;. 

Sonst klicken Sie auf &quot;Nein&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Neue Füllmenge kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
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
        <translation>Anlageneinstellungen</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Sollwert ND </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>Adaptive ND</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Sollwert HD</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>Gleitende HD</translation>
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
        <translation>Sammler</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Sammlertyp</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Stehend</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Liegend</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Anzahl der Sammler</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 Sammler</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 Sammler</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 Sammler</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 Sammler</translation>
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
        <translation>Einstellung statistische Alarme</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statistik 3T</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Empfindlicher</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Weniger empfindlich</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statistik LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statistik 103</translation>
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
        <translation>Flüssigkeitsunterkühler</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Gibt es einen Flüssigkeitsunterkühler
 am Sammleraustritt?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Test der Messkarte</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>MESSKARTE:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>Geschwindigkeit
serieller Port</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>Typ
Messkarte</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Keine</translation>
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
        <translation>Keine MESSKARTE erkannt</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Keine MESSKARTE erkannt, bitte Verkabelung/Installation und MESS-Modul prüfen</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Messkarte noch ohne TARA; bitte TEST STARTEN drücken und dann die TARA der SÄULE ermitteln</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Messkarte bereits getestet; drücken Sie WEITER, wenn Sie die Karte nicht erneut testen möchten</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>ORV nach Prüfung der Installation des MESS-Moduls neu starten!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Start des Selbsttests ...
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
        <translation>Version ORV: v%1.%2.%3
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
        <translation> ++ ORV TAG DER ERSTINBETRIEBNAHME: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV DATUM/ZEIT: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Speicherplatz (frei/gesamt): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
ETHERNET-Netzwerkkonfiguration:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- ACHTUNG ETHERNET-Kabel nicht angeschlossen
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ ETHERNET-Kabel angeschlossen OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
WLAN-Netzwerkkonfiguration:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- ACHTUNG USB-WLAN nicht angeschlossen
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ USB-WLAN angeschlossen OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Verbindung Internet/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Verbindung zum Server VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- FEHLER Verbindung zum Server VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Erkannte/gefundene Module:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Kein MESS-Modul v1 oder v2 erkannt/gefunden....

    -(1) Bitte prüfen Sie die Anschlüsse
    -(2) Dann den ORV NEU STARTEN
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Messmodul V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Messmodul V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ HPF-Modul: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ ENERGIE-Modul_%1: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Speicher:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Partitionen:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Ergebnis = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Keine Antwort der Karte V1; Anschlüsse der Messkarte prüfen</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Keine Antwort der Karte V2; Anschlüsse der Messkarte prüfen</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>WEITER</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: FEHLER beim Senden der Konfiguration</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: FEHLER beim Senden der neuen Konfiguration, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Konfiguration beendet</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Wenn Sie die Säule entleert haben, können Sie die Ventile wieder öffnen.
- Wenn Sie die PT100-Fühler kalibriert haben, können Sie die Widerstände entfernen und die Fühler wieder einsetzen.
Klicken Sie auf OK, um die Konfiguration abzuschließen.</translation>
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
        <translation>Energiemodul</translation>
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
        <translation>Adresse
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Adressierung</translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation>0 = AUS
1 =EIN</translation>
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
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Leistung Wandler</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Anzahl Wandler</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Leistung 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Leistung 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Leistung 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Drucksensor</translation>
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
        <translation>PT&amp;100 Temperatur</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Korrektur:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>Kalibrierung PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 Kabel 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Man. Korr.=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Abbrechen
Beenden</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Speichern und Senden
an ENERGIE-Modul</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Verdichter</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>Die Verdichter</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Verflüssigerlüfter</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pumpe</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Kühlmöbel</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Kühlräume und Labor</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Klima und Heizung</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Parallelverdichter</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Drucksensor ND</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 Überhitzung</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>DRUCK ND</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 SAUGGAS</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Drucksensor HD-Gas</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 Heißgas</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>DRUCK HD-GAS</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 HEISSGAS</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 Temperatur</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>DRUCK RESERVE</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 RESERVE 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Kein Wandler</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Kein ENERGIE-Modul erkannt</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>FEHLER beim Lesen der Konfiguration der ENERGIE-Module</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK verbunden</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NICHT verbunden</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>LEISTUNG:%1 Prozentänderung gespeichert OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Sende Konfiguration an ENERGIE-Modul %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Konfiguration an ENERGIE-Modul %1 gesendet OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! FEHLGESCHLAGEN !! Konfiguration ENERGIE-Modul %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>ACHTUNG KALIBRIERUNG des Sensors %1 starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Kalibrierung %1 starten?!
Bitte OK klicken, wenn der Sensor auf Atmosphärendruck ist!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>ACHTUNG KALIBRIERUNG des Fühlers %1 starten ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Kalibrierung %1 starten ?!
Bitte erst NACH Anschluss des 100-Ohm-WIDERSTANDS anstelle des PT100 auf OK klicken!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>FEHLER Antwort ENERGIE-Modul %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>FEHLER Messung, bitte erneut versuchen</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Keine Antwort der Karte V1; Anschlüsse der Messkarte prüfen</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Keine Antwort der Karte V2; Anschlüsse der Messkarte prüfen</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>ORV-Informationen</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Start des ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Speicherplatz (frei/gesamt): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Speicher voll, alte Tagesdateien werden gelöscht ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ KONFIGURATION erfolgreich initialisiert</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ORV-ID: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Laden der SPRACHE:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- SPRACHE muss eingestellt werden</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ SPRACHE [%1] geladen OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- FEHLER beim Laden der SPRACHDATEI [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>ETHERNET-Netzwerkeinstellungen:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ ETHERNET-Kabel angeschlossen OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- ACHTUNG ETHERNET-Kabel nicht angeschlossen</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>WIFI-Netzwerkeinstellungen:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ USB-WIFI-Adapter angeschlossen OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- ACHTUNG USB-WIFI-Adapter nicht angeschlossen</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Internet/Voredane-Verbindung:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Verbindung zum VOREDANE-Server OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- FEHLER Verbindung zum VOREDANE-Server</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Erkannte/gefundene Module:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Kein MESS-Modul v1 oder v2 erkannt/gefunden....
    -(1) Bitte die Anschlüsse prüfen
    -(2) Dann den ORV NEU STARTEN</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Messmodul V1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Messmodul V2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ HPF-Modul: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ ENERGIE_%1-Modul: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>FEHLER erkannt, bitte prüfen.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Start der Messungen ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Informationen...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Messanalyse</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Analyse läuft...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Programmaktualisierung läuft...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Modulaktualisierung</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Firmware-Aktualisierung der Module läuft...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Sicherung der Messungen</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Beginn der Analysen</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Ende der Analysen</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Vorgang beendet</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Neustart des ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Speicher voll, alte Tagesdateien werden gelöscht ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Fehler bei der Firmware-Aktualisierung des Moduls MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Fehler bei der Firmware-Aktualisierung des Moduls HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Fehler bei der Firmware-Aktualisierung des Moduls ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Fehler bei der Firmware-Aktualisierung des Moduls ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Fehler bei der Firmware-Aktualisierung des Moduls ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Messkarte: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Messkarte: V2 / </translation>
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
        <translation>	Messkarte nicht erkannt
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Energiemodul %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	HPF-Modul: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Letztes Lernen: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Letzte Tara: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>MAC-Adresse: </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ORV-ID: </translation>
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
        <translation>Anfrage vom ORV abgelehnt, keine Änderung.</translation>
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
        <translation>Passwort:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Keine Antwort der Karte
			Anschlüsse der Messkarte_V1 prüfen</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Gewicht OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperatur Sammleraustritt OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Außentemperatur OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperatur Sammlereintritt OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Druck OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Keine Antwort der Karte
			Anschlüsse der Messkarte_V2 prüfen</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperatur Sammleraustritt NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Außentemperatur NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperatur Sammlereintritt NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Server-IP ändern</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Server-IP-Adresse:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Aktualisieren</translation>
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
        <translation>Thermodynamische Eigenschaften:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Druck:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Kältemitteltemperatur</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Dichte:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Spez. Volumen:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Schallgeschw.:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Gasanteil:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Entropie:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Enthalpie:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>HD
Flüssig</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>HD
Gas</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>ND
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
        <translation>Enthalpiedifferenz:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Massenstrom:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Heißgastemp. I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Heißgastemp. C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Heißgastemp. M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Kälteleistung:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Leistungsaufnahme</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW für</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>Verdichter</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW für die Lüfter</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW für die Pumpen</translation>
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
        <translation>für die Pumpen </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>Parallelverdichter</translation>
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
        <translation>Leistungen</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh seit
Mitternacht</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh seit
1. Januar</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>Verdichter:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Spannung</translation>
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
        <translation>Wirk(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Schein(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Blind(kVAR)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Verdichter 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Verdichter 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Verdichter 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Verdichter 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Verdichter 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Verdichter 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Lüfter
 Verflüssiger</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Pumpe(n)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Verdichter P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Kälteleistung:</translation>
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
        <translation>Verflüssigerauslegung</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Auslegungs-Außentemperatur
des Verflüssigers:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>Reale DT des Verflüssigers im Sommerbetrieb:</translation>
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
        <translation>Konstante der Stellschrittweite</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Konstante 1 * EXP(Abweichung in °C* Konstante 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Konstanten zurücksetzen</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Konstante 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Konstante 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Schritt ber.(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Schritt:</translation>
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
        <translation>Schritt ber.(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Abweichung in °C</translation>
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
        <translation>Schaltdifferenz der Regelung</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ Lüfter</translation>
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
        <translation>- Lüfter</translation>
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
        <translation>Betriebsmeldung Verdichter</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Auswahl der Betriebsrückmeldung der Verdichter</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>Betriebsrückmeldung Verdichter über den ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>Betriebsrückmeldung Verdichter über potentialfreien Kontakt HPF-Modul</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> Betriebsrückmeldung Verdichter über das ENERGIE-Modul</translation>
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
        <translation>HPF-Modul-Info</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>HPF-Modul &lt;font color=&apos;blue&apos;&gt;ERKANNT und VERBUNDEN&lt;/font&gt;. Sie können die Konfiguration &lt;font color=&apos;blue&apos;&gt;fortsetzen&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>HPF-Modul OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Suche nach dem
HPF-Modul neu starten.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>KEIN HPF-Modul beim Start erkannt. Sie können die Erkennung mit der Taste &lt;font color=&apos;red&apos;&gt;SUCHE&lt;/font&gt; unten &lt;font color=&apos;red&apos;&gt;NEU STARTEN&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;KEIN&lt;/font&gt; HPF-Modul erkannt. Bitte &lt;font color=&apos;red&apos;&gt;prüfen&lt;/font&gt; Sie Ihre Anschlüsse.</translation>
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
        <translation>Nachtbetrieb</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Der Nachtbetrieb wird durch Schließen
des Eingangs T/R Nachtbetrieb aktiviert</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   mA Maximum im Nachtbetrieb:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>Volt Maximum im Nachtbetrieb:</translation>
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
        <translation>Verflüssigung zur Aufhebung des Nachtbetriebs in °C:</translation>
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
        <translation>Ende Parametrierung</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Speichern und Senden
an das HPF-Modul</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK Konfiguration &lt;font color=&apos;blue&apos;&gt;gespeichert und gesendet&lt;/font&gt; an das HPF-Modul.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;FEHLER beim Senden der Konfiguration an das HPF-Modul&lt;/font&gt;. Bitte &lt;font color=&apos;red&apos;&gt;ERNEUT VERSUCHEN/SENDEN&lt;/font&gt;.</translation>
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
        <translation>TC Min</translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation>Geben Sie die minimale Verflüssigungstemperatur für
einen guten Betrieb Ihrer Expansionsventile ein</translation>
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
        <translation>Verzögerung des Frequenzumrichters</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Einschalten Lüfter</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>in Sekunden</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Ausschalten Lüfter</translation>
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
        <translation>UART-Geschwindigkeit ORV und ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>HPF-Modul deaktivieren</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>Port UART1 ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>Port UART2 MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>BEENDEN / ZURÜCK ZUM SPEICHERN</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Keiner</translation>
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
        <translation>Frequenzumrichter</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Gibt es eine Leistungsrückmeldung
4-20 mA vom Frequenzumrichter?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Leistung bei 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>Der Frequenzumrichter ist immer der ersten Lüfterstufe mit einer Leistung größer 0 zugeordnet; ist also das erste Relais defekt, genügt es, alle Stufen zu verschieben und die Leistungen wieder den richtigen Stufen zuzuordnen.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Kein Frequenzumrichter</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Drehzahlregelung der ersten Verflüssigerstufe</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Drehzahlregelung aller Lüfterstufen</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>in Volt</translation>
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
        <translation>Lüfterstufe</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Gewählte Stufe:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Leistungsaufnahme der Lüfterstufe
in Watt</translation>
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
        <translation>Außen-T°</translation>
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
        <translation>HD</translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation>0 / 0</translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation>Lüfterstufe(n), d.h.:</translation>
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
        <translation>Soll + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Berechneter
Sollwert</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Soll - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Neutralzone Anforderung
+ Lüfter</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Neutralzone Anforderung
- Lüfter</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>HD Min</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>EIN/AUS</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>LASTABW.</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>NACHT</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>Gleitende HD</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Verdichter ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Notbetrieb</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>RS485-Problem:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Sollwert
Aus</translation>
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
        <translation>Beenden</translation>
    </message>
</context>
</TS>
