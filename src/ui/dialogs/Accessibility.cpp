#include "Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

namespace kavro {

namespace {

const char* const Context = "kavro::Accessibility";

// What each control does, by its object name; "favCheck" and "favNameEdit" stand for the
// eight of their kind, their group's number as %1.
struct Description {
    const char* objectName;
    const char* name;  // for a control with no label and no text; null: derived
    const char* text;
};

const Description Descriptions[] = {
    {"satelliteTree", QT_TRANSLATE_NOOP("kavro::Accessibility", "Satellites"),
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The satellites and their transponders; selecting one shows its channels "
                       "in the list")},
    {"channelList", QT_TRANSLATE_NOOP("kavro::Accessibility", "Channels"),
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The channels of the view in the receiver's order; Enter edits, Delete "
                       "deletes, Ctrl+Up and Ctrl+Down move")},
    {"findField", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Shows only the channels whose name contains this text or whose service ID "
                       "is this number")},
    {"viewAll", nullptr, QT_TRANSLATE_NOOP("kavro::Accessibility", "Shows all channels")},
    {"viewTv", nullptr, QT_TRANSLATE_NOOP("kavro::Accessibility", "Shows only the TV channels")},
    {"viewRadio", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Shows only the radio channels")},
    {"openButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Opens a channel database file")},
    {"saveButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Saves the changes to the open file")},
    {"saveAsButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Saves the database to a new file")},
    {"exitButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Closes the window, asking to save changes")},
    {"undoButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Takes back the last change")},
    {"redoButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Makes the last undone change again")},
    {"problemsButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Shows or hides the problems found in the database")},
    {"problemsView", QT_TRANSLATE_NOOP("kavro::Accessibility", "Problems"),
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The problems found in the database; double-click one to show it")},
    {"shortcutTable", QT_TRANSLATE_NOOP("kavro::Accessibility", "Keyboard Shortcuts"),
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The keys of every command")},
    {"frequencyEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The transponder's frequency in MHz")},
    {"polarityList", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Vertical (13 V) or horizontal (18 V) polarization")},
    {"symbolRateEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The symbol rate in kilosymbols per second")},
    {"satelliteEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The satellite the channel is on")},
    {"transponderEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The transponder the channel is on")},
    {"nameEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The channel's name in Latin-1 characters")},
    {"serviceIdEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The service ID that identifies the channel on its transponder")},
    {"videoPidEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The packet ID of the video stream")},
    {"audioPidEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The packet ID of the audio stream")},
    {"pcrPidEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The packet ID of the clock reference")},
    {"lockList", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Whether the channel asks for the lock code")},
    {"casList", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Whether the channel is scrambled or free-to-air")},
    {"rowEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The row of the list the selected channels move to")},
    {"favCheck", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Whether the channel belongs to favourite group %1")},
    {"favNameEdit", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "The name of favourite group %1")},
    {"okButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Takes the entries and closes the dialog")},
    {"cancelButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Closes the dialog and changes nothing")},
};

// The text a person reads: without the '&' that marks a key, "&&" as '&'.
QString readable(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

const Description* descriptionOf(const QString& objectName, QString& number) {
    for (const Description& d : Descriptions) {
        const QString key = QString::fromLatin1(d.objectName);
        if (objectName == key) {
            return &d;
        }
        // favCheck1 .. favCheck8: the number goes into the text.
        if (objectName.startsWith(key) && objectName.size() > key.size() &&
            objectName.mid(key.size()).toInt() > 0) {
            number = objectName.mid(key.size());
            return &d;
        }
    }
    return nullptr;
}

// A label beside a control names it: the control right of it in a grid, the next one in a
// row or column of widgets. It becomes the label's buddy.
void pairLabels(QLayout* layout) {
    if (layout == nullptr) {
        return;
    }
    auto* grid = qobject_cast<QGridLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        pairLabels(item->layout());
        auto* label = qobject_cast<QLabel*>(item->widget());
        if (label == nullptr || label->buddy() != nullptr) {
            continue;
        }
        QWidget* next = nullptr;
        if (grid != nullptr) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            QLayoutItem* right = grid->itemAtPosition(row, column + columns);
            next = right != nullptr ? right->widget() : nullptr;
        } else if (i + 1 < layout->count()) {
            next = layout->itemAt(i + 1)->widget();
        }
        if (next != nullptr && next->focusPolicy() != Qt::NoFocus) {
            label->setBuddy(next);
        }
    }
}

// Controls are what takes the keyboard focus: buttons, fields, lists, trees.
bool isControl(const QWidget& widget) {
    return widget.focusPolicy() != Qt::NoFocus && !widget.isWindow() &&
           (qobject_cast<const QAbstractButton*>(&widget) ||
            qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
            qobject_cast<const QAbstractItemView*>(&widget));
}

QString derivedName(const QWidget& widget, const QList<QLabel*>& labels) {
    for (const QLabel* label : labels) {
        if (label->buddy() == &widget && !label->text().isEmpty()) {
            return readable(label->text());
        }
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return readable(button->text());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return edit->placeholderText();
    }
    return {};
}

void describe(QWidget& widget, const QList<QLabel*>& labels) {
    QString number;
    const Description* d = descriptionOf(widget.objectName(), number);
    // A button's name follows its text, which may change ("Problems (3)"): Qt reads it.
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (widget.accessibleName().isEmpty() && (button == nullptr || button->text().isEmpty())) {
        QString name = derivedName(widget, labels);
        if (name.isEmpty() && d != nullptr && d->name != nullptr) {
            name = QCoreApplication::translate(Context, d->name);
        }
        widget.setAccessibleName(name);
    }
    if (widget.accessibleDescription().isEmpty()) {
        QString text =
            d != nullptr ? QCoreApplication::translate(Context, d->text) : widget.toolTip();
        if (!number.isEmpty()) {
            text = text.arg(number);
        }
        // A control of Qt's own (a dialog's Close) is described by its name.
        if (text.isEmpty()) {
            text = widget.accessibleName().isEmpty() ? derivedName(widget, labels)
                                                     : widget.accessibleName();
        }
        widget.setAccessibleDescription(text);
    }
}

}  // namespace

void describeControls(QWidget& root) {
    pairLabels(root.layout());
    for (QWidget* child : root.findChildren<QWidget*>()) {
        pairLabels(child->layout());
    }
    const QList<QLabel*> labels = root.findChildren<QLabel*>();
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (isControl(*widget)) {
            describe(*widget, labels);
        }
    }
}

}  // namespace kavro
