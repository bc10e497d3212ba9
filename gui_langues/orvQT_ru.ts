<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="fr_FR">
<context>
    <name>Alarmeclassique</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage d&apos;alarme de
niveau bas (securite)</source>
        <translation>Настройка тревоги
низкого уровня (защита)</translation>
    </message>
    <message>
        <source>Poids mini (Alarme) :</source>
        <translation>Мин. вес (тревога) :</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Temporisation de : </source>
        <translation>Задержка : </translation>
    </message>
    <message>
        <source>Surveillance centrale Pump Down</source>
        <translation>Контроль централи Pump Down</translation>
    </message>
</context>
<context>
    <name>AutoTest</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>ORV AutoTest</source>
        <translation>ORV Самотест</translation>
    </message>
    <message>
        <source>Lancer AutoTest</source>
        <translation>Запустить самотест</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>
AutoTest Terminer!
</source>
        <translation>
Самотест завершён!
</translation>
    </message>
</context>
<context>
    <name>Calc_Method</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Pression BP:</source>
        <translation>Давление НД:</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Temperature BP:</source>
        <translation>Температура НД:</translation>
    </message>
    <message>
        <source>Temperature
gaz aspire:</source>
        <translation>Температура
всасываемого газа:</translation>
    </message>
    <message>
        <source>Temperature liquide:</source>
        <translation>Температура жидкости:</translation>
    </message>
    <message>
        <source>Entropie BP:</source>
        <translation>Энтропия НД:</translation>
    </message>
    <message>
        <source>Enthalpie BP:</source>
        <translation>Энтальпия НД:</translation>
    </message>
    <message>
        <source>Rendement
isentropique:</source>
        <translation>Изоэнтропический
КПД:</translation>
    </message>
    <message>
        <source>Puissance absorbee
compresseurs: kW</source>
        <translation>Потребляемая мощность
компрессоров: кВт</translation>
    </message>
    <message>
        <source>COP theorique
Compresseurs:</source>
        <translation>Теоретический COP
компрессоров:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent:</source>
        <translation>Теоретический COP
комп. + вент.:</translation>
    </message>
    <message>
        <source>COP theorique
Comp + Vent + pompe:</source>
        <translation>Теоретический COP
комп. + вент. + насос:</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Pression HP:</source>
        <translation>Давление ВД:</translation>
    </message>
    <message>
        <source>Temperature HP:</source>
        <translation>Температура ВД:</translation>
    </message>
    <message>
        <source>Enthalpie
HP Liquide:</source>
        <translation>Энтальпия
жидкости ВД:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Mesuree:</source>
        <translation>Температура
нагнетания
измеренная:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Isentrop:</source>
        <translation>Температура
нагнетания
изоэнтроп.:</translation>
    </message>
    <message>
        <source>Temperature
refoulement
Calculee:</source>
        <translation>Температура
нагнетания
расчётная:</translation>
    </message>
    <message>
        <source>Enthalpie refoulement:</source>
        <translation>Энтальпия нагнетания:</translation>
    </message>
    <message>
        <source>Taux de compression:</source>
        <translation>Степень сжатия:</translation>
    </message>
    <message>
        <source>Enthalpie reelle
au refoulement:</source>
        <translation>Реальная энтальпия
нагнетания:</translation>
    </message>
    <message>
        <source>Debit massique: g/s</source>
        <translation>Массовый расход: г/с</translation>
    </message>
    <message>
        <source>Puissance Frigorifique: kW</source>
        <translation>Холодопроизводительность: кВт</translation>
    </message>
</context>
<context>
    <name>Capteurhp</name>
    <message>
        <source>Plage de mesure du capteur HP 4-20 mA</source>
        <translation>Диапазон датчика ВД 4-20 мА</translation>
    </message>
    <message>
        <source>Pression Mini</source>
        <translation>Мин. давление</translation>
    </message>
    <message>
        <source>Pression Maxi</source>
        <translation>Макс. давление</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Смещение 0:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>бар</translation>
    </message>
    <message>
        <source>Calibrage Offset 0
(a la Pression Atmospherique)</source>
        <translation>Калибровка нуля
(при атмосферном давлении)</translation>
    </message>
    <message>
        <source>Reset Offset
</source>
        <translation>Сброс смещения
</translation>
    </message>
    <message>
        <source>Module MesureV1</source>
        <translation>Модуль измерения V1</translation>
    </message>
    <message>
        <source>Module MesureV2</source>
        <translation>Модуль измерения V2</translation>
    </message>
    <message>
        <source>Aucun Module Mesure</source>
        <translation>Нет модуля измерения</translation>
    </message>
    <message>
        <source>De </source>
        <translation>От </translation>
    </message>
    <message>
        <source> A </source>
        <translation> до </translation>
    </message>
    <message>
        <source> Bar</source>
        <translation> бар</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?</source>
        <translation>ВНИМАНИЕ: запустить КАЛИБРОВКУ датчика давления ВД?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage Pression ?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Запустить калибровку давления?!
Подтвердите, если датчик находится при атмосферном давлении!</translation>
    </message>
    <message>
        <source>ERREUR Mesure Pression HP</source>
        <translation>ОШИБКА измерения давления ВД</translation>
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
        <translation>Выбор режима доступа</translation>
    </message>
    <message>
        <source>Parametrages et Reglages</source>
        <translation>Параметры и настройки</translation>
    </message>
    <message>
        <source>Visualisations</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
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
        <translation>Хладагент</translation>
    </message>
    <message>
        <source>Selectionner le fluide :</source>
        <translation>Выберите хладагент:</translation>
    </message>
    <message>
        <source>* NV-xxxx = Melanges Client</source>
        <translation>* NV-xxxx = смеси заказчика</translation>
    </message>
    <message>
        <source>Choix du Condenseur:</source>
        <translation>Тип конденсатора:</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Воздушный</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Puissance Condenseur a 25 °C exterieure
 avec un Dt de 15 K (en kW) :</source>
        <translation>Мощность конденсатора при 25 °C снаружи
 и разности 15 K (кВт):</translation>
    </message>
    <message>
        <source>Subcritique</source>
        <translation>Докритический</translation>
    </message>
    <message>
        <source>Transcritique</source>
        <translation>Транскритический</translation>
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
        <translation>Колонна</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8</source>
        <translation>Холодильная медь 1 5/8</translation>
    </message>
    <message>
        <source>Cuivre Frigorifique en 1 5/8 K65</source>
        <translation>Холодильная медь 1 5/8 K65</translation>
    </message>
    <message>
        <source>Inox 40 x 2</source>
        <translation>Нержавеющая сталь 40 x 2</translation>
    </message>
</context>
<context>
    <name>CompressorType</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Type de Compresseur(s)</source>
        <translation>Тип компрессора(ов)</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Поршневой</translation>
    </message>
    <message>
        <source>Vis</source>
        <translation>Винтовой</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Спиральный</translation>
    </message>
</context>
<context>
    <name>CopyFilesToUSB</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
fichiers config depuis USB</source>
        <translation>Резервирование/Восстановление
файлов настроек с USB</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Восстановить файлы
с USB-носителя</translation>
    </message>
    <message>
        <source>Sauvegarde Fichiers
 vers USB Dongle</source>
        <translation>Сохранить файлы
 на USB-носитель</translation>
    </message>
    <message>
        <source>Lire Config
depuis USB Dongle</source>
        <translation>Читать настройки
с USB-носителя</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Votre dongle USB est brancher
</source>
        <translation>USB-носитель подключён
</translation>
    </message>
    <message>
        <source>Veuillez brancher votre dongle USB SVP !
</source>
        <translation>Пожалуйста, подключите USB-носитель!
</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Sauvegarder: %1
</source>
        <translation>Число файлов для сохранения: %1
</translation>
    </message>
    <message>
        <source>Dongle USB Brancher/Detecter OK
</source>
        <translation>USB-носитель подключён/обнаружен OK
</translation>
    </message>
    <message>
        <source>Sauvegarde du fichier: %1</source>
        <translation>Сохранение файла: %1</translation>
    </message>
    <message>
        <source>ERREUR Sauvegarde: %1 fichier(s) non copie(s).</source>
        <translation>ОШИБКА сохранения: не скопировано файлов: %1.</translation>
    </message>
    <message>
        <source>Sauvegarde terminer.</source>
        <translation>Сохранение завершено.</translation>
    </message>
    <message>
        <source>Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes</source>
        <translation>Выберите папку USB с сохранёнными файлами</translation>
    </message>
    <message>
        <source>Nombre de fichier(s) a Restaurer: %1
</source>
        <translation>Число файлов для восстановления: %1
</translation>
    </message>
    <message>
        <source>Restauration du fichier: %1</source>
        <translation>Восстановление файла: %1</translation>
    </message>
    <message>
        <source>Le ORV va redemarrer/rebooter.</source>
        <translation>ORV будет перезапущен.</translation>
    </message>
    <message>
        <source>ERREUR Restauration: %1 fichier(s) non copie(s).</source>
        <translation>ОШИБКА восстановления: не скопировано файлов: %1.</translation>
    </message>
    <message>
        <source>Restauration %1 fichier(s) terminée.</source>
        <translation>Восстановление файлов завершено: %1.</translation>
    </message>
    <message>
        <source>Restauration terminer.</source>
        <translation>Восстановление завершено.</translation>
    </message>
    <message>
        <source>Ouvrir Config</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>ERREUR lecture fichier CONFIG USB</source>
        <translation>ОШИБКА чтения файла настроек с USB</translation>
    </message>
    <message>
        <source>Fichier USB %1 lu avec succes.</source>
        <translation>Файл USB %1 успешно прочитан.</translation>
    </message>
</context>
<context>
    <name>CopyFilesToUSB_bench</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Restauration fichier CONFIG
CLIENT depuis USB</source>
        <translation>Восстановление НАСТРОЕК
КЛИЕНТА с USB</translation>
    </message>
    <message>
        <source>Terminer</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Restaurer Fichiers
depuis USB Dongle</source>
        <translation>Восстановить файлы
