#pragma once

#include <string>

// text between single quotes, as messages name a path or a value the user
// gave: its bytes as they are, except the control characters (0x00 to 0x1F
// and 0x7F), each written \xHH, so that a message stays one line and shows
// what the name holds.
std::string Quoted(const std::string& text);
