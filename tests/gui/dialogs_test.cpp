// The main form's settings dialogs driven offscreen. The schedule dialog:
// what it shows, how it words the pace while the user types, which fields it
// refuses, and one message per refusal. The logo dialog: it shows the logo
// set on opening, takes the edits on OK and leaves the set alone on Cancel.

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QMetaEnum>
#include <QTest>

#include "channel/LogoSet.h"
#include "channel/ScheduleRecord.h"
#include "common/CaseFile.h"
#include "dialogs/LogoDlg.h"
#include "dialogs/LogoDlgIds.h"
#include "dialogs/ScheduleDlg.h"
#include "dialogs/ScheduleDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using namespace schedule_dlg;
using fwtest::Retype;

namespace {

const QList<int> kPace = {IDC_RADIO_DAY,        IDC_RADIO_HOUR,  IDC_EDIT_INTERVALDAY,    IDC_COMBO_HOUR,
                          IDC_EDIT_INTERVALMIN, IDC_STATIC_PACE, IDC_STATIC_EARLIESTHOUR, IDC_STATIC_LATESTHOUR};
const QString kWeeks1 =
    u"IDC_RADIO_DAY=[x] IDC_RADIO_HOUR=[ ] IDC_EDIT_INTERVALDAY=7 !IDC_COMBO_HOUR=6 "
    "!IDC_EDIT_INTERVALMIN=0 IDC_STATIC_PACE=1週間おきに\n\nその日＋ IDC_STATIC_EARLIESTHOUR=時 "
    "IDC_STATIC_LATESTHOUR=時"_s;
const QList<int> kDates = {IDC_CHECK_STARTDATE, IDC_EDIT_STARTYEAR, IDC_EDIT_STARTMONTH, IDC_EDIT_STARTDAY,
                           IDC_CHECK_STOPDATE,  IDC_EDIT_STOPYEAR,  IDC_EDIT_STOPMONTH,  IDC_EDIT_STOPDAY};
const QList<int> kWindow = {IDC_EDIT_EARLIESTDAY, IDC_EDIT_EARLIESTHOUR, IDC_EDIT_EARLIESTMIN,
                            IDC_EDIT_LATESTDAY,   IDC_EDIT_LATESTHOUR,   IDC_EDIT_LATESTMIN};
const QString kNotPositive = u"feedwright: 正の整数を入力してください。"_s;

QString Range(int min, int max)
{
    return u"feedwright: %1 から %2 までの整数を入力してください。 (!)"_s.arg(min).arg(max);
}

// `pattern` with "=Y", "=M" and "=D" standing for today's year, month and day.
QString Today(QString pattern)
{
    const QDate today = QDate::currentDate();
    return pattern.replace(u"=Y"_s, u"=%1"_s.arg(today.year()))
        .replace(u"=M"_s, u"=%1"_s.arg(today.month()))
        .replace(u"=D"_s, u"=%1"_s.arg(today.day()));
}

struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::ScheduleRecord record;
    CScheduleDlg dlg{platform, record, nullptr};

