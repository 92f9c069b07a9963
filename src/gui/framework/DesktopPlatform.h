#pragma once
// The real desktop: QMessageBox, QFileDialog, ProgressWindow, QDesktopServices.

#include <memory>

#include "framework/Platform.h"
#include "trace/TraceSink.h"

namespace fwgui {

class DesktopPlatform final : public Platform {
public:
    explicit DesktopPlatform(std::unique_ptr<fw::TraceSink> trace);

    MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageButtons buttons,
                             MessageIcon icon) override;
    std::optional<QString> GetOpenFileName(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<QString> GetSaveFileName(QWidget* owner, const FileDialogRequest& request) override;
    std::unique_ptr<fw::CdfProgress> StartProgress(QWidget* owner, const QString& text) override;
    bool OpenDocument(const QString& path) override;
    fw::TraceSink& Trace() override { return *m_trace; }

private:
    std::unique_ptr<fw::TraceSink> m_trace;
};

}  // namespace fwgui
