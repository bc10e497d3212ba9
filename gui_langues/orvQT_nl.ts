<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="fr_FR">
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
        <source>Valider</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_Condensateur</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection du condenseur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_ConstVaria</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante du Pas de Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcul Pas(Volt):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_Differentiel</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differentiel de regulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.5°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- ventilation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_InfoOnComp</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information de marche compresseur(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_Infos</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infos Module HPF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_ModeNuit</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Nuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condensation de deverouillage du Mode Nuit en °C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45°C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_SendFin</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin Parametrage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_TCmini</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC Mini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TC mini:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_TempoVaria</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporisation du Variateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_UART</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse UART ORV et ModBUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bauds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_Variateur</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variateur de Vitesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en mA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfConfig_Ventil</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage de Ventillation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hpfInfo_Display</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T° Exterieure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cons + Dif+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
