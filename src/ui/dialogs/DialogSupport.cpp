#include "ui/dialogs/DialogSupport.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Accessibility.h"
#include "ui/dialogs/Interaction.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

void prepareDialogWindow(QDialog& dialog, const QString& objectName, const QString& caption) {
    dialog.setObjectName(objectName);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
}

QFrame* makeFieldFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QGridLayout* makeFieldGrid(QFrame* frame, int side, int top, int spacing) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(side, top, side, top);
    grid->setHorizontalSpacing(spacing);
    return grid;
}

QLineEdit* makeNumberEdit(const QString& objectName, int digits) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    const QFontMetrics metrics(edit->font());
    // The digits plus the edit's own margins and frame.
    edit->setFixedWidth(metrics.horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) + 12);
    return edit;
}

QLineEdit* makeTextEdit(const QString& objectName, int characters) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    const QFontMetrics metrics(edit->font());
    const int widest = std::max(metrics.horizontalAdvance(QString(characters, QLatin1Char('M'))),
                                metrics.horizontalAdvance(QString(characters, QLatin1Char('W'))));
    edit->setMinimumWidth(widest + 16);
    return edit;
}

namespace {

// Room beside a caption for the window manager's icon, its buttons and margins.
constexpr int CaptionAllowance = 120;

QHBoxLayout* makeButtonRow(QDialog& dialog, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(QCoreApplication::translate("kavro::DialogSupport", "OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    cancel = new QPushButton(QCoreApplication::translate("kavro::DialogSupport", "CANCEL"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addSpacing(12);
    row->addWidget(cancel);
    row->addStretch(1);
    return row;
}

}  // namespace

void layOutDialog(QDialog& dialog, std::initializer_list<QWidget*> frames, QPushButton*& ok,
                  QPushButton*& cancel) {
    auto* layout = new QVBoxLayout(&dialog);
    for (QWidget* frame : frames) {
        layout->addWidget(frame);
    }
    layout->addLayout(makeButtonRow(dialog, ok, cancel));
    // Wide enough for the caption, which window managers draw in a larger or bold face and
    // clip rather than widen the window for.
    const int caption = QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle());
    layout->addStrut(caption * 4 / 3 + CaptionAllowance);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    describeControls(dialog);
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QString latin1Text(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString plainCaption(const QString& text) {
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

void NameField::show(QLineEdit* edit, std::string_view bytes, int limit) {
    edit_ = edit;
    limit_ = limit;
    bytes_.assign(bytes);
    edit->setMaxLength(limit);
    edit->setText(latin1Text(bytes));
    shownText_ = edit->text();  // cut to the limit when the stored name is longer
}

bool NameField::isUnchanged() const {
    return edit_ != nullptr && edit_->text() == shownText_;
}

FieldReader::FieldReader(QWidget* dialog, Interaction& interaction)
    : dialog_(dialog), interaction_(interaction) {}

bool FieldReader::readInteger(QLineEdit* edit, const FieldRange& range, int& value) {
    const FieldCheck check = checkIntegerField(edit->text().toStdString(), range);
    if (!check.ok) {
        return fail(edit, check);
    }
    value = check.value;
    return true;
}

namespace {

int characterCount(const QString& text) {
    int count = 0;
    for (auto it = text.cbegin(); it != text.cend(); ++it) {
        if (!it->isLowSurrogate()) {
            ++count;
        }
    }
    return count;
}

}  // namespace

bool FieldReader::readName(const NameField& field, std::string& bytes) {
    if (field.isUnchanged()) {
        bytes = field.originalBytes();
        return true;
    }
    const QString text = field.edit()->text();
    const FieldCheck length = checkTextLength(characterCount(text), field.limit());
    if (!length.ok) {
        return fail(field.edit(), length);
    }
    std::string latin1;
    if (!utf8ToLatin1(text.toStdString(), latin1)) {
        return refuse(field.edit(), latin1Message());
    }
    bytes = std::move(latin1);
    return true;
}

bool FieldReader::refuse(QLineEdit* edit, const std::string& message) {
    FieldCheck refused;
    refused.ok = false;
    refused.message = message;
    refused.warning = true;
    return fail(edit, refused);
}

bool FieldReader::fail(QLineEdit* edit, const FieldCheck& check) {
    const auto icon = check.warning ? Interaction::Icon::Exclamation : Interaction::Icon::None;
    interaction_.messageBox(dialog_, translatedCoreText(twoLines(check.message, check.field)),
                            Interaction::Buttons::Ok, icon);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

}  // namespace kavro
