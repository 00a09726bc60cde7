<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CoreTexts</name>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>قمر</translation>
    </message>
    <message>
        <source>Tp</source>
        <translation>مرسل</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>مفضلة</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>الرجاء إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>Please enter only Latin-1 characters.</source>
        <translation>الرجاء إدخال محارف Latin-1 فقط.</translation>
    </message>
    <message>
        <source>Cannot add this channel</source>
        <translation>تعذّرت إضافة هذه القناة</translation>
    </message>
    <message>
        <source>Cannot add tp</source>
        <translation>تعذّرت إضافة المرسل المستجيب</translation>
    </message>
    <message>
        <source>wrong magic number</source>
        <translation>رقم تعريف خاطئ</translation>
    </message>
    <message>
        <source>header checksum mismatch</source>
        <translation>مجموع التحقق للترويسة غير مطابق</translation>
    </message>
    <message>
        <source>data checksum mismatch</source>
        <translation>مجموع التحقق للبيانات غير مطابق</translation>
    </message>
    <message>
        <source>covered length reaches beyond the image</source>
        <translation>الطول المغطّى يتجاوز حدود الصورة</translation>
    </message>
    <message>
        <source>file is shorter than the 32-byte header</source>
        <translation>الملف أقصر من ترويسة الـ 32 بايت</translation>
    </message>
    <message>
        <source>unknown problem</source>
        <translation>مشكلة غير معروفة</translation>
    </message>
    <message>
        <source>duplicate-channel</source>
        <translation>قناة مكررة</translation>
    </message>
    <message>
        <source>duplicate-name</source>
        <translation>اسم مكرر</translation>
    </message>
    <message>
        <source>blank-name</source>
        <translation>اسم فارغ</translation>
    </message>
    <message>
        <source>pid-range</source>
        <translation>معرّف PID خارج النطاق</translation>
    </message>
    <message>
        <source>hidden-satellite</source>
        <translation>قمر صناعي مخفي</translation>
    </message>
    <message>
        <source>empty-transponder</source>
        <translation>مرسل مستجيب فارغ</translation>
    </message>
    <message>
        <source>favorite-unnamed</source>
        <translation>مجموعة مفضلة بلا اسم</translation>
    </message>
    <message>
        <source>add transponder</source>
        <translation>إضافة مرسل مستجيب</translation>
    </message>
    <message>
        <source>edit transponder</source>
        <translation>تحرير مرسل مستجيب</translation>
    </message>
    <message>
        <source>delete transponder</source>
        <translation>حذف مرسل مستجيب</translation>
    </message>
    <message>
        <source>add channel</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>edit channel</source>
        <translation>تحرير قناة</translation>
    </message>
    <message>
        <source>rename favorite groups</source>
        <translation>إعادة تسمية مجموعات المفضلة</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>الرجاء إدخال عدد صحيح بين %1 و %2.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %n character(s).</source>
        <translation>
            <numerusform>الرجاء إدخال %n محرف على الأكثر.</numerusform>
            <numerusform>الرجاء إدخال محرف واحد (%n) على الأكثر.</numerusform>
            <numerusform>الرجاء إدخال محرفين (%n) على الأكثر.</numerusform>
            <numerusform>الرجاء إدخال %n محارف على الأكثر.</numerusform>
            <numerusform>الرجاء إدخال %n محرفًا على الأكثر.</numerusform>
            <numerusform>الرجاء إدخال %n محرف على الأكثر.</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no live channel %1</source>
        <translation>لا توجد قناة فعّالة %1</translation>
    </message>
    <message>
        <source>there is no live transponder %1</source>
        <translation>لا يوجد مرسل مستجيب فعّال %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ordered, %2 without a match</source>
        <translation>
            <numerusform>رُتّبت %n قناة، و %2 بلا مطابقة</numerusform>
            <numerusform>رُتّبت قناة واحدة (%n)، و %2 بلا مطابقة</numerusform>
            <numerusform>رُتّبت قناتان (%n)، و %2 بلا مطابقة</numerusform>
            <numerusform>رُتّبت %n قنوات، و %2 بلا مطابقة</numerusform>
            <numerusform>رُتّبت %n قناة، و %2 بلا مطابقة</numerusform>
            <numerusform>رُتّبت %n قناة، و %2 بلا مطابقة</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not allow a safe save (%2): a save writes the new file beside the old one before it takes its place.</source>
        <translation>المجلد %1 لا يسمح بالحفظ الآمن (%2): الحفظ يكتب الملف الجديد بجانب القديم قبل أن يحلّ محلّه.</translation>
    </message>
    <message numerus="yes">
        <source>delete %n channel(s)</source>
        <translation>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف قناة واحدة (%n)</numerusform>
            <numerusform>حذف قناتين (%n)</numerusform>
            <numerusform>حذف %n قنوات</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>move %n channel(s)</source>
        <translation>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل قناة واحدة (%n)</numerusform>
            <numerusform>نقل قناتين (%n)</numerusform>
            <numerusform>نقل %n قنوات</numerusform>
            <numerusform>نقل %n قناة</numerusform>
            <numerusform>نقل %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>set favorites of %n channel(s)</source>
        <translation>
            <numerusform>تعيين مفضلة %n قناة</numerusform>
            <numerusform>تعيين مفضلة قناة واحدة (%n)</numerusform>
            <numerusform>تعيين مفضلة قناتين (%n)</numerusform>
            <numerusform>تعيين مفضلة %n قنوات</numerusform>
            <numerusform>تعيين مفضلة %n قناة</numerusform>
            <numerusform>تعيين مفضلة %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by name</source>
        <translation>
            <numerusform>ترتيب %n قناة حسب الاسم</numerusform>
            <numerusform>ترتيب قناة واحدة (%n) حسب الاسم</numerusform>
            <numerusform>ترتيب قناتين (%n) حسب الاسم</numerusform>
            <numerusform>ترتيب %n قنوات حسب الاسم</numerusform>
            <numerusform>ترتيب %n قناة حسب الاسم</numerusform>
            <numerusform>ترتيب %n قناة حسب الاسم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by service ID</source>
        <translation>
            <numerusform>ترتيب %n قناة حسب معرّف الخدمة</numerusform>
            <numerusform>ترتيب قناة واحدة (%n) حسب معرّف الخدمة</numerusform>
            <numerusform>ترتيب قناتين (%n) حسب معرّف الخدمة</numerusform>
            <numerusform>ترتيب %n قنوات حسب معرّف الخدمة</numerusform>
            <numerusform>ترتيب %n قناة حسب معرّف الخدمة</numerusform>
            <numerusform>ترتيب %n قناة حسب معرّف الخدمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>sort %n channel(s) by transponder</source>
        <translation>
            <numerusform>ترتيب %n قناة حسب المرسل المستجيب</numerusform>
            <numerusform>ترتيب قناة واحدة (%n) حسب المرسل المستجيب</numerusform>
            <numerusform>ترتيب قناتين (%n) حسب المرسل المستجيب</numerusform>
            <numerusform>ترتيب %n قنوات حسب المرسل المستجيب</numerusform>
            <numerusform>ترتيب %n قناة حسب المرسل المستجيب</numerusform>
            <numerusform>ترتيب %n قناة حسب المرسل المستجيب</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 TPs, %3 CHs)</source>
        <translation>%1 (%2 مرسل، %3 قناة)</translation>
    </message>
    <message>
        <source>%1 (%2 CHs)</source>
        <translation>%1 (%2 قناة)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable</source>
        <translation>
            <numerusform>نُسخت %n قناة، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
            <numerusform>نُسخت قناة واحدة (%n)، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
            <numerusform>نُسخت قناتان (%n)، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
            <numerusform>نُسخت %n قنوات، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
            <numerusform>نُسخت %n قناة، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
            <numerusform>نُسخت %n قناة، وحُدّثت %2، وتُخطّيت %3 لوجودها، و %4 غير قابلة للاستيراد</numerusform>
        </translation>
    </message>
    <message>
        <source>satellite %1 has no name to find it by here</source>
        <translation>القمر الصناعي %1 بلا اسم يمكن إيجاده به هنا</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; is not in this database</source>
        <translation>القمر الصناعي «%1» غير موجود في قاعدة البيانات هذه</translation>
    </message>
    <message>
        <source>The transponder table has room for %1 of the %2 transponders to add: nothing was imported.</source>
        <translation>في جدول المرسلات المستجيبة متسع لـ %1 من %2 مرسلات مطلوب إضافتها: لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>The channel table has room for %1 of the %2 channels to copy: nothing was imported.</source>
        <translation>في جدول القنوات متسع لـ %1 من %2 قنوات مطلوب نسخها: لم يُستورد شيء.</translation>
    </message>
    <message>
        <source>File open failed!</source>
        <translation>فشل فتح الملف!</translation>
    </message>
    <message>
        <source>File read failed! The database shown was kept.</source>
        <translation>فشلت قراءة الملف! أُبقيت قاعدة البيانات المعروضة.</translation>
    </message>
    <message>
        <source>Invalid DB file!</source>
        <translation>ملف قاعدة بيانات غير صالح!</translation>
    </message>
    <message>
        <source>File create failed!</source>
        <translation>فشل إنشاء الملف!</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.</source>
        <translation>فشلت كتابة الملف! بقي الملف كما كان.</translation>
    </message>
    <message>
        <source>video PID %1 above %2</source>
        <translation>PID الفيديو %1 أعلى من %2</translation>
    </message>
    <message>
        <source>audio PID %1 above %2</source>
        <translation>PID الصوت %1 أعلى من %2</translation>
    </message>
    <message>
        <source>PCR PID %1 above %2</source>
        <translation>PID الـ PCR %1 أعلى من %2</translation>
    </message>
    <message>
        <source>service ID 65535, which the next Add Channel on its transponder overwrites</source>
        <translation>معرّف الخدمة 65535، الذي تكتب فوقه عملية «إضافة قناة» التالية على مرسلها المستجيب</translation>
    </message>
    <message numerus="yes">
        <source>satellite %1 &quot;%2&quot; is not shown: its %n channel(s) appear in no tree</source>
        <translation>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر %n قناة له في أي شجرة</numerusform>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر قناته الواحدة (%n) في أي شجرة</numerusform>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر قناتاه (%n) في أي شجرة</numerusform>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر قنواته الـ %n في أي شجرة</numerusform>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر قنواته الـ %n في أي شجرة</numerusform>
            <numerusform>القمر الصناعي %1 «%2» غير معروض: لا تظهر قنواته الـ %n في أي شجرة</numerusform>
        </translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has no channel</source>
        <translation>المرسل المستجيب %1 (%2 %3 على «%4») بلا قنوات</translation>
    </message>
    <message numerus="yes">
        <source>favourite group %1 holds %n channel(s) but has no name</source>
        <translation>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة لكنها بلا اسم</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم قناة واحدة (%n) لكنها بلا اسم</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم قناتين (%n) لكنها بلا اسم</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قنوات لكنها بلا اسم</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة لكنها بلا اسم</numerusform>
            <numerusform>مجموعة المفضلة %1 تضم %n قناة لكنها بلا اسم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>import %n channel(s) from %2</source>
        <translation>
            <numerusform>استيراد %n قناة من %2</numerusform>
            <numerusform>استيراد قناة واحدة (%n) من %2</numerusform>
            <numerusform>استيراد قناتين (%n) من %2</numerusform>
            <numerusform>استيراد %n قنوات من %2</numerusform>
            <numerusform>استيراد %n قناة من %2</numerusform>
            <numerusform>استيراد %n قناة من %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الفيديو</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID الـ PCR</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Audio PID must differ from Video PID in the TV and ALL views.</source>
        <translation>يجب أن يختلف PID الصوت عن PID الفيديو في عرضي التلفاز والكل.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>الحقل: %1</translation>
    </message>
    <message>
        <source>%1 must not be 0.</source>
        <translation>يجب ألا يكون %1 صفرًا.</translation>
    </message>
    <message>
        <source>%1 must be between 1 and %2.</source>
        <translation>يجب أن يكون %1 بين 1 و %2.</translation>
    </message>
    <message>
        <source>The channel table is full (%1 channels).</source>
        <translation>جدول القنوات ممتلئ (%1 قناة).</translation>
    </message>
    <message>
        <source>%1 already has %2. Keep both?</source>
        <translation>لدى %1 بالفعل %2. هل تريد الإبقاء على الاثنين؟</translation>
    </message>
    <message>
        <source>duplicate-transponder</source>
        <translation>مرسل مستجيب مكرر</translation>
    </message>
    <message>
        <source>transponder %1 (%2 %3 on &quot;%4&quot;) has the frequency and polarization of transponder %5</source>
        <translation>للمرسل المستجيب %1 (%2 %3 على «%4») تردد واستقطاب المرسل المستجيب %5 نفسهما</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the transponder (%3) and service ID (%4) of %5 &quot;%6&quot;</source>
        <translation>لـ %1 «%2» المرسل المستجيب (%3) ومعرّف الخدمة (%4) نفسهما لـ %5 «%6»</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both radio)</source>
        <translation>لـ %1 «%2» اسم %3 «%4» نفسه (كلتاهما راديو)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has the name of %3 &quot;%4&quot; (both TV)</source>
        <translation>لـ %1 «%2» اسم %3 «%4» نفسه (كلتاهما تلفاز)</translation>
    </message>
    <message>
        <source>%1 (%2, service ID %3) has no name</source>
        <translation>%1 (%2، معرّف الخدمة %3) بلا اسم</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>رقم %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>القناة %1</translation>
    </message>
