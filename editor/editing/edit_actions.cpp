// The actions of the other edit modes on a board click. Each is reached from the mouse-up
// dispatch with the clicked hole in EditHoleX/EditHoleY; they are built one by one.
#include "editor/form1.h"

void Form1::BlockMoveClick(int) {}
void Form1::MovePinClick(int) {}
void Form1::DeleteClick(int) {}
void Form1::SlideClick(int) {}
void Form1::DrillClick(int) {}
void Form1::CutClick(int, int, int) {}