с USB-носителя</translation>
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
        <translation>Внутренний диаметр ресивера</translation>
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
        <translation>Меню</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt; color:#ff0000;&quot;&gt;Технич. тревога&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>ALARME</source>
        <translation>ТРЕВОГА</translation>
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
        <translation>999д, 23 ч : 59 мин : 59 с / </translation>
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
        <translation>Заправка : %1 Kg   </translation>
    </message>
    <message>
        <source>Fluide : %1 </source>
        <translation>Хладагент : %1 </translation>
    </message>
    <message>
        <source> Subcritique</source>
        <translation> Докритический</translation>
    </message>
    <message>
        <source> Transcritique</source>
        <translation> Транскритический</translation>
    </message>
    <message>
        <source>NB.reservoir: </source>
        <translation>Ресиверов: </translation>
    </message>
    <message>
        <source>NB. reservoirs: </source>
        <translation>Ресиверов: </translation>
    </message>
    <message>
        <source>SR : %.1f K</source>
        <translation>ПО : %.1f K</translation>
    </message>
    <message>
        <source>Flash Gaz avec </source>
        <translation>Флэш-газ </translation>
    </message>
    <message>
        <source>Alarme Niveau Bas &lt; </source>
        <translation>Тревога низк. уровня &lt; </translation>
    </message>
    <message>
        <source>%1 H : %2 Min : %3 Sec / </source>
        <translation>%1 ч : %2 мин : %3 с / </translation>
    </message>
    <message>
        <source>Alarme Stat 1</source>
        <translation>Тревога Стат 1</translation>
    </message>
    <message>
        <source>Alarme LP</source>
        <translation>Тревога LP</translation>
    </message>
    <message>
        <source>Alarmes 3j + LP</source>
        <translation>Тревоги 3д + LP</translation>
    </message>
    <message>
        <source>Alarme Stat 3</source>
        <translation>Тревога Стат 3</translation>
    </message>
    <message>
        <source>Apprentissage</source>
        <translation>Обучение</translation>
    </message>
    <message>
        <source>Recalcul</source>
        <translation>Пересчёт</translation>
    </message>
    <message>
        <source>ARRET MACHINE</source>
        <translation>ОСТАНОВ МАШИНЫ</translation>
    </message>
    <message>
        <source>Rejet:
%1 kW</source>
        <translation>Отвод:
%1 кВт</translation>
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
        <translation>Сохранение конфигурации </translation>
    </message>
</context>
<context>
    <name>Etalonnage</name>
    <message>
        <source>Configuration PT100: Remplacer chaque sonde de
temperature par une resistance de 100 ohms</source>
        <translation>Настройка PT100: замените каждый датчик
температуры резистором 100 Ом</translation>
    </message>
    <message>
        <source>Temperature Exterieure:</source>
        <translation>Наружная температура:</translation>
    </message>
    <message>
        <source>Etalonnage</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 кабель 3 м</translation>
    </message>
    <message>
        <source>Mesure:</source>
        <translation>Измерение:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Коррекция:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Correction Manuel:</source>
        <translation>Ручная коррекция:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Entree du reservoir:</source>
        <translation>Температура жидкости
 -Вход ресивера:</translation>
    </message>
    <message>
        <source>Temperature liquide
 -Sortie du reservoir:</source>
        <translation>Температура жидкости
 -Выход ресивера:</translation>
    </message>
    <message>
        <source>Thermometre Radio (Activer/Desactiver)</source>
        <translation>Радиотермометр (вкл/выкл)</translation>
    </message>
    <message>
        <source>Thermometre Radio ON</source>
        <translation>Радиотермометр ВКЛ</translation>
    </message>
    <message>
        <source>Sonde Exterieure Radio:</source>
        <translation>Наружный датчик, радио:</translation>
    </message>
    <message>
        <source>Thermometre Radio OFF</source>
        <translation>Радиотермометр ВЫКЛ</translation>
    </message>
    <message>
        <source>Sonde Exterieure PT100:</source>
        <translation>Наружный датчик PT100:</translation>
    </message>
    <message>
        <source>Temperature exterieure:</source>
        <translation>Наружная температура:</translation>
    </message>
</context>
<context>
    <name>FuseauHorraire</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Date/Heure/Fuseau Horraire</source>
        <translation>Дата/Время/Часовой пояс</translation>
    </message>
    <message>
        <source>Votre Date Locale:</source>
        <translation>Местная дата:</translation>
    </message>
    <message>
        <source>Jour:</source>
        <translation>День:</translation>
    </message>
    <message>
        <source>Mois:</source>
        <translation>Месяц:</translation>
    </message>
    <message>
        <source>Annee:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Votre Heure Locale:</source>
        <translation>Местное время:</translation>
    </message>
    <message>
        <source>Heure:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Минуты:</translation>
    </message>
    <message>
        <source>Heure GMT:</source>
        <translation>Время GMT:</translation>
    </message>
    <message>
        <source>00:00</source>
        <translation>00:00</translation>
    </message>
    <message>
        <source>Quitter / Enregistrer</source>
        <translation>Выход / Сохранить</translation>
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
        <translation>Высота колонны</translation>
    </message>
    <message>
        <source>Entre axes des raccords des flexibles</source>
        <translation>Между осями штуцеров шлангов</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:18pt; font-weight:600;&quot;&gt;Наклон ресивера&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:11pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;Если ресивер не наклонён, &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;строго горизонтален, значение 0 мм;&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;иначе измерьте высоту наклона&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:14pt;&quot;&gt;с помощью уровня.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>45.45°</source>
        <translation>45.45°</translation>
    </message>
    <message>
        <source>Longueur du Reservoir</source>
        <translation>Длина ресивера</translation>
    </message>
    <message>
        <source>Mesurer entre les deux extremes</source>
        <translation>Измерять между двумя концами</translation>
    </message>
    <message>
        <source>Hauteur Colonne</source>
        <translation>Высота колонны</translation>
    </message>
    <message>
        <source>Mesurer entre les axes des raccords des flexibles</source>
        <translation>Измерять между осями штуцеров шлангов</translation>
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
        <translation>Общие сведения об установке</translation>
    </message>
    <message>
        <source>Volume interne Condenseur(s)</source>
        <translation>Внутренний объём конденсатора(ов)</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Charge en fluide frigorigene de l&apos;installation</source>
        <translation>Заправка хладагента установки</translation>
    </message>
    <message>
        <source>Volume du reservoir</source>
        <translation>Объём ресивера</translation>
    </message>
    <message>
        <source>Volume interne Gas Cooler</source>
        <translation>Внутренний объём газоохладителя</translation>
    </message>
    <message>
        <source>Volume d&apos;un reservoir</source>
        <translation>Объём одного ресивера</translation>
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
        <translation>Техническая поддержка:
Тел.: +33 (0)4 00 00 00 01
support@norvale.example</translation>
    </message>
    <message>
        <source>Service commercial :
Tel : +33 (0)4 00 00 00 02
commercial@norvale.example</source>
        <translation>Отдел продаж:
Тел.: +33 (0)4 00 00 00 02
commercial@norvale.example</translation>
    </message>
    <message>
        <source>label version</source>
        <translation>label version</translation>
    </message>
    <message>
        <source>Date tare</source>
        <translation>Дата тары</translation>
    </message>
    <message>
        <source>label date</source>
        <translation>label date</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>(c) NORVALE 2004 - %1</source>
        <translation>(c) NORVALE 2004 - %1</translation>
    </message>
    <message>
        <source>	ORV Version : %1</source>
        <translation>	Версия ORV : %1</translation>
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
        <translation>Сведения о конфигурации</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Date du jour	:	</source>
        <translation>Сегодня	:	</translation>
    </message>
    <message>
        <source>Contenu Fichier RCS systeme:</source>
        <translation>Содержимое системного файла RCS:</translation>
    </message>
    <message>
        <source>Espace de Stockage en Mo:</source>
        <translation>Место для хранения, МБ:</translation>
    </message>
    <message>
        <source>Config Section	:	</source>
        <translation>Раздел конф.	:	</translation>
    </message>
    <message>
        <source>Libre = %1 Mo</source>
        <translation>Свободно = %1 МБ</translation>
    </message>
    <message>
        <source>Total = %1 Mo</source>
        <translation>Всего = %1 МБ</translation>
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
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
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
        <source> Francais</source>
        <translation> Французский</translation>
    </message>
    <message>
        <source> Espagnol</source>
        <translation> Испанский</translation>
    </message>
    <message>
        <source> A&amp;nglais</source>
        <translation> А&amp;нглийский</translation>
    </message>
    <message>
        <source> Russe</source>
        <translation> Русский</translation>
    </message>
    <message>
        <source> A&amp;llemand</source>
        <translation> &amp;Немецкий</translation>
    </message>
    <message>
        <source> Hungary</source>
        <translation> Венгерский</translation>
    </message>
    <message>
        <source> Italien</source>
        <translation> Итальянский</translation>
    </message>
    <message>
        <source> &amp;Neerlandais</source>
        <translation> Н&amp;идерландский</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Changement de la langue</source>
        <translation>Changement de la langue</translation>
    </message>
    <message>
        <source>Selection de la langue francaise</source>
        <translation>Selection de la langue francaise</translation>
    </message>
    <message>
        <source>Language Change</source>
        <translation>Language Change</translation>
    </message>
    <message>
        <source>English language selected</source>
        <translation>English language selected</translation>
    </message>
    <message>
        <source>Ändern der Sprache</source>
        <translation>Ändern der Sprache</translation>
    </message>
    <message>
        <source>Deutsche Sprache ausgewahlte</source>
        <translation>Deutsche Sprache ausgewahlte</translation>
    </message>
    <message>
        <source>El cambio de idioma</source>
        <translation>El cambio de idioma</translation>
    </message>
    <message>
        <source>El ORV debe reiniciar el sistema para cargar el idioma español</source>
        <translation>El ORV debe reiniciar el sistema para cargar el idioma español</translation>
    </message>
    <message>
        <source>La modifica della lingua</source>
        <translation>La modifica della lingua</translation>
    </message>
    <message>
        <source>Il ORV deve riavviare per caricare italiano</source>
        <translation>Il ORV deve riavviare per caricare italiano</translation>
    </message>
    <message>
        <source>Het wijzigen van de taal</source>
        <translation>Het wijzigen van de taal</translation>
    </message>
    <message>
        <source>De ORV moet herstarten om de Nederlandse taal te laden</source>
        <translation>De ORV moet herstarten om de Nederlandse taal te laden</translation>
    </message>
    <message>
        <source>Russian language selected</source>
        <translation>Russian language selected</translation>
    </message>
    <message>
        <source>A nyelv módosítása</source>
        <translation>A nyelv módosítása</translation>
    </message>
    <message>
        <source>A magyar nyelv válogatott</source>
        <translation>A magyar nyelv válogatott</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>ERREUR Chargement fichier LANGUE [%1]</source>
        <translation>ОШИБКА загрузки файла ЯЗЫКА [%1]</translation>
    </message>
