<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Alacsony szint riasztás
beállítása (biztonsági)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Min. súly (riasztás) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Késleltetés : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Központi Pump Down felügyelet</translation>
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
        <translation>ORV Öntesztelés</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Öntesztelés indítása</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Öntesztelés befejezve!
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
        <translation>KN nyomás:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>KN hőmérséklet:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Szívógáz
hőmérséklet:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Folyadék hőmérséklet:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>KN entrópia:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>KN entalpia:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Izentropikus
hatásfok:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Kompresszorok felvett
teljesítménye: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>Elméleti COP
kompresszorok:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>Elméleti COP
komp. + vent.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>Elméleti COP
komp. + vent. + szivattyú:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>NN nyomás:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>NN hőmérséklet:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Entalpia
NN folyadék:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Nyomóoldali
hőmérséklet
mért:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Nyomóoldali
hőmérséklet
izentropikus:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Nyomóoldali
hőmérséklet
számított:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Nyomóoldali entalpia:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Kompresszióviszony:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Valós nyomóoldali
entalpia:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Tömegáram: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Hűtőteljesítmény: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>HP érzékelő mérési tartománya 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Min. nyomás</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Max. nyomás</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Eltolás 0:</translation>
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
        <translation>Nullpont kalibrálás
(légköri nyomáson)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Eltolás törlése
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>V1 mérőmodul</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>V2 mérőmodul</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Nincs mérőmodul</translation>
    </message>
    <message>
        <source>De </source>
        <translation></translation>
    </message>
    <message>
        <source> A </source>
        <translation> - </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>FIGYELEM: indítja a HP nyomásérzékelő KALIBRÁLÁSÁT?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Indítja a nyomáskalibrálást?!