</context>
<context>
    <name>kavro::Accessibility</name>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>The satellites and their transponders; selecting one shows its channels in the list</source>
        <translation>الأقمار الصناعية ومرسلاتها المستجيبة؛ تحديد أحدها يعرض قنواته في القائمة</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>قنوات</translation>
    </message>
    <message>
        <source>The channels of the view in the receiver&apos;s order; Enter edits, Delete deletes, Ctrl+Up and Ctrl+Down move</source>
        <translation>قنوات العرض بترتيب جهاز الاستقبال؛ Enter للتحرير، Delete للحذف، Ctrl+أعلى و Ctrl+أسفل للنقل</translation>
    </message>
    <message>
        <source>Shows only the channels whose name contains this text or whose service ID is this number</source>
        <translation>يعرض فقط القنوات التي يحتوي اسمها على هذا النص أو التي معرّف خدمتها هو هذا الرقم</translation>
    </message>
    <message>
        <source>Shows all channels</source>
        <translation>يعرض كل القنوات</translation>
    </message>
    <message>
        <source>Shows only the TV channels</source>
        <translation>يعرض قنوات التلفاز فقط</translation>
    </message>
    <message>
        <source>Shows only the radio channels</source>
        <translation>يعرض قنوات الراديو فقط</translation>
    </message>
    <message>
        <source>Opens a channel database file</source>
        <translation>يفتح ملف قاعدة بيانات القنوات</translation>
    </message>
    <message>
        <source>Saves the changes to the open file</source>
        <translation>يحفظ التغييرات في الملف المفتوح</translation>
    </message>
    <message>
        <source>Saves the database to a new file</source>
        <translation>يحفظ قاعدة البيانات في ملف جديد</translation>
    </message>
    <message>
        <source>Closes the window, asking to save changes</source>
        <translation>يغلق النافذة ويسأل عن حفظ التغييرات</translation>
    </message>
    <message>
        <source>Takes back the last change</source>
        <translation>يتراجع عن آخر تغيير</translation>
    </message>
    <message>
        <source>Makes the last undone change again</source>
        <translation>يعيد آخر تغيير تم التراجع عنه</translation>
    </message>
    <message>
        <source>Shows or hides the problems found in the database</source>
        <translation>يعرض أو يخفي المشكلات الموجودة في قاعدة البيانات</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>المشكلات</translation>
    </message>
    <message>
        <source>The problems found in the database; double-click one to show it</source>
        <translation>المشكلات الموجودة في قاعدة البيانات؛ النقر المزدوج على إحداها يعرض العنصر المعني</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>The keys of every command</source>
        <translation>مفاتيح كل الأوامر</translation>
    </message>
    <message>
        <source>The transponder&apos;s frequency in MHz</source>
        <translation>تردد المرسل المستجيب بالميغاهرتز</translation>
    </message>
    <message>
        <source>Vertical (13 V) or horizontal (18 V) polarization</source>
        <translation>استقطاب عمودي (13 V) أو أفقي (18 V)</translation>
    </message>
    <message>
        <source>The symbol rate in kilosymbols per second</source>
        <translation>معدل الرموز بالكيلو رمز في الثانية</translation>
    </message>
    <message>
        <source>The satellite the channel is on</source>
        <translation>القمر الصناعي الذي تقع عليه القناة</translation>
    </message>
    <message>
        <source>The transponder the channel is on</source>
        <translation>المرسل المستجيب الذي تقع عليه القناة</translation>
    </message>
    <message>
        <source>The channel&apos;s name in Latin-1 characters</source>
        <translation>اسم القناة بمحارف Latin-1</translation>
    </message>
    <message>
        <source>The service ID that identifies the channel on its transponder</source>
        <translation>معرّف الخدمة الذي يميّز القناة على مرسلها المستجيب</translation>
    </message>
    <message>
        <source>The packet ID of the video stream</source>
        <translation>معرّف حزم تدفق الفيديو</translation>
    </message>
    <message>
        <source>The packet ID of the audio stream</source>
        <translation>معرّف حزم تدفق الصوت</translation>
    </message>
    <message>
        <source>The packet ID of the clock reference</source>
        <translation>معرّف حزم مرجع الساعة</translation>
    </message>
    <message>
        <source>Whether the channel asks for the lock code</source>
        <translation>هل تطلب القناة رمز القفل</translation>
    </message>
    <message>
        <source>Whether the channel is scrambled or free-to-air</source>
        <translation>هل القناة مشفّرة أم مجانية البث</translation>
    </message>
    <message>
        <source>The row of the list the selected channels move to</source>
        <translation>صف القائمة الذي تنتقل إليه القنوات المحددة</translation>
    </message>
    <message>
        <source>Whether the channel belongs to favourite group %1</source>
        <translation>هل تنتمي القناة إلى مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>The name of favourite group %1</source>
        <translation>اسم مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>Takes the entries and closes the dialog</source>
        <translation>يقبل المدخلات ويغلق مربع الحوار</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing</source>
        <translation>يغلق مربع الحوار دون تغيير أي شيء</translation>
    </message>
    <message>
        <source>Channels to import</source>
        <translation>القنوات المراد استيرادها</translation>
    </message>
    <message>
        <source>The other database&apos;s satellites, transponders and channels; tick what to copy</source>
        <translation>الأقمار الصناعية والمرسلات المستجيبة والقنوات في قاعدة البيانات الأخرى؛ حدّد ما تريد نسخه</translation>
    </message>
    <message>
        <source>Overwrites the channels that are already here with the imported ones</source>
        <translation>يستبدل القنوات الموجودة هنا بالقنوات المستوردة</translation>
    </message>
    <message>
        <source>Puts the copies before the selected channel instead of at the end</source>
        <translation>يضع النسخ قبل القناة المحددة بدلًا من النهاية</translation>
    </message>
    <message>
        <source>Copies the ticked channels into this database</source>
        <translation>ينسخ القنوات المحددة إلى قاعدة البيانات هذه</translation>
    </message>