</context>
<context>
    <name>LogConversion</name>
    <message>
        <source>E_EVT_FIRST_SERVICE</source>
        <translation>Первый ввод в эксплуатацию</translation>
    </message>
    <message>
        <source>E_EVT_ACQ</source>
        <translation>Квитирование тревоги</translation>
    </message>
    <message>
        <source>E_EVT_LEARN</source>
        <translation>Обучение</translation>
    </message>
    <message>
        <source>E_EVT_VOLTAGE_SHUTDOWN</source>
        <translation>Отключение питания</translation>
    </message>
    <message>
        <source>E_EVT_ORV_START</source>
        <translation>Запуск ORV</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_USB</source>
        <translation>Загрузка с USB</translation>
    </message>
    <message>
        <source>E_EVT_LOAD_NETWORK</source>
        <translation>Загрузка по сети</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE1</source>
        <translation>Тревога тип 1 (статистическая утечка 3 дня)</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE2</source>
        <translation>Тревога тип 2</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_TYPE3</source>
        <translation>Тревога тип 3</translation>
    </message>
    <message>
        <source>E_EVT_ALARM_CUVE_LOW_LEVEL</source>
        <translation>Тревога низкого уровня ресивера</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TEXT</source>
        <translation>Неисправность датчика наружной температуры</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TENT</source>
        <translation>Неисправность датчика темп. входа ресивера</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TSOR</source>
        <translation>Неисправность датчика темп. выхода ресивера</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_TASP</source>
        <translation>Неисправность датчика темп. всасывания</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PT100_SRLIQ</source>
        <translation>Неисправность датчика жидкости переохладителя</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_JAUGE_CONTRAINTE</source>
        <translation>Неисправность тензодатчика</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_HP</source>
        <translation>Неисправность датчика высокого давления</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_PRESSION_BP</source>
        <translation>Неисправность датчика низкого давления</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_CARTE_MESURE</source>
        <translation>Ошибка связи с измерительной платой</translation>
    </message>
    <message>
        <source>E_EVT_DEFAUT_COM_DEBITMETRE</source>
        <translation>Ошибка связи с расходомером</translation>
    </message>
    <message>
        <source>E_EVT_RESTART_COM</source>
        <translation>Перезапуск связи</translation>
    </message>
    <message>
        <source>LOG_INFO</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>LOG_ERROR</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>LOG_MESUREMENT</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>LOG_MISCELLANEAOUS</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_MIN_HP</source>
        <translation>Изменение мин. ВД</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CONTACT_NF_NO</source>
        <translation>Изменение контакта НЗ/НО</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_BPADAP</source>
        <translation>Изменение состояния адаптивного НД</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAT_HPFLOT</source>
        <translation>Изменение состояния плавающего ВД</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_REGLAGE_SENALARM3</source>
        <translation>Изменение чувствительности тревоги 3 дня</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_FLAG_ALARM3</source>
        <translation>Изменение флага тревоги 3 дня</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_DIAM_TUBELIQ</source>
        <translation>Изменение диаметра жидкостной трубы</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MONTAGE_DEBIT</source>
        <translation>Изменение типа монтажа расхода</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ECART_DEBIT</source>
        <translation>Изменение отклонения расхода</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_ETAL_PT100_SOUS_REFROID</source>
        <translation>Изменение калибровки PT100 переохлаждения</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_GR_CLIENT</source>
        <translation>Изменение группы клиента</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_TYPE_MAGASIN</source>
        <translation>Изменение типа магазина</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_3</source>
        <translation>Изменение кода 3</translation>
    </message>
    <message>
        <source>E_EVT_MODIF_CODE_CONTRAT</source>
        <translation>Изменение кода договора</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_COURBES</source>
        <translation>Просмотр графиков</translation>
    </message>
    <message>
        <source>E_EVT_CONSULT_JOURNAL</source>
        <translation>Проверка неисправных датчиков</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_WRITE_CONFIG</source>
        <translation>Запись конфигурации</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REARMEMENT</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_REAPP</source>
        <translation>Запуск переобучения</translation>
    </message>
    <message>
        <source>E_EVT_ACTION_SEND</source>
        <translation>Отправка файлов</translation>
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
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Trace Route</source>
        <translation>Trace Route</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Info sur la configuration</source>
        <translation>Сведения о конфигурации</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Mesure du Poids</source>
        <translation>Измерение веса</translation>
    </message>
    <message>
        <source>Info et Assistance Norvale</source>
        <translation>Norvale: сведения и поддержка</translation>
    </message>
    <message>
        <source>Configuration
ORV</source>
        <translation>Конфигурация
ORV</translation>
    </message>
    <message>
        <source>Configuration
Module HP Flottante</source>
        <translation>Настройка модуля
плавающего ВД</translation>
    </message>
    <message>
        <source>Configuration
 Module Energie</source>
        <translation>Настройка
 модуля энергии</translation>
    </message>
    <message>
        <source>Sauvegarde/Restauration
USB</source>
        <translation>Резерв. копия/восст.
USB</translation>
    </message>
    <message>
        <source>Demarrer Intervention
Frigoriste</source>
        <translation>Начать работы
холодильщика</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Reapprentissage
Acquittement Alarmes</source>
        <translation>Переобучение
Квитирование аварий</translation>
    </message>
    <message>
        <source>Date/Heure
Fuseau Horaire</source>
        <translation>Дата/Время
Часовой пояс</translation>
    </message>
    <message>
        <source>AutoTest ORV</source>
        <translation>Самотест ORV</translation>
    </message>
    <message>
        <source>Redemarrage
du ORV</source>
        <translation>Перезапуск
ORV</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Menu Visualisations</source>
        <translation>Меню просмотра</translation>
    </message>
    <message>
        <source>Menu Parametrages et Reglages</source>
        <translation>Меню параметров и настроек</translation>
    </message>
    <message>
        <source>Arreter Intervention
Frigoriste</source>
        <translation>Завершить работы
холодильщика</translation>
    </message>
    <message>
        <source>Redemarrage/Reboot du ORV ?</source>
        <translation>Перезапуск/Reboot ORV ?</translation>
    </message>
    <message>
        <source>Confirmez le redemarrage du ORV ?!
Veuillez cliquer sur OK pour redemarrer/rebooter le ORV!</source>
        <translation>Подтвердить перезапуск ORV ?!
Нажмите OK для перезапуска ORV!</translation>
    </message>
</context>
<context>
    <name>MenuNor</name>
    <message>
        <source>Menu_Principal</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>Menu Norvale</source>
        <translation>Меню Norvale</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Контроль веса</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
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
        <translation>Квитирование аварий</translation>
    </message>
    <message>
        <source>Reapprentissage</source>
        <translation>Переобучение</translation>
    </message>
    <message>
        <source>Recalcule du Niveau
de Reference</source>
        <translation>Пересчёт опорного
уровня</translation>
    </message>
    <message>
        <source>Suite</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Veuillez vérifier le câblage de vos capteurs SVP !</source>
        <translation>Проверьте подключение датчиков!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Selectionnez une option...</source>
        <translation>Выберите вариант...</translation>
    </message>
    <message>
        <source>Acquittement process</source>
        <translation>Квитирование</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Avez-vous localise et repare une fuite ?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=5&gt;Вы нашли и устранили утечку?&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;En fonction de votre intervention, veuillez lancer un recalcul ou un reapprentissage.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;font color=red&gt;&lt;font size=3&gt;В зависимости от выполненных работ запустите пересчёт или переобучение.&lt;/font&gt;&lt;/font&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Recalcul</source>
        <translation>&amp;Пересчёт</translation>
    </message>
    <message>
        <source>&amp;Reapprentissage</source>
        <translation>П&amp;ереобучение</translation>
    </message>
    <message>
        <source>&amp;Plus tard</source>
        <translation>П&amp;озже</translation>
    </message>
    <message>
        <source>Veuillez verifier les reglages d alarmes (sensibilite, temporisation, niveau bas).

Rappel, le kit de maintenance reglementaire doit etre change tous les ans.

Voir le guide des bonnes pratiques pour plus d informations.</source>
        <translation>Проверьте настройки тревог (чувствительность, задержка, низкий уровень).

Напоминание: обязательный комплект обслуживания нужно менять каждый год.

Подробнее см. руководство по надлежащей практике.</translation>
    </message>
    <message>
        <source>Avez-vous effectue une recharge ?

 Si oui entrez la charge effectuee et cliquez sur &quot;Yes&quot;. 

Sinon, cliquez sur &quot;No&quot;.</source>
        <translation>Вы выполняли дозаправку?

 Если да, введите добавленную заправку и нажмите &quot;Да&quot;. 

Иначе нажмите &quot;Нет&quot;.</translation>
    </message>
    <message>
        <source>Reapprentissage process</source>
        <translation>Переобучение</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un reapprentissage, la fiabilite de la detection de fuite peut etre impactee.

Un reapprentissage dure plusieurs jours pendant lesquels, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Внимание: если во время переобучения на централи ещё есть активная утечка, надёжность обнаружения утечек может снизиться.

Переобучение длится несколько дней, в течение которых статистических тревог нет (в отличие от тревоги низкого уровня, которая всегда активна).</translation>
    </message>
    <message>
        <source>Un reapprentissage doit etre lance dans les cas suivants:

- Modification sur l installation (mise en route hivernale de la recuperation de chaleur, fermeture d un etage de condensation).

- Modification sur le ORV (changement de kit annuel, nouvelle tare).

Etes-vous sur de vouloir lancer un reapprentissage?</source>
        <translation>Переобучение нужно запускать в следующих случаях:

- Изменение установки (зимний пуск рекуперации тепла, отключение ступени конденсации).

- Изменение ORV (ежегодная замена комплекта, новая тара).

Вы уверены, что хотите запустить переобучение?</translation>
    </message>
    <message>
        <source>Recalcul process</source>
        <translation>Пересчёт</translation>
    </message>
    <message>
        <source>Attention si une fuite est toujours active sur la centrale pendant un recalcul, la fiabilite de la detection de fuite peut etre impactee.

Un recalcul dure plusieurs heures pendant lesquelles, il n y a pas d alarmes statistiques (contrairement a l alarme de niveau bas qui est toujours active).</source>
        <translation>Внимание: если во время пересчёта на централи ещё есть активная утечка, надёжность обнаружения утечек может снизиться.

Пересчёт длится несколько часов, в течение которых статистических тревог нет (в отличие от тревоги низкого уровня, которая всегда активна).</translation>
    </message>
    <message>
        <source>Un recalcul doit etre lance uniquement dans les cas suivants :

- changement du niveau moyen du reservoir.

- reparation d&apos;une fuite statistique avec ou sans recharge.

- en cas de complement de charge.

Etes-vous sur de vouloir lancer un recalcul?</source>
        <translation>Пересчёт нужно запускать только в следующих случаях:

- изменение среднего уровня в ресивере.

- устранение статистической утечки с дозаправкой или без.

- при дозаправке хладагента.

Вы уверены, что хотите запустить пересчёт?</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode APPRENTISSAGE</source>
        <translation>ORV уже в режиме ОБУЧЕНИЯ</translation>
    </message>
    <message>
        <source>Le ORV est deja en mode RE-CALCUL</source>
        <translation>ORV уже в режиме ПЕРЕСЧЁТА</translation>
    </message>
</context>
<context>
    <name>Mestare</name>
    <message>
        <source>Mesure de la tare de la colonne</source>
        <translation>Измерение тары колонки</translation>
    </message>
    <message>
        <source>Les vannes sont bien fermees?
La colonne est vide de fluide frigorigene?
Il n&apos;y a aucune contrainte sur les flexibles?
Ne pas toucher la colonne pendant la mesure</source>
        <translation>Вентили закрыты?
