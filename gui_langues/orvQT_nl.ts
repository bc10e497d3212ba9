<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Instelling alarm
laag niveau (beveiliging)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Min. gewicht (alarm) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Vertraging van : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Bewaking centrale Pump Down</translation>
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
        <translation>ORV Zelftest</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Zelftest starten</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Zelftest voltooid!
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
        <translation>LD-druk:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>LD-temperatuur:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Temperatuur
zuiggas:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Vloeistoftemperatuur:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>LD-entropie:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>LD-enthalpie:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Isentroop
rendement:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Opgenomen vermogen
compressoren: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>Theoretische COP
compressoren:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>Theoretische COP
comp. + vent.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>Theoretische COP
comp. + vent. + pomp:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>HD-druk:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>HD-temperatuur:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Enthalpie
HD-vloeistof:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Persgas-
temperatuur
gemeten:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Persgas-
temperatuur
isentroop:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Persgas-
temperatuur
berekend:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Persgas-enthalpie:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Compressieverhouding:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Werkelijke enthalpie
persgas:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Massastroom: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Koelvermogen: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Meetbereik HD-sensor 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Min. druk</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Max. druk</translation>
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
        <translation>Nulpuntkalibratie
(bij atmosferische druk)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Offset resetten
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Meetmodule V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Meetmodule V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Geen meetmodule</translation>
    </message>
    <message>
        <source>De </source>
        <translation>Van </translation>
    </message>
    <message>
        <source> A </source>
        <translation> tot </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>LET OP: KALIBRATIE van de HD-druksensor starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Drukkalibratie starten?!
