// Reading a Tango netlist: component blocks "[" reference, package, value, further lines
// up to "]", then net blocks "(" net name, member lines up to ")".
#include "editor/files/netlist.h"

namespace netlist {

namespace {

// The lines of a text, each without its end (CR LF, LF or a lone CR).
class LineCursor {
 public:
  explicit LineCursor(std::string_view data) : data_(data) {}
  bool AtEnd() const { return pos_ >= data_.size(); }
  // The next line, or false at the end of the text.
  bool Next(std::string_view& line) {
    if (AtEnd()) return false;
    const std::size_t end = data_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) {
      line = data_.substr(pos_);
      pos_ = data_.size();
      return true;
    }
    line = data_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    return true;
  }

 private:
  std::string_view data_;
  std::size_t pos_ = 0;
};

TangoContents Failed(TangoContents r, TangoCheck check) {
  r.check = check;
  return r;
}

}  // namespace

TangoContents ReadTangoNetlist(std::string_view bytes) {
  TangoContents r;
  LineCursor in(bytes);
  std::string_view line;
  if (!in.Next(line)) return Failed(std::move(r), TangoCheck::Empty);

  // Component blocks.
  while (line == "[") {
    std::string_view reference, package, value;
    if (!in.Next(reference) || !in.Next(package) || !in.Next(value)) return Failed(std::move(r), TangoCheck::Unclosed);
    r.references.emplace_back(reference);
    r.packages.emplace_back(package);
    r.values.emplace_back(value);
    // Whatever else the block holds is passed over.
    do {
      if (!in.Next(line)) return Failed(std::move(r), TangoCheck::Unclosed);
    } while (line != "]");
    // A file may end after a closed component block.
    if (!in.Next(line)) return r;
  }
  // Net blocks; a file may also begin with them (every part's reference begins with "S").
  if (line != "(") return Failed(std::move(r), TangoCheck::FormatError);
  for (;;) {
    std::string_view name;
    if (!in.Next(name)) return Failed(std::move(r), TangoCheck::Unclosed);
    r.netNames.emplace_back(name);
    do {
      if (!in.Next(line)) return Failed(std::move(r), TangoCheck::Unclosed);
    } while (line != ")");
    if (in.AtEnd()) return r;
    in.Next(line);  // the line that opens the next net block
  }
}

}  // namespace netlist
