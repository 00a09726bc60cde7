<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>Č.</translation>
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
        <translation>Kanál</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>OBL</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zámek</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Zadejte pouze znaky Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Tento kanál nelze přidat</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>TP nelze přidat</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>chybné magické číslo</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>nesouhlasí kontrolní součet hlavičky</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>nesouhlasí kontrolní součet dat</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>pokrytá délka přesahuje obraz</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>soubor je kratší než 32bajtová hlavička</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>neznámý problém</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>zdvojený kanál</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>zdvojený název</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>prázdný název</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID mimo rozsah</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>skrytý satelit</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>prázdný transpondér</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>skupina oblíbených bez názvu</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>přidání transpondéru</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>úprava transpondéru</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>smazání transpondéru</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>přidání kanálu</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>úprava kanálu</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>přejmenování skupin oblíbených</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Zadejte nejvýše %n znak.</numerusform>
            <numerusform>Zadejte nejvýše %n znaky.</numerusform>
            <numerusform>Zadejte nejvýše %n znaků.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>neexistuje žádný aktivní kanál %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>neexistuje žádný aktivní transpondér %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n kanál seřazen, %2 bez shody</numerusform>
            <numerusform>%n kanály seřazeny, %2 bez shody</numerusform>
            <numerusform>%n kanálů seřazeno, %2 bez shody</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Složka %1 neumožňuje bezpečné uložení (%2): uložení zapíše nový soubor vedle starého, než zaujme jeho místo.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>smazání %n kanálu</numerusform>
            <numerusform>smazání %n kanálů</numerusform>
            <numerusform>smazání %n kanálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>přesun %n kanálu</numerusform>
            <numerusform>přesun %n kanálů</numerusform>
            <numerusform>přesun %n kanálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>nastavení oblíbených %n kanálu</numerusform>
            <numerusform>nastavení oblíbených %n kanálů</numerusform>
            <numerusform>nastavení oblíbených %n kanálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>seřazení %n kanálu podle názvu</numerusform>
            <numerusform>seřazení %n kanálů podle názvu</numerusform>
            <numerusform>seřazení %n kanálů podle názvu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>seřazení %n kanálu podle ID služby</numerusform>
            <numerusform>seřazení %n kanálů podle ID služby</numerusform>
            <numerusform>seřazení %n kanálů podle ID služby</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>seřazení %n kanálu podle transpondéru</numerusform>
            <numerusform>seřazení %n kanálů podle transpondéru</numerusform>
            <numerusform>seřazení %n kanálů podle transpondéru</numerusform>
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
            <numerusform>zkopírován %n kanál, aktualizováno %2, přeskočeno jako přítomné %3, nelze importovat %4</numerusform>
            <numerusform>zkopírovány %n kanály, aktualizováno %2, přeskočeno jako přítomné %3, nelze importovat %4</numerusform>
            <numerusform>zkopírováno %n kanálů, aktualizováno %2, přeskočeno jako přítomné %3, nelze importovat %4</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>satelit %1 nemá název, podle kterého by se dal najít zde</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>satelit „%1“ v této databázi není</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>Tabulka transpondérů má místo pro %1 z %2 přidávaných transpondérů: nic nebylo importováno.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>Tabulka kanálů má místo pro %1 z %2 kopírovaných kanálů: nic nebylo importováno.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Otevření souboru selhalo!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Čtení souboru selhalo! Zobrazená databáze zůstala zachována.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Neplatný soubor databáze!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Vytvoření souboru selhalo!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Zápis souboru selhal! Soubor zůstal beze změny.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>video PID %1 nad %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>audio PID %1 nad %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR PID %1 nad %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID služby 65535, které další „Přidat kanál“ na jeho transpondéru přepíše</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>satelit %1 „%2“ není zobrazen: jeho %n kanál není v žádném stromu</numerusform>
            <numerusform>satelit %1 „%2“ není zobrazen: jeho %n kanály nejsou v žádném stromu</numerusform>
            <numerusform>satelit %1 „%2“ není zobrazen: jeho %n kanálů není v žádném stromu</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>transpondér %1 (%2 %3 na „%4“) nemá žádný kanál</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>skupina oblíbených %1 obsahuje %n kanál, ale nemá název</numerusform>
            <numerusform>skupina oblíbených %1 obsahuje %n kanály, ale nemá název</numerusform>
            <numerusform>skupina oblíbených %1 obsahuje %n kanálů, ale nemá název</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>import %n kanálu z %2</numerusform>
            <numerusform>import %n kanálů z %2</numerusform>
            <numerusform>import %n kanálů z %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolová rychlost</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizace</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID služby</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelit</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>ZÁMEK</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Audio PID se v zobrazeních TV a VŠE musí lišit od video PID.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Pole: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 nesmí být 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 musí být mezi 1 a %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Tabulka kanálů je plná (%1 kanálů).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 už má %2. Ponechat obojí?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>zdvojený transpondér</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>transpondér %1 (%2 %3 na „%4“) má kmitočet a polarizaci transpondéru %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 „%2“ má transpondér (%3) a ID služby (%4) jako %5 „%6“</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 „%2“ má název jako %3 „%4“ (oba rozhlasové)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 „%2“ má název jako %3 „%4“ (oba televizní)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID služby %3) nemá název</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Č. %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanál %1</translation>
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
        <translation>Satelity a jejich transpondéry; výběrem jednoho se jeho kanály zobrazí v seznamu</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Kanály zobrazení v pořadí přijímače; Enter upravuje, Delete maže, Ctrl+Nahoru a Ctrl+Dolů přesouvají</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Zobrazí jen kanály, jejichž název obsahuje tento text nebo jejichž ID služby je toto číslo</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Zobrazí všechny kanály</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Zobrazí jen televizní kanály</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Zobrazí jen rozhlasové kanály</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Otevře soubor databáze kanálů</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Uloží změny do otevřeného souboru</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Uloží databázi do nového souboru</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Zavře okno a zeptá se na uložení změn</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Vrátí poslední změnu</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Znovu provede naposledy vrácenou změnu</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Zobrazí nebo skryje problémy nalezené v databázi</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problémy</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Problémy nalezené v databázi; dvojklik zobrazí dotčenou položku</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Klávesy všech příkazů</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Kmitočet transpondéru v MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Vertikální (13 V) nebo horizontální (18 V) polarizace</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Symbolová rychlost v kilosymbolech za sekundu</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Satelit, na kterém kanál je</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Transpondér, na kterém kanál je</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Název kanálu ve znacích Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>ID služby, které označuje kanál na jeho transpondéru</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Identifikátor paketů video proudu</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Identifikátor paketů audio proudu</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Identifikátor paketů časové reference</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Zda se kanál ptá na kód zámku</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Zda je kanál kódovaný, nebo volně šířený</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Řádek seznamu, na který se vybrané kanály přesunou</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Zda kanál patří do skupiny oblíbených %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Název skupiny oblíbených %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Převezme zadané údaje a zavře dialog</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Zavře dialog a nic nezmění</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Kanály k importu</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Satelity, transpondéry a kanály druhé databáze; zaškrtněte, co zkopírovat</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Přepíše kanály, které tu už jsou, importovanými</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Vloží kopie před vybraný kanál místo na konec</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Zkopíruje zaškrtnuté kanály do této databáze</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Rozdíly oproti otevřené databázi</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Zálohy</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Zálohy souboru %1 se v %2 neuchovávají.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Zálohy souboru %1 v %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Převezme zálohu do okna jako neuložené změny</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Zobrazit složku</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>kanál „%1“</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Opravdu smazat všechny vybrané kanály?
