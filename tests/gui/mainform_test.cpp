// The main form on real widgets: what it shows at start, its keyboard
// behaviour, the command-line open, Load, Create, Clear, help, the About box
// and the life of its subordinate dialogs.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

#include "app/ChannelDlg.h"
#include "sitemap/SitemapDlg.h"
#include "support/Privileges.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using fwtest::FindControl;

namespace {

const QString kFileError = QStringLiteral("ファイルエラー");
const QString kCannotOpen = QStringLiteral("ファイルを開けません");
const QString kHelpMessage = QStringLiteral("Feedwright.htm が開けません.");
const std::string kTitleSjis = "\x83\x5E\x83\x43\x83\x67\x83\x8B";  // タイトル
const char kCreatedTraces[] = "Create logoDlg\nCreate scheduleDlg\nCreate sitemapDlg\n";
const char kDeletedTraces[] = "Delete logoDlg\nDelete scheduleDlg\nDelete sitemapDlg\n";

// A channel with a title in Shift-JIS (テスト), a two-line abstract and a base URL.
const QByteArray kSampleCdf =
    "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n\r\n"
    "<CHANNEL\r\n  BASE=\"http://server/dir/\"\r\n  HREF=\"http://server/dir\"\r\n"
    "  SELF=\"http://server/dir/channel.cdf\"\r\n  PRECACHE=\"YES\">\r\n"
    "<TITLE>\x83\x65\x83\x58\x83\x67</TITLE>\r\n<ABSTRACT>one\r\ntwo</ABSTRACT>\r\n</CHANNEL>\r\n";

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fwtest::ScriptedPlatform> m_platform;
    std::unique_ptr<CChannelDlg> m_dlg;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startDir;

    QLineEdit* Edit(int id) const { return FindControl<QLineEdit>(m_dlg.get(), id); }
    QPlainTextEdit* Abstract() const { return FindControl<QPlainTextEdit>(m_dlg.get(), 1003); }
    QCheckBox* BaseUrlCheck() const { return FindControl<QCheckBox>(m_dlg.get(), 1090); }
    QPushButton* Button(int id) const { return FindControl<QPushButton>(m_dlg.get(), id); }
    QString InDir(const QString& name) const { return m_dir->filePath(name); }

    // Builds the form as the program starts it, with `commandLine`.
    void OpenForm(const QString& commandLine = QString())
    {
        m_dlg = std::make_unique<CChannelDlg>(*m_platform);
        m_dlg->SetHelpDirectories({InDir(QStringLiteral("share"))});
        m_dlg->SetCommandLine(commandLine);
        m_dlg->Open();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }

    void ClickButton(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    void VerifyDefaultsShown()
    {
        QCOMPARE(Edit(1000)->text(), QStringLiteral("http://"));
        QCOMPARE(Edit(1002)->text(), QStringLiteral("タイトル"));
        QCOMPARE(Abstract()->toPlainText(), QString());
        QCOMPARE(Edit(1004)->text(), QStringLiteral("http://"));
        QCOMPARE(Edit(1009)->text(), QStringLiteral("http://"));
        QVERIFY(!Edit(1009)->isEnabled());
        QVERIFY(!BaseUrlCheck()->isChecked());
    }

    void VerifySampleShown()
    {
        QCOMPARE(Edit(1002)->text(), QStringLiteral("テスト"));
        QCOMPARE(Abstract()->toPlainText(), QStringLiteral("one\ntwo"));
        QCOMPARE(Edit(1000)->text(), QStringLiteral("http://server/dir"));
        QCOMPARE(Edit(1004)->text(), QStringLiteral("http://server/dir/channel.cdf"));
        QVERIFY(BaseUrlCheck()->isChecked());
        QVERIFY(Edit(1009)->isEnabled());
        QCOMPARE(Edit(1009)->text(), QStringLiteral("http://server/dir/"));
    }

private slots:
    void init()
    {
        m_startDir = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("share")));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("work")));
        QDir::setCurrent(InDir(QStringLiteral("work")));
        m_platform = std::make_unique<fwtest::ScriptedPlatform>();
    }

    void cleanup()
    {
        m_dlg.reset();
        m_platform.reset();
        QDir::setCurrent(m_startDir);
        m_dir.reset();
    }

    void startShowsTheDefaultsWithTheFocusOnExit()
    {
        OpenForm();
        VerifyDefaultsShown();
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Feedwright Version.1.2"));
        QCOMPARE(m_dlg->size(), m_dlg->Units().Size(259, 241));
        QCOMPARE(QApplication::focusWidget(), Button(2));
        QVERIFY(!m_dlg->windowIcon().isNull());
        QVERIFY(!Button(3)->icon().isNull());
        QVERIFY(m_platform->Messages().isEmpty());

    }

    void tabVisitsTheControlsInTemplateOrder()
    {
        OpenForm();
        QTest::mouseClick(BaseUrlCheck(), Qt::LeftButton, {}, QPoint(5, BaseUrlCheck()->height() / 2));
        Button(2)->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 15; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(QLatin1Char(' ')),
                 QStringLiteral("2 1000 1002 1003 1004 1005 1006 1007 1008 1011 1013 3 4 1009 1090 2"));
    }

    void baseUrlEditFollowsTheCheckBox()
    {
        OpenForm();
        Edit(1009)->setText(QStringLiteral("http://typed/"));
        QTest::mouseClick(BaseUrlCheck(), Qt::LeftButton, {}, QPoint(5, BaseUrlCheck()->height() / 2));
        QVERIFY(Edit(1009)->isEnabled());
        QCOMPARE(m_dlg->m_channel.head.m_bUseBaseUrl, 1);
        QTest::keyClick(BaseUrlCheck(), Qt::Key_Space);
        QVERIFY(!Edit(1009)->isEnabled());
        QCOMPARE(m_dlg->m_channel.head.m_bUseBaseUrl, 0);
        // The disabled edit still takes part in the exchange.
        QCOMPARE(m_dlg->m_channel.head.m_strBaseUrl, std::string("http://typed/"));
    }

    void toolTipsAreRegisteredInOrder()
    {
        OpenForm();
        const QList<QPair<int, QString>> table = CChannelDlg::ToolTipTable();
        QList<int> ids;
        for (const auto& [id, text] : table) {
            ids << id;
            QCOMPARE(FindControl<QWidget>(m_dlg.get(), id)->toolTip(), text);
        }
        QCOMPARE(ids, (QList<int>{3, 1090, 1009, 1000, 1002, 1003, 1004, 1011, 1005, 1013, 1006, 1007, 1008}));
    }

    void enterNeverClosesTheForm()
    {
        OpenForm();
        QTest::mouseClick(BaseUrlCheck(), Qt::LeftButton, {}, QPoint(5, BaseUrlCheck()->height() / 2));
        for (int id : {1000, 1002, 1004, 1009}) {
            Edit(id)->setFocus();
            QTest::keyClick(Edit(id), Qt::Key_Return);
            QTest::keyClick(Edit(id), Qt::Key_Enter);
            QVERIFY2(m_dlg->isVisible(), qPrintable(QString::number(id)));
        }
        // The abstract leaves Enter to the form; Ctrl+Enter makes a line break.
        Abstract()->setFocus();
        fwtest::TypeText(Abstract(), QStringLiteral("a\nb"));
        QTest::keyClick(Abstract(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(Abstract(), Qt::Key_Return, Qt::ControlModifier);
        fwtest::TypeText(Abstract(), QStringLiteral("c"));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(Abstract()->toPlainText(), QStringLiteral("ab\nc"));
        // On a check box too: it is no push button.
        BaseUrlCheck()->setFocus();
        QTest::keyClick(BaseUrlCheck(), Qt::Key_Return);
        QVERIFY(m_dlg->isVisible());
        // No button was pressed on the way either.
        QVERIFY(m_platform->Messages().isEmpty());
        QVERIFY(m_platform->FileDialogs().isEmpty());
        QCOMPARE(m_platform->TraceText(), QString::fromLatin1(kCreatedTraces));
    }

    void escapeExitAndCloseBoxCloseAndTheDialogsAreDeletedInOrder()
    {
        OpenForm();
        QCOMPARE(m_platform->TraceText(), QString::fromLatin1(kCreatedTraces));
        QVERIFY(m_dlg->logoDlg && m_dlg->scheduleDlg && m_dlg->sitemapDlg);
        QVERIFY(!m_dlg->sitemapDlg->isVisible());

        Edit(1002)->setFocus();
        fwtest::TypeText(Edit(1002), QStringLiteral("unsaved"));
        QTest::keyClick(Edit(1002), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(m_platform->TraceText(), QString::fromLatin1(kCreatedTraces) + QString::fromLatin1(kDeletedTraces));
        QVERIFY(!m_dlg->logoDlg && !m_dlg->scheduleDlg && !m_dlg->sitemapDlg);

        // Exit and the close box take the same way out.
        OpenForm();
        ClickButton(2);
        QVERIFY(!m_dlg->isVisible());
        OpenForm();
        QVERIFY(m_dlg->close());
        QVERIFY(m_platform->Messages().isEmpty());
        QVERIFY(m_platform->TraceText().endsWith(QString::fromLatin1(kDeletedTraces)));
    }

    void commandLineNamingACdfFileReadsIt_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("decoration");
        QTest::newRow("capitals, blanks around") << QStringLiteral("sample.CDF") << QStringLiteral("  \t%1  ");
        QTest::newRow("small letters") << QStringLiteral("sample.cdf") << QStringLiteral("%1");
        // Only a dot and the extension: four bytes, which is enough.
        QTest::newRow("dot cdf alone") << QStringLiteral(".cdf") << QStringLiteral("%1");
    }

    void commandLineNamingACdfFileReadsIt()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, decoration);
        QVERIFY(WriteFile(fileName, kSampleCdf));  // in the current directory
        const QString path = fileName == QLatin1String(".cdf") ? fileName : QDir::current().filePath(fileName);
        OpenForm(decoration.arg(path));
        VerifySampleShown();
        QVERIFY(m_platform->Messages().isEmpty());
    }

    void commandLineWithoutACdfNameDoesNothing_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("quoted") << QStringLiteral("\"%1\"");
        QTest::newRow("three bytes") << QStringLiteral("a.c");
        QTest::newRow("no dot") << QStringLiteral("samplecdf");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("other extension") << QStringLiteral("%1.txt");
        QTest::newRow("extension with a blank") << QStringLiteral("%1 x");
    }

    void commandLineWithoutACdfNameDoesNothing()
    {
        QFETCH(QString, commandLine);
        const QString path = QDir::current().filePath(QStringLiteral("sample.cdf"));
        QVERIFY(WriteFile(path, kSampleCdf));
        QVERIFY(WriteFile(path + QStringLiteral(".txt"), kSampleCdf));
        OpenForm(commandLine.contains(QLatin1String("%1")) ? commandLine.arg(path) : commandLine);
        VerifyDefaultsShown();
        QVERIFY(m_platform->Messages().isEmpty());
    }

    void commandLineNamingAMissingFileSaysSo()
    {
        OpenForm(QDir::current().filePath(QStringLiteral("missing.cdf")));
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, kCannotOpen);
        QCOMPARE(m_platform->Messages()[0].caption, kFileError);
        QCOMPARE(m_platform->Messages()[0].buttons, fwgui::MessageButtons::Ok);
        QCOMPARE(m_platform->Messages()[0].icon, fwgui::MessageIcon::None);
        VerifyDefaultsShown();
    }

    void loadChecksTheExtension()
    {
        OpenForm();
        Edit(1002)->setText(QStringLiteral("edited"));
        const QString textFile = InDir(QStringLiteral("sample.txt"));
        QVERIFY(WriteFile(textFile, kSampleCdf));
        m_platform->QueueOpenFileName(textFile);
        ClickButton(1005);

        QCOMPARE(m_platform->FileDialogs().size(), 1);
        const fwgui::FileDialogRequest& request = m_platform->FileDialogs()[0].request;
        QVERIFY(!m_platform->FileDialogs()[0].save);
        QCOMPARE(request.filter, QStringLiteral("CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||"));
        QCOMPARE(request.defaultExtension, QStringLiteral("cdf"));
        QCOMPARE(request.initialName, QString());
        QVERIFY(!request.promptOverwrite);
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, QStringLiteral("ファイルが、CDFファイルではありません"));
        QCOMPARE(m_platform->Messages()[0].caption, kFileError);
        QCOMPARE(m_platform->Messages()[0].icon, fwgui::MessageIcon::None);
        QCOMPARE(Edit(1002)->text(), QStringLiteral("edited"));

        // Cancel does nothing at all.
        ClickButton(1005);
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(Edit(1002)->text(), QStringLiteral("edited"));

        const QString mixedCase = InDir(QStringLiteral("Sample.Cdf"));
        QVERIFY(WriteFile(mixedCase, kSampleCdf));
        m_platform->QueueOpenFileName(mixedCase);
        ClickButton(1005);
        QCOMPARE(m_platform->Messages().size(), 1);
        VerifySampleShown();
    }

    void loadReportsAFileItCouldOnlyPartlyRead()
    {
        OpenForm();
        // No declaration: everything is loaded, then the phase is reported.
        QByteArray withoutDeclaration = kSampleCdf;
        withoutDeclaration.remove(0, withoutDeclaration.indexOf('\n') + 1);
        QVERIFY(WriteFile(InDir(QStringLiteral("a.cdf")), withoutDeclaration));
        QString titleDuringMessage;
        m_platform->OnMessage([&](const fwtest::MessageCall&) { titleDuringMessage = Edit(1002)->text(); });
        m_platform->QueueOpenFileName(InDir(QStringLiteral("a.cdf")));
        ClickButton(1005);
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, QStringLiteral("ファイルを正常に読み取れませんでした\n\n(phase #0)"));
        QCOMPARE(m_platform->Messages()[0].caption, kFileError);
        // The form already showed the loaded data when the message came.
        QCOMPARE(titleDuringMessage, QStringLiteral("テスト"));
        VerifySampleShown();

        // A tag inside a TITLE stops the load with the element error.
        QVERIFY(WriteFile(InDir(QStringLiteral("b.cdf")),
                          "<?XML VERSION=\"1.0\"?>\r\n<CHANNEL HREF=\"http://kept\">\r\n<TITLE>a<B>b</B></TITLE>\r\n"));
        m_platform->QueueOpenFileName(InDir(QStringLiteral("b.cdf")));
        ClickButton(1005);
        QCOMPARE(m_platform->Messages().size(), 2);
        QCOMPARE(m_platform->Messages()[1].text, QStringLiteral("ファイルを正常に読み取れませんでした\n\n(element error)"));
        QCOMPARE(Edit(1000)->text(), QStringLiteral("http://kept"));
        QVERIFY(!BaseUrlCheck()->isChecked());
        QVERIFY(!Edit(1009)->isEnabled());
    }

    void loadOfAMissingFileLeavesTheEditorAlone()
    {
        OpenForm();
        m_platform->QueueOpenFileName(InDir(QStringLiteral("sample.cdf")));
        QVERIFY(WriteFile(InDir(QStringLiteral("sample.cdf")), kSampleCdf));
        ClickButton(1005);
        VerifySampleShown();
        const std::string urlBefore = m_dlg->sitemapDlg->m_strUrl;
        const std::string titleBefore = m_dlg->sitemapDlg->m_strItemTitle;

        m_platform->QueueOpenFileName(InDir(QStringLiteral("gone.cdf")));
        ClickButton(1005);
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, kCannotOpen);
        VerifySampleShown();
        QCOMPARE(m_dlg->m_channel.head.m_strHomeUrl, std::string("http://server/dir"));
        QCOMPARE(m_dlg->sitemapDlg->m_strUrl, urlBefore);
        QCOMPARE(m_dlg->sitemapDlg->m_strItemTitle, titleBefore);
    }

    void createWritesTheFreshChannel()
    {
        OpenForm();
        const QString target = InDir(QStringLiteral("NewChannel.cdf"));
        m_platform->QueueSaveFileName(target);
        ClickButton(1011);

        QCOMPARE(m_platform->FileDialogs().size(), 1);
        const fwgui::FileDialogRequest& request = m_platform->FileDialogs()[0].request;
        QVERIFY(m_platform->FileDialogs()[0].save);
        QCOMPARE(request.filter, QStringLiteral("CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||"));
        QCOMPARE(request.defaultExtension, QStringLiteral("cdf"));
        QCOMPARE(request.initialName, QStringLiteral("NewChannel"));
        QVERIFY(request.promptOverwrite);
        QVERIFY(m_platform->Messages().isEmpty());
        QCOMPARE(ReadFile(target), ReadFile(QStringLiteral(FEEDWRIGHT_TEST_DATA_DIR "/golden/fresh.cdf")));
    }

    void createTakesWhatWasTypedAndLoadReadsItBack()
    {
        OpenForm();
        Edit(1002)->clear();
        Edit(1002)->setFocus();
        fwtest::TypeText(Edit(1002), QStringLiteral("新しい題"));
        Abstract()->setFocus();
        fwtest::TypeText(Abstract(), QStringLiteral("一行目"));
        QTest::keyClick(Abstract(), Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        fwtest::TypeText(Abstract(), QStringLiteral("二行目"));
        const QString target = InDir(QStringLiteral("typed.cdf"));
        m_platform->QueueSaveFileName(target);
        ClickButton(1011);
        QVERIFY(m_platform->Messages().isEmpty());
        const QByteArray written = ReadFile(target);
        // One line break, one CR LF.
        QVERIFY(written.contains("<ABSTRACT>\x88\xEA\x8D\x73\x96\xDA\r\n\x93\xF1\x8D\x73\x96\xDA</ABSTRACT>\r\n"));

        ClickButton(1013);
        QCOMPARE(Edit(1002)->text(), QStringLiteral("タイトル"));
        m_platform->QueueOpenFileName(target);
        ClickButton(1005);
        QCOMPARE(Edit(1002)->text(), QStringLiteral("新しい題"));
        QCOMPARE(Abstract()->toPlainText(), QStringLiteral("一行目\n二行目"));
    }

    void createNeverDamagesAFileItCannotReplace()
    {
        const QString folder = InDir(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        const QString target = folder + QStringLiteral("/old.cdf");
        const QByteArray oldBytes = "old contents, not a channel\r\n";
        QVERIFY(WriteFile(target, oldBytes));
        QVERIFY(chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        OpenForm();
        m_platform->QueueSaveFileName(target);
        {
            fwtest::PermissionsApply permissions;
            if (!permissions.Active()) {
                chmod(QFile::encodeName(folder).constData(), 0755);
                QSKIP("file permissions cannot be made to apply here");
            }
            ClickButton(1011);
        }
        chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, kCannotOpen);
        QCOMPARE(m_platform->Messages()[0].caption, kFileError);
        QCOMPARE(ReadFile(target), oldBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.cdf")});
    }

    void clearWithTheBaseUrlOnRestoresEverything()
    {
        OpenForm();
        QTest::mouseClick(BaseUrlCheck(), Qt::LeftButton, {}, QPoint(5, BaseUrlCheck()->height() / 2));
        for (int id : {1000, 1002, 1004, 1009})
            Edit(id)->setText(QStringLiteral("edited"));
        Abstract()->setPlainText(QStringLiteral("edited"));
        m_dlg->m_channel.logos.m_strIconUrl = "http://server/icon.ico";
        m_dlg->sitemapDlg->m_strItemTitle = "other";

        ClickButton(1013);
        VerifyDefaultsShown();
        QCOMPARE(m_dlg->m_channel.head.m_bUseBaseUrl, 0);
        QCOMPARE(m_dlg->m_channel.head.m_strTitle, kTitleSjis);
        QCOMPARE(m_dlg->m_channel.logos.m_strIconUrl, std::string("http://"));
        QCOMPARE(m_dlg->sitemapDlg->m_strItemTitle, kTitleSjis);
        QCOMPARE(m_dlg->sitemapDlg->m_strUrl, std::string("http://"));
        QVERIFY(m_platform->Messages().isEmpty());
    }

    void helpLooksInTheCurrentDirectoryThenTheDataDirectory()
    {
        OpenForm();
        ClickButton(4);
        QCOMPARE(m_platform->OpenedDocuments(), QStringList());
        QCOMPARE(m_platform->Messages().size(), 1);
        QCOMPARE(m_platform->Messages()[0].text, kHelpMessage);
        QCOMPARE(m_platform->Messages()[0].caption, kFileError);
        QCOMPARE(m_platform->Messages()[0].icon, fwgui::MessageIcon::None);

        const QString installed = InDir(QStringLiteral("share/Feedwright.htm"));
        QVERIFY(WriteFile(installed, "<html></html>"));
        ClickButton(4);
        QCOMPARE(m_platform->OpenedDocuments(), QStringList{installed});
        QCOMPARE(m_platform->Messages().size(), 1);

        const QString local = QDir::current().filePath(QStringLiteral("Feedwright.htm"));
        QVERIFY(WriteFile(local, "<html></html>"));
        ClickButton(4);
        QCOMPARE(m_platform->OpenedDocuments().last(), local);

        // The handler failing is reported the same way.
        m_platform->SetOpenDocumentResult(false);
        ClickButton(4);
        QCOMPARE(m_platform->Messages().size(), 2);
        QCOMPARE(m_platform->Messages()[1].text, kHelpMessage);
    }

    void aboutBoxFromTheButtonAndTheWindowMenu()
    {
        OpenForm();
        QStringList seen;
        auto inspectAndClose = [&seen](QWidget* modal) {
            seen << modal->windowTitle();
            for (QLabel* label : modal->findChildren<QLabel*>())
                if (!label->text().isEmpty())
                    seen << label->text();
            auto* dialog = qobject_cast<fwgui::CDialog*>(modal);
            seen << QString::number(dialog != nullptr && modal->size() == dialog->Units().Size(159, 107));
            QPushButton* ok = modal->findChild<QPushButton*>(QStringLiteral("1"));
            seen << (ok != nullptr ? ok->text() : QStringLiteral("no OK"));
            if (ok != nullptr)
                ok->click();
            else
                modal->close();
        };
        const QStringList expected = {QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("Feedwright Version.1.2a"),
                                      QStringLiteral("1"), QStringLiteral("OK")};

        fwtest::WhenModalOpens(inspectAndClose);
        ClickButton(3);
        QCOMPARE(seen, expected);

        QMenu* menu = m_dlg->SystemMenu();
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        QVERIFY(actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 (&A)..."));
        seen.clear();
        fwtest::WhenModalOpens(inspectAndClose);
        actions[1]->trigger();
        QCOMPARE(seen, expected);
        QVERIFY(m_dlg->isVisible());
    }

    void siteMapDisablesTheFormUntilItCloses()
    {
        OpenForm();
        Edit(1002)->setText(QStringLiteral("typed title"));
        ClickButton(1008);
        QVERIFY(!m_dlg->isEnabled());
        QVERIFY(m_dlg->sitemapDlg->isVisible());
        // The form's fields were taken before the site map showed them.
        QCOMPARE(m_dlg->m_channel.head.m_strTitle, std::string("typed title"));
        // A disabled form ignores its close box.
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());

        m_dlg->sitemapDlg->reject();
        QVERIFY(m_dlg->isEnabled());
        QVERIFY(!m_dlg->sitemapDlg->isVisible());

        // Copying the root back refreshes the form from its members.
        m_dlg->m_channel.head.m_strTitle = "from the site map";
        emit m_dlg->sitemapDlg->rootCopiedBack();
        QCOMPARE(Edit(1002)->text(), QStringLiteral("from the site map"));
    }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
