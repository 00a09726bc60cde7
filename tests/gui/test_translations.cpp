// The window's languages: every translation file complete and faithful to its sources'
// placeholders and keys, the core's texts mapped, English exactly as the sources write it,
// and the window in German and in Arabic (mirrored, nothing cut at its smallest size).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTreeWidgetItem>
#include <QXmlStreamReader>

#include "database/ChannelImport.h"
#include "database/ChannelOrder.h"
#include "database/DisplayText.h"
#include "database/FieldRules.h"
#include "database/OrderTransfer.h"
#include "database/Problems.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "dbfile/FileMessages.h"
#include "session/ImportEdit.h"
#include "session/StepLabels.h"
#include "support/WindowFixture.h"
#include "ui/language/CoreTexts.h"
#include "ui/language/WindowLanguage.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const QStringList Languages = {QStringLiteral("ar"), QStringLiteral("cs"), QStringLiteral("de"),
                               QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it"),
                               QStringLiteral("nl"), QStringLiteral("pl"), QStringLiteral("pt"),
                               QStringLiteral("ru"), QStringLiteral("tr"), QStringLiteral("uk")};

struct Message {
    QString context;
    QString source;
    QString type;       // "unfinished", "vanished", "obsolete" or empty
    QStringList forms;  // the translation, or its plural forms
};

QList<Message> readTs(const QString& path, QString& language) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (xml.attributes().value(QLatin1String("type")).isEmpty() &&
                messages.last().source.contains(QLatin1String("%n")) == false) {
                messages.last().forms
                    << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (name == QLatin1String("numerusform")) {
            messages.last().forms << xml.readElementText();
        }
    }
    return messages;
}

// "%1", "%2" ... as a sorted list (each once), and whether "%n" stands in the text.
QStringList placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.removeDuplicates();
    found.sort();
    if (text.contains(QLatin1String("%n"))) {
        found << QStringLiteral("%n");
    }
    return found;
}

// The number of keyboard marks: '&' not doubled.
int keyMarks(QString text) {
    text.remove(QStringLiteral("&&"));
    return static_cast<int>(text.count(QLatin1Char('&')));
}

// The core's texts as the core writes them, from the core itself.
std::vector<std::string> coreTexts() {
    std::vector<std::string> texts;
    for (int c = 0; c < ColumnIndex; ++c) {
        texts.push_back(ListColumnTitles[c]);
    }
    for (ImageProblem p :
         {ImageProblem::WrongMagic, ImageProblem::HeaderChecksum, ImageProblem::DataChecksum,
          ImageProblem::CoveredLengthTooLong, ImageProblem::ShorterThanHeader}) {
        texts.push_back(imageProblemText(p));
    }
    for (std::string_view kind : ProblemKinds) {
        texts.emplace_back(kind);
    }
    for (std::string_view label :
         {AddTransponderLabel, EditTransponderLabel, DeleteTransponderLabel, AddChannelLabel,
          EditChannelLabel, RenameGroupsLabel}) {
        texts.emplace_back(label);
    }
    for (int count : {1, 2, 5, 21, 112}) {
        for (std::string_view action :
             {DeleteChannelsLabel, MoveChannelsLabel, SetFavoritesLabel}) {
            texts.push_back(channelsLabel(action, count));
        }
        for (SortKey key : {SortKey::Name, SortKey::ServiceId, SortKey::Transponder}) {
            texts.push_back(sortLabel(count, sortKeyName(key)));
        }
        texts.push_back(orderCountsText(count, 3));
        texts.push_back(channelsLabel(ImportChannelsLabel, count) + " from B.tbn");
        ImportPlan plan;
        plan.copied = count;
        plan.updated = 2;
        texts.push_back(importCountsText(plan));
        texts.push_back(lengthMessage(count));
    }
    for (std::string_view message : {FileOpenFailedText, FileReadFailedText, InvalidFileText,
                                     FileCreateFailedText, FileWriteFailedText}) {
        texts.emplace_back(message);
    }
    texts.push_back(integerMessage());
    texts.push_back(rangeMessage(-5, 8191));
    texts.push_back(latin1Message());
    texts.push_back(channelAddMessage());
    texts.push_back(transponderAddMessage());
    texts.push_back(noLiveChannelMessage("12345H"));
    texts.push_back(noLiveTransponderMessage("12345H"));
    texts.push_back(folderRefusedText("/media/a %2 b", "Read-only file system"));
    return texts;
}

QString english(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTranslationIsCompleteAndKeepsItsPlaceholders();
    void theProgramCarriesEveryLanguage();
    void englishStaysAsTheCoreWritesIt();
    void everyCoreTextIsTranslated();
    void germanWindowSpeaksGerman();
    void arabicWindowMirrorsAndNothingIsCut();
    void aLanguageWithoutTranslationLeavesEnglish();
};

