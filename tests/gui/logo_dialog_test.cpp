// The logo dialog driven offscreen: it shows the logo set on opening, takes
// the edits on OK and leaves the set alone on Cancel, Escape or the close box.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "channel/LogoSet.h"
#include "dialogs/LogoDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace {

constexpr int kIconUrl = 1017;
constexpr int kLogoUrl = 1001;
constexpr int kWideLogoUrl = 1002;

struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::LogoSet logos;
    CLogoDlg dlg{platform, logos, nullptr};

    QLineEdit* Edit(int id) const { return fwtest::FindControl<QLineEdit>(&dlg, id); }

    int Run(const std::function<void()>& drive)
    {
        QTimer::singleShot(0, &dlg, [this, drive] {
            drive();
            if (dlg.isVisible())
                dlg.reject();
        });
        return dlg.DoModal();
    }

    void Retype(int id, const QString& text) const
    {
        fwtest::ClearByKeyboard(Edit(id));
        fwtest::TypeText(Edit(id), text);
    }
};

}  // namespace

class LogoDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithNoImages()
    {
        Harness h;
        h.Run([&] {
            for (int id : {kIconUrl, kLogoUrl, kWideLogoUrl})
                QCOMPARE(h.Edit(id)->text(), QStringLiteral("http://"));
        });
    }

    void okTakesTheEditsAndCancelLeavesTheSet()
    {
        Harness h;
        // Cancel, Escape and the close box all leave the set as it was.
        const std::function<void()> closers[] = {
            [&] { QTest::mouseClick(fwtest::FindControl<QPushButton>(&h.dlg, 2), Qt::LeftButton); },
            [&] { QTest::keyClick(h.Edit(kLogoUrl), Qt::Key_Escape); },
            [&] { h.dlg.close(); },
        };
        for (const auto& close : closers) {
            const int result = h.Run([&] {
                h.Retype(kLogoUrl, QStringLiteral("http://server/cancelled.gif"));
                close();
            });
            QCOMPARE(result, int(QDialog::Rejected));
            QCOMPARE(h.logos.m_strLogoUrl, std::string("http://"));
        }

        const int result = h.Run([&] {
            QCOMPARE(h.Edit(kLogoUrl)->text(), QStringLiteral("http://"));  // the cancelled text is gone
            h.Retype(kIconUrl, QString());
            h.Retype(kLogoUrl, QStringLiteral("http://例.jp/ロゴ.gif"));
            QTest::keyClick(h.Edit(kLogoUrl), Qt::Key_Return);  // OK is the default button
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.logos.m_strIconUrl, std::string());
        // Members hold Shift-JIS bytes.
        QCOMPARE(h.logos.m_strLogoUrl, std::string("http://\x97\xe1.jp/\x83\x8d\x83\x53.gif"));
        QCOMPARE(h.logos.m_strWideLogoUrl, std::string("http://"));
        QCOMPARE(h.platform.Messages().size(), qsizetype(0));
    }

    void showsWhatCodeSetBetweenOpenings()
    {
        Harness h;
        h.Run([] {});
        // As a Create leaves the members after trimming them.
        h.logos.m_strIconUrl = "http://server/logo.ico";
        h.logos.m_strWideLogoUrl = "";
        h.Run([&] {
            QCOMPARE(h.Edit(kIconUrl)->text(), QStringLiteral("http://server/logo.ico"));
            QCOMPARE(h.Edit(kWideLogoUrl)->text(), QString());
        });
    }
};

QTEST_MAIN(LogoDialogTest)
#include "logo_dialog_test.moc"
