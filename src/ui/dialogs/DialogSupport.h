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
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kavro {

class Interaction;

// Names the dialog and gives it a caption bar without a close box; Escape rejects, as in
// every QDialog.
void prepareDialogWindow(QDialog& dialog, const QString& objectName, const QString& caption);
// The sunken box that groups a dialog's fields.
QFrame* makeFieldFrame();
// A grid for the fields of `frame`: `side` and `top` margins inside the frame, `spacing`
// between the columns.
QGridLayout* makeFieldGrid(QFrame* frame, int side, int top, int spacing);
// A single-line edit for a number of up to `digits` digits, no wider than that.
QLineEdit* makeNumberEdit(const QString& objectName, int digits);
// A single-line edit wide enough for `characters` of the widest letters.
QLineEdit* makeTextEdit(const QString& objectName, int characters);
// The frames one above the other over a centred row of "OK" (the default button, runs
// accept()) and "CANCEL" (runs reject()); the dialog keeps the size they need, and is never
// narrower than its caption needs.
void layOutDialog(QDialog& dialog, std::initializer_list<QWidget*> frames, QPushButton*& ok,
                  QPushButton*& cancel);
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

    // The range message's second line names the field.
    bool readInteger(QLineEdit* edit, const FieldRange& range, int& value);
    bool readName(const NameField& field, std::string& bytes);
    // A value that passed its field's rules but is refused as a whole: the message in a
    // warning box, then as for any failure.
    bool refuse(QLineEdit* edit, const std::string& message);

private:
    bool fail(QLineEdit* edit, const FieldCheck& check);

    QWidget* dialog_;
    Interaction& interaction_;
};

}  // namespace kavro
