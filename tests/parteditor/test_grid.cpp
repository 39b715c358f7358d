// The drawing grid driven by real pointer events: snapping, styles and hidden segments, the
// line limit, the origin click, Cancel last, Comp-Y/Expan-Y, the rubber band and the step box.
#include "tests/parteditor/parteditor_fixture.h"

using namespace moravint;

namespace {
constexpr vb::Colour kBack = vb::RGB(240, 240, 240);
constexpr vb::Colour kBlack = vb::RGB(0, 0, 0);
constexpr vb::Colour kGrid = vb::RGB(230, 230, 230);
}  // namespace

TEST_F(PartEditorTest, ClicksSnapToTheGridAndJoinInTheChosenStyles) {
  Start();
  Click(133.7, 420.3);
  f().Command11.PerformClick();  // red for the segment that starts at the new point
  Click(319.7, 419.7);
  f().Command19.PerformClick();  // hidden from there on
  Click(315, 705);
  EXPECT_EQ((std::vector<std::string>{"A 125 75", "C 135 420", "S 310 410", "S 315 705"}), Points());
  EXPECT_EQ("3", f().Text7.Text());
  // The pen stays where the user clicked.
  EXPECT_DOUBLE_EQ(315, f().CurX);
  EXPECT_DOUBLE_EQ(705, f().CurY);
  EXPECT_TRUE(ColourNear(130, 247.5, kBlack));
  EXPECT_TRUE(ColourNear(222.5, 415, vb::RGB(255, 0, 0)));
  EXPECT_EQ(kBack, f().Picture1.Point(312.5, 557.5));  // the hidden segment
  // The grid is laid around the pen: the edges of its cell (310 and 320 across, 700 and 710
  // down) are lines, and so is the picture's top row; between two lines is background.
  EXPECT_EQ(kGrid, f().Picture1.Point(310, 151.5));
  EXPECT_EQ(kGrid, f().Picture1.Point(320, 151.5));
  EXPECT_EQ(kGrid, f().Picture1.Point(604.5, 700));
  EXPECT_EQ(kGrid, f().Picture1.Point(604.5, 710));
  EXPECT_EQ(kGrid, f().Picture1.Point(604.5, 0));
  EXPECT_EQ(kBack, f().Picture1.Point(315, 151.5));
  EXPECT_EQ(kBack, f().Picture1.Point(604.5, 705));
  EXPECT_EQ(kBack, f().Picture1.Point(604.5, 4.5));
  // A right click redraws and adds nothing.
  Click(600, 600, Qt::RightButton);
  EXPECT_EQ(4, m().PointCount.Num());
  EXPECT_EQ("3", f().Text7.Text());
}

TEST_F(PartEditorTest, TheLineLimitStopsAtHundredAndAtTheArraysEnd) {
  Start();
  for (int i = 1; i <= 100; ++i) Click(200 + (i % 10) * 30, 200 + (i / 10) * 30);
  EXPECT_EQ(101, m().PointCount.Num());
  responder.Expect("Maximum number of lines is 100! Click Save to exit", "Limits", vb::vbOK, vb::vbCritical);
  Click(700, 700);
  EXPECT_EQ(101, m().PointCount.Num());
  EXPECT_EQ("100", f().Text7.Text());
  EXPECT_TRUE(m().PtStyle[101].empty());

  // Lowering the count by hand lets clicks go on, but never past the arrays' last entry.
  for (size_t i = 101; i < 999; ++i) {
    m().PtX[i] = m().PtY[i] = 300;
    m().PtStyle[i] = "A";
  }
  m().PointCount = 999;
  Type(f().Text7, "5");
  Click(410, 410);
  EXPECT_EQ(1000, m().PointCount.Num());
  EXPECT_EQ("6", f().Text7.Text());
  responder.Expect("Maximum number of lines is 100! Click Save to exit", "Limits");
  Click(420, 420);
  EXPECT_EQ(1000, m().PointCount.Num());
  EXPECT_EQ("100", f().Text7.Text());
  EXPECT_TRUE(m().PtX[1000].IsEmpty() && m().PtStyle[1000].empty());

  // A count too large for any number stands at the limit: a click adds nothing, Cancel last
  // takes one off it.
  KeyType(f().Text7, "1e400");
  responder.Expect("Maximum number of lines is 100! Click Save to exit", "Limits");
  Click(430, 430);
  EXPECT_EQ(1000, m().PointCount.Num());
  EXPECT_EQ("100", f().Text7.Text());
  KeyType(f().Text7, "-1e400");
  testsupport::MouseClick(f().Command4);
  EXPECT_EQ(999, m().PointCount.Num());
  EXPECT_EQ("99", f().Text7.Text());
  EXPECT_TRUE(responder.Done());
}

