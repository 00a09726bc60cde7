<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Спут.</translation>
    </message>
    <message>
        <source>Tp</source>
        <translation>ТП</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>ИЗБ</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блок.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Вводите только символы Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Невозможно добавить этот канал</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Невозможно добавить ТП</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>неверное магическое число</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>не совпадает контрольная сумма заголовка</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>не совпадает контрольная сумма данных</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>охватываемая длина выходит за пределы образа</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>файл короче 32-байтового заголовка</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>неизвестная проблема</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>повторяющийся канал</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>повторяющееся имя</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>пустое имя</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID вне диапазона</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>скрытый спутник</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>пустой транспондер</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>группа избранного без имени</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>добавление транспондера</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>изменение транспондера</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>удаление транспондера</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>добавление канала</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>изменение канала</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>переименование групп избранного</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Введите не более %n символа.</numerusform>
            <numerusform>Введите не более %n символов.</numerusform>
            <numerusform>Введите не более %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>нет действующего канала %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>нет действующего транспондера %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>упорядочен %n канал, %2 без соответствия</numerusform>
            <numerusform>упорядочено %n канала, %2 без соответствия</numerusform>
            <numerusform>упорядочено %n каналов, %2 без соответствия</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Папка %1 не позволяет сохранить надёжно (%2): при сохранении новый файл записывается рядом со старым, прежде чем занять его место.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>удаление %n канала</numerusform>
            <numerusform>удаление %n каналов</numerusform>
            <numerusform>удаление %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>перемещение %n канала</numerusform>
            <numerusform>перемещение %n каналов</numerusform>
            <numerusform>перемещение %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>избранное для %n канала</numerusform>
            <numerusform>избранное для %n каналов</numerusform>
            <numerusform>избранное для %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>сортировка %n канала по имени</numerusform>
            <numerusform>сортировка %n каналов по имени</numerusform>
            <numerusform>сортировка %n каналов по имени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>сортировка %n канала по ID сервиса</numerusform>
            <numerusform>сортировка %n каналов по ID сервиса</numerusform>
            <numerusform>сортировка %n каналов по ID сервиса</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>сортировка %n канала по транспондеру</numerusform>
            <numerusform>сортировка %n каналов по транспондеру</numerusform>
            <numerusform>сортировка %n каналов по транспондеру</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (ТП: %2, кан.: %3)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (кан.: %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>скопирован %n канал, обновлено %2, пропущено как имеющиеся %3, не импортируется %4</numerusform>
            <numerusform>скопировано %n канала, обновлено %2, пропущено как имеющиеся %3, не импортируется %4</numerusform>
            <numerusform>скопировано %n каналов, обновлено %2, пропущено как имеющиеся %3, не импортируется %4</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>у спутника %1 нет имени, по которому его можно найти здесь</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>спутника «%1» нет в этой базе</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>В таблице транспондеров есть место для %1 из %2 добавляемых транспондеров: ничего не импортировано.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>В таблице каналов есть место для %1 из %2 копируемых каналов: ничего не импортировано.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Не удалось открыть файл!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Не удалось прочитать файл! Показанная база сохранена.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Недопустимый файл базы!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Не удалось создать файл!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Не удалось записать файл! Файл остался прежним.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>видео PID %1 больше %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>аудио PID %1 больше %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR PID %1 больше %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID сервиса 65535, который следующее «Добавить канал» на его транспондере перезапишет</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>спутник %1 «%2» не показан: его %n канал не виден ни в одном дереве</numerusform>
            <numerusform>спутник %1 «%2» не показан: его %n канала не видны ни в одном дереве</numerusform>
            <numerusform>спутник %1 «%2» не показан: его %n каналов не видны ни в одном дереве</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>у транспондера %1 (%2 %3 на «%4») нет каналов</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>в группе избранного %1 есть %n канал, но нет имени</numerusform>
            <numerusform>в группе избранного %1 есть %n канала, но нет имени</numerusform>
            <numerusform>в группе избранного %1 есть %n каналов, но нет имени</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>импорт %n канала из %2</numerusform>
            <numerusform>импорт %n каналов из %2</numerusform>
            <numerusform>импорт %n каналов из %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Аудио PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>БЛОКИРОВКА</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Аудио PID должен отличаться от видео PID в видах ТВ и ВСЕ.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Поле: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 не может быть 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 должно быть от 1 до %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Таблица каналов заполнена (%1 каналов).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>На %1 уже есть %2. Оставить оба?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>повторяющийся транспондер</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>у транспондера %1 (%2 %3 на «%4») частота и поляризация транспондера %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 «%2»: транспондер (%3) и ID сервиса (%4) как у %5 «%6»</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 «%2»: имя как у %3 «%4» (оба радио)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 «%2»: имя как у %3 «%4» (оба ТВ)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID сервиса %3) без имени</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>№ %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>канал %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Спутники и их транспондеры; при выборе одного его каналы показываются в списке</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Каналы вида в порядке ресивера; Enter — изменить, Delete — удалить, Ctrl+Вверх и Ctrl+Вниз — переместить</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Показывает только каналы, имя которых содержит этот текст или ID сервиса которых равен этому числу</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Показывает все каналы</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Показывает только ТВ-каналы</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Показывает только радиоканалы</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Открывает файл базы каналов</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Сохраняет изменения в открытый файл</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Сохраняет базу в новый файл</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Закрывает окно, предлагая сохранить изменения</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Отменяет последнее изменение</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Повторяет последнее отменённое изменение</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Показывает или скрывает проблемы, найденные в базе</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Проблемы, найденные в базе; двойной щелчок показывает нужный элемент</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Клавиши всех команд</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Частота транспондера в МГц</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Вертикальная (13 В) или горизонтальная (18 В) поляризация</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Скорость потока в килосимволах в секунду</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Спутник, на котором находится канал</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Транспондер, на котором находится канал</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Имя канала в символах Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>ID сервиса, который определяет канал на его транспондере</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Идентификатор пакетов видеопотока</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Идентификатор пакетов аудиопотока</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Идентификатор пакетов опорного времени</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Запрашивает ли канал код блокировки</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Закодирован канал или открыт</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Строка списка, куда перемещаются выбранные каналы</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Входит ли канал в группу избранного %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Имя группы избранного %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Принимает введённое и закрывает диалог</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Закрывает диалог без изменений</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Каналы для импорта</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Спутники, транспондеры и каналы другой базы; отметьте, что копировать</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Заменяет уже имеющиеся здесь каналы импортируемыми</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Вставляет копии перед выбранным каналом, а не в конец</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Копирует отмеченные каналы в эту базу</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Отличия от открытой базы</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Резервные копии</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Резервных копий %1 в %2 нет.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Резервные копии %1 в %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Загружает копию в окно как несохранённые изменения</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Показать папку</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>канал «%1»</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Удалить все выбранные каналы?