</context>
<context>
    <name>kavro::BackupsDialog</name>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Differences from the open database</source>
        <translation>الفروق عن قاعدة البيانات المفتوحة</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>النسخ الاحتياطية</translation>
    </message>
    <message>
        <source>No backups of %1 are kept in %2.</source>
        <translation>لا توجد نسخ احتياطية من %1 في %2.</translation>
    </message>
    <message>
        <source>Backups of %1 kept in %2:</source>
        <translation>النسخ الاحتياطية من %1 في %2:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Takes the backup into the window as unsaved changes</source>
        <translation>يأخذ النسخة الاحتياطية إلى النافذة كتغييرات غير محفوظة</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>إظهار المجلد</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelCommands</name>
    <message>
        <source>channel &quot;%1&quot;</source>
        <translation>القناة «%1»</translation>
    </message>
    <message>
        <source>Are you sure to delete all selected channels?
Delete %1?</source>
        <translation>هل تريد حقًا حذف كل القنوات المحددة؟
حذف %1؟</translation>
    </message>
    <message>
        <source>Are you sure to move all selected channels?
Move %1?</source>
        <translation>هل تريد حقًا نقل كل القنوات المحددة؟
نقل %1؟</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n قناة</numerusform>
            <numerusform>قناة واحدة (%n)</numerusform>
            <numerusform>قناتان (%n)</numerusform>
            <numerusform>%n قنوات</numerusform>
            <numerusform>%n قناة</numerusform>
            <numerusform>%n قناة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::ChannelDialog</name>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>تحرير القناة</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>المرسل المستجيب</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID الفيديو</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID الـ PCR</translation>
    </message>
    <message>
        <source>LOCK</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>إضافة قناة</translation>
    </message>
