// The window's language: how it is chosen (Japanese unless English is asked
// for, with a complaint for a value not understood), Qt's own texts
// following it, and every dialog of the tour in both languages: in English
// no text of the window is Japanese and no mnemonic is used twice in one
// dialog; in both, every control holds its text. ctest runs this at 100%
// and 200% (QT_SCALE_FACTOR).

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

#include "app/FeedwrightApp.h"
#include "app/Language.h"
#include "support/DialogTour.h"
#include "support/Layout.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using fwgui::UiLanguage;

Q_DECLARE_METATYPE(fwgui::UiLanguage)

namespace {

bool HasJapanese(const QString& text)
{
    static const QRegularExpression cjk(
        u"[\\x{3000}-\\x{30FF}\\x{31F0}-\\x{31FF}\\x{3400}-\\x{4DBF}"
        u"\\x{4E00}-\\x{9FFF}\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}]"_s);
    return text.contains(cjk);
}

// Every text the window shows or says of a control: its own text, its
// tooltip, and the name and description assistive technology reads.
QStringList TextsOf(QWidget* widget)
{
    QStringList texts{widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()};
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << group->title();
    else if (const auto* tree = qobject_cast<const QTreeView*>(widget))
        texts << tree->model()->index(0, 0).data(Qt::ToolTipRole).toString();  // the root's kind and level
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget))
        if (QAccessibleActionInterface* actions = accessible->actionInterface())
            for (const QString& action : actions->actionNames())
                texts << action << actions->localizedActionDescription(action);
    return texts;
}

