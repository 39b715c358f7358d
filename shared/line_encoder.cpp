#include "shared/line_encoder.h"

#include "platform/errors.h"
#include "platform/strings.h"

namespace {

std::string Shift(const std::string& text, long by) {
  std::string result;
  result.reserve(text.size());
  for (const char ch : text) {
    const long code = static_cast<unsigned char>(ch) + by;
    if (code < 0 || code > 255) throw vb::RuntimeError(5);
    result.push_back(static_cast<char>(code));
  }
  return result;
}

}  // namespace

std::string EncodeStr(const std::string& text, const vb::Value& key) { return Shift(text, vb::CLng(key)); }

std::string DecodeStr(const std::string& text, const vb::Value& key) { return Shift(text, -vb::CLng(key)); }
