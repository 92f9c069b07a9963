#pragma once
// The language of the window: Japanese unless the user asks for English,
// with `--lang en|ja` as the first argument or FEEDWRIGHT_LANG=en|ja (the
// option wins). The locale never decides: the program speaks Japanese
// everywhere by default.

#include <QString>
#include <QTranslator>
#include <optional>
#include <string>
#include <vector>

namespace fwgui {

enum class UiLanguage { Japanese, English };

struct LanguageChoice {
    UiLanguage language = UiLanguage::Japanese;
    // How many leading arguments the choice took ("--lang en" two,
    // "--lang=en" one); the rest is the file to open.
    int argumentsTaken = 0;
    // A complaint, in Japanese, for standard error when a value was not
    // understood; the program then runs in Japanese.
    std::string complaint;
};

// `arguments` are the program's arguments after its name; `variable` is
// FEEDWRIGHT_LANG, or nothing when it is not set.
LanguageChoice ChooseLanguage(const std::vector<std::string>& arguments, const std::optional<std::string>& variable);

// The program's own texts and Qt's (file dialogs, message-box buttons, edit
// menus) in one language. Japanese is the source language of the program's
// texts, so only Qt's need a translation there; English is Qt's.
class LanguageTranslators {
public:
    void Install(UiLanguage language);
    void Remove();

private:
    QTranslator m_program;
    QTranslator m_qt;
};

}  // namespace fwgui
