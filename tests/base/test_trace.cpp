#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "base/trace.h"
#include "test_util.h"

namespace {

std::string Lit(const char* nom) {
  std::ifstream f(nom);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class TraceTest : public ::testing::Test {
 protected:
  void TearDown() override { FermeTraceJeu(); }
};

TEST_F(TraceTest, TheTraceFileIsTruncatedAtOpening) {
  {
    std::ofstream ancien("trace_test.trace");
    ancien << "ancienne partie\n";
  }
  OuvreTraceJeu("trace_test.trace");
  TraceSeule("NumeroCoup=%d\n", 3);
  FermeTraceJeu();
  EXPECT_EQ(Lit("trace_test.trace"), "NumeroCoup=3\n");
  std::remove("trace_test.trace");
}

TEST_F(TraceTest, AnUnopenableTraceFallsBackSilentlyToTheErrorStream) {
  CaptureErreurs erreurs;
  OuvreTraceJeu("/nonexistent-directory/game.trace");
  EXPECT_EQ(TraceJeu(), SortieErreurs());
  TraceSeule("PanicMode=%d\n", 0);
  EXPECT_EQ(erreurs.Texte(), "PanicMode=0\n");
}

TEST_F(TraceTest, TraceLinesGoToTheTraceAndTheConsole) {
  OuvreTraceJeu("trace_test2.trace");
  CaptureConsole console;
  Trace("PanicMode=%d\n", 2);
  FermeTraceJeu();
  EXPECT_EQ(Lit("trace_test2.trace"), "PanicMode=2\n");
  EXPECT_EQ(console.Texte(), Silence ? "" : "PanicMode=2\n");
  std::remove("trace_test2.trace");
}

}  // namespace
