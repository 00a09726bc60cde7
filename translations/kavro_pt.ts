<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>Introduza um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Introduza apenas caracteres Latin-1.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Não é possível adicionar este canal</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>Não é possível adicionar o TP</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>número mágico errado</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>a soma de verificação do cabeçalho não confere</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>a soma de verificação dos dados não confere</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>o comprimento coberto ultrapassa a imagem</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>o ficheiro é mais curto que o cabeçalho de 32 bytes</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>problema desconhecido</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>canal duplicado</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>nome duplicado</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>nome vazio</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>PID fora do intervalo</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>satélite oculto</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>transponder vazio</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>grupo de favoritos sem nome</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>adicionar transponder</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>editar transponder</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>eliminar transponder</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>adicionar canal</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>editar canal</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>mudar o nome dos grupos de favoritos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduza um número inteiro entre %1 e %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Introduza no máximo %n carácter.</numerusform>
            <numerusform>Introduza no máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>não existe nenhum canal ativo %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>não existe nenhum transponder ativo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n canal ordenado, %2 sem correspondência</numerusform>
            <numerusform>%n canais ordenados, %2 sem correspondência</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>A pasta %1 não permite uma gravação segura (%2): a gravação escreve o novo ficheiro ao lado do antigo antes de ocupar o seu lugar.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>eliminar %n canal</numerusform>
            <numerusform>eliminar %n canais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>mover %n canal</numerusform>
            <numerusform>mover %n canais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>definir favoritos de %n canal</numerusform>
            <numerusform>definir favoritos de %n canais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>ordenar %n canal por nome</numerusform>
            <numerusform>ordenar %n canais por nome</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>ordenar %n canal por ID de serviço</numerusform>
            <numerusform>ordenar %n canais por ID de serviço</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>ordenar %n canal por transponder</numerusform>
            <numerusform>ordenar %n canais por transponder</numerusform>
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
            <numerusform>%n canal copiado, %2 atualizados, %3 ignorados por estarem presentes, %4 não importáveis</numerusform>
            <numerusform>%n canais copiados, %2 atualizados, %3 ignorados por estarem presentes, %4 não importáveis</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>o satélite %1 não tem nome pelo qual o encontrar aqui</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>o satélite &quot;%1&quot; não está nesta base de dados</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>A tabela de transponders tem espaço para %1 dos %2 transponders a adicionar: nada foi importado.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>A tabela de canais tem espaço para %1 dos %2 canais a copiar: nada foi importado.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Falha ao abrir o ficheiro!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Falha ao ler o ficheiro! A base de dados mostrada foi mantida.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Ficheiro de BD inválido!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Falha ao criar o ficheiro!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Falha ao escrever o ficheiro! O ficheiro ficou como estava.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID de vídeo %1 acima de %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID de áudio %1 acima de %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID de PCR %1 acima de %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>ID de serviço 65535, que o próximo &quot;Adicionar canal&quot; no seu transponder substitui</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>o satélite %1 &quot;%2&quot; não é mostrado: o seu %n canal não aparece em nenhuma árvore</numerusform>
            <numerusform>o satélite %1 &quot;%2&quot; não é mostrado: os seus %n canais não aparecem em nenhuma árvore</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>o transponder %1 (%2 %3 em &quot;%4&quot;) não tem canais</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>o grupo de favoritos %1 tem %n canal mas não tem nome</numerusform>
            <numerusform>o grupo de favoritos %1 tem %n canais mas não tem nome</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>importar %n canal de %2</numerusform>
            <numerusform>importar %n canais de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Taxa de símbolos</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarização</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de áudio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de serviço</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEIO</translation>
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
        <translation>O PID de áudio tem de ser diferente do PID de vídeo nas vistas TV e TODOS.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Campo: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 não pode ser 0.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1 tem de estar entre 1 e %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>A tabela de canais está cheia (%1 canais).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 já tem %2. Manter ambos?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>transponder duplicado</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>o transponder %1 (%2 %3 em &quot;%4&quot;) tem a frequência e a polarização do transponder %5</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 &quot;%2&quot; tem o transponder (%3) e o ID de serviço (%4) de %5 &quot;%6&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 &quot;%2&quot; tem o nome de %3 &quot;%4&quot; (ambos de rádio)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 &quot;%2&quot; tem o nome de %3 &quot;%4&quot; (ambos de TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, ID de serviço %3) não tem nome</translation>
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
        <translation>Os satélites e os seus transponders; selecionar um mostra os seus canais na lista</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Os canais da vista pela ordem do recetor; Enter edita, Delete elimina, Ctrl+Cima e Ctrl+Baixo movem</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Mostra apenas os canais cujo nome contém este texto ou cujo ID de serviço é este número</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Mostra todos os canais</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Mostra apenas os canais de TV</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Mostra apenas os canais de rádio</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Abre um ficheiro de base de dados de canais</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Grava as alterações no ficheiro aberto</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Grava a base de dados num novo ficheiro</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Fecha a janela, perguntando se quer gravar as alterações</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Anula a última alteração</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Refaz a última alteração anulada</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Mostra ou oculta os problemas encontrados na base de dados</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Os problemas encontrados na base de dados; um duplo clique mostra o elemento em causa</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>As teclas de cada comando</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>A frequência do transponder em MHz</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Polarização vertical (13 V) ou horizontal (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>A taxa de símbolos em quilossímbolos por segundo</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>O satélite do canal</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>O transponder do canal</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>O nome do canal em caracteres Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>O ID de serviço que identifica o canal no seu transponder</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>O identificador de pacote do fluxo de vídeo</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>O identificador de pacote do fluxo de áudio</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>O identificador de pacote da referência de relógio</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Se o canal pede o código de bloqueio</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Se o canal é codificado ou de acesso livre</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>A linha da lista para onde vão os canais selecionados</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Se o canal pertence ao grupo de favoritos %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>O nome do grupo de favoritos %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Aceita os dados e fecha a caixa de diálogo</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Fecha a caixa de diálogo sem alterar nada</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>Canais a importar</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Os satélites, transponders e canais da outra base de dados; marque o que quer copiar</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Substitui os canais que já estão aqui pelos importados</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Coloca as cópias antes do canal selecionado em vez de no fim</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>Copia os canais marcados para esta base de dados</translation>
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
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Diferenças em relação à base de dados aberta</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Cópias de segurança</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>Não há cópias de segurança de %1 em %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>Cópias de segurança de %1 em %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Leva a cópia para a janela como alterações não gravadas</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Mostrar pasta</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>o canal &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Tem a certeza de que quer eliminar todos os canais selecionados?
Eliminar %1?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Tem a certeza de que quer mover todos os canais selecionados?
Mover %1?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canais</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
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
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de serviço</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de áudio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID de PCR</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>BLOQUEIO</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Adicionar canal</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Isto substitui o canal &quot;%1&quot; (ID de serviço %2) neste transponder. Substituir?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Canal adicionado</translation>
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
        <translation>Editar nomes dos grupos de favoritos</translation>
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
        <translation>%1 gravado</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Quer gravar as alterações?
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
        <translation>Atualizar existentes</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Inserir antes da seleção</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favoritos por número de grupo</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favoritos por nome de grupo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n canal marcado</numerusform>
            <numerusform>%n canais marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transponder adicionado.</numerusform>
            <numerusform>%n transponders adicionados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>Não importável: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>O grupo de favoritos &quot;%1&quot; não existe aqui: omitido.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>Não importável: o satélite não tem nome</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>Não importável: esse satélite não existe aqui</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Satélite / TP / N.º</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Esta base de dados</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Ficheiros de canais (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Listas de canais (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Não gravar</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recarregar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gravar como</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Aplicar ordem de</translation>
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
            <numerusform>%n canal exportado para %1</numerusform>
            <numerusform>%n canais exportados para %1</numerusform>
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
        <translation>Procurar</translation>
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
        <translation>RÁDIO</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Editor de canais </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Editor de canais</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canais</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>Á&amp;rvore</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>O menu de contexto da lista ou da árvore</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Prime o botão que tem o foco</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Exportar lista...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Adicionar aos favoritos</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Editar favoritos</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Editar nome dos favoritos</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Mover para o topo</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Mover para o fim</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Mover para a posição...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ordenar por nome</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Ordenar por ID de serviço</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Ordenar por transponder</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Aplicar ordem de...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Adicionar TP</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>Eliminar TP</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Adicionar canal</translation>
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
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Sobre o Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Edita a base de dados de canais de um recetor de satélite digital.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
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
        <translation>Gravar como...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Cópias de segurança...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Editar canal...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Termina um arrasto ou limpa «Procurar»</translation>
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
        <translation>Mudar o nome do satélite...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificados</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>De acesso livre</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueados</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Em nenhum grupo</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Neste transponder</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Neste satélite</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Com problemas</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Novos desde...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>No grupo de favoritos</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 selecionados</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Mover para a posição</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>O ficheiro foi alterado por outro programa desde que foi aberto. Substituí-lo?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Não foi possível criar uma cópia de segurança do ficheiro em
%1
(%2).

Gravar sem cópia de segurança?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Falha ao escrever o ficheiro! O ficheiro ficou como estava.

%1

Grave a base de dados noutro local com &quot;Gravar como&quot; ou torne a pasta gravável.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Não foi encontrada nenhuma pasta para cópias de segurança: nem XDG_DATA_HOME nem HOME é um caminho absoluto.

Gravar sem cópia de segurança?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Gravar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>o transponder %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>o transponder %1 e o seu %n canal</numerusform>
            <numerusform>o transponder %1 e os seus %n canais</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Tem a certeza de que quer eliminar o transponder selecionado?
Eliminar %1?</translation>
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
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarização</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Taxa de símbolos</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Adicionar TP</translation>
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
        <translation>TP adicionado</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 de %3 canais</translation>
    </message>
</context>
</TS>
