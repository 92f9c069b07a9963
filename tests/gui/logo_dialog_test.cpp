// The logo dialog driven offscreen: it shows the logo set on opening, takes
// the edits on OK and leaves the set alone on Cancel.

#include <QApplication>
#include <QTest>

#include "channel/LogoSet.h"
#include "dialogs/LogoDlg.h"
#include "dialogs/LogoDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using namespace logo_dlg;

class LogoDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTakesAndLeavesTheLogoSet()
    {
        fwtest::ScriptedPlatform platform;
        fw::LogoSet logos;
        CLogoDlg dlg(platform, logos, nullptr);
        const auto control = [&dlg](int id) { return fwtest::FindControl<QWidget>(&dlg, id); };
        QStringList shown;
        const auto retypeLogoAnd = [&](int closer) {
            const QWidget* focus = QApplication::focusWidget();
            shown << fwtest::Outline(&dlg, {IDC_EDIT_ICONURL, IDC_EDIT_LOGOURL, IDC_EDIT_WIDELOGOURL}) + u" focus="_s +
                         fwtest::NameOf(focus);
            fwtest::Retype(control(IDC_EDIT_LOGOURL), u"http://例.jp/ロゴ.gif"_s);
            fwtest::Click(control(closer));
        };
        QCOMPARE(fwtest::RunModal(dlg, [&] { retypeLogoAnd(IDCANCEL); }), int(QDialog::Rejected));
        QCOMPARE(logos.m_strLogoUrl, std::string("http://"));

        // As a Create leaves the members after trimming them.
        logos.m_strIconUrl = "http://server/logo.ico";
        logos.m_strWideLogoUrl = "";
        QCOMPARE(fwtest::RunModal(dlg, [&] { retypeLogoAnd(IDOK); }), int(QDialog::Accepted));
        // Each opening starts on the first tab stop, wherever the focus was left.
        QCOMPARE(shown, (QStringList{
                            u"IDC_EDIT_ICONURL=http:// IDC_EDIT_LOGOURL=http:// IDC_EDIT_WIDELOGOURL=http:// focus=IDOK"_s,
                            u"IDC_EDIT_ICONURL=http://server/logo.ico IDC_EDIT_LOGOURL=http:// IDC_EDIT_WIDELOGOURL= focus=IDOK"_s}));
        QCOMPARE(logos.m_strLogoUrl, std::string("http://\x97\xe1.jp/\x83\x8d\x83\x53.gif"));
        QCOMPARE(logos.m_strIconUrl, std::string("http://server/logo.ico"));
        QVERIFY(platform.Messages().isEmpty());
    }
};

QTEST_MAIN(LogoDialogTest)
#include "logo_dialog_test.moc"
