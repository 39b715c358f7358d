// Placeholders, replaced as the windows and routines are built.
#include "editor/board/form6_product.h"
#include "editor/board/form9_colours.h"
#include "editor/board/splash.h"
#include "editor/editing/form8_pindata.h"
#include "editor/form1.h"

const char* const kMakerHomePage = "https://brantel.example/";
const char* const kMakerProPage = "https://brantel.example/pro";
void StartBrowser(const std::string&) {}

frmSplash::frmSplash(Brantel& a)
    : vb::Form(a, "frmSplash"), app(a), Frame1(*this, "Frame1"), imgLogo(Frame1, "imgLogo"),
      lblProductName(Frame1, "lblProductName", "Brantel"), lblVersion(Frame1, "lblVersion"),
      lblPlatform(Frame1, "lblPlatform", "Platform Windows 9X/XP"), lblCompanyProduct(Frame1, "lblCompanyProduct"),
      lblCompany(Frame1, "lblCompany"), Command1(*this, "Command1", "Continue") {}
void frmSplash::Form_Load() {}
void frmSplash::Continue() {}
void frmSplash::lblCompany_Click() {}
Form6::Form6(Brantel& a) : vb::Form(a, "Form6"), app(a) {}
Form8::Form8(Brantel& a) : vb::Form(a, "Form8"), app(a) {}
Form9::Form9(Brantel& a) : vb::Form(a, "Form9"), app(a), Picture1(*this, "Picture1") {}

void Form1::FillArray() {}
void Form1::KillGrid(const Value&, const Value&) {}
void Form1::InitKelm() {}
void Form1::BuildArray(bool) {}
void Form1::GraphicLimits(bool) {}
void SetHole(Module1&, const Value&, const Value&, int, const Value&) {}
void Form1::ReDrawFT(int&, int&, int&, int&, int) {}
void Form1::ReDrawWhole(int) {}
void Form1::DrawHoleCell(const Value&, const Value&, const Value&) {}
void Form1::DrawSegment(const Value&, const Value&, const Value&) {}
void Form1::DrawDrill(const Value&, const Value&, const Value&) {}
void RefreshBoard(Brantel&) {}
void Form1::Form_Load() {}
void Form1::Form_Unload() {}
void Form1::Command12_Click() {}
void Form1::verUpdate() {}
void Form1::ReadSettings() {}
void Form1::WriteSettings() {}
