<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="fr_FR">
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Technisch alarm&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>999d, 23 U : 59 Min : 59 Sec / </translation>
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
        <translation>Vulling : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Koudemiddel : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Subkritisch</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Transkritisch</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Aant. vaten: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Aant. vaten: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>OK : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Flashgas met </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Alarm laag niveau &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 U : %2 Min : %3 Sec / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Alarm Stat 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Alarm LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Alarmen 3d + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Alarm Stat 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Leerfase</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Herberekening</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>MACHINESTOP</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Afgevoerd:
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
</TS>
