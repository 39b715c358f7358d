// Netlist export over the board grid: the strip check and wire-link merge, collecting the
// pins, grouping them into nets, and writing the Tango, pin-list and OrCAD PCB II forms.
#include <cmath>
#include <unordered_map>

#include "editor/files/netlist.h"
#include "platform/strings.h"

namespace netlist {

namespace {

constexpr const char* kEol = "\r\n";
constexpr const char* kWireLink = "Short";

// Runs body(a, d) over the board holes, row by row and across each row.
template <class Body>
void ForEachHole(BoardSize board, Body body) {
  for (long d = 1; d <= board.down; ++d)
    for (long a = 1; a <= board.across; ++a) body(a, d);
}

bool IsWireLinkEnd(const HoleGridTable& g, long a, long d) { return g(a, d, CompPackage).Text() == kWireLink; }

// A column or row number held in a grid field, when it names a hole of the board.
bool BoardIndex(const Value& v, long limit, long& out) {
  double n = 0;
  if (v.IsNumber()) {
    n = v.Num();
  } else if (v.IsText() && !vb::ParseNumber(v.Text(), &n)) {
    return false;
  }
  if (!std::isfinite(n)) return false;
  n = vb::Round(n);
  if (n < 1 || n > limit) return false;
  out = static_cast<long>(n);
  return true;
}

void Line(std::string& out, const std::string& text) {
  out += text;
  out += kEol;
}

}  // namespace

BoardSize BoardSizeFrom(const std::string& acrossText, const std::string& downText) {
  const auto bound = [](const std::string& text) {
    const double n = vb::Val(text);
    if (!(n >= 1)) return 0L;  // also NaN
    const long limit = HoleGridTable::kSize - 1;
    return n >= limit ? limit : static_cast<long>(std::floor(n));
  };
  return {bound(acrossText), bound(downText)};
}

std::string PinEntry::StripKey() const { return vb::Trim(strip); }
std::string PinEntry::Member() const { return reference + "-" + pin; }
std::string PinEntry::Text() const { return Member() + "," + strip; }

bool CheckStripsAndMergeLinks(HoleGridTable& g, BoardSize board) {
  const Value none(0);
  for (long d = 1; d <= board.down; ++d) {
    for (long a = 1; a <= board.across; ++a) {
      const Value own = g(a, d, KelmNet);
      if (own == none) return false;
      if (!IsWireLinkEnd(g, a, d)) continue;
      // The other end of the link is the next pin of its ring.
      long fa = 0, fd = 0;
      if (!BoardIndex(g(a, d, CompXToo), board.across, fa) || !BoardIndex(g(a, d, CompYToo), board.down, fd))
        continue;
      const Value far = g(fa, fd, KelmNet);
      // A far end without a strip is reported when the pass reaches it.
      if (far == none || far == own) continue;
      ForEachHole(board, [&](long x, long y) {
        if (g(x, y, KelmNet) == far) g(x, y, KelmNet) = own;
      });
    }
  }
  return true;
}

std::vector<PinEntry> CollectPins(const HoleGridTable& g, BoardSize board) {
  std::vector<PinEntry> pins;
  ForEachHole(board, [&](long a, long d) {
    std::string reference = g(a, d, CompName).Text();
    if (reference.empty() || IsWireLinkEnd(g, a, d)) return;
    pins.push_back({std::move(reference), g(a, d, PinNumber).Text(), g(a, d, KelmNet).Text(),
                    g(a, d, CompValue).Text(), g(a, d, CompPackage).Text()});
  });
  return pins;
}

std::vector<Net> GroupNets(const std::vector<PinEntry>& pins) {
  std::vector<Net> nets;
  std::unordered_map<std::string, std::size_t> byStrip;
  for (const PinEntry& pin : pins) {
    const std::string key = pin.StripKey();
    const auto [it, added] = byStrip.try_emplace(key, nets.size());
    if (added) nets.push_back({key, {}});
    nets[it->second].pins.push_back(pin);
  }
  return nets;
}

std::vector<Component> CollectComponents(const HoleGridTable& g, BoardSize board) {
  std::vector<Component> parts;
  const Value firstPin(1);
  ForEachHole(board, [&](long a, long d) {
    if (g(a, d, XYs).Text().empty() || g(a, d, PinNumber) != firstPin) return;
    std::string reference = g(a, d, CompName).Text();
    if (!reference.empty() && (reference[0] == 'S' || reference[0] == 's')) return;
    parts.push_back({std::move(reference), g(a, d, CompPackage).Text(), g(a, d, CompValue).Text()});
  });
  return parts;
}

std::string TangoNetlist(const std::vector<Component>& components, const std::vector<Net>& nets) {
  std::string out;
  for (const Component& c : components) {
    Line(out, "[");
    Line(out, c.reference);
    Line(out, c.package);
    Line(out, c.value);
    Line(out, "");
    Line(out, "");
    Line(out, "");
    Line(out, "]");
  }
  for (const Net& net : nets) {
    Line(out, "(");
    Line(out, "N" + vb::Format(Value(net.strip), "00000"));
    for (const PinEntry& pin : net.pins) Line(out, pin.Member());
    Line(out, ")");
  }
  return out;
}

std::string PinListFile(const std::vector<Net>& nets) {
  std::string out;
  for (const Net& net : nets)
    for (const PinEntry& pin : net.pins) Line(out, pin.Text());
  return out;
}

std::string OrcadNetlist(const std::vector<PinEntry>& pins) {
  std::string out;
  Line(out, "( {OrCAD OCB II Netlist Format}");
  // One block per run of consecutive pins of the same part.
  long block = 0;
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const PinEntry& pin = pins[i];
    if (i == 0 || pins[i - 1].reference != pin.reference) {
      if (i > 0) {
        Line(out, ")");
        ++block;
      }
      Line(out, "( " + vb::Format(static_cast<double>(block), "00000000") + " " + pin.package + " " +
                    pin.reference + " " + pin.value);
    }
    Line(out, " ( " + vb::Trim(pin.pin) + " " + vb::Format(Value(pin.StripKey()), "00000000") + " )");
  }
  if (!pins.empty()) Line(out, ")");
  Line(out, ")");
  return out;
}

}  // namespace netlist