Удалить %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Переместить все выбранные каналы?
Переместить %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Изменить канал</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Видео PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Аудио PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>БЛОКИРОВКА</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Добавить канал</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Будет заменён канал «%1» (ID сервиса %2) на этом транспондере. Заменить?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Канал добавлен</translation>
    </message>
</context>
<context>
    <name>kavro::DialogSupport</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Изменить избранное</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Изб%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Изменить имена групп избранного</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Изб%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Сохранить изменения?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Импорт из %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Обновлять имеющиеся</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Вставить перед выделением</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Избранное по номеру группы</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Избранное по имени группы</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>отмечен %n канал</numerusform>
            <numerusform>отмечено %n канала</numerusform>
            <numerusform>отмечено %n каналов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>Добавлен %n транспондер.</numerusform>
            <numerusform>Добавлено %n транспондера.</numerusform>
            <numerusform>Добавлено %n транспондеров.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Не импортируется: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Группы избранного «%1» здесь нет: пропущена.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Не импортируется: у спутника нет имени</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Не импортируется: такого спутника здесь нет</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Есть</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Спутник / ТП / №</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Эта база</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Файлы каналов (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Списки каналов (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Экспорт списка</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Применить порядок из</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Импорт из</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Экспортирован %n канал в %1</numerusform>
            <numerusform>Экспортировано %n канала в %1</numerusform>
            <numerusform>Экспортировано %n каналов в %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Проблемы (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ВСЕ</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>РАДИО</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Редактор каналов </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Редактор каналов</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Каналы</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Дерево</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Контекстное меню списка или дерева</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Нажимает кнопку, на которой фокус</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Экспорт списка...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Изменить избранное</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Изменить имя избранного</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>В конец</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>На позицию...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Сортировать по ID сервиса</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Сортировать по транспондеру</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Применить порядок из...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Добавить ТП</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Удалить ТП</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Добавить канал</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>О программе Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Редактирует базу каналов цифрового спутникового ресивера.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Импорт из...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Резервные копии...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Изменить канал...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Завершает перетаскивание или очищает поле «Поиск»</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Спутники...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Скрыть спутник</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Переименовать спутник...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ничего</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Обратить выделение</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Закодированные</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Открытые</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокированные</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Вне групп</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>На этом транспондере</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>На этом спутнике</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>С проблемами</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Новые с...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выделить</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>В группе избранного</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>Выделено: %1</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Переместить на позицию</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Показан</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>ТП</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>После открытия файл был изменён другой программой. Перезаписать его?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Не удалось создать резервную копию файла в
%1
(%2).

Сохранить без резервной копии?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Не удалось записать файл! Файл остался прежним.

%1

Сохраните базу в другом месте командой «Сохранить как» или разрешите запись в папку.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Не найдена папка для резервных копий: ни XDG_DATA_HOME, ни HOME не является абсолютным путём.

Сохранить без резервной копии?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Всё равно сохранить?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Больше не спрашивать</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>транспондер %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>транспондер %1 и его %n канал</numerusform>
            <numerusform>транспондер %1 и его %n канала</numerusform>
            <numerusform>транспондер %1 и его %n каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Удалить выбранный транспондер?
Удалить %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Изменить ТП</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Вертикальная-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Горизонтальная-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Добавить ТП</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>кСим/с</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderOperations</name>
    <message>
        <source>TP added</source>
        <translation>ТП добавлен</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 из %3 каналов</translation>
    </message>
</context>
</TS>
