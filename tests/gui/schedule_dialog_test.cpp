// The schedule dialog driven offscreen: what it shows, how it words the pace
// while the user types, which fields it refuses, and one message per refusal.

#include <QApplication>
#include <QDate>
#include <QTest>

#include "channel/ScheduleRecord.h"
#include "dialogs/ScheduleDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using fwtest::Retype;

namespace {

const QList<int> kPace = {1047, 1048, 1032, 1058, 1035, 1055, 1056, 1057};
const QString kWeeks1 = u"1047=[x] 1048=[ ] 1032=7 !1058=6 !1035=0 1055=1週間おきに\n\nその日＋ 1056=時 1057=時"_s;
const QList<int> kDates = {1022, 1021, 1024, 1025, 1029, 1030, 1027, 1028};
const QString kNotPositive = u"feedwright: 正の整数を入力してください。"_s;

QString Range(int min, int max) { return u"feedwright: %1 から %2 までの整数を入力してください。 (!)"_s.arg(min).arg(max); }

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
        Control(1058)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Control(1058), Qt::Key_End);
    }
};

}  // namespace

class ScheduleDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"feedwright"_s); }

    void firstOpeningResetAndAValueOutOfRange()
    {
        Harness h;
        const auto expectFirstOpening = [&] {
            QCOMPARE(h.Shown(kPace), kWeeks1);
            QCOMPARE(h.Shown({1039, 1040, 1041, 1042, 1043, 1044}), u"1039=0 1040=0 1041=0 1042=0 1043=0 1044=0"_s);
            QCOMPARE(h.Shown(kDates), Today(u"1022=[ ] !1021=Y !1024=M !1025=D 1029=[ ] !1030=Y !1027=M !1028=D"_s));
        };
        h.Run(expectFirstOpening);
        h.Run([&] {
            h.Click(1048);
            h.ChooseLastHour();
            h.Click(1022);
            h.Click(1029);
            Retype(h.Control(1039), u"5"_s);
            h.Click(1);
        });
        QCOMPARE(h.record.m_nHourSel, 7);
        h.record.ResetSchedule();
        h.Run(expectFirstOpening);
        QCOMPARE(h.record.m_nIntervalHour, 6u);
        QVERIFY(h.Messages().isEmpty());

        // A value read from a file may be out of range: refused once, on opening.
        h.record.m_nIntervalMin = 75;
        h.record.m_bStopDate = 1;
        h.Run([&] { QCOMPARE(h.Shown({1035, 1021, 1030}), Today(u"!1035=75 !1021=Y 1030=Y"_s)); });
        QCOMPARE(h.Messages(), QStringList{Range(0, 59)});
    }

    void dayIntervalKeystrokes()
    {
        Harness h;
        QWidget* days = h.Control(1032);
        const int result = h.Run([&] {
            Retype(days, QString());  // nothing is said until the field is left
            QCOMPARE(h.Shown({1055}), u"1055=1週間おきに\n\nその日＋"_s);
            fwtest::TypeText(days, u"1"_s);
            QCOMPARE(h.Shown({1055}), u"1055=1日おきに\n\nその日＋"_s);
            fwtest::TypeText(days, u"4"_s);
            QCOMPARE(h.Shown({1055}), u"1055=2週間おきに\n\nその日＋"_s);
            QCOMPARE(h.record.m_nIntervalDay, 14u);
            QVERIFY(h.Messages().isEmpty());

            Retype(days, u"0"_s);  // refused at once, stored all the same and worded
            QCOMPARE(h.Messages(), QStringList{Range(1, 365)});
            QCOMPARE(h.record.m_nIntervalDay, 0u);
            QCOMPARE(h.Shown({1055}), u"1055=0週間おきに\n\nその日＋"_s);
            Retype(days, QString());
            QTest::keyClick(days, Qt::Key_Tab);  // an empty field is refused when left and keeps the focus
            QCOMPARE(QApplication::focusWidget(), days);

            // A message box takes the focus from the field it refuses, inside
            // the dialog or as a window of its own: that is no second refusal.
            h.platform.OnMessage([&] { h.Control(1039)->setFocus(Qt::OtherFocusReason); });
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
            h.Click(1);  // OK stays open, with one message
            QCOMPARE(h.Messages(),
                     (QStringList{Range(1, 365), kNotPositive, Range(1, 365), Range(1, 365), kNotPositive}));
            QCOMPARE(QApplication::focusWidget(), days);
            Retype(days, u"14"_s);
            h.Click(1);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.record.m_nIntervalDay, 14u);
    }

    void okStaysOpenOnARefusalAndCancelTakesNothing()
    {
        Harness h;
        const int result = h.Run([&] {
            Retype(h.Control(1039), u"3"_s);
            Retype(h.Control(1040), u"25"_s);
            Retype(h.Control(1041), u"30"_s);
            h.Click(1);
            QVERIFY(h.dlg.isVisible());
            QCOMPARE(h.Messages(), QStringList{Range(0, 24)});
            QCOMPARE(QApplication::focusWidget(), h.Control(1040));
            // Taken up to the refused field, which keeps its value.
            const fw::ScheduleRecord& r = h.record;
            QCOMPARE((QList<unsigned>{r.m_nEarliestDay, r.m_nEarliestHour, r.m_nEarliestMin}),
                     (QList<unsigned>{3, 25, 0}));
            Retype(h.Control(1040), u"24"_s);
            h.Click(1);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE((QList<unsigned>{h.record.m_nEarliestHour, h.record.m_nEarliestMin}), (QList<unsigned>{24, 30}));

        // Cancel and Escape take nothing and say nothing, even with a field that would be refused.
        for (const bool escape : {false, true}) {
            QCOMPARE(h.Run([&] {
                Retype(h.Control(1041), u"7"_s);
                Retype(h.Control(1032), QString());
                escape ? QTest::keyClick(h.Control(1032), Qt::Key_Escape) : h.Click(2);
            }), int(QDialog::Rejected));
            QCOMPARE(h.Messages().size(), 1);
            QCOMPARE(h.record.m_nEarliestMin, 30u);
        }
    }

    // A unit's click takes the fields once, also on the unit already chosen.
    void aUnitClickTakesTheFieldsOnce()
    {
        Harness h;
        h.Run([&] {
            Retype(h.Control(1041), u"99"_s);
            h.Click(1048);
            QCOMPARE(h.Messages(), QStringList{Range(0, 59)});
            h.Click(1048);
            QCOMPARE(h.Messages().size(), 2);
        });
    }

    void hourUnitAndDates()
    {
        Harness h;
        h.Run([&] {
            h.Click(1048);
            QCOMPARE(h.Shown(kPace), u"1047=[ ] 1048=[x] !1032=7 1058=6 1035=0 1055=毎日、0時から 6時間おきに\n\n"
                                     "そのときの時間＋ 1056=時間 1057=時間"_s);
            h.ChooseLastHour();
            QCOMPARE(h.Shown({1055}), u"1055=毎日、0時から 12時間おきに\n\nそのときの時間＋"_s);
            h.Click(1047);
            QCOMPARE(h.Shown(kPace), QString(kWeeks1).replace(u"!1058=6"_s, u"!1058=12"_s));

            // Each check box enables its own date; the date stays when it is unchecked.
            h.Click(1022);
            QCOMPARE(h.Shown(kDates), Today(u"1022=[x] 1021=Y 1024=M 1025=D 1029=[ ] !1030=Y !1027=M !1028=D"_s));
            h.Click(1029);
            Retype(h.Control(1021), u"1"_s);
            Retype(h.Control(1030), u"99999"_s);
            h.Click(1022);
            QCOMPARE(h.Shown({1021, 1030}), u"!1021=1 1030=99999"_s);
            h.Click(1);
        });
        QVERIFY(h.Messages().isEmpty());
        const fw::ScheduleRecord& r = h.record;
        QCOMPARE((QList<unsigned>{r.m_nIntervalHour, r.m_nStartYear, r.m_nStopYear}), (QList<unsigned>{12, 1, 99999}));
        QCOMPARE((QList<int>{r.m_bStartDate, r.m_bStopDate}), (QList<int>{0, 1}));
    }
};

QTEST_MAIN(ScheduleDialogTest)
#include "schedule_dialog_test.moc"
