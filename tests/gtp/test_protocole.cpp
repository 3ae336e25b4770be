// The protocol byte for byte: framing, ids, preprocessing of the input, the
// standard commands and their errors.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "gtp/gtp.h"
#include "version.h"

namespace {

class ProtocoleTest : public ::testing::Test {
 protected:
  void SetUp() override { ReinitialiseGtp(); }

  // The whole output of a session fed with entree.
  static std::string Session(const std::string& entree) {
    std::istringstream in(entree);
    std::ostringstream out;
    BoucleGtp(in, out);
    return out.str();
  }

  // The answer to one line.
  static std::string R(const std::string& ligne) {
    std::string r;
    TraiteLigneGtp(ligne, r);
    return r;
  }
};

TEST_F(ProtocoleTest, AnswersAreFramedWithTheIdAndABlankLine) {
  EXPECT_EQ(R("protocol_version"), "= 2\n\n");
  EXPECT_EQ(R("1 name"), "=1 Ilvane\n\n");
  EXPECT_EQ(R("version"), std::string("= ") + ILVANE_VERSION + "\n\n");
  EXPECT_EQ(R("42 clear_board"), "=42 \n\n");
  EXPECT_EQ(R("0 name"), "=0 Ilvane\n\n");
  // Leading zeros are not part of the number; a huge id is echoed whole.
  EXPECT_EQ(R("007 name"), "=7 Ilvane\n\n");
  EXPECT_EQ(R("000 name"), "=0 Ilvane\n\n");
  EXPECT_EQ(R("123456789012345678901234567890 name"), "=123456789012345678901234567890 Ilvane\n\n");
  EXPECT_EQ(R("3 foo"), "?3 unknown command\n\n");
  EXPECT_EQ(R("foo"), "? unknown command\n\n");
  // An id must be all digits; a lone id is a command line without a command.
  EXPECT_EQ(R("3a name"), "? unknown command\n\n");
  EXPECT_EQ(R("-3 name"), "? unknown command\n\n");
  EXPECT_EQ(R("17"), "?17 unknown command\n\n");
  // Command names are case-sensitive.
  EXPECT_EQ(R("NAME"), "? unknown command\n\n");
}

TEST_F(ProtocoleTest, CommentsBlankLinesAndControlCharacters) {
  EXPECT_EQ(R(""), "");
  EXPECT_EQ(R("   "), "");
  EXPECT_EQ(R("\t \t"), "");
  EXPECT_EQ(R("# a comment"), "");
  EXPECT_EQ(R("   # indented comment"), "");
  EXPECT_EQ(R("\r"), "");
  EXPECT_EQ(R("name # what follows is a comment"), "= Ilvane\n\n");
  EXPECT_EQ(R("2 name#comment"), "=2 Ilvane\n\n");
  EXPECT_EQ(R("name\r"), "= Ilvane\n\n");
  EXPECT_EQ(R("\tname\t"), "= Ilvane\n\n");
  EXPECT_EQ(R("n\x01"
              "a\x1bm\x7f"
              "e"),
            "= Ilvane\n\n");
  EXPECT_EQ(R(std::string("na\0me", 5)), "= Ilvane\n\n");
  EXPECT_EQ(R("5\tname"), "=5 Ilvane\n\n");
  EXPECT_EQ(R("play\tb\tD4"), "= \n\n");
  EXPECT_EQ(R("play  w   E5  "), "= \n\n");
  EXPECT_EQ(R("list_stones black"), "= D4\n\n");
  // A '#' inside what would be an argument still starts a comment.
  EXPECT_EQ(R("play b#C3"), "? invalid color or coordinate\n\n");
  // Bytes above 127 are not control characters: they make unknown words.
  EXPECT_EQ(R("n\xc3\xa9me"), "? unknown command\n\n");
}

TEST_F(ProtocoleTest, SessionAnswersEveryCommandLineOnceAndStopsAtQuit) {
  const std::string entree =
      "# set-up\n"
      "\n"
      "1 boardsize 9\r\n"
      "   \t  \n"
      "2 play b c3\n"
      "play w C3\n"
      "3 quit\n"
      "name\n";
  EXPECT_EQ(Session(entree), "=1 \n\n=2 \n\n? illegal move\n\n=3 \n\n");
}

TEST_F(ProtocoleTest, EndOfInputEndsTheSessionAndALastLineWithoutNewLineIsAnswered) {
  EXPECT_EQ(Session(""), "");
  EXPECT_EQ(Session("name"), "= Ilvane\n\n");
  EXPECT_EQ(Session("name\n# no new line at the end"), "= Ilvane\n\n");
  EXPECT_EQ(Session("\n\n\n"), "");
  EXPECT_EQ(Session("1 name\n2 version"),
            std::string("=1 Ilvane\n\n=2 ") + ILVANE_VERSION + "\n\n");
}

TEST_F(ProtocoleTest, AnOverlongLineIsReadToItsEndAndRefused) {
  std::string longue = "12 play b ";
  longue += std::string(LIGNE_GTP_MAX + 10, 'x');
  EXPECT_EQ(Session(longue + "\nname\n"), "?12 line too long\n\n= Ilvane\n\n");
  // A long comment is still a comment.
  EXPECT_EQ(Session("#" + std::string(LIGNE_GTP_MAX * 2, 'c') + "\nname\n"), "= Ilvane\n\n");
  // TraiteLigneGtp itself takes any length.
  EXPECT_EQ(R("name " + std::string(LIGNE_GTP_MAX * 2, 'a')), "= Ilvane\n\n");
}

TEST_F(ProtocoleTest, KnownAndListedCommandsAgree) {
  const std::string liste = R("list_commands");
  ASSERT_EQ(liste.substr(0, 2), "= ");
  ASSERT_EQ(liste.substr(liste.size() - 2), "\n\n");
  std::istringstream noms(liste.substr(2, liste.size() - 4));
  std::string nom;
  int n = 0;
  while (std::getline(noms, nom)) {
    ASSERT_FALSE(nom.empty());
    EXPECT_EQ(R("known_command " + nom), "= true\n\n") << nom;
    n++;
  }
  for (const char* attendu : {"protocol_version",
                              "name",
                              "version",
                              "known_command",
                              "list_commands",
                              "quit",
                              "boardsize",
                              "clear_board",
                              "komi",
                              "play",
                              "undo",
                              "genmove",
                              "reg_genmove",
                              "showboard",
                              "final_score",
                              "time_settings",
                              "time_left",
                              "loadsgf",
                              "is_legal",
                              "list_stones",
                              "countlib",
                              "findlib"})
    EXPECT_NE(liste.find(std::string("\n") + attendu + "\n"), liste.find("\n\n")) << attendu;
  EXPECT_GE(n, 25);
  EXPECT_EQ(R("known_command xyzzy"), "= false\n\n");
  EXPECT_EQ(R("known_command PLAY"), "= false\n\n");
  EXPECT_EQ(R("known_command"), "= false\n\n");
}

TEST_F(ProtocoleTest, BoardsizeAcceptsOneToNineteen) {
  EXPECT_EQ(R("boardsize 0"), "? unacceptable size\n\n");
  EXPECT_EQ(R("boardsize 20"), "? unacceptable size\n\n");
  EXPECT_EQ(R("boardsize -9"), "? unacceptable size\n\n");
  EXPECT_EQ(R("boardsize 99999999999999999999"), "? syntax error\n\n");
  EXPECT_EQ(R("boardsize nine"), "? syntax error\n\n");
  EXPECT_EQ(R("boardsize 9.0"), "? syntax error\n\n");
  EXPECT_EQ(R("boardsize"), "? syntax error\n\n");
  EXPECT_EQ(R("play b D4"), "= \n\n");
  // A refused size changes nothing.
  EXPECT_EQ(R("list_stones b"), "= D4\n\n");
  EXPECT_EQ(R("boardsize 19"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= \n\n");
  EXPECT_EQ(R("play b T19"), "= \n\n");
  EXPECT_EQ(R("play w a1"), "= \n\n");
  EXPECT_EQ(R("list_stones black"), "= T19\n\n");
  EXPECT_EQ(R("list_stones white"), "= A1\n\n");
  EXPECT_EQ(R("boardsize 1"), "= \n\n");
  EXPECT_EQ(R("is_legal b A1"), "= 0\n\n");  // suicide on the only point
  EXPECT_EQ(R("play b B1"), "? invalid color or coordinate\n\n");
  EXPECT_EQ(R("boardsize 2"), "= \n\n");
  EXPECT_EQ(R("play b A1"), "= \n\n");
  EXPECT_EQ(R("play b A2"), "= \n\n");
  EXPECT_EQ(R("play w B1"), "= \n\n");
  EXPECT_EQ(R("play w B2"), "= \n\n");  // captures both black stones
  EXPECT_EQ(R("list_stones black"), "= \n\n");
  EXPECT_EQ(R("list_stones white"), "= B2 B1\n\n");
}

TEST_F(ProtocoleTest, VerticesAndColours) {
  EXPECT_EQ(R("play b d4"), "= \n\n");
  EXPECT_EQ(R("play BLACK e5"), "= \n\n");
  EXPECT_EQ(R("play White J9"), "= \n\n");
  EXPECT_EQ(R("play W a1"), "= \n\n");
  EXPECT_EQ(R("play b h8"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= H8 E5 D4\n\n");
  EXPECT_EQ(R("list_stones WHITE"), "= J9 A1\n\n");
  // No column I; nothing beyond the board; no vertex without a row.
  for (const char* faux : {"play b I5", "play b i5", "play b K5", "play b A10", "play b A0",
                           "play b A", "play b 5", "play b AA1", "play b A-1", "play b A+1",
                           "play b A 1", "play x A1", "play bl A1", "play", "play b"})
    EXPECT_EQ(R(faux), "? invalid color or coordinate\n\n") << faux;
  EXPECT_EQ(R("play b A01"), "? illegal move\n\n");
  EXPECT_EQ(R("play b b02"), "= \n\n");
  EXPECT_EQ(R("list_stones b"), "= H8 E5 D4 B2\n\n");
}

TEST_F(ProtocoleTest, PassInAnyCase) {
  EXPECT_EQ(R("play b pass"), "= \n\n");
  EXPECT_EQ(R("play w PASS"), "= \n\n");
  EXPECT_EQ(R("play black Pass"), "= \n\n");
  EXPECT_EQ(R("is_legal w pass"), "= 1\n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "= \n\n");
  EXPECT_EQ(R("undo"), "? cannot undo\n\n");
  EXPECT_EQ(R("countlib pass"), "? invalid coordinate\n\n");
  EXPECT_EQ(R("findlib PASS"), "? invalid coordinate\n\n");
}

TEST_F(ProtocoleTest, StoneQueriesNeedAStone) {
  EXPECT_EQ(R("countlib D4"), "? vertex must not be empty\n\n");
  EXPECT_EQ(R("findlib D4"), "? vertex must not be empty\n\n");
  EXPECT_EQ(R("countlib"), "? syntax error\n\n");
  EXPECT_EQ(R("countlib Z9"), "? invalid coordinate\n\n");
  EXPECT_EQ(R("list_stones"), "? invalid color\n\n");
  EXPECT_EQ(R("list_stones red"), "? invalid color\n\n");
  EXPECT_EQ(R("is_legal b"), "? invalid color or coordinate\n\n");
  EXPECT_EQ(R("play b D4"), "= \n\n");
  EXPECT_EQ(R("countlib d4"), "= 4\n\n");
  EXPECT_EQ(R("findlib D4"), "= D5 C4 E4 D3\n\n");
  EXPECT_EQ(R("play b A1"), "= \n\n");
  EXPECT_EQ(R("findlib A1"), "= A2 B1\n\n");
  EXPECT_EQ(R("play w A2"), "= \n\n");
  EXPECT_EQ(R("countlib A1"), "= 1\n\n");
  EXPECT_EQ(R("findlib A1"), "= B1\n\n");
}

TEST_F(ProtocoleTest, ShowboardDrawsTheBoardWithoutBlankLines) {
  R("play b D4");
  R("play w E5");
  R("play b J1");
  EXPECT_EQ(R("7 showboard"),
            "=7 \n"
            "   A B C D E F G H J\n"
            " 9 . . . . . . . . . 9\n"
            " 8 . . . . . . . . . 8\n"
            " 7 . . . . . . . . . 7\n"
            " 6 . . . . . . . . . 6\n"
            " 5 . . . . O . . . . 5\n"
            " 4 . . . X . . . . . 4\n"
            " 3 . . . . . . . . . 3\n"
            " 2 . . . . . . . . . 2\n"
            " 1 . . . . . . . . X 1\n"
            "   A B C D E F G H J\n\n");
  R("boardsize 11");
  R("play w K10");
  const std::string r = R("showboard");
  EXPECT_NE(r.find("   A B C D E F G H J K L\n11 . . . . . . . . . . . 11\n"
                   "10 . . . . . . . . . O . 10\n 9 . . ."),
            std::string::npos)
      << r;
  EXPECT_EQ(r.find("\n\n"), r.size() - 2);
}

TEST_F(ProtocoleTest, FinalScoreCountsStonesWithKomiToWhite) {
  EXPECT_EQ(R("final_score"), "= 0\n\n");
  R("play b D4");
  R("play b E4");
  R("play w E5");
  EXPECT_EQ(R("final_score"), "= B+1\n\n");
  EXPECT_EQ(R("komi 6.5"), "= \n\n");
  EXPECT_EQ(R("final_score"), "= W+5.5\n\n");
  EXPECT_EQ(R("komi 1"), "= \n\n");
  EXPECT_EQ(R("final_score"), "= 0\n\n");
  EXPECT_EQ(R("komi -0.5"), "= \n\n");
  EXPECT_EQ(R("final_score"), "= B+1.5\n\n");
  EXPECT_EQ(R("komi 0.25"), "= \n\n");
  EXPECT_EQ(R("final_score"), "= B+0.75\n\n");
  for (const char* faux : {"komi", "komi x", "komi 6.5x", "komi nan", "komi inf", "komi 1e400"})
    EXPECT_EQ(R(faux), "? syntax error\n\n") << faux;
  EXPECT_EQ(R("final_score"), "= B+0.75\n\n");
  R("play w pass");
  R("play w C3");
  R("play w F3");
  EXPECT_EQ(R("final_score"), "= W+1.25\n\n");
}

TEST_F(ProtocoleTest, TimeCommandsAreAcceptedAndChecked) {
  EXPECT_EQ(R("time_settings 300 30 5"), "= \n\n");
  EXPECT_EQ(R("time_settings 0 0 0"), "= \n\n");
  EXPECT_EQ(R("time_left black 120 0"), "= \n\n");
  EXPECT_EQ(R("time_left w 30 4"), "= \n\n");
  for (const char* faux :
       {"time_settings", "time_settings 1 2", "time_settings a b c", "time_settings -1 0 0",
        "time_left", "time_left b 10", "time_left red 10 0", "time_left b x 0"})
    EXPECT_EQ(R(faux), "? syntax error\n\n") << faux;
}

TEST_F(ProtocoleTest, ColourToMoveForTheEngine) {
  EXPECT_EQ(R("genmove"), "? invalid color\n\n");
  EXPECT_EQ(R("genmove purple"), "? invalid color\n\n");
  EXPECT_EQ(R("reg_genmove"), "? invalid color\n\n");
}

}  // namespace
