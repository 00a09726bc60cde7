<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
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
        <translation>Canal</translation>
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
        <translation>Bloq.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Introduzca solo caracteres Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>No se puede añadir este canal</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>No se puede añadir el TP</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>número mágico incorrecto</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>la suma de control de la cabecera no coincide</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>la suma de control de los datos no coincide</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>la longitud cubierta va más allá de la imagen</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>el archivo es más corto que la cabecera de 32 bytes</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>problema desconocido</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>canal duplicado</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>nombre duplicado</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>nombre vacío</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID fuera de rango</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>satélite oculto</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>transpondedor vacío</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>grupo de favoritos sin nombre</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>añadir transpondedor</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>editar transpondedor</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>eliminar transpondedor</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>añadir canal</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>editar canal</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>renombrar grupos de favoritos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Introduzca como máximo %n carácter.</numerusform>
            <numerusform>Introduzca como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>no existe ningún canal activo %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>no existe ningún transpondedor activo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n canal ordenado, %2 sin coincidencia</numerusform>
            <numerusform>%n canales ordenados, %2 sin coincidencia</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>La carpeta %1 no permite un guardado seguro (%2): al guardar se escribe el archivo nuevo junto al antiguo antes de que ocupe su lugar.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>eliminar %n canal</numerusform>
            <numerusform>eliminar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>mover %n canal</numerusform>
            <numerusform>mover %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>fijar favoritos de %n canal</numerusform>
            <numerusform>fijar favoritos de %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>ordenar %n canal por nombre</numerusform>
            <numerusform>ordenar %n canales por nombre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>ordenar %n canal por ID de servicio</numerusform>
            <numerusform>ordenar %n canales por ID de servicio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>ordenar %n canal por transpondedor</numerusform>
            <numerusform>ordenar %n canales por transpondedor</numerusform>
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
            <numerusform>%n canal copiado, %2 actualizados, %3 omitidos por estar presentes, %4 no importables</numerusform>
            <numerusform>%n canales copiados, %2 actualizados, %3 omitidos por estar presentes, %4 no importables</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>el satélite %1 no tiene nombre con el que encontrarlo aquí</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>el satélite «%1» no está en esta base de datos</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>La tabla de transpondedores tiene sitio para %1 de los %2 transpondedores que añadir: no se importó nada.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>La tabla de canales tiene sitio para %1 de los %2 canales que copiar: no se importó nada.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>¡Error al leer el archivo! Se conserva la base de datos mostrada.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>¡Archivo de BD no válido!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>¡Error al crear el archivo!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>¡Error al escribir el archivo! El archivo quedó como estaba.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID de vídeo %1 por encima de %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID de audio %1 por encima de %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID de PCR %1 por encima de %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID de servicio 65535, que el próximo «Añadir canal» en su transpondedor sobrescribe</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>el satélite %1 «%2» no se muestra: su %n canal no aparece en ningún árbol</numerusform>
            <numerusform>el satélite %1 «%2» no se muestra: sus %n canales no aparecen en ningún árbol</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>el transpondedor %1 (%2 %3 en «%4») no tiene canales</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>el grupo de favoritos %1 contiene %n canal pero no tiene nombre</numerusform>
            <numerusform>el grupo de favoritos %1 contiene %n canales pero no tiene nombre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>importar %n canal de %2</numerusform>
            <numerusform>importar %n canales de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEO</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>El PID de audio debe ser distinto del PID de vídeo en las vistas TV y TODOS.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Campo: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 no debe ser 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 debe estar entre 1 y %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>La tabla de canales está llena (%1 canales).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 ya tiene %2. ¿Conservar ambos?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>transpondedor duplicado</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>el transpondedor %1 (%2 %3 en «%4») tiene la frecuencia y la polarización del transpondedor %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 «%2» tiene el transpondedor (%3) y el ID de servicio (%4) de %5 «%6»</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 «%2» tiene el nombre de %3 «%4» (ambos de radio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 «%2» tiene el nombre de %3 «%4» (ambos de TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID de servicio %3) no tiene nombre</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>canal %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Los satélites y sus transpondedores; al seleccionar uno se muestran sus canales en la lista</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Los canales de la vista en el orden del receptor; Intro edita, Supr elimina, Ctrl+Arriba y Ctrl+Abajo mueven</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Muestra solo los canales cuyo nombre contiene este texto o cuyo ID de servicio es este número</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Muestra todos los canales</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Muestra solo los canales de TV</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Muestra solo los canales de radio</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Abre un archivo de base de datos de canales</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Guarda los cambios en el archivo abierto</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Guarda la base de datos en un archivo nuevo</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Cierra la ventana preguntando si guardar los cambios</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Deshace el último cambio</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Rehace el último cambio deshecho</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Muestra u oculta los problemas encontrados en la base de datos</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Los problemas encontrados en la base de datos; un doble clic muestra el elemento afectado</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Las teclas de cada orden</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>La frecuencia del transpondedor en MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Polarización vertical (13 V) u horizontal (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>La tasa de símbolos en kilosímbolos por segundo</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>El satélite del canal</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>El transpondedor del canal</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>El nombre del canal en caracteres Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>El ID de servicio que identifica el canal en su transpondedor</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>El identificador de paquete del flujo de vídeo</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>El identificador de paquete del flujo de audio</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>El identificador de paquete de la referencia de reloj</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Si el canal pide el código de bloqueo</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Si el canal está codificado o es en abierto</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>La fila de la lista a la que van los canales seleccionados</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Si el canal pertenece al grupo de favoritos %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>El nombre del grupo de favoritos %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Acepta los datos y cierra el diálogo</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Cierra el diálogo sin cambiar nada</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Canales que importar</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Los satélites, transpondedores y canales de la otra base de datos; marque lo que desea copiar</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Sobrescribe los canales que ya están aquí con los importados</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Pone las copias antes del canal seleccionado en lugar de al final</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Copia los canales marcados en esta base de datos</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Diferencias con la base de datos abierta</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>No se guardan copias de seguridad de %1 en %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Copias de seguridad de %1 guardadas en %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Lleva la copia a la ventana como cambios sin guardar</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Mostrar carpeta</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>el canal «%1»</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>¿Seguro que desea eliminar todos los canales seleccionados?
¿Eliminar %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>¿Seguro que desea mover todos los canales seleccionados?
¿Mover %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
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
        <translation>Sí</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEO</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Esto sustituye el canal «%1» (ID de servicio %2) en este transpondedor. ¿Sustituirlo?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Canal añadido</translation>
    </message>
</context>
<context>
    <name>kavro::DialogSupport</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Editar favoritos</translation>
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
        <translation>Editar nombres de grupos de favoritos</translation>
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
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>¿Desea guardar los cambios?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>Importar de %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Actualizar existentes</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Insertar antes de la selección</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favoritos por número de grupo</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favoritos por nombre de grupo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n canal marcado</numerusform>
            <numerusform>%n canales marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transpondedor añadido.</numerusform>
            <numerusform>%n transpondedores añadidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>No importable: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>El grupo de favoritos «%1» no existe aquí: se omite.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>No importable: el satélite no tiene nombre</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>No importable: ese satélite no existe aquí</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satélite / TP / N.º</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Esta base de datos</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Archivos de canales (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Listas de canales (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Aplicar orden de</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importar de</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n canal exportado a %1</numerusform>
            <numerusform>%n canales exportados a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Problemas (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TODOS</translation>
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
        <translation>Editor de canales </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Editor de canales</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canales</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>Á&amp;rbol</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>El menú contextual de la lista o del árbol</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Pulsa el botón que tiene el foco</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exportar lista...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Añadir a favoritos</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Editar favoritos</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Editar nombre de favoritos</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Mover a la posición...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Ordenar por ID de servicio</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Ordenar por transpondedor</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Aplicar orden de...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Añadir TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Eliminar TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
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
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Acerca de Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Edita la base de datos de canales de un receptor de satélite digital.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>Importar de...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Copias de seguridad...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Editar canal...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Termina un arrastre o vacía «Buscar»</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Satélites...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Ocultar satélite</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Renombrar satélite...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificados</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>En abierto</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueados</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>En ningún grupo</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>En este transpondedor</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>En este satélite</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Con problemas</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Nuevos desde...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>En el grupo de favoritos</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 seleccionados</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Mover a la posición</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
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
        <translation>Satélites</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Otro programa modificó el archivo después de abrirlo. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>No se pudo crear una copia de seguridad del archivo en
%1
(%2).

¿Guardar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>¡Error al escribir el archivo! El archivo quedó como estaba.

%1

Guarde la base de datos en otro lugar con «Guardar como» o permita escribir en la carpeta.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>No se encuentra ninguna carpeta para las copias de seguridad: ni XDG_DATA_HOME ni HOME es una ruta absoluta.

¿Guardar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

¿Guardar de todos modos?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>el transpondedor %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>el transpondedor %1 y su %n canal</numerusform>
            <numerusform>el transpondedor %1 y sus %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>¿Seguro que desea eliminar el transpondedor seleccionado?
¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>Editar TP</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Vertical-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Horizontal-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Añadir TP</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
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
        <translation>TP añadido</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 de %3 canales</translation>
    </message>
</context>
</TS>