Колонка пуста от хладагента?
Шланги без натяжения?
Не трогайте колонку во время измерения</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Veuillez verifier le POIDS de la Colonne SVP. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Aucunne mesure exploitable pour effectuer la TARE.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Проверьте ВЕС колонки. &lt;/span&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; color:#ff0000;&quot;&gt;Нет пригодных измерений для ТАРИРОВКИ.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Poids de la colonne :</source>
        <translation>Вес колонки:</translation>
    </message>
    <message>
        <source>Tare</source>
        <translation>Тара</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source> gr</source>
        <translation> г</translation>
    </message>
    <message>
        <source>Normalement la tare est superieur a  %1 gr</source>
        <translation>Обычно тара больше  %1 г</translation>
    </message>
    <message>
        <source>ATTENTION Lancer la TARE ?</source>
        <translation>ВНИМАНИЕ: запустить ТАРИРОВКУ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de TARE ?!
etes vous sûr?</source>
        <translation>Запустить тарировку?!
Вы уверены?</translation>
    </message>
</context>
<context>
    <name>Network1</name>
    <message>
        <source>Reseau</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Интерфейс:</translation>
    </message>
    <message>
        <source>ra0  Wifi</source>
        <translation>ra0  Wi-Fi</translation>
    </message>
    <message>
        <source>DHCP:</source>
        <translation>DHCP:</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>IP ORV:</source>
        <translation>IP ORV:</translation>
    </message>
    <message>
        <source>Masque:</source>
        <translation>Маска:</translation>
    </message>
    <message>
        <source>Passerelle :</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Изменить IP сервера</translation>
    </message>
    <message>
        <source>WiFi:</source>
        <translation>Wi-Fi:</translation>
    </message>
    <message>
        <source>SSID :</source>
        <translation>SSID:</translation>
    </message>
    <message>
        <source>Authentification:</source>
        <translation>Аутентификация:</translation>
    </message>
    <message>
        <source>Cle Cryptage: </source>
        <translation>Ключ шифрования: </translation>
    </message>
    <message>
        <source> Status:     </source>
        <translation> Статус:     </translation>
    </message>
    <message>
        <source>Test
Connexion</source>
        <translation>Проверка
связи</translation>
    </message>
    <message>
        <source>Envoi
Fichiers</source>
        <translation>Отправка
файлов</translation>
    </message>
    <message>
        <source>Reception
Fichiers</source>
        <translation>Приём
файлов</translation>
    </message>
    <message>
        <source>Enregistrement
Configuration</source>
        <translation>Сохранить
настройки</translation>
    </message>
    <message>
        <source>Clavier
ON</source>
        <translation>Клавиатура
ВКЛ</translation>
    </message>
    <message>
        <source>
Quitter</source>
        <translation>
Выход</translation>
    </message>
    <message>
        <source>ERREUR WIFI USB non Configurer</source>
        <translation>ОШИБКА USB Wi-Fi не настроен</translation>
    </message>
    <message>
        <source>Clavier
OFF</source>
        <translation>Клавиатура
ВЫКЛ</translation>
    </message>
    <message>
        <source>ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.</source>
        <translation>ОШИБКА перенастройки сети, исправьте и повторите.</translation>
    </message>
    <message>
        <source>Reconfiguration Reseau en cours .........</source>
        <translation>Перенастройка сети .........</translation>
    </message>
    <message>
        <source>Changement ID %1 Sauvegarder.</source>
        <translation>Изменение ID %1 сохранено.</translation>
    </message>
    <message>
        <source>Veuillez brancher le DONGLE USB WIFI, merci.</source>
        <translation>Подключите USB Wi-Fi адаптер, спасибо.</translation>
    </message>
    <message>
        <source>Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.</source>
        <translation>DHCP-сервер не найден или ошибка настройки Wi-Fi.</translation>
    </message>
    <message>
        <source>Enregistrement CONFIG Reseau reussie.</source>
        <translation>Настройки сети сохранены.</translation>
    </message>
    <message>
        <source>Veuillez verifier que votre cable ethernet est raccorder
OU que votre dongle USB WiFi est brancher.</source>
        <translation>Проверьте подключение кабеля Ethernet
ИЛИ USB Wi-Fi адаптера.</translation>
    </message>
    <message>
        <source>Test de la connexion en cours...</source>
        <translation>Проверка связи...</translation>
    </message>
    <message>
        <source>Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...</source>
        <translation>Загрузка файлов конфигурации (2) с VOREDANE ...</translation>
    </message>
    <message>
        <source>ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer</source>
        <translation>СБОЙ загрузки файлов конфигурации (2) с VOREDANE, повторите</translation>
    </message>
    <message>
        <source>Recuperation des fichiers de CONFIG VOREDANE OK
Mise en Place des fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ....</source>
        <translation>Файлы конфигурации загружены с VOREDANE
Установка файлов конфигурации (2), ВНИМАНИЕ перезапуск ORV ....</translation>
    </message>
    <message>
        <source>Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....</source>
        <translation>Файлы конфигурации установлены, ПЕРЕЗАГРУЗКА....</translation>
    </message>
    <message>
        <source>ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer</source>
        <translation>ОШИБКА установки файлов конфигурации, повторите</translation>
    </message>
    <message>
        <source>Reseau INTERNET OK, Connexion avec le serveur reussie.</source>
        <translation>Сеть ИНТЕРНЕТ OK, соединение с сервером установлено.</translation>
    </message>
    <message>
        <source>AUCUN Reseau INTERNET, Echec de la connexion avec le serveur</source>
        <translation>НЕТ сети ИНТЕРНЕТ, соединение с сервером не удалось</translation>
    </message>
    <message>
        <source>Transfert des fichiers en cours ...</source>
        <translation>Передача файлов ...</translation>
    </message>
    <message>
        <source>OK: Transfert des fichiers reussi.</source>
        <translation>OK: передача файлов выполнена.</translation>
    </message>
    <message>
        <source>ERREUR Transfert des fichiers.</source>
        <translation>ОШИБКА передачи файлов.</translation>
    </message>
    <message>
        <source>Reception des fichiers en cours ...</source>
        <translation>Приём файлов ...</translation>
    </message>
    <message>
        <source>Reception des fichiers SFTP termine.</source>
        <translation>Приём файлов SFTP завершён.</translation>
    </message>
    <message>
        <source>Reception des fichiers deja en cours ou pas d&apos;Internet, veuillez reessayer plus tard.</source>
        <translation>Приём файлов уже идёт или нет Интернета, повторите позже.</translation>
    </message>
    <message>
        <source>Cette Adresse IP Serveur est deja Configurer</source>
        <translation>Этот IP-адрес сервера уже настроен</translation>
    </message>
    <message>
        <source>ERREUR Adresse IP Serveur non valide.</source>
        <translation>ОШИБКА недопустимый IP-адрес сервера.</translation>
    </message>
    <message>
        <source>Enregistrement de la Nouvelle Adresse IP Serveur(%1)</source>
        <translation>Новый IP-адрес сервера сохранён (%1)</translation>
    </message>
</context>
<context>
    <name>OrvName</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Configuration ORV</source>
        <translation>Конфигурация ORV</translation>
    </message>
    <message>
        <source>Nom du ORV:</source>
        <translation>Имя ORV:</translation>
    </message>
    <message>
        <source> * 20 Caracteres Maximum</source>
        <translation> * Не более 20 символов</translation>
    </message>
    <message>
        <source>Nom client sur site:</source>
        <translation>Имя клиента на объекте:</translation>
    </message>
    <message>
        <source> * 40 Caracteres Maximum</source>
        <translation> * Не более 40 символов</translation>
    </message>
</context>
<context>
    <name>PoidsCtrl</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Controle du Poids</source>
        <translation>Контроль веса</translation>
    </message>
    <message>
        <source>Mesure du Poids:</source>
        <translation>Измеренный вес:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>г</translation>
    </message>
    <message>
        <source>Tare:</source>
        <translation>Тара:</translation>
    </message>
    <message>
        <source>Poids du liquide:</source>
        <translation>Вес жидкости:</translation>
    </message>
    <message>
        <source>gr (sans les 70 mm)</source>
        <translation>г (без 70 мм)</translation>
    </message>
    <message>
        <source>Densite du liquide:</source>
        <translation>Плотность жидкости:</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>Hauteur du liquide:</source>
        <translation>Высота жидкости:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
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
        <translation>Вы выполняли дозаправку?

 Если да, введите добавленную заправку и нажмите &quot;Да&quot;. 

Иначе нажмите &quot;Нет&quot;</translation>
    </message>
    <message>
        <source>Nouvelle charge kg:</source>
        <translation>Новая заправка, кг:</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
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
        <translation>Настройки установки</translation>
    </message>
    <message>
        <source>Consigne BP </source>
        <translation>Уставка НД </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>BP adaptative</source>
        <translation>Адаптивное НД</translation>
    </message>
    <message>
        <source>Consigne HP</source>
        <translation>Уставка ВД</translation>
    </message>
    <message>
        <source>HP flottante</source>
        <translation>Плавающее ВД</translation>
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
        <translation>Ресиверы</translation>
    </message>
    <message>
        <source>Type de reservoir</source>
        <translation>Тип ресивера</translation>
    </message>
    <message>
        <source> Vertical</source>
        <translation> Вертикальный</translation>
    </message>
    <message>
        <source> Horizontal</source>
        <translation> Горизонтальный</translation>
    </message>
    <message>
        <source> Nombre de reservoir</source>
        <translation> Количество ресиверов</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>1 reservoir</source>
        <translation>1 ресивер</translation>
    </message>
    <message>
        <source>2 reservoirs</source>
        <translation>2 ресивера</translation>
    </message>
    <message>
        <source>3 reservoirs</source>
        <translation>3 ресивера</translation>
    </message>
    <message>
        <source>4 reservoirs</source>
        <translation>4 ресивера</translation>
    </message>
</context>
<context>
    <name>Sensstat</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Reglage Alarmes Statistique</source>
        <translation>Настройка статистических тревог</translation>
    </message>
    <message>
        <source>Statistique 3J</source>
        <translation>Статистика 3Д</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Plus sensible</source>
        <translation>Чувствительнее</translation>
    </message>
    <message>
        <source>Moins sensible</source>
        <translation>Менее чувствительно</translation>
    </message>
    <message>
        <source>INIT</source>
        <translation>INIT</translation>
    </message>
    <message>
        <source>Statistique LP</source>
        <translation>Статистика LP</translation>
    </message>
    <message>
        <source>Statistique 103</source>
        <translation>Статистика 103</translation>
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
        <translation>Переохладитель жидкости</translation>
    </message>
    <message>
        <source>Avez vous un sous refoidisseur
 de liquide en sortie de reservoir?</source>
        <translation>Есть ли переохладитель жидкости
 на выходе ресивера?</translation>
    </message>
    <message>
        <source>Oui</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>Tcm</name>
    <message>
        <source>Test carte de mesure</source>
        <translation>Проверка платы измерения</translation>
    </message>
    <message>
        <source>CARTE MESURES :</source>
        <translation>ПЛАТА ИЗМЕРЕНИЯ:</translation>
    </message>
    <message>
        <source>vitesse