void TranslationsTest::everyTranslationIsCompleteAndKeepsItsPlaceholders() {
    QStringList files = Languages;
    files << QStringLiteral("en");
    for (const QString& code : files) {
        QString language;
        const QString path = QStringLiteral(KAVRO_TRANSLATIONS_DIR "/kavro_%1.ts").arg(code);
        const QList<Message> messages = readTs(path, language);
        QVERIFY2(!messages.isEmpty(), qPrintable(path));
        QCOMPARE(language, code);
        for (const Message& m : messages) {
            const QString where =
                code + QLatin1Char(' ') + m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + m.type));
            QVERIFY2(!m.forms.isEmpty(), qPrintable(where));
            for (const QString& form : m.forms) {
                QVERIFY2(!form.isEmpty(), qPrintable(where + QStringLiteral(" has an empty form")));
                QCOMPARE(placeholders(form), placeholders(m.source));
                QVERIFY2(keyMarks(form) == keyMarks(m.source),
                         qPrintable(where + QStringLiteral(" -> ") + form));
                QCOMPARE(form.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' ')));
            }
        }
    }
}

void TranslationsTest::theProgramCarriesEveryLanguage() {
    QStringList carried = WindowLanguage::available();
    carried.sort();
    QCOMPARE(carried, Languages);
}

// With no language chosen and with English chosen, every core text comes out as the core
// wrote it: counted ones in their singular and plural.
void TranslationsTest::englishStaysAsTheCoreWritesIt() {
    WindowLanguage language;
    for (int round = 0; round < 2; ++round) {
        for (const std::string& text : coreTexts()) {
            QCOMPARE(translatedCoreText(text), english(text));
        }
        const std::string label = channelsLabel(DeleteChannelsLabel, 1);
        QCOMPARE(historyText(true, label), english(undoText(label)));
        QCOMPARE(historyText(false, {}), english(redoText({})));
        QVERIFY(language.use(QStringLiteral("en")));
        QCOMPARE(language.language(), QStringLiteral("en"));
    }
}

// Every text the core writes for the window is mapped: in each language none stays English
// (the numbers and names it carries stay as they are).
void TranslationsTest::everyCoreTextIsTranslated() {
    // Texts that are the same word in some languages.
    const QSet<QString> sameInSome = {QStringLiteral("Sat"), QStringLiteral("CAS"),
                                      QStringLiteral("FAV"), QStringLiteral("Tp")};
    WindowLanguage language;
    for (const QString& code : Languages) {
        QVERIFY(language.use(code));
        for (const std::string& text : coreTexts()) {
            const QString shown = translatedCoreText(text);
            QVERIFY(!shown.isEmpty());
            if (!sameInSome.contains(english(text))) {
                QVERIFY2(shown != english(text), qPrintable(code + QStringLiteral(": ") + shown));
            }
        }
        QVERIFY(
            translatedCoreText(noLiveChannelMessage("12345H")).contains(QLatin1String("12345H")));
        QVERIFY(translatedCoreText(folderRefusedText("/media/a %2 b", "x"))
                    .contains(QLatin1String("/media/a %2 b")));
    }
    // Every finding of the Problems panel, on the sample files, which hold every kind.
    QSet<QString> kinds;
    for (const char* sample : {"typical.tbn", "gaps-and-orphans.tbn", "full-capacity.tbn"}) {
        const std::unique_ptr<EditSession> file =
            loadedFile(QStringLiteral(KAVRO_TEST_DATA_DIR "/") + QLatin1String(sample));
        QVERIFY(file != nullptr);
        // By slot, as kavro-tool names channels, and by No., as the window does.
        std::vector<Finding> findings;
        const FindingList bySlot = findProblems(file->database());
        const FindingList byNo = findProblems(file->database(), ChannelNaming::ListNumber);
        findings.insert(findings.end(), bySlot.begin(), bySlot.end());
        findings.insert(findings.end(), byNo.begin(), byNo.end());
        for (const QString& code : {QStringLiteral("de"), QStringLiteral("ar")}) {
            QVERIFY(language.use(code));
            for (const Finding& finding : findings) {
                const QString english = QString::fromLatin1(
                    finding.text.data(), static_cast<qsizetype>(finding.text.size()));
                const QString shown = translatedShownText(english);
                QVERIFY2(shown != english && !shown.contains(QLatin1String(" above ")) &&
                             shown.count(QLatin1Char('%')) == english.count(QLatin1Char('%')),
                         qPrintable(code + QStringLiteral(": ") + shown));
                kinds.insert(QString::fromLatin1(finding.kind.data(),
                                                 static_cast<qsizetype>(finding.kind.size())));
            }
        }
    }
    QCOMPARE(kinds.size(), static_cast<qsizetype>(ProblemKinds.size()));
    // A text the core may add later shows as it is.
    QCOMPARE(translatedCoreText("a new message 3"), QStringLiteral("a new message 3"));
}

