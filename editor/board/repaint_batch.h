// Holds back the whole-board repaints of one command that repaints the board several times
// over (zoom, Zoom All, Zoom last, Build): each repaint asked for in between only takes the
// state a repaint leaves (view-side caption, hole pitch, redraw rectangle); the board is
// painted once, when the outermost batch finishes. Every such command ends with a whole-board
// repaint of its final state, so the picture is the one the last repaint would have left.
#pragma once

class Form1;

class RepaintBatch {
 public:
  explicit RepaintBatch(Form1& form);
  ~RepaintBatch();
  RepaintBatch(const RepaintBatch&) = delete;
  RepaintBatch& operator=(const RepaintBatch&) = delete;

  // Ends the batch; the outermost one paints the board if a repaint was asked for.
  void Finish();

 private:
  Form1& form_;
  bool open_ = true;
};
