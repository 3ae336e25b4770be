#include "analysis/influence.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "base/trace.h"
#include "board/incremental.h"
#include "tactics/intersections.h"

EtatInfluence InfluenceAnalyse;
ZonesInfluence ZonesAnalyse;
CartesEnfermement CartesEnclos;
EtatStatut Statut;

namespace {

// ---------------------------------------------------------------------------
// Spreading kernels.

// Open board: rows by the column offset, columns by the row offset.
constexpr int32_t NoyauCentre[7][7] = {
    {0, 0, 1, 2, 1, 0, 0},  {0, 4, 4, 8, 4, 4, 0}, {1, 4, 8, 16, 8, 4, 1}, {2, 8, 16, 32, 16, 8, 2},
    {1, 4, 8, 16, 8, 4, 1}, {0, 4, 4, 8, 4, 4, 0}, {0, 0, 1, 2, 1, 0, 0}};
// A stone on the first, second, third line: rows by the target's distance from
// that side (0: the edge line), columns by the offset along the side.
constexpr int32_t NoyauLigne1[4][7] = {{8, 14, 30, 32, 30, 14, 8},
                                       {4, 6, 8, 10, 8, 6, 4},
                                       {0, 1, 2, 2, 2, 1, 0},
                                       {0, 0, 0, 1, 0, 0, 0}};
constexpr int32_t NoyauLigne2[5][7] = {{4, 10, 14, 30, 14, 10, 4},
                                       {1, 12, 20, 32, 20, 12, 1},
                                       {1, 8, 10, 20, 10, 8, 1},
                                       {0, 1, 4, 4, 4, 1, 0},
                                       {0, 0, 0, 1, 0, 0, 0}};
constexpr int32_t NoyauLigne3[6][7] = {{1, 4, 8, 10, 8, 4, 1},     {2, 8, 12, 24, 12, 8, 2},
                                       {6, 10, 20, 40, 20, 10, 6}, {1, 4, 8, 16, 8, 4, 1},
                                       {0, 2, 4, 4, 4, 2, 0},      {0, 0, 0, 1, 0, 0, 0}};

enum Cote { GAUCHE, DROITE, HAUT, BAS };

// The side whose line kernel a stone at p uses and that line (1 to 3); line 0
// for the open-board kernel. Line 1 before line 2 before line 3; on one line
// the geometry gives at most one side.
int LigneDe(int32_t p, Cote& cote) {
  const int32_t* const drapeaux[3][4] = {{Ligne1Gauche, Ligne1Droite, Ligne1Haut, Ligne1Bas},
                                         {Ligne2Gauche, Ligne2Droite, Ligne2Haut, Ligne2Bas},
                                         {Ligne3Gauche, Ligne3Droite, Ligne3Haut, Ligne3Bas}};
  for (int ligne = 0; ligne < 3; ligne++)
    for (int c = 0; c < 4; c++)
      if (drapeaux[ligne][c][p]) {
        cote = static_cast<Cote>(c);
        return ligne + 1;
      }
  cote = GAUCHE;
  return 0;
}

int32_t Poids(int32_t p, int32_t q) {
  const int n = TailleGoban;
  const int x = CoordX[p], y = CoordY[p], xq = CoordX[q], yq = CoordY[q];
  Cote cote;
  const int ligne = LigneDe(p, cote);
  if (ligne == 0) {
    const int dx = xq - x, dy = yq - y;
    if (std::abs(dx) > 3 || std::abs(dy) > 3) return 0;
    return NoyauCentre[dx + 3][dy + 3];
  }
  int distance = 0, decalage = 0;
  switch (cote) {
    case GAUCHE:
      distance = xq - 1, decalage = yq - y;
      break;
    case DROITE:
      distance = n - xq, decalage = yq - y;
      break;
    case HAUT:
      distance = yq - 1, decalage = xq - x;
      break;
    case BAS:
      distance = n - yq, decalage = xq - x;
      break;
  }
  if (std::abs(decalage) > 3 || distance < 0 || distance > ligne + 2) return 0;
  if (ligne == 1) return NoyauLigne1[distance][decalage + 3];
  if (ligne == 2) return NoyauLigne2[distance][decalage + 3];
  return NoyauLigne3[distance][decalage + 3];
}

// The non-zero weights of each stone position, built once per board size.
struct Cible {
  int16_t Point;
  int16_t Poids;
};
inline constexpr int MAX_CIBLES = 7 * 7;
struct TablePoids {
  int32_t Taille = 0;  // board size of the table, 0: not built
  int32_t Nombre[NB_INTERSECTIONS_MAX];
  Cible Cibles[NB_INTERSECTIONS_MAX][MAX_CIBLES];
};
TablePoids Table;

const TablePoids& TableAJour() {
  if (Table.Taille == TailleGoban) return Table;
  Table.Taille = TailleGoban;
  for (int32_t p = 0; p < NbIntersections; p++) {
    Table.Nombre[p] = 0;
    for (int32_t q = 0; q < NbIntersections; q++) {
      const int32_t w = Poids(p, q);
      if (w == 0) continue;
      if (Table.Nombre[p] >= MAX_CIBLES) {
        Signale("Pb TablePoids MAX_CIBLES %d, cible %d perdue\n", p, q);
        continue;
      }
      Table.Cibles[p][Table.Nombre[p]++] = {static_cast<int16_t>(q), static_cast<int16_t>(w)};
    }
  }
  return Table;
}

void AjouteVoisins(int32_t (&compte)[NB_INTERSECTIONS_MAX], int32_t p) {
  for (int32_t q : Voisins[p]) compte[q]++;
}

// ---------------------------------------------------------------------------
// Flood fill of the zones.

using Appartient = bool (*)(const EtatInfluence& e, int32_t p, int32_t genre);

bool MemeGenre(const EtatInfluence& e, int32_t p, int32_t genre) {
  const int32_t i = e.Influence[p];
  return genre == ZONE_AMI ? i >= 1 : genre == ZONE_ENNEMI ? i < 0 : i == 0;
}
bool Positive(const EtatInfluence& e, int32_t p, int32_t) {
  return e.Influence[p] >= 1;
}
bool Negative(const EtatInfluence& e, int32_t p, int32_t) {
  return e.Influence[p] < 0;
}
bool Forte(const EtatInfluence& e, int32_t p, int32_t genre) {
  if (Couleur(e.Position, p) != VIDE) return false;
  return genre == ZONE_AMI ? e.Influence[p] > 10 : e.Influence[p] < -10;
}

bool Frontiere(const EtatInfluence& e, int32_t p, int32_t genre) {
  const int32_t i = e.Influence[p];
  if (genre == ZONE_AMI && i >= 8) {
    for (int32_t q : Voisins[p])
      if (e.Influence[q] >= 1 && e.Influence[q] < 8) return true;
  } else if (genre == ZONE_ENNEMI && i <= -8) {
    for (int32_t q : Voisins[p])
      if (e.Influence[q] < 0 && e.Influence[q] > -8) return true;
  }
  return false;
}

// Opens a zone of the family from p and floods it; the influence zones also
// count their strong empty points and their frontier.
void OuvreZone(const EtatInfluence& e, ZonesInfluence& z, FamilleZone famille, int32_t p,
               int32_t genre, Appartient appartient) {
  if (z.Nombre[famille] >= MAX_ZONES) {
    Signale("Pb CalculeZones MAX_ZONES, zone de %d perdue\n", p);
    return;
  }
  const int32_t n = z.Nombre[famille]++;
  ZoneInfluence& zone = z.Zones[famille][n];
  zone.Genre = genre;
  zone.Taille = 0;
  zone.Territoire = 0;
  zone.Premier = p;
  Vide(zone.Frontiere);
  int32_t* const numero = z.NumeroZone[famille];
  ListeIntersections pile;
  Vide(pile);
  numero[p] = n;
  Ajoute(pile, p);
  while (pile.Nombre > 0) {
    const int32_t q = Depile(pile);
    zone.Taille++;
    if (famille == ZONES_INFLUENCE) {
      if (Couleur(e.Position, q) == VIDE && std::abs(e.Influence[q]) >= 8) zone.Territoire++;
      if (Frontiere(e, q, genre)) Ajoute(zone.Frontiere, q);
    }
    for (int32_t r : Voisins[q]) {
      if (numero[r] != -1 || !appartient(e, r, genre)) continue;
      numero[r] = n;
      Ajoute(pile, r);
    }
  }
}

// ---------------------------------------------------------------------------
// Enclosure.

// A neighbour of p holding c on both the analysis board and the static-life board.
bool VoisinVivant(const Damier& vs, int32_t p, int c) {
  for (int32_t q : Voisins[p])
    if (Couleur(DamierIncremental, q) == c && Couleur(vs, q) == c) return true;
  return false;
}

bool VoisinCouleur(const Damier& d, int32_t p, int c) {
  for (int32_t q : Voisins[p])
    if (Couleur(d, q) == c) return true;
  return false;
}

bool EstMur(const Damier& vs, int32_t p, int c) {
  const int adv = Adversaire(c);
  const int32_t* const perdueMoi = c == 1 ? PierrePerdueAmi : PierrePerdueEnnemi;
  const int32_t* const perdueAdv = c == 1 ? PierrePerdueEnnemi : PierrePerdueAmi;
  const int analyse = Couleur(DamierIncremental, p);
  const int statique = Couleur(vs, p);
  const bool vivant = VoisinVivant(vs, p, c);
  if (vivant && perdueAdv[p] && !perdueMoi[p]) return true;
  if (statique == c && (analyse == c || (analyse == VIDE && vivant))) return true;
  if (statique == VIDE && vivant) return true;
  return analyse == VIDE && vivant && !VoisinCouleur(DamierIncremental, p, adv);
}

// The enclosure of one colour. Rooms are the connected areas of points that are
// not walls of c, and the single points that are not stones of c whose
// neighbours are all walls of c (an eye inside a wall). A room is enclosed when
// it holds no wall of the other colour, and, for an area, when the other colour
// walls something somewhere: with none, the area is the open board around c's
// stones. An enclosed room and the chains of walls of c bordering it are
// enclosed.
void EnfermementCouleur(int c, const int32_t* mur, const int32_t* murAdv, int32_t* enclos) {
  bool adversaire = false;
  for (int32_t p = 0; p < NbIntersections; p++) adversaire = adversaire || murAdv[p];

  int32_t piece[NB_INTERSECTIONS_MAX] = {};  // 1: point of an enclosed room
  int32_t vu[NB_INTERSECTIONS_MAX] = {};
  ListeIntersections zone, pile;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (mur[p] || vu[p]) continue;
    Vide(zone);
    Vide(pile);
    vu[p] = 1;
    Ajoute(pile, p);
    bool ouverte = !adversaire;
    while (pile.Nombre > 0) {
      const int32_t q = Depile(pile);
      Ajoute(zone, q);
      if (murAdv[q]) ouverte = true;
      for (int32_t r : Voisins[q])
        if (!mur[r] && !vu[r]) {
          vu[r] = 1;
          Ajoute(pile, r);
        }
    }
    if (!ouverte)
      for (int32_t q : zone) piece[q] = 1;
  }
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!mur[p] || murAdv[p] || Couleur(DamierIncremental, p) == c) continue;
    bool entoure = true;
    for (int32_t q : Voisins[p]) entoure = entoure && mur[q];
    if (entoure) piece[p] = 1;
  }
  // The walls: a chain of walls of the colour (stones and the points next to
  // them) that borders an enclosed room is enclosed as a whole, so the stones
  // around an eye count as enclosed even where a liberty stands between them
  // and the room. A wall chain that touches no room encloses nothing.
  int32_t chaine[NB_INTERSECTIONS_MAX] = {};
  for (int32_t p = 0; p < NbIntersections; p++) enclos[p] = piece[p];
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!mur[p] || murAdv[p] || piece[p] || chaine[p]) continue;
    Vide(zone);
    Vide(pile);
    chaine[p] = 1;
    Ajoute(pile, p);
    bool borde = false;
    while (pile.Nombre > 0) {
      const int32_t q = Depile(pile);
      Ajoute(zone, q);
      for (int32_t r : Voisins[q]) {
        if (piece[r]) borde = true;
        if (mur[r] && !murAdv[r] && !piece[r] && !chaine[r]) {
          chaine[r] = 1;
          Ajoute(pile, r);
        }
      }
    }
    if (borde)
      for (int32_t q : zone) enclos[q] = 1;
  }
}

