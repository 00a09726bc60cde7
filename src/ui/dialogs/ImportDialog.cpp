#include "ui/dialogs/ImportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "session/ImportEdit.h"
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ImportTreeModel.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

ImportDialog::ImportDialog(const ChannelDatabase& here, const ChannelDatabase& other,
                           const QString& name, bool canInsert, QWidget* parent)
    : QDialog(parent), model_(std::make_unique<ImportTreeModel>(here, other)) {
    prepareDialogWindow(*this, QStringLiteral("importDialog"), tr("Import From %1").arg(name));
    tree_ = new QTreeView;
    tree_->setObjectName(QStringLiteral("importTree"));
    tree_->setUniformRowHeights(true);  // smooth scrolling over every channel
    tree_->setModel(model_.get());
    tree_->header()->setSectionResizeMode(QHeaderView::Interactive);
    tree_->setColumnWidth(ImportTreeModel::ColumnItem, 220);

    count_ = new QLabel;
    update_ = new QCheckBox(tr("Update existing"));
    update_->setObjectName(QStringLiteral("updateExisting"));
    insert_ = new QCheckBox(tr("Insert Before Selection"));
    insert_->setObjectName(QStringLiteral("insertBefore"));
    insert_->setEnabled(canInsert);
    byNumber_ = new QRadioButton(tr("Favourites by group number"));
    byName_ = new QRadioButton(tr("Favourites by group name"));
    byNumber_->setChecked(true);
    auto* favorites = new QButtonGroup(this);
    favorites->addButton(byNumber_);
    favorites->addButton(byName_);

    auto* buttons = new QDialogButtonBox;
    copy_ = buttons->addButton(tr("Copy"), QDialogButtonBox::AcceptRole);
    copy_->setObjectName(QStringLiteral("copyButton"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* options = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(update_), static_cast<QWidget*>(insert_),
                            static_cast<QWidget*>(byNumber_), static_cast<QWidget*>(byName_)}) {
        options->addWidget(widget);
    }
    options->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addWidget(count_);
    layout->addLayout(options);
    layout->addWidget(buttons);
    resize(900, 560);
    connect(model_.get(), &QAbstractItemModel::dataChanged, this, &ImportDialog::updateCount);
    updateCount();
    describeControls(*this);
}

ImportDialog::~ImportDialog() {
    tree_->setModel(nullptr);
}

void ImportDialog::updateCount() {
    const int ticked = model_->tickedChannels();
    count_->setText(tr("%n channel(s) ticked", nullptr, ticked));
}

ImportRequest ImportDialog::request(int selected) const {
    ImportRequest request;
    model_->fillRequest(request);
    request.update = update_->isChecked();
    request.favorites = byName_->isChecked() ? FavoriteMatch::ByName : FavoriteMatch::ByNumber;
    request.before = insert_->isEnabled() && insert_->isChecked() ? selected : MoveToEnd;
    return request;
}

namespace {

QString summaryText(const ImportPlan& plan, int transponders) {
    QStringList lines{translatedCoreText(importCountsText(plan)) + QLatin1Char('.')};
    if (transponders > 0) {
        lines << ImportDialog::tr("%n transponder(s) added.", nullptr, transponders);
    }
    for (const std::string& reason : plan.notImportable) {
        lines << ImportDialog::tr("Not importable: %1.").arg(translatedCoreText(reason));
    }
    for (const std::string& group : plan.droppedGroups) {
        lines << ImportDialog::tr("Favourite group \"%1\" is not here: left out.")
                     .arg(QString::fromStdString(group));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QString runImportDialog(const DialogContext& context, std::shared_ptr<const ChannelDatabase> other,
                        const QString& name, int selected) {
    const ChannelDatabase& here = databaseOf(context);
    ImportDialog dialog(here, *other, name, here.isLiveChannel(selected), context.parent);
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return {};
    }
    ImportChannels edit{std::move(other), name.toStdString(), dialog.request(selected)};
    ImportPlan plan;
    planImportEdit(here, edit, plan);
    if (!plan.refusal.empty()) {
        warn(context, translatedCoreText(plan.refusal));
        return {};
    }
    if (!applyEdit(context, edit).applied) {
        return {};
    }
    inform(context, summaryText(plan, static_cast<int>(plan.newTransponders.size())));
    return translatedCoreText(importCountsText(plan));
}

}  // namespace kavro
