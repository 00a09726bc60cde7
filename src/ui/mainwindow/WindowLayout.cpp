// The window's layout between runs: size and place, splitter, and the widths of the list's
// Channel and CAS columns (the only ones the user can widen; the others keep theirs).
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>

#include <iterator>

#include "ChannelListView.h"
#include "MainWindow.h"
#include "WindowSettings.h"
#include "database/DisplayText.h"

namespace kavro {

namespace {

const QSize DefaultSize(1100, 720);
constexpr ListColumn WidenableColumns[] = {ColumnChannel, ColumnCas};
constexpr int MinimumColumnWidth = 20;
constexpr int MaximumColumnWidth = 2000;

void setColumnModes(QHeaderView& header) {
    header.setSectionResizeMode(QHeaderView::Fixed);
    for (const ListColumn column : WidenableColumns) {
        header.setSectionResizeMode(column, QHeaderView::Interactive);
    }
}

}  // namespace

void MainWindow::setListColumnModes() {
    setColumnModes(*list_->horizontalHeader());
}

void MainWindow::restoreLayout() {
    const QByteArray geometry = settings_->bytes(QString::fromLatin1(WindowSettings::Geometry));
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
        resize(shown ? DefaultSize.boundedTo(shown->availableGeometry().size()) : DefaultSize);
    }
    splitter_->restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Splitter)));
    restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Docks)));
    const QStringList widths = settings_->list(QString::fromLatin1(WindowSettings::ListColumns));
    for (int i = 0; i < widths.size() && i < static_cast<int>(std::size(WidenableColumns)); ++i) {
        const int width = widths[i].toInt();
        if (width >= MinimumColumnWidth && width <= MaximumColumnWidth) {
            list_->setColumnWidth(WidenableColumns[i], width);
        }
    }
}

void MainWindow::saveLayout() {
    settings_->setBytes(QString::fromLatin1(WindowSettings::Geometry), saveGeometry());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Splitter), splitter_->saveState());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Docks), saveState());
    QStringList widths;
    for (const ListColumn column : WidenableColumns) {
        widths.append(QString::number(list_->columnWidth(column)));
    }
    settings_->setList(QString::fromLatin1(WindowSettings::ListColumns), widths);
    settings_->sync();
}

}  // namespace kavro
