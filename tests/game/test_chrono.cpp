#include <gtest/gtest.h>

#include <string>

#include "game/chrono.h"

namespace {

// The monotonic clock the stopwatch reads, set in hours, minutes, seconds and
// hundredths since an arbitrary origin.
int64_t temps = 0;
int64_t Horloge() {
  return temps;
}

void A(int h, int m, int s, int c = 0) {
  temps = ((int64_t{h} * 60 + m) * 60 + s) * 100 + c;
}

class ChronoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    A(10, 0, 0);
    FixeSourceTemps(Horloge);
    RemiseAZeroChronos();
  }
  void TearDown() override { FixeSourceTemps(nullptr); }
};

TEST_F(ChronoTest, ResetGivesZeroTexts) {
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:00");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:00");
  EXPECT_EQ(HorlogeNoir.Minutes, 0);
  EXPECT_EQ(HorlogeNoir.Secondes, 0);
}

TEST_F(ChronoTest, SeventyFiveSecondsReadOneMinuteFifteen) {
  A(10, 1, 15);
  ChronoNoir();
  EXPECT_EQ(HorlogeNoir.Heures, 0);
  EXPECT_EQ(HorlogeNoir.Minutes, 1);
  EXPECT_DOUBLE_EQ(HorlogeNoir.Secondes, 15);
  EXPECT_STREQ(HorlogeNoir.Texte, "00:01:15");
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:00");
}

TEST_F(ChronoTest, SixtyOneMinutesReadOneHourOneMinute) {
  // Two turns of 30 and 31 minutes, with White's moves between them.
  A(10, 30, 0);
  ChronoBlanc();
  A(10, 30, 20);
  ChronoNoir();
  A(11, 1, 20);
  ChronoBlanc();
  EXPECT_EQ(HorlogeBlanc.Heures, 1);
  EXPECT_EQ(HorlogeBlanc.Minutes, 1);
  EXPECT_DOUBLE_EQ(HorlogeBlanc.Secondes, 0);
  EXPECT_STREQ(HorlogeBlanc.Texte, "01:01:00");
  EXPECT_STREQ(HorlogeNoir.Texte, "00:00:20");
}

TEST_F(ChronoTest, EachSideIsChargedFromTheOtherSidesSwitch) {
  A(10, 0, 7);
  ChronoNoir();
  A(10, 0, 12);
  ChronoBlanc();
  A(10, 0, 20);
  ChronoNoir();
  EXPECT_DOUBLE_EQ(HorlogeNoir.Secondes, 15);
  EXPECT_DOUBLE_EQ(HorlogeBlanc.Secondes, 5);
}

TEST_F(ChronoTest, FractionsOfASecondAreDroppedAtEachReading) {
  A(10, 0, 0, 90);
  ChronoNoir();  // 0.9 s: nothing
  A(10, 0, 1, 80);
  ChronoNoir();  // 0.9 s again: nothing
  EXPECT_DOUBLE_EQ(HorlogeNoir.Secondes, 0);
  A(10, 0, 3, 0);
  EXPECT_EQ(LitChrono(), 1);  // 1.2 s
}

TEST_F(ChronoTest, SecondesChronoReadsHundredthsWithoutRestarting) {
  A(10, 0, 2, 50);
  EXPECT_DOUBLE_EQ(SecondesChrono(), 2.5);
  A(10, 0, 4, 0);
  EXPECT_DOUBLE_EQ(SecondesChrono(), 4.0);
  EXPECT_EQ(LitChrono(), 4);
  EXPECT_DOUBLE_EQ(SecondesChrono(), 0.0);
}

// Only a source put in by a test can go back; it charges nothing.
TEST_F(ChronoTest, ASourceGoingBackChargesNothing) {
  A(10, 5, 0);
  ChronoNoir();
  A(10, 2, 0);
  ChronoNoir();
  EXPECT_EQ(HorlogeNoir.Minutes, 5);
  EXPECT_DOUBLE_EQ(HorlogeNoir.Secondes, 0);
}

TEST_F(ChronoTest, HoursAccumulateAcrossManyTurns) {
  // 25 turns of 20 hours and 59 minutes.
  for (int i = 1; i <= 25; i++) {
    A(10 + 21 * i - 1, 59, 0);
    ChronoNoir();
    A(10 + 21 * i, 0, 0);
    ChronoBlanc();
  }
  EXPECT_EQ(HorlogeNoir.Heures, 25 * 20 + 25 * 59 / 60);
  EXPECT_EQ(HorlogeNoir.Minutes, 25 * 59 % 60);
  EXPECT_EQ(HorlogeBlanc.Minutes, 25);
  // Past 99 hours the first character leaves the digits, the text keeps its form.
  EXPECT_EQ(std::string(HorlogeNoir.Texte).size(), 8u);
  EXPECT_EQ(HorlogeNoir.Texte[0], '0' + HorlogeNoir.Heures / 10);
  EXPECT_EQ(HorlogeNoir.Texte[2], ':');
  EXPECT_EQ(HorlogeNoir.Texte[5], ':');
}

// The machine's clock: changing the time of day or summer time cannot move it
// back, so the readings never decrease.
TEST(TempsMonotoneTest, NeverGoesBack) {
  int64_t avant = TempsMonotone();
  for (int i = 0; i < 100000; i++) {
    const int64_t t = TempsMonotone();
    ASSERT_GE(t, avant);
    avant = t;
  }
}

}  // namespace
