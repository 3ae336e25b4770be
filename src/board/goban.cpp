#include "board/goban.h"

int32_t TailleGoban = TAILLE_MAX;
int32_t NbIntersections = NB_INTERSECTIONS_MAX;

int32_t CoordX[NB_INTERSECTIONS_MAX];
int32_t CoordY[NB_INTERSECTIONS_MAX];
int32_t BordHaut[NB_INTERSECTIONS_MAX];
int32_t BordBas[NB_INTERSECTIONS_MAX];
int32_t BordGauche[NB_INTERSECTIONS_MAX];
int32_t BordDroit[NB_INTERSECTIONS_MAX];
int32_t Bord[NB_INTERSECTIONS_MAX];
int32_t SurLigne1[NB_INTERSECTIONS_MAX];
int32_t Coin[NB_INTERSECTIONS_MAX];
int32_t SurLigne2[NB_INTERSECTIONS_MAX];
int32_t SurLigne3[NB_INTERSECTIONS_MAX];
int32_t SurLigne4[NB_INTERSECTIONS_MAX];
int32_t SurLigne5[NB_INTERSECTIONS_MAX];
int32_t Ligne1Gauche[NB_INTERSECTIONS_MAX];
int32_t Ligne1Droite[NB_INTERSECTIONS_MAX];
int32_t Ligne1Haut[NB_INTERSECTIONS_MAX];
int32_t Ligne1Bas[NB_INTERSECTIONS_MAX];
int32_t Ligne2Gauche[NB_INTERSECTIONS_MAX];
int32_t Ligne2Droite[NB_INTERSECTIONS_MAX];
int32_t Ligne2Haut[NB_INTERSECTIONS_MAX];
int32_t Ligne2Bas[NB_INTERSECTIONS_MAX];
int32_t Ligne3Gauche[NB_INTERSECTIONS_MAX];
int32_t Ligne3Droite[NB_INTERSECTIONS_MAX];
int32_t Ligne3Haut[NB_INTERSECTIONS_MAX];
int32_t Ligne3Bas[NB_INTERSECTIONS_MAX];

Liste<4> Voisins[NB_INTERSECTIONS_MAX];
Liste<4> Diagonales[NB_INTERSECTIONS_MAX];
Liste<8> Voisins8[NB_INTERSECTIONS_MAX];

int32_t Intersection[21][21];

EnsembleIntersections IntersectionsLues;

namespace {

struct Cotes {
  int32_t* gauche;
  int32_t* droite;
  int32_t* haut;
  int32_t* bas;
};

// Line k (from 1) is the ring of points at distance k from the edge. The
// ring's corners count as left or right, never top or bottom.
void MarqueLigne(int p, int x, int y, int n, int k, int32_t* sur, const Cotes* cotes) {
  const int m = n + 1 - k;
  const bool dansY = k <= y && y <= m;
  const bool dansX = k <= x && x <= m;
  int32_t* cote = nullptr;
  bool surLigne = true;
  if (x == k && dansY)
    cote = cotes ? cotes->gauche : nullptr;
  else if (x == m && dansY)
    cote = cotes ? cotes->droite : nullptr;
  else if (y == k && dansX)
    cote = cotes ? cotes->haut : nullptr;
  else if (y == m && dansX)
    cote = cotes ? cotes->bas : nullptr;
  else
    surLigne = false;
  sur[p] = surLigne ? 1 : 0;
  if (cote) cote[p] = 1;
}

}  // namespace

void InitialiseGoban(int taille) {
  const int n = taille;
  TailleGoban = n;
  NbIntersections = n * n;

  for (auto& colonne : Intersection)
    for (int32_t& p : colonne) p = -1;

  int32_t* tables[] = {BordHaut,     BordBas,      BordGauche,   BordDroit,  Bord,
                       SurLigne1,    Coin,         SurLigne2,    SurLigne3,  SurLigne4,
                       SurLigne5,    Ligne1Gauche, Ligne1Droite, Ligne1Haut, Ligne1Bas,
                       Ligne2Gauche, Ligne2Droite, Ligne2Haut,   Ligne2Bas,  Ligne3Gauche,
                       Ligne3Droite, Ligne3Haut,   Ligne3Bas};
  for (int32_t* t : tables)
    for (int p = 0; p < NB_INTERSECTIONS_MAX; p++) t[p] = 0;

  const Cotes cotes2{Ligne2Gauche, Ligne2Droite, Ligne2Haut, Ligne2Bas};
  const Cotes cotes3{Ligne3Gauche, Ligne3Droite, Ligne3Haut, Ligne3Bas};
  const int nb = n * n;
  for (int p = 0; p < nb; p++) {
    const int x = p % n + 1;
    const int y = p / n + 1;
    CoordX[p] = x;
    CoordY[p] = y;
    Intersection[x][y] = p;
    BordHaut[p] = p < n;
    BordBas[p] = p >= nb - n;
    BordGauche[p] = p % n == 0;
    BordDroit[p] = (p + 1) % n == 0;
    Bord[p] = BordHaut[p] || BordBas[p] || BordGauche[p] || BordDroit[p];
    SurLigne1[p] = Bord[p];
    Coin[p] = p == 0 || p == n - 1 || p == nb - n || p == nb - 1;

    if (x == 1)
      Ligne1Gauche[p] = 1;
    else if (x == n)
      Ligne1Droite[p] = 1;
    else if (y == 1)
      Ligne1Haut[p] = 1;
    else if (y == n)
      Ligne1Bas[p] = 1;

    MarqueLigne(p, x, y, n, 2, SurLigne2, &cotes2);
    MarqueLigne(p, x, y, n, 3, SurLigne3, &cotes3);
    MarqueLigne(p, x, y, n, 4, SurLigne4, nullptr);
    MarqueLigne(p, x, y, n, 5, SurLigne5, nullptr);
  }

  for (int p = 0; p < nb; p++) {
    Liste<4>& v = Voisins[p];
    Vide(v);
    if (!BordHaut[p]) Ajoute(v, p - n);
    if (!BordBas[p]) Ajoute(v, p + n);
    if (!BordGauche[p]) Ajoute(v, p - 1);
    if (!BordDroit[p]) Ajoute(v, p + 1);

    Liste<4>& d = Diagonales[p];
    Vide(d);
    if (!BordHaut[p] && !BordGauche[p]) Ajoute(d, p - n - 1);
    if (!BordHaut[p] && !BordDroit[p]) Ajoute(d, p - n + 1);
    if (!BordBas[p] && !BordGauche[p]) Ajoute(d, p + n - 1);
    if (!BordBas[p] && !BordDroit[p]) Ajoute(d, p + n + 1);

    Copie(Voisins8[p], v);
    Concatene(Voisins8[p], d);
  }
}

bool EstVoisin(int32_t p, int32_t q) {
  if (!SurGoban(p) || !SurGoban(q)) return false;
  const int n = TailleGoban;
  if (q == p - n || q == p + n) return true;
  if (q == p + 1 && !BordDroit[p]) return true;
  if (q == p - 1 && !BordGauche[p]) return true;
  return false;
}

bool EstDiagonale(int32_t p, int32_t q) {
  if (!SurGoban(p) || !SurGoban(q)) return false;
  const int n = TailleGoban;
  if (q == p - n - 1 && !BordGauche[p]) return true;
  if (q == p - n + 1 && !BordDroit[p]) return true;
  if (q == p + n - 1 && !BordGauche[p]) return true;
  if (q == p + n + 1 && !BordDroit[p]) return true;
  return false;
}
