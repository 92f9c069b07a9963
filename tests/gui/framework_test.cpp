// The dialog framework on real widgets: every kind of data exchange in both
// directions, the standard refusals with their messages and focus, the
// exchange guard, Shift-JIS at the widget edge and the filter translation.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/SjisQt.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using fwgui::MessageButtons;
using fwgui::MessageIcon;
using fwtest::FindControl;

namespace {

// "漢字" in CP932.
const std::string kKanjiSjis = "\x8A\xBF\x8E\x9A";
const QString kRangeMessage = QStringLiteral("%1 から %2 までの整数を入力してください。");
const QString kNumberMessage = QStringLiteral("正の整数を入力してください。");

// A dialog with one control of every kind, exchanged in this order.
class ProbeDlg : public fwgui::CDialog {
public:
    explicit ProbeDlg(fwgui::Platform& platform) : CDialog(platform, nullptr, QStringLiteral("probe"), 200, 150)
    {
        Add(new QLineEdit(this), 1001, 5, 5, 100, 12);
        Add(new QPlainTextEdit(this), 1002, 5, 20, 100, 30);
        Add(new QCheckBox(QStringLiteral("check"), this), 1003, 5, 55, 60, 10);
        for (int id = 1004; id <= 1006; ++id)
            m_radios.append(Add(new QRadioButton(QString::number(id), this), id, 5 + (id - 1004) * 30, 70, 28, 10));
        auto* combo = Add(new QComboBox(this), 1007, 5, 85, 60, 40);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        Add(new QLineEdit(this), 1008, 5, 100, 40, 12);
        Add(new QLineEdit(this), 1009, 50, 100, 40, 12);
        Add(new QLineEdit(this), 1010, 5, 115, 100, 12);
    }

    std::string m_strLine;
    std::string m_strMulti;
    int m_bCheck = 0;
    int m_nRadio = 0;
    int m_nCombo = 0;
    unsigned m_nDays = 7;    // 1..365
    unsigned m_nHour = 0;    // 0..24
    std::string m_strAfter;  // exchanged after the numbers
    QList<QRadioButton*> m_radios;

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override
    {
        fwgui::DDX_Text(dx, Control<QLineEdit>(1001), m_strLine);
        fwgui::DDX_Text(dx, Control<QPlainTextEdit>(1002), m_strMulti);
        fwgui::DDX_Check(dx, Control<QCheckBox>(1003), m_bCheck);
        fwgui::DDX_Radio(dx, m_radios, m_nRadio);
        fwgui::DDX_CBIndex(dx, Control<QComboBox>(1007), m_nCombo);
        fwgui::DDX_Text(dx, Control<QLineEdit>(1008), m_nDays);
        fwgui::DDV_MinMaxUInt(dx, m_nDays, 1, 365);
        fwgui::DDX_Text(dx, Control<QLineEdit>(1009), m_nHour);
        fwgui::DDV_MinMaxUInt(dx, m_nHour, 0, 24);
        fwgui::DDX_Text(dx, Control<QLineEdit>(1010), m_strAfter);
    }
};

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

private:
    fwtest::ScriptedPlatform* m_platform = nullptr;
    ProbeDlg* m_dlg = nullptr;