port serie</source>
        <translation>скорость
порта</translation>
    </message>
    <message>
        <source>type carte
mesure</source>
        <translation>тип платы
измерения</translation>
    </message>
    <message>
        <source>Lancer le test</source>
        <translation>Запустить тест</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Aucunne</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>v1</source>
        <translation>v1</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee</source>
        <translation>ПЛАТА ИЗМЕРЕНИЯ не обнаружена</translation>
    </message>
    <message>
        <source>Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre module MESURE</source>
        <translation>ПЛАТА ИЗМЕРЕНИЯ не обнаружена, проверьте проводку/установку и модуль ИЗМЕРЕНИЯ</translation>
    </message>
    <message>
        <source>Carte mesure pas encore de TARAGE; Veuillez cliquez sur LANCER LE TEST puis faire la TARE de la COLONNE</source>
        <translation>Плата измерения ещё не ТАРИРОВАНА; нажмите ЗАПУСТИТЬ ТЕСТ, затем выполните ТАРИРОВКУ КОЛОНКИ</translation>
    </message>
    <message>
        <source>Carte mesure deja testee ; Vous pouvez appuyer sur suivant si vous ne voulez pas re-tester la carte</source>
        <translation>Плата измерения уже проверена; нажмите ДАЛЕЕ, если не хотите проверять её снова</translation>
    </message>
    <message>
        <source>Redemarrer le ORV apres avoir verifier l installation du module MESURE !</source>
        <translation>Перезапустите ORV после проверки установки модуля ИЗМЕРЕНИЯ!</translation>
    </message>
</context>
<context>
    <name>cAutoTestThread</name>
    <message>
        <source>Demarrage de l&apos;AutoTest ...
</source>
        <translation>Запуск самотеста ...
</translation>
    </message>
    <message>
        <source>
Kernel ORV: %1
</source>
        <translation>
Ядро ORV: %1
</translation>
    </message>
    <message>
        <source>Version ORV: v%1.%2.%3
</source>
        <translation>Версия ORV: v%1.%2.%3
</translation>
    </message>
    <message>
        <source> ++ ORV ID: %1
</source>
        <translation> ++ ID ORV: %1
</translation>
    </message>
    <message>
        <source> ++ ORV JOUR PREMIER DEMARRAGE: %1
</source>
        <translation> ++ ORV ДЕНЬ ПЕРВОГО ЗАПУСКА: %1
</translation>
    </message>
    <message>
        <source> ++ ORV DATE/TIME: %1
</source>
        <translation> ++ ORV ДАТА/ВРЕМЯ: %1
</translation>
    </message>
    <message>
        <source>
Espace de Stockage (libre/total): %1Mo/%2Mo
</source>
        <translation>
Память хранения (свободно/всего): %1МБ/%2МБ
</translation>
    </message>
    <message>
        <source>
Configuration Reseau ETHERNET:
</source>
        <translation>
Настройка сети ETHERNET:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher
</source>
        <translation> -- ВНИМАНИЕ кабель ETHERNET отключён
</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK
</source>
        <translation> ++ Кабель ETHERNET подключён OK
</translation>
    </message>
    <message>
        <source>
Configuration Reseau WIFI:
</source>
        <translation>
Настройка сети WIFI:
</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher
</source>
        <translation> -- ВНИМАНИЕ USB WIFI отключён
</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK
</source>
        <translation> ++ USB WIFI подключён OK
</translation>
    </message>
    <message>
        <source>
Connection Internet/Voredane:
</source>
        <translation>
Соединение Интернет/Voredane:
</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK
</source>
        <translation> ++ Соединение с сервером VOREDANE OK
</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE
</source>
        <translation> -- ОШИБКА соединения с сервером VOREDANE
</translation>
    </message>
    <message>
        <source>
Modules Detecter/Trouver:
</source>
        <translation>
Обнаруженные модули:
</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....

    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV
</source>
        <translation> -- Модуль ИЗМЕРЕНИЯ v1 или v2 не обнаружен....

    -(1) Проверьте подключения
    -(2) Затем ПЕРЕЗАПУСТИТЕ ORV
</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1
</source>
        <translation> ++ Модуль измерения V1: %1
</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1
</source>
        <translation> ++ Модуль измерения V2: v%1
</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1
</source>
        <translation> ++ Модуль HPF: v%1
</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2
</source>
        <translation> ++ Модуль ENERGIE_%1: v%2
</translation>
    </message>
    <message>
        <source>
Memoire:
</source>
        <translation>
Память:
</translation>
    </message>
    <message>
        <source>
Partitions:
</source>
        <translation>
Разделы:
</translation>
    </message>
    <message>
        <source>Résultat = </source>
        <translation>Результат = </translation>
    </message>
</context>
<context>
    <name>cCapteurHPThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Нет ответа платы V1; проверьте подключения платы измерения</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Нет ответа платы V2; проверьте подключения платы измерения</translation>
    </message>
</context>
<context>
    <name>cConfHPF</name>
    <message>
        <source>QUITTER</source>
        <translation>ВЫХОД</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
</context>
<context>
    <name>cConfWizard</name>
    <message>
        <source>ANNULER</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>PRECEDENT</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <source>SUIVANT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
    <message>
        <source>ENREGISTREMENT</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>MesV2: ERREUR Envoi Configuration</source>
        <translation>MesV2: ОШИБКА отправки конфигурации</translation>
    </message>
    <message>
        <source>MesV2: ERREUR, Envoi Nouvelle Configuration, veuillez re-essayer</source>
        <translation>MesV2: ОШИБКА отправки новой конфигурации, повторите попытку</translation>
    </message>
    <message>
        <source>Fin de configuration</source>
        <translation>Конфигурация завершена</translation>
    </message>
    <message>
        <source>- Si vous avez vidé la colonne, vous pouvez rouvrir les vannes.
- Si vous avez étalonné les sondes PT100, vous pouvez retirer les résistances et remettre les sondes.
Cliquez sur OK pour terminer la configuration.</source>
        <translation>- Если вы опорожнили колонну, можно снова открыть вентили.
- Если вы калибровали датчики PT100, можно снять резисторы и установить датчики обратно.
Нажмите OK, чтобы завершить конфигурацию.</translation>
    </message>
</context>
<context>
    <name>cConf_Energie</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Module Energie</source>
        <translation>Модуль энергии</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Adresse
RS485:</source>
        <translation>Адрес
RS485:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Adressage</source>
        <translation>Адресация</translation>
    </message>
    <message>
        <source>0 = OFF
1 =ON</source>
        <translation>0 = ВЫКЛ
1 =ВКЛ</translation>
    </message>
    <message>
        <source>654321</source>
        <translation>654321</translation>
    </message>
    <message>
        <source>000000</source>
        <translation>000000</translation>
    </message>
    <message>
        <source>Affectation</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>Puissance TI</source>
        <translation>Мощность ТТ</translation>
    </message>
    <message>
        <source>Nombre TI</source>
        <translation>Число ТТ</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Puissance 1</source>
        <translation>Мощность 1</translation>
    </message>
    <message>
        <source>Puissance 2</source>
        <translation>Мощность 2</translation>
    </message>
    <message>
        <source>Puissance 3</source>
        <translation>Мощность 3</translation>
    </message>
    <message>
        <source>Capteur Pression</source>
        <translation>Датчик давления</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Maxi</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Offset O:</source>
        <translation>Смещение 0:</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Offset 0</source>
        <translation>Смещение 0</translation>
    </message>
    <message>
        <source>PT&amp;100 Temperature</source>
        <translation>Температура PT&amp;100</translation>
    </message>
    <message>
        <source>Correction:</source>
        <translation>Коррекция:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Etalonnage PT100</source>
        <translation>Калибровка PT100</translation>
    </message>
    <message>
        <source>PT100 câble 3m</source>
        <translation>PT100 кабель 3м</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Cor Manuelle=&gt;</source>
        <translation>Ручн. корр.=&gt;</translation>
    </message>
    <message>
        <source>Annuler
Quitter</source>
        <translation>Отмена
Выход</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module ENERGIE</source>
        <translation>Сохранить и отправить
в модуль ЭНЕРГИЯ</translation>
    </message>
    <message>
        <source>Compresseur</source>
        <translation>Компрессор</translation>
    </message>
    <message>
        <source>Les Compresseurs</source>
        <translation>Компрессоры</translation>
    </message>
    <message>
        <source>Ventilateurs Du Condenseur</source>
        <translation>Вентиляторы конденсатора</translation>
    </message>
    <message>
        <source>Pompe</source>
        <translation>Насос</translation>
    </message>
    <message>
        <source>Vitrines</source>
        <translation>Витрины</translation>
    </message>
    <message>
        <source>Chambres Et Labo</source>
        <translation>Камеры и цеха</translation>
    </message>
    <message>
        <source>Climatisation Et Chauffage</source>
        <translation>Кондиционирование и отопление</translation>
    </message>
    <message>
        <source>Eclairage</source>
        <translation>Освещение</translation>
    </message>
    <message>
        <source>Compresseur(s) parallele(s)</source>
        <translation>Параллельный компрессор(ы)</translation>
    </message>
    <message>
        <source>Capteur Pression BP</source>
        <translation>Датчик давления НД</translation>
    </message>
    <message>
        <source>PT100 Surchauffe</source>
        <translation>PT100 перегрев</translation>
    </message>
    <message>
        <source>PRESSION BP</source>
        <translation>ДАВЛЕНИЕ НД</translation>
    </message>
    <message>
        <source>PT100 ASPIRATION</source>
        <translation>PT100 ВСАСЫВАНИЕ</translation>
    </message>
    <message>
        <source>Capteur Pression HP-Gaz</source>
        <translation>Датчик давления ВД-газ</translation>
    </message>
    <message>
        <source>PT100 Refoulement</source>
        <translation>PT100 нагнетание</translation>
    </message>
    <message>
        <source>PRESSION HP-GAZ</source>
        <translation>ДАВЛЕНИЕ ВД-ГАЗ</translation>
    </message>
    <message>
        <source>PT100 REFOULEMENT</source>
        <translation>PT100 НАГНЕТАНИЕ</translation>
    </message>
    <message>
        <source>PT100 Temperature</source>
        <translation>PT100 температура</translation>
    </message>
    <message>
        <source>PRESSION RESERVE</source>
        <translation>ДАВЛЕНИЕ РЕЗЕРВ</translation>
    </message>
    <message>
        <source>PT100 RESERVE 1</source>
        <translation>PT100 РЕЗЕРВ 1</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Aucun TI</source>
        <translation>Нет ТТ</translation>
    </message>
    <message>
        <source>Aucun module ENERGIE detecter</source>
        <translation>Модуль ЭНЕРГИЯ не обнаружен</translation>
    </message>
    <message>
        <source>ERREUR lecture de la configuration des modules ENERGIE</source>
        <translation>ОШИБКА чтения конфигурации модулей ЭНЕРГИЯ</translation>
    </message>
    <message>
        <source>ENER v%1</source>
        <translation>ENER v%1</translation>
    </message>
    <message>
        <source>OK Connecte</source>
        <translation>OK подключён</translation>
    </message>
    <message>
        <source>NON Connecte</source>
        <translation>НЕ подключён</translation>
    </message>
    <message>
        <source>PUISSANCE:%1 Enregistrent Modification Pourcentage OK</source>
        <translation>МОЩНОСТЬ:%1 изменение процента сохранено OK</translation>
    </message>
    <message>
        <source>Envoi Configuation au module ENERGIE %1 ....</source>
        <translation>Отправка конфигурации в модуль ЭНЕРГИЯ %1 ....</translation>
    </message>
    <message>
        <source>Envoi Configuation module ENERGIE %1 OK</source>
        <translation>Конфигурация модуля ЭНЕРГИЯ %1 отправлена OK</translation>
    </message>
    <message>
        <source>!! ECHEC !! Configuation module ENERGIE %1</source>
        <translation>!! СБОЙ !! Конфигурация модуля ЭНЕРГИЯ %1</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1?</source>
        <translation>ВНИМАНИЕ Запустить КАЛИБРОВКУ датчика %1?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1?!
