#pragma once
// What a load did with the file's pieces, told to an optional observer as it
// happens, with the byte offset of each piece in the text the reader scanned
// (the file's own bytes, or their CP932 conversion; see DecodeFileText). Lint
// reports from these instead of predicting what Load does.

#include <cstddef>
#include <string_view>

namespace fw {

enum class CdfReadAction {
    // An attribute whose name only holds one of the element's own (names
    // match as parts): `name` was taken as `takenAs`.
    TakenAs,
    // An attribute or element no record takes, kept with the record of
    // `element` and written back there; `name` is what a person is shown
    // (an element's or attribute's name, "<!-- -->", "<!DOCTYPE").
    Kept,
    // A value its record cannot hold as written: attribute `name` of
    // `element`, written `value`, is read as `takenAs` (PRECACHE "no" as
    // "YES", an update interval of HOUR="5" as "6").
    Changed,
    // A second top-level CHANNEL: what it holds goes into the first one.
    Joined,
    // An attribute value written without quotes, read as `value` (up to the
    // next blank or '>').
    Unquoted,
    // An attribute value whose closing quote is missing, read as `value`
    // (up to the first '>' of its line, or the line's end, which ends the tag).
    QuoteMissing,
    // The older TITLE attribute of `element`, taken as its title (`value`).
    // When a TITLE element follows, the attribute is Kept at the same offset.
    TitleAttribute,
};

struct CdfReadEvent {
    std::size_t offset = 0;
    CdfReadAction action = CdfReadAction::Kept;
    std::string_view element;  // upper case: "CHANNEL", "ITEM", "SCHEDULE", "USAGE", ...; empty outside every element
    std::string_view name;     // as written
    std::string_view takenAs;  // TakenAs: the element's own name it was taken as; Changed: the value read
    bool attribute = false;    // an attribute of `element`, else an element or markup inside it
    std::string_view value;    // Changed: the value as written; Unquoted, QuoteMissing, TitleAttribute: as read
};

class CdfReadObserver {
public:
    virtual ~CdfReadObserver() = default;
    virtual void OnRead(const CdfReadEvent& event) = 0;
};

}  // namespace fw
