// Placeholders, replaced as the view, options and their windows are built.
#include "editor/form1.h"

void Form1::ZoomBoard(const Value&) {}
void Form1::Command13_Click() {}
void Form1::Command14_Click() {}
void Form1::Zoutmin_Click() {}
void Form1::Command15_Click() {}
void Form1::Command16_Click() {}
void Form1::HScroll1_Change() {}
void Form1::VScroll1_Change() {}
void Form1::Flip_Click() {}
void Form1::Form_Resize() {}
void Form1::Check1_Click() {}
void Form1::Check2_Click() {}
void Form1::Check3_Click() {}
void Form1::Check4_Click() {}
void Form1::Horizontal_Click() {}
void Form1::Labelpreview_Click() {}
void Form1::Kelm_Click() {}
void Form1::DrillCut_Click() {}
void Form1::ResetKelm_Click() {}
void Form1::ShowPin_Click() {}
void Form1::BColors_Click() {}
void Form1::Brantel_Click() {}
void Form1::WebSite_Click() {}
void Form1::Command2_Click() {}
void Form1::Text1_KeyPress(int&) {}
void Form1::Text2_KeyPress(int&) {}
