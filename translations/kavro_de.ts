<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
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
        <translation>Kanal</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>FAV</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Bitte nur Latin-1-Zeichen eingeben.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Dieser Kanal kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>TP kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>falsche magische Zahl</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>Prüfsumme des Kopfes stimmt nicht</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>Prüfsumme der Daten stimmt nicht</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>abgedeckte Länge reicht über das Abbild hinaus</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>Datei ist kürzer als der 32-Byte-Kopf</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>unbekanntes Problem</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>doppelter Kanal</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>doppelter Name</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>leerer Name</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>verborgener Satellit</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>leerer Transponder</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>Favoritengruppe ohne Namen</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>Favoritengruppen umbenennen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Bitte nicht mehr als %n Zeichen eingeben.</numerusform>
            <numerusform>Bitte nicht mehr als %n Zeichen eingeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>es gibt keinen aktiven Kanal %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>es gibt keinen aktiven Transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n Kanal geordnet, %2 ohne Entsprechung</numerusform>
            <numerusform>%n Kanäle geordnet, %2 ohne Entsprechung</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Der Ordner %1 erlaubt kein sicheres Speichern (%2): Beim Speichern wird die neue Datei neben die alte geschrieben, bevor sie deren Platz einnimmt.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal löschen</numerusform>
            <numerusform>%n Kanäle löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>%n Kanal verschieben</numerusform>
            <numerusform>%n Kanäle verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>Favoriten von %n Kanal setzen</numerusform>
            <numerusform>Favoriten von %n Kanälen setzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>%n Kanal nach Name sortieren</numerusform>
            <numerusform>%n Kanäle nach Name sortieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>%n Kanal nach Service-ID sortieren</numerusform>
            <numerusform>%n Kanäle nach Service-ID sortieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>%n Kanal nach Transponder sortieren</numerusform>
            <numerusform>%n Kanäle nach Transponder sortieren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TPs, %3 Kan.)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 Kan.)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n Kanal kopiert, %2 aktualisiert, %3 als vorhanden übersprungen, %4 nicht importierbar</numerusform>
            <numerusform>%n Kanäle kopiert, %2 aktualisiert, %3 als vorhanden übersprungen, %4 nicht importierbar</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>Satellit %1 hat keinen Namen, unter dem er hier zu finden wäre</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>Satellit „%1“ ist nicht in dieser Datenbank</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>Die Transpondertabelle hat Platz für %1 der %2 hinzuzufügenden Transponder: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>Die Kanaltabelle hat Platz für %1 der %2 zu kopierenden Kanäle: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Öffnen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Lesen der Datei fehlgeschlagen! Die angezeigte Datenbank bleibt erhalten.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Ungültige DB-Datei!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Erstellen der Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Schreiben der Datei fehlgeschlagen! Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>Video-PID %1 über %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>Audio-PID %1 über %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR-PID %1 über %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>Service-ID 65535, die das nächste „Kanal hinzufügen“ auf seinem Transponder überschreibt</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>Satellit %1 „%2“ wird nicht angezeigt: Sein %n Kanal erscheint in keinem Baum</numerusform>
            <numerusform>Satellit %1 „%2“ wird nicht angezeigt: Seine %n Kanäle erscheinen in keinem Baum</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>Transponder %1 (%2 %3 auf „%4“) hat keinen Kanal</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>Favoritengruppe %1 enthält %n Kanal, hat aber keinen Namen</numerusform>
            <numerusform>Favoritengruppe %1 enthält %n Kanäle, hat aber keinen Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>%n Kanal aus %2 importieren</numerusform>
            <numerusform>%n Kanäle aus %2 importieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>SPERRE</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Die Audio-PID muss sich in den Ansichten TV und ALLE von der Video-PID unterscheiden.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Feld: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 muss zwischen 1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Die Kanaltabelle ist voll (%1 Kanäle).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 hat bereits %2. Beide behalten?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>doppelter Transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>Transponder %1 (%2 %3 auf „%4“) hat die Frequenz und Polarisation von Transponder %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 „%2“ hat den Transponder (%3) und die Service-ID (%4) von %5 „%6“</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 „%2“ hat den Namen von %3 „%4“ (beide Radio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 „%2“ hat den Namen von %3 „%4“ (beide TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, Service-ID %3) hat keinen Namen</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Die Satelliten und ihre Transponder; eine Auswahl zeigt deren Kanäle in der Liste</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Die Kanäle der Ansicht in der Reihenfolge des Empfängers; Eingabe bearbeitet, Entf löscht, Strg+Auf und Strg+Ab verschieben</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Zeigt nur die Kanäle, deren Name diesen Text enthält oder deren Service-ID diese Zahl ist</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Zeigt alle Kanäle</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Zeigt nur die TV-Kanäle</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Zeigt nur die Radiokanäle</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Öffnet eine Kanaldatenbank-Datei</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Speichert die Änderungen in der geöffneten Datei</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Speichert die Datenbank in einer neuen Datei</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Schließt das Fenster und fragt nach dem Speichern von Änderungen</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Nimmt die letzte Änderung zurück</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Führt die zuletzt zurückgenommene Änderung erneut aus</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Zeigt oder verbirgt die in der Datenbank gefundenen Probleme</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Die in der Datenbank gefundenen Probleme; ein Doppelklick zeigt das betroffene Element</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Die Tasten jedes Befehls</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Die Frequenz des Transponders in MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Vertikale (13 V) oder horizontale (18 V) Polarisation</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Die Symbolrate in Kilosymbolen pro Sekunde</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Der Satellit, auf dem der Kanal liegt</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Der Transponder, auf dem der Kanal liegt</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Der Name des Kanals in Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>Die Service-ID, die den Kanal auf seinem Transponder kennzeichnet</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Die Paket-ID des Videostroms</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Die Paket-ID des Audiostroms</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Die Paket-ID der Taktreferenz (PCR)</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Ob der Kanal nach dem Sperrcode fragt</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Ob der Kanal verschlüsselt oder frei empfangbar ist</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Die Zeile der Liste, in die die ausgewählten Kanäle verschoben werden</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Ob der Kanal zur Favoritengruppe %1 gehört</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Der Name der Favoritengruppe %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Übernimmt die Eingaben und schließt den Dialog</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Schließt den Dialog, ohne etwas zu ändern</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Zu importierende Kanäle</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Die Satelliten, Transponder und Kanäle der anderen Datenbank; abhaken, was kopiert werden soll</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Überschreibt die hier schon vorhandenen Kanäle mit den importierten</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Fügt die Kopien vor dem ausgewählten Kanal statt am Ende ein</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Kopiert die abgehakten Kanäle in diese Datenbank</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Unterschiede zur geöffneten Datenbank</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Von %1 werden in %2 keine Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Sicherungen von %1 in %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Übernimmt die Sicherung als ungespeicherte Änderungen ins Fenster</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Ordner anzeigen</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>Kanal „%1“</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Sollen alle ausgewählten Kanäle wirklich gelöscht werden?
%1 löschen?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Sollen alle ausgewählten Kanäle wirklich verschoben werden?
%1 verschieben?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>SPERRE</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Dies ersetzt den Kanal „%1“ (Service-ID %2) auf diesem Transponder. Ersetzen?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Kanal hinzugefügt</translation>
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
        <translation>ABBRECHEN</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Favoriten bearbeiten</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Namen der Favoritengruppen bearbeiten</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Änderungen speichern?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importieren aus %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Vorhandene aktualisieren</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Vor der Auswahl einfügen</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favoriten nach Gruppennummer</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favoriten nach Gruppenname</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n Kanal angehakt</numerusform>
            <numerusform>%n Kanäle angehakt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n Transponder hinzugefügt.</numerusform>
            <numerusform>%n Transponder hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Nicht importierbar: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Favoritengruppe „%1“ gibt es hier nicht: ausgelassen.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Nicht importierbar: Der Satellit hat keinen Namen</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Nicht importierbar: Diesen Satelliten gibt es hier nicht</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satellit / TP / Nr.</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Diese Datenbank</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Kanaldatendateien (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Kanallisten (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Reihenfolge übernehmen von</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importieren aus</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n Kanal nach %1 exportiert</numerusform>
            <numerusform>%n Kanäle nach %1 exportiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Probleme (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
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
        <translation>Kanaleditor </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Kanaleditor</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>Ba&amp;um</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Das Kontextmenü der Liste oder des Baums</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Drückt die Schaltfläche mit dem Fokus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Liste exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Favoriten bearbeiten</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Favoritennamen bearbeiten</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Ganz nach oben</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ganz nach unten</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>An Position verschieben...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Nach Name sortieren</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Nach Service-ID sortieren</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Nach Transponder sortieren</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Reihenfolge übernehmen von...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP hinzufügen</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>TP löschen</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
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
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Über Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Bearbeitet die Kanaldatenbank eines digitalen Satellitenempfängers.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importieren aus...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Sicherungen...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanal bearbeiten...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Beendet ein Ziehen oder leert „Suchen“</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satelliten...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Satellit ausblenden</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Satellit umbenennen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Frei empfangbar</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>In keiner Gruppe</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Auf diesem Transponder</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Auf diesem Satelliten</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Mit Problemen</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Neu seit...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>In Favoritengruppe</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>An Position verschieben</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
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
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TPs</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Im Ordner
%1
konnte keine Sicherung der Datei angelegt werden (%2).

Ohne Sicherung speichern?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Schreiben der Datei fehlgeschlagen! Die Datei blieb unverändert.

%1

Speichern Sie die Datenbank mit „Speichern unter“ an anderer Stelle, oder machen Sie den Ordner beschreibbar.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Es ist kein Ordner für Sicherungen zu finden: Weder XDG_DATA_HOME noch HOME ist ein absoluter Pfad.

Ohne Sicherung speichern?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Trotzdem speichern?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>Transponder %1 und sein %n Kanal</numerusform>
            <numerusform>Transponder %1 und seine %n Kanäle</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Soll der ausgewählte Transponder wirklich gelöscht werden?
%1 löschen?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>TP bearbeiten</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Vertikal-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Horizontal-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP hinzufügen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>TP hinzugefügt</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 von %3 Kanälen</translation>
    </message>
</context>
</TS>
