#include "app/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace fwgui {

namespace {

constexpr std::string_view kOption = "--lang";

std::optional<UiLanguage> ParseLanguage(std::string_view value)
{
    if (value == "ja")
        return UiLanguage::Japanese;
    if (value == "en")
        return UiLanguage::English;
    return std::nullopt;
}

std::string Complaint(std::string_view where, std::string_view value)
{
    return "feedwright: " + std::string(where) + " の値 \"" + std::string(value) +
        "\" は使えません。en (英語) か ja (日本語) を指定してください。日本語で起動します。\n";
}

}  // namespace

LanguageChoice ChooseLanguage(const std::vector<std::string>& arguments, const std::optional<std::string>& variable)
{
    LanguageChoice choice;
    std::optional<std::string> given;
    if (!arguments.empty() && arguments[0] == kOption) {
        choice.argumentsTaken = arguments.size() > 1 ? 2 : 1;
        given = arguments.size() > 1 ? arguments[1] : std::string();
    } else if (!arguments.empty() && arguments[0].starts_with(std::string(kOption) + '=')) {
        choice.argumentsTaken = 1;
        given = arguments[0].substr(kOption.size() + 1);
    }
    const std::string where = given ? std::string(kOption) : std::string("FEEDWRIGHT_LANG");
    if (!given && variable && !variable->empty())
        given = variable;
    if (!given)
        return choice;
    if (const std::optional<UiLanguage> language = ParseLanguage(*given))
        choice.language = *language;
    else
        choice.complaint = Complaint(where, *given);
    return choice;
}

void LanguageTranslators::Install(UiLanguage language)
{
    Remove();
    if (language == UiLanguage::English) {
        if (m_program.load(QStringLiteral(":/i18n/feedwright_en.qm")))
            QCoreApplication::installTranslator(&m_program);
    } else if (m_qt.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}

void LanguageTranslators::Remove()
{
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
}

}  // namespace fwgui
