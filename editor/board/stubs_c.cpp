// Placeholders, replaced as the part outline drawing is built.
#include "editor/form1.h"

void Form1::DrawComp(const std::string&, Value, Value, Value&, Value&, const Value&) {}
void Form1::MeanXY(const Value&, const Value&, double&, double&) {}
void Form1::BuildPinList(const Value&, const Value&) {}
