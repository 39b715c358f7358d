// The main window of the layout editor: the board picture, its frames of tools and
// options, the scroll bars and the menu bar. The member functions are defined in the
// folder of the subsystem that owns them:
//   board/   grid, drawing, part outlines, zoom/scroll/flip/layout, options, new board,
//            start-up and exit, settings file
//   editing/ edit modes, placement, editing actions, hit tests, pointer handling, part
//            library and the editing windows
//   files/   design files, netlists, printing
#pragma once

#include <utility>
#include <vector>

#include "editor/board/part_drawing.h"
#include "editor/brantel.h"
#include "editor/editing/hit_tests.h"
#include "platform/controls.h"
#include "platform/picturebox.h"

class Form1 : public vb::Form {
 public:
  explicit Form1(Brantel& app);

  Brantel& app;
  Module1& m;

  // ---- controls ----
  vb::PictureBox Picture1;  // the board
  vb::HScrollBar HScroll1;
  vb::VScrollBar VScroll1;
  vb::CommandButton Command17;  // "ZA"

  vb::Frame Frame1;  // "Control"
  vb::Label Label1;
  vb::TextBox Text1;  // across
  vb::Label Label2;
  vb::TextBox Text2;  // down
  vb::CommandButton Command2;  // "Build"
  vb::CheckBox Check1;  // "Horizontal"
  vb::CheckBox Check2;  // "Label Preview"
  vb::CheckBox Check3;  // "Kelm"
  vb::CheckBox Check4;  // "Pads"

  vb::Frame Frame3;  // logo, name and view side
  vb::Image Image1;
  vb::Label Label4;
  vb::Label Label3;  // view side

  vb::Frame Frame2;  // "Comp": the edit tools
  vb::CommandButton Command1;   // Place Component
  vb::CommandButton Command3;   // Delete Component
  vb::CommandButton Command4;   // Slide Component
  vb::CommandButton Command5;   // Move a pin
  vb::CommandButton Command6;   // Re Draw
  vb::CommandButton Command9;   // Cut Trace
  vb::CommandButton Command11;  // Block Move

  vb::Frame Frame4;  // "Board": files, printing, zoom, exit
  vb::CommandButton Command8;   // Save or Load File
  vb::CommandButton Command7;   // Print Screen/Label
  vb::CommandButton Command13;  // zoom in
  vb::CommandButton Command14;  // zoom out
  vb::CommandButton Command15;  // Zoom All
  vb::CommandButton Command16;  // Zoom last
  vb::CommandButton Command12;  // Exit

  // Hidden pictures of the two cutting tools.
  vb::PictureBox Picture3;
  vb::PictureBox Picture4;

  // Hidden transfer boxes: the part being placed, and the pointer readout.
  vb::TextBox Text7;   // reference
  vb::TextBox Text8;   // value
  vb::TextBox Text20;  // part name
  vb::TextBox Text21;  // fit flag
  vb::TextBox Text9;   // package code
  vb::TextBox Text22;  // pin spacing
  vb::TextBox Text18;  // pointer X
  vb::TextBox Text19;  // pointer Y

  // ---- menu bar ----
  vb::MenuItem File;
  vb::MenuItem Open;
  vb::MenuItem Export;
  vb::MenuItem OrcadPcb2;
  vb::MenuItem Tango;
  vb::MenuItem import;
  vb::MenuItem OcadPCB2in;
  vb::MenuItem Tangoin;
  vb::MenuItem Print;
  vb::MenuItem Labelpreview;
  vb::MenuItem Exit;
  vb::MenuItem ComponentGroup;
  vb::MenuItem ShowPin;
  vb::MenuItem Board;
  vb::MenuItem Horizontal;
  vb::MenuItem Kelm;
  vb::MenuItem Flip;
  vb::MenuItem DrillCut;
  vb::MenuItem BColors;
  vb::MenuItem Tools;
  vb::MenuItem ResetKelm;
  vb::MenuItem ZoomM;
  vb::MenuItem inplus;
  vb::MenuItem Zoutmin;
  vb::MenuItem Zlast;
  vb::MenuItem Zall;
  vb::MenuItem WebSite;
  vb::MenuItem Brantel_;  // "Introducing Brantel-Pro"

