// The main form on real widgets: start, keyboard, the command-line open,
// Load, Create, Clear, help and the About box.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ChannelDlg.h"
#include "sitemap/SitemapDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using fwtest::FindControl;

namespace {

const QList<int> kHeadFields = {1000, 1002, 1003, 1004, 1009, 1090};
const QString kDefaultsShown = u"1000=http:// 1002=タイトル 1003= 1004=http:// !1009=http:// 1090=[ ]"_s;
const QString kSampleShown = u"1000=http://server/dir 1002=テスト 1003=one\ntwo 1004=http://server/dir/channel.cdf "
                             "1009=http://server/dir/ 1090=[x]"_s;
const QString kCannotOpen = u"ファイルエラー: ファイルを開けません"_s;

// A title in Shift-JIS (テスト), a two-line abstract and a base URL.
const QByteArray kSampleCdf =
    "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n\r\n"
    "<CHANNEL\r\n  BASE=\"http://server/dir/\"\r\n  HREF=\"http://server/dir\"\r\n"
    "  SELF=\"http://server/dir/channel.cdf\"\r\n  PRECACHE=\"YES\">\r\n"
    "<TITLE>\x83\x65\x83\x58\x83\x67</TITLE>\r\n<ABSTRACT>one\r\ntwo</ABSTRACT>\r\n</CHANNEL>\r\n";

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<fwtest::ScriptedPlatform> m_platform;
    std::unique_ptr<CChannelDlg> m_dlg;
    QString m_startDir = QDir::currentPath();

    QString InDir(const QString& name) const { return m_dir->filePath(name); }
    QWidget* Control(int id) const { return FindControl<QWidget>(m_dlg.get(), id); }
    QString HeadShown() const { return fwtest::Outline(m_dlg.get(), kHeadFields); }
    void Click(int id) const { fwtest::Click(Control(id)); }

    // The form as the program starts it with `commandLine`.
    void OpenForm(const QString& commandLine = QString())
    {
        m_dlg = std::make_unique<CChannelDlg>(*m_platform);
        m_dlg->SetHelpDirectories({InDir(u"share"_s)});
        m_dlg->SetCommandLine(commandLine);
        m_dlg->Open();
        QVERIFY(fwtest::ShowAndActivate(m_dlg.get()));
    }

