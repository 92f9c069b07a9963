#pragma once
// One lint of one file: the open elements, the schedule being read and the
// findings. Used only by lint's own files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lint/ChannelLint.h"
#include "lint/LintScanner.h"
#include "lint/LintValues.h"

namespace fw::cli::lint {

class LintPass {
public:
    explicit LintPass(const LintInput& input);
    std::vector<Diagnostic> Run();

private:
    enum class Kind { Channel, Item, Schedule, Usage, Dropped };

    struct Open {
        Open(Kind k, std::string n, int l, bool top = false) : kind(k), name(std::move(n)), line(l), topLevel(top) {}
        Kind kind;
        std::string name;  // upper case
        int line;
        bool topLevel = false;
        bool hasTitle = false;
        bool hasHref = false;
        bool hasSelf = false;
        bool sawPage = false;  // a channel's: an ITEM came before
        int icons = 0;         // ICON logos of this channel or item
        // A channel's: the HREFs of its items and sub-channels, with their lines.
        std::unordered_map<std::string, int> hrefs;
    };

    // A time of the schedule, in minutes, with the line it stands on.
    // A time whose numbers are not all plain numbers is not compared.
    struct Time {
        long long minutes = 0;
        int line = 0;
        bool readable = true;
    };
    struct Schedule {
        int line = 0;
        bool topLevel = false;
        std::optional<Time> interval, earliest, latest;
        std::optional<Date> start, stop;
        std::string startText, stopText;
    };

    // Reporting.
    void Report(int line, Severity severity, std::string text, SaveChange change = SaveChange::None);
    // A note on what a save writes otherwise than the file has it.
    void Saved(int line, std::string text, SaveChange change = SaveChange::Normalised);
    void NoteNormalisedText(const Attribute* attribute, std::string_view text, int line, const std::string& what);
    void CheckMarkup(std::string_view text, const char* from, int fromLine, std::string_view where);
    void CheckAttributeValues(const Token& tag);

    // Structure.
    void StartTag(const Token& tag);
    void EndTag(const Token& tag);
    void Push(Open open);
    void Pop();
    void Close(Open& open);
    void CloseOpenItems();
    Open* InnermostContext();
    Open* InnermostChannel();
    std::size_t ChannelDepth() const { return m_channelDepth; }
    bool InItem();

    // Elements.
    void OpenChannel(const Token& tag);
    void OpenItem(const Token& tag);
    void CheckLastmod(const Attribute& attribute, const std::string& name);
    void CheckSitePage(const Attribute& href);
    void ReportLoadEvents();
    void ReadText(const Token& tag, const std::string& name);
    void ReadUsage(const Token& tag);
    void ReadLogo(const Token& tag);
    void CheckPictureSize(const Attribute& href, const std::string& style);
    void CheckUrl(const Attribute& attribute, const std::string& name);
    void CheckLevelAndPrecache(const Attribute& attribute, const std::string& name);
    void NoteDuplicateHref(const Attribute& href, Open* channel);

    // The schedule (ScheduleLint.cpp).
    void OpenSchedule(const Token& tag);
    void ReadScheduleTime(const Token& tag, const std::string& name);
    void CloseSchedule();
    // `saved`: the top-level schedule, which Feedwright's record takes.
    void CheckInterval(const Time& interval);
    void CheckTopLevelSchedule(const Open& channel);

    void ReportLoadStatus();
    int LineAt(std::size_t offset) const;

    std::string m_base;  // the top-level channel's BASE, trimmed
    const LintInput& m_input;
    Scanner m_scanner;
    std::vector<Diagnostic> m_found;

    std::vector<Open> m_stack;
    std::vector<std::size_t> m_contexts;  // the open CHANNEL and ITEM elements, innermost last
    std::unordered_map<std::string, std::size_t> m_openCount;
    std::size_t m_channelDepth = 0;
    std::size_t m_droppedDepth = 0;     // open elements Feedwright drops: their insides need no notes
    std::vector<Schedule> m_schedules;  // the open SCHEDULE elements

    bool m_sawTopChannel = false;
    bool m_topScheduleHasInterval = false;
    bool m_topScheduleChecked = false;
    int m_topScheduleLine = 0;
    int m_declarationLine = 0;
    const char* m_loadStop;         // the '<' where Load stopped with the element error, or null
    bool m_loadStopPlaced = false;  // a finding already says so
    bool m_stopped = false;         // too many findings: the rest is not looked at
    int m_stoppedLine = 1;          // where lint stopped
};

}  // namespace fw::cli::lint
