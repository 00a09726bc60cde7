#include "WindowLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kavro {

namespace {

// The translations built into the program; see translations/ in the sources.
const char* const EmbeddedFolder = ":/i18n";

// Where the package installs them, beside the program: an updated kavro_<code>.qm put
// there is used before the built-in one.
QString installedFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/kavro/translations"));
}

}  // namespace

WindowLanguage::WindowLanguage() = default;

WindowLanguage::~WindowLanguage() {
    drop();
}

bool WindowLanguage::use(const QString& code) {
    const QLocale locale(code);
    // QLocale turns a code it does not know into the C locale, which has no translation.
    return locale.language() != QLocale::C && use(locale);
}

void WindowLanguage::useSystemLanguages() {
    if (!use(QLocale::system())) {
        use(QLocale(QLocale::English));
    }
}

QString WindowLanguage::language() const {
    return own_ ? own_->language() : QStringLiteral("en");
}

QStringList WindowLanguage::available() {
    QStringList codes;
    const QStringList files =
        QDir(QString::fromLatin1(EmbeddedFolder)).entryList({QStringLiteral("kavro_*.qm")});
    for (const QString& file : files) {
        const QString code = file.mid(6, file.size() - 9);  // kavro_<code>.qm
        if (code != QStringLiteral("en")) {                 // English holds only its plural forms
            codes << code;
        }
    }
    return codes;
}

bool WindowLanguage::use(const QLocale& locale) {
    auto own = std::make_unique<QTranslator>();
    const QString prefix = QStringLiteral("_");
    if (!own->load(locale, QStringLiteral("kavro"), prefix, installedFolder()) &&
        !own->load(locale, QStringLiteral("kavro"), prefix, QString::fromLatin1(EmbeddedFolder))) {
        return false;
    }
    drop();
    own_ = std::move(own);
    QCoreApplication::installTranslator(own_.get());
    // Qt's own texts: the standard buttons, the file chooser. Missing ones stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), prefix,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_ = std::move(qt);
        QCoreApplication::installTranslator(qt_.get());
    }
    // The window mirrors for a language written from right to left.
    QGuiApplication::setLayoutDirection(QLocale(own_->language()).textDirection());
    return true;
}

void WindowLanguage::drop() {
    if (own_) {
        QCoreApplication::removeTranslator(own_.get());
        own_.reset();
    }
    if (qt_) {
        QCoreApplication::removeTranslator(qt_.get());
        qt_.reset();
    }
}

}  // namespace kavro
