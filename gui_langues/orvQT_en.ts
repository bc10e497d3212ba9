<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Technical alarm&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>999d, 23 H : 59 Min : 59 Sec / </translation>
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
        <translation>Charge : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Refrigerant : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subcritical</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transcritical</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Receivers: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Receivers: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>SC : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flash gas with </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Low level alarm &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 H : %2 Min : %3 Sec / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Stat 1 alarm</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>LP alarm</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarms 3d + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Stat 3 alarm</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Recalculation</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>MACHINE STOP</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Rejected:
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
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
</context>
</TS>