  // ---- board grid (board/grid.cpp) ----
  void FillArray();
  void KillGrid(const Value& x, const Value& y);
  void InitKelm();
  void BuildArray(bool reset);
  // Hole positions were written outside BuildArray: the fast hit tests check them again.
  void HolesMoved() { lattice_.Forget(); }
  void GraphicLimits(bool reset);

  // ---- board drawing (board/drawing.cpp) ----
  // Repaints the rectangle of holes (x1, y1)-(x2, y2), mode 0, or the whole board, mode 1
  // (mode 2: in the label-preview colours); the ordered, widened rectangle is written back.
  void ReDrawFT(int& x1, int& y1, int& x2, int& y2, int mode);
  // ReDrawFT(0, 0, 0, 0, mode).
  void ReDrawWhole(int mode);
  void DrawHoleCell(const Value& x, const Value& y, const Value& preview);
  void DrawSegment(const Value& x, const Value& y, const Value& colour);
  void DrawDrill(const Value& x, const Value& y, const Value& colour);

  // ---- part outlines (board/part_drawing.cpp) ----
  void DrawComp(const std::string& record, Value x1, Value y1, Value& x3, Value& y3, const Value& label);
  void MeanXY(const Value& x, const Value& y, double& mx, double& my);
  void BuildPinList(const Value& x, const Value& y);

  // ---- start-up and exit (board/startup.cpp) ----
  void Form_Load();
  void Form_Unload();
  void Command12_Click();
  void exit_Click() { Command12_Click(); }
  void verUpdate();

  // ---- settings file (board/settings.cpp) ----
  void ReadSettings();
  void WriteSettings();

  // ---- zoom, scroll, flip, layout (board/zoom.cpp) ----
  void ZoomBoard(const Value& Factor);
  void Command13_Click();
  void Command14_Click();
  void Zoutmin_Click();
  void Command15_Click();
  void Command16_Click();
  void Command17_Click() { Command15_Click(); }
  void inplus_Click() { Command13_Click(); }
  void Zlast_Click() { Command16_Click(); }
  void Zall_Click() { Command15_Click(); }
  void HScroll1_Change();
  void VScroll1_Change();
  void Flip_Click();
  void Form_Resize();

  // ---- options and tool menus (board/options.cpp) ----
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check4_Click();
  void Horizontal_Click();
  void Labelpreview_Click();
  void Kelm_Click();
  void DrillCut_Click();
  void ResetKelm_Click();
  void ShowPin_Click();
  // Enables or disables Cut Trace; while a part slides the button stays disabled and the
  // state is given to it when the slide ends.
  void EnableCutTrace(bool enabled);

  // ---- colours and product window (board/form9_colours.cpp, board/form6_product.cpp) ----
  void BColors_Click();
  void Brantel_Click();
  void WebSite_Click();

  // ---- printing (files/printing.cpp) ----
  void Command7_Click();
  void Print_Click();

  // ---- new board (board/new_board.cpp) ----
  void Command2_Click();
  // True when both size boxes hold a board size (a whole number from 1 to 100). Otherwise
  // the size message is shown, the boxes are put back and False comes back: no routine
  // may take a size from the boxes that the grid cannot hold.
  bool BoardSizeTyped();
  void Text1_KeyPress(int& KeyAscii);
  void Text2_KeyPress(int& KeyAscii);

  // ---- netlists (files/netlist_form1.cpp) ----
  // Format 0 writes "Tango.net", 1 "List.net", 2 "Orcad.net" into the program folder.
  void ExportNetlist(const Value& format);
  void Tango_Click();
  void OrcadPcb2_Click();
  void ExportList();
  void Tangoin_Click();

