<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished">TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Choix</name>
    <message>
        <source>Parametrages et Reglages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished">Quitter</translation>
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
        <translation type="unfinished">Form</translation>
    </message>
    <message>
        <source>Type de Compresseur(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source> Francais</source>
        <translation type="unfinished"></translation>
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
        <source> A&amp;nglais</source>
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
        <source> A&amp;llemand</source>
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
        <source> Espagnol</source>
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
        <source> Italien</source>
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
        <source> &amp;Neerlandais</source>
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
        <source> Russe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hungary</source>
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
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Quitter</source>
        <translation type="unfinished">Quitter</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Quitter</source>
        <translation type="unfinished">Quitter</translation>
    </message>
</context>
<context>
    <name>OrvName</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">Form</translation>
    </message>
    <message>
        <source>Configuration ORV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Form</translation>
    </message>
    <message>
        <source>Reglage Alarmes Statistique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished">TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Contactar con el SPV en: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Para obtener la contraseña, indicar el código:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontaktieren Sie den Kundendienst unter: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damit der Code die Nummer anzeigt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact the after-sales service at: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To have the code indicate the number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратитесь в сервисную службу по адресу: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Чтобы код указывал номер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A kód megadásához jelezze a számot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contattare il servizio post-vendita al numero: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per avere il codice indicare il numero:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请联系售后服务: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要让代码指示数字:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neem contact op met de klantenservice na: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Om de code het nummer te laten vermelden:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacter le SAV au : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour avoir le code indiquer le numero :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Carte Mesure non detectee
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cPassword</name>
    <message>
        <source>Annulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>led_Rect</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">Form</translation>
    </message>
</context>
<context>
    <name>screenMsgBox</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">Form</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished">Quitter</translation>
    </message>
</context>
</TS>
