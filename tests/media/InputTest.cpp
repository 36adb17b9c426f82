// Keyboard and mouse sampling, key releases, and the input journal's text form.
#include <gtest/gtest.h>

#include <vector>

#include "base/InputFrame.h"
#include "media/Media.h"
#include "support/Headless.h"

namespace {

void Frame() {
  PresentFrame(0);
  SampleKeyboard();
  SampleMouse();
}

TEST(KeyReleased, FiresOncePerPressOnTheRelease) {
  ResetGameForTest();
  ReplayJournalText("1 keys=25\n5 keys=\n");
  for (int i = 0; i < 4; ++i) {
    Frame();
    EXPECT_EQ(KeyHeld(Key::P), 1);
    EXPECT_EQ(KeyReleased(Key::P), 0) << "held keys do not repeat";
  }
  Frame();
  EXPECT_EQ(KeyHeld(Key::P), 0);
  EXPECT_EQ(KeyReleased(Key::P), 1);
  EXPECT_EQ(KeyReleased(Key::P), 0) << "read once";
  Frame();
  EXPECT_EQ(KeyReleased(Key::P), 0);
}

TEST(KeyReleased, AnyKeyAndKeysHeldAcrossANewScreen) {
  ResetGameForTest();
  ReplayJournalText("1 keys=1,28\n3 keys=28\n4 keys=\n");
  Frame();
  EXPECT_EQ(KeyHeld(-1), 1);
  ForgetKeyReleases();  // a new screen starts with Escape and Enter down
  Frame();
  Frame();
  EXPECT_EQ(KeyReleased(-1), 0);
  Frame();
  EXPECT_EQ(KeyReleased(Key::Enter), 0);
  ReplayJournalText("1 keys=57\n2 keys=\n");
  Frame();
  Frame();
  EXPECT_EQ(KeyReleased(-1), 1) << "a later press counts again";
}

TEST(Mouse, DeltasWheelAndTextGoToTheFirstSampleOfAFrame) {
  ResetGameForTest();
  ReplayJournalText("1 mouse=5,-3 wheel=2 text=ab%20c buttons=1\n3 mouse=0,0\n");
  PresentFrame(0);
  SampleMouse();
  SampleKeyboard();
  EXPECT_EQ(PointerDeltaX(), 5);
  EXPECT_EQ(PointerDeltaY(), -3);
  EXPECT_EQ(PointerWheel(), 2);
  EXPECT_EQ(TypedKeys(), "ab c");
  EXPECT_EQ(PointerButton(1), 1);
  SampleMouse();
  SampleKeyboard();
  EXPECT_EQ(PointerDeltaX(), 0) << "no movement since the last sample";
  EXPECT_EQ(TypedKeys(), "");
  Frame();  // frame 2: motion held, events gone
  EXPECT_EQ(PointerDeltaX(), 5);
  EXPECT_EQ(PointerWheel(), 0);
  EXPECT_EQ(TypedKeys(), "");
  Frame();
  EXPECT_EQ(PointerDeltaX(), 0);
  EXPECT_EQ(PointerButton(1), 1);
  EXPECT_EQ(PointerButton(4), 0);
}

TEST(Journal, LinesRoundTripAndOnlyChangesAreWritten) {
  InputFrame before, now;
  EXPECT_EQ(JournalLine(3, now, before), "");
  now.keys.set(25);
  now.keys.set(203);
  now.mouseDx = -4;
  now.text = "A b%\n";
  now.joyX = 0;
  std::string line = JournalLine(12, now, before);
  EXPECT_EQ(line.find(' ') != std::string::npos, true);
  InputFrame read;
  long number = 0;
  ASSERT_TRUE(ParseJournalLine(line, number, read));
  EXPECT_EQ(number, 12);
  EXPECT_EQ(read.keys, now.keys);
  EXPECT_EQ(read.mouseDx, -4);
  EXPECT_EQ(read.mouseDy, 0);
  EXPECT_EQ(read.text, now.text);
  EXPECT_EQ(read.joyX, 32767) << "no joystick: its axes are not written";
  now.joyOpen = true;
  ASSERT_TRUE(ParseJournalLine(JournalLine(13, now, before), number, read));
  EXPECT_TRUE(read.joyOpen);
  EXPECT_EQ(read.joyX, 0);
  EXPECT_EQ(read.joyY, 32767);
  EXPECT_NE(JournalLine(14, before, now).find(" joy=none"), std::string::npos);
  ASSERT_TRUE(ParseJournalLine(JournalLine(14, before, now), number, read));
  EXPECT_FALSE(read.joyOpen);
  // The focus: written when it changes, kept by lines without it (older journals never name it).
  InputFrame away;
  away.focus = false;
  EXPECT_EQ(JournalLine(15, away, before), "15 focus=0");
  EXPECT_EQ(JournalLine(16, before, away), "16 focus=1");
  ASSERT_TRUE(ParseJournalLine("15 focus=0", number, read));
  EXPECT_FALSE(read.focus);
  ASSERT_TRUE(ParseJournalLine("16 keys=1 mouse=2,0", number, read));
  EXPECT_FALSE(read.focus);
  ASSERT_TRUE(ParseJournalLine("17 focus=1", number, read));
  EXPECT_TRUE(read.focus);
}

TEST(Journal, UnreadableLinesAreRefusedWithoutChangingTheFrame) {
  InputFrame frame;
  frame.buttons = 1;
  long number = 7;
  for (const char* bad : {"", "x keys=1", "-3 keys=1", "5 keys=300", "5 keys=1,,2", "5 mouse=1", "5 nonsense",
                          "5 buttons=abc", "5 text=%4", "5 text=%zz", "5 joy=1,2",
                          // numbers out of their field's range, overflowing ones included
                          "99999999999999999999 keys=1", "5 mouse=2147483647,0", "5 mouse=0,-1000001",
                          "5 mouse=99999999999999999999,0", "5 wheel=4294967297", "5 buttons=8", "5 buttons=-1",
                          "5 joy=65536,0,0", "5 joy=0,-1,0", "5 joy=0,0,2147483648", "5 keys=1,",
                          "5 focus=2", "5 focus=-1", "5 focus=", "5 focus=0,1"}) {
    EXPECT_FALSE(ParseJournalLine(bad, number, frame)) << bad;
    EXPECT_EQ(frame.buttons, 1);
    EXPECT_EQ(number, 7);
  }
  EXPECT_TRUE(ParseJournalLine("9 keys=", number, frame));
  EXPECT_TRUE(frame.keys.none());
  EXPECT_TRUE(ParseJournalLine("9 mouse=1000000,-1000000 joy=65535,0,2147483647", number, frame));
  EXPECT_EQ(frame.mouseDx, journalMotionLimit);
  EXPECT_EQ(frame.joyButtons, 2147483647);
}

TEST(Journal, LinesOutOfOrderOrOutOfRangeAreSkippedAndLaterLinesStillApply) {
  ResetGameForTest();
  ::testing::internal::CaptureStderr();
  ReplayJournalText("2 mouse=3,0\n99999999999999999999 mouse=9,0\n1 mouse=7,0\n3 mouse=2147483647,0\n4 mouse=5,0\n");
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    Frame();
    seen.push_back(PointerDeltaX());
  }
  std::string messages = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(seen, (std::vector<int>{0, 3, 3, 5}));
  EXPECT_NE(messages.find("99999999999999999999"), std::string::npos) << messages;
  EXPECT_NE(messages.find("frame 1 comes after frame 2"), std::string::npos) << messages;
  EXPECT_NE(messages.find("2147483647"), std::string::npos) << messages;
}

}  // namespace

