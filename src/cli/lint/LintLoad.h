#pragma once
// A file's bytes loaded as Load loads them, and lint's input made from that
// load: the text the reader scanned, its status, where it stopped and what it
// told. Every command that lints a file starts here, so lint always reports
// what Load did.

#include <string>
#include <string_view>

#include "lint/ChannelLint.h"
#include "text/FileEncoding.h"

namespace fw::cli::lint {

class LintLoad {
public:
    // `bytes` must outlive this.
    explicit LintLoad(std::string_view bytes);
    LintLoad(const LintLoad&) = delete;
    LintLoad& operator=(const LintLoad&) = delete;

    LintInput& Input() { return m_input; }

private:
    FileText m_text;
    std::string m_lineEnds;
    LintInput m_input;
};

}  // namespace fw::cli::lint
