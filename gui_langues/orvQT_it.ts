<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Impostazione allarme
livello basso (sicurezza)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Peso minimo (allarme) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Ritardo di : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Sorveglianza centrale Pump Down</translation>
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
        <translation>Avvia autotest</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Autotest terminato!
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
        <translation>Pressione BP:</translation>
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
gas aspirato:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Temperatura liquido:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>Entropia BP:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>Entalpia BP:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Rendimento
isentropico:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Potenza assorbita
compressori: kW</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>COP teorico
compressori:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>COP teorico
comp. + vent.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>COP teorico
comp. + vent. + pompa:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>Pressione AP:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>Temperatura AP:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Entalpia
liquido AP:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Temperatura
mandata
misurata:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Temperatura
mandata
isentropica:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Temperatura
mandata
calcolata:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Entalpia mandata:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Rapporto di compressione:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Entalpia reale
alla mandata:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Portata massica: g/s</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Potenza frigorifera: kW</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Campo del sensore AP 4-20 mA</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Pressione min.</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Pressione max.</translation>
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
        <translation>Calibrazione offset 0
(a pressione atmosferica)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Azzera offset
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Modulo di misura V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Modulo di misura V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Nessun modulo di misura</translation>
    </message>
    <message>
        <source>De </source>
        <translation>Da </translation>
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
        <translation>ATTENZIONE: avviare la CALIBRAZIONE della sonda di pressione AP?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Avviare la calibrazione della pressione?!
Confermare se la sonda è a pressione atmosferica!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>ERRORE misura pressione AP</translation>
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
        <translation>Scelta della modalità di accesso</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Parametri e regolazioni</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Visualizzazioni</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
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
        <translation>Selezionare il fluido:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = miscele del cliente</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Tipo di condensatore:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aria</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Potenza condensatore a 25 °C esterni
 con un Dt di 15 K (kW):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Subcritico</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Transcritico</translation>
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
        <translation>La colonna</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Rame frigorifero da 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Rame frigorifero da 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Acciaio inox 40 x 2</translation>
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
        <translation>Tipo di compressore/i</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistoni</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Vite</translation>
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
        <translation>Backup/Ripristino
file config da USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Ripristina file
da chiavetta USB</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Salva file
 su chiavetta USB</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Leggi config
da chiavetta USB</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>La chiavetta USB è collegata
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Collegare la chiavetta USB, per favore!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Numero di file da salvare: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>Chiavetta USB collegata/rilevata OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Salvataggio del file: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>ERRORE Salvataggio: %1 file non copiati.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Salvataggio terminato.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Selezionare la cartella USB dei file salvati</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Numero di file da ripristinare: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Ripristino del file: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>L&apos;ORV si riavvierà.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>ERRORE Ripristino: %1 file non copiati.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Ripristino di %1 file terminato.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Ripristino terminato.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Apri config</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>ERRORE lettura file CONFIG USB</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>File USB %1 letto con successo.</translation>
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
        <translation>Ripristino file CONFIG
CLIENTE da USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Ripristina file
da chiavetta USB</translation>
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
        <translation>Diametro interno del ricevitore</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Allarme tecnico&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>ALLARME</translation>
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
        <translation>999g, 23 H : 59 Min : 59 Sec / </translation>
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
        <translation>Carica : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Fluido : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subcritico</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transcritico</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>N. ricevitori: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>N. ricevitori: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>SR : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flash gas con </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Allarme livello basso &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 H : %2 Min : %3 Sec / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Allarme Stat 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Allarme LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Allarmi 3g + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Allarme Stat 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Apprendimento</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Ricalcolo</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>ARRESTO MACCHINA</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Reiezione:
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
        <translation>Salvataggio della configurazione </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>Configurazione PT100: sostituire ogni sonda di