  // ---- Save/Load window launchers (files/form3_saveload.cpp) ----
  void Command8_Click();
  void Open_Click();

  // ---- hit tests (editing/hit_tests.cpp) ----
  // The hole, strip segment or label box under (X, Y): its across and down in HitX/HitY
  // (0, 0 for none); LastX/LastY follow a hit.
  void OnaHole(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY);
  void OnaTrace(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY);
  void onalabel(double X, double Y, int& HitX, int& HitY, int& LastX, int& LastY);

  // ---- edit modes and tool buttons (editing/modes.cpp) ----
  void Command1_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command9_Click();
  void Command11_Click();
  // All seven mode flags off, in the buttons' order.
  void ClearModes();
  // The holes of the pins placed so far of a part whose ring is not closed yet, from its
  // pin 1; none when no placement is under way.
  std::vector<std::pair<long, long>> UnfinishedPins() const;
  // Removes the pins of a part whose placement did not finish and clears the pin pair.
  void AbandonPlacement();
  // What every tool button does first: the unfinished part and the pin pair go, and all
  // seven mode flags are off.
  void EndModes();
  // Ends a placement under way as a tool button does (the pins already placed go); a saved
  // design holds no part with an open ring.
  void EndPlacing();

  // ---- mouse-up dispatch (editing/mouse_up.cpp) ----
  void Picture1_MouseUp(int Button, int Shift, double X, double Y);

  // ---- pointer moves and presses over the board (editing/hover.cpp) ----
  void Picture1_MouseMove(int Button, int Shift, double X, double Y);
  void Picture1_MouseDown(int Button, int Shift, double X, double Y);

  // ---- placing parts (editing/placement.cpp) ----
  bool PlacePin(int& x, int& y);
  bool TestHoles(int x, int y, int mode, int shift);
  // The placement branches of a click on hole (EditHoleX, EditHoleY); n is the click's copy of
  // the pin count.
  void PlaceBranches(int n, int Shift);

  // ---- the other actions of a click (editing/edit_actions.cpp; each is the whole action
  // of its mode, run with the clicked hole in EditHoleX/EditHoleY) ----
  void BlockMoveClick(int Shift);
  void MovePinClick(int Shift);
  void DeleteClick(int Shift);
  void SlideClick(int Shift);
  void DrillClick(int Shift);
  // Runs with the strip segment found under the pointer, (cx, cy) its right-hand or lower hole.
  void CutClick(int cx, int cy, int Shift);

 private:
  HitScan ScanExtent(const Value& size) const;
  HoleLattice lattice_;
  // Whole-board repaints asked for inside one zoom or Build command are done once, at its end
  // (board/drawing.cpp, editor/board/repaint_batch.h).
  friend class RepaintBatch;
  friend void RefreshBoard(Brantel& app);
  // What a whole-board repaint leaves besides the picture: the caption, the pitch taken from
  // the grid and the emptied redraw rectangle.
  void TakeRepaintState();
  int repaintHolds_ = 0;
  bool repaintOwed_ = false;
  // Cut Trace's enabled state for when the slide under way ends (board/options.cpp).
  bool cutTraceAfterSlide_ = false;
  // The part records drawn, parsed (board/part_drawing.cpp).
  RecordCache records_;
};

// Module-level operations of the editor.
// Stores value into field k of every pin of the part that holds hole (x, y) and widens
// RedrawRect over the part.
void SetHole(Module1& m, const Value& x, const Value& y, int k, const Value& value);
// Repaints the whole board on the background of the current preview option.
void RefreshBoard(Brantel& app);

// The maker's web pages, and the browser start that must never stop the program.
extern const char* const kMakerHomePage;
extern const char* const kMakerProPage;
void StartBrowser(const std::string& address);
