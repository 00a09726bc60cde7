// The language the window speaks: its own translation (kavro_<code>.qm) and Qt's for the
// standard buttons and dialogs (qtbase_<code>.qm), installed in the application, with the
// layout direction that language writes in. English is the language of the sources; its
// translation holds only the plural forms of the texts that count ("1 channel").
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace kavro {

class WindowLanguage {
public:
    WindowLanguage();
    ~WindowLanguage();  // takes its translations out of the application again
    WindowLanguage(const WindowLanguage&) = delete;
    WindowLanguage& operator=(const WindowLanguage&) = delete;

    // Speaks `code` ("de", "pt_BR", "ar"...; "en" for English), in place of any language
    // used before. False, leaving the window in English, when there is no translation for it.
    bool use(const QString& code);
    // Speaks the first of the system's languages that has a translation, else English.
    void useSystemLanguages();

    // The language spoken: "en", or the code of the translation in use ("de").
    QString language() const;

    // The codes of the translations the program carries, "ar" to "uk".
    static QStringList available();

private:
    bool use(const QLocale& locale);
    void drop();

    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

}  // namespace kavro
