<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
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
</TS>