Bevestig als de sensor op atmosferische druk staat!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>FOUT HD-drukmeting</translation>
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
        <translation>Keuze van de toegangsmodus</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Parameters en instellingen</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Weergaven</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
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
        <translation>Koudemiddel</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Kies het koudemiddel:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = klantmengsels</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Type condensor:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Lucht</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Condensorvermogen bij 25 °C buiten
 met een Dt van 15 K (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Subkritisch</translation>
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
        <translation>De meetkolom</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Koelkoper 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Koelkoper 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>RVS 40 x 2</translation>
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
        <translation>Type compressor(en)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Zuiger</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Schroef</translation>
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
        <translation>Back-up/Herstel
configuratiebestanden via USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Bestanden herstellen
van USB-stick</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Bestanden opslaan
 op USB-stick</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Configuratie lezen
van USB-stick</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Uw USB-stick is aangesloten
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Sluit uw USB-stick aan a.u.b.!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Aantal op te slaan bestand(en): %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>USB-stick aangesloten/herkend OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Bestand opslaan: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>FOUT Back-up: %1 bestand(en) niet gekopieerd.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Back-up voltooid.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Selecteer de USB-map met de opgeslagen bestanden</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Aantal te herstellen bestand(en): %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Bestand herstellen: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>De ORV gaat herstarten.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>FOUT Herstel: %1 bestand(en) niet gekopieerd.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Herstel van %1 bestand(en) voltooid.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Herstel voltooid.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Configuratie openen</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>FOUT bij lezen USB-CONFIGURATIEBESTAND</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>USB-bestand %1 met succes gelezen.</translation>
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
        <translation>Herstel KLANT-
CONFIGURATIE via USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Voltooien</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Bestanden herstellen
van USB-stick</translation>
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
        <translation>Binnendiameter van het vat</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Technisch alarm&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>999d, 23 U : 59 Min : 59 Sec / </translation>
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
        <translation>Vulling : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Koudemiddel : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subkritisch</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transkritisch</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Aant. vaten: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Aant. vaten: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>OK : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flashgas met </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alarm laag niveau &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 U : %2 Min : %3 Sec / </translation>
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
        <translation>Alarmen 3d + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Alarm Stat 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Leerfase</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Herberekening</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>MACHINESTOP</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Afgevoerd:
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
        <translation>Configuratie wordt opgeslagen </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>PT100-instelling: vervang elke temperatuur-
voeler door een weerstand van 100 ohm</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Buitentemperatuur:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 kabel 3 m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Meting:</translation>
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
        <translation>Correctie:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Handmatige correctie:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Vloeistoftemperatuur
 -Inlaat vat:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Vloeistoftemperatuur
 -Uitlaat vat:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Draadloze thermometer (aan/uit)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Draadloze thermometer AAN</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Buitenvoeler draadloos:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Draadloze thermometer UIT</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Buitenvoeler PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Buitentemperatuur:</translation>
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
        <translation>Datum/Tijd/Tijdzone</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Uw lokale datum:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Dag:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Maand:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Jaar:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Uw lokale tijd:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Uur:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>GMT-tijd:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Afsluiten / Opslaan</translation>
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
        <translation>Kolomhoogte</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Tussen de assen van de slangaansluitingen</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Helling van het vat&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Als het vat niet helt, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;precies waterpas, is de waarde 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;meet anders de hoogte van de helling&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;met een waterpas.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Lengte van het vat</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Meten tussen de twee uiteinden</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Kolomhoogte</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Meten tussen de assen van de slangaansluitingen</translation>
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
        <translation>Algemene installatiegegevens</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Inwendig volume condensor(en)</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Koudemiddelvulling van de installatie</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Volume van het vat</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Inwendig volume gaskoeler</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volume van één vat</translation>
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
        <translation>Technische ondersteuning:
Tel.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Verkoop:
Tel.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Tarradatum</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	ORV-versie : %1</translation>
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
        <translation>Informatie over de configuratie</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Datum van vandaag	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Inhoud systeembestand RCS:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Opslagruimte in MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Config-sectie	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Vrij = %1 MB</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Totaal = %1 MB</translation>
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
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Frans</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Spaans</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> E&amp;ngels</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Russisch</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> &amp;Duits</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Hongaars</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italiaans</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Nederlands</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
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
        <translation>Fout</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>FOUT bij het laden van het TAALBESTAND [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Eerste inbedrijfstelling</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Alarm bevestigd</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Leerfase</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Stroomuitval</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Start van de ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Laden vanaf USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Laden via het netwerk</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Alarm type 1 (statistisch lek 3 dagen)</translation>
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
        <translation>Alarm laag niveau vat</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Storing buitentemperatuurvoeler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Storing temperatuurvoeler ingang vat</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Storing temperatuurvoeler uitgang vat</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Storing zuiggastemperatuurvoeler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Storing vloeistofvoeler nakoeler</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Storing rekstrookje</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Storing hogedruksensor</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Storing lagedruksensor</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Communicatiestoring meetkaart</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Communicatiestoring debietmeter</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Herstart van de communicatie</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Meting</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Diversen</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Wijziging minimum HD</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Wijziging contact NC/NO</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Wijziging status adaptieve LD</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Wijziging status zwevende HD</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Wijziging gevoeligheid 3-dagenalarm</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Wijziging indicator 3-dagenalarm</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Wijziging diameter vloeistofleiding</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Wijziging montagetype debiet</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Wijziging debietafwijking</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Wijziging kalibratie PT100 nakoeling</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Wijziging klantgroep</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Wijziging winkeltype</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Wijziging code 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Wijziging contractcode</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Raadplegen van de curven</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Controle van de defecte sensoren</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Schrijven van de configuratie</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Start van opnieuw leren</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Verzenden van de bestanden</translation>
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
        <translation>Hoofdmenu</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Configuratie-info</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Gewichtsmeting</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Norvale info en support</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>ORV-
configuratie</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Configuratie
module zwevende HD</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Configuratie
 Energiemodule</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Back-up/Herstel
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Start interventie
koeltechnicus</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Opnieuw leren
Alarmen bevestigen</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Datum/Tijd
Tijdzone</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>ORV-zelftest</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>ORV
herstarten</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Weergavemenu</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Menu parameters en instellingen</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Stop interventie
koeltechnicus</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Herstart/Reboot van de ORV ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Herstart van de ORV bevestigen ?!
Klik op OK om de ORV te herstarten!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Hoofdmenu</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Norvale-menu</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Gewichtscontrole</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
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
        <translation>Alarmen bevestigen</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Opnieuw leren</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Herberekening van het
referentieniveau</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Controleer de bedrading van uw sensoren!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Kies een optie...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Hebt u een lek gevonden en gerepareerd?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;Start afhankelijk van uw ingreep een herberekening of opnieuw leren.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Herberekening</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>Opnieuw &amp;leren</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Controleer de alarminstellingen (gevoeligheid, vertraging, laag niveau).

Herinnering: de verplichte onderhoudskit moet elk jaar worden vervangen.

Zie de gids voor goede praktijken voor meer informatie.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Hebt u koudemiddel bijgevuld?

 Zo ja, voer de bijgevulde hoeveelheid in en klik op &quot;Ja&quot;. 

Zo niet, klik op &quot;Nee&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Opnieuw leren</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Let op: als er tijdens het opnieuw leren nog een lek actief is op de centrale, kan de betrouwbaarheid van de lekdetectie afnemen.

Opnieuw leren duurt meerdere dagen, waarin er geen statistische alarmen zijn (in tegenstelling tot het alarm laag niveau, dat altijd actief is).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Opnieuw leren moet in de volgende gevallen worden gestart:

- Wijziging aan de installatie (winterstart van de warmteterugwinning, afsluiten van een condensortrap).

- Wijziging aan de ORV (jaarlijkse kitvervanging, nieuwe tarra).

Weet u zeker dat u opnieuw leren wilt starten?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Herberekening</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Let op: als er tijdens een herberekening nog een lek actief is op de centrale, kan de betrouwbaarheid van de lekdetectie afnemen.

Een herberekening duurt meerdere uren, waarin er geen statistische alarmen zijn (in tegenstelling tot het alarm laag niveau, dat altijd actief is).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Een herberekening mag alleen in de volgende gevallen worden gestart:

- wijziging van het gemiddelde niveau van het vat.

- reparatie van een statistisch lek met of zonder bijvullen.

- bij aanvulling van de vulling.

Weet u zeker dat u een herberekening wilt starten?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>De ORV staat al in LEERMODUS</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>De ORV staat al in HERBEREKENINGSMODUS</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Meting van de kolomtarra</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Zijn de kranen gesloten?
Is de kolom leeg van koudemiddel?
Staan de slangen spanningsvrij?
Raak de kolom niet aan tijdens de meting</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Controleer het GEWICHT van de kolom. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Geen bruikbare meting voor de TARRA.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Kolomgewicht:</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>Tarra</translation>
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
        <translation>De tarra is normaal hoger dan  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>LET OP: TARRA starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Tarraprocedure starten?!
Weet u het zeker?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Netwerk</translation>
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
        <translation>ra0  Wifi</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Masker:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Server-IP wijzigen</translation>
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
        <translation>Authenticatie:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Sleutel: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Status:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Verbinding
testen</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Bestanden
verzenden</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Bestanden
ontvangen</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Configuratie
opslaan</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Toetsenbord
AAN</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Afsluiten</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>FOUT USB-wifi niet geconfigureerd</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Toetsenbord
UIT</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>FOUT netwerkherconfiguratie, corrigeer en probeer opnieuw.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Netwerk wordt opnieuw geconfigureerd .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>ID-wijziging %1 opgeslagen.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Sluit de USB-wifidongle aan, dank u.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>Geen DHCP-server gevonden, of fout in wificonfiguratie.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Netwerkconfiguratie opgeslagen.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Controleer of de ethernetkabel is aangesloten
OF de USB-wifidongle is ingestoken.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Verbinding wordt getest...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Configuratiebestanden (2) worden van VOREDANE opgehaald ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>MISLUKT: configuratiebestanden (2) van VOREDANE niet opgehaald, probeer opnieuw</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Configuratiebestanden van VOREDANE opgehaald
Configuratiebestanden (2) worden geplaatst, LET OP ORV herstart ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Configuratiebestanden geplaatst, HERSTART bezig....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>FOUT bij plaatsen van configuratiebestanden, probeer opnieuw</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>INTERNET-netwerk OK, verbinding met de server geslaagd.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>GEEN INTERNET-netwerk, verbinding met de server mislukt</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Bestanden worden overgedragen ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: bestandsoverdracht geslaagd.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>FOUT bestandsoverdracht.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Bestanden worden ontvangen ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>Ontvangst SFTP-bestanden voltooid.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Ontvangst al bezig of geen internet, probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Dit server-IP-adres is al ingesteld</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>FOUT ongeldig server-IP-adres.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Nieuw server-IP-adres opgeslagen (%1)</translation>
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
        <translation>ORV-configuratie</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Naam van de ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * Maximaal 20 tekens</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Klantnaam op locatie:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * Maximaal 40 tekens</translation>
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
        <translation>Gewichtscontrole</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Gemeten gewicht:</translation>
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
        <translation>Tarra:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Vloeistofgewicht:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (zonder de 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Vloeistofdichtheid:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Vloeistofhoogte:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
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
        <translation>Hebt u koudemiddel bijgevuld?

 Zo ja, voer de bijgevulde hoeveelheid in en klik op &quot;Ja&quot;. 

Zo niet, klik op &quot;Nee&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Nieuwe vulling kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEE</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULEREN</translation>
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
        <translation>Installatie-instellingen</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Instelwaarde LD </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>Adaptieve LD</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Instelwaarde HD</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>Zwevende HD</translation>
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
        <translation>Vaten</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Type vat</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Staand</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Liggend</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Aantal vaten</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 vat</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 vaten</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 vaten</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 vaten</translation>
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
        <translation>Instelling statistische alarmen</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statistiek 3D</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Gevoeliger</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Minder gevoelig</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statistiek LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statistiek 103</translation>
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
        <translation>Vloeistofnakoeler</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Is er een vloeistofnakoeler
 aan de uitgang van het vat?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Test meetkaart</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>MEETKAART:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>snelheid
seriële poort</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>type
meetkaart</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Geen</translation>
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
        <translation>Geen MEETKAART gevonden</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Geen MEETKAART gevonden, controleer de bedrading/installatie en de MEET-module</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Meetkaart nog niet GETARREERD; druk op TEST STARTEN en bepaal daarna de TARRA van de KOLOM</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Meetkaart al getest; druk op VOLGENDE als u de kaart niet opnieuw wilt testen</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Herstart de ORV na controle van de installatie van de MEET-module!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Start van de zelftest ...
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
        <translation>Versie ORV: v%1.%2.%3
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
        <translation> ++ ORV DAG EERSTE START: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV DATUM/TIJD: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Opslagruimte (vrij/totaal): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
ETHERNET-netwerkconfiguratie:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- LET OP ETHERNET-kabel niet aangesloten
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ ETHERNET-kabel aangesloten OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
WIFI-netwerkconfiguratie:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- LET OP USB-WIFI niet aangesloten
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ USB-WIFI aangesloten OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Verbinding internet/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Verbinding met server VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- FOUT verbinding met server VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Herkende/gevonden modules:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Geen MEET-module v1 of v2 herkend/gevonden....

    -(1) Controleer de aansluitingen
    -(2) HERSTART daarna de ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Meetmodule V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Meetmodule V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ HPF-module: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ ENERGIE_%1-module: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Geheugen:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Partities:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Resultaat = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Geen antwoord van kaart V1; controleer de aansluitingen van de meetkaart</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Geen antwoord van kaart V2; controleer de aansluitingen van de meetkaart</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>AFSLUITEN</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>VORIGE</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>VOLGENDE</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>ANNULEREN</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>VORIGE</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>VOLGENDE</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: FOUT bij verzenden configuratie</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: FOUT bij verzenden nieuwe configuratie, probeer opnieuw</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Einde configuratie</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Als u de kolom hebt geleegd, kunt u de kranen weer openen.
- Als u de PT100-voelers hebt gekalibreerd, kunt u de weerstanden verwijderen en de voelers terugplaatsen.
Klik op OK om de configuratie af te sluiten.</translation>
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
        <translation>Energiemodule</translation>
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
        <translation>Adres
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Adressering</translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation>0 = UIT
1 =AAN</translation>
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
        <translation>Toewijzing</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Vermogen trafo</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Aantal trafo&apos;s</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Vermogen 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Vermogen 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Vermogen 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Druksensor</translation>
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
        <translation>PT&amp;100 temperatuur</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correctie:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>Kalibratie PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 kabel 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Handm. corr.=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Annuleren
Afsluiten</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Opslaan en verzenden
naar ENERGIE-module</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Compressor</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>De compressoren</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Condensorventilatoren</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pomp</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Koelmeubelen</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Cellen en werkruimte</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Airco en verwarming</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Verlichting</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Parallelcompressor(en)</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Druksensor LD</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 oververhitting</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>DRUK LD</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 ZUIGGAS</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Druksensor HD-gas</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 persgas</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>DRUK HD-GAS</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 PERSGAS</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 temperatuur</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>DRUK RESERVE</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 RESERVE 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Geen trafo</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Geen ENERGIE-module gedetecteerd</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>FOUT bij lezen van de configuratie van de ENERGIE-modules</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK verbonden</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NIET verbonden</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>VERMOGEN:%1 percentagewijziging opgeslagen OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Configuratie verzenden naar ENERGIE-module %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Configuratie ENERGIE-module %1 verzonden OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! MISLUKT !! Configuratie ENERGIE-module %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>LET OP KALIBRATIE van sensor %1 starten?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Kalibratieprocedure %1 starten?!
Klik op OK als de sensor op atmosferische druk is!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>LET OP KALIBRATIE van voeler %1 starten ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Kalibratieprocedure %1 starten ?!
Klik pas op OK NA het aansluiten van de WEERSTAND van 100 ohm in plaats van de PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>FOUT antwoord ENERGIE-module %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>FOUT meting, probeer opnieuw</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Geen antwoord van kaart V1; controleer de aansluitingen van de meetkaart</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Geen antwoord van kaart V2; controleer de aansluitingen van de meetkaart</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>ORV-informatie</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Opstarten van de ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Opslagruimte (vrij/totaal): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Opslag vol, oude dagbestanden worden gewist ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ CONFIGURATIE met succes geïnitialiseerd</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ORV-ID: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Laden van de TAAL:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- Instellen van de TAAL nodig</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ TAAL [%1] geladen OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- FOUT bij laden van TAALbestand [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>ETHERNET-netwerkinstellingen:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ ETHERNET-kabel aangesloten OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- LET OP ETHERNET-kabel niet aangesloten</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>WIFI-netwerkinstellingen:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ USB WIFI-adapter aangesloten OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- LET OP USB WIFI-adapter niet aangesloten</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Internet/Voredane-verbinding:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Verbinding met de VOREDANE-server OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- FOUT verbinding met de VOREDANE-server</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Gedetecteerde/gevonden modules:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Geen MEET-module v1 of v2 gedetecteerd/gevonden....
    -(1) Controleer de aansluitingen
    -(2) Daarna de ORV OPNIEUW OPSTARTEN</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Meetmodule V1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Meetmodule V2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ HPF-module: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ ENERGIE_%1-module: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>FOUT gedetecteerd, controleer a.u.b.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Metingen worden gestart ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Onjuist wachtwoord</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Informatie...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Analyse metingen</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Analyse bezig...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Programma-update bezig...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Update module(s)</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Firmware-update van module(s) bezig...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Metingen worden opgeslagen</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Begin van de analyses</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Einde van de analyses</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Bewerking voltooid</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>ORV wordt herstart</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Opslag vol, oude dagbestanden worden gewist ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Fout bij het bijwerken van de firmware van module MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Fout bij het bijwerken van de firmware van module HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Fout bij het bijwerken van de firmware van module ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Fout bij het bijwerken van de firmware van module ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Fout bij het bijwerken van de firmware van module ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Meetkaart: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Meetkaart: V2 / </translation>
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
        <translation>	Meetkaart niet gedetecteerd
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Energiemodule %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	HPF-module: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Laatste leerperiode: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Laatste tarra: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>MAC-adres: </translation>
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
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Verzoek geweigerd door de ORV, geen wijziging.</translation>
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
        <translation>Wachtwoord:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Geen antwoord van de kaart
			Controleer de aansluitingen van meetkaart_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Gewicht OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperatuur uitlaat vat OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Buitentemperatuur OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperatuur inlaat vat OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Druk OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Geen antwoord van de kaart
			Controleer de aansluitingen van meetkaart_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperatuur uitlaat vat NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Buitentemperatuur NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperatuur inlaat vat NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Server-IP wijzigen</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Server-IP-adres:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Bijwerken</translation>
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
        <translation>Thermodynamische eigenschappen:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Druk:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatuur:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Temperatuur koudemiddel</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Dichtheid:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Specifiek volume:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Geluidssnelheid:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Gasconcentratie:</translation>
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
Vloeistof</translation>
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
        <translation>LD
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
        <translation>Enthalpieverschil:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Massadebiet:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Persgastemp. I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Persgastemp. C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Persgastemp. M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Koelvermogen:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Opgenomen vermogen</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW voor</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>compressor(en)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW voor de ventilatie</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW voor de pompen</translation>
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
        <translation>voor de pompen </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>parallelcompressoren</translation>
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
        <translation>Vermogens</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Stroom</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh sinds
middernacht</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh sinds
1 januari</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>De compressoren:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Spanning</translation>
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
        <translation>Actief(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Schijnbaar(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Reactief(kVAR)</translation>
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
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Ventilatoren
 condensor</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Pomp(en)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Compressor P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Koelvermogen:</translation>
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
        <translation>Selectie van de condensor</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Buitentemperatuur voor selectie
van de condensor:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>Werkelijke DT condensor in stabiel zomerbedrijf:</translation>
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
        <translation>Constante van de regelstap</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Constante 1 * EXP(Afwijking in °C* Constante 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Constanten resetten</translation>
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
        <translation>Berekening stap(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Stap:</translation>
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
        <translation>Berekening stap(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Afwijking in °C</translation>
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
        <translation>Regeldifferentieel</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ ventilatie</translation>
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
        <translation>- ventilatie</translation>
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
        <translation>Bedrijfsmelding compressor(en)</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Keuze van de bedrijfsterugmelding compressor(en)</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>bedrijfsterugmelding compressor(en) via de ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>bedrijfsterugmelding compressor(en) via potentiaalvrij contact HPF-module</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> bedrijfsterugmelding compressor(en) via de ENERGIE-module</translation>
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
        <translation>Info HPF-module</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>HPF-module &lt;font color=&apos;blue&apos;&gt;GEDETECTEERD en VERBONDEN&lt;/font&gt;. U kunt de configuratie &lt;font color=&apos;blue&apos;&gt;voortzetten&lt;/font&gt;.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>HPF-module OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Zoeken naar de
HPF-module herstarten.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>GEEN HPF-module gedetecteerd bij het opstarten. U kunt de detectie &lt;font color=&apos;red&apos;&gt;HERSTARTEN&lt;/font&gt; met de knop &lt;font color=&apos;red&apos;&gt;ZOEKEN&lt;/font&gt; hieronder</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;GEEN&lt;/font&gt; HPF-module gedetecteerd. &lt;font color=&apos;red&apos;&gt;Controleer&lt;/font&gt; uw aansluitingen.</translation>
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
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>De nachtmodus wordt geactiveerd door sluiten
van ingang T/R nachtmodus</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   mA maximum in nachtmodus:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>volt maximum in nachtmodus:</translation>
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
        <translation>Condensatie voor opheffen nachtmodus in °C:</translation>
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
        <translation>Einde parametrering</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Opslaan en verzenden
naar de HPF-module</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK configuratie &lt;font color=&apos;blue&apos;&gt;opgeslagen en verzonden&lt;/font&gt; naar de HPF-module.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;FOUT bij verzenden van de configuratie naar de HPF-module&lt;/font&gt;. &lt;font color=&apos;red&apos;&gt;OPNIEUW PROBEREN/VERZENDEN&lt;/font&gt; a.u.b.</translation>
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
        <translation>Geef de minimale condensatietemperatuur voor
een goede werking van uw expansieventielen</translation>
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
        <translation>Vertraging frequentieregelaar</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Inschakelen ventilatie</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>in seconden</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Uitschakelen ventilatie</translation>
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
        <translation>UART-snelheid ORV en ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>HPF-module uitschakelen</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>Poort UART1 ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>Poort UART2 MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>BEËINDIGEN / TERUG NAAR OPSLAAN</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Geen</translation>
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
        <translation>Frequentieregelaar</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Hebt u een vermogensterugmelding
4-20 mA van de frequentieregelaar?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Vermogen bij 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>De frequentieregelaar is altijd toegewezen aan de eerste ventilatietrap met een vermogen groter dan 0; is het eerste relais defect, dan volstaat het alle trappen te verschuiven en de vermogens opnieuw aan de juiste trappen toe te wijzen.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Geen frequentieregelaar</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Toerenregeling op de eerste condensortrap</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Toerenregeling op alle ventilatietrappen</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>in volt</translation>
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
        <translation>Ventilatietrap</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Geselecteerde trap:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Opgenomen vermogen van de
ventilatietrap in watt</translation>
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
        <translation>Buiten-T°</translation>
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
        <translation>Ventilatietrap(pen), d.w.z.:</translation>
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
        <translation>Inst + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Berekende
instelwaarde</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Inst - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Neutrale zone vraag
+ ventilatie</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Neutrale zone vraag
- ventilatie</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>HD min</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>AAN/UIT</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>AFSCHAK.</translation>
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
        <translation>Zwevende HD</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Compressor(en) ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Noodbedrijf</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>Probleem RS485:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Instelwaarde
stop</translation>
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
        <translation>Afsluiten</translation>
    </message>
</context>
</TS>