</context>
<context>
    <name>kavro::ChannelOperations</name>
    <message>
        <source>This replaces the channel &quot;%1&quot; (service ID %2) on this transponder. Replace it?</source>
        <translation>سيحلّ هذا محلّ القناة «%1» (معرّف الخدمة %2) على هذا المرسل المستجيب. هل تريد الاستبدال؟</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>أُضيفت القناة</translation>
    </message>
</context>
<context>
    <name>kavro::DialogSupport</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteDialog</name>
    <message>
        <source>Edit Favorite</source>
        <translation>تحرير المفضلة</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>مفضلة %1</translation>
    </message>
</context>
<context>
    <name>kavro::FavoriteNameDialog</name>
    <message>
        <source>Edit Favorite Group Name</source>
        <translation>تحرير أسماء مجموعات المفضلة</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>مفضلة %1</translation>
    </message>
</context>
<context>
    <name>kavro::FileCommands</name>
    <message>
        <source>Saved %1</source>
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <source>Do you want to save changes?
%1</source>
        <translation>هل تريد حفظ التغييرات؟
%1</translation>
    </message>
</context>
<context>
    <name>kavro::ImportDialog</name>
    <message>
        <source>Import From %1</source>
        <translation>استيراد من %1</translation>
    </message>
    <message>
        <source>Update existing</source>
        <translation>تحديث الموجود</translation>
    </message>
    <message>
        <source>Insert Before Selection</source>
        <translation>إدراج قبل التحديد</translation>
    </message>
    <message>
        <source>Favourites by group number</source>
        <translation>المفضلة حسب رقم المجموعة</translation>
    </message>
    <message>
        <source>Favourites by group name</source>
        <translation>المفضلة حسب اسم المجموعة</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) ticked</source>
        <translation>
            <numerusform>حُدّدت %n قناة</numerusform>
            <numerusform>حُدّدت قناة واحدة (%n)</numerusform>
            <numerusform>حُدّدت قناتان (%n)</numerusform>
            <numerusform>حُدّدت %n قنوات</numerusform>
            <numerusform>حُدّدت %n قناة</numerusform>
            <numerusform>حُدّدت %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder(s) added.</source>
        <translation>
            <numerusform>أُضيف %n مرسل مستجيب.</numerusform>
            <numerusform>أُضيف مرسل مستجيب واحد (%n).</numerusform>
            <numerusform>أُضيف مرسلان مستجيبان (%n).</numerusform>
            <numerusform>أُضيفت %n مرسلات مستجيبة.</numerusform>
            <numerusform>أُضيف %n مرسلًا مستجيبًا.</numerusform>
            <numerusform>أُضيف %n مرسل مستجيب.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not importable: %1.</source>
        <translation>غير قابل للاستيراد: %1.</translation>
    </message>
    <message>
        <source>Favourite group &quot;%1&quot; is not here: left out.</source>
        <translation>مجموعة المفضلة «%1» غير موجودة هنا: تُركت.</translation>
    </message>
