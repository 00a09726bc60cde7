// Driving an edit dialog through its widgets in the dialog tests: find a control by its
// object name, type into it as the keyboard does, press its buttons.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <initializer_list>
#include <memory>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "support/ScriptedInteraction.h"
#include "support/TestImageBuilder.h"
#include "ui/dialogs/DialogOperations.h"

namespace kavro::testing {

template <typename Widget = QWidget>
Widget* control(QDialog& dialog, const char* objectName) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(objectName));
    if (widget == nullptr) {
        qFatal("no control named %s", objectName);
    }
    return widget;
}

// One key press and release per character, carrying the character's text, as a keyboard
// with that character would send it (works for any character, Latin-1 or not).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Focuses the edit, removes its text with the keyboard and types the new one.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

inline void retype(QDialog& dialog, const char* objectName, const QString& text) {
    retype(control<QLineEdit>(dialog, objectName), text);
}

inline void pressOk(QDialog& dialog) {
    QTest::mouseClick(control<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

inline void pressCancel(QDialog& dialog) {
    QTest::mouseClick(control<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
}

inline QWidget* focused(QDialog& dialog) {
    return dialog.focusWidget();
}

// Object names met by pressing Tab `count` times from the current focus.
inline QStringList tabWalk(QDialog& dialog, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        names.append(dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString());
    }
    return names;
}

// The texts of the named line edits, in order.
inline QStringList editTexts(QDialog& dialog, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        texts.append(control<QLineEdit>(dialog, name)->text());
    }
    return texts;
}

// Escape closes the dialog, whatever was typed.
inline void pressEscape(QDialog& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

// A caption bar without a close box.
inline bool hasNoCloseBox(const QDialog& dialog) {
    const Qt::WindowFlags flags = dialog.windowFlags();
    return flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint) &&
           !flags.testFlag(Qt::WindowCloseButtonHint);
}

// OK refused because of `edit`: the dialog stays open with that edit focused and its whole
// text selected.
inline void expectRefusedAt(QDialog& dialog, QLineEdit* edit) {
    QVERIFY(dialog.isVisible());
    QCOMPARE(focused(dialog), edit);
    QCOMPARE(edit->selectedText(), edit->text());
}

// Types `texts` into the edits named `edits` and presses OK. Without a `failingEdit` the
// dialog must close; with one, OK must be refused there with every typed text kept, and
// the dialog is then cancelled.
inline void typeAndPressOk(QDialog& dialog, const QStringList& edits, const QStringList& texts,
                           const QString& failingEdit) {
    for (int i = 0; i < edits.size(); ++i) {
        retype(dialog, edits[i].toLatin1().constData(), texts[i]);
    }
    pressOk(dialog);
    if (failingEdit.isEmpty()) {
        QVERIFY(!dialog.isVisible());
        return;
    }
    expectRefusedAt(dialog, control<QLineEdit>(dialog, failingEdit.toLatin1().constData()));
    for (int i = 0; i < edits.size(); ++i) {
        QCOMPARE(control<QLineEdit>(dialog, edits[i].toLatin1().constData())->text(), texts[i]);
    }
    pressCancel(dialog);
}

// A validation table: the texts typed into the edits, the message OK then shows (none:
// accepted) and the edit that message is about.
inline void validationColumns() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("failingEdit");
}

inline void validationRow(const char* tag, const QStringList& typed, const QString& message = {},
                          const QString& failingEdit = {}) {
    QTest::newRow(tag) << typed << message << failingEdit;
}

// The one message shown and its icon.
inline void expectOnlyMessage(const ScriptedInteraction& ui, const QString& text,
                              Interaction::Icon icon) {
    QCOMPARE(ui.messageTexts(), QStringList{text});
    QCOMPARE(ui.messages[0].icon, icon);
}

// A field's message comes in a plain box for "not an integer", as a warning otherwise.
inline Interaction::Icon fieldMessageIcon(const QString& message) {
    return message == QStringLiteral("Please enter an integer.") ? Interaction::Icon::None
                                                                 : Interaction::Icon::Exclamation;
}

// The interaction services, answered from a script, a session with `image` loaded, and the
// context the operations get.
struct DialogHarness {
    explicit DialogHarness(const Bytes& image) {
        if (!loadImage(*session, image)) {
            qWarning("DialogHarness: the image was refused");
        }
    }

    ScriptedInteraction ui;
    std::unique_ptr<EditSession> session = std::make_unique<EditSession>();
    DialogContext context{nullptr, &ui, session.get()};

    void script(ScriptedInteraction::DialogScript step) { ui.dialogScripts.append(step); }
    const ChannelDatabase& db() const { return session->database(); }
    // The steps the operations made: one per change of the tables.
    int steps() const { return static_cast<int>(session->history().stepCount()); }
};

}  // namespace kavro::testing
