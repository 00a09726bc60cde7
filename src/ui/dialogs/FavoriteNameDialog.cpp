#include "ui/dialogs/FavoriteNameDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kavro {

FavoriteNameDialog::FavoriteNameDialog(Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    prepareDialogWindow(
        *this, QStringLiteral("favoriteNameDialog"),
        QCoreApplication::translate("kavro::FavoriteNameDialog", "Edit Favorite Group Name"));

    QFrame* frame = makeFieldFrame();
    QGridLayout* grid = makeFieldGrid(frame, 24, 12, 16);
    QLineEdit* edits[FavoriteGroupCount];
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        edits[n] = makeTextEdit(QStringLiteral("favNameEdit%1").arg(n + 1), GroupNameLimit);
        grid->addWidget(
            new QLabel(
                QCoreApplication::translate("kavro::FavoriteNameDialog", "Fav%1").arg(n + 1)),
            n, 0);
        grid->addWidget(edits[n], n, 1);
        fields_[n].show(edits[n], {}, GroupNameLimit);
    }

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {frame}, ok, cancel);

    setTabChain({edits[0], edits[1], edits[2], edits[3], edits[4], edits[5], edits[6], edits[7], ok,
                 cancel});
    edits[0]->setFocus();
}

void FavoriteNameDialog::setName(int n, std::string_view bytes) {
    if (n >= 0 && n < FavoriteGroupCount) {
        names_[n].assign(bytes);
        fields_[n].show(fields_[n].edit(), bytes, GroupNameLimit);
    }
}

void FavoriteNameDialog::accept() {
    FieldReader reader(this, interaction_);
    std::string names[FavoriteGroupCount];
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        if (!reader.readName(fields_[n], names[n])) {
            return;
        }
    }
    for (int n = 0; n < FavoriteGroupCount; ++n) {
        names_[n] = std::move(names[n]);
    }
    QDialog::accept();
}

}  // namespace kavro