    // Load with the open dialog answering `path`.
    void Load(const QString& path)
    {
        m_platform->QueueFileName(path);
        Click(1005);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkpath(u"share"_s) && QDir(m_dir->path()).mkpath(u"work"_s));
        QDir::setCurrent(InDir(u"work"_s));
        m_platform = std::make_unique<fwtest::ScriptedPlatform>();
    }

    void cleanup()
    {
        m_dlg.reset();
        m_platform.reset();
        QDir::setCurrent(m_startDir);
        m_dir.reset();
    }

    void startKeyboardAndEscape()
    {
        OpenForm();
        QCOMPARE(HeadShown(), kDefaultsShown);
        QCOMPARE(QApplication::focusWidget(), Control(2));

        // The base URL edit follows its check box, and Tab then visits it too.
        Click(1090);
        QVERIFY(Control(1009)->isEnabled());
        Control(2)->setFocus();
        QStringList visited{u"2"_s};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(u' '), u"2 1000 1002 1003 1004 1005 1006 1007 1008 1011 1013 3 4 1009 1090 2"_s);
        QTest::keyClick(Control(1090), Qt::Key_Space);
        QVERIFY(!Control(1009)->isEnabled());

        // Enter neither closes the form nor presses a button such as Load.
        for (int id : {1000, 1002, 1003, 1004, 1090}) {
            Control(id)->setFocus();
            QTest::keyClick(Control(id), Qt::Key_Return);
            QTest::keyClick(Control(id), Qt::Key_Enter, Qt::KeypadModifier);
        }
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_platform->FileDialogs().isEmpty());

        QTest::keyClick(Control(1002), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_platform->TraceText(), u"Create logoDlg\nCreate scheduleDlg\nCreate sitemapDlg\n"
                                          "Delete logoDlg\nDelete scheduleDlg\nDelete sitemapDlg\n"_s);
        QVERIFY(m_platform->Messages().isEmpty());
    }

    void toolTipsInOrder()
    {
        OpenForm();
        QList<int> ids;
        for (const auto& [id, text] : CChannelDlg::ToolTipTable()) {
            ids << id;
            QCOMPARE(Control(id)->toolTip(), text);
        }
        QCOMPARE(ids, (QList<int>{3, 1090, 1009, 1000, 1002, 1003, 1004, 1011, 1005, 1013, 1006, 1007, 1008}));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("line");  // %1 is the current directory
        QTest::addColumn<QString>("outcome");
        QTest::newRow("blanks around a .CDF path") << u"  \t%1/sample.CDF  "_s << kSampleShown + u" | "_s;
        QTest::newRow(".cdf alone") << u".cdf"_s << kSampleShown + u" | "_s;
        for (const QString& line : {u"\"%1/sample.CDF\""_s, u"a.c"_s, u"samplecdf"_s, QString()})
            QTest::newRow(qPrintable(u"ignored: "_s + line)) << line << kDefaultsShown + u" | "_s;
    }

    void commandLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, outcome);
        for (const QString& name : {u"sample.CDF"_s, u".cdf"_s, u"samplecdf"_s, u"a.c"_s})
            QVERIFY(WriteFile(name, kSampleCdf));
        OpenForm(line.replace(u"%1"_s, QDir::currentPath()));
        QCOMPARE(HeadShown() + u" | "_s + m_platform->Messages().join(u'/'), outcome);
    }

    void loadClearAndWhatTheyReport()
    {
        OpenForm();
        QVERIFY(WriteFile(InDir(u"sample.txt"_s), kSampleCdf) && WriteFile(InDir(u"Sample.Cdf"_s), kSampleCdf));
        Load(InDir(u"sample.txt"_s));
        QCOMPARE(m_platform->Messages(), QStringList{u"ファイルエラー: ファイルが、CDFファイルではありません"_s});
        QCOMPARE(m_platform->FileDialogs(), QStringList{u"open CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*|| .cdf "_s});
        QCOMPARE(HeadShown(), kDefaultsShown);
        Load(InDir(u"Sample.Cdf"_s));
        QCOMPARE(HeadShown(), kSampleShown);

        // A file that cannot be opened leaves the form and the site map fields as they were.
        CSitemapDlg& sitemap = *m_dlg->sitemapDlg;
        sitemap.m_strUrl = "http://item";
        sitemap.m_strItemTitle = "item";
        Load(InDir(u"gone.cdf"_s));
        QCOMPARE(m_platform->Messages().mid(1), QStringList{kCannotOpen});
        QCOMPARE(HeadShown(), kSampleShown);
        QCOMPARE(sitemap.m_strUrl + sitemap.m_strItemTitle, "http://itemitem");

        // Clear, with the base URL on.
        m_dlg->m_channel.logos.m_strIconUrl = "http://server/icon.ico";
        Click(1013);
        QCOMPARE(HeadShown(), kDefaultsShown);
        QCOMPARE(m_dlg->m_channel.logos.m_strIconUrl + sitemap.m_strUrl + sitemap.m_strItemTitle,
                 "http://http://\x83\x5E\x83\x43\x83\x67\x83\x8B");  // タイトル

        // A file read in part is shown as far as it was read, then reported.
        const struct { QByteArray bytes; QString message, shown; } partial[] = {
            {kSampleCdf.mid(kSampleCdf.indexOf('\n') + 1), u"(phase #0)"_s, kSampleShown},  // no declaration
            {"<?XML VERSION=\"1.0\"?>\r\n<CHANNEL HREF=\"http://kept\">\r\n<TITLE>a<B>b</B></TITLE>\r\n",
             u"(element error)"_s, u"1000=http://kept 1002=タイトル 1003= 1004=http:// !1009=http:// 1090=[ ]"_s},
        };
        for (const auto& c : partial) {
            QVERIFY(WriteFile(InDir(u"partial.cdf"_s), c.bytes));
            QString shownDuringMessage;
            m_platform->OnMessage([&] { shownDuringMessage = HeadShown(); });
            Load(InDir(u"partial.cdf"_s));
            QCOMPARE(m_platform->Messages().last(), u"ファイルエラー: ファイルを正常に読み取れませんでした\n\n"_s + c.message);
            QCOMPARE(shownDuringMessage, c.shown);
        }
    }

    void createWritesTheFreshChannel()
    {
        OpenForm();
        m_platform->QueueFileName(InDir(u"NewChannel.cdf"_s));
        Click(1011);
        QCOMPARE(m_platform->FileDialogs(),
                 QStringList{u"save CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*|| .cdf NewChannel overwrite?"_s});
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(ReadFile(InDir(u"NewChannel.cdf"_s)), ReadFile(u"" FEEDWRIGHT_TEST_DATA_DIR "/golden/fresh.cdf"_s));
    }

    void createNeverDamagesAFileItCannotReplace()
    {
        const QString folder = InDir(u"locked"_s), target = folder + u"/old.cdf"_s;
        const QByteArray oldBytes = "old contents, not a channel\r\n";
        QVERIFY(QDir().mkdir(folder) && WriteFile(target, oldBytes));
        // Root meets file permissions only under another user ID.
        QVERIFY(chmod(QFile::encodeName(m_dir->path()).constData(), 0755) == 0 &&
                chmod(QFile::encodeName(folder).constData(), 0555) == 0 &&
                chmod(QFile::encodeName(target).constData(), 0666) == 0);
        OpenForm();
        m_platform->QueueFileName(target);
        const bool asRoot = geteuid() == 0;
        if (asRoot && seteuid(65534) != 0)
            QSKIP("no other user ID to meet file permissions under");
        Click(1011);
        QVERIFY((!asRoot || seteuid(0) == 0) && chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        QCOMPARE(m_platform->Messages(), QStringList{kCannotOpen});
        QCOMPARE(ReadFile(target), oldBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.cdf"_s});
    }

    void helpOpensThePageItFinds()
    {
        OpenForm();
        Click(4);
        QCOMPARE(m_platform->Messages(), QStringList{u"ファイルエラー: Feedwright.htm が開けません."_s});
        QVERIFY(WriteFile(InDir(u"share/Feedwright.htm"_s), "<html></html>"));
        Click(4);
        QCOMPARE(m_platform->OpenedDocuments(), QStringList{InDir(u"share/Feedwright.htm"_s)});
        QCOMPARE(m_platform->Messages().size(), 1);
    }

    void aboutBoxFromTheButtonAndTheContextMenu()
    {
        OpenForm();
        QStringList seen;
        const auto inspectAndClose = [&seen](QWidget* about) {
            seen << about->windowTitle() + u'|' + about->findChild<QLabel*>(u"version"_s)->text();
            FindControl<QPushButton>(about, 1)->click();
        };
        fwtest::WhenModalOpens(inspectAndClose);
        Click(3);
        const QList<QAction*> actions = m_dlg->SystemMenu()->actions();
        QCOMPARE(actions.size(), 2);
        QVERIFY(actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), u"ﾊﾞｰｼﾞｮﾝ情報 (&A)..."_s);
        // The separator shows as a line of its own below the menu's edge.
        QMenu* menu = m_dlg->SystemMenu();
        menu->popup(m_dlg->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QRect separator = menu->actionGeometry(actions[0]);
        const QImage shown = menu->grab().toImage();
        const QPoint middle = separator.center();
        QVERIFY(separator.height() >= 5 && shown.pixel(middle) != shown.pixel(middle - QPoint(0, 2)));
        menu->hide();
        fwtest::WhenModalOpens(inspectAndClose);
        actions[1]->trigger();
        QCOMPARE(seen, QStringList(2, u"ﾊﾞｰｼﾞｮﾝ情報|Feedwright Version.1.2a"_s));
        QVERIFY(m_dlg->isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
