#pragma once

// Helpers of the rule tests: compiling rule sources in memory, loading them
// into the rule base as a file would be, setting up a board from a diagram,
// and describing matched records so that sets can be compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "board/incremental.h"
#include "compilateur.h"
#include "diagramme.h"
#include "rules/base.h"
#include "rules/buts.h"
#include "rules/motifs.h"
#include "rules/regles.h"
#include "test_util.h"

inline std::vector<uint8_t> Compile(const std::string& source, const std::string& nom = "test") {
  compilateur::Erreurs erreurs;
  const compilateur::FichierRegles f = compilateur::LitSource(source, nom, erreurs);
  for (const std::string& e : erreurs) ADD_FAILURE() << e;
  return compilateur::EcritBinaire(f);
}

inline std::string LitFichier(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void EcritFichier(const std::string& chemin, const std::vector<uint8_t>& octets) {
  std::ofstream f(chemin, std::ios::binary);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
}

// Reads the bytes into the rule base as the file `nom` with keys of `cles`
// bytes; returns what the loader wrote on the error stream.
inline std::string Charge(const std::vector<uint8_t>& octets, int cles = CLE_32_BITS,
                          const char* nom = "test.bin") {
  CaptureErreurs erreurs;
  TailleCle = cles;
  std::FILE* f = std::tmpfile();
  if (!octets.empty()) std::fwrite(octets.data(), 1, octets.size(), f);
  std::fflush(f);
  LitFluxBinaire(f, nom);
  std::fclose(f);
  return erreurs.Texte();
}

// Compiles and loads a source (its key width is the one of its 'cles' line).
inline void ChargeSource(const std::string& source) {
  const int cles = source.find("cles 92") != std::string::npos ? CLE_POSITION : CLE_32_BITS;
  Charge(Compile(source), cles);
}

// Sets up the incremental board from a diagram (see diagramme.h).
inline void Position(const std::string& diagramme) {
  const Damier d = DamierDe(diagramme);
  InitialiseDamierIncremental(d);
}

// A record as a comparable value: its window, type, where its rule lies, and
// every list it carries.
using DescriptionRegle =
    std::tuple<int, int, int, int, int, int, int, int, int, int, int, const int8_t*,
               std::vector<int>, std::vector<int>, std::vector<int>, std::vector<int>>;

inline DescriptionRegle Decrit(const MatchedRule& m) {
  std::vector<int> concernees(m.IntersectionsConcernees.begin(), m.IntersectionsConcernees.end());
  std::vector<int> atteindre, empecher, valeurs;
  if (m.Type == RuleType::GI) {
    atteindre.assign(m.CoupsAtteindre.begin(), m.CoupsAtteindre.end());
    empecher.assign(m.CoupsEmpecher.begin(), m.CoupsEmpecher.end());
  }
  for (const ListeValeurs* l : {&m.Valeurs1, &m.Valeurs2}) {
    valeurs.push_back(l->NbOctets);
    for (const Triplet& t : *l) valeurs.insert(valeurs.end(), {t.GoalKind, t.Point, t.Valeur});
  }
  return {m.x0,   m.y0,     m.bw,    m.bh,      m.w,        m.h,       m.o1,     m.o2,
          m.Type, m.Entree, m.Debut, m.Donnees, concernees, atteindre, empecher, valeurs};
}

// The records of a set, G then GI, each list sorted: sets are compared
// regardless of the order of their records.
inline std::pair<std::vector<DescriptionRegle>, std::vector<DescriptionRegle>> Contenu(
    const MatchedRules& s) {
  std::vector<DescriptionRegle> g, gi;
  for (int i = 0; i < s.NbGRules; i++) g.push_back(Decrit(*s.GRules[i]));
  for (int i = 0; i < s.NbGiRules; i++) gi.push_back(Decrit(*s.GiRules[i]));
  std::sort(g.begin(), g.end());
  std::sort(gi.begin(), gi.end());
  return {g, gi};
}

// The windows (x0, y0, o1, o2) of a set's records of one type.
inline std::vector<std::tuple<int, int, int, int>> Fenetres(const MatchedRules& s, int type) {
  std::vector<std::tuple<int, int, int, int>> f;
  const int n = type == RuleType::G ? s.NbGRules : s.NbGiRules;
  for (int i = 0; i < n; i++) {
    const MatchedRule& m = *(type == RuleType::G ? s.GRules : s.GiRules)[i];
    f.emplace_back(m.x0, m.y0, m.o1, m.o2);
  }
  std::sort(f.begin(), f.end());
  return f;
}

inline std::vector<int32_t> Points(const Liste<LONGUEUR_LISTE_MAX>& l) {
  return std::vector<int32_t>(l.begin(), l.end());
}

// The rule tests' fixture: a 9x9 board, an empty rule base with a full pool,
// and the loader's block lines kept off the test output.
class ReglesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseGoban(9);
    ReinitialiseIncremental();
    ReinitialiseBaseRegles();
  }
  void TearDown() override {
    ReinitialiseBaseRegles();
    ReinitialiseIncremental();
  }
};
