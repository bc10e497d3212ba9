<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Reglage d&apos;alarme de
niveau bas (securite)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Poids mini (Alarme) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Temporisation de : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Surveillance centrale Pump Down</translation>
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
        <translation>ORV AutoTest</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Lancer AutoTest</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
AutoTest Terminer!
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
        <translation>Pression BP:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>Temperature BP:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Temperature
gaz aspire:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Temperature liquide:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>Entropie BP:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>Enthalpie BP:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Rendement
isentropique:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Puissance absorbee
compresseurs: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>COP theorique
Compresseurs:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>COP theorique
Comp + Vent:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>COP theorique
Comp + Vent + pompe:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>Pression HP:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>Temperature HP:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Enthalpie
HP Liquide:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Temperature
refoulement
Mesuree:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Temperature
refoulement
Isentrop:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Temperature
refoulement
Calculee:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Enthalpie refoulement:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Taux de compression:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Enthalpie reelle
au refoulement:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Debit massique: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Puissance Frigorifique: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Plage de mesure du capteur HP 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Pression Mini</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Pression Maxi</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Offset O:</translation>
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
        <translation>Calibrage Offset 0
(a la Pression Atmospherique)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Reset Offset
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Module MesureV1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Module MesureV2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Aucun Module Mesure</translation>
    </message>
    <message>
        <source>De </source>
        <translation>De </translation>
    </message>
    <message>
        <source> A </source>
        <translation> A </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> Bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>ERREUR Mesure Pression HP</translation>
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
        <translation>Choix de mode d&apos;acces</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Parametrages et Reglages</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Visualisations</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
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
        <translation>Fluide Frigorifique</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Selectionner le fluide :</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = Melanges Client</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Choix du Condenseur:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Subcritique</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transcritique</translation>
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
        <translation>La colonne</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Cuivre Frigorifique en 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Cuivre Frigorifique en 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Inox 40 x 2</translation>
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
        <translation>Type de Compresseur(s)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Vis</translation>
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
        <translation>Sauvegarde/Restauration
fichiers config depuis USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restaurer Fichiers
depuis USB Dongle</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Sauvegarde Fichiers
 vers USB Dongle</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Lire Config
depuis USB Dongle</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Votre dongle USB est brancher
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Veuillez brancher votre dongle USB SVP !
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Nombre de fichier(s) a Sauvegarder: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>Dongle USB Brancher/Detecter OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Sauvegarde du fichier: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Sauvegarde terminer.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Nombre de fichier(s) a Restaurer: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Restauration du fichier: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>Le ORV va redemarrer/rebooter.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>ERREUR Restauration: %1 fichier(s) non copie(s).</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Restauration %1 fichier(s) terminée.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Restauration terminer.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Ouvrir Config</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>ERREUR lecture fichier CONFIG USB</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>Fichier USB %1 lu avec succes.</translation>
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
        <translation>Restauration fichier CONFIG
CLIENT depuis USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Restaurer Fichiers
depuis USB Dongle</translation>
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
        <translation>Diametre interne du reservoir</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Alarme Technique&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>ALARME</translation>
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
        <translation>999j, 23 H : 59 Min : 59 Sec / </translation>
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
        <translation>Charge Fluide : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Fluide : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subcritique</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transcritique</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>NB.reservoir: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>NB. reservoirs: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>SR : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flash Gaz avec </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alarme Niveau Bas &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 H : %2 Min : %3 Sec / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Alarme Stat 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Alarme LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarmes 3j + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Alarme Stat 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Apprentissage</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Recalcul</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>ARRET MACHINE</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Rejet:
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
        <translation>Enregistrement de la configuration </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Temperature Exterieure:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Etalonnage</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 câble 3m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Mesure:</translation>
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
        <translation>Correction Manuel:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Temperature liquide
 -Entree du reservoir:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Temperature liquide
 -Sortie du reservoir:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Thermometre Radio (Activer/Desactiver)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Thermometre Radio ON</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Sonde Exterieure Radio:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Thermometre Radio OFF</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Sonde Exterieure PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Temperature exterieure:</translation>
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
        <translation>Date/Heure/Fuseau Horraire</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Votre Date Locale:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Jour:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Mois:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Annee:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Votre Heure Locale:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Heure:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>Heure GMT:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Quitter / Enregistrer</translation>
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
        <translation>Hauteur colonne</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Entre axes des raccords des flexibles</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Inclinaison du reservoir&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Si le reservoir n&apos;est pas incline, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;bien horizontal, la valeur est de 0 mm ;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Sinon prendre la hauteur de l&apos;inclinaison&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;a l&apos;aide d&apos;un niveau.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Longueur du Reservoir</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Mesurer entre les deux extremes</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Hauteur Colonne</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Mesurer entre les axes des raccords des flexibles</translation>
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
        <translation>Informations generales sur l&apos;installation</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Volume interne Condenseur(s)</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Charge en fluide frigorigene de l&apos;installation</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Volume du reservoir</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Volume interne Gas Cooler</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volume d&apos;un reservoir</translation>
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
        <translation>Support technique :
