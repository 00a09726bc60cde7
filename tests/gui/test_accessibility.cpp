// What assistive technology finds: walking the accessible tree of the window and of every
// dialog, each control has a name and a description, fields are named by their labels, and
// the channel list reports its rows and columns as a table.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include "support/WindowFixture.h"
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/ChannelDialog.h"
#include "ui/dialogs/FavoriteDialog.h"
#include "ui/dialogs/FavoriteNameDialog.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/PositionDialog.h"
#include "ui/dialogs/TransponderDialog.h"
#include "ui/language/WindowLanguage.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// The roles of what a person operates.
bool isControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::RadioButton:
        case QAccessible::CheckBox:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
            return true;
        default:
            return false;
    }
}

// Walks the tree under `root`; the descriptions of the controls without a name or a
// description, and how many controls there were.
QStringList unnamedControls(QAccessibleInterface* root, int& controls, int depth = 0) {
    QStringList missing;
    if (root == nullptr || depth > 12) {
        return missing;
    }
    if (isControl(root->role()) && !root->state().invisible) {
        ++controls;
        const QString name = root->text(QAccessible::Name);
        const QString description = root->text(QAccessible::Description);
        if (name.isEmpty() || description.isEmpty()) {
            QObject* object = root->object();
            missing << QStringLiteral("%1 (role %2): name \"%3\", description \"%4\"")
                           .arg(object ? object->objectName() : QString())
                           .arg(int(root->role()))
                           .arg(name, description);
        }
    }
    // Table cells and tree items are content, not controls: the views stand for them.
    if (root->role() == QAccessible::Table || root->role() == QAccessible::Tree ||
        root->role() == QAccessible::List) {
        return missing;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        missing << unnamedControls(root->child(i), controls, depth + 1);
    }
    return missing;
}

void expectAllNamed(QWidget& widget, int atLeast) {
    widget.show();
    int controls = 0;
    const QStringList missing =
        unnamedControls(QAccessible::queryAccessibleInterface(&widget), controls);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    QVERIFY2(controls >= atLeast, qPrintable(QString::number(controls)));
}

QString nameOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfTheWindowHasANameAndDescription();
    void everyDialogFieldIsNamedByItsLabel();
    void theListReportsRowsAndColumns();
    void namesFollowTheLanguage();
    void everyTextReadsOnItsBackground();
    void themesThatReadWellStayAsTheyAre();
};

void AccessibilityTest::everyControlOfTheWindowHasANameAndDescription() {
    OpenedWindow h;
    // Tree, list, Find, three views, seven buttons.
    expectAllNamed(*h.window, 12);
    QCOMPARE(nameOf(h.window->findField()), QStringLiteral("Find"));
    QVERIFY(!nameOf(h.window->tree()).isEmpty());
    // A button's name follows its changing text.
    QCOMPARE(nameOf(h.window->problemsButton()), h.window->problemsButton()->text());
    const std::unique_ptr<QDialog> keys = keyboardShortcutsDialog(h.window->commands(), nullptr);
    expectAllNamed(*keys, 2);
}

void AccessibilityTest::everyDialogFieldIsNamedByItsLabel() {
    ScriptedInteraction interaction;
    ChannelDialog channel(interaction);
    expectAllNamed(channel, 11);  // seven fields, two lists, OK, CANCEL
    TransponderDialog transponder(interaction);
    expectAllNamed(transponder, 5);
    PositionDialog position(interaction, 40);
    expectAllNamed(position, 3);
    FavoriteDialog favorites;
    expectAllNamed(favorites, 10);
    FavoriteNameDialog names(interaction);
    expectAllNamed(names, 10);
    OpenedWindow h;
    TestImageBuilder other(21);
    other.satellite(0, "Astra 19.2E")
        .transponder(0, 0, 11494000, 22000, 1)
        .channel(0, 0, "Arte", 1);
    const std::unique_ptr<EditSession> source =
        loadedFile(h.writeImage("other.tbn", other.build()));
    QVERIFY(source != nullptr);
    ImportDialog import(h.db(), source->database(), QStringLiteral("other.tbn"), true);
    expectAllNamed(import, 7);  // the tree, two boxes, two choices, Copy, Cancel
    // The label's text, its key mark removed, names the field beside it.
    QCOMPARE(nameOf(channel.findChild<QWidget*>(QStringLiteral("serviceIdEdit"))),
             QStringLiteral("Service ID"));
    QCOMPARE(nameOf(transponder.findChild<QWidget*>(QStringLiteral("symbolRateEdit"))),
             QStringLiteral("Symbol Rate"));
    QCOMPARE(nameOf(names.findChild<QWidget*>(QStringLiteral("favNameEdit3"))),
             QStringLiteral("Fav3"));
    // The numbered controls carry their group's number in their description.
    const QString third = QAccessible::queryAccessibleInterface(
                              favorites.findChild<QWidget*>(QStringLiteral("favCheck3")))
                              ->text(QAccessible::Description);
    QVERIFY2(third.contains(QLatin1Char('3')) && !third.contains(QLatin1String("%1")),
             qPrintable(third));
}

