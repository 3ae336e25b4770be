#pragma once

// Helpers of the threat and intersection tests: the board state that a stage
// must leave as it found it, and a naive ladder reader on the reference model.

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board/damier.h"
#include "board/incremental.h"
#include "positions_aleatoires.h"
#include "reference_go.h"

namespace menaces_test {

// Everything a search must give back: colours, ko, hash, depth, stacks, pool
// top, and every string with its stones, liberties and neighbours in order.
inline std::string EtatPlateau() {
  std::ostringstream o;
  o << "ko " << KoIncremental << " bilan " << BilanPierres << " profondeur " << Profondeur
    << " hash " << HashPosition[0] << ' ' << HashPosition[1] << " pool " << SommetPileString()
    << " undo " << NombreMotsPileUndo() << " retirees " << NombreStringsRetirees() << '\n';
  for (uint32_t m : DamierIncremental.Mots) o << m << ' ';
  o << '\n';
  std::set<const String*> vues;
  for (int p = 0; p < NbIntersections; p++) {
    const String* s = StringIntersection[p];
    o << (s ? s->Number : -1) << ' ';
    if (s) vues.insert(s);
  }
  o << '\n';
  for (const String* s : vues) {
    o << s->Number << ':' << s->Color << ':' << s->Ancre << " p";
    for (int q : s->Pierres) o << ' ' << q;
    o << " l";
    for (int q : s->Libertes) o << ' ' << q;
    o << " v";
    for (const String* v : s->Voisines) o << ' ' << v->Number;
    o << '\n';
  }
  return o.str();
}

// The reference model of the incremental board's position (no ko).
inline ReferenceGo ReferenceDe(const Damier& d, int taille) {
  ReferenceGo g(taille);
  for (int p = 0; p < taille * taille; p++) g.c[p] = Couleur(d, p);
  return g;
}

// A ladder read naively on copies of the reference model, by the same rules as
// the engine's: the attacker ataris a two-liberty chain at either liberty; the
// chain in atari extends, or captures the one enemy chain in atari next to it;
// two such chains next to it mean no ladder; an atari whose last liberty is the
// ko point does not take it.
inline bool RefEchapper(const ReferenceGo& g, int p, int profondeur);

inline bool RefPrendre(const ReferenceGo& g, int p, int profondeur) {
  if (profondeur >= 128 || g.c[p] == 0) return false;
  const std::vector<int> libs = g.Libertes(p);
  if (libs.size() == 1) return libs[0] != g.ko;
  if (libs.size() != 2) return false;
  for (int l : libs) {
    ReferenceGo h = g;
    if (h.Joue(l, 3 - g.c[p]) < 0) continue;
    if (!RefEchapper(h, p, profondeur + 1)) return true;
  }
  return false;
}

// true when the chain at p, in atari with its owner to move, gets out.
inline bool RefEchapper(const ReferenceGo& g, int p, int profondeur) {
  if (profondeur >= 128) return true;
  if (g.c[p] == 0) return false;
  const std::vector<int> libs = g.Libertes(p);
  if (libs.size() != 1) return true;
  const int c = g.c[p];
  std::set<int> enAtari;  // smallest stone of each enemy chain in atari
  int libertePrise = -1;
  for (int q : g.Chaine(p))
    for (int v : g.Voisins(q))
      if (g.c[v] == 3 - c && g.Libertes(v).size() == 1) {
        enAtari.insert(g.Chaine(v)[0]);
        libertePrise = g.Libertes(v)[0];
      }
  if (enAtari.size() >= 2) return true;
  ReferenceGo h = g;
  if (h.Joue(libs[0], c) >= 0 && !RefPrendre(h, p, profondeur + 1)) return true;
  if (enAtari.size() == 1) {
    ReferenceGo k = g;
    if (k.Joue(libertePrise, c) >= 0 && !RefPrendre(k, p, profondeur + 1)) return true;
  }
  return false;
}

// The anchors (smallest stones) of the chains of the colour of the chain at p
// that can pair with it: next to an empty neighbour of one of its liberties
// with fewer than 4 liberties; on a neighbour of one of its liberties; or, for
// such a chain with fewer than 4 liberties, next to one of that chain's
// liberties.
inline std::set<int> RefVoisinsMenaceDouble(const ReferenceGo& g, int p) {
  std::set<int> r;
  const int c = g.c[p];
  const std::vector<int> s = g.Chaine(p);
  auto autre = [&](int q) { return g.c[q] == c && !std::binary_search(s.begin(), s.end(), q); };
  for (int l : g.Libertes(p)) {
    for (int q : g.Voisins(l)) {
      if (g.c[q] == 0) {
        for (int n : g.Voisins(q))
          if (autre(n) && g.Libertes(n).size() < 4) r.insert(g.Chaine(n)[0]);
      } else if (autre(q)) {
        r.insert(g.Chaine(q)[0]);
        if (g.Libertes(q).size() >= 4) continue;
        for (int lt : g.Libertes(q))
          for (int n : g.Voisins(lt))
            if (autre(n)) r.insert(g.Chaine(n)[0]);
      }
    }
  }
  return r;
}

}  // namespace menaces_test
