// Import From's picker: the other database as a tree with check boxes, the choices of how to
// copy, and Copy. The dialog only gathers the request; the operation applies it.
#pragma once

#include <QDialog>
#include <memory>

#include "database/ChannelImport.h"
#include "ui/dialogs/DialogOperations.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace kavro {

class ChannelDatabase;
class ImportTreeModel;

class ImportDialog : public QDialog {
    Q_OBJECT

public:
    // `canInsert`: a channel is selected in the list, so Insert Before Selection is offered.
    ImportDialog(const ChannelDatabase& here, const ChannelDatabase& other, const QString& name,
                 bool canInsert, QWidget* parent = nullptr);
    ~ImportDialog() override;

    ImportTreeModel& model() const { return *model_; }
    QTreeView* tree() const { return tree_; }
    QCheckBox* updateBox() const { return update_; }
    QCheckBox* insertBox() const { return insert_; }
    QRadioButton* byNameButton() const { return byName_; }
    QPushButton* copyButton() const { return copy_; }

    // What the ticks and choices ask for; `selected` is the channel Insert Before Selection
    // puts the copies before.
    ImportRequest request(int selected) const;

private:
    void updateCount();

    std::unique_ptr<ImportTreeModel> model_;
    QTreeView* tree_ = nullptr;
    QLabel* count_ = nullptr;
    QCheckBox* update_ = nullptr;
    QCheckBox* insert_ = nullptr;
    QRadioButton* byNumber_ = nullptr;
    QRadioButton* byName_ = nullptr;
    QPushButton* copy_ = nullptr;
};

// File > Import From... once the other file was read: runs the picker and has the session
// apply the import as one step, then shows the summary. `selected` is the channel selected
// in the list, ChannelCapacity when none. Returns the text for the status bar, empty when
// nothing was imported.
QString runImportDialog(const DialogContext& context, std::shared_ptr<const ChannelDatabase> other,
                        const QString& name, int selected);

}  // namespace kavro