void EspaceOeil(int c, const int32_t* enclos, int32_t* espace) {
  for (int32_t p = 0; p < NbIntersections; p++) {
    espace[p] = 0;
    if (!enclos[p] || Couleur(DamierIncremental, p) == c) continue;
    bool tous = true;
    for (int32_t q : Voisins[p]) tous = tous && enclos[q];
    espace[p] = tous;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Influence and territory.

int32_t PoidsInfluence(int32_t p, int32_t q) {
  if (!SurGoban(p) || !SurGoban(q)) return 0;
  return Poids(p, q);
}

void CalculeInfluence(const Damier& position, bool brut, EtatInfluence& e) {
  const TablePoids& t = TableAJour();
  e.Position = position;
  std::fill(e.Influence, e.Influence + NB_INTERSECTIONS_MAX, 0);
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(position, p);
    if (c != 1 && c != 2) continue;
    const int signe = c == 1 ? 1 : -1;
    const float estimation = Statut.EstimationPierre[p];
    for (int i = 0; i < t.Nombre[p]; i++) {
      const Cible& cible = t.Cibles[p][i];
      const int32_t w =
          brut ? cible.Poids : static_cast<int32_t>(static_cast<float>(cible.Poids) * estimation);
      e.Influence[cible.Point] += signe * w;
    }
  }
}

int32_t CalculeTerritoire(EtatInfluence& e) {
  const int n = NbIntersections;
  int32_t v = 0;
  std::fill(e.VoisinsMarquesAmi, e.VoisinsMarquesAmi + n, 0);
  std::fill(e.VoisinsMarquesEnnemi, e.VoisinsMarquesEnnemi + n, 0);
  std::fill(e.VoisinsPierresAmi, e.VoisinsPierresAmi + n, 0);
  std::fill(e.VoisinsPierresEnnemi, e.VoisinsPierresEnnemi + n, 0);
  for (int32_t p = 0; p < n; p++) {
    const int c = Couleur(e.Position, p);
    if (c == 1) {
      e.CarteTerritoire[p] = TERRITOIRE_AMI;
      v++;
      AjouteVoisins(e.VoisinsMarquesAmi, p);
      AjouteVoisins(e.VoisinsPierresAmi, p);
    } else if (c == 2) {
      e.CarteTerritoire[p] = TERRITOIRE_ENNEMI;
      v--;
      AjouteVoisins(e.VoisinsMarquesEnnemi, p);
      AjouteVoisins(e.VoisinsPierresEnnemi, p);
    } else {
      e.CarteTerritoire[p] = TERRITOIRE_NEUTRE;
    }
  }
  for (int32_t p = 0; p < n; p++) {
    if (Couleur(e.Position, p) != VIDE) continue;
    if (e.Influence[p] >= 8 && e.VoisinsPierresEnnemi[p] == 0) {
      e.CarteTerritoire[p] = TERRITOIRE_AMI;
      v++;
      AjouteVoisins(e.VoisinsMarquesAmi, p);
    } else if (e.Influence[p] <= -8 && e.VoisinsPierresAmi[p] == 0) {
      e.CarteTerritoire[p] = TERRITOIRE_ENNEMI;
      v--;
      AjouteVoisins(e.VoisinsMarquesEnnemi, p);
    }
  }
  // Three passes of growth by marked neighbours. Each pass decides every point
  // on the marks as they stood when it began, so that the map does not depend
  // on the order in which the points are numbered (a rotated or mirrored board
  // gives the rotated or mirrored map).
  ListeIntersections amis, ennemis;
  for (int passe = 0; passe < 3; passe++) {
    Vide(amis);
    Vide(ennemis);
    for (int32_t p = 0; p < n; p++) {
      if (Couleur(e.Position, p) != VIDE || e.CarteTerritoire[p] != TERRITOIRE_NEUTRE) continue;
      if (e.VoisinsMarquesAmi[p] >= 2 && e.VoisinsMarquesEnnemi[p] < 2 &&
          e.VoisinsPierresEnnemi[p] == 0)
        Ajoute(amis, p);
      else if (e.VoisinsMarquesEnnemi[p] >= 2 && e.VoisinsMarquesAmi[p] < 2 &&
               e.VoisinsPierresAmi[p] == 0)
        Ajoute(ennemis, p);
    }
    for (int32_t p : amis) {
      e.CarteTerritoire[p] = TERRITOIRE_AMI;
      v++;
      AjouteVoisins(e.VoisinsMarquesAmi, p);
    }
    for (int32_t p : ennemis) {
      e.CarteTerritoire[p] = TERRITOIRE_ENNEMI;
      v--;
      AjouteVoisins(e.VoisinsMarquesEnnemi, p);
    }
  }
  e.ValeurTerritoire = v;
  return v;
}

void ImprimeCarte(std::FILE* f, const int32_t* marques) {
  std::fputs(" / ", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs(" - ", f);
  std::fputs(" \\\n", f);
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (BordGauche[p]) std::fputs(" | ", f);
    std::fprintf(f, " %c ", static_cast<char>(marques[p]));
    if (BordDroit[p]) std::fputs(" | \n", f);
  }
  std::fputs(" \\", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs(" - ", f);
  std::fputs(" / \n", f);
}

void ImprimeTerritoire(std::FILE* f, const EtatInfluence& e) {
  std::fputs("TerritoireInfluence\n", f);
  ImprimeCarte(f, e.CarteTerritoire);
}

// ---------------------------------------------------------------------------
// Zones.

void CalculeZones(const EtatInfluence& e, ZonesInfluence& z) {
  for (int famille = 0; famille < NOMBRE_FAMILLES_ZONES; famille++) {
    z.Nombre[famille] = 0;
    std::fill(z.NumeroZone[famille], z.NumeroZone[famille] + NB_INTERSECTIONS_MAX, -1);
  }
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int32_t i = e.Influence[p];
    if (z.NumeroZone[ZONES_INFLUENCE][p] == -1)
      OuvreZone(e, z, ZONES_INFLUENCE, p,
                i >= 1  ? ZONE_AMI
                : i < 0 ? ZONE_ENNEMI
                        : ZONE_VIDE,
                MemeGenre);
    if (i >= 1 && z.NumeroZone[ZONES_POSITIVES][p] == -1)
      OuvreZone(e, z, ZONES_POSITIVES, p, ZONE_AMI, Positive);
    if (i < 0 && z.NumeroZone[ZONES_NEGATIVES][p] == -1)
      OuvreZone(e, z, ZONES_NEGATIVES, p, ZONE_ENNEMI, Negative);
    if (Couleur(e.Position, p) == VIDE && z.NumeroZone[ZONES_FORTES][p] == -1 &&
        (i > 10 || i < -10))
      OuvreZone(e, z, ZONES_FORTES, p, i > 10 ? ZONE_AMI : ZONE_ENNEMI, Forte);
  }
}

int32_t TailleZone(const ZonesInfluence& z, FamilleZone famille, int32_t p) {
  if (!SurGoban(p) || famille < 0 || famille >= NOMBRE_FAMILLES_ZONES) return 0;
  const int32_t n = z.NumeroZone[famille][p];
  return n < 0 ? 0 : z.Zones[famille][n].Taille;
}

void ImprimeZones(std::FILE* f, const ZonesInfluence& z) {
  std::fputs("NumeroZoneInfluence\n", f);
  std::fputs(" / ", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs(" - ", f);
  std::fputs(" \\\n", f);
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (BordGauche[p]) std::fputs(" | ", f);
    std::fprintf(f, "%2d ", z.NumeroZone[ZONES_INFLUENCE][p]);
    if (BordDroit[p]) std::fputs(" | \n", f);
  }
  std::fputs(" \\", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs(" - ", f);
  std::fputs(" / \n", f);
  for (int32_t n = 0; n < z.Nombre[ZONES_INFLUENCE]; n++) {
    const ZoneInfluence& zone = z.Zones[ZONES_INFLUENCE][n];
    const char* genre = zone.Genre == ZONE_AMI      ? "AMI,"
                        : zone.Genre == ZONE_ENNEMI ? "ENNEMI,"
                                                    : "VIDE,";
    std::fprintf(f, "Zone %d, %s Taille %d, Territoire %d, Frontiere %d,", n, genre, zone.Taille,
                 zone.Territoire, zone.Frontiere.Nombre);
    if (zone.Genre == ZONE_AMI)
      std::fprintf(f, " Zone Enfermee %d,", TailleZone(z, ZONES_POSITIVES, zone.Premier));
    else if (zone.Genre == ZONE_ENNEMI)
      std::fprintf(f, " Zone Enfermee %d,", TailleZone(z, ZONES_NEGATIVES, zone.Premier));
    std::fputs("\n", f);
  }
}

// ---------------------------------------------------------------------------
// Enclosure.

void Enfermement(const Damier& vieStatique) {
  CartesEnfermement& m = CartesEnclos;
  for (int32_t p = 0; p < NbIntersections; p++) {
    m.MurAmi[p] = EstMur(vieStatique, p, 1);
    m.MurEnnemi[p] = EstMur(vieStatique, p, 2);
  }
  EnfermementCouleur(1, m.MurAmi, m.MurEnnemi, m.EnclosAmi);
  EnfermementCouleur(2, m.MurEnnemi, m.MurAmi, m.EnclosEnnemi);
  EspaceOeil(1, m.EnclosAmi, m.EspaceOeilAmi);
  EspaceOeil(2, m.EnclosEnnemi, m.EspaceOeilEnnemi);
}

void ImprimeEnfermement(std::FILE* f) {
  int32_t marques[NB_INTERSECTIONS_MAX];
  for (int32_t p = 0; p < NbIntersections; p++) {
    const bool a = CartesEnclos.EnclosAmi[p], e = CartesEnclos.EnclosEnnemi[p];
    marques[p] = a && e ? '#' : a ? '@' : e ? 'O' : '+';
  }
  std::fputs("Enfermement\n", f);
  ImprimeCarte(f, marques);
}

// ---------------------------------------------------------------------------
// Status board.

void OuvreDamierStatut() {
  Statut.DamierStatut = DamierIncremental;
  FixePointKo(Statut.DamierStatut, COUP_PASSE);
  std::fill(std::begin(Statut.EstimationPierre), std::end(Statut.EstimationPierre), 0.0f);
}

void PoseStatutPierre(int32_t p, int couleur, bool mort, float F) {
  if (!SurGoban(p) || (couleur != 1 && couleur != 2)) return;
  OtePierre(Statut.DamierStatut, p);
  PosePierre(Statut.DamierStatut, p, mort ? Adversaire(couleur) : couleur);
  Statut.EstimationPierre[p] = mort ? 1.0f : F;
}

// ---------------------------------------------------------------------------

void ReinitialiseInfluence() {
  ViderDamier(InfluenceAnalyse.Position);
  std::fill(std::begin(InfluenceAnalyse.Influence), std::end(InfluenceAnalyse.Influence), 0);
  std::fill(std::begin(InfluenceAnalyse.CarteTerritoire),
            std::end(InfluenceAnalyse.CarteTerritoire), TERRITOIRE_NEUTRE);
  InfluenceAnalyse.ValeurTerritoire = 0;
  for (int famille = 0; famille < NOMBRE_FAMILLES_ZONES; famille++) {
    ZonesAnalyse.Nombre[famille] = 0;
    std::fill(std::begin(ZonesAnalyse.NumeroZone[famille]),
              std::end(ZonesAnalyse.NumeroZone[famille]), -1);
  }
  CartesEnclos = CartesEnfermement{};
  ViderDamier(Statut.DamierStatut);
  std::fill(std::begin(Statut.EstimationPierre), std::end(Statut.EstimationPierre), 0.0f);
  Table.Taille = 0;
}
