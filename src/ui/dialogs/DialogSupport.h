// Pieces every edit dialog shares: the window frame and buttons, Latin-1 names in edits,
// and reading the controls on OK with the rules and messages of the dialog fields.
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

#include "database/FieldRules.h"

class QDialog;
class QFrame;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kavro {

class Interaction;

// A caption bar without a close box; Escape rejects, as in every QDialog.
void prepareDialogWindow(QDialog& dialog, const QString& caption);
// The sunken box that groups a dialog's fields.
QFrame* makeFieldFrame();
// A single-line edit for a number of up to `digits` digits, no wider than that.
QLineEdit* makeNumberEdit(const QString& objectName, int digits);
// A single-line edit wide enough for `characters` of the widest letters.
QLineEdit* makeTextEdit(const QString& objectName, int characters);
// "OK" (the default button, runs accept()) and "CANCEL" (runs reject()), centred.
QHBoxLayout* makeButtonRow(QDialog& dialog, QPushButton*& ok, QPushButton*& cancel);
// Tab order through the given widgets, in this order.
void setTabChain(std::initializer_list<QWidget*> widgets);

// Names are Latin-1 bytes: one byte, one character.
QString latin1Text(std::string_view bytes);
// A text as the caption of a button or check box ('&' shown, not taken as a shortcut).
QString plainCaption(const QString& text);

// A name shown in an edit. The edit is limited to `limit` characters; a text the user
// leaves as shown gives back the original bytes untouched.
class NameField {
public:
    void show(QLineEdit* edit, std::string_view bytes, int limit);
    QLineEdit* edit() const { return edit_; }
    int limit() const { return limit_; }
    bool isUnchanged() const;
    const std::string& originalBytes() const { return bytes_; }

private:
    QLineEdit* edit_ = nullptr;
    int limit_ = 0;
    std::string bytes_;
    QString shownText_;
};

// Reads edits on OK. The first failure shows its message (a plain box for "not an
// integer", a warning box for the others), gives the failing edit the focus with its whole
// text selected and answers false; the dialog then stays open with the user's input.
class FieldReader {
public:
    FieldReader(QWidget* dialog, Interaction& interaction);

    bool readInteger(QLineEdit* edit, int low, int high, int& value);
    bool readName(const NameField& field, std::string& bytes);

private:
    bool fail(QLineEdit* edit, const FieldCheck& check);

    QWidget* dialog_;
    Interaction& interaction_;
};

}  // namespace kavro
