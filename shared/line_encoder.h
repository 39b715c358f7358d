// Shifts every character code of a line up (encode) or down (decode) by a key. The data
// files of the installer and the part library lines pass through these.
#pragma once

#include <string>

#include "platform/value.h"

// Character i of the result has the code of character i of text plus the key. A code that
// leaves 0..255 has no character: the call fails with run-time error 5 and returns nothing.
std::string EncodeStr(const std::string& text, const vb::Value& key);
// The same with the key taken off.
std::string DecodeStr(const std::string& text, const vb::Value& key);
