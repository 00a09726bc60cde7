// The window's layout between runs: size and place, splitter, and the widths of the list's
// Channel and CAS columns (the only ones the user can widen; the others keep theirs).
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>

#include <iterator>

#include "ChannelListCtrl.h"
#include "ListPane.h"
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
    setColumnModes(*listPane_->view()->horizontalHeader());
}

void MainWindow::restoreLayout() {
    const QByteArray geometry = settings_->bytes(QString::fromLatin1(WindowSettings::Geometry));
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
        resize(shown ? DefaultSize.boundedTo(shown->availableGeometry().size()) : DefaultSize);
    }
    panes_.splitter->restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Splitter)));
    restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Docks)));
    const QStringList widths = settings_->list(QString::fromLatin1(WindowSettings::ListColumns));
    for (int i = 0; i < widths.size() && i < static_cast<int>(std::size(WidenableColumns)); ++i) {
        const int width = widths[i].toInt();
        if (width >= MinimumColumnWidth && width <= MaximumColumnWidth) {
            listPane_->view()->setColumnWidth(WidenableColumns[i], width);
        }
    }
}

void MainWindow::saveLayout() {
    settings_->setBytes(QString::fromLatin1(WindowSettings::Geometry), saveGeometry());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Splitter),
                        panes_.splitter->saveState());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Docks), saveState());
    QStringList widths;
    for (const ListColumn column : WidenableColumns) {
        widths.append(QString::number(listPane_->view()->columnWidth(column)));
    }
    settings_->setList(QString::fromLatin1(WindowSettings::ListColumns), widths);
    settings_->sync();
}

}  // namespace kavro
