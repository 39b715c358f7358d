// The product information window about the larger edition, and the two menu entries of
// the main window that lead to it and to the maker's home page.
#include "editor/board/form6_product.h"

#include <utility>

#include "editor/form1.h"
#include "platform/color.h"

Form6::Form6(Brantel& a)
    : vb::Form(a, "Form6"),
      app(a),
      Label1(*this, "Label1", "Sizable windows"),
      Label2(*this, "Label2", "Multiple component leads in the same hole"),
      Label3(*this, "Label3", "Pads as well as vertical and horizontal traces."),
      Label4(*this, "Label4", "Diagonal traces and hole to hole traces"),
      Label5(*this, "Label5", "Built in board layouts"),
      Label6(*this, "Label6", "Built-in board editor"),
      Label7(*this, "Label7", "Component editor"),
      Label8(*this, "Label8", "Design files"),
      Check1(*this, "Check1"), Check2(*this, "Check2"), Check3(*this, "Check3"),
      Check4(*this, "Check4"), Check5(*this, "Check5"), Check6(*this, "Check6"),
      Check7(*this, "Check7"), Check8(*this, "Check8"), Check9(*this, "Check9"),
      Check10(*this, "Check10"), Check11(*this, "Check11"), Check12(*this, "Check12"),
      Check13(*this, "Check13"), Check14(*this, "Check14"), Check15(*this, "Check15"),
      Check16(*this, "Check16"),
      lblCompany(*this, "lblCompany", "Brantel-Pro web page"),
      Command1(*this, "Command1", "Done") {
  SetCaption("Introducing Brantel-Pro");
  SetClientSize(5115, 4215);
  SetStartUpPosition(vb::vbStartUpOwner);
  SetBackColor(vb::RGB(0, 255, 255));

  struct Row {
    int top;
    vb::Label* label;
    vb::CheckBox* first;   // at left 240
    int firstValue;
    vb::CheckBox* second;  // at left 720
    int secondValue;
  };
  const Row rows[] = {
      {960, &Label1, &Check13, 0, &Check14, 1},  {1320, &Label2, &Check8, 0, &Check1, 1},
      {1680, &Label3, &Check9, 1, &Check10, 1},  {2040, &Label4, &Check11, 0, &Check12, 1},
      {2400, &Label5, &Check7, 0, &Check2, 1},   {2760, &Label6, &Check6, 0, &Check3, 1},
      {3120, &Label7, &Check15, 1, &Check16, 1}, {3480, &Label8, &Check5, 0, &Check4, 1},
  };
  for (const Row& r : rows) {
    // Captions beside the "Done" button stop short of it.
    const int left = r.label == &Label1 ? 1440 : 1200;
    const int width = (r.top >= 2640 && r.top <= 3360) ? 2100 : 5115 - left;
    r.label->Move(left, r.top, width, 255);
    r.label->SetFont(8);
    int left2 = 240;
    for (auto [box, value] : {std::pair{r.first, r.firstValue}, std::pair{r.second, r.secondValue}}) {
      box->Move(left2, r.top, 255, 495);
      box->SetBackColor(vb::vbWhite);
      box->SetValue(value);
      vb::CheckBox* b = box;
      const int v = value;
      box->Click = [this, b, v] { KeepTick(*b, v); };
      left2 += 480;
    }
  }

  lblCompany.Move(2880, 3840, 2175, 255);
  lblCompany.SetAlignment(vb::vbCenter);
  lblCompany.SetForeColor(vb::RGB(0, 0, 255));
  lblCompany.SetFont(8, false, true);
  lblCompany.Click = [this] { lblCompany_Click(); };

  Command1.Move(3360, 2880, 1335, 495);
  Command1.Click = [this] { Command1_Click(); };
}

void Form6::KeepTick(vb::CheckBox& box, int value) { box.SetValue(value); }

void Form6::Command1_Click() { Unload(); }

void Form6::lblCompany_Click() {
  StartBrowser(kMakerProPage);
  Unload();
}

void Form1::Brantel_Click() { app.Form6().Show(vb::vbModeless); }

void Form1::WebSite_Click() { StartBrowser(kMakerHomePage); }
