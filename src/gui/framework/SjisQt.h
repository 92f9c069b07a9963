#pragma once
// Where CP932 members meet widgets. Members hold CP932 bytes with line breaks
// as LF; widgets hold QString.

#include <QString>
#include <string>

namespace fwgui {

// For showing a member: a CR LF shows as one line break.
QString ToQString(const std::string& sjis);
// For taking a widget's text into a member: line breaks become one LF each;
// characters CP932 cannot hold are kept as "&#x...;" references.
std::string FromQString(const QString& text);

}  // namespace fwgui