void TranslationsTest::germanWindowSpeaksGerman() {
    WindowLanguage language;
    QVERIFY(language.use(QStringLiteral("de")));
    QCOMPARE(language.language(), QStringLiteral("de"));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    OpenedWindow h;
    MainWindow& w = *h.window;
    // The window's own texts, the menus, a text from the core and Qt's own buttons.
    QVERIFY(w.action(CommandId::Open)->text() != QLatin1String("Open..."));
    QVERIFY(w.action(CommandId::SaveAs)->text() != QLatin1String("Save As..."));
    QVERIFY(w.action(CommandId::Exit)->text() != QLatin1String("Exit"));
    for (QAction* menu : w.commands().menuBar()->actions()) {
        QVERIFY2(!QStringList({"&File", "&Edit", "&Channels", "&Tree", "&View", "&Help"})
                      .contains(menu->text()),
                 qPrintable(menu->text()));
    }
    const QString channelTitle =
        w.panes().list.view()->model()->headerData(ColumnChannel, Qt::Horizontal).toString();
    QCOMPARE(channelTitle, translatedCoreText(ListColumnTitles[ColumnChannel]));
    QVERIFY(channelTitle != QLatin1String("Channel"));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    // The tree's counts: the name as it is, the words around the numbers translated.
    const QString astra = h.satelliteItem(0)->text(0);
    QVERIFY2(
        astra.startsWith(QLatin1String("Astra 19.2E (")) && !astra.contains(QLatin1String("CHs")),
        qPrintable(astra));
    // Items translate their texts when read: a collapsed satellite's transponder too, after a
    // change of its count.
    QVERIFY(!h.satelliteItem(0)->isExpanded());
    const int t = SatelliteTree::filledTransponder(h.transponderItem(0, 0));
    const QString before = h.transponderItem(0, 0)->text(0);
    int ch = 0;
    while (h.db().channelTransponder(ch) != t) {
        ++ch;
    }
    QVERIFY(h.edit(DeleteChannels{{ch}}));
    const QString after = h.transponderItem(0, 0)->text(0);
    QVERIFY2(after != before && !after.contains(QLatin1String("CHs")), qPrintable(after));
}

void TranslationsTest::arabicWindowMirrorsAndNothingIsCut() {
    WindowLanguage language;
    QVERIFY(language.use(QStringLiteral("ar")));
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    OpenedWindow h;
    MainWindow& w = *h.window;
    QCOMPARE(w.layoutDirection(), Qt::RightToLeft);
    w.resize(w.minimumSizeHint());
    QTest::qWait(20);
    // The tree stands right of the list; the list's first column at its right edge.
    const int treeX = w.panes().tree.tree()->mapTo(&w, QPoint(0, 0)).x();
    const int listX = w.panes().list.view()->mapTo(&w, QPoint(0, 0)).x();
    QVERIFY2(treeX > listX, qPrintable(QStringLiteral("%1 %2").arg(treeX).arg(listX)));
    const QHeaderView* header = w.panes().list.view()->horizontalHeader();
    QVERIFY(header->sectionViewportPosition(ColumnNo) > header->sectionViewportPosition(ColumnSat));
    // Every shown button and label has the room its text asks for.
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        if (!widget->isVisible() ||
            !(qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))) {
            continue;
        }
        const QSize needed = widget->minimumSizeHint();
        QVERIFY2(widget->width() >= needed.width(),
                 qPrintable(widget->objectName() + QLatin1Char(' ') +
                            (qobject_cast<QAbstractButton*>(widget)
                                 ? qobject_cast<QAbstractButton*>(widget)->text()
                                 : qobject_cast<QLabel*>(widget)->text())));
    }
    // Every column title fits its column.
    for (int c = 0; c < ColumnIndex; ++c) {
        const QString title =
            w.panes().list.view()->model()->headerData(c, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSize(c) >= header->fontMetrics().horizontalAdvance(title),
                 qPrintable(title));
    }
}

void TranslationsTest::aLanguageWithoutTranslationLeavesEnglish() {
    WindowLanguage language;
    QVERIFY(language.use(QStringLiteral("de")));
    QVERIFY(!language.use(QStringLiteral("xx")));
    QVERIFY(!language.use(QStringLiteral("ja")));
    QCOMPARE(language.language(), QStringLiteral("de"));  // what was spoken stays
    QVERIFY(language.use(QStringLiteral("en")));
    WindowHarness h;
    QCOMPARE(h.window->action(CommandId::Open)->text(), QStringLiteral("Open..."));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
