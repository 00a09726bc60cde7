<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Суп.</translation>
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
        <translation>ОБР</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блок.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введіть ціле число.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Вводьте лише символи Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Неможливо додати цей канал</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Неможливо додати ТП</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>неправильне магічне число</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>не збігається контрольна сума заголовка</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>не збігається контрольна сума даних</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>охоплена довжина виходить за межі образу</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>файл коротший за 32-байтовий заголовок</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>невідома проблема</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>повторюваний канал</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>повторювана назва</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>порожня назва</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID поза діапазоном</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>прихований супутник</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>порожній транспондер</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>група обраного без назви</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>додавання транспондера</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>зміна транспондера</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>видалення транспондера</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>додавання каналу</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>зміна каналу</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>перейменування груп обраного</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введіть ціле число від %1 до %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Введіть не більше %n символу.</numerusform>
            <numerusform>Введіть не більше %n символів.</numerusform>
            <numerusform>Введіть не більше %n символів.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>немає чинного каналу %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>немає чинного транспондера %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>упорядковано %n канал, %2 без відповідника</numerusform>
            <numerusform>упорядковано %n канали, %2 без відповідника</numerusform>
            <numerusform>упорядковано %n каналів, %2 без відповідника</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Тека %1 не дозволяє безпечно зберегти (%2): під час збереження новий файл записується поруч зі старим, перш ніж зайняти його місце.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>видалення %n каналу</numerusform>
            <numerusform>видалення %n каналів</numerusform>
            <numerusform>видалення %n каналів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>переміщення %n каналу</numerusform>
            <numerusform>переміщення %n каналів</numerusform>
            <numerusform>переміщення %n каналів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>обране для %n каналу</numerusform>
            <numerusform>обране для %n каналів</numerusform>
            <numerusform>обране для %n каналів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>сортування %n каналу за назвою</numerusform>
            <numerusform>сортування %n каналів за назвою</numerusform>
            <numerusform>сортування %n каналів за назвою</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>сортування %n каналу за ID сервісу</numerusform>
            <numerusform>сортування %n каналів за ID сервісу</numerusform>
            <numerusform>сортування %n каналів за ID сервісу</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>сортування %n каналу за транспондером</numerusform>
            <numerusform>сортування %n каналів за транспондером</numerusform>
            <numerusform>сортування %n каналів за транспондером</numerusform>
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
            <numerusform>скопійовано %n канал, оновлено %2, пропущено як наявні %3, не імпортується %4</numerusform>
            <numerusform>скопійовано %n канали, оновлено %2, пропущено як наявні %3, не імпортується %4</numerusform>
            <numerusform>скопійовано %n каналів, оновлено %2, пропущено як наявні %3, не імпортується %4</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>супутник %1 не має назви, за якою його можна знайти тут</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>супутника «%1» немає в цій базі</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>У таблиці транспондерів є місце для %1 з %2 транспондерів, що додаються: нічого не імпортовано.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>У таблиці каналів є місце для %1 з %2 каналів, що копіюються: нічого не імпортовано.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Не вдалося відкрити файл!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Не вдалося прочитати файл! Показану базу збережено.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Неприпустимий файл бази!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Не вдалося створити файл!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Не вдалося записати файл! Файл лишився без змін.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>відео PID %1 більше за %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>аудіо PID %1 більше за %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR PID %1 більше за %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID сервісу 65535, який наступне «Додати канал» на його транспондері перезапише</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>супутник %1 «%2» не показано: його %n канал не видно в жодному дереві</numerusform>
            <numerusform>супутник %1 «%2» не показано: його %n канали не видно в жодному дереві</numerusform>
            <numerusform>супутник %1 «%2» не показано: його %n каналів не видно в жодному дереві</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>транспондер %1 (%2 %3 на «%4») не має каналів</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>група обраного %1 містить %n канал, але не має назви</numerusform>
            <numerusform>група обраного %1 містить %n канали, але не має назви</numerusform>
            <numerusform>група обраного %1 містить %n каналів, але не має назви</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>імпорт %n каналу з %2</numerusform>
            <numerusform>імпорт %n каналів з %2</numerusform>
            <numerusform>імпорт %n каналів з %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьна швидкість</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризація</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Відео PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Аудіо PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервісу</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Супутник</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>БЛОКУВАННЯ</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Обране</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Аудіо PID має відрізнятися від відео PID у виглядах ТБ та УСІ.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Поле: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 не може дорівнювати 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 має бути від 1 до %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Таблиця каналів заповнена (%1 каналів).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 вже має %2. Залишити обидва?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>повторюваний транспондер</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>транспондер %1 (%2 %3 на «%4») має частоту й поляризацію транспондера %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 «%2»: транспондер (%3) і ID сервісу (%4) як у %5 «%6»</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 «%2»: назва як у %3 «%4» (обидва радіо)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 «%2»: назва як у %3 «%4» (обидва ТБ)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID сервісу %3) без назви</translation>
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
        <translation>Супутники</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Супутники та їхні транспондери; вибір одного показує його канали в списку</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Канали</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Канали вигляду в порядку приймача; Enter — змінити, Delete — видалити, Ctrl+Вгору і Ctrl+Вниз — перемістити</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Показує лише канали, назва яких містить цей текст або ID сервісу яких дорівнює цьому числу</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Показує всі канали</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Показує лише ТБ-канали</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Показує лише радіоканали</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Відкриває файл бази каналів</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Зберігає зміни до відкритого файла</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Зберігає базу до нового файла</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Закриває вікно, пропонуючи зберегти зміни</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Скасовує останню зміну</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Повторює останню скасовану зміну</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Показує або приховує проблеми, знайдені в базі</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблеми</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Проблеми, знайдені в базі; подвійне клацання показує відповідний елемент</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Клавіші всіх команд</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Частота транспондера в МГц</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Вертикальна (13 В) або горизонтальна (18 В) поляризація</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Символьна швидкість у кілосимволах за секунду</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Супутник, на якому розташований канал</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Транспондер, на якому розташований канал</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Назва каналу в символах Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>ID сервісу, що визначає канал на його транспондері</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Ідентифікатор пакетів відеопотоку</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Ідентифікатор пакетів аудіопотоку</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Ідентифікатор пакетів опорного часу</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Чи запитує канал код блокування</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Чи канал закодований, чи відкритий</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Рядок списку, куди переміщуються вибрані канали</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Чи входить канал до групи обраного %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Назва групи обраного %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Приймає введене і закриває діалог</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Закриває діалог без змін</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Канали для імпорту</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Супутники, транспондери та канали іншої бази; позначте, що копіювати</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Замінює наявні тут канали імпортованими</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Вставляє копії перед вибраним каналом, а не в кінець</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Копіює позначені канали до цієї бази</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Відмінності від відкритої бази</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Резервні копії</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Резервних копій %1 у %2 немає.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Резервні копії %1 у %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Завантажує копію у вікно як незбережені зміни</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Показати теку</translation>
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
        <translation>Видалити всі вибрані канали?
