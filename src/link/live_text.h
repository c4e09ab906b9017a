#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::link {

// A playout system writes the title now playing into a text file; its first
// line goes to the encoder as a radiotext entry.

// How much of the file's start is read: the first line that matters fits many times over.
inline constexpr std::size_t kLiveTextReadLimit = 4096;

// The RT payload for the live text: 64 characters of Windows-1252 text and the
// active flag "1", 65 bytes in all, whatever the input.
//
// The text is the prefix (Windows-1252, as the settings store holds it)
// followed by the file's first line, cut or padded with spaces to 64. The line
// loses a UTF-8 byte-order mark and ends at the first CR or LF. It reads as
// UTF-8 when it is strict UTF-8, and as Windows-1252 otherwise; when fileStart
// fills the whole read limit without a line end, a sequence cut off at its end
// is dropped. Characters the code page lacks become their base letter (ł as l)
// or "?", combining accents vanish, and control characters, the five undefined
// bytes of the code page among them, become spaces in prefix and line alike.
// Bytes of fileStart beyond the read limit are not looked at.
std::string liveRadiotextPayload(std::string_view prefix, std::string_view fileStart);

} // namespace velmora::link