QChar Mnemonic(const QString& text)
{
    const qsizetype at = QString(text).replace(u"&&"_s, u"__"_s).indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // ctest's second run is at 200%: make sure the factor took.
        const double factor =
            qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
        QCOMPARE(qApp->devicePixelRatio(), factor);
    }

    void choice_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");  // "-" for unset
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QString>("commandLine");     // what is left to open
        QTest::addColumn<QString>("complaintNames");  // empty: no complaint

        const auto ja = UiLanguage::Japanese, en = UiLanguage::English;
        QTest::newRow("default") << QStringList{u"a.cdf"_s} << u"-"_s << ja << u"a.cdf"_s << QString();
        QTest::newRow("empty variable") << QStringList{} << QString() << ja << QString() << QString();
        QTest::newRow("--lang en") << QStringList{u"--lang"_s, u"en"_s, u"a.cdf"_s} << u"-"_s << en << u"a.cdf"_s
                                   << QString();
        QTest::newRow("--lang=en") << QStringList{u"--lang=en"_s} << u"-"_s << en << QString() << QString();
        QTest::newRow("--lang ja") << QStringList{u"--lang"_s, u"ja"_s} << u"en"_s << ja << QString() << QString();
        QTest::newRow("variable en") << QStringList{u"a b.cdf"_s} << u"en"_s << en << u"a b.cdf"_s << QString();
        QTest::newRow("variable ja") << QStringList{} << u"ja"_s << ja << QString() << QString();
        QTest::newRow("option after the file is the file's")
            << QStringList{u"a.cdf"_s, u"--lang"_s, u"en"_s} << u"-"_s << ja << u"a.cdf --lang en"_s << QString();
        QTest::newRow("bad option") << QStringList{u"--lang"_s, u"fr"_s, u"a.cdf"_s} << u"en"_s << ja << u"a.cdf"_s
                                    << u"--lang \"fr\""_s;
        QTest::newRow("option without value")
            << QStringList{u"--lang"_s} << u"-"_s << ja << QString() << u"--lang \"\""_s;
        QTest::newRow("bad variable") << QStringList{} << u"EN_us"_s << ja << QString()
                                      << u"FEEDWRIGHT_LANG \"EN_us\""_s;
    }

    void choice()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(UiLanguage, language);
        QFETCH(QString, commandLine);
        QFETCH(QString, complaintNames);
        std::vector<std::string> args;
        for (const QString& argument : arguments)
            args.push_back(argument.toStdString());
        const fwgui::LanguageChoice choice = fwgui::ChooseLanguage(
            args, variable == u"-"_s ? std::nullopt : std::optional<std::string>(variable.toStdString()));
        QCOMPARE(choice.language, language);
        std::vector<const char*> argv{"feedwright"};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        QCOMPARE(QString::fromStdString(CFeedwrightApp::CommandLine(static_cast<int>(argv.size()), argv.data(),
                                                                    1 + choice.argumentsTaken)),
                 commandLine);
        const QString complaint = QString::fromStdString(choice.complaint);
        if (complaintNames.isEmpty()) {
            QCOMPARE(complaint, QString());
        } else {
            // Names the option or variable and its value, says what is
            // accepted and that the window stays Japanese, in Japanese.
            const QString named = complaintNames.section(u' ', 0, 0), value = complaintNames.section(u' ', 1);
            QVERIFY2(complaint.contains(named) && complaint.contains(value) &&
                         complaint.contains(u"en (英語) か ja (日本語)"_s) &&
                         complaint.contains(u"日本語で起動します"_s) && complaint.endsWith(u'\n'),
                     qPrintable(complaint));
        }
    }

    // The program's texts (with English plurals), Qt's buttons and the help
    // page follow the choice.
    void textsFollowTheLanguage()
    {
        fwgui::LanguageTranslators translators;
        translators.Install(UiLanguage::English);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancel"_s);
        QCOMPARE(QCoreApplication::translate("CChannelDlg", "作成"), u"Create"_s);
        QCOMPARE(QCoreApplication::translate("CChannelDlg", "Feedwright.htm"), u"Feedwright-en.htm"_s);
        const char* const weeks = "%n週間おきに\n\nその日＋";
        QCOMPARE(QCoreApplication::translate("CScheduleDlg", weeks, nullptr, 1), u"Every week,\n\non that day +"_s);
        QCOMPARE(QCoreApplication::translate("CScheduleDlg", weeks, nullptr, 2), u"Every 2 weeks,\n\non that day +"_s);
        translators.Install(UiLanguage::Japanese);
        QCOMPARE(QCoreApplication::translate("CScheduleDlg", weeks, nullptr, 1), u"1週間おきに\n\nその日＋"_s);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
        QCOMPARE(QCoreApplication::translate("CChannelDlg", "作成"), u"作成"_s);
        QCOMPARE(QCoreApplication::translate("CChannelDlg", "Feedwright.htm"), u"Feedwright.htm"_s);
    }

    void everyDialog_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("ja") << UiLanguage::Japanese;
        QTest::newRow("en") << UiLanguage::English;
    }

    void everyDialog()
    {
        QFETCH(UiLanguage, language);
        fwgui::LanguageTranslators translators;
        translators.Install(language);
        const bool english = language == UiLanguage::English;
        QStringList faults, visited;
        fwtest::VisitEveryDialog([&](const QString& dialogName, QWidget* dialog) {
            visited << dialogName;
            fwtest::CheckLayout(dialogName, dialog, faults);
            if (!english)
                return;
            QStringList texts{dialog->windowTitle()};
            QHash<QChar, QString> mnemonics;
            const auto checkMnemonic = [&](const QString& text) {
                if (const QChar key = Mnemonic(text); !key.isNull()) {
                    if (mnemonics.contains(key))
                        faults << dialogName +
                                u": mnemonic %1 of \"%2\" is also \"%3\"'s"_s.arg(key, text, mnemonics[key]);
                    mnemonics.insert(key, text);
                }
            };
            for (QWidget* control : fwtest::Controls(dialog)) {
                for (const QString& text : TextsOf(control)) {
                    if (HasJapanese(text))
                        faults << dialogName + u'/' + fwtest::NameOf(control) + u": \""_s + text + u'"';
                }
                if (const auto* button = qobject_cast<const QAbstractButton*>(control))
                    checkMnemonic(button->text());
                else if (const auto* label = qobject_cast<const QLabel*>(control))
                    checkMnemonic(label->text());
            }
            for (const QMenu* menu : dialog->findChildren<QMenu*>())
                for (const QAction* action : menu->actions())
                    texts << action->text();
            for (const QString& text : texts)
                if (HasJapanese(text))
                    faults << dialogName + u": \""_s + text + u'"';
        });
        QCOMPARE(visited.size(), 7);
        fwtest::Report(faults);
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
