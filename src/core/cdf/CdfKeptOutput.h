#pragma once
// Writing back what the reader kept beside a record: foreign attributes
// after the element's own, foreign child content after its own children.

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "channel/KeptContent.h"

namespace fw {

class CdfTextOutput;

// Whether `kept` has attributes (shadows aside) or child content of `part`.
bool HasKeptAttributes(const Kept& kept, KeptPart part);
bool HasKeptChildren(const Kept& kept, KeptPart part);

// The value of the shadow attribute `name` of `part`, or null.
const std::string* KeptShadow(const Kept& kept, KeptPart part, std::string_view name);

// `separator` NAME="value" for each attribute of `part` (shadows aside),
// except those whose name the writer has written from the record already.
void PutKeptAttributes(CdfTextOutput& out, const Kept& kept, KeptPart part, std::string_view separator,
                       std::initializer_list<std::string_view> written = {});

// The child content of `part`, one element, text or piece of markup a line,
// indented by `indent` blanks and two more for every level inside.
void PutKeptChildren(CdfTextOutput& out, const Kept& kept, KeptPart part, std::size_t indent);

}  // namespace fw
