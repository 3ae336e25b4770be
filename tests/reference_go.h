#pragma once

// An independent, deliberately naive model of the rules (breadth-first chains
// on a plain array) that the board modules are checked against.

#include <algorithm>
#include <set>
#include <vector>

struct ReferenceGo {
  int n;
  std::vector<int> c;  // colour per point
  int ko = -1;         // point banned for the side to move

  explicit ReferenceGo(int taille) : n(taille), c(taille * taille, 0) {}

  std::vector<int> Voisins(int p) const {
    std::vector<int> v;
    const int x = p % n, y = p / n;
    if (y > 0) v.push_back(p - n);
    if (y < n - 1) v.push_back(p + n);
    if (x > 0) v.push_back(p - 1);
    if (x < n - 1) v.push_back(p + 1);
    return v;
  }

  // Stones of the chain at p, sorted (empty for an empty point).
  std::vector<int> Chaine(int p) const {
    std::vector<int> pile{p}, vus;
    if (c[p] == 0) return vus;
    std::set<int> dans{p};
    while (!pile.empty()) {
      const int q = pile.back();
      pile.pop_back();
      vus.push_back(q);
      for (int r : Voisins(q))
        if (c[r] == c[p] && dans.insert(r).second) pile.push_back(r);
    }
    std::sort(vus.begin(), vus.end());
    return vus;
  }

  std::vector<int> Libertes(int p) const {
    std::set<int> l;
    for (int q : Chaine(p))
      for (int r : Voisins(q))
        if (c[r] == 0) l.insert(r);
    return {l.begin(), l.end()};
  }

  // Plays col at p on a copy; returns the stones captured, or -1 if illegal.
  int Joue(int p, int col, bool appliquer = true) {
    if (p < 0 || p >= n * n || c[p] != 0 || p == ko) return -1;
    ReferenceGo r = *this;
    r.c[p] = col;
    const int o = 3 - col;
    std::set<int> prises;
    for (int v : r.Voisins(p))
      if (r.c[v] == o && r.Libertes(v).empty())
        for (int q : r.Chaine(v)) prises.insert(q);
    for (int q : prises) r.c[q] = 0;
    if (r.Libertes(p).empty()) return -1;
    bool entoure = true;
    for (int v : Voisins(p))
      if (c[v] != o) entoure = false;
    r.ko = (entoure && prises.size() == 1) ? *prises.begin() : -1;
    if (appliquer) *this = r;
    return static_cast<int>(prises.size());
  }

  void Passe() { ko = -1; }
};