veuillez cliquer sur OK si la sonde est a la Pression Atmospherique!</source>
        <translation>Запустить процедуру калибровки %1?!
Нажмите OK, если датчик при атмосферном давлении!</translation>
    </message>
    <message>
        <source>ATTENTION Lancer le CALIBRAGE de la sonde %1 ?</source>
        <translation>ВНИМАНИЕ Запустить КАЛИБРОВКУ зонда %1 ?</translation>
    </message>
    <message>
        <source>Lancer la procedure de Calibrage %1 ?!
veuillez cliquer sur OK APRES avoir branche la RESISTANCE de 100 ohms a la place de la PT100!</source>
        <translation>Запустить процедуру калибровки %1 ?!
Нажмите OK ПОСЛЕ подключения РЕЗИСТОРА 100 Ом вместо PT100!</translation>
    </message>
    <message>
        <source>ERREUR Reponse module ENERGIE %1</source>
        <translation>ОШИБКА ответа модуля ЭНЕРГИЯ %1</translation>
    </message>
    <message>
        <source>ERREUR Mesure, veuillez reessayer</source>
        <translation>ОШИБКА измерения, повторите попытку</translation>
    </message>
</context>
<context>
    <name>cEtalonnageThread</name>
    <message>
        <source>Pas de reponse de la carte V1; Verifier les connexions de la carte mesure</source>
        <translation>Нет ответа платы V1; проверьте подключения платы измерения</translation>
    </message>
    <message>
        <source>Pas de reponse de la carte V2; Verifier les connexions de la carte mesure</source>
        <translation>Нет ответа платы V2; проверьте подключения платы измерения</translation>
    </message>
</context>
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
        <source> ++ Espace de Stockage (libre/total): %1Mo/%2Mo</source>
        <translation> ++ Память (свободно/всего): %1МБ/%2МБ</translation>
    </message>
    <message>
        <source> -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation> -- Память заполнена, удаление старых суточных файлов ...</translation>
    </message>
    <message>
        <source> ++ Initialisation CONFIGURATION Termine avec succes</source>
        <translation> ++ Инициализация КОНФИГУРАЦИИ успешно завершена</translation>
    </message>
    <message>
        <source> ++ ID ORV: %1</source>
        <translation> ++ ID ORV: %1</translation>
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
    <message>
        <source>Configuration Reseau ETHERNET:</source>
        <translation>Настройки сети ETHERNET:</translation>
    </message>
    <message>
        <source> ++ Cable Reseau ETHERNET brancher OK</source>
        <translation> ++ Кабель ETHERNET подключён OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Cable Reseau ETHERNET debrancher</source>
        <translation> -- ВНИМАНИЕ Кабель ETHERNET отключён</translation>
    </message>
    <message>
        <source>Configuration Reseau WIFI:</source>
        <translation>Настройки сети WIFI:</translation>
    </message>
    <message>
        <source> ++ Reseau USB WIFI brancher OK</source>
        <translation> ++ USB WIFI адаптер подключён OK</translation>
    </message>
    <message>
        <source> -- ATTENTION Reseau USB WIFI debrancher</source>
        <translation> -- ВНИМАНИЕ USB WIFI адаптер отключён</translation>
    </message>
    <message>
        <source>Connection Internet/Voredane:</source>
        <translation>Соединение Интернет/Voredane:</translation>
    </message>
    <message>
        <source> ++ Connection au serveur VOREDANE OK</source>
        <translation> ++ Соединение с сервером VOREDANE OK</translation>
    </message>
    <message>
        <source> -- ERREUR connection au serveur VOREDANE</source>
        <translation> -- ОШИБКА соединения с сервером VOREDANE</translation>
    </message>
    <message>
        <source>Modules Detecter/Trouver:</source>
        <translation>Обнаруженные/найденные модули:</translation>
    </message>
    <message>
        <source> -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....
    -(1) Veuillez verifier les branchements
    -(2) Puis REBOOTER/REDEMARRER le ORV</source>
        <translation> -- Модуль ИЗМЕРЕНИЯ v1 или v2 не обнаружен....
    -(1) Проверьте подключения
    -(2) Затем ПЕРЕЗАГРУЗИТЕ ORV</translation>
    </message>
    <message>
        <source> ++ Module MesureV1: %1</source>
        <translation> ++ Модуль ИзмеренияV1: %1</translation>
    </message>
    <message>
        <source> ++ Module MesureV2: v%1</source>
        <translation> ++ Модуль ИзмеренияV2: v%1</translation>
    </message>
    <message>
        <source> ++ Module HPF: v%1</source>
        <translation> ++ Модуль HPF: v%1</translation>
    </message>
    <message>
        <source> ++ Module ENERGIE_%1: v%2</source>
        <translation> ++ Модуль ENERGIE_%1: v%2</translation>
    </message>
    <message>
        <source>ERREUR detecter, veuillez verifier.</source>
        <translation>Обнаружена ОШИБКА, проверьте.</translation>
    </message>
    <message>
        <source>Demarrage des Mesures ...</source>
        <translation>Запуск измерений ...</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Mot de passe incorrect</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Informations...</source>
        <translation>Информация...</translation>
    </message>
    <message>
        <source>Analyse Mesures</source>
        <translation>Анализ измерений</translation>
    </message>
    <message>
        <source>Analyse en cours...</source>
        <translation>Идёт анализ...</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Mise a Jour Programme en cours...</source>
        <translation>Идёт обновление программы...</translation>
    </message>
    <message>
        <source>Mise a Jour Module(s)</source>
        <translation>Обновление модуля(ей)</translation>
    </message>
    <message>
        <source>Mise a Jour Firmware Module(s) en cours...</source>
        <translation>Идёт обновление прошивки модуля(ей)...</translation>
    </message>
    <message>
        <source>Sauvegarde des mesures</source>
        <translation>Сохранение измерений</translation>
    </message>
    <message>
        <source>Debut des Analyses</source>
        <translation>Начало анализа</translation>
    </message>
    <message>
        <source>Fin des Analyses</source>
        <translation>Конец анализа</translation>
    </message>
    <message>
        <source>Operation Terminee</source>
        <translation>Операция завершена</translation>
    </message>
    <message>
        <source>Redemarrage du ORV</source>
        <translation>Перезапуск ORV</translation>
    </message>
    <message>
        <source>Espace de Stockage Plein, effacement des anciens fichiers journaliers ...</source>
        <translation>Память заполнена, удаление старых суточных файлов ...</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module MESUREv2.</source>
        <translation>Ошибка при обновлении прошивки модуля MESUREv2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module HPF.</source>
        <translation>Ошибка при обновлении прошивки модуля HPF.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_1.</source>
        <translation>Ошибка при обновлении прошивки модуля ENERGIE_1.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_2.</source>
        <translation>Ошибка при обновлении прошивки модуля ENERGIE_2.</translation>
    </message>
    <message>
        <source>Erreur lors de la mise à jour du firmware du module ENERGIE_3.</source>
        <translation>Ошибка при обновлении прошивки модуля ENERGIE_3.</translation>
    </message>
    <message>
        <source>	Carte Mesure : V1
</source>
        <translation>	Плата измерения: V1
</translation>
    </message>
    <message>
        <source>	Carte Mesure : V2 / </source>
        <translation>	Плата измерения: V2 / </translation>
    </message>
    <message>
        <source>
</source>
        <translation>
</translation>
    </message>
    <message>
        <source>	Carte Mesure non detectee
</source>
        <translation>	Плата измерения не обнаружена
</translation>
    </message>
    <message>
        <source>	Module Energie %1 : </source>
        <translation>	Модуль энергии %1: </translation>
    </message>
    <message>
        <source>N/C 
</source>
        <translation>N/C 
</translation>
    </message>
    <message>
        <source>	Module HPF : </source>
        <translation>	Модуль HPF: </translation>
    </message>
    <message>
        <source>Dernier Apprentissage : </source>
        <translation>Последнее обучение: </translation>
    </message>
    <message>
        <source>Derniere tare : </source>
        <translation>Последняя тара: </translation>
    </message>
    <message>
        <source>XX.XX.XXXX</source>
        <translation>XX.XX.XXXX</translation>
    </message>
    <message>
        <source>Adresse MAC : </source>
        <translation>MAC-адрес: </translation>
    </message>
    <message>
        <source>ID ORV : </source>
        <translation>ID ORV: </translation>
    </message>
    <message>
        <source>Contacter le SAV au : </source>
        <translation>Contacter le SAV au : </translation>
    </message>
    <message>
        <source>Pour avoir le code indiquer le numero :</source>
        <translation>Pour avoir le code indiquer le numero :</translation>
    </message>
    <message>
        <source>Contact the after-sales service at: </source>
        <translation>Contact the after-sales service at: </translation>
    </message>
    <message>
        <source>To have the code indicate the number:</source>
        <translation>To have the code indicate the number:</translation>
    </message>
    <message>
        <source>Kontaktieren Sie den Kundendienst unter: </source>
        <translation>Kontaktieren Sie den Kundendienst unter: </translation>
    </message>
    <message>
        <source>Damit der Code die Nummer anzeigt:</source>
        <translation>Damit der Code die Nummer anzeigt:</translation>
    </message>
    <message>
        <source>Contactar con el SPV en: </source>
        <translation>Contactar con el SPV en: </translation>
    </message>
    <message>
        <source>Para obtener la contraseña, indicar el código:</source>
        <translation>Para obtener la contraseña, indicar el código:</translation>
    </message>
    <message>
        <source>Contattare il servizio post-vendita al numero: </source>
        <translation>Contattare il servizio post-vendita al numero: </translation>
    </message>
    <message>
        <source>Per avere il codice indicare il numero:</source>
        <translation>Per avere il codice indicare il numero:</translation>
    </message>
    <message>
        <source>Neem contact op met de klantenservice na: </source>
        <translation>Neem contact op met de klantenservice na: </translation>
    </message>
    <message>
        <source>Om de code het nummer te laten vermelden:</source>
        <translation>Om de code het nummer te laten vermelden:</translation>
    </message>
    <message>
        <source>Обратитесь в сервисную службу по адресу: </source>
        <translation>Обратитесь в сервисную службу по адресу: </translation>
    </message>
    <message>
        <source> Чтобы код указывал номер:</source>
        <translation> Чтобы код указывал номер:</translation>
    </message>
    <message>
        <source>Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: </source>
        <translation>Vegye fel a kapcsolatot az értékesítés utáni szolgáltatással a következő címen: </translation>
    </message>
    <message>
        <source>A kód megadásához jelezze a számot:</source>
        <translation>A kód megadásához jelezze a számot:</translation>
    </message>
    <message>
        <source>请联系售后服务: </source>
        <translation>请联系售后服务: </translation>
    </message>
    <message>
        <source>要让代码指示数字:</source>
        <translation>要让代码指示数字:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Demande refusee par le ORV, aucun changement.</source>
        <translation>Запрос отклонён ORV, без изменений.</translation>
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
        <translation>Пароль:  </translation>
    </message>
    <message>
        <source>Annulation</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Подтвердить</translation>
    </message>
