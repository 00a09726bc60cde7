<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Uydu</translation>
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
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>Lütfen yalnızca Latin-1 karakterleri girin.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>Bu kanal eklenemiyor</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>TP eklenemiyor</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>yanlış sihirli sayı</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>başlık sağlama toplamı uyuşmuyor</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>veri sağlama toplamı uyuşmuyor</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>kapsanan uzunluk görüntünün ötesine uzanıyor</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>dosya 32 baytlık başlıktan kısa</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>bilinmeyen sorun</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>yinelenen kanal</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>yinelenen ad</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>boş ad</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>aralık dışı PID</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>gizli uydu</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>boş transponder</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>adsız favori grubu</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>transponder ekleme</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>transponder düzenleme</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>transponder silme</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>kanal ekleme</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>kanal düzenleme</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>favori gruplarını yeniden adlandırma</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Lütfen %1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>Lütfen en fazla %n karakter girin.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>etkin kanal %1 yok</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>etkin transponder %1 yok</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>%n kanal sıralandı, %2 eşleşmedi</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>%1 klasörü güvenli kaydetmeye izin vermiyor (%2): kaydetme, yeni dosyayı eskisinin yerini almadan önce onun yanına yazar.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>%n kanal silme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>%n kanal taşıma</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>%n kanalın favorilerini ayarlama</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>%n kanalı ada göre sıralama</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>%n kanalı servis kimliğine göre sıralama</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>%n kanalı transpondere göre sıralama</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 TP, %3 kanal)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 kanal)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>%n kanal kopyalandı, %2 güncellendi, %3 zaten var diye atlandı, %4 içe aktarılamaz</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>%1 numaralı uydunun burada bulunabileceği bir adı yok</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>&quot;%1&quot; uydusu bu veritabanında yok</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>Transponder tablosunda eklenecek %2 transponderden yalnızca %1 tanesine yer var: hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>Kanal tablosunda kopyalanacak %2 kanaldan yalnızca %1 tanesine yer var: hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>Dosya okunamadı! Gösterilen veritabanı korundu.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>Geçersiz veritabanı dosyası!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>Dosya oluşturulamadı!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>Dosya yazılamadı! Dosya olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>video PID %1, %2 üstünde</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>ses PID %1, %2 üstünde</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PCR PID %1, %2 üstünde</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>servis kimliği 65535; transponderindeki bir sonraki &quot;Kanal ekle&quot; bunun üzerine yazar</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>%1 &quot;%2&quot; uydusu gösterilmiyor: %n kanalı hiçbir ağaçta görünmüyor</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>%1 transponderinde (%2 %3, &quot;%4&quot; üzerinde) kanal yok</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>%1 favori grubunda %n kanal var ama grubun adı yok</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>%2 kaynağından %n kanal içe aktarma</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>KİLİT</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>TV ve TÜMÜ görünümlerinde ses PID, video PID ile aynı olmamalı.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Alan: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>%1 0 olmamalı.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>%1, 1 ile %2 arasında olmalı.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>Kanal tablosu dolu (%1 kanal).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>%1 zaten %2 içeriyor. İkisi de tutulsun mu?</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>yinelenen transponder</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>%1 transponderi (%2 %3, &quot;%4&quot; üzerinde), %5 transponderinin frekansına ve polarizasyonuna sahip</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>%1 &quot;%2&quot;, %5 &quot;%6&quot; ile aynı transponder (%3) ve servis kimliğine (%4) sahip</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>%1 &quot;%2&quot;, %3 &quot;%4&quot; ile aynı ada sahip (ikisi de radyo)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>%1 &quot;%2&quot;, %3 &quot;%4&quot; ile aynı ada sahip (ikisi de TV)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2, servis kimliği %3) adsız</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>No %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>kanal %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>Uydular ve transponderleri; birini seçmek kanallarını listede gösterir</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>Görünümün kanalları alıcının sırasıyla; Enter düzenler, Delete siler, Ctrl+Yukarı ve Ctrl+Aşağı taşır</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>Yalnızca adı bu metni içeren ya da servis kimliği bu sayı olan kanalları gösterir</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>Tüm kanalları gösterir</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>Yalnızca TV kanallarını gösterir</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>Yalnızca radyo kanallarını gösterir</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>Bir kanal veritabanı dosyası açar</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>Değişiklikleri açık dosyaya kaydeder</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>Veritabanını yeni bir dosyaya kaydeder</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>Değişiklikleri kaydetmeyi sorarak pencereyi kapatır</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>Son değişikliği geri alır</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>Geri alınan son değişikliği yineler</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>Veritabanında bulunan sorunları gösterir ya da gizler</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Sorunlar</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>Veritabanında bulunan sorunlar; birine çift tıklamak ilgili öğeyi gösterir</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>Her komutun tuşları</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>Transponderin MHz cinsinden frekansı</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>Dikey (13 V) ya da yatay (18 V) polarizasyon</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>Saniyede kilosembol cinsinden sembol oranı</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>Kanalın bulunduğu uydu</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>Kanalın bulunduğu transponder</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>Latin-1 karakterleriyle kanalın adı</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>Kanalı transponderinde tanımlayan servis kimliği</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>Video akışının paket kimliği</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>Ses akışının paket kimliği</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>Saat referansının paket kimliği</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>Kanalın kilit kodunu isteyip istemediği</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>Kanalın şifreli mi yoksa şifresiz mi olduğu</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>Seçili kanalların taşınacağı liste satırı</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>Kanalın %1 numaralı favori grubuna ait olup olmadığı</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>%1 numaralı favori grubunun adı</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>Girilenleri kabul eder ve pencereyi kapatır</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>Hiçbir şeyi değiştirmeden pencereyi kapatır</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>İçe aktarılacak kanallar</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>Öteki veritabanının uyduları, transponderleri ve kanalları; kopyalanacakları işaretleyin</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>Burada zaten olan kanalların üzerine içe aktarılanları yazar</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>Kopyaları sona değil seçili kanalın önüne koyar</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>İşaretli kanalları bu veritabanına kopyalar</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>Açık veritabanından farklar</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Yedekler</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>%1 dosyasının %2 içinde yedeği yok.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>%1 dosyasının %2 içindeki yedekleri:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>Yedeği kaydedilmemiş değişiklikler olarak pencereye alır</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Klasörü göster</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kanalı</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>Seçili tüm kanalları silmek istediğinizden emin misiniz?
%1 silinsin mi?</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>Seçili tüm kanalları taşımak istediğinizden emin misiniz?
%1 taşınsın mı?</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanalı düzenle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis kimliği</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>KİLİT</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal ekle</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>Bu işlem bu transponderdeki &quot;%1&quot; kanalının (servis kimliği %2) yerini alır. Değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Kanal eklendi</translation>
    </message>
