// Windows-1252, the single-byte code page of every file the application
// writes or reads (record files, settings files, exports, PDF text).
// Core texts are UTF-8; these functions are the only crossing point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvelo {

// Returns the Windows-1252 bytes of a UTF-8 text. A character that the code
// page cannot hold, or a malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Returns the UTF-8 text of Windows-1252 bytes. The five bytes the code page
// leaves undefined (81 8D 8F 90 9D) map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// Appends the UTF-8 text of Windows-1252 bytes to `out` (no temporary string:
// record decoding calls it for every field).
void AppendCp1252AsUtf8(std::string_view bytes, std::string& out);

// Returns the Windows-1252 byte of one code point, or '?' when there is none.
char CodePointToCp1252(char32_t cp);

// Decodes a UTF-8 text into code points; malformed bytes become U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);

// Encodes code points as UTF-8.
std::string CodePointsToUtf8(std::u32string_view cps);

// Number of code points of a UTF-8 text (what "characters" means everywhere
// in the core: widths, cuts, counts).
std::size_t CodePointCount(std::string_view utf8);

}  // namespace corvelo
