#include <gtest/gtest.h>

#include <string>

#include "game/chrono.h"

namespace {

HeureDuJour heure;
HeureDuJour Horloge() {
  return heure;
}

void A(int h, int m, int s, int c = 0) {
  heure = {static_cast<uint8_t>(m), static_cast<uint8_t>(h), static_cast<uint8_t>(c),
           static_cast<uint8_t>(s)};
}

class ChronoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    A(10, 0, 0);
    FixeSourceHeure(Horloge);
    RemiseAZeroChronos();
  }
  void TearDown() override { FixeSourceHeure(nullptr); }
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

TEST_F(ChronoTest, MidnightCrossingChargesTwentySeconds) {
  A(23, 59, 50);
  DemarreChrono();
  A(0, 0, 10);
  ChronoBlanc();
  EXPECT_DOUBLE_EQ(HorlogeBlanc.Secondes, 20);
  EXPECT_STREQ(HorlogeBlanc.Texte, "00:00:20");
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

TEST_F(ChronoTest, AClockSetBackChargesNothing) {
  A(10, 5, 0);
  ChronoNoir();
  A(10, 2, 0);
  ChronoNoir();
  EXPECT_EQ(HorlogeNoir.Minutes, 5);
  EXPECT_DOUBLE_EQ(HorlogeNoir.Secondes, 0);
}

TEST_F(ChronoTest, HoursAccumulateAcrossManyTurns) {
  // 25 turns of 20 hours and 59 minutes cross midnight again and again.
  for (int i = 1; i <= 25; i++) {
    A((10 + 21 * i - 1) % 24, 59, 0);
    ChronoNoir();
    A((10 + 21 * i) % 24, 0, 0);
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

TEST(HeureLocaleTest, FieldsAreInRange) {
  const HeureDuJour h = HeureLocale();
  EXPECT_LT(h.Heure, 24);
  EXPECT_LT(h.Minute, 60);
  EXPECT_LT(h.Seconde, 60);
  EXPECT_LT(h.Centiemes, 100);
}

}  // namespace