</context>
<context>
    <name>kavro::DialogSupport</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>İPTAL</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>Favorileri düzenle</translation>
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
        <translation>Favori grup adlarını düzenle</translation>
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
        <translation>%1 kaydedildi</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>Değişiklikler kaydedilsin mi?
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>%1 kaynağından içe aktar</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>Var olanları güncelle</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>Seçimden önce ekle</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>Favoriler grup numarasına göre</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>Favoriler grup adına göre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>%n kanal işaretlendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>%n transponder eklendi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>İçe aktarılamaz: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>&quot;%1&quot; favori grubu burada yok: dışarıda bırakıldı.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>İçe aktarılamaz: uydunun adı yok</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>İçe aktarılamaz: bu uydu burada yok</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Burada</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>Uydu / TP / No</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>Bu veritabanı</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>Kanal veri dosyaları (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>Kanal listeleri (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Yeniden yükle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Listeyi dışa aktar</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>Sıralamayı şuradan al</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>İçe aktar</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>%n kanal %1 dosyasına aktarıldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>Sorunlar (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TÜMÜ</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADYO</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>Kanal düzenleyici </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - Kanal düzenleyici</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanallar</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;Ağaç</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>Listenin ya da ağacın bağlam menüsü</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>Odaktaki düğmeye basar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>Listeyi dışa aktar...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>Favorilere ekle</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>Favorileri düzenle</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>Favori adını düzenle</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>En üste taşı</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>En alta taşı</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı taşı</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı taşı</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Konuma taşı...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>Ada göre sırala</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>Servis kimliğine göre sırala</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Transpondere göre sırala</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>Sıralamayı şuradan al...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP ekle</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>TP sil</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal ekle</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>Kavro hakkında</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Son açılanlar</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

Bir sayısal uydu alıcısının kanal veritabanını düzenler.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tuş</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Komut</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>İçe aktar...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Aç...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Farklı kaydet...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Yedekler...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanalı düzenle...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Listeyi temizle</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>Sürüklemeyi bitirir veya Bul alanını boşaltır</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>Uydular...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>Uyduyu gizle</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>Uyduyu yeniden adlandır...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Tersine çevir</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>Şifresiz</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>Hiçbir grupta değil</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>Bu transponderda</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>Bu uyduda</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Yinelenenler</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>Sorunlu olanlar</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>Şundan beri yeni...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>Favori grubunda</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 seçili</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Konuma taşı</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Sorun</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Gösterilen</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Dosya açıldığından beri başka bir program tarafından değiştirildi. Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>Dosyanın yedeği şu klasörde oluşturulamadı:
%1
(%2).

Yedeksiz kaydedilsin mi?</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>Dosya yazılamadı! Dosya olduğu gibi bırakıldı.

%1

Veritabanını &quot;Farklı kaydet&quot; ile başka bir yere kaydedin ya da klasörü yazılabilir yapın.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>Yedekler için klasör bulunamadı: ne XDG_DATA_HOME ne de HOME mutlak bir yol.

Yedeksiz kaydedilsin mi?</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Yine de kaydedilsin mi?</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Bir daha sorma</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>%1 transponderi</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>%1 transponderi ve onun %n kanalı</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>Seçili transponderi silmek istediğinizden emin misiniz?
%1 silinsin mi?</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>TP düzenle</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>Dikey-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>Yatay-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP ekle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
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
        <translation>TP eklendi</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 / %3 kanal</translation>
    </message>
</context>
</TS>