Tel : +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Date tare</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	ORV Version : %1</translation>
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
        <translation>Informations sur la configuration</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Date du jour	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Contenu Fichier RCS systeme:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Espace de Stockage en Mo:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Config Section	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Libre = %1 Mo</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Total = %1 Mo</translation>
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
        <translation>Fichier Journal</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Francais</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Espagnol</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> A&amp;nglais</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Russe</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> A&amp;llemand</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Hungary</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italien</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Neerlandais</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>ERREUR Chargement fichier LANGUE [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Premiere mise en service</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Acquittement d&apos;alarme</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Apprentissage</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Coupure d&apos;alimentation</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Demarrage du ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Chargement depuis l&apos;USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Chargement depuis le reseau</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Alarme type 1 (fuite statistique 3 jours)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Alarme type 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Alarme type 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Alarme niveau bas reservoir</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Defaut sonde temperature exterieure</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Defaut sonde temperature entree reservoir</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Defaut sonde temperature sortie reservoir</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Defaut sonde temperature aspiration</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Defaut sonde liquide sous-refroidisseur</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Defaut jauge de contrainte</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Defaut capteur haute pression</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Defaut capteur basse pression</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Defaut communication carte mesure</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Defaut communication debitmetre</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Redemarrage de la communication</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Modification HP minimum</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Modification contact NF/NO</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Modification etat BP adaptative</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Modification etat HP flottante</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Modification sensibilite alarme 3 jours</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Modification indicateur alarme 3 jours</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Modification diametre tube liquide</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Modification type de montage debit</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Modification ecart debit</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Modification etalonnage PT100 sous-refroidissement</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Modification groupe client</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Modification type de magasin</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Modification code 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Modification code contrat</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Consultation des courbes</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Controle des capteurs en defaut</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Ecriture de la configuration</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Rearmement</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Lancement d&apos;un reapprentissage</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Envoi des fichiers</translation>
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
        <translation>Menu Principal</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Info sur la configuration</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Mesure du Poids</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Info et Assistance Norvale</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>Configuration
ORV</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Configuration
Module HP Flottante</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Configuration
 Module Energie</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Sauvegarde/Restauration
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Demarrer Intervention
Frigoriste</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Reapprentissage
Acquittement Alarmes</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Date/Heure
Fuseau Horaire</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>AutoTest ORV</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>Redemarrage
du ORV</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Menu Visualisations</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Menu Parametrages et Reglages</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Arreter Intervention
Frigoriste</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Redemarrage/Reboot du ORV ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Menu_Principal</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Menu Norvale</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Controle du Poids</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
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
        <translation>Acquittement des Alarmes</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Reapprentissage</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Recalcule du Niveau
de Reference</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Veuillez vérifier le câblage de vos capteurs SVP !</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Selectionnez une option...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Acquittement process</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
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
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Recalcul</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>&amp;Reapprentissage</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Reapprentissage process</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Recalcul process</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>Le ORV est deja en mode APPRENTISSAGE</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>Le ORV est deja en mode RE-CALCUL</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Mesure de la tare de la colonne</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Poids de la colonne :</translation>
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
        <translation> gr</translation>
    </message>
    <message>
        <source>Normalement la tare est superieur a  %1 gr</source>
        <translation>Normalement la tare est superieur a  %1 gr</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>ATTENTION Lancer la TARE ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Lancer la procedure de TARE ?!
etes vous sûr?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Reseau</translation>
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
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Masque:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Modifier IP Serveur</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>WiFi:</translation>
    </message>
    <message>
        <source>SSID :</source>
        <translation>SSID :</translation>
    </message>
    <message>
        <source>Authentification:</source>
        <translation>Authentification:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Cle Cryptage: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Status:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Test
Connexion</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Envoi
Fichiers</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Reception
Fichiers</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Enregistrement
Configuration</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Clavier
ON</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Quitter</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>ERREUR WIFI USB non Configurer</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Clavier
OFF</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Reconfiguration Reseau en cours .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>Changement ID %1 Sauvegarder.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Veuillez brancher le DONGLE USB WIFI, merci.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Enregistrement CONFIG Reseau reussie.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Test de la connexion en cours...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>Reseau INTERNET OK, Connexion avec le serveur reussie.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Transfert des fichiers en cours ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: Transfert des fichiers reussi.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>ERREUR Transfert des fichiers.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Reception des fichiers en cours ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>Reception des fichiers SFTP termine.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Cette Adresse IP Serveur est deja Configurer</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>ERREUR Adresse IP Serveur non valide.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</translation>
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
        <translation>Configuration ORV</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Nom du ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * 20 Caracteres Maximum</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Nom client sur site:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * 40 Caracteres Maximum</translation>
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
        <translation>Controle du Poids</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Mesure du Poids:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>gr</translation>
    </message>
    <message>
        <source>Tare:</source>
        <translation>Tare:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Poids du liquide:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>gr (sans les 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Densite du liquide:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Hauteur du liquide:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
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
        <translation>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Nouvelle charge kg:</translation>
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
        <translation>Reglages de l&apos;installation</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Consigne BP </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>BP adaptative</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Consigne HP</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>HP flottante</translation>
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
        <translation>Reservoirs</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Type de reservoir</translation>
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
        <translation> Nombre de reservoir</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 reservoir</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 reservoirs</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 reservoirs</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 reservoirs</translation>
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
        <translation>Reglage Alarmes Statistique</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statistique 3J</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Plus sensible</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Moins sensible</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statistique LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statistique 103</translation>
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
        <translation>Sous refoidisseur de liquide</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Test carte de mesure</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>CARTE MESURES :</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>vitesse
port serie</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>type carte
mesure</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Lancer le test</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Aucunne</translation>
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
        <translation>Aucune CARTE MESURE detectee</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Demarrage de l&apos;AutoTest ...
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
        <translation> ++ ORV JOUR PREMIER DEMARRAGE: %1
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
Espace de Stockage (libre/total): %1Mo/%2Mo
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
Configuration Reseau ETHERNET:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- ATTENTION Cable Reseau ETHERNET debrancher
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ Cable Reseau ETHERNET brancher OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
Configuration Reseau WIFI:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- ATTENTION Reseau USB WIFI debrancher
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ Reseau USB WIFI brancher OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Connection Internet/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Connection au serveur VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- ERREUR connection au serveur VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Modules Detecter/Trouver:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Module MesureV1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Module MesureV2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ Module HPF: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ Module ENERGIE_%1: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Memoire:
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
        <translation>Résultat = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PRECEDENT</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SUIVANT</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PRECEDENT</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SUIVANT</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>ENREGISTREMENT</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: ERREUR Envoi Configuration</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Fin de configuration</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</translation>
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
        <translation>Module Energie</translation>
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
        <translation>Adressage</translation>
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
        <translation>Affectation</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Puissance TI</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Nombre TI</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Puissance 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Puissance 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Puissance 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Capteur Pression</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>Maxi</source>
        <translation>Maxi</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Offset O:</translation>
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
        <translation>PT&amp;100 Temperature</translation>
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
        <translation>Etalonnage PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 câble 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Cor Manuelle=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Annuler
Quitter</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Sauvegarde et Envoi
au module ENERGIE</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Compresseur</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>Les Compresseurs</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Ventilateurs Du Condenseur</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Vitrines</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Chambres Et Labo</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Climatisation Et Chauffage</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Eclairage</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Compresseur(s) parallele(s)</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Capteur Pression BP</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 Surchauffe</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>PRESSION BP</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 ASPIRATION</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Capteur Pression HP-Gaz</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 Refoulement</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>PRESSION HP-GAZ</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 REFOULEMENT</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 Temperature</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>PRESSION RESERVE</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 RESERVE 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Aucun TI</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Aucun module ENERGIE detecter</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>ERREUR lecture de la configuration des modules ENERGIE</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK Connecte</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NON Connecte</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Envoi Configuation au module ENERGIE %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Envoi Configuation module ENERGIE %1 OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! ECHEC !! Configuation module ENERGIE %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>ATTENTION Lancer le CALIBRAGE de la sonde %1?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>ERREUR Reponse module ENERGIE %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>ERREUR Mesure, veuillez reessayer</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>Informations ORV</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Demarrage du ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ Initialisation CONFIGURATION Termine avec succes</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ID ORV: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Chargement de la LANGUE:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- Reconfiguration de la LANGUE necessaire</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ Chargement LANGUE [%1] OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- ERREUR Chargement fichier LANGUE [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>Configuration Reseau ETHERNET:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ Cable Reseau ETHERNET brancher OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- ATTENTION Cable Reseau ETHERNET debrancher</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>Configuration Reseau WIFI:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ Reseau USB WIFI brancher OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- ATTENTION Reseau USB WIFI debrancher</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Connection Internet/Voredane:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Connection au serveur VOREDANE OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- ERREUR connection au serveur VOREDANE</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Modules Detecter/Trouver:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Module MesureV1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Module MesureV2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ Module HPF: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ Module ENERGIE_%1: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>ERREUR detecter, veuillez verifier.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Demarrage des Mesures ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Informations...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Analyse Mesures</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Analyse en cours...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Mise a Jour</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Mise a Jour Programme en cours...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Mise a Jour Module(s)</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Mise a Jour Firmware Module(s) en cours...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Sauvegarde des mesures</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Debut des Analyses</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Fin des Analyses</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Operation Terminee</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Redemarrage du ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Erreur lors de la mise à jour du firmware du module MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Erreur lors de la mise à jour du firmware du module HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Carte Mesure : V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Carte Mesure : V2 / </translation>
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
        <translation>	Carte Mesure non detectee
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Module Energie %1 : </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	Module HPF : </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Dernier Apprentissage : </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Derniere tare : </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>Adresse MAC : </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ID ORV : </translation>
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
        <translation>Demande refusee par le ORV, aucun changement.</translation>
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
        <translation>Mot de passe:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Annulation</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Validation</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Poids OK :				 %1 gr</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperature sortie reservoir OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Temperature exterieur OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperature entree reservoir OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Pression OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperature sortie reservoir NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Temperature exterieur NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperature entree reservoir NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Modifier IP Serveur</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Adresse IP du Serveur:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Mise a Jour</translation>
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
        <translation>Caracteristiques ThermoDynamiques:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Pression:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Temperature Fluide</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Densite:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Volume Massique:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Vitesse du Son:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Concentration de Gaz:</translation>
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
        <translation>HP
Liquide</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>HP
Gaz</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>BP
Gaz</translation>
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
        <translation>Difference d&apos;enthalphie:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Debit masse:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Temp Refoul I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Temp Refoul C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Temp Refoul M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Puissance frigorifique:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Puissance absorbee</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kw pour</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>compresseur(s)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kw pour la ventilation</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kw pour les pompes</translation>
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
        <translation>pour les pompes </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>compresseurs paralleles</translation>
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
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Intensite</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh depuis
minuit</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh depuis
1er janvier</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>Les Compresseurs:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tension</translation>
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
        <translation>Apparente(kVA)</translation>
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
        <translation>Compresseur 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Compresseur 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Compresseur 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Compresseur 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Compresseur 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Compresseur 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Ventilateurs
 Condenseur</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Pompe(s)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Compresseur P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Puissance Frigorifique:</translation>
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
        <translation>Selection du condenseur</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Temperature exterieure de selection
du condenseur:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>DT reel du condenseur en regime etabli l&apos;ete:</translation>
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
        <translation>Constante du Pas de Variation</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Constante 1 * EXP(Ecart en °C* Constante 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Remise a Zero Constantes</translation>
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
        <translation>Calcul Pas(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Pas:</translation>
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
        <translation>Calcul Pas(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Ecart en °C</translation>
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
        <translation>Differentiel de regulation</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ ventilation</translation>
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
        <translation>- ventilation</translation>
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
        <translation>Information de marche compresseur(s)</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Choix de l&apos;information retour de marche compresseur(s)</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>retour marche compresseur(s) par le ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>retour marche compresseur(s) par contact sec module HPF</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> retour marche compresseur(s) par le module ENERGE</translation>
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
        <translation>Infos Module HPF</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>Module HPF OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Relancer la Recherche
du Module HPF.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</translation>
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
        <translation>Mode Nuit</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   mA Maximum en Mode Nuit:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>volts Maximum en Mode Nuit:</translation>
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
        <translation>Condensation de deverouillage du Mode Nuit en °C:</translation>
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
        <translation>Fin Parametrage</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Sauvegarde et Envoi
au module HPF</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</translation>
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
        <translation>TC Mini</translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</translation>
    </message>
    <message>
        <source>TC mini:</source>
        <translation>TC mini:</translation>
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
        <translation>Temporisation du Variateur</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Enclenchement Ventilation</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>en Secondes</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Coupure Ventilation</translation>
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
        <translation>Vitesse UART ORV et ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>Desactiver le module HPF</translation>
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
        <translation>TERMINER / RETOUR ENREGISTREMENT</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Aucun</translation>
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
        <translation>Variateur de Vitesse</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Puissance a 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Pas de variateur de vitesse</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Variation de vitesse sur le premier etage de condensation</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Variation de vitesse sur tous les etages de ventilation</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>en Volts</translation>
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
        <translation>Etage de Ventillation</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Etage selectionne:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Puissance de l&apos;etage de ventillation
absorbee en Watt</translation>
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
        <translation>T° Exterieure</translation>
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
        <translation>Etage(s) de Ventilation, soit:</translation>
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
        <translation>Consigne
Calculee</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Cons - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Zone neutre de demande
+ de Ventilation</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Zone neutre de demande
- de Ventilation</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>HP Mini</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>M/A</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>DELEST</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>NUIT</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>HP Flottante</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Compresseur(s) ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Mode Secours</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>Probleme RS485:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Consigne
Arret</translation>
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
        <translation>Quitter</translation>
    </message>
</context>
</TS>