TEST_F(PartEditorTest, CancelLastCompressExpandAndRestart) {
  Start();
  f().Command4.PerformClick();  // only the origin: it stays
  EXPECT_EQ(std::vector<std::string>{"A 125 75"}, Points());
  EXPECT_EQ("0", f().Text7.Text());
  Click(185, 235);
  Click(245, 15);
  Click(400, 300);
  f().Command4.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"A 125 75", "A 185 235", "A 245 15"}), Points());
  EXPECT_EQ("2", f().Text7.Text());
  EXPECT_EQ(245, f().CurX);
  EXPECT_EQ(kBack, f().Picture1.Point(322.5, 157.5));  // the removed segment is gone
  // Vertical offsets from the origin divided by 5, not snapped; x and point 0 unchanged.
  f().Command20.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"A 125 75", "A 185 107", "A 245 63"}), Points());
  EXPECT_TRUE(f().Command21.Enabled());
  f().Command21.PerformClick();
  EXPECT_EQ((std::vector<std::string>{"A 125 75", "A 185 235", "A 245 15"}), Points());
  EXPECT_TRUE(f().Command21.Enabled());
  f().Command3.PerformClick();
  EXPECT_EQ(std::vector<std::string>{"A 125 75"}, Points());
  EXPECT_EQ("0", f().Text7.Text());
  EXPECT_FALSE(f().Command21.Enabled());
}

TEST_F(PartEditorTest, RubberBandAndTheStepBox) {
  Start();
  Click(305, 305);
  MoveTo(605, 305);
  MoveTo(305, 605);
  // The band to the pointer is drawn; the earlier band was wiped in the background colour.
  EXPECT_EQ(kBlack, f().Picture1.Point(305, 455));
  EXPECT_EQ(kBack, f().Picture1.Point(455, 305));
  Click(800, 800, Qt::RightButton);
  EXPECT_EQ(kBack, f().Picture1.Point(305, 455));

  Type(f().Text8, "20");
  EXPECT_EQ(20, m().GridStep.Num());
  // None of these is a step: the step stays 20 and the picture still draws.
  for (const char* text : {"0", "-5", "abc", "", "0.4"}) {
    f().Text8.SetText(text);
    EXPECT_EQ(20, m().GridStep.Num()) << text;
  }
  Click(203, 187);
  EXPECT_EQ("A 210 190", Points().back());
  EXPECT_EQ(vb::RGB(230, 230, 230), f().Picture1.Point(813, 850));
}

TEST_F(PartEditorTest, AClickOnTheOriginClosesAndSavesThePart) {
  Start();
  Type(f().Text1, "Pin");
  Click(125, 315);
  Click(128, 72);
  EXPECT_EQ((std::vector<std::string>{"Pin", "0.2", "AR", "2", "2", "1", "A", "0", "0", "0", "12", "A", "0", "12",
                                      "0", "0", "*"}),
            LibraryLines());
  EXPECT_EQ("Name", f().Text1.Text());
  EXPECT_EQ(std::vector<std::string>{"A 125 75"}, Points());
  // Exactly half a step away is not on the origin.
  Type(f().Text1, "Pin2");
  Click(125, 315);
  Click(130, 75);
  EXPECT_EQ(17u, LibraryLines().size());
  EXPECT_EQ("2", f().Text7.Text());
}
