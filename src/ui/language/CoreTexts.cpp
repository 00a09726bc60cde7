#include "CoreTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <array>
#include <cctype>
#include <vector>

#include "database/DisplayText.h"
#include "database/FieldRules.h"
#include "database/Problems.h"
#include "dbfile/DatabaseImage.h"
#include "session/StepLabels.h"

namespace kavro {

namespace {

const char* const Context = "CoreTexts";

QString fromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString translate(const char* text, int n = -1) {
    return QCoreApplication::translate(Context, text, nullptr, n);
}

// Texts the core gives as they are: list column titles, field and file messages, problem
// kinds and the names of single steps. Each stands here as the core writes it; the test of
// the core texts checks that every one of them still comes out of the core.
const std::array Constants = {
    QT_TRANSLATE_NOOP("CoreTexts", "No."),
    QT_TRANSLATE_NOOP("CoreTexts", "Sat"),
    QT_TRANSLATE_NOOP("CoreTexts", "Tp"),
    QT_TRANSLATE_NOOP("CoreTexts", "Channel"),
    QT_TRANSLATE_NOOP("CoreTexts", "CAS"),
    QT_TRANSLATE_NOOP("CoreTexts", "FAV"),
    QT_TRANSLATE_NOOP("CoreTexts", "Lock"),
    QT_TRANSLATE_NOOP("CoreTexts", "Please enter an integer."),
    QT_TRANSLATE_NOOP("CoreTexts", "Please enter only Latin-1 characters."),
    QT_TRANSLATE_NOOP("CoreTexts", "Cannot add this channel"),
    QT_TRANSLATE_NOOP("CoreTexts", "Cannot add tp"),
    QT_TRANSLATE_NOOP("CoreTexts", "File open failed!"),
    QT_TRANSLATE_NOOP("CoreTexts", "File read failed! The database shown was kept."),
    QT_TRANSLATE_NOOP("CoreTexts", "Invalid DB file!"),
    QT_TRANSLATE_NOOP("CoreTexts", "File create failed!"),
    QT_TRANSLATE_NOOP("CoreTexts", "File write failed! The file was left as it was."),
    QT_TRANSLATE_NOOP("CoreTexts", "wrong magic number"),
    QT_TRANSLATE_NOOP("CoreTexts", "header checksum mismatch"),
    QT_TRANSLATE_NOOP("CoreTexts", "data checksum mismatch"),
    QT_TRANSLATE_NOOP("CoreTexts", "covered length reaches beyond the image"),
    QT_TRANSLATE_NOOP("CoreTexts", "file is shorter than the 32-byte header"),
    QT_TRANSLATE_NOOP("CoreTexts", "unknown problem"),
    QT_TRANSLATE_NOOP("CoreTexts", "duplicate-channel"),
    QT_TRANSLATE_NOOP("CoreTexts", "duplicate-name"),
    QT_TRANSLATE_NOOP("CoreTexts", "duplicate-transponder"),
    QT_TRANSLATE_NOOP("CoreTexts", "blank-name"),
    QT_TRANSLATE_NOOP("CoreTexts", "pid-range"),
    QT_TRANSLATE_NOOP("CoreTexts", "hidden-satellite"),
    QT_TRANSLATE_NOOP("CoreTexts", "empty-transponder"),
    QT_TRANSLATE_NOOP("CoreTexts", "favorite-unnamed"),
    QT_TRANSLATE_NOOP("CoreTexts", "add transponder"),
    QT_TRANSLATE_NOOP("CoreTexts", "edit transponder"),
    QT_TRANSLATE_NOOP("CoreTexts", "delete transponder"),
    QT_TRANSLATE_NOOP("CoreTexts", "add channel"),
    QT_TRANSLATE_NOOP("CoreTexts", "edit channel"),
    QT_TRANSLATE_NOOP("CoreTexts", "rename favorite groups"),
    QT_TRANSLATE_NOOP("CoreTexts", "Undo"),
    // Field names, as the dialogs label the fields.
    QT_TRANSLATE_NOOP("CoreTexts", "Frequency"),
    QT_TRANSLATE_NOOP("CoreTexts", "Symbol Rate"),
    QT_TRANSLATE_NOOP("CoreTexts", "Polarity"),
    QT_TRANSLATE_NOOP("CoreTexts", "Video PID"),
    QT_TRANSLATE_NOOP("CoreTexts", "Audio PID"),
    QT_TRANSLATE_NOOP("CoreTexts", "PCR PID"),
    QT_TRANSLATE_NOOP("CoreTexts", "Service ID"),
    QT_TRANSLATE_NOOP("CoreTexts", "Satellite"),
    QT_TRANSLATE_NOOP("CoreTexts", "LOCK"),
    QT_TRANSLATE_NOOP("CoreTexts", "Favourites"),
    QT_TRANSLATE_NOOP("CoreTexts", "Group"),
    QT_TRANSLATE_NOOP("CoreTexts", "Audio PID must differ from Video PID in the TV and ALL views."),
    QT_TRANSLATE_NOOP("CoreTexts", "Redo"),
};

// Texts the core builds from a pattern, with the translation of each pattern. The numbers
// and names they carry go into the translation as %1, %2 ... in the order they are matched;
// the count that chooses the plural form is %n in its place.
struct Pattern {
    const char* expression;
    const char* translation;
    int countGroup;      // the capture whose number is %n; 0: none
    bool names = false;  // its captures are field names, translated too
    // Bit k-1 set: capture k is a channel reference, "channel 15" or "No. 0009" (as the
    // Problems panel names channels), translated too.
    int references = 0;
};

constexpr int Ref1 = 1, Ref3 = 4, Ref5 = 16;

// The Problems panel's PID finding and its faults.
const char* const PidFindingText = QT_TRANSLATE_NOOP("CoreTexts", "%1 \"%2\": %3");
const char* const VideoPidFault = QT_TRANSLATE_NOOP("CoreTexts", "video PID %1 above %2");
const char* const AudioPidFault = QT_TRANSLATE_NOOP("CoreTexts", "audio PID %1 above %2");
const char* const PcrPidFault = QT_TRANSLATE_NOOP("CoreTexts", "PCR PID %1 above %2");
const char* const UnassignedFault = QT_TRANSLATE_NOOP(
    "CoreTexts", "service ID 65535, which the next Add Channel on its transponder overwrites");

const Pattern Patterns[] = {
    // The dialogs' field messages.
    {R"(^Field: (.*)$)", QT_TRANSLATE_NOOP("CoreTexts", "Field: %1"), 0, true},
    {R"(^(.*) must not be 0\.$)", QT_TRANSLATE_NOOP("CoreTexts", "%1 must not be 0."), 0, true},
    {R"(^(.*) must be between 1 and (\d+)\.$)",
     QT_TRANSLATE_NOOP("CoreTexts", "%1 must be between 1 and %2."), 0, true},
    {R"(^The channel table is full \((.*) channels\)\.$)",
     QT_TRANSLATE_NOOP("CoreTexts", "The channel table is full (%1 channels)."), 0},
    {R"(^(.*) already has (.*)\. Keep both\?$)",
     QT_TRANSLATE_NOOP("CoreTexts", "%1 already has %2. Keep both?"), 0},
    // The findings of the Problems panel.
    {R"re(^((?:channel|No\.) \d+) "(.*)" has the transponder \((.*)\) and service ID \((\d+)\) of ((?:channel|No\.) \d+) "(.*)"$)re",
     QT_TRANSLATE_NOOP("CoreTexts",
                       "%1 \"%2\" has the transponder (%3) and service ID (%4) of %5 \"%6\""),
     0, false, Ref1 | Ref5},
    {R"re(^((?:channel|No\.) \d+) "(.*)" has the name of ((?:channel|No\.) \d+) "(.*)" \(both radio\)$)re",
     QT_TRANSLATE_NOOP("CoreTexts", "%1 \"%2\" has the name of %3 \"%4\" (both radio)"), 0, false,
     Ref1 | Ref3},
    {R"re(^((?:channel|No\.) \d+) "(.*)" has the name of ((?:channel|No\.) \d+) "(.*)" \(both TV\)$)re",
     QT_TRANSLATE_NOOP("CoreTexts", "%1 \"%2\" has the name of %3 \"%4\" (both TV)"), 0, false,
     Ref1 | Ref3},
    {R"re(^((?:channel|No\.) \d+) \((.*), service ID (\d+)\) has no name$)re",
     QT_TRANSLATE_NOOP("CoreTexts", "%1 (%2, service ID %3) has no name"), 0, false, Ref1},
    {R"re(^((?:channel|No\.) \d+) "(.*)": ((?:video PID|audio PID|PCR PID|service ID 65535).*)$)re",
     PidFindingText, 0, false, Ref1},
    {R"re(^satellite (\d+) "(.*)" is not shown: its (\d+) channels? appears? in no tree$)re",
     QT_TRANSLATE_N_NOOP("CoreTexts",
                         "satellite %1 \"%2\" is not shown: its %n channel(s) appear in no tree"),
     3},
    {R"re(^transponder (\d+) \((\S+) (\d+) on "(.*)"\) has the frequency and polarization of transponder (\d+)$)re",
     QT_TRANSLATE_NOOP("CoreTexts",
                       "transponder %1 (%2 %3 on \"%4\") has the frequency and polarization of "
                       "transponder %5"),
     0},
    {R"re(^transponder (\d+) \((\S+) (\d+) on "(.*)"\) has no channel$)re",
     QT_TRANSLATE_NOOP("CoreTexts", "transponder %1 (%2 %3 on \"%4\") has no channel"), 0},
    {R"re(^favourite group (\d+) holds (\d+) channels? but has no name$)re",
     QT_TRANSLATE_N_NOOP("CoreTexts", "favourite group %1 holds %n channel(s) but has no name"), 2},
    {R"(^(.*) \((\d+) TPs, (\d+) CHs\)$)", QT_TRANSLATE_NOOP("CoreTexts", "%1 (%2 TPs, %3 CHs)"),
     0},
    {R"(^(.*) \((\d+) CHs\)$)", QT_TRANSLATE_NOOP("CoreTexts", "%1 (%2 CHs)"), 0},
    {R"(^Please enter an integer between (-?\d+) and (-?\d+)\.$)",
     QT_TRANSLATE_NOOP("CoreTexts", "Please enter an integer between %1 and %2."), 0},
    {R"(^Please enter no more than (\d+) characters\.$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "Please enter no more than %n character(s)."), 1},
    {R"(^there is no live channel (.*)$)",
     QT_TRANSLATE_NOOP("CoreTexts", "there is no live channel %1"), 0},
    {R"(^there is no live transponder (.*)$)",
     QT_TRANSLATE_NOOP("CoreTexts", "there is no live transponder %1"), 0},
    {R"(^(\d+) channels? ordered, (\d+) without a match$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "%n channel(s) ordered, %2 without a match"), 1},
    {R"(^The folder (.*) does not allow a safe save \((.*)\): a save writes the new file beside the old one before it takes its place\.$)",
     QT_TRANSLATE_NOOP("CoreTexts",
                       "The folder %1 does not allow a safe save (%2): a save writes the new "
                       "file beside the old one before it takes its place."),
     0},
    {R"(^(\d+) channels? copied, (\d+) updated, (\d+) skipped as present, (\d+) not importable$)",
     QT_TRANSLATE_N_NOOP(
         "CoreTexts", "%n channel(s) copied, %2 updated, %3 skipped as present, %4 not importable"),
     1},
    {R"(^import (\d+) channels? from (.*)$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "import %n channel(s) from %2"), 1},
    {R"(^satellite (\d+) has no name to find it by here$)",
     QT_TRANSLATE_NOOP("CoreTexts", "satellite %1 has no name to find it by here"), 0},
    {R"re(^satellite "(.*)" is not in this database$)re",
     QT_TRANSLATE_NOOP("CoreTexts", "satellite \"%1\" is not in this database"), 0},
    {R"(^The transponder table has room for (\d+) of the (\d+) transponders to add: nothing was imported\.$)",
     QT_TRANSLATE_NOOP("CoreTexts",
                       "The transponder table has room for %1 of the %2 transponders to add: "
                       "nothing was imported."),
     0},
    {R"(^The channel table has room for (\d+) of the (\d+) channels to copy: nothing was imported\.$)",
     QT_TRANSLATE_NOOP("CoreTexts",
                       "The channel table has room for %1 of the %2 channels to copy: nothing "
                       "was imported."),
     0},
    {R"(^delete (\d+) channels?$)", QT_TRANSLATE_N_NOOP("CoreTexts", "delete %n channel(s)"), 1},
    {R"(^move (\d+) channels?$)", QT_TRANSLATE_N_NOOP("CoreTexts", "move %n channel(s)"), 1},
    {R"(^set favorites of (\d+) channels?$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "set favorites of %n channel(s)"), 1},
    {R"(^sort (\d+) channels? by name$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "sort %n channel(s) by name"), 1},
    {R"(^sort (\d+) channels? by service ID$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "sort %n channel(s) by service ID"), 1},
    {R"(^sort (\d+) channels? by transponder$)",
     QT_TRANSLATE_N_NOOP("CoreTexts", "sort %n channel(s) by transponder"), 1},
};

// `text` with %1 ... %9 replaced by `parts` in one pass, so that a name holding "%2" stays
// as it is.
QString fillIn(const QString& text, const QStringList& parts) {
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int number =
            i + 1 < text.size() && text[i] == QLatin1Char('%') ? text[i + 1].digitValue() : -1;
        if (number >= 1 && number <= parts.size()) {
            filled += parts[number - 1];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

QString translatedFaults(const QString& faults);

// "channel 15" or "No. 0009" in the window's language.
QString translatedReference(const QString& reference) {
    const qsizetype space = reference.lastIndexOf(QLatin1Char(' '));
    const QString number = reference.mid(space + 1);
    return reference.startsWith(QLatin1String("No."))
               ? QCoreApplication::translate("CoreTexts", "No. %1").arg(number)
               : QCoreApplication::translate("CoreTexts", "channel %1").arg(number);
}

// The translation of `english` when it is one of the constants; itself otherwise.
QString translatedConstant(const QString& english) {
    for (const char* constant : Constants) {
        if (english == QLatin1String(constant)) {
            return translate(constant);
        }
    }
    return english;
}

QString fromPattern(const Pattern& pattern, const QRegularExpressionMatch& match) {
    const int n = pattern.countGroup > 0 ? match.captured(pattern.countGroup).toInt() : -1;
    QStringList parts;  // %1 is the first capture, %2 the second...; the count is %n
    for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
        const QString part = match.captured(group);
        parts << (pattern.names                             ? translatedConstant(part)
                  : (pattern.references >> (group - 1)) & 1 ? translatedReference(part)
                                                            : part);
    }
    // The PID findings list their faults after the channel.
    if (QLatin1String(pattern.translation) == QLatin1String(PidFindingText)) {
        parts.last() = translatedFaults(parts.last());
    }
    return fillIn(translate(pattern.translation, n), parts);
}

// "video PID 9000 above 8191, service ID 65535, which ...": each fault translated.
QString translatedFaults(const QString& faults) {
    static const QRegularExpression pid(
        QStringLiteral("(video|audio|PCR) PID (\\d+) above (\\d+)"));
    static const QString unassigned = QString::fromLatin1(UnassignedFault);
    QString shown = faults;
    shown.replace(unassigned, translate(UnassignedFault));
    QString result;
    qsizetype last = 0;
    for (auto it = pid.globalMatch(shown); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += shown.mid(last, m.capturedStart() - last);
        const char* text = m.captured(1) == QLatin1String("video")   ? VideoPidFault
                           : m.captured(1) == QLatin1String("audio") ? AudioPidFault
                                                                     : PcrPidFault;
        result += fillIn(translate(text), {m.captured(2), m.captured(3)});
        last = m.capturedEnd();
    }
    return result + shown.mid(last);
}

// English is the language of the sources, but the texts that count ("%n channel(s)") need
// its plural forms in every program that shows them, whatever language it speaks; a
// translation installed later takes precedence over this one.
void installEnglishPlurals() {
    auto* english = new QTranslator(QCoreApplication::instance());
    if (english->load(QStringLiteral(":/i18n/kavro_en.qm"))) {
        QCoreApplication::installTranslator(english);
    } else {
        delete english;
    }
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)

QString translatedCoreText(std::string_view text) {
    return translatedShownText(fromCore(text));
}

namespace {

// The longest run of plain characters that every text a pattern matches contains, outside
// its groups: a text without it cannot match, and is passed over without running the
// expression. Empty where the pattern has no such run or a form read here does not follow.
QString requiredLiteral(const char* expression) {
    QString longest;
    QString run;
    const auto endRun = [&] {
        if (run.size() > longest.size()) {
            longest = run;
        }
        run.clear();
    };
    int depth = 0;
    for (const char* p = expression; *p != '\0'; ++p) {
        const char c = *p;
        if (c == '\\' && p[1] != '\0') {
            ++p;
            if (depth == 0 && std::isalnum(static_cast<unsigned char>(*p))) {
                endRun();  // a class such as \d
            } else if (depth == 0) {
                run += QLatin1Char(*p);
            }
        } else if (c == '(') {
            endRun();
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (depth > 0) {
            continue;
        } else if (c == '?' || c == '*') {
            run.chop(1);  // the character before is optional
            endRun();
        } else if (c == '|' || c == '[' || c == '{') {
            return {};
        } else if (c == '^' || c == '$' || c == '.' || c == '+') {
            endRun();
        } else {
            run += QLatin1Char(c);
        }
    }
    endRun();
    return longest;
}

}  // namespace

QString translatedShownText(const QString& english) {
    // A message of several lines ("Please enter ...\nField: Video PID"): line by line.
    if (english.contains(QLatin1Char('\n'))) {
        QStringList lines = english.split(QLatin1Char('\n'));
        for (QString& line : lines) {
            line = translatedShownText(line);
        }
        return lines.join(QLatin1Char('\n'));
    }
    for (const char* constant : Constants) {
        if (english == QLatin1String(constant)) {
            return translate(constant);
        }
    }
    // Compiled once; the tree asks for each of its items.
    struct Compiled {
        QRegularExpression expression;
        QString required;
    };
    static const std::vector<Compiled> expressions = [] {
        std::vector<Compiled> compiled;
        for (const Pattern& pattern : Patterns) {
            compiled.push_back({QRegularExpression(QString::fromLatin1(pattern.expression),
                                                   QRegularExpression::DotMatchesEverythingOption),
                                requiredLiteral(pattern.expression)});
        }
        return compiled;
    }();
    for (size_t i = 0; i < expressions.size(); ++i) {
        if (!english.contains(expressions[i].required)) {  // true for an empty run
            continue;
        }
        const QRegularExpressionMatch match = expressions[i].expression.match(english);
        if (match.hasMatch()) {
            return fromPattern(Patterns[i], match);
        }
    }
    return english;
}

QString historyText(bool undo, std::string_view stepLabel) {
    if (stepLabel.empty()) {
        return translatedCoreText(undo ? UndoText : RedoText);
    }
    //: %1 is the step undone, such as "delete 3 channels".
    return undo
               ? QCoreApplication::translate(Context, "Undo %1").arg(translatedCoreText(stepLabel))
               : QCoreApplication::translate(Context, "Redo %1").arg(translatedCoreText(stepLabel));
}

}  // namespace kavro
