<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
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
        <translation>Chaîne</translation>
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
        <translation>Verr.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Veuillez saisir uniquement des caractères Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Impossible d&apos;ajouter cette chaîne</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Impossible d&apos;ajouter le TP</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>nombre magique incorrect</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>somme de contrôle de l&apos;en-tête incorrecte</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>somme de contrôle des données incorrecte</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>la longueur couverte dépasse l&apos;image</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>le fichier est plus court que l&apos;en-tête de 32 octets</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>problème inconnu</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>chaîne en double</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>nom en double</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>nom vide</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID hors limites</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>satellite masqué</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>transpondeur vide</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>groupe de favoris sans nom</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>ajout de transpondeur</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>modification de transpondeur</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>suppression de transpondeur</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>ajout de chaîne</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>modification de chaîne</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>renommage des groupes de favoris</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Veuillez ne pas saisir plus de %n caractère.</numerusform>
            <numerusform>Veuillez ne pas saisir plus de %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>il n&apos;existe aucune chaîne active %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>il n&apos;existe aucun transpondeur actif %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n chaîne ordonnée, %2 sans correspondance</numerusform>
            <numerusform>%n chaînes ordonnées, %2 sans correspondance</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>Le dossier %1 ne permet pas un enregistrement sûr (%2) : l&apos;enregistrement écrit le nouveau fichier à côté de l&apos;ancien avant qu&apos;il ne le remplace.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>suppression de %n chaîne</numerusform>
            <numerusform>suppression de %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>déplacement de %n chaîne</numerusform>
            <numerusform>déplacement de %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>favoris de %n chaîne</numerusform>
            <numerusform>favoris de %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>tri de %n chaîne par nom</numerusform>
            <numerusform>tri de %n chaînes par nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>tri de %n chaîne par ID de service</numerusform>
            <numerusform>tri de %n chaînes par ID de service</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>tri de %n chaîne par transpondeur</numerusform>
            <numerusform>tri de %n chaînes par transpondeur</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TP, %3 ch.)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 ch.)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n chaîne copiée, %2 mises à jour, %3 ignorées car présentes, %4 non importables</numerusform>
            <numerusform>%n chaînes copiées, %2 mises à jour, %3 ignorées car présentes, %4 non importables</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>le satellite %1 n&apos;a pas de nom permettant de le trouver ici</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>le satellite « %1 » n&apos;est pas dans cette base</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>La table des transpondeurs a de la place pour %1 des %2 transpondeurs à ajouter : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>La table des chaînes a de la place pour %1 des %2 chaînes à copier : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Échec de l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Échec de la lecture du fichier ! La base affichée est conservée.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Fichier de base invalide !</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Échec de la création du fichier !</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Échec de l&apos;écriture du fichier ! Le fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID vidéo %1 au-delà de %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID audio %1 au-delà de %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID PCR %1 au-delà de %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID de service 65535, que le prochain « Ajouter une chaîne » sur son transpondeur écrase</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>le satellite %1 « %2 » n&apos;est pas affiché : sa %n chaîne n&apos;apparaît dans aucun arbre</numerusform>
            <numerusform>le satellite %1 « %2 » n&apos;est pas affiché : ses %n chaînes n&apos;apparaissent dans aucun arbre</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>le transpondeur %1 (%2 %3 sur « %4 ») n&apos;a aucune chaîne</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>le groupe de favoris %1 contient %n chaîne mais n&apos;a pas de nom</numerusform>
            <numerusform>le groupe de favoris %1 contient %n chaînes mais n&apos;a pas de nom</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>import de %n chaîne depuis %2</numerusform>
            <numerusform>import de %n chaînes depuis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>VERROU</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>Le PID audio doit différer du PID vidéo dans les vues TV et TOUT.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Champ : %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 ne doit pas valoir 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 doit être compris entre 1 et %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>La table des chaînes est pleine (%1 chaînes).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 a déjà %2. Garder les deux ?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>transpondeur en double</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>le transpondeur %1 (%2 %3 sur « %4 ») a la fréquence et la polarisation du transpondeur %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 « %2 » : %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 « %2 » a le transpondeur (%3) et l&apos;ID de service (%4) de %5 « %6 »</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 « %2 » a le nom de %3 « %4 » (toutes deux radio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 « %2 » a le nom de %3 « %4 » (toutes deux TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID de service %3) n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>chaîne %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Les satellites et leurs transpondeurs ; en sélectionner un affiche ses chaînes dans la liste</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Les chaînes de la vue dans l&apos;ordre du récepteur ; Entrée modifie, Suppr supprime, Ctrl+Haut et Ctrl+Bas déplacent</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>N&apos;affiche que les chaînes dont le nom contient ce texte ou dont l&apos;ID de service est ce nombre</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Affiche toutes les chaînes</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>N&apos;affiche que les chaînes TV</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>N&apos;affiche que les chaînes radio</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Ouvre un fichier de base de chaînes</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Enregistre les modifications dans le fichier ouvert</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Enregistre la base dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Ferme la fenêtre en proposant d&apos;enregistrer les modifications</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Annule la dernière modification</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Rétablit la dernière modification annulée</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Affiche ou masque les problèmes trouvés dans la base</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Les problèmes trouvés dans la base ; un double-clic affiche l&apos;élément concerné</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Les touches de chaque commande</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>La fréquence du transpondeur en MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Polarisation verticale (13 V) ou horizontale (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Le débit symbole en kilosymboles par seconde</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Le satellite de la chaîne</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Le transpondeur de la chaîne</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Le nom de la chaîne en caractères Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>L&apos;ID de service qui identifie la chaîne sur son transpondeur</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>L&apos;identifiant de paquet du flux vidéo</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>L&apos;identifiant de paquet du flux audio</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>L&apos;identifiant de paquet de la référence d&apos;horloge</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Indique si la chaîne demande le code de verrouillage</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Indique si la chaîne est cryptée ou en clair</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>La ligne de la liste où vont les chaînes sélectionnées</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Indique si la chaîne appartient au groupe de favoris %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>Le nom du groupe de favoris %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Valide les saisies et ferme la boîte de dialogue</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Ferme la boîte de dialogue sans rien modifier</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Chaînes à importer</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Les satellites, transpondeurs et chaînes de l&apos;autre base ; cochez ce qu&apos;il faut copier</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Remplace les chaînes déjà présentes par celles importées</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Place les copies avant la chaîne sélectionnée plutôt qu&apos;à la fin</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Copie les chaînes cochées dans cette base</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Différences avec la base ouverte</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Aucune sauvegarde de %1 n&apos;est conservée dans %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Sauvegardes de %1 conservées dans %2 :</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Reprend la sauvegarde dans la fenêtre comme modifications non enregistrées</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Afficher le dossier</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>la chaîne « %1 »</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Voulez-vous vraiment supprimer toutes les chaînes sélectionnées ?
Supprimer %1 ?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Voulez-vous vraiment déplacer toutes les chaînes sélectionnées ?
Déplacer %1 ?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de service</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>VERROU</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter une chaîne</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Ceci remplace la chaîne « %1 » (ID de service %2) sur ce transpondeur. La remplacer ?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Chaîne ajoutée</translation>
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
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Modifier les favoris</translation>
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
        <translation>Modifier les noms des groupes de favoris</translation>
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
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Voulez-vous enregistrer les modifications ?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importer depuis %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Mettre à jour l&apos;existant</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Insérer avant la sélection</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favoris par numéro de groupe</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favoris par nom de groupe</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n chaîne cochée</numerusform>
            <numerusform>%n chaînes cochées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transpondeur ajouté.</numerusform>
            <numerusform>%n transpondeurs ajoutés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Non importable : %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>Le groupe de favoris « %1 » n&apos;existe pas ici : ignoré.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Non importable : le satellite n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Non importable : ce satellite n&apos;existe pas ici</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Présent</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satellite / TP / N°</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Cette base</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Fichiers de chaînes (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Listes de chaînes (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Appliquer l&apos;ordre de</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importer depuis</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n chaîne exportée vers %1</numerusform>
            <numerusform>%n chaînes exportées vers %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problèmes (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TOUT</translation>
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
        <translation>Éditeur de chaînes </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Éditeur de chaînes</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Chaînes</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Arbre</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Le menu contextuel de la liste ou de l&apos;arbre</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Active le bouton qui a le focus</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exporter la liste...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Modifier les favoris</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Modifier le nom des favoris</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Placer en haut</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Placer en bas</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Déplacer à la position...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Trier par ID de service</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Trier par transpondeur</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Appliquer l&apos;ordre de...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Ajouter un TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Supprimer le TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
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
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>À propos de Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Modifie la base de chaînes d&apos;un récepteur satellite numérique.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importer depuis...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Sauvegardes...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifier la chaîne...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Termine un glisser-déposer ou vide « Rechercher »</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satellites...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Masquer le satellite</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Renommer le satellite...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptées</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>En clair</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillées</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Dans aucun groupe</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Sur ce transpondeur</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Sur ce satellite</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Avec problèmes</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nouvelles depuis...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>Dans le groupe de favoris</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 sélectionnée(s)</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Déplacer à la position</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Le fichier a été modifié par un autre programme depuis son ouverture. L&apos;écraser ?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Aucune sauvegarde du fichier n&apos;a pu être faite dans
%1
(%2).

Enregistrer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Échec de l&apos;écriture du fichier ! Le fichier est resté tel quel.

%1

Enregistrez la base ailleurs avec « Enregistrer sous », ou rendez le dossier accessible en écriture.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Aucun dossier de sauvegarde n&apos;a été trouvé : ni XDG_DATA_HOME ni HOME n&apos;est un chemin absolu.

Enregistrer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Enregistrer quand même ?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>le transpondeur %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>le transpondeur %1 et sa %n chaîne</numerusform>
            <numerusform>le transpondeur %1 et ses %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Voulez-vous vraiment supprimer le transpondeur sélectionné ?
Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Modifier le TP</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Verticale-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Horizontale-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Ajouter un TP</translation>
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
        <translation>TP ajouté</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1 : %2 chaînes sur %3</translation>
    </message>
</context>
</TS>