Smazat %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Opravdu přesunout všechny vybrané kanály?
Přesunout %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n kanál</numerusform>
            <numerusform>%n kanály</numerusform>
            <numerusform>%n kanálů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Upravit kanál</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondér</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID služby</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>ZÁMEK</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Přidat kanál</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Tímto se nahradí kanál „%1“ (ID služby %2) na tomto transpondéru. Nahradit?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Kanál přidán</translation>
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
        <translation>ZRUŠIT</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Upravit oblíbené</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Obl%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Upravit názvy skupin oblíbených</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Obl%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>Uloženo %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Uložit změny?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importovat z %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Aktualizovat existující</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Vložit před výběr</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Oblíbené podle čísla skupiny</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Oblíbené podle názvu skupiny</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>zaškrtnut %n kanál</numerusform>
            <numerusform>zaškrtnuty %n kanály</numerusform>
            <numerusform>zaškrtnuto %n kanálů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>Přidán %n transpondér.</numerusform>
            <numerusform>Přidány %n transpondéry.</numerusform>
            <numerusform>Přidáno %n transpondérů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Nelze importovat: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Skupina oblíbených „%1“ zde není: vynechána.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Nelze importovat: satelit nemá název</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Nelze importovat: takový satelit zde není</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Zde</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satelit / TP / Č.</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Tato databáze</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Soubory kanálů (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Seznamy kanálů (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Neukládat</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Znovu načíst</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportovat seznam</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Použít pořadí z</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importovat z</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>Exportován %n kanál do %1</numerusform>
            <numerusform>Exportovány %n kanály do %1</numerusform>
            <numerusform>Exportováno %n kanálů do %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problémy (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>VŠE</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RÁDIO</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Editor kanálů </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Editor kanálů</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanály</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>S&amp;trom</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazení</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Místní nabídka seznamu nebo stromu</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Stiskne tlačítko, které má fokus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exportovat seznam...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Přidat do oblíbených</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Upravit oblíbené</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Upravit název oblíbených</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Přesunout nahoru na začátek</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Přesunout dolů na konec</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Přesunout na pozici...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Seřadit podle názvu</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Seřadit podle ID služby</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Seřadit podle transpondéru</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Použít pořadí z...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Přidat TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Smazat TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Přidat kanál</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klávesové zkratky</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>O programu Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otevřít ne&amp;dávné</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Upravuje databázi kanálů digitálního satelitního přijímače.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Příkaz</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importovat z...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otevřít...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Uložit jako...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Zálohy...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Upravit kanál...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vyprázdnit seznam</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Ukončí přetahování nebo vyprázdní pole „Hledat“</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satelity...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Skrýt satelit</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Přejmenovat satelit...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nic</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Obrátit výběr</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kódované</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Volně šířené</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zamčené</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>V žádné skupině</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Na tomto transpondéru</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Na tomto satelitu</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicity</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>S problémy</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nové od...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>Ve skupině oblíbených</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>Vybráno: %1</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Přesunout na pozici</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Č.</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Druh</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problém</translation>
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
        <translation>Č.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Zobrazen</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Soubor byl od otevření změněn jiným programem. Přepsat ho?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Zálohu souboru se nepodařilo vytvořit ve složce
%1
(%2).

Uložit bez zálohy?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Zápis souboru selhal! Soubor zůstal beze změny.

%1

Uložte databázi jinam pomocí „Uložit jako“, nebo povolte zápis do složky.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Nelze najít složku pro zálohy: ani XDG_DATA_HOME, ani HOME není absolutní cesta.

Uložit bez zálohy?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Přesto uložit?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Znovu se neptat</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>transpondér %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>transpondér %1 a jeho %n kanál</numerusform>
            <numerusform>transpondér %1 a jeho %n kanály</numerusform>
            <numerusform>transpondér %1 a jeho %n kanálů</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Opravdu smazat vybraný transpondér?
Smazat %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Upravit TP</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Vertikální-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Horizontální-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizace</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolová rychlost</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Přidat TP</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelit</translation>
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
        <translation>TP přidán</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 z %3 kanálů</translation>
    </message>
</context>
</TS>
