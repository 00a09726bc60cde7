<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
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
        <translation>Canale</translation>
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
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Inserire solo caratteri Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Impossibile aggiungere questo canale</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Impossibile aggiungere il TP</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>numero magico errato</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>checksum dell&apos;intestazione non corrispondente</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>checksum dei dati non corrispondente</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>la lunghezza coperta va oltre l&apos;immagine</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>il file è più corto dell&apos;intestazione di 32 byte</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>problema sconosciuto</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>canale duplicato</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>nome duplicato</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>nome vuoto</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID fuori intervallo</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>satellite nascosto</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>transponder vuoto</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>gruppo preferiti senza nome</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>aggiunta transponder</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>modifica transponder</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>eliminazione transponder</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>aggiunta canale</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>modifica canale</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>rinomina gruppi preferiti</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Inserire non più di %n carattere.</numerusform>
            <numerusform>Inserire non più di %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>non esiste un canale attivo %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>non esiste un transponder attivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n canale ordinato, %2 senza corrispondenza</numerusform>
            <numerusform>%n canali ordinati, %2 senza corrispondenza</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>La cartella %1 non consente un salvataggio sicuro (%2): il salvataggio scrive il nuovo file accanto al vecchio prima che lo sostituisca.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>eliminazione di %n canale</numerusform>
            <numerusform>eliminazione di %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>spostamento di %n canale</numerusform>
            <numerusform>spostamento di %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>preferiti di %n canale</numerusform>
            <numerusform>preferiti di %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>ordinamento di %n canale per nome</numerusform>
            <numerusform>ordinamento di %n canali per nome</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>ordinamento di %n canale per ID servizio</numerusform>
            <numerusform>ordinamento di %n canali per ID servizio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>ordinamento di %n canale per transponder</numerusform>
            <numerusform>ordinamento di %n canali per transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TP, %3 can.)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 can.)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n canale copiato, %2 aggiornati, %3 saltati perché presenti, %4 non importabili</numerusform>
            <numerusform>%n canali copiati, %2 aggiornati, %3 saltati perché presenti, %4 non importabili</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>il satellite %1 non ha un nome con cui trovarlo qui</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>il satellite &quot;%1&quot; non è in questo database</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>La tabella dei transponder ha spazio per %1 dei %2 transponder da aggiungere: non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>La tabella dei canali ha spazio per %1 dei %2 canali da copiare: non è stato importato nulla.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Apertura del file non riuscita!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Lettura del file non riuscita! Il database mostrato è stato mantenuto.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>File DB non valido!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Creazione del file non riuscita!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Scrittura del file non riuscita! Il file è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID video %1 oltre %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID audio %1 oltre %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID PCR %1 oltre %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID servizio 65535, che la prossima &quot;Aggiungi canale&quot; sul suo transponder sovrascrive</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>il satellite %1 &quot;%2&quot; non è mostrato: il suo %n canale non compare in nessun albero</numerusform>
            <numerusform>il satellite %1 &quot;%2&quot; non è mostrato: i suoi %n canali non compaiono in nessun albero</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>il transponder %1 (%2 %3 su &quot;%4&quot;) non ha canali</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>il gruppo preferiti %1 contiene %n canale ma non ha nome</numerusform>
            <numerusform>il gruppo preferiti %1 contiene %n canali ma non ha nome</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>importazione di %n canale da %2</numerusform>
            <numerusform>importazione di %n canali da %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOCCO</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Il PID audio deve essere diverso dal PID video nelle viste TV e TUTTI.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Campo: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 non deve essere 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 deve essere tra 1 e %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>La tabella dei canali è piena (%1 canali).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 ha già %2. Tenere entrambi?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>transponder duplicato</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>il transponder %1 (%2 %3 su &quot;%4&quot;) ha la frequenza e la polarizzazione del transponder %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 &quot;%2&quot; ha il transponder (%3) e l&apos;ID servizio (%4) di %5 &quot;%6&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 &quot;%2&quot; ha il nome di %3 &quot;%4&quot; (entrambi radio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 &quot;%2&quot; ha il nome di %3 &quot;%4&quot; (entrambi TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID servizio %3) non ha nome</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N. %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canale %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>I satelliti e i loro transponder; selezionandone uno si vedono i suoi canali nella lista</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>I canali della vista nell&apos;ordine del ricevitore; Invio modifica, Canc elimina, Ctrl+Su e Ctrl+Giù spostano</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Mostra solo i canali il cui nome contiene questo testo o il cui ID servizio è questo numero</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Mostra tutti i canali</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Mostra solo i canali TV</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Mostra solo i canali radio</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Apre un file di database dei canali</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Salva le modifiche nel file aperto</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Salva il database in un nuovo file</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Chiude la finestra chiedendo di salvare le modifiche</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Ripete l&apos;ultima modifica annullata</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Mostra o nasconde i problemi trovati nel database</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>I problemi trovati nel database; un doppio clic mostra l&apos;elemento interessato</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>I tasti di ogni comando</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>La frequenza del transponder in MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Polarizzazione verticale (13 V) o orizzontale (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Il symbol rate in kilosimboli al secondo</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Il satellite del canale</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Il transponder del canale</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Il nome del canale in caratteri Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>L&apos;ID servizio che identifica il canale sul suo transponder</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>L&apos;ID di pacchetto del flusso video</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>L&apos;ID di pacchetto del flusso audio</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>L&apos;ID di pacchetto del riferimento di clock</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Se il canale chiede il codice di blocco</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Se il canale è criptato o in chiaro</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>La riga della lista in cui vanno i canali selezionati</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Se il canale appartiene al gruppo preferiti %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Il nome del gruppo preferiti %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Accetta i dati e chiude la finestra</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Chiude la finestra senza modificare nulla</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Canali da importare</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>I satelliti, transponder e canali dell&apos;altro database; selezionare cosa copiare</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Sovrascrive i canali già presenti con quelli importati</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Inserisce le copie prima del canale selezionato invece che in fondo</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Copia i canali selezionati in questo database</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Differenze dal database aperto</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copie di sicurezza</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Nessuna copia di sicurezza di %1 è conservata in %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Copie di sicurezza di %1 conservate in %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Porta la copia nella finestra come modifiche non salvate</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Mostra cartella</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>il canale &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Eliminare davvero tutti i canali selezionati?
Eliminare %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Spostare davvero tutti i canali selezionati?
Spostare %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID servizio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>BLOCCO</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Questo sostituisce il canale &quot;%1&quot; (ID servizio %2) su questo transponder. Sostituirlo?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Canale aggiunto</translation>
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
        <translation>ANNULLA</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Modifica preferiti</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Pref%1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>Modifica nomi dei gruppi preferiti</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Pref%1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Salvare le modifiche?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importa da %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Aggiorna esistenti</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Inserisci prima della selezione</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Preferiti per numero di gruppo</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Preferiti per nome di gruppo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n canale selezionato</numerusform>
            <numerusform>%n canali selezionati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transponder aggiunto.</numerusform>
            <numerusform>%n transponder aggiunti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Non importabile: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Il gruppo preferiti &quot;%1&quot; non esiste qui: escluso.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Non importabile: il satellite non ha nome</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Non importabile: questo satellite non esiste qui</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satellite / TP / N.</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Questo database</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>File dati canali (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Liste canali (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Esporta lista</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Applica ordine da</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importa da</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n canale esportato in %1</numerusform>
            <numerusform>%n canali esportati in %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problemi (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TUTTI</translation>
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
        <translation>Editor canali </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Editor canali</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canali</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Albero</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Il menu contestuale della lista o dell&apos;albero</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Preme il pulsante con il focus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Esporta lista...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Aggiungi ai preferiti</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Modifica preferiti</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Modifica nome preferiti</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Sposta in cima</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Sposta in fondo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Sposta alla posizione...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordina per nome</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Ordina per ID servizio</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Ordina per transponder</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Applica ordine da...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Aggiungi TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Elimina TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
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
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Informazioni su Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Modifica il database dei canali di un ricevitore satellitare digitale.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importa da...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Copie di sicurezza...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifica canale...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Termina un trascinamento o svuota «Trova»</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satelliti...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Nascondi satellite</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Rinomina satellite...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptati</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>In chiaro</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccati</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>In nessun gruppo</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Su questo transponder</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Su questo satellite</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicati</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Con problemi</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nuovi da...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>Nel gruppo preferiti</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 selezionati</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Sposta alla posizione</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Il file è stato modificato da un altro programma dopo l&apos;apertura. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Non è stato possibile creare una copia di sicurezza del file in
%1
(%2).

Salvare senza copia di sicurezza?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Scrittura del file non riuscita! Il file è rimasto com&apos;era.

%1

Salvare il database altrove con &quot;Salva come&quot;, o rendere la cartella scrivibile.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Nessuna cartella per le copie di sicurezza: né XDG_DATA_HOME né HOME è un percorso assoluto.

Salvare senza copia di sicurezza?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Salvare comunque?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>il transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>il transponder %1 e il suo %n canale</numerusform>
            <numerusform>il transponder %1 e i suoi %n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Eliminare davvero il transponder selezionato?
Eliminare %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Modifica TP</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Verticale-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Orizzontale-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Aggiungi TP</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>TP aggiunto</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 di %3 canali</translation>
    </message>
</context>
</TS>
