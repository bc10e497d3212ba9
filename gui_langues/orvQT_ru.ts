<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="fr_FR">
<context>
    <name>cORV</name>
    <message>
        <source>Informations ORV</source>
        <translation>Информация ORV</translation>
    </message>
    <message>
        <source>Demarrage du ORV v%1.%2.%3</source>
        <translation>Запуск ORV v%1.%2.%3</translation>
    </message>
    <message>
        <source>Chargement de la LANGUE:</source>
        <translation>Загрузка ЯЗЫКА:</translation>
    </message>
    <message>
        <source> -- Reconfiguration de la LANGUE necessaire</source>
        <translation> -- Требуется настройка ЯЗЫКА</translation>
    </message>
    <message>
        <source> ++ Chargement LANGUE [%1] OK</source>
        <translation> ++ ЯЗЫК [%1] загружен OK</translation>
    </message>
    <message>
        <source> -- ERREUR Chargement fichier LANGUE [%1]</source>
        <translation> -- ОШИБКА загрузки файла ЯЗЫКА [%1]</translation>
    </message>
</context>
<context>
    <name>Langue</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
</context>
</TS>