</context>
<context>
    <name>kavro::ImportTreeModel</name>
    <message>
        <source>Not importable: the satellite has no name</source>
        <translation>غير قابل للاستيراد: القمر الصناعي بلا اسم</translation>
    </message>
    <message>
        <source>Not importable: no such satellite here</source>
        <translation>غير قابل للاستيراد: لا يوجد هذا القمر الصناعي هنا</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>موجود</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Satellite / TP / No.</source>
        <translation>القمر / المرسل / الرقم</translation>
    </message>
    <message>
        <source>This database</source>
        <translation>قاعدة البيانات هذه</translation>
    </message>
</context>
<context>
    <name>kavro::Interaction</name>
    <message>
        <source>Channel Data Files (*.tbn)</source>
        <translation>ملفات بيانات القنوات (*.tbn)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>Channel Lists (*.tbn *.csv)</source>
        <translation>قوائم القنوات (*.tbn *.csv)</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>لا تحفظ</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>تصدير القائمة</translation>
    </message>
    <message>
        <source>Apply Order From</source>
        <translation>تطبيق الترتيب من</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>استيراد من</translation>
    </message>
</context>
<context>
    <name>kavro::ListCommands</name>
    <message numerus="yes">
        <source>Exported %n channel(s) to %1</source>
        <translation>
            <numerusform>صُدّرت %n قناة إلى %1</numerusform>
            <numerusform>صُدّرت قناة واحدة (%n) إلى %1</numerusform>
            <numerusform>صُدّرت قناتان (%n) إلى %1</numerusform>
            <numerusform>صُدّرت %n قنوات إلى %1</numerusform>
            <numerusform>صُدّرت %n قناة إلى %1</numerusform>
            <numerusform>صُدّرت %n قناة إلى %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kavro::MainWindow</name>
    <message>
        <source>Problems (%1)</source>
        <translation>المشكلات (%1)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Channel Editor </source>
        <translation>محرر القنوات </translation>
    </message>
    <message>
        <source>%1[*] - Channel Editor</source>
        <translation>%1[*] - محرر القنوات</translation>
    </message>
