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
#include <algorithm>
#include <cmath>

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
    {"importTree", QT_TRANSLATE_NOOP("kavro::Accessibility", "Channels to import"),
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "The other database's satellites, transponders and channels; tick what to "
                       "copy")},
    {"updateExisting", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Overwrites the channels that are already here with the imported ones")},
    {"insertBefore", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility",
                       "Puts the copies before the selected channel instead of at the end")},
    {"copyButton", nullptr,
     QT_TRANSLATE_NOOP("kavro::Accessibility", "Copies the ticked channels into this database")},
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

double luminance(const QColor& color) {
    auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

constexpr double ReadableContrast = 4.5;

// Text on background: which colour roles are read on which.
const QPalette::ColorRole Pairs[][2] = {
    {QPalette::Text, QPalette::Base},
    {QPalette::Text, QPalette::AlternateBase},
    {QPalette::WindowText, QPalette::Window},
    {QPalette::ButtonText, QPalette::Button},
    {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::HighlightedText, QPalette::Highlight},
};

// `background` made darker (under light text) or lighter (under dark text) until `text`
// reads on it, or as far as it goes.
QColor readableBackground(const QColor& text, const QColor& background) {
    const bool lightText = luminance(text) > 0.5;
    float hue = 0, saturation = 0, value = 0, alpha = 1;
    background.toHsv().getHsvF(&hue, &saturation, &value, &alpha);
    QColor shade = background;
    for (int step = 0; step < 30 && contrastRatio(text, shade) < ReadableContrast; ++step) {
        value = lightText ? std::max(0.0f, value - 0.04f) : std::min(1.0f, value + 0.04f);
        saturation = lightText ? saturation : saturation * 0.9f;
        shade = QColor::fromHsvF(hue < 0 ? 0 : hue, saturation, value, alpha);
    }
    return shade;
}

void makeReadable(QPalette& palette, QPalette::ColorGroup group) {
    // Text serves two backgrounds: a second pass checks the first again.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& pair : Pairs) {
            const QColor background = palette.color(group, pair[1]);
            QColor text = palette.color(group, pair[0]);
            if (contrastRatio(text, background) >= ReadableContrast) {
                continue;
            }
            // The theme's text colour on a darker or lighter background; black or white text
            // when no shade of the background will do.
            QColor shade = readableBackground(text, background);
            if (contrastRatio(text, shade) < ReadableContrast) {
                const QColor black(Qt::black), white(Qt::white);
                text = contrastRatio(black, background) >= contrastRatio(white, background) ? black
                                                                                            : white;
                shade = readableBackground(text, background);
            }
            palette.setColor(group, pair[0], text);
            palette.setColor(group, pair[1], shade);
        }
    }
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette readableColors(const QPalette& palette) {
    QPalette readable = palette;
    makeReadable(readable, QPalette::Active);
    makeReadable(readable, QPalette::Inactive);
    return readable;
}

void describeControls(QWidget& root) {
    // The window's colours and those of every control that set its own.
    root.setPalette(readableColors(root.palette()));
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetPalette)) {
            widget->setPalette(readableColors(widget->palette()));
        }
    }
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
