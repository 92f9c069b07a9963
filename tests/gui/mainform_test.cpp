// The main form on real widgets: start, keyboard, the command-line open,
// Load, Create, Clear, hostile files and names, help and the About box, and
// the keyboard's safety: Alt+Space, the focus after each dialog.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <utility>

#include "app/AboutDlgIds.h"
#include "app/ChannelDlg.h"
#include "app/ChannelDlgIds.h"
#include "app/FeedwrightApp.h"
#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "common/CaseFile.h"
#include "dialogs/LogoDlgIds.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"
#include "trace/TraceSink.h"

using namespace Qt::StringLiterals;
using fwtest::FindControl;
using namespace channel_dlg;

namespace {

const QList<int> kHeadFields = {IDC_EDIT_HOMEURL, IDC_EDIT_TITLE,   IDC_EDIT_ABSTRACT,
                                IDC_EDIT_CDFURL,  IDC_EDIT_BASEURL, IDC_CHECK_BASEURL};
const QString kDefaultsShown =
    u"IDC_EDIT_HOMEURL=http:// IDC_EDIT_TITLE=タイトル IDC_EDIT_ABSTRACT= "
    "IDC_EDIT_CDFURL=http:// !IDC_EDIT_BASEURL=http:// IDC_CHECK_BASEURL=[ ]"_s;
const QString kSampleShown =
    u"IDC_EDIT_HOMEURL=http://server/dir IDC_EDIT_TITLE=テスト IDC_EDIT_ABSTRACT=one\ntwo "
    "IDC_EDIT_CDFURL=http://server/dir/channel.cdf IDC_EDIT_BASEURL=http://server/dir/ "
    "IDC_CHECK_BASEURL=[x]"_s;
const QString kCannotOpen = u"ファイルエラー: ファイルを開けません"_s;

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

// A title in Shift-JIS (テスト), a two-line abstract and a base URL.
const QByteArray kSampleCdf = ReadFile(u"" FEEDWRIGHT_TEST_DATA_DIR "/gui/sample.cdf"_s);

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

    // The form as the program starts it with `commandLine`, given as the
    // bytes the system passes.
    void OpenForm(const std::string& commandLine = {})
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
        Click(IDC_BUTTON_LOAD);
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
        QCOMPARE(QApplication::focusWidget(), Control(IDC_EXIT));

