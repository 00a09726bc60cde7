<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Zender</translation>
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
        <translation>Slot</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Voer alleen Latin-1-tekens in.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Deze zender kan niet worden toegevoegd</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>TP kan niet worden toegevoegd</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>verkeerd magisch getal</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>controlesom van de kop klopt niet</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>controlesom van de gegevens klopt niet</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>gedekte lengte reikt voorbij het bestand</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>bestand is korter dan de kop van 32 bytes</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>onbekend probleem</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>dubbele zender</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>dubbele naam</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>lege naam</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID buiten bereik</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>verborgen satelliet</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>lege transponder</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>favorietengroep zonder naam</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>transponder toevoegen</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>transponder bewerken</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>transponder verwijderen</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>zender toevoegen</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>zender bewerken</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>favorietengroepen hernoemen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal in tussen %1 en %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Voer niet meer dan %n teken in.</numerusform>
            <numerusform>Voer niet meer dan %n tekens in.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>er is geen actieve zender %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>er is geen actieve transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n zender geordend, %2 zonder overeenkomst</numerusform>
            <numerusform>%n zenders geordend, %2 zonder overeenkomst</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>De map %1 staat geen veilig opslaan toe (%2): bij opslaan wordt het nieuwe bestand naast het oude geschreven voordat het de plaats ervan inneemt.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>%n zender verwijderen</numerusform>
            <numerusform>%n zenders verwijderen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>%n zender verplaatsen</numerusform>
            <numerusform>%n zenders verplaatsen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>favorieten van %n zender instellen</numerusform>
            <numerusform>favorieten van %n zenders instellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>%n zender op naam sorteren</numerusform>
            <numerusform>%n zenders op naam sorteren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>%n zender op service-ID sorteren</numerusform>
            <numerusform>%n zenders op service-ID sorteren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>%n zender op transponder sorteren</numerusform>
            <numerusform>%n zenders op transponder sorteren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TP&apos;s, %3 zend.)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 zend.)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n zender gekopieerd, %2 bijgewerkt, %3 overgeslagen als aanwezig, %4 niet te importeren</numerusform>
            <numerusform>%n zenders gekopieerd, %2 bijgewerkt, %3 overgeslagen als aanwezig, %4 niet te importeren</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>satelliet %1 heeft geen naam om hem hier mee te vinden</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>satelliet &quot;%1&quot; staat niet in deze database</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>De transpondertabel heeft ruimte voor %1 van de %2 toe te voegen transponders: er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>De zendertabel heeft ruimte voor %1 van de %2 te kopiëren zenders: er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Bestand openen mislukt!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Bestand lezen mislukt! De getoonde database is behouden.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Ongeldig DB-bestand!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Bestand aanmaken mislukt!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Bestand schrijven mislukt! Het bestand is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>video-PID %1 boven %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>audio-PID %1 boven %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR-PID %1 boven %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>service-ID 65535, die de volgende &quot;Zender toevoegen&quot; op zijn transponder overschrijft</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>satelliet %1 &quot;%2&quot; wordt niet getoond: zijn %n zender staat in geen enkele boom</numerusform>
            <numerusform>satelliet %1 &quot;%2&quot; wordt niet getoond: zijn %n zenders staan in geen enkele boom</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>transponder %1 (%2 %3 op &quot;%4&quot;) heeft geen zender</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>favorietengroep %1 bevat %n zender maar heeft geen naam</numerusform>
            <numerusform>favorietengroep %1 bevat %n zenders maar heeft geen naam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>%n zender importeren uit %2</numerusform>
            <numerusform>%n zenders importeren uit %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisatie</translation>
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
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>SLOT</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>De audio-PID moet in de weergaven TV en ALLE verschillen van de video-PID.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Veld: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 mag niet 0 zijn.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 moet tussen 1 en %2 liggen.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>De zendertabel is vol (%1 zenders).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 heeft al %2. Beide behouden?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>dubbele transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>transponder %1 (%2 %3 op &quot;%4&quot;) heeft de frequentie en polarisatie van transponder %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 &quot;%2&quot; heeft de transponder (%3) en service-ID (%4) van %5 &quot;%6&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 &quot;%2&quot; heeft de naam van %3 &quot;%4&quot; (beide radio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 &quot;%2&quot; heeft de naam van %3 &quot;%4&quot; (beide tv)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, service-ID %3) heeft geen naam</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>zender %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>De satellieten en hun transponders; als u er een selecteert, toont de lijst de zenders ervan</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>De zenders van de weergave in de volgorde van de ontvanger; Enter bewerkt, Delete verwijdert, Ctrl+Omhoog en Ctrl+Omlaag verplaatsen</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Toont alleen de zenders waarvan de naam deze tekst bevat of waarvan de service-ID dit getal is</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Toont alle zenders</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Toont alleen de tv-zenders</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Toont alleen de radiozenders</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Opent een zenderdatabasebestand</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Slaat de wijzigingen op in het geopende bestand</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Slaat de database op in een nieuw bestand</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Sluit het venster en vraagt om wijzigingen op te slaan</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Maakt de laatste wijziging ongedaan</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Voert de laatst ongedaan gemaakte wijziging opnieuw uit</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Toont of verbergt de problemen die in de database zijn gevonden</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>De problemen die in de database zijn gevonden; dubbelklik om het betreffende item te tonen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>De toetsen van elke opdracht</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>De frequentie van de transponder in MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Verticale (13 V) of horizontale (18 V) polarisatie</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>De symboolsnelheid in kilosymbolen per seconde</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>De satelliet van de zender</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>De transponder van de zender</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>De naam van de zender in Latin-1-tekens</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>De service-ID die de zender op zijn transponder aanduidt</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>De pakket-ID van de videostroom</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>De pakket-ID van de audiostroom</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>De pakket-ID van de klokreferentie</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Of de zender om de slotcode vraagt</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Of de zender gecodeerd of vrij te ontvangen is</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>De rij van de lijst waarnaar de geselecteerde zenders gaan</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Of de zender bij favorietengroep %1 hoort</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>De naam van favorietengroep %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Neemt de invoer over en sluit het dialoogvenster</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Sluit het dialoogvenster zonder iets te wijzigen</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Te importeren zenders</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>De satellieten, transponders en zenders van de andere database; vink aan wat gekopieerd moet worden</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Overschrijft de zenders die hier al staan met de geïmporteerde</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Plaatst de kopieën vóór de geselecteerde zender in plaats van aan het eind</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Kopieert de aangevinkte zenders naar deze database</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Verschillen met de geopende database</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Reservekopieën</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Van %1 worden geen reservekopieën bewaard in %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Reservekopieën van %1 in %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Neemt de reservekopie als niet-opgeslagen wijzigingen in het venster over</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Map tonen</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>zender &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Weet u zeker dat u alle geselecteerde zenders wilt verwijderen?
%1 verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Weet u zeker dat u alle geselecteerde zenders wilt verplaatsen?
%1 verplaatsen?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n zender</numerusform>
            <numerusform>%n zenders</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Zender bewerken</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
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
        <translation>SLOT</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Zender toevoegen</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Dit vervangt de zender &quot;%1&quot; (service-ID %2) op deze transponder. Vervangen?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Zender toegevoegd</translation>
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
        <translation>ANNULEREN</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Favorieten bewerken</translation>
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
        <translation>Namen van favorietengroepen bewerken</translation>
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
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Wilt u de wijzigingen opslaan?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importeren uit %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Bestaande bijwerken</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Vóór de selectie invoegen</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favorieten op groepsnummer</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favorieten op groepsnaam</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n zender aangevinkt</numerusform>
            <numerusform>%n zenders aangevinkt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transponder toegevoegd.</numerusform>
            <numerusform>%n transponders toegevoegd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Niet te importeren: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Favorietengroep &quot;%1&quot; bestaat hier niet: weggelaten.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Niet te importeren: de satelliet heeft geen naam</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Niet te importeren: die satelliet bestaat hier niet</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Aanwezig</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satelliet / TP / Nr.</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Deze database</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Zenderbestanden (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Zenderlijsten (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Opnieuw laden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Lijst exporteren</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Volgorde overnemen van</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importeren uit</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n zender geëxporteerd naar %1</numerusform>
            <numerusform>%n zenders geëxporteerd naar %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problemen (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
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
        <translation>Zendereditor </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Zendereditor</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Zenders</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Boom</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Het contextmenu van de lijst of de boom</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Drukt op de knop met de focus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Lijst exporteren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Aan favorieten toevoegen</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Favorieten bewerken</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Favorietennaam bewerken</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Naar boven</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Naar beneden</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Naar positie verplaatsen...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Sorteren op naam</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Sorteren op service-ID</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Sorteren op transponder</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Volgorde overnemen van...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP toevoegen</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>TP verwijderen</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Zender toevoegen</translation>
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
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Over Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Bewerkt de zenderdatabase van een digitale satellietontvanger.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importeren uit...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Reservekopieën...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Zender bewerken...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Beëindigt het slepen of maakt Zoeken leeg</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satellieten...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Satelliet verbergen</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Satelliet hernoemen...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Gecodeerd</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Vrij te ontvangen</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Vergrendeld</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>In geen groep</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Op deze transponder</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Op deze satelliet</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Dubbele</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Met problemen</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nieuw sinds...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>In favorietengroep</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 geselecteerd</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Naar positie verplaatsen</translation>
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
        <translation>Soort</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satellieten</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Getoond</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP's</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Zenders</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Het bestand is sinds het openen door een ander programma gewijzigd. Overschrijven?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Er kon geen reservekopie van het bestand worden gemaakt in
%1
(%2).

Zonder reservekopie opslaan?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Bestand schrijven mislukt! Het bestand is ongewijzigd gebleven.

%1

Sla de database elders op met &quot;Opslaan als&quot;, of maak de map schrijfbaar.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Er is geen map voor reservekopieën te vinden: XDG_DATA_HOME noch HOME is een absoluut pad.

Zonder reservekopie opslaan?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Toch opslaan?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Niet meer vragen</translation>
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
            <numerusform>transponder %1 en zijn %n zender</numerusform>
            <numerusform>transponder %1 en zijn %n zenders</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Weet u zeker dat u de geselecteerde transponder wilt verwijderen?
%1 verwijderen?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>TP bewerken</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Verticaal-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Horizontaal-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisatie</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symboolsnelheid</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP toevoegen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelliet</translation>
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
        <translation>TP toegevoegd</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 van %3 zenders</translation>
    </message>
</context>
</TS>
