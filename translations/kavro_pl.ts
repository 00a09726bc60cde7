<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Tp</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>ULB</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blok.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Wprowadź tylko znaki Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Nie można dodać tego kanału</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Nie można dodać TP</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>błędna liczba magiczna</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>niezgodna suma kontrolna nagłówka</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>niezgodna suma kontrolna danych</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>objęta długość wykracza poza obraz</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>plik jest krótszy niż 32-bajtowy nagłówek</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>nieznany problem</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>zdublowany kanał</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>zdublowana nazwa</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>pusta nazwa</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID poza zakresem</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>ukryty satelita</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>pusty transponder</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>grupa ulubionych bez nazwy</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>dodanie transpondera</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>edycja transpondera</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>usunięcie transpondera</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>dodanie kanału</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>edycja kanału</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>zmiana nazw grup ulubionych</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wprowadź liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Wprowadź nie więcej niż %n znak.</numerusform>
            <numerusform>Wprowadź nie więcej niż %n znaki.</numerusform>
            <numerusform>Wprowadź nie więcej niż %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>nie ma aktywnego kanału %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>nie ma aktywnego transpondera %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>uporządkowano %n kanał, %2 bez dopasowania</numerusform>
            <numerusform>uporządkowano %n kanały, %2 bez dopasowania</numerusform>
            <numerusform>uporządkowano %n kanałów, %2 bez dopasowania</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Folder %1 nie pozwala na bezpieczny zapis (%2): zapis tworzy nowy plik obok starego, zanim zajmie on jego miejsce.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>usunięcie %n kanału</numerusform>
            <numerusform>usunięcie %n kanałów</numerusform>
            <numerusform>usunięcie %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>przeniesienie %n kanału</numerusform>
            <numerusform>przeniesienie %n kanałów</numerusform>
            <numerusform>przeniesienie %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>ulubione %n kanału</numerusform>
            <numerusform>ulubione %n kanałów</numerusform>
            <numerusform>ulubione %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>sortowanie %n kanału według nazwy</numerusform>
            <numerusform>sortowanie %n kanałów według nazwy</numerusform>
            <numerusform>sortowanie %n kanałów według nazwy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>sortowanie %n kanału według ID usługi</numerusform>
            <numerusform>sortowanie %n kanałów według ID usługi</numerusform>
            <numerusform>sortowanie %n kanałów według ID usługi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>sortowanie %n kanału według transpondera</numerusform>
            <numerusform>sortowanie %n kanałów według transpondera</numerusform>
            <numerusform>sortowanie %n kanałów według transpondera</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TP, %3 kan.)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 kan.)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>skopiowano %n kanał, zaktualizowano %2, pominięto jako obecne %3, nie do zaimportowania %4</numerusform>
            <numerusform>skopiowano %n kanały, zaktualizowano %2, pominięto jako obecne %3, nie do zaimportowania %4</numerusform>
            <numerusform>skopiowano %n kanałów, zaktualizowano %2, pominięto jako obecne %3, nie do zaimportowania %4</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>satelita %1 nie ma nazwy, po której można go tu znaleźć</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>satelity „%1” nie ma w tej bazie</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>Tabela transponderów ma miejsce na %1 z %2 transponderów do dodania: nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>Tabela kanałów ma miejsce na %1 z %2 kanałów do skopiowania: nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Otwarcie pliku nie powiodło się!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Odczyt pliku nie powiódł się! Wyświetlana baza pozostała bez zmian.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Nieprawidłowy plik bazy!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Utworzenie pliku nie powiodło się!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Zapis pliku nie powiódł się! Plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID wideo %1 powyżej %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID audio %1 powyżej %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID PCR %1 powyżej %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID usługi 65535, który następne „Dodaj kanał” na jego transponderze nadpisze</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>satelita %1 „%2” nie jest pokazywany: jego %n kanał nie występuje w żadnym drzewie</numerusform>
            <numerusform>satelita %1 „%2” nie jest pokazywany: jego %n kanały nie występują w żadnym drzewie</numerusform>
            <numerusform>satelita %1 „%2” nie jest pokazywany: jego %n kanałów nie występuje w żadnym drzewie</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>transponder %1 (%2 %3 na „%4”) nie ma kanałów</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>grupa ulubionych %1 zawiera %n kanał, ale nie ma nazwy</numerusform>
            <numerusform>grupa ulubionych %1 zawiera %n kanały, ale nie ma nazwy</numerusform>
            <numerusform>grupa ulubionych %1 zawiera %n kanałów, ale nie ma nazwy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>import %n kanału z %2</numerusform>
            <numerusform>import %n kanałów z %2</numerusform>
            <numerusform>import %n kanałów z %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOKADA</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>PID audio musi różnić się od PID wideo w widokach TV i WSZYSTKIE.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Pole: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 nie może wynosić 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 musi mieścić się między 1 a %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Tabela kanałów jest pełna (%1 kanałów).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 ma już %2. Zachować oba?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>zdublowany transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>transponder %1 (%2 %3 na „%4”) ma częstotliwość i polaryzację transpondera %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 „%2”: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 „%2” ma transponder (%3) i ID usługi (%4) takie jak %5 „%6”</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 „%2” ma nazwę taką jak %3 „%4” (oba radiowe)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 „%2” ma nazwę taką jak %3 „%4” (oba TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID usługi %3) nie ma nazwy</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanał %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Satelity i ich transpondery; wybranie jednego pokazuje jego kanały na liście</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Kanały widoku w kolejności odbiornika; Enter edytuje, Delete usuwa, Ctrl+Góra i Ctrl+Dół przenoszą</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Pokazuje tylko kanały, których nazwa zawiera ten tekst lub których ID usługi jest tą liczbą</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Pokazuje wszystkie kanały</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Pokazuje tylko kanały TV</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Pokazuje tylko kanały radiowe</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Otwiera plik bazy kanałów</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Zapisuje zmiany w otwartym pliku</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Zapisuje bazę do nowego pliku</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Zamyka okno, pytając o zapisanie zmian</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Cofa ostatnią zmianę</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Ponawia ostatnio cofniętą zmianę</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Pokazuje lub ukrywa problemy znalezione w bazie</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Problemy znalezione w bazie; dwukrotne kliknięcie pokazuje dany element</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Klawisze każdego polecenia</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Częstotliwość transpondera w MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Polaryzacja pionowa (13 V) lub pozioma (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Symbol rate w kilosymbolach na sekundę</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Satelita, na którym jest kanał</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Transponder, na którym jest kanał</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Nazwa kanału w znakach Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>ID usługi, który identyfikuje kanał na jego transponderze</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Identyfikator pakietów strumienia wideo</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Identyfikator pakietów strumienia audio</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Identyfikator pakietów odniesienia zegara</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Czy kanał wymaga kodu blokady</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Czy kanał jest kodowany, czy niekodowany</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Wiersz listy, do którego trafią zaznaczone kanały</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Czy kanał należy do grupy ulubionych %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Nazwa grupy ulubionych %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Przyjmuje wprowadzone dane i zamyka okno</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Zamyka okno bez wprowadzania zmian</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Kanały do zaimportowania</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Satelity, transpondery i kanały drugiej bazy; zaznacz, co skopiować</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Zastępuje kanały, które już tu są, zaimportowanymi</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Wstawia kopie przed zaznaczonym kanałem zamiast na końcu</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Kopiuje zaznaczone kanały do tej bazy</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Różnice względem otwartej bazy</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Kopie zapasowe</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>W %2 nie ma kopii zapasowych %1.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Kopie zapasowe %1 w %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Wczytuje kopię do okna jako niezapisane zmiany</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Pokaż folder</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>kanał „%1”</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Czy na pewno usunąć wszystkie zaznaczone kanały?
Usunąć %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Czy na pewno przenieść wszystkie zaznaczone kanały?
Przenieść %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID usługi</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOKADA</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>To zastąpi kanał „%1” (ID usługi %2) na tym transponderze. Zastąpić?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Dodano kanał</translation>
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
        <translation>ANULUJ</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Edytuj ulubione</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Ulub%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Edytuj nazwy grup ulubionych</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Ulub%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>Zapisano %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Czy zapisać zmiany?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importuj z %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Aktualizuj istniejące</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Wstaw przed zaznaczeniem</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Ulubione według numeru grupy</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Ulubione według nazwy grupy</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>zaznaczono %n kanał</numerusform>
            <numerusform>zaznaczono %n kanały</numerusform>
            <numerusform>zaznaczono %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>Dodano %n transponder.</numerusform>
            <numerusform>Dodano %n transpondery.</numerusform>
            <numerusform>Dodano %n transponderów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Nie do zaimportowania: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Grupy ulubionych „%1” tu nie ma: pominięto.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Nie do zaimportowania: satelita nie ma nazwy</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Nie do zaimportowania: nie ma tu takiego satelity</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Jest</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satelita / TP / Nr</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Ta baza</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Pliki kanałów (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Listy kanałów (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nie zapisuj</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Eksportuj listę</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Zastosuj kolejność z</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importuj z</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Wyeksportowano %n kanał do %1</numerusform>
            <numerusform>Wyeksportowano %n kanały do %1</numerusform>
            <numerusform>Wyeksportowano %n kanałów do %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problemy (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>WSZYSTKIE</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADIO</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Edytor kanałów </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Edytor kanałów</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanały</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Drzewo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>P&amp;omoc</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Menu kontekstowe listy lub drzewa</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Naciska przycisk, który ma fokus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Eksportuj listę...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Dodaj do ulubionych</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Edytuj ulubione</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Edytuj nazwę ulubionych</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Przenieś na górę</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Przenieś na dół</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Przenieś na pozycję...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sortuj według nazwy</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Sortuj według ID usługi</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Sortuj według transpondera</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Zastosuj kolejność z...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Dodaj TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Usuń TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>O programie Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otwórz &amp;ostatnie</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Edytuje bazę kanałów cyfrowego odbiornika satelitarnego.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importuj z...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Kopie zapasowe...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Edytuj kanał...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Kończy przeciąganie lub czyści pole „Znajdź”</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satelity...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Ukryj satelitę</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Zmień nazwę satelity...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nic</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowane</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Niekodowane</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Poza grupami</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Na tym transponderze</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Na tym satelicie</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikaty</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Z problemami</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nowe od...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>W grupie ulubionych</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>Zaznaczono: %1</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Przenieś na pozycję</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Widoczny</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Plik został zmieniony przez inny program od czasu otwarcia. Nadpisać go?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Nie udało się utworzyć kopii zapasowej pliku w
%1
(%2).

Zapisać bez kopii zapasowej?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Zapis pliku nie powiódł się! Plik pozostał bez zmian.

%1

Zapisz bazę w innym miejscu poleceniem „Zapisz jako” lub nadaj folderowi prawo zapisu.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Nie znaleziono folderu na kopie zapasowe: ani XDG_DATA_HOME, ani HOME nie jest ścieżką bezwzględną.

Zapisać bez kopii zapasowej?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Zapisać mimo to?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>transponder %1 i jego %n kanał</numerusform>
            <numerusform>transponder %1 i jego %n kanały</numerusform>
            <numerusform>transponder %1 i jego %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Czy na pewno usunąć zaznaczony transponder?
Usunąć %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Edytuj TP</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Pionowa-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Pozioma-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Dodaj TP</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>kS/s</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderOperations</name>
    <message>
        <source>TP added</source>
        <translation>Dodano TP</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 z %3 kanałów</translation>
    </message>
</context>
</TS>
