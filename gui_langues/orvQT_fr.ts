<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
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
        <source>Valider</source>
        <translation>Valider</translation>
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