</context>
<context>
    <name>cTcmThread</name>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V1</source>
        <translation>			Нет ответа платы
			Проверьте подключения платы измерения_V1</translation>
    </message>
    <message>
        <source>Poids OK :				 %1 gr</source>
        <translation>Вес OK :				 %1 г</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir OK :	 %1 </source>
        <translation>Температура: выход ресивера OK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur OK :		 %1 </source>
        <translation>Наружная температура OK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir OK :	 %1 </source>
        <translation>Температура: вход ресивера OK :	 %1 </translation>
    </message>
    <message>
        <source>Pression OK :				 %1 bar</source>
        <translation>Давление OK :				 %1 бар</translation>
    </message>
    <message>
        <source>			Pas de reponse de la carte
			Verifier les connexions de la carte mesure_V2</source>
        <translation>			Нет ответа платы
			Проверьте подключения платы измерения_V2</translation>
    </message>
    <message>
        <source>Temperature sortie reservoir NOK :	 %1 </source>
        <translation>Температура: выход ресивера NOK :	 %1 </translation>
    </message>
    <message>
        <source>Temperature exterieur NOK :		 %1 </source>
        <translation>Наружная температура NOK :		 %1 </translation>
    </message>
    <message>
        <source>Temperature entree reservoir NOK :	 %1 </source>
        <translation>Температура: вход ресивера NOK :	 %1 </translation>
    </message>
</context>
<context>
    <name>changeSrvIpDialog</name>
    <message>
        <source>Modifier IP Serveur</source>
        <translation>Изменить IP сервера</translation>
    </message>
    <message>
        <source>Adresse IP du Serveur:</source>
        <translation>IP-адрес сервера:</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Mise a Jour</source>
        <translation>Обновить</translation>
    </message>
</context>
<context>
    <name>cp_InfoDisplay</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Caracteristiques ThermoDynamiques:</source>
        <translation>Термодинамические характеристики:</translation>
    </message>
    <message>
        <source>Pression:</source>
        <translation>Давление:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>Temperature Fluide</source>
        <translation>Температура хладагента</translation>
    </message>
    <message>
        <source>Densite:</source>
        <translation>Плотность:</translation>
    </message>
    <message>
        <source>Volume Massique:</source>
        <translation>Удельный объём:</translation>
    </message>
    <message>
        <source>Vitesse du Son:</source>
        <translation>Скорость звука:</translation>
    </message>
    <message>
        <source>Concentration de Gaz:</source>
        <translation>Концентрация газа:</translation>
    </message>
    <message>
        <source>Entropie:</source>
        <translation>Энтропия:</translation>
    </message>
    <message>
        <source>Enthalpie:</source>
        <translation>Энтальпия:</translation>
    </message>
    <message>
        <source>HP
Liquide</source>
        <translation>ВД
Жидкость</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>HP
Gaz</source>
        <translation>ВД
Газ</translation>
    </message>
    <message>
        <source>BP
Gaz</source>
        <translation>НД
Газ</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Glide </source>
        <translation>Глайд </translation>
    </message>
    <message>
        <source>°C </source>
        <translation>°C </translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>kg/dm3</source>
        <translation>kg/dm3</translation>
    </message>
    <message>
        <source>dm3/kg</source>
        <translation>dm3/kg</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>kj/kg-k</source>
        <translation>kj/kg-k</translation>
    </message>
    <message>
        <source>kj/kg</source>
        <translation>kj/kg</translation>
    </message>
    <message>
        <source>Difference d&apos;enthalphie:</source>
        <translation>Разность энтальпий:</translation>
    </message>
    <message>
        <source>Debit masse:</source>
        <translation>Массовый расход:</translation>
    </message>
    <message>
        <source>kg/s</source>
        <translation>kg/s</translation>
    </message>
    <message>
        <source>Temp Refoul I:</source>
        <translation>Темп. нагнет. I:</translation>
    </message>
    <message>
        <source>Temp Refoul C:</source>
        <translation>Темп. нагнет. C:</translation>
    </message>
    <message>
        <source>Temp Refoul M:</source>
        <translation>Темп. нагнет. M:</translation>
    </message>
    <message>
        <source>Puissance frigorifique:</source>
        <translation>Холодопроизводительность:</translation>
    </message>
    <message>
        <source>kw</source>
        <translation>kw</translation>
    </message>
    <message>
        <source>Puissance absorbee</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>kw pour</source>
        <translation>кВт для</translation>
    </message>
    <message>
        <source>compresseur(s)</source>
        <translation>компрессора(ов)</translation>
    </message>
    <message>
        <source>COP:</source>
        <translation>COP:</translation>
    </message>
    <message>
        <source>kw pour la ventilation</source>
        <translation>кВт на вентиляцию</translation>
    </message>
    <message>
        <source>kw pour les pompes</source>
        <translation>кВт на насосы</translation>
    </message>
    <message>
        <source>Glide</source>
        <translation>Глайд</translation>
    </message>
    <message>
        <source>kw </source>
        <translation>kw </translation>
    </message>
    <message>
        <source>pour les pompes </source>
        <translation>на насосы </translation>
    </message>
    <message>
        <source>compresseurs paralleles</source>
        <translation>параллельные компрессоры</translation>
    </message>
</context>
<context>
    <name>enerInfo_Display</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Puissances</source>
        <translation>Мощности</translation>
    </message>
    <message>
        <source>Intensite</source>
        <translation>Ток</translation>
    </message>
    <message>
        <source>kWh depuis
minuit</source>
        <translation>кВт·ч с
полуночи</translation>
    </message>
    <message>
        <source>kWh depuis
1er janvier</source>
        <translation>кВт·ч с
1 января</translation>
    </message>
    <message>
        <source>Les Compresseurs:</source>
        <translation>Компрессоры:</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Active(kW)</source>
        <translation>Активная(кВт)</translation>
    </message>
    <message>
        <source>Apparente(kVA)</source>
        <translation>Полная(кВА)</translation>
    </message>
    <message>
        <source>Reactive(kVAR)</source>
        <translation>Реактивная(квар)</translation>
    </message>
    <message>
        <source>COS Phi</source>
        <translation>COS Phi</translation>
    </message>
    <message>
        <source>Compresseur 1</source>
        <translation>Компрессор 1</translation>
    </message>
    <message>
        <source>Compresseur 2</source>
        <translation>Компрессор 2</translation>
    </message>
    <message>
        <source>Compresseur 3</source>
        <translation>Компрессор 3</translation>
    </message>
    <message>
        <source>Compresseur 4</source>
        <translation>Компрессор 4</translation>
    </message>
    <message>
        <source>Compresseur 5</source>
        <translation>Компрессор 5</translation>
    </message>
    <message>
        <source>Compresseur 6</source>
        <translation>Компрессор 6</translation>
    </message>
    <message>
        <source>Cumul</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Ventilateurs
 Condenseur</source>
        <translation>Вентиляторы
 конденсатора</translation>
    </message>
    <message>
        <source>Pompe(s)</source>
        <translation>Насос(ы)</translation>
    </message>
    <message>
        <source>Compresseur P</source>
        <translation>Компрессор P</translation>
    </message>
    <message>
        <source>Puissance Frigorifique:</source>
        <translation>Холодопроизводительность:</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Phase1(A)</source>
        <translation>Фаза1(A)</translation>
    </message>
    <message>
        <source>Phase2(A)</source>
        <translation>Фаза2(A)</translation>
    </message>
    <message>
        <source>Phase3(A)</source>
        <translation>Фаза3(A)</translation>
    </message>
    <message>
        <source>kW/h</source>
        <translation>kW/h</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Condensateur</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Selection du condenseur</source>
        <translation>Подбор конденсатора</translation>
    </message>
    <message>
        <source>Temperature exterieure de selection
du condenseur:</source>
        <translation>Наружная температура подбора
конденсатора:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>DT reel du condenseur en regime etabli l&apos;ete:</source>
        <translation>Реальная DT конденсатора в летнем режиме:</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
</context>
<context>
    <name>hpfConfig_ConstVaria</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Constante du Pas de Variation</source>
        <translation>Константа шага регулирования</translation>
    </message>
    <message>
        <source>Constante 1 * EXP(Ecart en °C* Constante 2)</source>
        <translation>Константа 1 * EXP(Отклонение в °C* Константа 2)</translation>
    </message>
    <message>
        <source>Remise a Zero Constantes</source>
        <translation>Сброс констант</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Constante 1:</source>
        <translation>Константа 1:</translation>
    </message>
    <message>
        <source>Constante 2:</source>
        <translation>Константа 2:</translation>
    </message>
    <message>
        <source>Calcul Pas(mA):</source>
        <translation>Расчёт шага(мА):</translation>
    </message>
    <message>
        <source>Pas:</source>
        <translation>Шаг:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Calcul Pas(Volt):</source>
        <translation>Расчёт шага(В):</translation>
    </message>
    <message>
        <source>Ecart en °C</source>
        <translation>Отклонение в °C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Differentiel</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Differentiel de regulation</source>
        <translation>Дифференциал регулирования</translation>
    </message>
    <message>
        <source>+ ventilation</source>
        <translation>+ вентиляция</translation>
    </message>
    <message>
        <source>0.5°C</source>
        <translation>0.5°C</translation>
    </message>
    <message>
        <source>3°C</source>
        <translation>3°C</translation>
    </message>
    <message>
        <source>- ventilation</source>
        <translation>- вентиляция</translation>
    </message>
