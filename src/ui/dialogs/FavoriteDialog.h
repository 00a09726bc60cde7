// "Edit Favorite": eight check boxes, one per favourite group, captioned with the group
// names. Used to edit one channel's groups and to choose groups for a selection.
#pragma once

#include <QDialog>
#include <string_view>

#include "database/RecordLayout.h"

class QCheckBox;

namespace kavro {

class FavoriteDialog : public QDialog {
    Q_OBJECT

public:
    explicit FavoriteDialog(QWidget* parent = nullptr);

    // Group n (0..7) is the box of group n + 1, bit n of the group mask.
    void setGroupName(int n, std::string_view bytes);
    void setChecked(int n, bool checked);
    bool isChecked(int n) const;
    // Bit n set when the box of group n + 1 is ticked; read by the last OK.
    int groupMask() const { return groupMask_; }

    void accept() override;

private:
    int groupMask_ = 0;
    QCheckBox* boxes_[FavoriteGroupCount];
};

}  // namespace kavro
