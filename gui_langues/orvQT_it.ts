<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="fr_FR">
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
        <source>Valider</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>cConf_Energie</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module Energie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse
RS485:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>654321</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affectation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maxi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT&amp;100 Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cp_InfoDisplay</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caracteristiques ThermoDynamiques:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glide </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dm3/kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kj/kg-k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kj/kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference d&apos;enthalphie:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kw </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pour les pompes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>enerInfo_Display</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active(kW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase1(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase2(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase3(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW/h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