temperatura con una resistenza da 100 ohm</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Temperatura esterna:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Taratura</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 cavo 3 m</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Misura:</translation>
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
        <translation>Correzione:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Correzione manuale:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Temperatura liquido
 -Ingresso ricevitore:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Temperatura liquido
 -Uscita ricevitore:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Termometro radio (attiva/disattiva)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Termometro radio ON</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Sonda esterna radio:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Termometro radio OFF</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Sonda esterna PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Temperatura esterna:</translation>
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
        <translation>Data/Ora/Fuso orario</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Data locale:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>Giorno:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Ora locale:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuti:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>Ora GMT:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Esci / Salva</translation>
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
        <translation>Altezza colonna</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Tra gli assi dei raccordi dei flessibili</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Inclinazione del ricevitore&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Se il ricevitore non è inclinato, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;ben orizzontale, il valore è 0 mm;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;altrimenti prendere l&apos;altezza dell&apos;inclinazione&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;con una livella.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Lunghezza del Ricevitore</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Misurare tra le due estremità</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Altezza Colonna</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Misurare tra gli assi dei raccordi dei flessibili</translation>
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
        <translation>Informazioni generali sull&apos;impianto</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Volume interno condensatore/i</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Carica di refrigerante dell&apos;impianto</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Volume del ricevitore</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Volume interno gas cooler</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Volume di un ricevitore</translation>
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
        <translation>Assistenza tecnica:
Tel.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Servizio commerciale:
Tel.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Data tara</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	Versione ORV : %1</translation>
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
        <translation>Informazioni sulla configurazione</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Data di oggi	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Contenuto file RCS di sistema:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Spazio di archiviazione in MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Sezione config.	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Libero = %1 MB</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Totale = %1 MB</translation>
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
        <translation>Registro eventi</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source> Francais</source>
        <translation> Francese</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Spagnolo</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> I&amp;nglese</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Russo</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> &amp;Tedesco</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Ungherese</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Italiano</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> &amp;Olandese</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
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
        <translation>Errore</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>ERRORE di caricamento del file LINGUA [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Prima messa in servizio</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Tacitazione allarme</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Apprendimento</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Interruzione alimentazione</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Avvio dell&apos;ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Caricamento da USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Caricamento dalla rete</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Allarme tipo 1 (perdita statistica 3 giorni)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Allarme tipo 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Allarme tipo 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Allarme livello basso ricevitore</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Guasto sonda temperatura esterna</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Guasto sonda temperatura ingresso ricevitore</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Guasto sonda temperatura uscita ricevitore</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Guasto sonda temperatura aspirazione</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Guasto sonda liquido sottoraffreddatore</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Guasto estensimetro</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Guasto sensore alta pressione</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Guasto sensore bassa pressione</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Guasto comunicazione scheda di misura</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Guasto comunicazione flussimetro</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Riavvio della comunicazione</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Varie</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Modifica AP minima</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Modifica contatto NC/NA</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Modifica stato BP adattiva</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Modifica stato AP flottante</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Modifica sensibilità allarme 3 giorni</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Modifica indicatore allarme 3 giorni</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Modifica diametro tubo liquido</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Modifica tipo di montaggio portata</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Modifica scarto portata</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Modifica taratura PT100 sottoraffreddamento</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Modifica gruppo cliente</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Modifica tipo di negozio</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Modifica codice 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Modifica codice contratto</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Consultazione delle curve</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Controllo dei sensori in guasto</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Scrittura della configurazione</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Riarmo</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Avvio di un riapprendimento</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Invio dei file</translation>
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
        <translation>Menu principale</translation>
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
        <translation>Info sulla configurazione</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Misura del peso</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Info e assistenza Norvale</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>Configurazione
ORV</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Configurazione
modulo AP flottante</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Configurazione
 modulo Energia</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Backup/Ripristino
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Avvia intervento
frigorista</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Riapprendimento
Tacitazione allarmi</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Data/Ora
Fuso orario</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>Autotest ORV</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>Riavvio
dell&apos;ORV</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Menu visualizzazioni</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Menu parametri e regolazioni</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Termina intervento
frigorista</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Riavvio/Reboot dell&apos;ORV ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Confermare il riavvio dell&apos;ORV ?!
Premere OK per riavviare l&apos;ORV!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Menu Norvale</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Controllo del peso</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
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
        <translation>Tacitazione allarmi</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Riapprendimento</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Ricalcolo del livello
di riferimento</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Verificare il cablaggio delle sonde!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Selezionare un&apos;opzione...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Tacitazione</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avete localizzato e riparato una perdita?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;In base al vostro intervento, avviare un ricalcolo o un riapprendimento.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Ricalcolo</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>Ri&amp;apprendimento</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Verificare le impostazioni degli allarmi (sensibilità, ritardo, livello basso).

Promemoria: il kit di manutenzione regolamentare deve essere sostituito ogni anno.

Vedere la guida delle buone pratiche per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Avete effettuato una ricarica?

 In caso affermativo inserire la carica effettuata e premere &quot;Sì&quot;. 

Altrimenti premere &quot;No&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Riapprendimento</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Attenzione: se una perdita è ancora attiva sulla centrale durante un riapprendimento, l&apos;affidabilità del rilevamento perdite può essere compromessa.

Un riapprendimento dura diversi giorni, durante i quali non ci sono allarmi statistici (a differenza dell&apos;allarme di livello basso, sempre attivo).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Un riapprendimento deve essere avviato nei casi seguenti:

- Modifica sull&apos;impianto (avvio invernale del recupero di calore, chiusura di uno stadio di condensazione).

- Modifica sull&apos;ORV (sostituzione kit annuale, nuova tara).

Siete sicuri di voler avviare un riapprendimento?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Ricalcolo</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Attenzione: se una perdita è ancora attiva sulla centrale durante un ricalcolo, l&apos;affidabilità del rilevamento perdite può essere compromessa.

Un ricalcolo dura diverse ore, durante le quali non ci sono allarmi statistici (a differenza dell&apos;allarme di livello basso, sempre attivo).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Un ricalcolo deve essere avviato solo nei casi seguenti:

- variazione del livello medio del ricevitore.

- riparazione di una perdita statistica con o senza ricarica.

- in caso di rabbocco della carica.

Siete sicuri di voler avviare un ricalcolo?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>L&apos;ORV è già in modalità APPRENDIMENTO</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>L&apos;ORV è già in modalità RICALCOLO</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Misura della tara della colonna</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Le valvole sono chiuse?
La colonna è vuota di refrigerante?
I flessibili sono senza tensioni?
Non toccare la colonna durante la misura</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Verificare il PESO della colonna. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Nessuna misura utilizzabile per la TARA.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Peso della colonna:</translation>
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
        <translation>Normalmente la tara è superiore a  %1 g</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>ATTENZIONE: avviare la TARA?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Avviare la procedura di tara?!
Siete sicuri?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfaccia:</translation>
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
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Maschera:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Modifica IP server</translation>
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
        <translation>Autenticazione:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Chiave di cifratura: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Stato:      </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Test
connessione</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Invio
file</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Ricezione
file</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Salva
configurazione</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Tastiera
ON</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Esci</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>ERRORE Wi-Fi USB non configurato</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Tastiera
OFF</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>ERRORE riconfigurazione rete, correggere e riprovare.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Riconfigurazione rete in corso .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>Modifica ID %1 salvata.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Collegare la chiavetta USB Wi-Fi, grazie.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>Nessun server DHCP trovato, o errore configurazione Wi-Fi.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Configurazione rete salvata.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Verificare che il cavo Ethernet sia collegato
O che la chiavetta USB Wi-Fi sia inserita.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Test della connessione in corso...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Recupero dei file (2) di configurazione da VOREDANE ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>ERRORE nel recupero dei file (2) di configurazione VOREDANE, riprovare</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>File di configurazione VOREDANE recuperati
Installazione dei file (2) di configurazione, ATTENZIONE riavvio ORV ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>File di configurazione installati, RIAVVIO in corso....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>ERRORE installazione dei file di configurazione, riprovare</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>Rete INTERNET OK, connessione con il server riuscita.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>NESSUNA rete INTERNET, connessione con il server fallita</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Trasferimento file in corso ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: trasferimento file riuscito.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>ERRORE trasferimento file.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Ricezione file in corso ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>Ricezione file SFTP terminata.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Ricezione file già in corso o nessun Internet, riprovare più tardi.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Questo indirizzo IP server è già configurato</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>ERRORE indirizzo IP server non valido.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Nuovo indirizzo IP server salvato (%1)</translation>
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
        <translation>Configurazione ORV</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Nome dell&apos;ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * 20 caratteri massimo</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Nome cliente sul sito:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * 40 caratteri massimo</translation>
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
        <translation>Controllo del peso</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Peso misurato:</translation>
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
        <translation>Peso del liquido:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>g (senza i 70 mm)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Densità del liquido:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Altezza del liquido:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
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
        <translation>Avete effettuato una ricarica?

 In caso affermativo inserire la carica effettuata e premere &quot;Sì&quot;. 

Altrimenti premere &quot;No&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Nuova carica kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
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
        <translation>Impostazioni dell&apos;impianto</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Setpoint BP </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>BP adattiva</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Setpoint AP</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>AP flottante</translation>
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
        <translation>Ricevitori</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Tipo di ricevitore</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Verticale</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Orizzontale</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Numero di ricevitori</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 ricevitore</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 ricevitori</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 ricevitori</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 ricevitori</translation>
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
        <translation>Impostazione allarmi statistici</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Statistica 3G</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Più sensibile</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Meno sensibile</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Statistica LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Statistica 103</translation>
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
        <translation>Sottoraffreddatore di liquido</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>C&apos;è un sottoraffreddatore di liquido
 all&apos;uscita del ricevitore?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Sì</translation>
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
        <translation>Test scheda di misura</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>SCHEDA DI MISURA:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>velocità
porta seriale</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>tipo scheda
di misura</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Avvia il test</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Nessuna</translation>
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
        <translation>Nessuna SCHEDA DI MISURA rilevata</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>Nessuna SCHEDA DI MISURA rilevata, verificare cablaggio/installazione e modulo di MISURA</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Scheda di misura non ancora TARATA; premere AVVIA IL TEST e poi eseguire la TARA della COLONNA</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Scheda di misura già testata; premere AVANTI se non si vuole ritestare la scheda</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Riavviare l&apos;ORV dopo aver verificato l&apos;installazione del modulo di MISURA!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Avvio dell&apos;autotest ...
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
        <translation>Versione ORV: v%1.%2.%3
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
        <translation> ++ ORV GIORNO PRIMO AVVIO: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV DATA/ORA: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Spazio di memoria (libero/totale): %1MB/%2MB
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
Configurazione rete ETHERNET:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- ATTENZIONE cavo di rete ETHERNET scollegato
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ Cavo di rete ETHERNET collegato OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
Configurazione rete WIFI:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- ATTENZIONE rete USB WIFI scollegata
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ Rete USB WIFI collegata OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Connessione Internet/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Connessione al server VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- ERRORE connessione al server VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Moduli rilevati/trovati:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Nessun modulo di MISURA v1 o v2 rilevato/trovato....

    -(1) Verificare i collegamenti
    -(2) Poi RIAVVIARE l&apos;ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Modulo di misura V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Modulo di misura V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ Modulo HPF: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ Modulo ENERGIE_%1: v%2
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
Partizioni:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Risultato = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Nessuna risposta dalla scheda V1; verificare i collegamenti della scheda di misura</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Nessuna risposta dalla scheda V2; verificare i collegamenti della scheda di misura</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PRECEDENTE</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SUCCESSIVO</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>PRECEDENTE</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>SUCCESSIVO</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: ERRORE Invio Configurazione</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: ERRORE nell&apos;invio della nuova configurazione, riprovare</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Fine configurazione</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Se avete svuotato la colonna, potete riaprire le valvole.
- Se avete tarato le sonde PT100, potete togliere le resistenze e rimettere le sonde.
Premere OK per terminare la configurazione.</translation>
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
        <translation>Modulo Energia</translation>
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
        <translation>Indirizzo
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Indirizzamento</translation>
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
        <translation>Assegnazione</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Potenza TA</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Numero TA</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Potenza 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Potenza 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Potenza 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Sensore di pressione</translation>
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
        <translation>Temperatura PT&amp;100</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Correzione:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>Taratura PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 cavo 3m</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Corr. manuale=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Annulla
Esci</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Salva e invia
al modulo ENERGIA</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Compressore</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>I compressori</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Ventilatori del condensatore</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Pompa</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Banchi frigo</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Celle e laboratorio</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Climatizzazione e riscaldamento</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Compressore/i in parallelo</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Sensore pressione BP</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 surriscaldamento</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>PRESSIONE BP</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 ASPIRAZIONE</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Sensore pressione AP-gas</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 mandata</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>PRESSIONE AP-GAS</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 MANDATA</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 temperatura</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>PRESSIONE RISERVA</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 RISERVA 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Nessun TA</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Nessun modulo ENERGIA rilevato</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>ERRORE di lettura della configurazione dei moduli ENERGIA</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK connesso</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>NON connesso</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>POTENZA:%1 modifica percentuale salvata OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Invio configurazione al modulo ENERGIA %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Invio configurazione modulo ENERGIA %1 OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! FALLITO !! Configurazione modulo ENERGIA %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>ATTENZIONE Avviare la TARATURA del sensore %1?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Avviare la procedura di taratura %1?!
Premere OK se il sensore è a pressione atmosferica!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>ATTENZIONE Avviare la TARATURA della sonda %1 ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Avviare la procedura di taratura %1 ?!
Premere OK DOPO aver collegato la RESISTENZA da 100 ohm al posto della PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>ERRORE risposta modulo ENERGIA %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>ERRORE di misura, riprovare</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Nessuna risposta dalla scheda V1; verificare i collegamenti della scheda di misura</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Nessuna risposta dalla scheda V2; verificare i collegamenti della scheda di misura</translation>
    </message>
</context>
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>Informazioni ORV</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Avvio dell&apos;ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Spazio di memoria (libero/totale): %1MB/%2MB</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Memoria piena, cancellazione dei vecchi file giornalieri ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ Inizializzazione CONFIGURAZIONE terminata con successo</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ID ORV: %1</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Caricamento della LINGUA:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- Configurazione della LINGUA necessaria</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ Caricamento LINGUA [%1] OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- ERRORE caricamento file LINGUA [%1]</translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>Configurazione rete ETHERNET:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ Cavo di rete ETHERNET collegato OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- ATTENZIONE Cavo di rete ETHERNET scollegato</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>Configurazione rete WIFI:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ Adattatore USB WIFI collegato OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- ATTENZIONE Adattatore USB WIFI scollegato</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Connessione Internet/Voredane:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Connessione al server VOREDANE OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- ERRORE connessione al server VOREDANE</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Moduli rilevati/trovati:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Nessun modulo MISURA v1 o v2 rilevato/trovato....
    -(1) Verificare i collegamenti
    -(2) Poi RIAVVIARE l&apos;ORV</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Modulo MisuraV1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Modulo MisuraV2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ Modulo HPF: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ Modulo ENERGIE_%1: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>ERRORE rilevato, verificare.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Avvio delle misure ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Analisi misure</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Analisi in corso...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Aggiornamento programma in corso...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Aggiornamento modulo/i</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Aggiornamento firmware modulo/i in corso...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Salvataggio delle misure</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Inizio delle analisi</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Fine delle analisi</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Operazione terminata</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Riavvio dell&apos;ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Memoria piena, cancellazione dei vecchi file giornalieri ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Errore durante l&apos;aggiornamento del firmware del modulo MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Errore durante l&apos;aggiornamento del firmware del modulo HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Errore durante l&apos;aggiornamento del firmware del modulo ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Errore durante l&apos;aggiornamento del firmware del modulo ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Errore durante l&apos;aggiornamento del firmware del modulo ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Scheda di misura: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Scheda di misura: V2 / </translation>
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
        <translation>	Scheda di misura non rilevata
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Modulo Energia %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	Modulo HPF: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Ultimo apprendimento: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Ultima tara: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>Indirizzo MAC: </translation>
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
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Richiesta rifiutata dall&apos;ORV, nessuna modifica.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Nessuna risposta dalla scheda
			Verificare i collegamenti della scheda di misura_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Peso OK :				 %1 g</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Temperatura uscita ricevitore OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Temperatura esterna OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Temperatura ingresso ricevitore OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Pressione OK :				 %1 bar</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Nessuna risposta dalla scheda
			Verificare i collegamenti della scheda di misura_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Temperatura uscita ricevitore NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Temperatura esterna NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Temperatura ingresso ricevitore NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Modifica IP server</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>Indirizzo IP del server:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Aggiorna</translation>
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
        <translation>Caratteristiche termodinamiche:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Pressione:</translation>
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
        <translation>Densità:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Volume specifico:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Velocità del suono:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Concentrazione di gas:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Entropia:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Entalpia:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>AP
Liquido</translation>
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
        <translation>Differenza di entalpia:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Portata massica:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Temp. mandata I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Temp. mandata C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Temp. mandata M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Potenza frigorifera:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>kW per</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>compressore/i</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>kW per la ventilazione</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>kW per le pompe</translation>
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
        <translation>per le pompe </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>compressori in parallelo</translation>
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
        <translation>Potenze</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Corrente</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>kWh da
mezzanotte</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>kWh dal
1° gennaio</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>I compressori:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensione</translation>
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
        <translation>Attiva(kW)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Apparente(kVA)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Reattiva(kVAR)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Compressore 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Compressore 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Compressore 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Compressore 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Compressore 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Compressore 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Ventilatori
 condensatore</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Pompa/e</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Compressore P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Potenza frigorifera:</translation>
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
        <translation>Selezione del condensatore</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Temperatura esterna di selezione
del condensatore:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>DT reale del condensatore a regime in estate:</translation>
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
        <translation>Costante del passo di variazione</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Costante 1 * EXP(Scarto in °C* Costante 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Azzeramento costanti</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Costante 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Costante 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Calcolo passo(mA):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Passo:</translation>
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
        <translation>Calcolo passo(Volt):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Scarto in °C</translation>
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
        <translation>Differenziale di regolazione</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ ventilazione</translation>
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
        <translation>- ventilazione</translation>
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
        <translation>Informazione di marcia compressore/i</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Scelta del segnale di ritorno marcia compressore/i</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>ritorno marcia compressore/i tramite l&apos;ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>ritorno marcia compressore/i tramite contatto pulito modulo HPF</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> ritorno marcia compressore/i tramite il modulo ENERGIA</translation>
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
        <translation>Info modulo HPF</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>Modulo HPF &lt;font color=&apos;blue&apos;&gt;RILEVATO e CONNESSO&lt;/font&gt;. Potete &lt;font color=&apos;blue&apos;&gt;proseguire&lt;/font&gt; la configurazione.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>Modulo HPF OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Riavviare la ricerca
del modulo HPF.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>NESSUN modulo HPF rilevato all&apos;avvio. Potete &lt;font color=&apos;red&apos;&gt;RIAVVIARE&lt;/font&gt; il rilevamento con il pulsante &lt;font color=&apos;red&apos;&gt;RICERCA&lt;/font&gt; qui sotto</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;NESSUN&lt;/font&gt; modulo HPF rilevato. &lt;font color=&apos;red&apos;&gt;Verificare&lt;/font&gt; i collegamenti.</translation>
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
        <translation>Modo notte</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Il modo notte si attiva chiudendo
l&apos;ingresso T/R del modo notte</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   mA massimo in modo notte:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>volt massimo in modo notte:</translation>
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
        <translation>Condensazione di sblocco del modo notte in °C:</translation>
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
        <translation>Fine parametrizzazione</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Salva e invia
al modulo HPF</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK configurazione &lt;font color=&apos;blue&apos;&gt;salvata e inviata&lt;/font&gt; al modulo HPF.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ERRORE nell&apos;invio della configurazione al modulo HPF&lt;/font&gt;. &lt;font color=&apos;red&apos;&gt;RIPROVARE/REINVIARE&lt;/font&gt; per favore.</translation>
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
        <translation>Indicare la temperatura di condensazione minima per
un buon funzionamento delle valvole di espansione</translation>
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
        <translation>Ritardo dell&apos;inverter</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Inserimento ventilazione</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>in secondi</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Arresto ventilazione</translation>
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
        <translation>Velocità UART ORV e ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>Disattivare il modulo HPF</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>Porta UART1 ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>Porta UART2 MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>FINE / RITORNO SALVATAGGIO</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Nessuno</translation>
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
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Avete un segnale di ritorno di potenza
4-20 mA dall&apos;inverter?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Potenza a 20 mA :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>L&apos;inverter è sempre assegnato al primo stadio di ventilazione con potenza maggiore di 0; quindi, se il primo relè è guasto, basta spostare tutti gli stadi riassegnando le potenze agli stadi corretti.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Nessun inverter</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Variazione di velocità sul primo stadio di condensazione</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Variazione di velocità su tutti gli stadi di ventilazione</translation>
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
        <translation>Stadio di ventilazione</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Stadio selezionato:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Potenza assorbita dello stadio
di ventilazione in watt</translation>
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
        <translation>T° esterna</translation>
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
        <translation>Stadio/i di ventilazione, cioè:</translation>
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
        <translation>Set + Dif+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Setpoint
calcolato</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Set - Dif-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Zona neutra di richiesta
+ ventilazione</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Zona neutra di richiesta
- ventilazione</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>AP min</translation>
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
        <translation>DISTACCO</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>NOTTE</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>RISERVA</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>AP flottante</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Compressore/i ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Modo emergenza</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>Problema RS485:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Setpoint
arresto</translation>
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
        <translation>Esci</translation>
    </message>
</context>
</TS>