</context>
<context>
    <name>hpfConfig_InfoOnComp</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Information de marche compresseur(s)</source>
        <translation>Сигнал работы компрессора(ов)</translation>
    </message>
    <message>
        <source>Choix de l&apos;information retour de marche compresseur(s)</source>
        <translation>Выбор сигнала обратной связи о работе компрессора(ов)</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par le ORV</source>
        <translation>сигнал работы компрессора(ов) от ORV</translation>
    </message>
    <message>
        <source>retour marche compresseur(s) par contact sec module HPF</source>
        <translation>сигнал работы компрессора(ов) через сухой контакт модуля HPF</translation>
    </message>
    <message>
        <source> retour marche compresseur(s) par le module ENERGE</source>
        <translation> сигнал работы компрессора(ов) от модуля ЭНЕРГИЯ</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Infos</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Infos Module HPF</source>
        <translation>Сведения о модуле HPF</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Module-HPF &lt;font color=&apos;blue&apos;&gt;DETECTER et CONNECTER&lt;/font&gt;.Vous pouvez &lt;font color=&apos;blue&apos;&gt;poursuivre&lt;/font&gt; la configuration.</source>
        <translation>Модуль HPF &lt;font color=&apos;blue&apos;&gt;ОБНАРУЖЕН и ПОДКЛЮЧЁН&lt;/font&gt;. Можно &lt;font color=&apos;blue&apos;&gt;продолжить&lt;/font&gt; настройку.</translation>
    </message>
    <message>
        <source>Module HPF OK.</source>
        <translation>Модуль HPF OK.</translation>
    </message>
    <message>
        <source>Relancer la Recherche
du Module HPF.</source>
        <translation>Повторить поиск
модуля HPF.</translation>
    </message>
    <message>
        <source>AUCUN Module-HPF n&apos;a ete detecte au demarrage. Vous pouvez &lt;font color=&apos;red&apos;&gt;RELANCER&lt;/font&gt; le processus de detection a l&apos;aide du bouton &lt;font color=&apos;red&apos;&gt;RECHERCHE&lt;/font&gt; ci-dessous</source>
        <translation>При запуске модуль HPF НЕ обнаружен. Можно &lt;font color=&apos;red&apos;&gt;ПОВТОРИТЬ&lt;/font&gt; обнаружение кнопкой &lt;font color=&apos;red&apos;&gt;ПОИСК&lt;/font&gt; ниже</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;AUCUN&lt;/font&gt; Module-HPF n&apos;a ete detecte. Veuillez &lt;font color=&apos;red&apos;&gt;verifier&lt;/font&gt; vos branchements.</source>
        <translation>Модуль HPF &lt;font color=&apos;red&apos;&gt;НЕ&lt;/font&gt; обнаружен. &lt;font color=&apos;red&apos;&gt;Проверьте&lt;/font&gt; подключения.</translation>
    </message>
</context>
<context>
    <name>hpfConfig_ModeNuit</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Mode Nuit</source>
        <translation>Ночной режим</translation>
    </message>
    <message>
        <source>Le mode Nuit est active par fermeture de
l&apos;entree T/R du Mode Nuit</source>
        <translation>Ночной режим включается замыканием
входа T/R ночного режима</translation>
    </message>
    <message>
        <source>   mA Maximum en Mode Nuit:</source>
        <translation>   Макс. мА в ночном режиме:</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>volts Maximum en Mode Nuit:</source>
        <translation>Макс. вольт в ночном режиме:</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>volts</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Condensation de deverouillage du Mode Nuit en °C:</source>
        <translation>Конденсация снятия ночного режима в °C:</translation>
    </message>
    <message>
        <source>30°C</source>
        <translation>30°C</translation>
    </message>
    <message>
        <source>45°C</source>
        <translation>45°C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_SendFin</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fin Parametrage</source>
        <translation>Конец настройки</translation>
    </message>
    <message>
        <source>Sauvegarde et Envoi
au module HPF</source>
        <translation>Сохранить и отправить
в модуль HPF</translation>
    </message>
    <message>
        <source>OK Configuration &lt;font color=&apos;blue&apos;&gt;Sauvegardee et Envoyee&lt;/font&gt; au Module-HPF.</source>
        <translation>OK конфигурация &lt;font color=&apos;blue&apos;&gt;сохранена и отправлена&lt;/font&gt; в модуль HPF.</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;ERREUR de l&apos;envoie de la configuration au Module-HPF&lt;/font&gt;. Veuillez &lt;font color=&apos;red&apos;&gt;REESSAYER/RENVOYER SVP&lt;/font&gt;.</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ОШИБКА отправки конфигурации в модуль HPF&lt;/font&gt;. &lt;font color=&apos;red&apos;&gt;ПОВТОРИТЕ ОТПРАВКУ&lt;/font&gt;, пожалуйста.</translation>
    </message>
</context>
<context>
    <name>hpfConfig_TCmini</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>TC Mini</source>
        <translation>TC мин</translation>
    </message>
    <message>
        <source>Donnez la temperature de condensation minimum pour
un bon fonctionnement de vos detendeurs</source>
        <translation>Укажите минимальную температуру конденсации для
нормальной работы ваших ТРВ</translation>
    </message>
    <message>
        <source>TC mini:</source>
        <translation>TC мин:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>hpfConfig_TempoVaria</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Temporisation du Variateur</source>
        <translation>Задержка преобразователя</translation>
    </message>
    <message>
        <source>Enclenchement Ventilation</source>
        <translation>Включение вентиляции</translation>
    </message>
    <message>
        <source>en Secondes</source>
        <translation>в секундах</translation>
    </message>
    <message>
        <source>Coupure Ventilation</source>
        <translation>Отключение вентиляции</translation>
    </message>
</context>
<context>
    <name>hpfConfig_UART</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Vitesse UART ORV et ModBUS</source>
        <translation>Скорость UART ORV и ModBUS</translation>
    </message>
    <message>
        <source>RS-485 ID:</source>
        <translation>RS-485 ID:</translation>
    </message>
    <message>
        <source>Desactiver le module HPF</source>
        <translation>Отключить модуль HPF</translation>
    </message>
    <message>
        <source>Port UART1 ORV:</source>
        <translation>Порт UART1 ORV:</translation>
    </message>
    <message>
        <source>bauds</source>
        <translation>bauds</translation>
    </message>
    <message>
        <source>Port UART2 MODBUS:</source>
        <translation>Порт UART2 MODBUS:</translation>
    </message>
    <message>
        <source>TERMINER / RETOUR ENREGISTREMENT</source>
        <translation>ЗАВЕРШИТЬ / ВЕРНУТЬСЯ К СОХРАНЕНИЮ</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Variateur</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Variateur de Vitesse</source>
        <translation>Частотный преобразователь</translation>
    </message>
    <message>
        <source>Avez-vous un retour d&apos;information de puissance
de 4-20 mA du variateur ?</source>
        <translation>Есть ли сигнал мощности 4-20 мА
от частотного преобразователя?</translation>
    </message>
    <message>
        <source>Puissance a 20 mA :</source>
        <translation>Мощность при 20 мА :</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Le variateur est toujours affecte au premier etage de ventilation dont la puissance est superieure a 0, ainsi si le premier relai est HS, il suffit de decaler tous les etages en remettant bien les puissances sur les bons etages.</source>
        <translation>Преобразователь всегда назначен на первую ступень вентиляции с мощностью больше 0; поэтому, если первое реле неисправно, достаточно сдвинуть все ступени, правильно переназначив мощности ступеням.</translation>
    </message>
    <message>
        <source>Pas de variateur de vitesse</source>
        <translation>Без частотного преобразователя</translation>
    </message>
    <message>
        <source>Variation de vitesse sur le premier etage de condensation</source>
        <translation>Регулирование скорости на первой ступени конденсации</translation>
    </message>
    <message>
        <source>Variation de vitesse sur tous les etages de ventilation</source>
        <translation>Регулирование скорости на всех ступенях вентиляции</translation>
    </message>
    <message>
        <source>en Volts</source>
        <translation>в вольтах</translation>
    </message>
    <message>
        <source>en mA</source>
        <translation>в мА</translation>
    </message>
</context>
<context>
    <name>hpfConfig_Ventil</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Etage de Ventillation</source>
        <translation>Ступень вентиляции</translation>
    </message>
    <message>
        <source>Etage selectionne:</source>
        <translation>Выбранная ступень:</translation>
    </message>
    <message>
        <source>Puissance de l&apos;etage de ventillation
absorbee en Watt</source>
        <translation>Потребляемая мощность ступени
вентиляции в ваттах</translation>
    </message>
</context>
<context>
    <name>hpfInfo_Display</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>T° Exterieure</source>
        <translation>Наруж. T°</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>ВД</translation>
    </message>
    <message>
        <source>0 / 0</source>
        <translation>0 / 0</translation>
    </message>
    <message>
        <source>Etage(s) de Ventilation, soit:</source>
        <translation>Ступень(и) вентиляции, т.е.:</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>mA</translation>
    </message>
    <message>
        <source>Cons + Dif+</source>
        <translation>Уст + Диф+</translation>
    </message>
    <message>
        <source>Consigne
Calculee</source>
        <translation>Расчётная
уставка</translation>
    </message>
    <message>
        <source>Cons - Dif-</source>
        <translation>Уст - Диф-</translation>
    </message>
    <message>
        <source>Zone neutre de demande
+ de Ventilation</source>
        <translation>Нейтральная зона запроса
+ вентиляции</translation>
    </message>
    <message>
        <source>Dif.</source>
        <translation>Диф.</translation>
    </message>
    <message>
        <source>Zone neutre de demande
- de Ventilation</source>
        <translation>Нейтральная зона запроса
- вентиляции</translation>
    </message>
    <message>
        <source>HP Mini</source>
        <translation>ВД мин</translation>
    </message>
    <message>
        <source>Comp_%1</source>
        <translation>Comp_%1</translation>
    </message>
    <message>
        <source>M/A</source>
        <translation>ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>DELEST</source>
        <translation>ОТКЛ.НАГР</translation>
    </message>
    <message>
        <source>NUIT</source>
        <translation>НОЧЬ</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>РЕЗЕРВ</translation>
    </message>
    <message>
        <source>HP Flottante</source>
        <translation>Плавающее ВД</translation>
    </message>
    <message>
        <source>Compresseur(s) ORV</source>
        <translation>Компрессор(ы) ORV</translation>
    </message>
    <message>
        <source>HPF v%1</source>
        <translation>HPF v%1</translation>
    </message>
    <message>
        <source>Mode Secours</source>
        <translation>Аварийный режим</translation>
    </message>
    <message>
        <source>Probleme RS485:</source>
        <translation>Проблема RS485:</translation>
    </message>
    <message>
        <source>Consigne
Arret</source>
        <translation>Уставка
останова</translation>
    </message>
</context>
<context>
    <name>led_Rect</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>screenMsgBox</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Выход</translation>
    </message>
</context>
</TS>
