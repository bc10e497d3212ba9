<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="fr_FR">
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
</context>
<context>
    <name>Choix</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
    <name>Info_Norvale</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NORVALE S.A.S.
1 allee des Frigoristes - 69000 LYON - FRANCE</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Info_config</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Speicherplatz in MB:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Russe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Italien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection de la langue francaise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ändern der Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsche Sprache ausgewahlte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El cambio de idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El ORV debe reiniciar el sistema para cargar el idioma español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La modifica della lingua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il ORV deve riavviare per caricare italiano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Het wijzigen van de taal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De ORV moet herstarten om de Nederlandse taal te laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A nyelv módosítása</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A magyar nyelv válogatott</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Kältetechniker-
einsatz beginnen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu_Reapprentissage</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Bitte prüfen Sie die Verkabelung Ihrer Sensoren!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Wählen Sie eine Option...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation type="unfinished"></translation>
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
    <name>RecalculProcess</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Neue Füllmenge kg:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cPassword</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
</TS>