namespace {

TEST(InjectedInput, EntersWhereDeviceInputEntersForOneFrame) {
  ResetGameForTest();
  ASSERT_TRUE(InjectInput("mouse=6,0 buttons=1"));
  EXPECT_FALSE(InjectInput("mouse=x"));
  PresentFrame(0);
  SampleMouse();
  EXPECT_EQ(PointerDeltaX(), 6);
  EXPECT_EQ(PointerButton(1), 1);
  PresentFrame(0);  // nothing injected: the held input of the last frame goes on
  SampleMouse();
  EXPECT_EQ(PointerDeltaX(), 6);
  ASSERT_TRUE(InjectInput("mouse=0,0 buttons=0"));
  PresentFrame(0);
  SampleMouse();
  EXPECT_EQ(PointerDeltaX(), 0);
  EXPECT_EQ(PointerButton(1), 0);
}

}  // namespace

namespace {

// Device input without a window from the next present on: held input as `held` (journal fields) leaves it,
// taps sent as the window system's events.
void StartDeviceInput(const std::string& held) {
  ResetGameForTest();
  ReplayJournalText("1 keys= mouse=0,0 buttons=0 " + held + "\n");
  Frame();
  EndReplay();
}

// Per frame: P held, Left held, P released, left button held.
using Seen = std::vector<std::vector<int>>;
Seen SeeFrames(int frames) {
  Seen seen;
  for (int i = 0; i < frames; ++i) {
    Frame();
    seen.push_back({KeyHeld(Key::P), KeyHeld(Key::Left), KeyReleased(Key::P), PointerButton(1)});
  }
  return seen;
}

TEST(DeviceTaps, ATapWithinOneFrameIsHeldForThatFrameReleasedInTheNextAndReplayedSo) {
  StartDeviceInput("keys=203");
  RecordJournalText();
  SendDeviceKey(Key::P, true);
  SendDeviceKey(Key::P, false);
  SendDeviceButton(1, true);
  SendDeviceButton(1, false);
  Seen seen = SeeFrames(3);
  const Seen expected = {{1, 1, 0, 1}, {0, 1, 1, 0}, {0, 1, 0, 0}};
  EXPECT_EQ(seen, expected) << "the held key stays held while the tap comes and goes";
  std::string journal = RecordedJournalText();
  EXPECT_EQ(journal, "1 keys=25,203 buttons=1\n2 keys=203 buttons=0\n");
  ResetGameForTest();
  ReplayJournalText(journal);
  EXPECT_EQ(SeeFrames(3), expected);
}

TEST(DeviceTaps, OnlyTheDevicesFramesTakeThem) {
  // A replay's input is the journal's alone.
  ResetGameForTest();
  ReplayJournalText("1 keys=\n3 keys=\n");
  SendDeviceKey(Key::P, true);
  SendDeviceButton(3, true);
  Frame();
  EXPECT_EQ(KeyHeld(Key::P), 0);
  EXPECT_EQ(PointerButton(3), 0);
  // The program's input goes on from what was held, not from the tap of the frame before.
  StartDeviceInput("");
  SendDeviceKey(Key::P, true);
  SendDeviceButton(3, true);
  SendDeviceButton(2, true);
  Frame();
  EXPECT_EQ(KeyHeld(Key::P), 1);
  EXPECT_EQ(PointerButton(2), 1);
  EXPECT_EQ(PointerButton(3), 1);
  ASSERT_TRUE(InjectInput("mouse=1,0"));
  Frame();
  EXPECT_EQ(KeyHeld(Key::P), 0);
  EXPECT_EQ(PointerButton(3), 0);
  EXPECT_EQ(PointerDeltaX(), 1);
  EndReplay();
}

}  // namespace