        // The base URL edit follows its check box, and Tab then visits it too.
        Click(IDC_CHECK_BASEURL);
        QVERIFY(Control(IDC_EDIT_BASEURL)->isEnabled());
        Control(IDC_EXIT)->setFocus();
        QStringList visited{u"IDC_EXIT"_s};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << fwtest::NameOf(QApplication::focusWidget());
        }
        QCOMPARE(visited.join(u' '),
                 u"IDC_EXIT IDC_EDIT_HOMEURL IDC_EDIT_TITLE IDC_EDIT_ABSTRACT IDC_EDIT_CDFURL "
                 "IDC_BUTTON_LOAD IDC_BUTTON_LOGO IDC_BUTTON_SCHEDULE IDC_BUTTON_SITEMAP "
                 "IDC_BUTTON_CREATE IDC_BUTTON_CLEAR IDC_INFO IDC_HELP IDC_EDIT_BASEURL "
                 "IDC_CHECK_BASEURL IDC_EXIT"_s);
        QTest::keyClick(Control(IDC_CHECK_BASEURL), Qt::Key_Space);
        QVERIFY(!Control(IDC_EDIT_BASEURL)->isEnabled());

        // Enter neither closes the form nor presses a button such as Load.
        for (int id : {IDC_EDIT_HOMEURL, IDC_EDIT_TITLE, IDC_EDIT_ABSTRACT, IDC_EDIT_CDFURL, IDC_CHECK_BASEURL}) {
            Control(id)->setFocus();
            QTest::keyClick(Control(id), Qt::Key_Return);
            QTest::keyClick(Control(id), Qt::Key_Enter, Qt::KeypadModifier);
        }
        QVERIFY(m_dlg->isVisible());
        QVERIFY(m_platform->FileDialogs().isEmpty());

        QTest::keyClick(Control(IDC_EDIT_TITLE), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_platform->TraceText(),
                 u"Create logoDlg\nCreate scheduleDlg\nCreate sitemapDlg\n"
                 "Delete logoDlg\nDelete scheduleDlg\nDelete sitemapDlg\n"_s);
        QVERIFY(m_platform->Messages().isEmpty());
    }

    // The cases of tests/data/gui/command_lines.txt.
    void commandLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("opens");
        for (const auto& c : casefile::Rows("gui/command_lines.txt"))
            QTest::newRow(("[" + c.at(0) + "]").c_str()) << QByteArray::fromStdString(c.at(0)) << (c.at(1) == "opens");
    }

    void commandLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, opens);
        const char* sjisName = "\x83\x65\x83\x58\x83\x67.cdf";  // テスト.cdf: QTemporaryDir cannot name it
        for (const char* name : {"sample.CDF", ".cdf", "samplecdf", "a.c", sjisName}) {
            std::FILE* file = std::fopen(name, "wb");
            QVERIFY(file != nullptr &&
                    std::fwrite(kSampleCdf.constData(), 1, kSampleCdf.size(), file) == size_t(kSampleCdf.size()));
            std::fclose(file);
        }
        const std::string path = line.replace("%1", QFile::encodeName(QDir::currentPath())).toStdString();
        OpenForm(path);
        std::remove(sjisName);
        QCOMPARE(HeadShown() + u" | "_s + m_platform->Messages().join(u'/'),
                 (opens ? kSampleShown : kDefaultsShown) + u" | "_s);
        QCOMPARE(CFeedwrightApp::CommandLine(3, std::array<const char*, 3>{"feedwright", path.c_str(), "x"}.data()),
                 path + " x");
    }

    // Cancel in the progress of a Load leaves the channel and the site map
    // fields, and in that of a Create the old file, exactly as they were.
    void cancelledLoadAndCreateChangeNothing()
    {
        OpenForm();
        QByteArray big = kSampleCdf;
        for (int i = 0; i < 5000; ++i)  // about 150 KB: a report every 64 KiB
            big.insert(big.lastIndexOf("</CHANNEL>"), "<ITEM HREF=\"p.htm\"><TITLE>P</TITLE></ITEM>\r\n");
        QVERIFY(WriteFile(InDir(u"big.cdf"_s), big) && WriteFile(InDir(u"old.cdf"_s), "old"));
        CSitemapDlg& sitemap = *m_dlg->sitemapDlg;
        sitemap.m_strUrl = "http://item";
        m_platform->CancelProgressAt(2);
        Load(InDir(u"big.cdf"_s));
        QCOMPARE(HeadShown(), kDefaultsShown);
        QCOMPARE(sitemap.m_strUrl, "http://item");
        QCOMPARE(m_dlg->m_channel.sitemap.ItemCount(), 1u);

        Load(InDir(u"big.cdf"_s));
        QCOMPARE(HeadShown(), kSampleShown);
        m_platform->CancelProgressAt(1);
        m_platform->QueueFileName(InDir(u"old.cdf"_s));
        Click(IDC_BUTTON_CREATE);
        QCOMPARE(m_platform->Progresses(),
                 (QStringList{u"ファイルを読み込んでいます... (cancelled)"_s, u"ファイルを読み込んでいます..."_s,
                              u"ファイルを書き込んでいます... (cancelled)"_s}));
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(ReadFile(InDir(u"old.cdf"_s)), QByteArray("old"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{u"big.cdf"_s, u"old.cdf"_s}));
    }

    // Markup typed in the form's fields and in a page of the site map, which
    // the form waits for, comes back from Create and Load as typed, and a
    // title that would close itself and open a page adds none. (The logo and
    // comment dialogs store their fields in their own tests, and the writer's
    // escaping is the golden files'.)
    void markupTypedInTheFormAndSitemapComesBack()
    {
        const QString text = u"A < B </TITLE><ITEM HREF=\"x\"> & C"_s;
        const QString url = u"http://s/?q=\"a\"&b=<c>"_s;
        OpenForm();
        Click(IDC_CHECK_BASEURL);
        // Each URL ends in a letter of its own, so that no two fields look alike.
        qobject_cast<QLineEdit*>(Control(IDC_EDIT_HOMEURL))->setText(url + u'h');
        qobject_cast<QLineEdit*>(Control(IDC_EDIT_CDFURL))->setText(url + u'c');
        qobject_cast<QLineEdit*>(Control(IDC_EDIT_BASEURL))->setText(url + u'b');
        qobject_cast<QLineEdit*>(Control(IDC_EDIT_TITLE))->setText(text);
        qobject_cast<QPlainTextEdit*>(Control(IDC_EDIT_ABSTRACT))->setPlainText(text + u'2');
        Click(IDC_BUTTON_SITEMAP);
        QVERIFY(!m_dlg->isEnabled() && !m_dlg->close());
        CSitemapDlg* sitemap = m_dlg->sitemapDlg;
        fwtest::Click(FindControl<QWidget>(sitemap, sitemap_dlg::IDC_BUTTON_ADDPAGE));
        fwtest::Retype(FindControl<QWidget>(sitemap, sitemap_dlg::IDC_EDIT_ITEMTITLE), text + u'3');
        fwtest::Retype(FindControl<QWidget>(sitemap, sitemap_dlg::IDC_EDIT_URL), url + u'3');
        fwtest::Click(FindControl<QWidget>(sitemap, sitemap_dlg::IDC_BUTTON_OK));

        m_platform->QueueFileName(InDir(u"markup.cdf"_s));
        Click(IDC_BUTTON_CREATE);
        Click(IDC_BUTTON_CLEAR);
        Load(InDir(u"markup.cdf"_s));
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(HeadShown(),
                 u"IDC_EDIT_HOMEURL="_s + url + u"h IDC_EDIT_TITLE="_s + text + u" IDC_EDIT_ABSTRACT="_s + text +
                     u"2 IDC_EDIT_CDFURL="_s + url + u"c IDC_EDIT_BASEURL="_s + url + u"b/ IDC_CHECK_BASEURL=[x]"_s);
        const fw::SitemapItem* root = m_dlg->m_channel.sitemap.Root();
        QCOMPARE(root->ChildCount(), 1u);
        const fw::SitemapNode& page = root->FirstChild()->Node();
        QCOMPARE(QString::fromStdString(page.m_strTitle + "|" + page.m_strHref), text + u"3|"_s + url + u'3');
    }

    void createLoadClearAndWhatTheyReport()
    {
        OpenForm();
        m_platform->QueueFileName(InDir(u"NewChannel.cdf"_s));
        Click(IDC_BUTTON_CREATE);  // the fresh channel
        QCOMPARE(ReadFile(InDir(u"NewChannel.cdf"_s)), ReadFile(u"" FEEDWRIGHT_TEST_DATA_DIR "/golden/fresh.cdf"_s));
        QVERIFY(WriteFile(InDir(u"sample.txt"_s), kSampleCdf) && WriteFile(InDir(u"Sample.Cdf"_s), kSampleCdf));
        Load(InDir(u"sample.txt"_s));
        QCOMPARE(m_platform->Messages(), QStringList{u"ファイルエラー: ファイルが、CDFファイルではありません"_s});
        QCOMPARE(m_platform->FileDialogs(),
                 (QStringList{u"save CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*|| .cdf NewChannel overwrite?"_s,
                              u"open CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*|| .cdf "_s}));
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
        m_platform->QueueFileName(InDir(u"missing/new.cdf"_s));  // a place that cannot hold the file
        Click(IDC_BUTTON_CREATE);
        // A file that would not fit (here: over the file-size limit) is refused out loud.
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        const rlimit small{100, fileSize.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        m_platform->QueueFileName(InDir(u"big.cdf"_s));
        Click(IDC_BUTTON_CREATE);
        setrlimit(RLIMIT_FSIZE, &fileSize);
        QCOMPARE(m_platform->Messages().mid(2),
                 (QStringList{kCannotOpen, u"ファイルエラー: ファイルを書き込めません"_s}));
        QVERIFY(!QFile::exists(InDir(u"big.cdf"_s)));

        // Clear, with the base URL on.
        m_dlg->m_channel.logos.m_strIconUrl = "http://server/icon.ico";
        Click(IDC_BUTTON_CLEAR);
        QCOMPARE(HeadShown(), kDefaultsShown);
        QCOMPARE(m_dlg->m_channel.logos.m_strIconUrl + sitemap.m_strUrl + sitemap.m_strItemTitle,
                 "http://http://\x83\x5E\x83\x43\x83\x67\x83\x8B");  // タイトル

        // A file read in part is shown as far as it was read, then reported.
        const struct {
            QByteArray bytes;
            QString message, shown;
        } partial[] = {
            {kSampleCdf.mid(kSampleCdf.indexOf('\n') + 1), u"(phase #0)"_s, kSampleShown},  // no declaration
            {"<?XML VERSION=\"1.0\"?>\r\n<CHANNEL HREF=\"http://kept\">\r\n<TITLE>a<B>b</B></TITLE>\r\n",
             u"(element error)"_s,
             u"IDC_EDIT_HOMEURL=http://kept IDC_EDIT_TITLE=タイトル IDC_EDIT_ABSTRACT= IDC_EDIT_CDFURL=http:// "
             "!IDC_EDIT_BASEURL=http:// IDC_CHECK_BASEURL=[ ]"_s},
        };
        for (const auto& c : partial) {
            QVERIFY(WriteFile(InDir(u"partial.cdf"_s), c.bytes));
            QString shownDuringMessage;
            m_platform->OnMessage([&] { shownDuringMessage = HeadShown(); });
            Load(InDir(u"partial.cdf"_s));
            QCOMPARE(m_platform->Messages().last(),
                     u"ファイルエラー: ファイルを正常に読み取れませんでした\n\n"_s + c.message);
            QCOMPARE(shownDuringMessage, c.shown);
        }
    }

    // A channel another tool wrote: editing its title changes that alone in
    // what Create writes; everything Feedwright does not edit is written back.
    void keptContentSurvivesAnEditAndCreate()
    {
        OpenForm();
        QVERIFY(QFile::copy(u"" FEEDWRIGHT_TEST_DATA_DIR "/kept/logging.cdf"_s, InDir(u"logging.cdf"_s)));
        Load(InDir(u"logging.cdf"_s));
        fwtest::FindControl<QLineEdit>(m_dlg.get(), IDC_EDIT_TITLE)->setText(u"Example News"_s);
        m_platform->QueueFileName(InDir(u"edited.cdf"_s));
        Click(IDC_BUTTON_CREATE);
        QByteArray expected = ReadFile(u"" FEEDWRIGHT_TEST_DATA_DIR "/kept/logging.cdf.written"_s);
        expected.replace("<TITLE>Example News Channel</TITLE>", "<TITLE>Example News</TITLE>");
        QCOMPARE(ReadFile(InDir(u"edited.cdf"_s)), expected);
    }

    // Bytes that do not survive the trip to Unicode and back (a byte no
    // character has, a lead byte without its trail, ED 40 which CP932 also
    // codes as FA 5C) and a title longer than Qt's default edit limit reach
    // the file as they were read when every dialog was opened and confirmed
    // without an edit.
    void untouchedTextSurvivesEveryDialog()
    {
        const QByteArray file =
            ReadFile(u"" FEEDWRIGHT_TEST_DATA_DIR "/gui/stray_bytes.cdf"_s).replace("@LONG@", QByteArray(100000, 'x'));
        const QString path = InDir(u"stray.cdf"_s);
        QVERIFY(WriteFile(path, file));
        fw::Channel channel;
        fw::NullTraceSink trace;
        fw::StringSink rewritten;
        QVERIFY(fw::ReadCdfFile(channel, path.toStdString(), trace) == fw::ReadStatus::Ok);
        QVERIFY(fw::WriteCdf(channel, rewritten));

        OpenForm();
        Load(path);
        const auto confirm = [](int okId) {
            fwtest::WhenModalOpens([okId](QWidget* dialog) { FindControl<QPushButton>(dialog, okId)->click(); });
        };
        confirm(logo_dlg::IDOK);
        Click(IDC_BUTTON_LOGO);
        Click(IDC_BUTTON_SITEMAP);  // site map: every item shown in the fields, the page's comment confirmed
        CSitemapDlg& sitemap = *m_dlg->sitemapDlg;
        fw::SitemapTree& tree = m_dlg->m_channel.sitemap;
        for (fw::SitemapItem* item : {tree.Root()->FirstChild(), tree.Root()->LastChild(), tree.Root()}) {
            tree.Select(item);
            confirm(comment_dlg::IDOK);
            fwtest::Click(FindControl<QWidget>(&sitemap, sitemap_dlg::IDC_BUTTON_COMMENT));
        }
        fwtest::Click(FindControl<QWidget>(&sitemap, sitemap_dlg::IDC_BUTTON_OK));
        QVERIFY(FindControl<QLineEdit>(m_dlg.get(), IDC_EDIT_TITLE)->text().size() == 100001);
        m_platform->QueueFileName(InDir(u"saved.cdf"_s));
        Click(IDC_BUTTON_CREATE);
        QVERIFY(m_platform->Messages().isEmpty());
        QVERIFY(ReadFile(InDir(u"saved.cdf"_s)) == QByteArray::fromStdString(rewritten.Bytes()));
    }

    // Alt+Space opens the form's window menu, in the site map it does
    // nothing: on no control does it press a button, switch a check or type.
    void altSpaceNeverActsOnAControl()
    {
        OpenForm();
        Click(IDC_CHECK_BASEURL);  // the base URL edit takes the focus too
        Click(IDC_BUTTON_SITEMAP);
        CSitemapDlg* sitemap = m_dlg->sitemapDlg;
        const auto sitemapControl = [sitemap](int id) { return FindControl<QWidget>(sitemap, id); };
        fwtest::Click(sitemapControl(sitemap_dlg::IDC_BUTTON_ADDPAGE));
        fw::SitemapTree& tree = m_dlg->m_channel.sitemap;
        const auto state = [&] {
            return HeadShown() + u" | "_s + fwtest::Outline(sitemap, {sitemap_dlg::IDC_EDIT_ITEMTITLE}) +
                u" %1 items, %2 shown"_s.arg(tree.ItemCount()).arg(sitemap->isVisible()) +
                m_platform->FileDialogs().join(u'/') + m_platform->Messages().join(u'/');
        };
        QStringList faults, opened;
        QTimer closer;  // a dialog the key opened would wait for a person
        connect(&closer, &QTimer::timeout, this, [&opened] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                opened << modal->windowTitle(), modal->reject();
        });
        closer.start(10);
        for (QWidget* dialog : {static_cast<QWidget*>(sitemap), static_cast<QWidget*>(m_dlg.get())}) {
            if (dialog == m_dlg.get())
                fwtest::Click(sitemapControl(sitemap_dlg::IDC_BUTTON_OK));
            const QString before = state();
            for (QWidget* control = dialog->nextInFocusChain(); control != dialog;
                 control = control->nextInFocusChain()) {
                if (!dialog->isAncestorOf(control) || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus))
                    continue;
                control->setFocus();
                QTest::keyClick(control, Qt::Key_Space, Qt::AltModifier);
                QMenu* menu = m_dlg->SystemMenu();
                const QString menuShown = menu->isVisible() ? menu->activeAction()->text() : u"no menu"_s;
                menu->hide();
                const QString expected = dialog == sitemap ? u"no menu"_s : u"ﾊﾞｰｼﾞｮﾝ情報 (&A)..."_s;
                if (!m_dlg->isVisible() || state() != before || menuShown != expected || !opened.isEmpty())
                    faults << fwtest::NameOf(control) + u": "_s + menuShown + opened.join(u'/') + u" | "_s + state();
                opened.clear();
            }
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY(faults.isEmpty());
    }

    // When a dialog the form opened closes, the button that opened it has
    // the focus, whatever had it before (a screen reader's Press leaves it
    // where it was, on 終了 at the start): the next Space repeats the command
    // and never ends the program.
    void theFocusReturnsToTheButtonThatOpenedADialog()
    {
        OpenForm();
        QStringList focused;
        const int buttons[] = {IDC_BUTTON_LOGO, IDC_BUTTON_SCHEDULE, IDC_INFO,           IDC_BUTTON_LOAD,
                               IDC_HELP,        IDC_BUTTON_CREATE,   IDC_BUTTON_SITEMAP, IDC_BUTTON_SITEMAP};
        bool okNext = true;
        for (int id : buttons) {
            Control(IDC_EXIT)->setFocus();
            if (id == IDC_BUTTON_LOGO || id == IDC_BUTTON_SCHEDULE || id == IDC_INFO)
                fwtest::WhenModalOpens([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
            qobject_cast<QPushButton*>(Control(id))->click();
            if (id == IDC_BUTTON_SITEMAP) {  // closed by OK, then by Escape
                QWidget* sitemap = m_dlg->sitemapDlg;
                QVERIFY(fwtest::ShowAndActivate(sitemap));
                if (std::exchange(okNext, false))
                    fwtest::Click(FindControl<QWidget>(sitemap, sitemap_dlg::IDC_BUTTON_OK));
                else
                    QTest::keyClick(sitemap, Qt::Key_Escape);
            }
            QTRY_VERIFY(m_dlg->isActiveWindow());
            focused << fwtest::NameOf(QApplication::focusWidget());
        }
        QCOMPARE(focused.join(u' '),
                 u"IDC_BUTTON_LOGO IDC_BUTTON_SCHEDULE IDC_INFO IDC_BUTTON_LOAD IDC_HELP IDC_BUTTON_CREATE "
                 "IDC_BUTTON_SITEMAP IDC_BUTTON_SITEMAP"_s);
    }

    void helpAndAbout()
    {
        OpenForm();
        Click(IDC_HELP);
        QCOMPARE(m_platform->Messages(), QStringList{u"ファイルエラー: Feedwright.htm が開けません."_s});
        QVERIFY(WriteFile(InDir(u"share/Feedwright.htm"_s), "<html></html>"));
        Click(IDC_HELP);
        QCOMPARE(m_platform->OpenedDocuments(), QStringList{InDir(u"share/Feedwright.htm"_s)});
        QCOMPARE(m_platform->Messages().size(), 1);

        // The About box, from the button and from the context menu.
        QStringList seen;
        const auto inspectAndClose = [&seen](QWidget* about) {
            seen << about->windowTitle() + u'|' + about->findChild<QLabel*>(u"version"_s)->text();
            FindControl<QPushButton>(about, about_dlg::IDOK)->click();
        };
        fwtest::WhenModalOpens(inspectAndClose);
        Click(IDC_INFO);
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
        QCOMPARE(seen, QStringList(2, u"ﾊﾞｰｼﾞｮﾝ情報|Feedwright Version." FEEDWRIGHT_VERSION "a"_s));
        QVERIFY(m_dlg->isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