</context>
<context>
    <name>kavro::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;قنوات</translation>
    </message>
    <message>
        <source>&amp;Tree</source>
        <translation>&amp;شجرة</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>The popup of the list or the tree</source>
        <translation>القائمة المنبثقة للقائمة أو الشجرة</translation>
    </message>
    <message>
        <source>Presses the focused button</source>
        <translation>يضغط الزر الذي عليه التركيز</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Export List...</source>
        <translation>تصدير القائمة...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Add to Favorite</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>Edit Favorite</source>
        <translation>تحرير المفضلة</translation>
    </message>
    <message>
        <source>Edit Favorite Name</source>
        <translation>تحرير اسم المفضلة</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>نقل إلى الأعلى</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>نقل إلى الأسفل</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>نقل إلى موضع...</translation>
    </message>
    <message>
        <source>Sort by Name</source>
        <translation>ترتيب حسب الاسم</translation>
    </message>
    <message>
        <source>Sort by Service ID</source>
        <translation>ترتيب حسب معرّف الخدمة</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>ترتيب حسب المرسل المستجيب</translation>
    </message>
    <message>
        <source>Apply Order From...</source>
        <translation>تطبيق الترتيب من...</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>إضافة مرسل</translation>
    </message>
    <message>
        <source>Delete TP</source>
        <translation>حذف مرسل</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفاز</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>اختصارات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>About Kavro</source>
        <translation>حول Kavro</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>فتح &amp;الأخيرة</translation>
    </message>
    <message>
        <source>Kavro %1