void AccessibilityTest::theListReportsRowsAndColumns() {
    OpenedWindow h;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(h.window->list());
    QVERIFY(list != nullptr && list->tableInterface() != nullptr);
    QCOMPARE(list->tableInterface()->rowCount(), h.rows());
    QCOMPARE(list->tableInterface()->columnCount(), h.window->listModel()->columnCount());
    QAccessibleInterface* cell = list->tableInterface()->cellAt(0, 3);
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->text(QAccessible::Name), h.cell(0, 3));
}

void AccessibilityTest::namesFollowTheLanguage() {
    WindowLanguage language;
    QVERIFY(language.use(QStringLiteral("fr")));
    OpenedWindow h;
    expectAllNamed(*h.window, 12);
    QVERIFY(nameOf(h.window->findField()) != QLatin1String("Find"));
    QVERIFY(nameOf(h.window->list()) != QLatin1String("Channels"));
}

namespace {

const QPalette::ColorRole TextPairs[][2] = {
    {QPalette::Text, QPalette::Base},
    {QPalette::Text, QPalette::AlternateBase},
    {QPalette::WindowText, QPalette::Window},
    {QPalette::ButtonText, QPalette::Button},
    {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::HighlightedText, QPalette::Highlight},
};

QColor randomColor(QRandomGenerator& random) {
    return QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256));
}

QPalette randomPalette(QRandomGenerator& random) {
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& pair : TextPairs) {
            palette.setColor(group, pair[0], randomColor(random));
            palette.setColor(group, pair[1], randomColor(random));
        }
    }
    return palette;
}

// The pairs of `palette` that read below WCAG AA (4.5:1).
QStringList unreadable(const QPalette& palette) {
    QStringList found;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& pair : TextPairs) {
            const QColor text = palette.color(group, pair[0]);
            const QColor background = palette.color(group, pair[1]);
            if (contrastRatio(text, background) < 4.5) {
                found << QStringLiteral("%1 on %2: %3")
                             .arg(text.name(), background.name())
                             .arg(contrastRatio(text, background));
            }
        }
    }
    return found;
}

}  // namespace

// Qt's light palette has white on a mid blue for the selection (3.6:1); a dark theme can have
// grey text that is too dim. In the window and its dialogs every text reads.
void AccessibilityTest::everyTextReadsOnItsBackground() {
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) > 4.47, true);
    const QPalette original = QApplication::palette();
    QPalette light = original;
    light.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    light.setColor(QPalette::HighlightedText, Qt::white);
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::WindowText, QColor(0xd0, 0xd0, 0xd0));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette& theme : {light, dark}) {
        QVERIFY(!unreadable(theme).isEmpty());  // the case is real
        QApplication::setPalette(theme);
        OpenedWindow h;
        for (QWidget* widget :
             {static_cast<QWidget*>(h.window.get()), static_cast<QWidget*>(h.window->list()),
              static_cast<QWidget*>(h.window->tree()),
              static_cast<QWidget*>(h.window->findField())}) {
            QVERIFY2(unreadable(widget->palette()).isEmpty(),
                     qPrintable(unreadable(widget->palette()).join(QLatin1Char(' '))));
        }
        ScriptedInteraction interaction;
        ChannelDialog dialog(interaction);
        QVERIFY(unreadable(dialog.palette()).isEmpty());
    }
    QApplication::setPalette(original);
}

// On random themes: every pair reads afterwards, and a pair that read before is unchanged.
void AccessibilityTest::themesThatReadWellStayAsTheyAre() {
    QRandomGenerator random(27);
    for (int round = 0; round < 500; ++round) {
        const QPalette theme = randomPalette(random);
        const QPalette readable = readableColors(theme);
        QVERIFY2(unreadable(readable).isEmpty(), qPrintable(unreadable(readable).join(' ')));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (const auto& pair : TextPairs) {
                const bool readBefore =
                    contrastRatio(theme.color(group, pair[0]), theme.color(group, pair[1])) >=
                        4.5 &&
                    theme.color(group, pair[0]) == readable.color(group, pair[0]);
                if (readBefore) {
                    QCOMPARE(readable.color(group, pair[1]), theme.color(group, pair[1]));
                }
            }
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
