#include "app/ChannelDlg.h"

// The main form's file commands: Load, Create, the reader's refresh and
// messages, and the help page.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/ChannelDlgIds.h"
#include "cdf/CdfProgress.h"
#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "cdf/SafeSave.h"
#include "framework/Platform.h"

using namespace channel_dlg;

namespace {

// Functions rather than constants: a text is looked up in the window's
// language when it is shown.
QString CdfFilter()
{
    return CChannelDlg::tr("CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||");
}

// Each language's help page is a file of its own beside the others.
QString HelpFileName()
{
    return CChannelDlg::tr("Feedwright.htm");
}

QString CannotOpen()
{
    return CChannelDlg::tr("ファイルを開けません");
}

}  // namespace

void CChannelDlg::ShowFileError(const QString& text)
{
    platform().MessageBox(this, text, tr("ファイルエラー"), fwgui::MessageButtons::Ok, fwgui::MessageIcon::None);
}

void CChannelDlg::OnButtonLoad()
{
    fwgui::FileDialogRequest request;
    request.filter = CdfFilter();
    request.defaultExtension = QStringLiteral("cdf");
    const std::optional<QString> path = platform().GetOpenFileName(this, request);
    if (!path)
        return;
    const QString fileName = QFileInfo(*path).fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    if (extension.compare(QLatin1String("CDF"), Qt::CaseInsensitive) != 0) {
        ShowFileError(tr("ファイルが、CDFファイルではありません"));
        return;
    }
    ReadCdf(*path);
}

bool CChannelDlg::ReadCdf(QString path)
{
    return ReadCdfAt(QFile::encodeName(path).toStdString());
}

bool CChannelDlg::ReadCdfAt(const std::string& path)
{
    // The channel changes only once the whole file has been read: a file
    // that cannot be opened or read, running out of memory, or Cancel in the
    // progress window leave everything as it was. Otherwise the site map
    // dialog hears the change as one bulk update and shows the result.
    fw::ReadStatus status = fw::ReadStatus::CannotOpen;
    {
        const std::unique_ptr<fw::CdfProgress> progress =
            platform().StartProgress(this, tr("ファイルを読み込んでいます..."));
        status = fw::ReadCdfFile(m_channel, path, platform().Trace(), progress.get());
    }
    if (status == fw::ReadStatus::CannotOpen || status == fw::ReadStatus::Cancelled) {
        if (status == fw::ReadStatus::CannotOpen)
            ShowFileError(CannotOpen());
        return false;
    }

    UpdateData(false);
    EnableBaseUrlEdit();

    switch (status) {
    case fw::ReadStatus::ElementError:
        ShowFileError(tr("ファイルを正常に読み取れませんでした\n\n(element error)"));
        return false;
    case fw::ReadStatus::Phase0:
        ShowFileError(tr("ファイルを正常に読み取れませんでした\n\n(phase #0)"));
        return false;
    case fw::ReadStatus::Phase1:
        ShowFileError(tr("ファイルを正常に読み取れませんでした\n\n(phase #1)"));
        return false;
    case fw::ReadStatus::Ok:
    case fw::ReadStatus::CannotOpen:
    case fw::ReadStatus::Cancelled:
        break;
    }
    return true;
}

void CChannelDlg::OnButtonCreate()
{
    UpdateData(true);
    fwgui::FileDialogRequest request;
    request.filter = CdfFilter();
    request.defaultExtension = QStringLiteral("cdf");
    request.initialName = QStringLiteral("NewChannel");
    request.promptOverwrite = true;
    const std::optional<QString> path = platform().GetSaveFileName(this, request);
    if (!path)
        return;
    fw::SaveStatus status = fw::SaveStatus::WriteFailed;
    {  // the progress window closes before any message
        const std::unique_ptr<fw::CdfProgress> progress =
            platform().StartProgress(this, tr("ファイルを書き込んでいます..."));
        status = fw::SaveCdfFile(m_channel, QFile::encodeName(*path).toStdString(), progress.get());
    }
    // In every case but Ok the old file, if any, is still there as it was.
    switch (status) {
    case fw::SaveStatus::Ok:
    case fw::SaveStatus::Cancelled:
        break;
    case fw::SaveStatus::CannotCreate:
        ShowFileError(CannotOpen());
        break;
    case fw::SaveStatus::WriteFailed:
    case fw::SaveStatus::NoSpace:
        ShowFileError(tr("ファイルを書き込めません"));
        break;
    }
}

QStringList CChannelDlg::DefaultHelpDirectories()
{
    return {
        QStringLiteral(FEEDWRIGHT_DATA_DIR),
        // Also where the build tree keeps its copy.
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/feedwright"),
    };
}

void CChannelDlg::OnButtonHelp()
{
    // The current directory first, as the help always was; a program started
    // from the desktop menu has the home folder there, so the installed
    // copy is looked for too.
    QString found;
    const QFileInfo local(QDir::current(), HelpFileName());
    if (local.isFile()) {
        found = local.absoluteFilePath();
    } else {
        for (const QString& directory : m_helpDirectories) {
            const QFileInfo candidate(QDir(directory), HelpFileName());
            if (candidate.isFile()) {
                found = QDir::cleanPath(candidate.absoluteFilePath());
                break;
            }
        }
    }
    if (found.isEmpty() || !platform().OpenDocument(found))
        ShowFileError(tr("%1 が開けません.").arg(HelpFileName()));
}
