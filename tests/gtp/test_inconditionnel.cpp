// unconditional_status against GNU Go's command of the same name, at every
// point of seeded random positions set up in both engines over GTP. Whatever
// Ilvane decides, GNU Go must say the same; GNU Go decides a little more (its
// own stones inside its territory are "alive" even when they could be taken,
// and it reads some regions Benson's test leaves open).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "gtp/gtp.h"
#include "positions_aleatoires.h"
#include "tactics/outils_tactique.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int POSITIONS = 2;
#else
constexpr int POSITIONS = 5;
#endif

std::string R(const std::string& ligne) {
  std::string r;
  TraiteLigneGtp(ligne, r);
  return r;
}

TEST(UnconditionalStatus, CommeGnuGoSurDesPositionsAleatoires) {
  if (CheminGnuGo().empty()) GTEST_SKIP() << "GNU Go is not installed";
  int decides = 0, decidesGnuGo = 0;
  for (uint32_t graine = 1; graine <= static_cast<uint32_t>(POSITIONS); graine++) {
    const Damier d = PositionAleatoire(9, graine, 100 + 50 * static_cast<int>(graine));
    ReinitialiseGtp();
    for (int32_t p = 0; p < NbIntersections; p++)
      if (Couleur(d, p)) {
        ASSERT_EQ(R(std::string(Couleur(d, p) == 1 ? "play b " : "play w ") + Vertex(p)), "= \n\n");
      }
    std::vector<std::string> questions;
    for (int32_t p = 0; p < NbIntersections; p++)
      questions.push_back("unconditional_status " + Vertex(p));
    const std::vector<std::string> gnugo = DemandeGnuGo(DiagrammeDe(d), questions);
    ASSERT_EQ(gnugo.size(), questions.size());
    for (size_t i = 0; i < questions.size(); i++) {
      const std::string ilvane = R(questions[i]);
      ASSERT_EQ(ilvane.substr(0, 2), "= ");
      const std::string reponse = ilvane.substr(2, ilvane.size() - 4);
      if (reponse != "undecided") {
        EXPECT_EQ(reponse, gnugo[i]) << questions[i] << " seed " << graine << "\n"
                                     << DiagrammeDe(d);
        decides++;
      }
      decidesGnuGo += gnugo[i] != "undecided";
    }
  }
  std::printf("%d points decided by Ilvane, %d by GNU Go\n", decides, decidesGnuGo);
  EXPECT_GT(decides, 0);
}

TEST(UnconditionalStatus, Erreurs) {
  ReinitialiseGtp();
  EXPECT_EQ(R("unconditional_status"), "? invalid coordinate\n\n");
  EXPECT_EQ(R("unconditional_status Z9"), "? invalid coordinate\n\n");
  EXPECT_EQ(R("unconditional_status pass"), "? invalid coordinate\n\n");
  EXPECT_EQ(R("unconditional_status E5"), "= undecided\n\n");
}

}  // namespace
