<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="fr_FR">
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
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>Informazioni ORV</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Avvio dell'ORV v%1.%2.%3</translation>
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
</TS>