    QLineEdit* Edit(int id) const { return FindControl<QLineEdit>(m_dlg, id); }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("feedwright")); }

    void init()
    {
        m_platform = new fwtest::ScriptedPlatform;
        m_dlg = new ProbeDlg(*m_platform);
        QVERIFY(fwtest::ShowAndActivate(m_dlg));
        QVERIFY(m_dlg->UpdateData(false));
    }

    void cleanup()
    {
        delete m_dlg;
        delete m_platform;
    }

    void textShowsAndTakesShiftJis()
    {
        m_dlg->m_strLine = kKanjiSjis;
        m_dlg->UpdateData(false);
        QCOMPARE(Edit(1001)->text(), QStringLiteral("漢字"));

        fwtest::ClearByKeyboard(Edit(1001));
        fwtest::TypeText(Edit(1001), QStringLiteral("字漢 x"));
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strLine, std::string("\x8E\x9A\x8A\xBF x"));
    }

    void multiLineHoldsOneLineFeedPerBreak()
    {
        auto* edit = FindControl<QPlainTextEdit>(m_dlg, 1002);
        // A CR LF that arrives in a member (an older file) shows as one break.
        m_dlg->m_strMulti = "a\r\nb\nc";
        m_dlg->UpdateData(false);
        QCOMPARE(edit->blockCount(), 3);
        QCOMPARE(edit->toPlainText(), QStringLiteral("a\nb\nc"));

        edit->clear();
        edit->setFocus();
        fwtest::TypeText(edit, QStringLiteral("x\ny"));
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strMulti, std::string("x\ny"));
    }

    void lineBreaksAtTheWidgetEdge()
    {
        QCOMPARE(fwgui::ToQString("a\r\nb\r\n"), QStringLiteral("a\nb\n"));
        QCOMPARE(fwgui::FromQString(QStringLiteral("a\r\nb")), std::string("a\nb"));
        QCOMPARE(fwgui::FromQString(QString::fromUtf16(u"a\u2029b\u2028c")), std::string("a\nb\nc"));
        // A lone CR is not a line break of ours; it stays.
        QCOMPARE(fwgui::FromQString(QStringLiteral("a\rb")), std::string("a\rb"));
    }

    void characterOutsideShiftJisSurvivesTheRoundTrip()
    {
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        fwtest::ClearByKeyboard(Edit(1001));
        fwtest::TypeText(Edit(1001), QStringLiteral("a") + emoji);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strLine, std::string("a&#x1F600;"));

        Edit(1001)->clear();
        m_dlg->UpdateData(false);
        QCOMPARE(Edit(1001)->text(), QStringLiteral("a") + emoji);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strLine, std::string("a&#x1F600;"));
    }

    void checkRadioAndComboBothWays()
    {
        auto* check = FindControl<QCheckBox>(m_dlg, 1003);
        auto* combo = FindControl<QComboBox>(m_dlg, 1007);

        m_dlg->m_bCheck = 1;
        m_dlg->m_nRadio = 2;
        m_dlg->m_nCombo = 1;
        m_dlg->UpdateData(false);
        QVERIFY(check->isChecked());
        QVERIFY(m_dlg->m_radios[2]->isChecked());
        QVERIFY(!m_dlg->m_radios[0]->isChecked());
        QCOMPARE(combo->currentIndex(), 1);

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QTest::mouseClick(m_dlg->m_radios[0], Qt::LeftButton, {}, QPoint(5, m_dlg->m_radios[0]->height() / 2));
        combo->setCurrentIndex(2);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_bCheck, 0);
        QCOMPARE(m_dlg->m_nRadio, 0);
        QCOMPARE(m_dlg->m_nCombo, 2);

        // Values outside the group or the list show no choice at all, and
        // taking them back gives -1.
        m_dlg->m_nRadio = 7;
        m_dlg->m_nCombo = 9;
        m_dlg->UpdateData(false);
        for (QRadioButton* radio : m_dlg->m_radios)
            QVERIFY(!radio->isChecked());
        QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_nRadio, -1);
        QCOMPARE(m_dlg->m_nCombo, -1);

        // After showing none, a valid index checks exactly one again.
        m_dlg->m_nRadio = 1;
        m_dlg->UpdateData(false);
        QVERIFY(m_dlg->m_radios[1]->isChecked());
        QTest::mouseClick(m_dlg->m_radios[2], Qt::LeftButton, {}, QPoint(5, m_dlg->m_radios[2]->height() / 2));
        QVERIFY(!m_dlg->m_radios[1]->isChecked());
    }

    void numberTextsAccepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("value");
        QTest::newRow("blanks and tab around") << QStringLiteral("  12\t") << 12u;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7u;
        QTest::newRow("largest") << QStringLiteral("4294967295") << 4294967295u;
        // Only the first 31 characters are read.
        QTest::newRow("tail beyond 31 characters") << (QStringLiteral("3") + QString(30, QLatin1Char(' ')) + QStringLiteral("x")) << 3u;
    }

    void numberTextsAccepted()
    {
        QFETCH(QString, text);
        QFETCH(unsigned, value);
        // The day field's range check may refuse the value afterwards; it is
        // stored all the same.
        Edit(1008)->setText(text);
        m_dlg->UpdateData(true);
        QCOMPARE(m_dlg->m_nDays, value);
        QVERIFY(m_platform->Messages().isEmpty() || m_platform->Messages().first().text != kNumberMessage);
    }

    void numberTextsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("minus") << QStringLiteral("-1");
        QTest::newRow("plus") << QStringLiteral("+1");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("   ");
        QTest::newRow("letter after") << QStringLiteral("1a");
        QTest::newRow("blank inside") << QStringLiteral("1 2");
        QTest::newRow("full-width digit") << QStringLiteral("１");
        QTest::newRow("beyond 32 bits") << QStringLiteral("99999999999");
        QTest::newRow("just beyond 32 bits") << QStringLiteral("4294967296");
    }

    void numberTextsRefused()
    {
        QFETCH(QString, text);
        m_dlg->m_strAfter = "kept";
        Edit(1008)->setText(text);
        // The field after it is bad too: only the first refusal is shown.
        Edit(1009)->setText(QStringLiteral("x"));
        Edit(1010)->setText(QStringLiteral("changed"));

        QVERIFY(!m_dlg->UpdateData(true));
        QCOMPARE(m_platform->Messages().size(), 1);
        const fwtest::MessageCall& call = m_platform->Messages().first();
        QCOMPARE(call.text, kNumberMessage);
        QCOMPARE(call.caption, QStringLiteral("feedwright"));
        QCOMPARE(call.buttons, MessageButtons::Ok);
        QCOMPARE(call.icon, MessageIcon::None);
        QCOMPARE(call.owner, m_dlg);
        QCOMPARE(m_dlg->m_nDays, 7u);
        QCOMPARE(m_dlg->m_strAfter, std::string("kept"));
        QCOMPARE(QApplication::focusWidget(), Edit(1008));
        QCOMPARE(Edit(1008)->selectedText(), text);
    }

    void rangeRefusalKeepsTheValueAndStops()
    {
        m_dlg->m_nHour = 5;
        m_dlg->m_strAfter = "kept";
        Edit(1008)->setText(QStringLiteral("0"));
        Edit(1009)->setText(QStringLiteral("3"));
        Edit(1010)->setText(QStringLiteral("changed"));

        QVERIFY(!m_dlg->UpdateData(true));
        QCOMPARE(m_platform->Messages().size(), 1);
        const fwtest::MessageCall& call = m_platform->Messages().first();
        QCOMPARE(call.text, QStringLiteral("1 から 365 までの整数を入力してください。"));
        QCOMPARE(call.icon, MessageIcon::Exclamation);
        QCOMPARE(call.buttons, MessageButtons::Ok);
        QCOMPARE(call.caption, QStringLiteral("feedwright"));
        QCOMPARE(m_dlg->m_nDays, 0u);  // stored before the check
        QCOMPARE(m_dlg->m_nHour, 5u);
        QCOMPARE(m_dlg->m_strAfter, std::string("kept"));
        QCOMPARE(QApplication::focusWidget(), Edit(1008));

        // Upper bounds are inclusive; one more is refused with its own bounds.
        m_platform->ClearRecords();
        Edit(1008)->setText(QStringLiteral("365"));
        Edit(1009)->setText(QStringLiteral("25"));
        QVERIFY(!m_dlg->UpdateData(true));
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages().first().text, kRangeMessage.arg(0).arg(24));
        QCOMPARE(m_dlg->m_nHour, 25u);
        QCOMPARE(QApplication::focusWidget(), Edit(1009));

        Edit(1009)->setText(QStringLiteral("24"));
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strAfter, std::string("changed"));
    }

    void showingNeverChecksRanges()
    {
        m_dlg->m_nDays = 0;
        m_dlg->m_nHour = 99;
        QVERIFY(m_dlg->UpdateData(false));
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(Edit(1008)->text(), QStringLiteral("0"));
        QCOMPARE(Edit(1009)->text(), QStringLiteral("99"));
    }

    void guardCoversTheExchangeAndItsMessage()
    {
        QList<bool> seenDuringMessage;
        m_platform->OnMessage([&](const fwtest::MessageCall&) { seenDuringMessage.append(m_dlg->IsExchanging()); });
        QList<bool> seenDuringShow;
        connect(Edit(1001), &QLineEdit::textChanged, this, [&]() { seenDuringShow.append(m_dlg->IsExchanging()); });

        m_dlg->m_strLine = "new";
        m_dlg->UpdateData(false);
        Edit(1008)->setText(QStringLiteral("x"));
        m_dlg->UpdateData(true);

        QCOMPARE(seenDuringShow, QList<bool>{true});
        QCOMPARE(seenDuringMessage, QList<bool>{true});
        QVERIFY(!m_dlg->IsExchanging());
        Edit(1001)->setText(QStringLiteral("typed"));
        QCOMPARE(seenDuringShow.last(), false);
    }

    void okStaysOpenOnARefusal()
    {
        Edit(1008)->setText(QStringLiteral("abc"));
        m_dlg->accept();
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(QDialog::Rejected));

        Edit(1008)->setText(QStringLiteral("14"));
        m_dlg->accept();
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
        QCOMPARE(m_dlg->m_nDays, 14u);
    }

    void geometryFollowsDialogUnits()
    {
        const fwgui::DialogUnits& units = m_dlg->Units();
        QCOMPARE(m_dlg->size(), units.Size(200, 150));
        QVERIFY(m_dlg->minimumSize() == m_dlg->maximumSize());
        // Neighbouring controls meet without a gap or an overlap.
        QCOMPARE(units.Rect(5, 5, 10, 12).right() + 1, units.Rect(15, 5, 10, 12).left());
        QCOMPARE(Edit(1001)->geometry(), units.Rect(5, 5, 100, 12));
        QCOMPARE(m_dlg->font().pointSize(), 9);
    }

    void pipeFiltersBecomeQtFilters()
    {
        QCOMPARE(fwgui::ToQtFilter(QStringLiteral("CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||")),
                 QStringLiteral("CDF Files (*.cdf);;All Files (*)"));
        QCOMPARE(fwgui::ToQtFilter(QStringLiteral("Pictures|*.gif;*.jpg||")),
                 QStringLiteral("Pictures (*.gif *.jpg)"));
    }
};

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
