// What assistive technology finds: walking the accessible tree of the window and of every
// dialog, each control has a name and a description, fields are named by their labels, and
// the channel list reports its rows and columns as a table.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "support/WindowFixture.h"
#include "ui/dialogs/ChannelDialog.h"
#include "ui/dialogs/FavoriteDialog.h"
#include "ui/dialogs/FavoriteNameDialog.h"
#include "ui/dialogs/PositionDialog.h"
#include "ui/dialogs/TransponderDialog.h"
#include "ui/language/WindowLanguage.h"
#include "ui/mainwindow/ChannelListCtrl.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/SatelliteTree.h"
#include "ui/mainwindow/MenuBar.h"

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
};

void AccessibilityTest::everyControlOfTheWindowHasANameAndDescription() {
    OpenedWindow h;
    // Tree, list, Find, three views, seven buttons.
    expectAllNamed(*h.window, 13);
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
    expectAllNamed(*h.window, 13);
    QVERIFY(nameOf(h.window->findField()) != QLatin1String("Find"));
    QVERIFY(nameOf(h.window->list()) != QLatin1String("Channels"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
