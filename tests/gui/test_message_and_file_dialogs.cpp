// The real interaction services: message boxes and the file choosers, answered by a timer
// that finds the modal window and presses its buttons.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/dialogs/Interaction.h"

using namespace kavro;

namespace {

// Runs `answer` on the first modal window of type T once it is up.
template <typename T>
void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(window);
        }
    });
    timer->start(10);
}

QLineEdit* fileNameEdit(QFileDialog* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types the name into the chooser and accepts; a chooser that stays open is cancelled, so
// a failure cannot hang the test.
void chooseByName(QFileDialog* dialog, const QString& name) {
    if (QLineEdit* edit = fileNameEdit(dialog)) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
    }
    static_cast<QDialog*>(dialog)->accept();
    if (dialog->isVisible()) {
        static_cast<QDialog*>(dialog)->reject();
    }
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class MessageAndFileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void captionIsTheExecutableBaseName();
    void messageBoxes();
    void openChooserListsTbnInAnyCase();
    void saveChooserAddsSuffix();
    void saveChooserAsksBeforeOverwriting();
    void choosersSayWhatTheyAreFor();
};

void MessageAndFileDialogsTest::captionIsTheExecutableBaseName() {
    QCOMPARE(programName(), QStringLiteral("test_message_and_file_dialogs"));
}

void MessageAndFileDialogsTest::messageBoxes() {
    QtInteraction ui;
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    } seen;
    const auto look = [&seen](QMessageBox::StandardButton press) {
        whenModal<QMessageBox>([&seen, press](QMessageBox* box) {
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            box->button(press)->click();
        });
    };

    look(QMessageBox::Cancel);
    QCOMPARE(ui.messageBox(nullptr, QStringLiteral("Delete?"), Interaction::Buttons::OkCancel,
                           Interaction::Icon::None),
             Interaction::Answer::Cancel);
    QCOMPARE(seen.title, programName());
    QCOMPARE(seen.text, QStringLiteral("Delete?"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    look(QMessageBox::Ok);
    QCOMPARE(ui.messageBox(nullptr, QStringLiteral("Sure?"), Interaction::Buttons::OkCancel,
                           Interaction::Icon::Exclamation),
             Interaction::Answer::Ok);
    QCOMPARE(seen.icon, QMessageBox::Warning);

    look(QMessageBox::Ok);
    QCOMPARE(ui.messageBox(nullptr, QStringLiteral("TP added"), Interaction::Buttons::Ok,
                           Interaction::Icon::Information),
             Interaction::Answer::Ok);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // A question that could overwrite something defaults to No.
    QMessageBox::StandardButton preset = QMessageBox::NoButton;
    whenModal<QMessageBox>([&preset](QMessageBox* box) {
        preset = box->standardButton(box->defaultButton());
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(ui.messageBox(nullptr, QStringLiteral("Overwrite?"), Interaction::Buttons::YesNo,
                           Interaction::Icon::None),
             Interaction::Answer::Yes);
    QCOMPARE(preset, QMessageBox::No);

    QString discardText;
    whenModal<QMessageBox>([&discardText](QMessageBox* box) {
        discardText = box->button(QMessageBox::Discard)->text();
        box->button(QMessageBox::Discard)->click();
    });
    QCOMPARE(ui.messageBox(nullptr, QStringLiteral("Save?"),
                           Interaction::Buttons::SaveDiscardCancel, Interaction::Icon::None),
             Interaction::Answer::Discard);
    QCOMPARE(discardText, QStringLiteral("Don't Save"));
}

void MessageAndFileDialogsTest::openChooserListsTbnInAnyCase() {
    QTemporaryDir dir;
    for (const char* name : {"lower.tbn", "UPPER.TBN", "Mixed.Tbn", "other.txt"}) {
        touch(dir.filePath(QString::fromLatin1(name)));
    }
    QStringList listed;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        mode = dialog->fileMode();
        acceptMode = dialog->acceptMode();
        dialog->setDirectory(dir.path());
        if (auto* model = dialog->findChild<QFileSystemModel*>()) {
            const QModelIndex root = model->index(dir.path());
            for (int wait = 0; wait < 300 && model->rowCount(root) < 3; ++wait) {
                QTest::qWait(10);
            }
            QTest::qWait(50);  // a fourth, wrongly listed file would show by now
            for (int row = 0; row < model->rowCount(root); ++row) {
                listed.append(model->index(row, 0, root).data().toString());
            }
        }
        chooseByName(dialog, QStringLiteral("UPPER.TBN"));
    });
    QtInteraction ui;
    const QString chosen = ui.chooseOpenFile(nullptr, QString());
    QCOMPARE(filters, QStringList{QStringLiteral("Channel Data Files (*.tbn)")});
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(acceptMode, QFileDialog::AcceptOpen);
    listed.sort();
    QCOMPARE(listed, (QStringList{"Mixed.Tbn", "UPPER.TBN", "lower.tbn"}));
    QCOMPARE(chosen, dir.filePath(QStringLiteral("UPPER.TBN")));
}

void MessageAndFileDialogsTest::saveChooserAddsSuffix() {
    QTemporaryDir dir;
    const QString initial = dir.filePath(QStringLiteral("current.tbn"));
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QString suffix;
    QString directory;
    QString proposed;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        acceptMode = dialog->acceptMode();
        suffix = dialog->defaultSuffix();
        directory = QDir(dialog->directory()).canonicalPath();
        proposed = fileNameEdit(dialog)->text();
        chooseByName(dialog, QStringLiteral("copy"));
    });
    QtInteraction ui;
    const QString chosen = ui.chooseSaveFile(nullptr, initial);
    QCOMPARE(acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(suffix, QStringLiteral("tbn"));
    QCOMPARE(directory, QDir(dir.path()).canonicalPath());
    QCOMPARE(proposed, QStringLiteral("current.tbn"));
    QCOMPARE(QFileInfo(chosen).fileName(), QStringLiteral("copy.tbn"));
    QCOMPARE(QFileInfo(chosen).dir().canonicalPath(), QDir(dir.path()).canonicalPath());
}

// Each chooser's title names what it is for.
void MessageAndFileDialogsTest::choosersSayWhatTheyAreFor() {
    QtInteraction ui;
    const std::pair<const char*, std::function<void()>> choosers[] = {
        {"Open", [&] { ui.chooseOpenFile(nullptr, QString()); }},
        {"Save As", [&] { ui.chooseSaveFile(nullptr, QString()); }},
        {"Export List", [&] { ui.chooseListFile(nullptr, QString()); }},
        {"Apply Order From", [&] { ui.chooseReferenceFile(nullptr); }},
    };
    for (const auto& [title, run] : choosers) {
        QString shown;
        whenModal<QFileDialog>([&shown](QFileDialog* dialog) {
            shown = dialog->windowTitle();
            dialog->reject();
        });
        run();
        QCOMPARE(shown, QString::fromLatin1(title));
    }
}

void MessageAndFileDialogsTest::saveChooserAsksBeforeOverwriting() {
    QTemporaryDir dir;
    const QString initial = dir.filePath(QStringLiteral("current.tbn"));
    touch(initial);
    bool asked = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        whenModal<QMessageBox>([&asked](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        static_cast<QDialog*>(dialog)->accept();  // the existing file as proposed
        QTRY_VERIFY(asked);
        static_cast<QDialog*>(dialog)->reject();
    });
    QtInteraction ui;
    QCOMPARE(ui.chooseSaveFile(nullptr, initial), QString());
    QVERIFY(asked);
}

QTEST_MAIN(MessageAndFileDialogsTest)
#include "test_message_and_file_dialogs.moc"