    QWidget* Control(int id) const { return fwtest::FindControl<QWidget>(&dlg, id); }
    QString Shown(const QList<int>& ids) const { return fwtest::Outline(&dlg, ids); }
    const QStringList& Messages() const { return platform.Messages(); }
    void Click(int id) const { fwtest::Click(Control(id)); }
    int Run(const std::function<void()>& drive) { return fwtest::RunModal(dlg, drive); }
    void ChooseLastHour() const
    {
        Control(IDC_COMBO_HOUR)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control(IDC_COMBO_HOUR), Qt::Key_End);
    }
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"feedwright"_s); }

    void firstOpeningResetAndAValueOutOfRange()
    {
        Harness h;
        const auto expectFirstOpening = [&] {
            QCOMPARE(h.Shown(kPace), kWeeks1);
            QCOMPARE(h.Shown(kWindow),
                     u"IDC_EDIT_EARLIESTDAY=0 IDC_EDIT_EARLIESTHOUR=0 IDC_EDIT_EARLIESTMIN=0 "
                     "IDC_EDIT_LATESTDAY=0 IDC_EDIT_LATESTHOUR=0 IDC_EDIT_LATESTMIN=0"_s);
            QCOMPARE(h.Shown(kDates),
                     Today(u"IDC_CHECK_STARTDATE=[ ] !IDC_EDIT_STARTYEAR=Y !IDC_EDIT_STARTMONTH=M !IDC_EDIT_STARTDAY=D "
                           "IDC_CHECK_STOPDATE=[ ] !IDC_EDIT_STOPYEAR=Y !IDC_EDIT_STOPMONTH=M !IDC_EDIT_STOPDAY=D"_s));
        };
        h.Run(expectFirstOpening);
        h.Run([&] {
            h.Click(IDC_RADIO_HOUR);
            h.ChooseLastHour();
            h.Click(IDC_CHECK_STARTDATE);
            h.Click(IDC_CHECK_STOPDATE);
            Retype(h.Control(IDC_EDIT_EARLIESTDAY), u"5"_s);
            h.Click(IDOK);
        });
        QCOMPARE(h.record.m_nHourSel, 7);
        h.record.ResetSchedule();
        h.Run(expectFirstOpening);
        QCOMPARE(h.record.m_nIntervalHour, 6u);
        QVERIFY(h.Messages().isEmpty());

        // A value read from a file may be out of range: refused once, on opening.
        h.record.m_nIntervalMin = 75;
        h.record.m_bStopDate = 1;
        h.Run([&] {
            QCOMPARE(h.Shown({IDC_EDIT_INTERVALMIN, IDC_EDIT_STARTYEAR, IDC_EDIT_STOPYEAR}),
                     Today(u"!IDC_EDIT_INTERVALMIN=75 !IDC_EDIT_STARTYEAR=Y IDC_EDIT_STOPYEAR=Y"_s));
        });
        QCOMPARE(h.Messages(), QStringList{Range(0, 59)});
    }

    void dayIntervalKeystrokes()
    {
        Harness h;
        QWidget* days = h.Control(IDC_EDIT_INTERVALDAY);
        const int result = h.Run([&] {
            Retype(days, QString());  // nothing is said until the field is left
            QCOMPARE(h.Shown({IDC_STATIC_PACE}), u"IDC_STATIC_PACE=1週間おきに\n\nその日＋"_s);
            fwtest::TypeText(days, u"1"_s);
            QCOMPARE(h.Shown({IDC_STATIC_PACE}), u"IDC_STATIC_PACE=1日おきに\n\nその日＋"_s);
            fwtest::TypeText(days, u"4"_s);
            QCOMPARE(h.Shown({IDC_STATIC_PACE}), u"IDC_STATIC_PACE=2週間おきに\n\nその日＋"_s);
            QCOMPARE(h.record.m_nIntervalDay, 14u);
            QVERIFY(h.Messages().isEmpty());

            Retype(days, u"0"_s);  // refused at once, stored all the same and worded
            QCOMPARE(h.Messages(), QStringList{Range(1, 365)});
            QCOMPARE(h.record.m_nIntervalDay, 0u);
            QCOMPARE(h.Shown({IDC_STATIC_PACE}), u"IDC_STATIC_PACE=0週間おきに\n\nその日＋"_s);
            Retype(days, QString());
            QTest::keyClick(days, Qt::Key_Tab);  // an empty field is refused when left and keeps the focus
            QCOMPARE(QApplication::focusWidget(), days);

            // A message box takes the focus from the field it refuses, inside
            // the dialog or as a window of its own: that is no second refusal.
            h.platform.OnMessage([&] { h.Control(IDC_EDIT_EARLIESTDAY)->setFocus(Qt::OtherFocusReason); });
            Retype(days, u"0"_s);
            h.platform.OnMessage([&] {
                QWidget box;
                box.setWindowModality(Qt::ApplicationModal);
                QVERIFY(fwtest::ShowAndActivate(&box));
            });
            Retype(days, u"0"_s);
            h.dlg.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.dlg));
            h.platform.OnMessage(nullptr);
            Retype(days, QString());
            h.Click(IDOK);  // OK stays open, with one message
            QCOMPARE(h.Messages(),
                     (QStringList{Range(1, 365), kNotPositive, Range(1, 365), Range(1, 365), kNotPositive}));
            QCOMPARE(QApplication::focusWidget(), days);
            Retype(days, u"14"_s);
            h.Click(IDOK);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.record.m_nIntervalDay, 14u);
    }

    void okStaysOpenOnARefusalAndCancelTakesNothing()
    {
        Harness h;
        const int result = h.Run([&] {
            Retype(h.Control(IDC_EDIT_EARLIESTDAY), u"3"_s);
            Retype(h.Control(IDC_EDIT_EARLIESTHOUR), u"25"_s);
            Retype(h.Control(IDC_EDIT_EARLIESTMIN), u"30"_s);
            h.Click(IDOK);
            QVERIFY(h.dlg.isVisible());
            QCOMPARE(h.Messages(), QStringList{Range(0, 24)});
            QCOMPARE(QApplication::focusWidget(), h.Control(IDC_EDIT_EARLIESTHOUR));
            // Taken up to the refused field, which keeps its value.
            const fw::ScheduleRecord& r = h.record;
            QCOMPARE((QList<unsigned>{r.m_nEarliestDay, r.m_nEarliestHour, r.m_nEarliestMin}),
                     (QList<unsigned>{3, 25, 0}));
            Retype(h.Control(IDC_EDIT_EARLIESTHOUR), u"24"_s);
            h.Click(IDOK);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE((QList<unsigned>{h.record.m_nEarliestHour, h.record.m_nEarliestMin}), (QList<unsigned>{24, 30}));

        // Cancel and Escape take nothing and say nothing, even with a field that would be refused.
        for (const bool escape : {false, true}) {
            QCOMPARE(h.Run([&] {
                Retype(h.Control(IDC_EDIT_EARLIESTMIN), u"7"_s);
                Retype(h.Control(IDC_EDIT_INTERVALDAY), QString());
                escape ? QTest::keyClick(h.Control(IDC_EDIT_INTERVALDAY), Qt::Key_Escape) : h.Click(IDCANCEL);
            }),
                     int(QDialog::Rejected));
            QCOMPARE(h.Messages().size(), 1);
            QCOMPARE(h.record.m_nEarliestMin, 30u);
        }
        // A unit's click takes the fields once, also on the unit already chosen.
        h.Run([&] {
            Retype(h.Control(IDC_EDIT_EARLIESTMIN), u"99"_s);
            h.Click(IDC_RADIO_HOUR);
            QCOMPARE(h.Messages().mid(1), QStringList{Range(0, 59)});
            h.Click(IDC_RADIO_HOUR);
            QCOMPARE(h.Messages().size(), 3);
        });
    }

    // The cases of tests/data/gui/schedule_ranges.txt.
    void everyFieldTakesItsBoundsAndRefusesOnePast()
    {
        const QMetaEnum ids = QMetaEnum::fromType<schedule_dlg::ControlId>();
        Harness h;
        h.Run([&] {
            QStringList taken, expected;
            for (const auto& c : casefile::Rows("gui/schedule_ranges.txt")) {
                const int id = ids.keyToValue(c.at(0).c_str());
                const unsigned min = std::stoul(c.at(1)), max = std::stoul(c.at(2));
                QVERIFY(id >= 0);
                for (const unsigned value : {min - 1, min, max, max + 1}) {
                    if (value == unsigned(-1))
                        continue;
                    const QString field = fwtest::ControlName(&h.dlg, id) + u'=' + QString::number(value);
                    qobject_cast<QLineEdit*>(h.Control(id))->setText(QString::number(value));  // also when disabled
                    const qsizetype before = h.Messages().size();
                    const bool ok = h.dlg.UpdateData(true);
                    taken << field + (ok ? u" taken"_s : u" refused: "_s + h.Messages().value(before));
                    expected << field +
                            (value >= min && value <= max ? u" taken"_s : u" refused: "_s + Range(min, max));
                    qobject_cast<QLineEdit*>(h.Control(id))->setText(QString::number(min));
                }
            }
            QCOMPARE(taken.size(), 41);  // a row left unread would pass unseen
            QCOMPARE(taken.join(u'\n'), expected.join(u'\n'));
        });
    }

    void hourUnitAndDates()
    {
        Harness h;
        h.Run([&] {
            h.Click(IDC_RADIO_HOUR);
            QCOMPARE(h.Shown(kPace),
                     u"IDC_RADIO_DAY=[ ] IDC_RADIO_HOUR=[x] !IDC_EDIT_INTERVALDAY=7 IDC_COMBO_HOUR=6 "
                     "IDC_EDIT_INTERVALMIN=0 IDC_STATIC_PACE=毎日、0時から 6時間おきに\n\n"
                     "そのときの時間＋ IDC_STATIC_EARLIESTHOUR=時間 IDC_STATIC_LATESTHOUR=時間"_s);
            h.ChooseLastHour();
            QCOMPARE(h.Shown({IDC_STATIC_PACE}), u"IDC_STATIC_PACE=毎日、0時から 12時間おきに\n\nそのときの時間＋"_s);
            h.Click(IDC_RADIO_DAY);
            QCOMPARE(h.Shown(kPace), QString(kWeeks1).replace(u"!IDC_COMBO_HOUR=6"_s, u"!IDC_COMBO_HOUR=12"_s));

            // Each check box enables its own date; the date stays when it is unchecked.
            h.Click(IDC_CHECK_STARTDATE);
            QCOMPARE(h.Shown(kDates),
                     Today(u"IDC_CHECK_STARTDATE=[x] IDC_EDIT_STARTYEAR=Y IDC_EDIT_STARTMONTH=M IDC_EDIT_STARTDAY=D "
                           "IDC_CHECK_STOPDATE=[ ] !IDC_EDIT_STOPYEAR=Y !IDC_EDIT_STOPMONTH=M !IDC_EDIT_STOPDAY=D"_s));
            h.Click(IDC_CHECK_STOPDATE);
            Retype(h.Control(IDC_EDIT_STARTYEAR), u"1"_s);
            Retype(h.Control(IDC_EDIT_STOPYEAR), u"99999"_s);
            h.Click(IDC_CHECK_STARTDATE);
            QCOMPARE(h.Shown({IDC_EDIT_STARTYEAR, IDC_EDIT_STOPYEAR}),
                     u"!IDC_EDIT_STARTYEAR=1 IDC_EDIT_STOPYEAR=99999"_s);
            h.Click(IDOK);
        });
        QVERIFY(h.Messages().isEmpty());
        const fw::ScheduleRecord& r = h.record;
        QCOMPARE((QList<unsigned>{r.m_nIntervalHour, r.m_nStartYear, r.m_nStopYear}), (QList<unsigned>{12, 1, 99999}));
        QCOMPARE((QList<int>{r.m_bStartDate, r.m_bStopDate}), (QList<int>{0, 1}));
    }

    void logoDialogShowsTakesAndLeavesTheLogoSet()
    {
        fwtest::ScriptedPlatform platform;
        fw::LogoSet logos;
        CLogoDlg dlg(platform, logos, nullptr);
        const auto control = [&dlg](int id) { return fwtest::FindControl<QWidget>(&dlg, id); };
        QStringList shown;
        const auto retypeLogoAnd = [&](int closer) {
            const QWidget* focus = QApplication::focusWidget();
            shown << fwtest::Outline(
                         &dlg,
                         {logo_dlg::IDC_EDIT_ICONURL, logo_dlg::IDC_EDIT_LOGOURL, logo_dlg::IDC_EDIT_WIDELOGOURL}) +
                    u" focus="_s + fwtest::NameOf(focus);
            fwtest::Retype(control(logo_dlg::IDC_EDIT_LOGOURL), u"http://例.jp/ロゴ.gif"_s);
            fwtest::Click(control(closer));
        };
        QCOMPARE(fwtest::RunModal(dlg, [&] { retypeLogoAnd(logo_dlg::IDCANCEL); }), int(QDialog::Rejected));
        QCOMPARE(logos.m_strLogoUrl, std::string("http://"));

        // As a Create leaves the members after trimming them.
        logos.m_strIconUrl = "http://server/logo.ico";
        logos.m_strWideLogoUrl = "";
        QCOMPARE(fwtest::RunModal(dlg, [&] { retypeLogoAnd(logo_dlg::IDOK); }), int(QDialog::Accepted));
        // Each opening starts on the first tab stop, wherever the focus was left.
        QCOMPARE(
            shown,
            (QStringList{
                u"IDC_EDIT_ICONURL=http:// IDC_EDIT_LOGOURL=http:// IDC_EDIT_WIDELOGOURL=http:// focus=IDOK"_s,
                u"IDC_EDIT_ICONURL=http://server/logo.ico IDC_EDIT_LOGOURL=http:// IDC_EDIT_WIDELOGOURL= focus=IDOK"_s}));
        QCOMPARE(logos.m_strLogoUrl, std::string("http://\x97\xe1.jp/\x83\x8d\x83\x53.gif"));
        QCOMPARE(logos.m_strIconUrl, std::string("http://server/logo.ico"));
        QVERIFY(platform.Messages().isEmpty());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
