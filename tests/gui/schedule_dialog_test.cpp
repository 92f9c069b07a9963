// The schedule dialog driven offscreen: what it shows, how it words the pace
// while the user types, which fields it refuses with which message, and that
// one refusal shows one message.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "channel/ScheduleRecord.h"
#include "dialogs/ScheduleDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using fwgui::MessageIcon;

namespace {

const QString kWeeks1 = QStringLiteral("1週間おきに\n\nその日＋");
const QString kNotPositive = QStringLiteral("正の整数を入力してください。");

struct Harness {
    fwtest::ScriptedPlatform platform;
    fw::ScheduleRecord record;
    CScheduleDlg dlg{platform, record, nullptr};

    template <typename T> T* Get(int id) const { return fwtest::FindControl<T>(&dlg, id); }
    QLineEdit* Edit(int id) const { return Get<QLineEdit>(id); }
    QString Label(int id) const { return Get<QLabel>(id)->text(); }
    bool Enabled(int id) const { return Get<QWidget>(id)->isEnabled(); }
    int MessageCount() const { return static_cast<int>(platform.Messages().size()); }

    // Opens the dialog modally and drives it once it is active; closes it
    // with Cancel if `drive` left it open. Returns DoModal's result.
    int Run(const std::function<void()>& drive)
    {
        QTimer::singleShot(0, &dlg, [this, drive] {
            if (QTest::qWaitForWindowActive(&dlg))
                drive();
            else
                QTest::qFail("the dialog did not become active", __FILE__, __LINE__);
            if (dlg.isVisible())
                dlg.reject();
        });
        return dlg.DoModal();
    }

    void Retype(int id, const QString& text) const
    {
        Edit(id)->setFocus(Qt::TabFocusReason);
        fwtest::ClearByKeyboard(Edit(id));
        fwtest::TypeText(Edit(id), text);
    }

    void ExpectRangeMessage(int index, unsigned min, unsigned max) const
    {
        QVERIFY(index < MessageCount());
        const fwtest::MessageCall& call = platform.Messages()[index];
        QCOMPARE(call.text, QStringLiteral("%1 から %2 までの整数を入力してください。").arg(min).arg(max));
        QCOMPARE(call.icon, MessageIcon::Exclamation);
        QCOMPARE(call.buttons, fwgui::MessageButtons::Ok);
    }

    void ExpectFirstOpeningState() const
    {
        QVERIFY(Get<QRadioButton>(1047)->isChecked());
        QVERIFY(!Get<QRadioButton>(1048)->isChecked());
        QCOMPARE(Edit(1032)->text(), QStringLiteral("7"));
        QVERIFY(Enabled(1032));
        QCOMPARE(Get<QComboBox>(1058)->currentText(), QStringLiteral("6"));
        QVERIFY(!Enabled(1058));
        QCOMPARE(Edit(1035)->text(), QStringLiteral("0"));
        QVERIFY(!Enabled(1035));
        QCOMPARE(Label(1055), kWeeks1);
        QCOMPARE(Label(1056), QStringLiteral("時"));
        QCOMPARE(Label(1057), QStringLiteral("時"));
        for (int id : {1039, 1040, 1041, 1042, 1043, 1044})
            QCOMPARE(Edit(id)->text(), QStringLiteral("0"));
        QVERIFY(!Get<QCheckBox>(1022)->isChecked());
        QVERIFY(!Get<QCheckBox>(1029)->isChecked());
        const unsigned today[] = {record.m_nStartYear, record.m_nStartMonth, record.m_nStartDay};
        const int startIds[] = {1021, 1024, 1025};
        const int stopIds[] = {1030, 1027, 1028};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Edit(startIds[i])->text(), QString::number(today[i]));
            QCOMPARE(Edit(stopIds[i])->text(), QString::number(today[i]));
            QVERIFY(!Enabled(startIds[i]));
            QVERIFY(!Enabled(stopIds[i]));
        }
        QCOMPARE(MessageCount(), 0);
    }
};

}  // namespace

class ScheduleDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensShowingTheDefaults()
    {
        Harness h;
        h.Run([&] {
            h.ExpectFirstOpeningState();
            const QComboBox* hours = h.Get<QComboBox>(1058);
            QStringList entries;
            for (int i = 0; i < hours->count(); ++i)
                entries << hours->itemText(i);
            QCOMPARE(entries.join(QLatin1Char(' ')), QStringLiteral("0 1 2 3 4 6 8 12"));
            QVERIFY(!hours->isEditable());
        });
    }

    void typingTheDayIntervalRewordsThePaceAtEachKeystroke()
    {
        Harness h;
        const int result = h.Run([&] {
            h.Retype(1032, QString());
            QCOMPARE(h.Label(1055), kWeeks1);  // an empty text changes nothing
            fwtest::TypeText(h.Edit(1032), QStringLiteral("1"));
            QCOMPARE(h.Label(1055), QStringLiteral("1日おきに\n\nその日＋"));
            fwtest::TypeText(h.Edit(1032), QStringLiteral("4"));
            QCOMPARE(h.Label(1055), QStringLiteral("2週間おきに\n\nその日＋"));
            QCOMPARE(h.record.m_nIntervalDay, 14u);
            QTest::mouseClick(h.Get<QPushButton>(1), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.record.m_nIntervalDay, 14u);
        QCOMPARE(h.MessageCount(), 0);
    }

    void zeroDaysIsRefusedAtTheKeystroke()
    {
        Harness h;
        h.Run([&] {
            h.Retype(1032, QStringLiteral("0"));
            QCOMPARE(h.MessageCount(), 1);
            h.ExpectRangeMessage(0, 1, 365);
            QCOMPARE(h.record.m_nIntervalDay, 0u);  // stored before the message
            QCOMPARE(h.Label(1055), QStringLiteral("0週間おきに\n\nその日＋"));
            QCOMPARE(QApplication::focusWidget(), h.Edit(1032));
        });
    }

    void okStopsAtTheFirstFieldOutOfRange()
    {
        Harness h;
        const int result = h.Run([&] {
            h.Retype(1039, QStringLiteral("3"));
            h.Retype(1040, QStringLiteral("25"));
            h.Retype(1041, QStringLiteral("30"));
            QTest::mouseClick(h.Get<QPushButton>(1), Qt::LeftButton);
            QVERIFY(h.dlg.isVisible());
            QCOMPARE(h.MessageCount(), 1);
            h.ExpectRangeMessage(0, 0, 24);
            QCOMPARE(QApplication::focusWidget(), h.Edit(1040));
            QCOMPARE(h.record.m_nEarliestDay, 3u);   // before the refused field
            QCOMPARE(h.record.m_nEarliestHour, 25u); // the refused value is kept
            QCOMPARE(h.record.m_nEarliestMin, 0u);   // after it: not taken

            h.Retype(1040, QStringLiteral("24"));
            QTest::mouseClick(h.Get<QPushButton>(1), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.MessageCount(), 1);
        QCOMPARE(h.record.m_nEarliestHour, 24u);
        QCOMPARE(h.record.m_nEarliestMin, 30u);
    }

    void anEmptyFieldIsRefusedWhenLeftAndOnlyOnce()
    {
        Harness h;
        h.Run([&] {
            h.Retype(1032, QString());
            QCOMPARE(h.MessageCount(), 0);
            QTest::keyClick(h.Edit(1032), Qt::Key_Tab);
            QCOMPARE(h.MessageCount(), 1);
            QCOMPARE(h.platform.Messages()[0].text, kNotPositive);
            QCOMPARE(QApplication::focusWidget(), h.Edit(1032));

            // A message box takes the focus from the field it refuses; that
            // must not report the refusal again. Once as a focus move inside
            // the dialog, once as a window of its own becoming active.
            h.platform.OnMessage([&](const fwtest::MessageCall&) { h.Edit(1039)->setFocus(Qt::OtherFocusReason); });
            h.Retype(1032, QStringLiteral("0"));
            QCOMPARE(h.MessageCount(), 2);
            h.ExpectRangeMessage(1, 1, 365);
            QCOMPARE(QApplication::focusWidget(), h.Edit(1032));

            h.platform.OnMessage([&](const fwtest::MessageCall&) {
                QWidget box;
                box.setWindowModality(Qt::ApplicationModal);
                QVERIFY(fwtest::ShowAndActivate(&box));
                box.close();
            });
            h.Retype(1032, QStringLiteral("0"));
            h.dlg.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.dlg));
            QCOMPARE(h.MessageCount(), 3);
            h.ExpectRangeMessage(2, 1, 365);
        });
    }

    void closingWithARefusableFieldShowsNothing()
    {
        for (const bool byEscape : {false, true}) {
            Harness h;
            const int result = h.Run([&] {
                h.Retype(1039, QStringLiteral("5"));  // nothing takes it before Cancel
                h.Retype(1032, QString());
                if (byEscape)
                    QTest::keyClick(h.Edit(1032), Qt::Key_Escape);
                else
                    QTest::mouseClick(h.Get<QPushButton>(2), Qt::LeftButton);
            });
            QCOMPARE(result, int(QDialog::Rejected));
            QCOMPARE(h.MessageCount(), 0);
            QCOMPARE(h.record.m_nIntervalDay, 7u);
            QCOMPARE(h.record.m_nEarliestDay, 0u);
        }
    }

    void hourUnitEnablesTheHourControlsAndRewordsThePace()
    {
        Harness h;
        h.Run([&] {
            QTest::mouseClick(h.Get<QRadioButton>(1048), Qt::LeftButton);
            QCOMPARE(h.record.m_nUpdateUnit, 1);
            QVERIFY(!h.Enabled(1032));
            QVERIFY(h.Enabled(1058));
            QVERIFY(h.Enabled(1035));
            QCOMPARE(h.Label(1055), QStringLiteral("毎日、0時から 6時間おきに\n\nそのときの時間＋"));
            QCOMPARE(h.Label(1056), QStringLiteral("時間"));
            QCOMPARE(h.Label(1057), QStringLiteral("時間"));

            h.Get<QComboBox>(1058)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(h.Get<QComboBox>(1058), Qt::Key_End);
            QCOMPARE(h.Label(1055), QStringLiteral("毎日、0時から 12時間おきに\n\nそのときの時間＋"));
            QCOMPARE(h.record.m_nHourSel, 7);
            QCOMPARE(h.record.m_nIntervalHour, 12u);

            QTest::mouseClick(h.Get<QRadioButton>(1047), Qt::LeftButton);
            QVERIFY(h.Enabled(1032));
            QVERIFY(!h.Enabled(1058));
            QCOMPARE(h.Label(1055), kWeeks1);
            QCOMPARE(h.Label(1056), QStringLiteral("時"));
        });
        QCOMPARE(h.MessageCount(), 0);
    }

    void dateCheckBoxesEnableTheirOwnEditsAndYearsAreUnchecked()
    {
        Harness h;
        const int result = h.Run([&] {
            QTest::mouseClick(h.Get<QCheckBox>(1022), Qt::LeftButton);
            for (int id : {1021, 1024, 1025})
                QVERIFY(h.Enabled(id));
            for (int id : {1030, 1027, 1028})
                QVERIFY(!h.Enabled(id));
            QTest::mouseClick(h.Get<QCheckBox>(1029), Qt::LeftButton);
            QVERIFY(h.Enabled(1030));
            h.Retype(1021, QStringLiteral("1"));
            h.Retype(1030, QStringLiteral("99999"));
            h.Retype(1024, QStringLiteral("2"));
            h.Retype(1025, QStringLiteral("31"));  // day and month are not checked together

            QTest::mouseClick(h.Get<QCheckBox>(1022), Qt::LeftButton);
            QVERIFY(!h.Enabled(1021));
            QCOMPARE(h.record.m_bStartDate, 0);
            QCOMPARE(h.record.m_nStartYear, 1u);  // the date stays
            QTest::mouseClick(h.Get<QPushButton>(1), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(h.MessageCount(), 0);
        QCOMPARE(h.record.m_nStartYear, 1u);
        QCOMPARE(h.record.m_nStartMonth, 2u);
        QCOMPARE(h.record.m_nStartDay, 31u);
        QCOMPARE(h.record.m_nStopYear, 99999u);
        QCOMPARE(h.record.m_bStopDate, 1);
    }

    void outOfRangeValuesFromAFileAreRefusedOnceOnOpening()
    {
        Harness h;
        h.record.m_nIntervalMin = 75;
        h.record.m_bStopDate = 1;
        h.Run([&] {
            QCOMPARE(h.Edit(1035)->text(), QStringLiteral("75"));
            QCOMPARE(h.MessageCount(), 1);
            h.ExpectRangeMessage(0, 0, 59);
            QVERIFY(h.Enabled(1030));  // the date edits still follow the record
            QVERIFY(!h.Enabled(1021));
        });
        QCOMPARE(h.MessageCount(), 1);
    }

    void resetScheduleBringsBackTheFirstOpeningState()
    {
        Harness h;
        h.Run([&] {
            QTest::mouseClick(h.Get<QRadioButton>(1048), Qt::LeftButton);
            h.Get<QComboBox>(1058)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(h.Get<QComboBox>(1058), Qt::Key_End);
            QTest::mouseClick(h.Get<QCheckBox>(1022), Qt::LeftButton);
            h.Retype(1039, QStringLiteral("5"));
            QTest::mouseClick(h.Get<QPushButton>(1), Qt::LeftButton);
        });
        QCOMPARE(h.record.m_nHourSel, 7);
        QCOMPARE(h.record.m_nEarliestDay, 5u);

        h.record.ResetSchedule();
        h.Run([&] { h.ExpectFirstOpeningState(); });
        QCOMPARE(h.record.m_nIntervalHour, 6u);
    }
};

QTEST_MAIN(ScheduleDialogTest)
#include "schedule_dialog_test.moc"
