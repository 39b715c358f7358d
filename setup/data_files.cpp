// The data files of the OMRA data set: "cdata.dat", "odata.dat" and "omravid.dll" (a plain
// text file despite its name), each a header line and the lines of a fixed table.
#include <string>

#include "platform/files.h"
#include "setup/data_tables.h"
#include "setup/form1.h"
#include "setup/program.h"
#include "shared/line_encoder.h"

namespace {

// The key of the header line of every data file.
constexpr int kHeaderKey = 3;

void WriteDataFile(const std::string& path, const std::string& header, const char* const* lines, int count,
                   const std::array<vb::Value, 4>& keys) {
  vb::TextWriter out(path);
  out.PrintLine(EncodeStr(header, kHeaderKey));
  int m = 0;
  for (int i = 0; i < count; ++i) {
    if (m > 3) m = 0;
    const std::string line = lines[i];
    out.PrintLine(line.empty() ? std::string() : EncodeStr(line, keys[static_cast<std::size_t>(m)]));
    ++m;
  }
  out.Close();
}

}  // namespace

void Form1::BuildCdata(const std::string& header) {
  WriteDataFile(Text2.Text() + "\\cdata.dat", header, setup::kClientLines, setup::kClientLinesCount, app.m.LineKeys);
}

void Form1::BuildOdata(const std::string& header) {
  WriteDataFile(Text2.Text() + "\\odata.dat", header, setup::kNamedLines, setup::kNamedLinesCount, app.m.LineKeys);
}

void Form1::BuildXref(const std::string& header) {
  WriteDataFile(Text2.Text() + "\\omravid.dll", header, setup::kXrefLines, setup::kXrefLinesCount, app.m.LineKeys);
}
