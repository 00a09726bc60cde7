#include "ui/dialogs/FavoriteDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>

#include "ui/dialogs/DialogSupport.h"

namespace kavro {

namespace {

constexpr int BoxesPerColumn = 4;

}  // namespace

FavoriteDialog::FavoriteDialog(QWidget* parent) : QDialog(parent) {
    prepareDialogWindow(*this, QStringLiteral("favoriteDialog"),
                        QCoreApplication::translate("kavro::FavoriteDialog", "Edit Favorite"));

    QFrame* frame = makeFieldFrame();
    QGridLayout* grid = makeFieldGrid(frame, 24, 12, 40);
    grid->setVerticalSpacing(10);
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        boxes_[n] =
            new QCheckBox(QCoreApplication::translate("kavro::FavoriteDialog", "Fav%1").arg(n + 1));
        boxes_[n]->setObjectName(QStringLiteral("favCheck%1").arg(n + 1));
        boxes_[n]->setMinimumWidth(boxes_[n]->fontMetrics().averageCharWidth() * 18);
        grid->addWidget(boxes_[n], n % BoxesPerColumn, n / BoxesPerColumn);
    }

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {frame}, ok, cancel);

    // Down each column, the columns left to right, ending at the buttons; OK stays the
    // default button.
    setTabChain({boxes_[0], boxes_[1], boxes_[2], boxes_[3], boxes_[4], boxes_[5], boxes_[6],
                 boxes_[7], ok, cancel});
    boxes_[0]->setFocus();
}

void FavoriteDialog::setGroupName(int n, std::string_view bytes) {
    if (n >= 0 && n < FavoriteGroupCount) {
        boxes_[n]->setText(plainCaption(latin1Text(bytes)));
    }
}

void FavoriteDialog::setChecked(int n, bool checked) {
    if (n >= 0 && n < FavoriteGroupCount) {
        boxes_[n]->setChecked(checked);
    }
}

bool FavoriteDialog::isChecked(int n) const {
    return n >= 0 && n < FavoriteGroupCount && boxes_[n]->isChecked();
}

void FavoriteDialog::accept() {
    int mask = 0;
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        if (boxes_[n]->isChecked()) {
            mask |= 1 << n;
        }
    }
    groupMask_ = mask;
    QDialog::accept();
}

}  // namespace kavro
