// What the user typed or pasted into a design input box, made plain before the
// number reader sees it. Text pasted from a web page or a spreadsheet often
// starts with a non-breaking space, an East Asian input method gives full-width
// digits ("１２"), and text copied from right-to-left documents carries
// invisible direction marks: none of them changes what the user means.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// `text` (UTF-8) with
// - every Unicode space (the White_Space property: no-break, en, em, thin,
//   ideographic spaces, line and paragraph separators, ...) as a blank;
// - every Unicode decimal digit (general category Nd: Arabic-Indic, Devanagari,
//   full-width, ...) as its ASCII digit;
// - the full-width forms of the ASCII characters (U+FF01..U+FF5E) as those
//   characters, so that "１２．５" reads as 12.5 rather than stopping at the
//   full-width full stop;
// - format characters (general category Cf: zero-width space, direction marks
//   and overrides, byte order mark, soft hyphen, ...) dropped.
// Everything else is kept as it is, so the reader's own rules decide where the
// number ends; a byte that is not UTF-8 becomes '?'.
//
// Returns `text` itself when nothing needs changing, which is the case for
// plain ASCII without line breaks, and then neither allocates nor touches
// `scratch`. Otherwise the result is written to `scratch` (reusing its storage)
// and the view refers to it. Linear in the length of `text`; the result is
// never longer than `text`.
std::string_view normaliseTypedText(std::string_view text, std::string& scratch);

// `text` (UTF-8) without its format characters (as above), and nothing else
// changed: what a box shows after they are dropped from it, so that the digits
// a reader sees are in the order the number is read.
std::string withoutFormatCharacters(std::string_view text);

// The byte offset of the first sequence in `text` that is not well-formed
// UTF-8 (overlong forms and surrogates included), or npos when all of it is.
size_t firstInvalidUtf8(std::string_view text);

}  // namespace tavrel