Edits the channel database of a digital satellite receiver.</source>
        <translation>Kavro %1

يحرّر قاعدة بيانات القنوات لجهاز استقبال فضائي رقمي.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>الأمر</translation>
    </message>
    <message>
        <source>Import From...</source>
        <translation>استيراد من...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>حفظ باسم...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>النسخ الاحتياطية...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>تحرير القناة...</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>مسح القائمة</translation>
    </message>
    <message>
        <source>Ends a drag, or empties Find</source>
        <translation>ينهي السحب أو يفرغ حقل «بحث»</translation>
    </message>
    <message>
        <source>Satellites...</source>
        <translation>الأقمار الصناعية...</translation>
    </message>
    <message>
        <source>Hide Satellite</source>
        <translation>إخفاء القمر الصناعي</translation>
    </message>
    <message>
        <source>Rename Satellite...</source>
        <translation>إعادة تسمية القمر الصناعي...</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>عكس التحديد</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>المشفّرة</translation>
    </message>
    <message>
        <source>Free to Air</source>
        <translation>مجانية البث</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>المقفلة</translation>
    </message>
    <message>
        <source>In No Group</source>
        <translation>خارج كل المجموعات</translation>
    </message>
    <message>
        <source>On This Transponder</source>
        <translation>على هذا المرسل المستجيب</translation>
    </message>
    <message>
        <source>On This Satellite</source>
        <translation>على هذا القمر الصناعي</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>المكررة</translation>
    </message>
    <message>
        <source>With Problems</source>
        <translation>ذات المشكلات</translation>
    </message>
    <message>
        <source>New Since...</source>
        <translation>الجديدة منذ...</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>In Favourite Group</source>
        <translation>في مجموعة المفضلة</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>المحدد: %1</translation>
    </message>