Erősítse meg, ha az érzékelő légköri nyomáson van!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>HIBA: HP nyomásmérés</translation>
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
        <translation>Hozzáférési mód választása</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Paraméterek és beállítások</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Megtekintés</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
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
        <translation>Hűtőközeg</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Válassza ki a hűtőközeget:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = ügyfélkeverékek</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Kondenzátor típusa:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Léghűtéses</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Egyéb</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Kondenzátor teljesítménye 25 °C külső
 hőmérsékleten, 15 K különbséggel (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Szubkritikus</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transzkritikus</translation>
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
        <translation>A mérőoszlop</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Hűtéstechnikai réz 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Hűtéstechnikai réz 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Rozsdamentes acél 40 x 2</translation>
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
        <translation>Kompresszor(ok) típusa</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Dugattyús</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Csavar</translation>
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
        <translation>Mentés/Visszaállítás
konfig. fájlok USB-ről</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Fájlok visszaállítása
USB kulcsról</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Fájlok mentése
 USB kulcsra</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Konfig. beolvasása
USB kulcsról</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>Az USB kulcs csatlakoztatva
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Kérem, csatlakoztassa az USB kulcsot!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Mentendő fájlok száma: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>USB kulcs csatlakoztatva/felismerve OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Fájl mentése: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>HIBA Mentés: %1 fájl nincs másolva.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Mentés befejezve.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Válassza ki a mentett fájlok USB mappáját</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Visszaállítandó fájlok száma: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Fájl visszaállítása: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>Az ORV újraindul.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>HIBA Visszaállítás: %1 fájl nincs másolva.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>%1 fájl visszaállítása befejezve.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Visszaállítás befejezve.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Konfig. megnyitása</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>HIBA az USB KONFIG fájl olvasásakor</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>A(z) %1 USB fájl sikeresen beolvasva.</translation>
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
        <translation>ÜGYFÉL KONFIG fájl
visszaállítása USB-ről</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Befejezés</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Fájlok visszaállítása
USB kulcsról</translation>
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
        <translation>A tartály belső átmérője</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Műszaki riasztás&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>RIASZTÁS</translation>
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
        <translation>999n, 23 ó : 59 perc : 59 mp / </translation>
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
        <translation>Töltet : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Hűtőközeg : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Szubkritikus</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transzkritikus</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Tartályok: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Tartályok: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>UH : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flash gáz: </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alacsony szint riasztás &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 ó : %2 perc : %3 mp / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Stat 1 riasztás</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>LP riasztás</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Riasztás 3n + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Stat 3 riasztás</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Tanulás</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Újraszámítás</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>GÉPLEÁLLÁS</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Leadott:
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
        <translation>Konfiguráció mentése </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>PT100 beállítás: minden hőmérséklet-érzékelőt
cseréljen 100 ohmos ellenállásra</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Külső hőmérséklet:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Kalibrálás</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 kábel 3 m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Mért:</translation>
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
        <translation>Korrekció:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Kézi korrekció:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Folyadék hőmérséklet
 -Tartály bemenet:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Folyadék hőmérséklet
 -Tartály kimenet:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Rádiós hőmérő (be/ki)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Rádiós hőmérő BE</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Külső érzékelő, rádiós:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Rádiós hőmérő KI</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Külső érzékelő PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Külső hőmérséklet:</translation>
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
        <translation>Dátum/Idő/Időzóna</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Helyi dátum:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Nap:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Hónap:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Év:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Helyi idő:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Óra:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Perc:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>GMT idő:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Kilépés / Mentés</translation>
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
        <translation>Oszlopmagasság</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>A tömlőcsatlakozások tengelyei között</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;A tartály dőlése&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Ha a tartály nem dől, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;pontosan vízszintes, az érték 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;egyébként mérje a dőlés magasságát&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;vízmértékkel.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Tartály hossza</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>A két vég között mérje</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Oszlopmagasság</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>A tömlőcsatlakozások tengelyei között mérje</translation>
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
        <translation>Általános adatok a berendezésről</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Kondenzátor(ok) belső térfogata</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>A berendezés hűtőközeg-töltete</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Tartály térfogata</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Gázhűtő belső térfogata</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Egy tartály térfogata</translation>
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
        <translation>Műszaki támogatás:
Tel.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Értékesítés:
Tel.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Tárázás dátuma</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	ORV verzió : %1</translation>
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
        <translation>Konfigurációs információk</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Mai dátum	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Az RCS rendszerfájl tartalma:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Tárhely MB-ban:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Konfig. szakasz	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Szabad = %1 MB</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Összesen = %1 MB</translation>
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
        <translation>Eseménynapló</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Francia</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Spanyol</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> A&amp;ngol</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Orosz</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> &amp;Német</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Magyar</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Olasz</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Holland</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Jóváhagyás</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
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
        <translation>Hiba</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>HIBA a NYELVI fájl betöltésekor [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Első üzembe helyezés</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Riasztás nyugtázva</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Tanulás</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Áramkimaradás</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>ORV indítása</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Betöltés USB-ről</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Betöltés hálózatról</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>1. típusú riasztás (statisztikai szivárgás 3 nap)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>2. típusú riasztás</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>3. típusú riasztás</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Tartály alacsony szint riasztás</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Külső hőmérséklet-érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Tartály belépő hőm.-érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Tartály kilépő hőm.-érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Szívóoldali hőm.-érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Utóhűtő folyadékérzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Nyúlásmérő bélyeg hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Nagynyomású érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Kisnyomású érzékelő hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Mérőkártya kommunikációs hiba</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Áramlásmérő kommunikációs hiba</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Kommunikáció újraindítása</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Mérés</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Egyéb</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Min. NN módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>NC/NO érintkező módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Adaptív KN állapot módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Úszó NN állapot módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>3 napos riasztás érzékenység módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>3 napos riasztás jelző módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Folyadékcső átmérő módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Áramlás szereléstípus módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Áramlás eltérés módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Utóhűtés PT100 kalibráció módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Ügyfélcsoport módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Üzlettípus módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>3. kód módosítása</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Szerződéskód módosítása</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Görbék megtekintése</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Hibás érzékelők ellenőrzése</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Konfiguráció írása</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Újratanulás indítása</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Fájlok küldése</translation>
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
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Napló</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Konfigurációs infó</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Súlymérés</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Norvale infó és támogatás</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>ORV
konfiguráció</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Úszó NN modul
konfigurálása</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Energia modul
 konfigurálása</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>USB mentés/
visszaállítás</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Hűtőtechnikusi
beavatkozás indítása</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Újratanulás
Riasztások nyugtázása</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Dátum/Idő
Időzóna</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>ORV önteszt</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>ORV
újraindítása</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Megtekintés menü</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Paraméterek és beállítások menü</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Hűtőtechnikusi
beavatkozás vége</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>ORV újraindítása/Reboot ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Megerősíti az ORV újraindítását ?!
Kattintson az OK gombra az ORV újraindításához!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Norvale menü</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Súlyellenőrzés</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
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
        <translation>Riasztások nyugtázása</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Újratanulás</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Referenciaszint
újraszámítása</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Kérjük, ellenőrizze az érzékelők bekötését!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Információ</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Válasszon egy lehetőséget...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Nyugtázás</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Megtalált és megjavított egy szivárgást?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Mégse</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;A beavatkozástól függően indítson újraszámítást vagy újratanulást.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>Újra&amp;számítás</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>Újra&amp;tanulás</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Később</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Ellenőrizze a riasztási beállításokat (érzékenység, késleltetés, alacsony szint).

Emlékeztető: az előírt karbantartó készletet évente cserélni kell.

További információ a helyes gyakorlat útmutatójában.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Végzett utántöltést?

 Ha igen, adja meg a töltött mennyiséget, és kattintson az &quot;Igen&quot; gombra. 

Ha nem, kattintson a &quot;Nem&quot; gombra.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Újratanulás</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Figyelem: ha újratanulás alatt még aktív szivárgás van a központon, a szivárgásérzékelés megbízhatósága romolhat.

Az újratanulás több napig tart, ezalatt nincsenek statisztikai riasztások (ellentétben az alacsony szint riasztással, amely mindig aktív).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Újratanulást a következő esetekben kell indítani:

- Módosítás a berendezésen (hővisszanyerés téli indítása, egy kondenzátorfokozat lezárása).

- Módosítás az ORV-n (éves készletcsere, új tárázás).

Biztosan újratanulást szeretne indítani?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Újraszámítás</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Figyelem: ha újraszámítás alatt még aktív szivárgás van a központon, a szivárgásérzékelés megbízhatósága romolhat.

Az újraszámítás több óráig tart, ezalatt nincsenek statisztikai riasztások (ellentétben az alacsony szint riasztással, amely mindig aktív).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Újraszámítást csak a következő esetekben szabad indítani:

- a tartály átlagos szintjének változása.

- statisztikai szivárgás javítása utántöltéssel vagy anélkül.

- töltet kiegészítése esetén.

Biztosan újraszámítást szeretne indítani?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>Az ORV már TANULÁSI módban van</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>Az ORV már ÚJRASZÁMÍTÁSI módban van</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Az oszlop tárájának mérése</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Zárva vannak a szelepek?
Az oszlop üres a hűtőközegtől?
A tömlők feszültségmentesek?
Mérés közben ne érintse az oszlopot</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Ellenőrizze az oszlop TÖMEGÉT. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Nincs használható mérés a TÁRÁZÁSHOZ.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Oszlop tömege:</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>Tára</translation>
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
        <translation>A tára általában több mint  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>FIGYELEM: indítja a TÁRÁZÁST?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Indítja a tárázást?!
Biztos benne?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfész:</translation>
    </message>
    <message>
        <source>ra0  Wifi</source>
        <translation>ra0  WiFi</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>KI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>BE</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>ORV IP:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Maszk:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Szerver IP módosítása</translation>
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
        <translation>Hitelesítés:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Titkosítási kulcs: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Állapot:    </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Kapcsolat
teszt</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Fájlok
küldése</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Fájlok
fogadása</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Beállítások
mentése</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Billentyűzet
BE</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Kilépés</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>HIBA USB WiFi nincs beállítva</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Billentyűzet
KI</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>HIBA a hálózat újrakonfigurálásakor, javítsa és próbálja újra.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Hálózat újrakonfigurálása folyamatban .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>ID módosítás %1 mentve.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Kérem, csatlakoztassa az USB WiFi adaptert, köszönjük.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>Nem található DHCP szerver, vagy WiFi beállítási hiba.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Hálózati beállítások sikeresen mentve.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Ellenőrizze, hogy az Ethernet kábel csatlakoztatva van
VAGY az USB WiFi adapter be van dugva.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Kapcsolat tesztelése folyamatban...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Konfigurációs fájlok (2) letöltése a VOREDANE-ről ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>SIKERTELEN a konfigurációs fájlok (2) letöltése a VOREDANE-ről, próbálja újra</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Konfigurációs fájlok letöltve a VOREDANE-ről
Konfigurációs fájlok (2) telepítése, FIGYELEM az ORV újraindul ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Konfigurációs fájlok telepítve, ÚJRAINDÍTÁS folyamatban....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>HIBA a konfigurációs fájlok telepítésekor, próbálja újra</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>INTERNET hálózat OK, a szerverkapcsolat sikeres.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>NINCS INTERNET hálózat, a szerverkapcsolat sikertelen</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Fájlátvitel folyamatban ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: a fájlátvitel sikeres.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>HIBA a fájlátvitelben.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Fájlok fogadása folyamatban ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>SFTP fájlfogadás befejezve.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>A fájlfogadás már folyamatban van vagy nincs internet, próbálja később.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Ez a szerver IP-cím már be van állítva</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>HIBA érvénytelen szerver IP-cím.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Új szerver IP-cím mentve (%1)</translation>
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
        <translation>ORV konfiguráció</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>ORV neve:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * Legfeljebb 20 karakter</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Ügyfél neve a helyszínen:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * Legfeljebb 40 karakter</translation>
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
        <translation>Súlyellenőrzés</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Mért súly:</translation>
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
        <translation>Tára:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Folyadék súlya:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (a 70 mm nélkül)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Folyadék sűrűsége:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Folyadékszint:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Kilépés</translation>
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
        <translation>Végzett utántöltést?

 Ha igen, adja meg a töltött mennyiséget, és kattintson az &quot;Igen&quot; gombra. 

Ha nem, kattintson a &quot;Nem&quot; gombra</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Új töltet kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>IGEN</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEM</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>MÉGSE</translation>
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
        <translation>Berendezés beállításai</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>KN alapjel </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>Adaptív KN</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>NN alapjel</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>Úszó NN</translation>
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
        <translation>Tartályok</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Tartály típusa</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Álló</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Fekvő</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Tartályok száma</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 tartály</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 tartály</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 tartály</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 tartály</translation>
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
        <translation>Statisztikai riasztások beállítása</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statisztika 3N</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Érzékenyebb</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Kevésbé érzékeny</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statisztika LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statisztika 103</translation>
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
        <translation>Folyadék-utóhűtő</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Van folyadék-utóhűtő
 a tartály kimeneténél?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Mérőkártya teszt</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>MÉRŐKÁRTYA:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>soros port
sebesség</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>mérőkártya
típus</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Teszt indítása</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Nincs</translation>
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
        <translation>Nem található MÉRŐKÁRTYA</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Nem található MÉRŐKÁRTYA, ellenőrizze a kábelezést/telepítést és a MÉRŐ modult</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>A mérőkártya még nincs TÁRÁZVA; nyomja meg a TESZT INDÍTÁSA gombot, majd végezze el az OSZLOP TÁRÁZÁSÁT</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>A mérőkártya már tesztelve; nyomja meg a TOVÁBB gombot, ha nem kívánja újra tesztelni</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Indítsa újra az ORV-t a MÉRŐ modul telepítésének ellenőrzése után!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Öntesztelés indítása ...
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
        <translation>ORV verzió: v%1.%2.%3
</translation>
    </message>
    <message>
        <source> ++ ORV ID: %1
</source>
        <translation> ++ ORV azonosító: %1
</translation>
    </message>
    <message>
        <source> ++ ORV JOUR PREMIER DEMARRAGE: %1
</source>
        <translation> ++ ORV ELSŐ INDÍTÁS NAPJA: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV DÁTUM/IDŐ: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Tárhely (szabad/összes): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
ETHERNET hálózati beállítás:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- FIGYELEM az ETHERNET kábel nincs csatlakoztatva
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ ETHERNET kábel csatlakoztatva OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
WIFI hálózati beállítás:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- FIGYELEM az USB WIFI nincs csatlakoztatva
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ USB WIFI csatlakoztatva OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Internet/Voredane kapcsolat:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Kapcsolat a VOREDANE szerverrel OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- HIBA a VOREDANE szerver kapcsolatában
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Felismert/megtalált modulok:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Nincs felismert/megtalált v1 vagy v2 MÉRŐ modul....

    -(1) Kérem, ellenőrizze a csatlakozásokat
    -(2) Majd INDÍTSA ÚJRA az ORV-t
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ V1 mérőmodul: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ V2 mérőmodul: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ HPF modul: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ ENERGIE_%1 modul: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Memória:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Partíciók:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Eredmény = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Nincs válasz a V1 kártyától; ellenőrizze a mérőkártya csatlakozásait</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Nincs válasz a V2 kártyától; ellenőrizze a mérőkártya csatlakozásait</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>KILÉPÉS</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>VISSZA</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>TOVÁBB</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>MÉGSE</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>VISSZA</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>TOVÁBB</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>MENTÉS</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: HIBA a konfiguráció küldésekor</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: HIBA az új konfiguráció küldésekor, próbálja újra</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Konfiguráció vége</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Ha leürítette az oszlopot, újra kinyithatja a szelepeket.
- Ha kalibrálta a PT100 érzékelőket, eltávolíthatja az ellenállásokat és visszahelyezheti az érzékelőket.
A konfiguráció befejezéséhez kattintson az OK gombra.</translation>
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
        <translation>Energia modul</translation>
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
        <translation>Cím
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Címzés</translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation>0 = KI
1 =BE</translation>
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
        <translation>Hozzárendelés</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Áramváltó telj.</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Áramváltók száma</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Teljesítmény 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Teljesítmény 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Teljesítmény 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Nyomásérzékelő</translation>
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
        <translation>PT&amp;100 hőmérséklet</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Korrekció:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>PT100 kalibrálás</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 kábel 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Kézi korr.=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Mégse
Kilépés</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Mentés és küldés
az ENERGIA modulnak</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Kompresszor</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>A kompresszorok</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Kondenzátor ventilátorai</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Szivattyú</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Hűtőpultok</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Kamrák és labor</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Klíma és fűtés</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Világítás</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Párhuzamos kompresszor(ok)</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>KN nyomásérzékelő</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 túlhevítés</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>KN NYOMÁS</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 SZÍVÓOLDAL</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>NN-gáz nyomásérzékelő</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 nyomóoldal</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>NN-GÁZ NYOMÁS</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 NYOMÓOLDAL</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 hőmérséklet</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>TARTALÉK NYOMÁS</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 TARTALÉK 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Nincs áramváltó</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Nem található ENERGIA modul</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>HIBA az ENERGIA modulok konfigurációjának olvasásakor</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK csatlakoztatva</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NINCS kapcsolat</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>TELJESÍTMÉNY:%1 százalék módosítás mentve OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Konfiguráció küldése az ENERGIA %1 modulnak ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>ENERGIA %1 modul konfiguráció elküldve OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! SIKERTELEN !! ENERGIA %1 modul konfiguráció</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>FIGYELEM Indítja a(z) %1 érzékelő KALIBRÁLÁSÁT?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Indítja a(z) %1 kalibrálási eljárást?!
Kattintson az OK gombra, ha az érzékelő légköri nyomáson van!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>FIGYELEM Indítja a(z) %1 szonda KALIBRÁLÁSÁT ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Indítja a(z) %1 kalibrálási eljárást ?!
Kattintson az OK gombra, MIUTÁN a PT100 helyére bekötötte a 100 ohmos ELLENÁLLÁST!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>HIBA ENERGIA %1 modul válasz</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>HIBA mérés, próbálja újra</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Nincs válasz a V1 kártyától; ellenőrizze a mérőkártya csatlakozásait</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Nincs válasz a V2 kártyától; ellenőrizze a mérőkártya csatlakozásait</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>ORV információk</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Az ORV indítása v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Tárhely (szabad/összes): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- A tárhely megtelt, a régi napi fájlok törlése ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ KONFIGURÁCIÓ sikeresen inicializálva</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ORV azonosító: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>NYELV betöltése:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- A NYELV beállítása szükséges</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ NYELV [%1] betöltve OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- HIBA a NYELVI fájl betöltésekor [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>ETHERNET hálózati beállítások:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ ETHERNET kábel csatlakoztatva OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- FIGYELEM ETHERNET kábel nincs csatlakoztatva</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>WIFI hálózati beállítások:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ USB WIFI adapter csatlakoztatva OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- FIGYELEM USB WIFI adapter nincs csatlakoztatva</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Internet/Voredane kapcsolat:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Kapcsolat a VOREDANE szerverrel OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- HIBA a VOREDANE szerverhez kapcsolódáskor</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Érzékelt/talált modulok:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Nem található MÉRŐ modul (v1 vagy v2)....
    -(1) Ellenőrizze a csatlakozásokat
    -(2) Majd INDÍTSA ÚJRA az ORV-t</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ MérőV1 modul: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ MérőV2 modul: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ HPF modul: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ ENERGIE_%1 modul: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>HIBA észlelve, kérjük ellenőrizze.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Mérések indítása ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Hibás jelszó</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Információk</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Információk...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Mérések elemzése</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Elemzés folyamatban...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Programfrissítés folyamatban...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Modul(ok) frissítése</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Modul firmware frissítése folyamatban...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Mérések mentése</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Elemzések kezdete</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Elemzések vége</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Művelet befejezve</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>ORV újraindítása</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>A tárhely megtelt, a régi napi fájlok törlése ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Hiba a(z) MESUREv2 modul firmware frissítése közben.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Hiba a(z) HPF modul firmware frissítése közben.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Hiba a(z) ENERGIE_1 modul firmware frissítése közben.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Hiba a(z) ENERGIE_2 modul firmware frissítése közben.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Hiba a(z) ENERGIE_3 modul firmware frissítése közben.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Mérőkártya: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Mérőkártya: V2 / </translation>
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
        <translation>	Mérőkártya nem található
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Energia modul %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	HPF modul: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Utolsó tanulás: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Utolsó tára: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>MAC cím: </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ORV azonosító: </translation>
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
        <translation>Információ</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Az ORV elutasította a kérést, nincs változás.</translation>
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
        <translation>Jelszó:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Jóváhagyás</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Nincs válasz a kártyától
			Ellenőrizze a mérőkártya csatlakozásait_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Tömeg OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Hőmérséklet tartály kimenet OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Külső hőmérséklet OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Hőmérséklet tartály bemenet OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Nyomás OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Nincs válasz a kártyától
			Ellenőrizze a mérőkártya csatlakozásait_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Hőmérséklet tartály kimenet NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Külső hőmérséklet NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Hőmérséklet tartály bemenet NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Szerver IP módosítása</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Szerver IP-cím:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Frissítés</translation>
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
        <translation>Termodinamikai jellemzők:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Nyomás:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Hőmérséklet:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Hűtőközeg hőmérséklet</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Sűrűség:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Fajlagos térfogat:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Hangsebesség:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Gázkoncentráció:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Entrópia:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Entalpia:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>NN
Folyadék</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>NN
Gáz</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>KN
Gáz</translation>
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
        <translation>Entalpiakülönbség:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Tömegáram:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Nyomóold. hőm. I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Nyomóold. hőm. C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Nyomóold. hőm. M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Hűtőteljesítmény:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Felvett teljesítmény</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW,</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>kompresszor(ok)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW a ventilátoroknak</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW a szivattyúknak</translation>
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
        <translation>a szivattyúknak </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>párhuzamos kompresszorok</translation>
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
        <translation>Teljesítmények</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Áramerősség</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh éjfél
óta</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh január
1. óta</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>A kompresszorok:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Feszültség</translation>
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
        <translation>Hatásos(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Látszólagos(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Meddő(kVAR)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Kompresszor 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Kompresszor 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Kompresszor 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Kompresszor 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Kompresszor 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Kompresszor 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Ventilátorok
 kondenzátor</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Szivattyú(k)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Kompresszor P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Hűtőteljesítmény:</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Phase1(A)</source>
        <translation>Fázis1(A)</translation>
    </message>
    <message>
        <source>Phase2(A)</source>
        <translation>Fázis2(A)</translation>
    </message>
    <message>
        <source>Phase3(A)</source>
        <translation>Fázis3(A)</translation>
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
        <translation>Kondenzátor kiválasztása</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Kondenzátor méretezési
külső hőmérséklete:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>A kondenzátor valós DT-je nyári állandó üzemben:</translation>
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
        <translation>Szabályozási lépés állandója</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Állandó 1 * EXP(Eltérés °C-ban* Állandó 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Állandók nullázása</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Állandó 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Állandó 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Lépés számítás(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Lépés:</translation>
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
        <translation>Lépés számítás(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Eltérés °C-ban</translation>
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
        <translation>Szabályozási differenciál</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ ventilátor</translation>
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
        <translation>- ventilátor</translation>
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
        <translation>Kompresszor(ok) üzemjelzése</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Kompresszor(ok) üzem-visszajelzésének kiválasztása</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>kompresszor(ok) üzemjelzése az ORV-ről</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>kompresszor(ok) üzem-visszajelzése a HPF modul száraz érintkezőjén</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> kompresszor(ok) üzem-visszajelzése az ENERGIA modulon keresztül</translation>
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
        <translation>HPF modul infó</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>HPF modul &lt;font color=&apos;blue&apos;&gt;ÉSZLELVE és CSATLAKOZTATVA&lt;/font&gt;. &lt;font color=&apos;blue&apos;&gt;Folytathatja&lt;/font&gt; a konfigurálást.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>HPF modul OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>HPF modul keresésének
újraindítása.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>Indításkor NEM található HPF modul. Az alábbi &lt;font color=&apos;red&apos;&gt;KERESÉS&lt;/font&gt; gombbal &lt;font color=&apos;red&apos;&gt;ÚJRAINDÍTHATJA&lt;/font&gt; az észlelést</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;NEM&lt;/font&gt; található HPF modul. &lt;font color=&apos;red&apos;&gt;Ellenőrizze&lt;/font&gt; a bekötéseket.</translation>
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
        <translation>Éjszakai üzem</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Az éjszakai üzem az éjszakai üzem T/R
bemenetének zárásával aktiválódik</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   Max. mA éjszakai üzemben:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>Max. volt éjszakai üzemben:</translation>
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
        <translation>Éjszakai üzem feloldási kondenzáció °C-ban:</translation>
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
        <translation>Paraméterezés vége</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Mentés és küldés
a HPF modulnak</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK, a konfiguráció &lt;font color=&apos;blue&apos;&gt;elmentve és elküldve&lt;/font&gt; a HPF modulnak.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;HIBA a konfiguráció HPF modulnak küldésekor&lt;/font&gt;. Kérjük, &lt;font color=&apos;red&apos;&gt;PRÓBÁLJA ÚJRA/KÜLDJE ÚJRA&lt;/font&gt;.</translation>
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
        <translation>Adja meg a minimális kondenzációs hőmérsékletet
az expanziós szelepek jó működéséhez</translation>
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
        <translation>Frekvenciaváltó késleltetése</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Ventilátor bekapcsolás</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>másodpercben</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Ventilátor kikapcsolás</translation>
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
        <translation>ORV és ModBUS UART sebesség</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>HPF modul kikapcsolása</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>UART1 port ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>UART2 port MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>BEFEJEZÉS / VISSZA A MENTÉSHEZ</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nincs</translation>
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
        <translation>Frekvenciaváltó</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Van a frekvenciaváltónak 4-20 mA-es
teljesítmény-visszajelzése?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Teljesítmény 20 mA-nél :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>A frekvenciaváltó mindig az első, 0-nál nagyobb teljesítményű ventilátorfokozathoz van rendelve; így ha az első relé hibás, elég az összes fokozatot eltolni, és a teljesítményeket a megfelelő fokozatokhoz rendelni.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Nincs frekvenciaváltó</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Fordulatszám-szabályozás az első kondenzátorfokozaton</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Fordulatszám-szabályozás minden ventilátorfokozaton</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>voltban</translation>
    </message>
    <message>
        <source>en mA</source>
        <translation>mA-ben</translation>
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
        <translation>Ventilátorfokozat</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Kiválasztott fokozat:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>A ventilátorfokozat felvett
teljesítménye wattban</translation>
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
        <translation>Külső T°</translation>
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
        <translation>NN</translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation>0 / 0</translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation>Ventilátorfokozat(ok), azaz:</translation>
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
        <translation>Alap + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Számított
alapjel</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Alap - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Semleges zóna
+ ventilátor igény</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Semleges zóna
- ventilátor igény</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>NN min</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>BE/KI</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>TEHERLED.</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>ÉJSZAKA</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>TARTALÉK</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>Úszó NN</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>ORV kompresszor(ok)</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Vészüzem</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>RS485 probléma:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Leállási
alapjel</translation>
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
        <translation>Kilépés</translation>
    </message>
</context>
</TS>