Видалити %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Перемістити всі вибрані канали?
Перемістити %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канали</numerusform>
            <numerusform>%n каналів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Змінити канал</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Супутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервісу</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Відео PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Аудіо PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>БЛОКУВАННЯ</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Додати канал</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Буде замінено канал «%1» (ID сервісу %2) на цьому транспондері. Замінити?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Канал додано</translation>
    </message>
</context>
<context>
    <name>kavro::DialogSupport</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>СКАСУВАТИ</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Змінити обране</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Обр%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Змінити назви груп обраного</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Обр%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>Збережено: %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Зберегти зміни?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Імпорт з %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Оновлювати наявні</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Вставити перед виділенням</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Обране за номером групи</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Обране за назвою групи</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>позначено %n канал</numerusform>
            <numerusform>позначено %n канали</numerusform>
            <numerusform>позначено %n каналів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>Додано %n транспондер.</numerusform>
            <numerusform>Додано %n транспондери.</numerusform>
            <numerusform>Додано %n транспондерів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Не імпортується: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Групи обраного «%1» тут немає: пропущено.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Не імпортується: супутник не має назви</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Не імпортується: такого супутника тут немає</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Є</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новий</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Супутник / ТП / №</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Ця база</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Файли каналів (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Списки каналів (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Не зберігати</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Перезавантажити</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Експортувати список</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Застосувати порядок з</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Імпорт з</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Експортовано %n канал до %1</numerusform>
            <numerusform>Експортовано %n канали до %1</numerusform>
            <numerusform>Експортовано %n каналів до %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Проблеми (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>УСІ</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>РАДІО</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Редактор каналів </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Редактор каналів</translation>
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
        <translation>&amp;Зміни</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Канали</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Дерево</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Контекстне меню списку або дерева</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Натискає кнопку, на якій фокус</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Експортувати список...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Додати до обраного</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Змінити обране</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Змінити назву обраного</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>На початок</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>В кінець</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>На позицію...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Сортувати за назвою</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Сортувати за ID сервісу</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Сортувати за транспондером</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Застосувати порядок з...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Додати ТП</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Видалити ТП</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Додати канал</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радіо</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Клавіатурні скорочення</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Про Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Нещодавні файли</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Редагує базу каналів цифрового супутникового приймача.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Імпорт з...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Відкрити...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Зберегти як...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Резервні копії...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Змінити канал...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистити список</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Завершує перетягування або очищає поле «Пошук»</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Супутники...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Сховати супутник</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Перейменувати супутник...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нічого</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Обернути виділення</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Закодовані</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Відкриті</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблоковані</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Поза групами</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>На цьому транспондері</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>На цьому супутнику</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Дублікати</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>З проблемами</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Нові з...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Виділити</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>У групі обраного</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>Виділено: %1</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Перемістити на позицію</translation>
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
        <translation>Супутники</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Показано</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>ТП</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Канали</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Після відкриття файл змінила інша програма. Перезаписати його?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Не вдалося створити резервну копію файла в
%1
(%2).

Зберегти без резервної копії?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Не вдалося записати файл! Файл лишився без змін.

%1

Збережіть базу в іншому місці командою «Зберегти як» або дозвольте запис до теки.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Не знайдено теки для резервних копій: ні XDG_DATA_HOME, ні HOME не є абсолютним шляхом.

Зберегти без резервної копії?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Усе одно зберегти?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Більше не питати</translation>
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
            <numerusform>транспондер %1 і його %n канал</numerusform>
            <numerusform>транспондер %1 і його %n канали</numerusform>
            <numerusform>транспондер %1 і його %n каналів</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Видалити вибраний транспондер?
Видалити %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Змінити ТП</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Вертикальна-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Горизонтальна-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризація</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьна швидкість</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Додати ТП</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Супутник</translation>
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
        <translation>ТП додано</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 з %3 каналів</translation>
    </message>
</context>
</TS>
