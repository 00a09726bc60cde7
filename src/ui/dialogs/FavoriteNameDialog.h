// "Edit Favorite Group Name": the names of the eight favourite groups, Fav1 to Fav8.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>

#include "ui/dialogs/DialogSupport.h"

class QLineEdit;

namespace kavro {

class Interaction;

class FavoriteNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit FavoriteNameDialog(Interaction& interaction, QWidget* parent = nullptr);

    // Names are Latin-1 bytes; a name left as shown comes back as the very bytes given.
    void setName(int n, std::string_view bytes);
    // The name of group n + 1 as read by the last OK.
    const std::string& name(int n) const { return names_[n]; }

    // Reads the names in group order; closes only when all pass.
    void accept() override;

private:
    Interaction& interaction_;
    std::string names_[FavoriteGroupCount];
    NameField fields_[FavoriteGroupCount];
};

}  // namespace kavro
