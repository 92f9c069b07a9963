#pragma once
// The main form: the channel head's fields, the commands that load, write
// and clear the channel, and the subordinate dialogs for its logos, schedule
// and site map. It owns the channel being edited.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <string>
#include <utility>

#include "channel/Channel.h"
#include "framework/Dialog.h"

class QMenu;
class CLogoDlg;
class CScheduleDlg;
class CSitemapDlg;

class CChannelDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    explicit CChannelDlg(fwgui::Platform& platform, QWidget* parent = nullptr);
    ~CChannelDlg() override;

    // Created by OnInitDialog, deleted by OnDestroy; null before and after.
    CLogoDlg* logoDlg = nullptr;
    CScheduleDlg* scheduleDlg = nullptr;
    CSitemapDlg* sitemapDlg = nullptr;

    // The head is the form's own fields; the dialogs edit the other parts.
    fw::Channel m_channel;

    // What the program was started with, read by OnInitDialog: the bytes of
    // the arguments as the system passed them, whatever the locale.
    void SetCommandLine(std::string commandLine) { m_commandLine = std::move(commandLine); }
    // Initialises the form and shows it.
    void Open();
    // Open, then wait until the form closes. The form is the program's only
    // window, so it needs no modality of its own: the modeless site map
    // dialog must stay usable while the form waits.
    void RunMainForm();

    // Loads a .cdf file into the channel and shows it; reports its own
    // failures. False when a message was shown.
    bool ReadCdf(QString path);

    // Where the help page is looked for when the current directory lacks it.
    void SetHelpDirectories(const QStringList& directories) { m_helpDirectories = directories; }
    static QStringList DefaultHelpDirectories();

    // The tooltips of the form, in the order they are registered.
    static QList<QPair<int, QString>> ToolTipTable();
    // The window menu holding the version entry (right-click on the form).
    QMenu* SystemMenu() const { return m_systemMenu; }

    void OnButtonCreate();
    void OnButtonLoad();
    void OnButtonClear();
    void OnButtonLogo();
    void OnButtonSchedule();
    void OnButtonSitemap();
    void OnButtonInfo();
    void OnButtonHelp();
    void OnCheckBaseUrl();

    // Alt+Space opens the window menu at the form's top left corner.
    void OnSystemMenuKey() override;

    // OK (Enter outside a push button) does nothing.
    void accept() override {}
    void done(int result) override;

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;
    bool OnInitDialog() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectCommands();
    void ReturnFocusTo(int id);
    void CreateSubordinateDialogs();
    void RegisterToolTips();
    void OpenCommandLine();
    void OnDestroy();
    void EnableBaseUrlEdit();
    void ShowFileError(const QString& text);
    // ReadCdf with the path's bytes as the system names the file.
    bool ReadCdfAt(const std::string& path);

    std::string m_commandLine;
    QStringList m_helpDirectories;
    QMenu* m_systemMenu = nullptr;
};
