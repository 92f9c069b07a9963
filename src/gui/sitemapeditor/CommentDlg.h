#pragma once
// The comment dialog: the short comment, the optional 16x16 icon URL and the
// page usage of one site map record, edited on a copy that goes back into
// the record only on OK.

#include <QList>
#include <string>

#include "framework/Dialog.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
namespace fw {
struct SitemapNode;
}

class CCommentDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    CCommentDlg(fwgui::Platform& platform, QWidget* parent);

    // The caller's copy of the record's fields, taken before showing.
    void LoadFromRecord(const fw::SitemapNode& record);
    // After OK: usage, icon URL ("http://" when no icon is used) and comment.
    void StoreIntoRecord(fw::SitemapNode& record) const;

    int m_bIsPage = 0;
    int m_nUsage = -1;  // index of the checked usage button, -1 for none
    std::string m_strComment;
    std::string m_strIconHref;
    int m_bUseIcon = 0;

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnCheckUseIcon();

    QList<QRadioButton*> m_usageButtons;
    QPlainTextEdit* m_commentEdit = nullptr;
    QLineEdit* m_iconEdit = nullptr;
    QCheckBox* m_useIconCheck = nullptr;
    QPushButton* m_okButton = nullptr;
};