</context>
<context>
    <name>kavro::PositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>نقل إلى موضع</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
</context>
<context>
    <name>kavro::ProblemsPanel</name>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>المشكلة</translation>
    </message>
</context>
<context>
    <name>kavro::SatellitesDialog</name>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>ظاهر</translation>
    </message>
    <message>
        <source>TPs</source>
        <translation>المرسلات</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
</context>
<context>
    <name>kavro::SaveGuards</name>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>غيّر برنامج آخر الملف منذ فتحه. هل تريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>No backup of the file could be made in
%1
(%2).

Save without a backup?</source>
        <translation>تعذّر إنشاء نسخة احتياطية من الملف في
%1
(%2).

هل تريد الحفظ دون نسخة احتياطية؟</translation>
    </message>
    <message>
        <source>File write failed! The file was left as it was.

%1

Save the database elsewhere with Save As, or make the folder writable.</source>
        <translation>فشلت كتابة الملف! بقي الملف كما كان.

%1

احفظ قاعدة البيانات في مكان آخر باستخدام «حفظ باسم»، أو اجعل المجلد قابلًا للكتابة.</translation>
    </message>
    <message>
        <source>No folder for backups can be found: neither XDG_DATA_HOME nor HOME is an absolute path.

Save without a backup?</source>
        <translation>تعذّر العثور على مجلد للنسخ الاحتياطية: لا XDG_DATA_HOME ولا HOME مسار مطلق.

هل تريد الحفظ دون نسخة احتياطية؟</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

هل تريد الحفظ على أي حال؟</translation>
    </message>
</context>
<context>
    <name>kavro::StatusNotices</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>لا تسأل مجددًا</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderCommands</name>
    <message>
        <source>transponder %1</source>
        <translation>المرسل المستجيب %1</translation>
    </message>
    <message numerus="yes">
        <source>transponder %1 and its %n channel(s)</source>
        <translation>
            <numerusform>المرسل المستجيب %1 و %n قناة عليه</numerusform>
            <numerusform>المرسل المستجيب %1 وقناة واحدة (%n) عليه</numerusform>
            <numerusform>المرسل المستجيب %1 وقناتان (%n) عليه</numerusform>
            <numerusform>المرسل المستجيب %1 و %n قنوات عليه</numerusform>
            <numerusform>المرسل المستجيب %1 و %n قناة عليه</numerusform>
            <numerusform>المرسل المستجيب %1 و %n قناة عليه</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to delete the selected transponder?
Delete %1?</source>
        <translation>هل تريد حقًا حذف المرسل المستجيب المحدد؟
حذف %1؟</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderDialog</name>
    <message>
        <source>Edit TP</source>
        <translation>تحرير المرسل المستجيب</translation>
    </message>
    <message>
        <source>Vertical-13V</source>
        <translation>عمودي-13V</translation>
    </message>
    <message>
        <source>Horizontal-18V</source>
        <translation>أفقي-18V</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الرموز</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>إضافة مرسل</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>ميغاهرتز</translation>
    </message>
    <message>
        <source>kS/s</source>
        <translation>ك.رمز/ث</translation>
    </message>
</context>
<context>
    <name>kavro::TransponderOperations</name>
    <message>
        <source>TP added</source>
        <translation>أُضيف المرسل المستجيب</translation>
    </message>
</context>
<context>
    <name>kavro::WindowRefresh</name>
    <message>
        <source>%1: %2 of %3 channels</source>
        <translation>%1: %2 من %3 قناة</translation>
    </message>
</context>
</TS>
