#include "rules/motifs.h"

#include <initializer_list>

#include "base/trace.h"
#include "board/goban.h"
#include "board/incremental.h"
#include "rules/base.h"

MatchedRules MatchedRulesVivre;
MatchedRules MatchedRulesOeil;
MatchedRules MatchedRulesConnecter;
MatchedRules MatchedRulesPartage;

namespace {

// The 32-bit keys of the windows in the current position, one table per goal
// colour, so that a lookup of a small pattern does not read the board.
using TableCodes = uint32_t[NB_LIGNES_CODES][NB_CODES_TAILLE];

struct EtatMotifs {
  int couleur = 1;
  int autre = 2;
  TableCodes codes[2];
  MatchedRules* courant = &MatchedRulesPartage;
  // The pool of records: a stack of the free ones.
  MatchedRule Pool[NB_REGLES_POOL];
  MatchedRule* Pile[NB_REGLES_POOL];
  int Sommet = 0;
};

EtatMotifs etat;

TableCodes& Codes() {
  return etat.codes[etat.couleur - 1];
}

bool CouleurValide(int g) {
  return g == 1 || g == 2;
}

int CodeCellule(int32_t q) {
  const int c = Couleur(DamierIncremental, q);
  if (c == VIDE) return CELLULE_VIDE;
  return c == etat.couleur ? CELLULE_BUT : CELLULE_AUTRE;
}

int32_t PointCellule(const FenetreMotif& f, int k) {
  int x = 0, y = 0;
  CoordoneesIntersectionAvecSens(k, f.x0, f.y0, f.w, f.h, f.o1, f.o2, x, y);
  return Intersection[x][y];
}

bool DansRectangle(const FenetreMotif& f, int32_t q) {
  const int x = CoordX[q], y = CoordY[q];
  return x >= f.x0 && x < f.x0 + f.bw && y >= f.y0 && y < f.y0 + f.bh;
}

FenetreMotif Fenetre(int x0, int y0, int w, int h, int o1, int o2) {
  const bool transpose = o1 == VERS_HAUT || o1 == VERS_BAS;
  return FenetreMotif{x0, y0, transpose ? h : w, transpose ? w : h, w, h, o1, o2};
}

bool SurLeGoban(const FenetreMotif& f) {
  return f.x0 >= 1 && f.y0 >= 1 && f.x0 + f.bw - 1 <= TailleGoban && f.y0 + f.bh - 1 <= TailleGoban;
}

// ---------------------------------------------------------------------------
// Reading rules. Every length and cell is checked against the entry and the
// pattern: the files are outside input.

struct LectureEntree {
  const int8_t* donnees;
  uint32_t pos;
  uint32_t fin;
};

enum class Lue { Bonne, Mauvaise, Fin };

// Reads one rule at l.pos. Mauvaise: the rule is skipped (l.pos is past it);
// Fin: the rest of the entry cannot be read.
Lue LitRegle(LectureEntree& l, bool modeDamier, int cellules, RegleLue& r) {
  const int nbListes = modeDamier ? 9 : 7;
  bool bonne = true;
  for (int i = 0; i < nbListes; i++) {
    if (l.pos >= l.fin) return Lue::Fin;
    const int n = l.donnees[l.pos];
    if (n < 0 || n > LONGUEUR_LISTE_MAX || l.pos + 1 + n > l.fin) return Lue::Fin;
    r.Listes[i] = ListeOctets{l.donnees + l.pos + 1, n};
    l.pos += 1 + n;
    const int pas = i < 3 ? 1 : (i < 7 ? 2 : 3);
    if (n % pas != 0 || (i == 0 && n > CONCERNEES_MAX) || (i >= 7 && n > 3 * TRIPLETS_MAX))
      bonne = false;
    const int decalage = i < 7 ? 0 : 1;  // a triple is (goal kind, cell, value)
    for (int k = decalage; k < n; k += pas) {
      const int cellule = r.Listes[i].Octets[k];
      if (cellule < 0 || cellule >= cellules) bonne = false;
    }
  }
  if (!modeDamier) {
    if (l.pos >= l.fin) return Lue::Fin;
    l.pos++;  // stands for the value lists, unread
    r.Listes[7] = ListeOctets{nullptr, 0};
    r.Listes[8] = ListeOctets{nullptr, 0};
  }
  return bonne ? Lue::Bonne : Lue::Mauvaise;
}

// ---------------------------------------------------------------------------
// Liberty conditions, on the strings around the window. An outside liberty
// lies outside the window's board rectangle.

int LibertesExterieures(const FenetreMotif& f, const String* s) {
  int n = 0;
  for (int32_t l : s->Libertes)
    if (!DansRectangle(f, l)) n++;
  return n;
}

// The condition moves are the matcher's own: they must not touch the change
// records of the moves being followed.
class CoupCondition {
 public:
  CoupCondition(int32_t p, int c) : suivi_(SuiviModifications) {
    SuiviModifications = 0;
    joue_ = JoueCoupIncremental(p, c);
  }
  ~CoupCondition() {
    if (joue_) UndoIncremental();
    SuiviModifications = suivi_;
  }
  CoupCondition(const CoupCondition&) = delete;
  CoupCondition& operator=(const CoupCondition&) = delete;
  bool Joue() const { return joue_ != 0; }

 private:
  int suivi_;
  int joue_;
};

// At most n outside liberties, and no ko about the stone.
bool AuPlus(const FenetreMotif& f, int32_t q, int n) {
  const String* s = StringIntersection[q];
  if (!s) return true;
  if (LibertesExterieures(f, s) > n) return false;
  if (s->NbLibertes() != 1) return true;
  const int32_t liberte = s->Libertes[0];
  if (liberte == KoIncremental) return false;
  // A lone stone in atari that the other side takes as a ko.
  if (s->NbPierres() == 1 && NbVoisinsVides[liberte] == 0) {
    const int preneur = Adversaire(s->Color);
    if (CoupLegalIncremental(liberte, preneur) && NbLibertesApresIncremental(liberte, preneur) < 2)
      return false;
  }
  return true;
}

// At most n outside liberties once the other colour has played at q.
bool AuPlusApresAutre(const FenetreMotif& f, int32_t q, int n) {
  if (!CoupLegalIncremental(q, etat.autre)) return true;
  CoupCondition coup(q, etat.autre);
  if (!coup.Joue()) return true;
  const String* s = StringIntersection[q];
  if (s && LibertesExterieures(f, s) > n) return false;
  return KoIncremental == -1;
}

// At least n outside liberties, and at least one.
bool AuMoins(const FenetreMotif& f, int32_t q, int n) {
  const String* s = StringIntersection[q];
  if (!s) return false;
  const int e = LibertesExterieures(f, s);
  return e >= n && e >= 1;
}

// At least n outside liberties, and one, once the goal colour has played at q.
bool AuMoinsApresBut(const FenetreMotif& f, int32_t q, int n) {
  if (!CoupLegalIncremental(q, etat.couleur)) return false;
  CoupCondition coup(q, etat.couleur);
  if (!coup.Joue()) return false;
  const String* s = StringIntersection[q];
  if (!s) return false;
  const int e = LibertesExterieures(f, s);
  return e >= n && e >= 1;
}

bool ConditionsTenues(const FenetreMotif& f, const RegleLue& r) {
  using Test = bool (*)(const FenetreMotif&, int32_t, int);
  // Lists 5, 7, 4 and 6, in that order; the first failure rejects the rule.
  static constexpr struct {
    int liste;
    Test test;
  } ordre[] = {{4, AuPlus}, {6, AuPlusApresAutre}, {3, AuMoins}, {5, AuMoinsApresBut}};
  for (const auto& o : ordre) {
    const ListeOctets& l = r.Listes[o.liste];
    for (int k = 0; k + 1 < l.Nombre; k += 2)
      if (!o.test(f, PointCellule(f, l.Octets[k]), l.Octets[k + 1])) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Lookup.

// The index of the key among the base's N sorted keys, by halving, or -1.
template <class Compare>
int64_t ChercheCle(uint32_t n, Compare compare) {
  int64_t bas = 0, haut = static_cast<int64_t>(n) - 1;
  while (haut > bas) {
    const int64_t milieu = (bas + haut) / 2;
    const int c = compare(milieu);
    if (c == 0) return milieu;
    if (c > 0)
      bas = milieu + 1;
    else
      haut = milieu - 1;
  }
  return compare(bas) == 0 ? bas : -1;
}

int64_t TrouveEntree(const BaseRegles& b, const FenetreLigne& fl, bool modeDamier) {
  if (modeDamier) {
    uint32_t cle[MOTS_CLE_POSITION];
    CleFenetreDamier(fl.F, cle);
    return ChercheCle(b.N, [&](int64_t i) {
      const uint32_t* k = b.Cles + i * MOTS_CLE_POSITION;
      for (int m = 0; m < MOTS_CLE_POSITION; m++)
        if (cle[m] != k[m]) return cle[m] > k[m] ? 1 : -1;
      return 0;
    });
  }
  const uint32_t cle = Codes()[fl.Ligne][CodeTaille(fl.F.w, fl.F.h)];
  return ChercheCle(b.N,
                    [&](int64_t i) { return cle == b.Cles[i] ? 0 : (cle > b.Cles[i] ? 1 : -1); });
}

void LitEntree(const BaseRegles& b, uint32_t entree, const FenetreLigne& fl, bool modeDamier,
               int kind, int type) {
  const FenetreMotif& f = fl.F;
  LectureEntree l{b.Donnees, b.Offsets[entree], b.Offsets[entree + 1]};
  const int cellules = f.w * f.h < CELLULES_ADRESSABLES ? f.w * f.h : CELLULES_ADRESSABLES;
  while (l.pos < l.fin) {
    RegleLue r;
    r.ModeDamier = modeDamier;
    r.Entree = static_cast<int32_t>(entree);
    r.Debut = static_cast<int32_t>(l.pos);
    r.Donnees = b.Donnees;
    r.Offsets = b.Offsets;
    const Lue lue = LitRegle(l, modeDamier, cellules, r);
    if (lue == Lue::Fin) {
      Signale("Pb LitRegle %s %s %s %dx%d: regle au-dela de la fin de l'entree %u\n",
              NomsGoalKind[kind], NomsRuleType[type], NomsZone[fl.Zone], f.w, f.h, entree);
      return;
    }
    if (lue == Lue::Mauvaise) {
      Signale("Pb LitRegle %s %s %s %dx%d: regle mal formee dans l'entree %u\n", NomsGoalKind[kind],
              NomsRuleType[type], NomsZone[fl.Zone], f.w, f.h, entree);
      continue;
    }
    if (!ConditionsTenues(f, r)) continue;
    if (type == RuleType::G)
      etat.courant->addG(kind, f, r);
    else
      etat.courant->addGI(kind, f, r);
  }
}

void ChercheZone(int zone, const FenetreLigne* fenetres, int n, int kind, int type) {
  const FenetreMotif& f0 = fenetres[0].F;
  const BaseRegles b = FindBaseNumber(kind, type, zone, f0.w, f0.h);
  if (b.N == 0) return;
  const bool modeDamier = ModeCleDamier(kind, f0.w, f0.h);
  if (b.K != (modeDamier ? CLE_POSITION : CLE_32_BITS)) return;
  for (int i = 0; i < n; i++) {
    const int64_t entree = TrouveEntree(b, fenetres[i], modeDamier);
    if (entree < 0) continue;
    if (entree >= b.N) {
      Signale("Pb ListeJeuxHashLibertesBinaire\n");
      continue;
    }
    LitEntree(b, static_cast<uint32_t>(entree), fenetres[i], modeDamier, kind, type);
  }
}

// ---------------------------------------------------------------------------
// Filling a record.

void RemplitFenetre(MatchedRule& m, const FenetreMotif& f, int type, const RegleLue& r) {
  m.x0 = static_cast<int8_t>(f.x0);
  m.y0 = static_cast<int8_t>(f.y0);
  m.bw = static_cast<uint8_t>(f.bw);
  m.bh = static_cast<uint8_t>(f.bh);
  m.w = static_cast<uint8_t>(f.w);
  m.h = static_cast<uint8_t>(f.h);
  m.o1 = static_cast<uint8_t>(f.o1);
  m.o2 = static_cast<uint8_t>(f.o2);
  m.Type = static_cast<uint8_t>(type);
  m.Entree = r.Entree;
  m.Debut = r.Debut;
  m.Donnees = r.Donnees;
  m.Offsets = r.Offsets;
  Vide(m.CoupsAtteindre);
  Vide(m.CoupsEmpecher);
  Vide(m.IntersectionsConcernees);
  m.Valeurs1.NbOctets = 0;
  m.Valeurs2.NbOctets = 0;
}

void RemplitValeurs(ListeValeurs& v, const FenetreMotif& f, const ListeOctets& l) {
  v.NbOctets = l.Nombre;
  for (int k = 0; k + 2 < l.Nombre; k += 3)
    v.Triplets[k / 3] = Triplet{l.Octets[k], PointCellule(f, l.Octets[k + 1]), l.Octets[k + 2]};
}

void RemplitCommun(MatchedRule& m, const FenetreMotif& f, const RegleLue& r) {
  for (int k = 0; k < r.Listes[0].Nombre; k++)
    Ajoute(m.IntersectionsConcernees, PointCellule(f, r.Listes[0].Octets[k]));
  if (r.ModeDamier) {
    RemplitValeurs(m.Valeurs1, f, r.Listes[7]);
    RemplitValeurs(m.Valeurs2, f, r.Listes[8]);
  }
}

// The checks every new record passes before it is kept, in this order.
bool Garde(MatchedRules& s, MatchedRule* m, int kind, bool gi) {
  const auto& c = m->IntersectionsConcernees;
  if (c.Nombre == 0 &&
      (kind == GoalKind::Prendre || kind == GoalKind::Vivre || kind == GoalKind::Connecter ||
       kind == GoalKind::Oeil || kind == GoalKind::ConnecterVide)) {
    pushRule(m);
    return false;
  }
  if (kind == GoalKind::Connecter &&
      (c.Nombre < 2 || Couleur(DamierIncremental, c[0]) != Couleur(DamierIncremental, c[1]))) {
    Signale("Pb MatchedRules::add");
    pushRule(m);
    return false;
  }
  int32_t& nombre = gi ? s.NbGiRules : s.NbGRules;
  if (nombre >= (gi ? MaxGiRules : MaxGRules) - 1) {
    Signale(gi ? "Pb MatchedRules::add NbGiRules>=MaxGiRules-1\n"
               : "Pb MatchedRules::add NbGRules>=MaxGRules-1\n");
    pushRule(m);
    return false;
  }
  (gi ? s.GiRules : s.GRules)[nombre++] = m;
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------

bool MatchedRules::addG(int kind, const FenetreMotif& f, const RegleLue& r) {
  MatchedRule* m = popRule();
  if (!m) {
    Signale("Pb MatchedRules::addG\n");
    return false;
  }
  RemplitFenetre(*m, f, RuleType::G, r);
  RemplitCommun(*m, f, r);
  return Garde(*this, m, kind, false);
}

bool MatchedRules::addGI(int kind, const FenetreMotif& f, const RegleLue& r) {
  MatchedRule* m = popRule();
  if (!m) {
    Signale("Pb MatchedRules::addGI\n");
    return false;
  }
  RemplitFenetre(*m, f, RuleType::GI, r);
  RemplitCommun(*m, f, r);
  if (kind == GoalKind::Vivre || kind == GoalKind::Oeil)
    for (int32_t p : m->IntersectionsConcernees)
      if (Couleur(DamierIncremental, p) == VIDE)
        Signale("Pb IntersectionsConcernees MatchedRule::addGI %d\n", p);
  for (int k = 0; k < r.Listes[1].Nombre; k++)
    AjouteCoupPattern(m->CoupsAtteindre, PointCellule(f, r.Listes[1].Octets[k]));
  for (int k = 0; k < r.Listes[2].Nombre; k++)
    AjouteCoupPattern(m->CoupsEmpecher, PointCellule(f, r.Listes[2].Octets[k]));
  return Garde(*this, m, kind, true);
}

void AjouteCoupPattern(Liste<LONGUEUR_LISTE_MAX>& coups, int32_t p) {
  if (Couleur(DamierIncremental, p) == VIDE) {
    Ajoute(coups, p);
    return;
  }
  const String* s = StringIntersection[p];
  if (!s) {
    Signale("Pb1 AjouteCoupPattern\n");
    return;
  }
  if (s->NbLibertes() >= 4) return;
  for (int32_t l : s->Libertes) AjouteSiAbsent(coups, l);
}

namespace {

void CreeEnsemble(MatchedRules& s, int tag) {
  s.GoalFamily = tag;
  s.NbGRules = 0;
  s.NbGiRules = 0;
}

}  // namespace

void InitialiseMotifs() {
  for (auto& table : etat.codes)
    for (auto& ligne : table)
      for (uint32_t& c : ligne) c = 0;
  etat.couleur = 1;
  etat.autre = 2;
  etat.courant = &MatchedRulesPartage;
  for (int i = 0; i < NB_REGLES_POOL; i++) etat.Pile[i] = &etat.Pool[i];
  etat.Sommet = NB_REGLES_POOL;
  CreeEnsemble(MatchedRulesVivre, GoalKind::Vivre);
  CreeEnsemble(MatchedRulesOeil, GoalKind::Oeil);
  CreeEnsemble(MatchedRulesConnecter, GoalKind::Connecter);
  CreeEnsemble(MatchedRulesPartage, GoalKind::ValeurCoup);
}

MatchedRule* popRule() {
  if (etat.Sommet <= 1) {
    Signale("Pb popRule\n");
    return nullptr;
  }
  return etat.Pile[--etat.Sommet];
}

int pushRule(MatchedRule* r) {
  // Only records taken by popRule come back; a record given back twice would
  // otherwise write past the stack.
  if (etat.Sommet >= NB_REGLES_POOL) {
    Signale("Pb pushRule\n");
    return -1;
  }
  etat.Pile[etat.Sommet] = r;
  return etat.Sommet++;
}

int SommetPileRegles() {
  return etat.Sommet;
}

MatchedRules& MatchedRulesDe(int kind) {
  switch (kind) {
    case GoalKind::Vivre:
      return MatchedRulesVivre;
    case GoalKind::Connecter:
      return MatchedRulesConnecter;
    case GoalKind::Oeil:
      return MatchedRulesOeil;
    default:
      return MatchedRulesPartage;
  }
}

void ClearMatchedRules(MatchedRules& s) {
  for (int i = 0; i < s.NbGRules; i++) pushRule(s.GRules[i]);
  for (int i = 0; i < s.NbGiRules; i++) pushRule(s.GiRules[i]);
  s.NbGRules = 0;
  s.NbGiRules = 0;
}

bool CoordoneesIntersectionAvecSens(int cell, int x0, int y0, int w, int h, int o1, int o2, int& x,
                                    int& y) {
  const int i = cell % w, j = cell / w;
  if (o1 == VERS_DROITE && o2 == VERS_BAS) {
    x = x0 + i, y = y0 + j;
  } else if (o1 == VERS_DROITE && o2 == VERS_HAUT) {
    x = x0 + i, y = y0 + h - 1 - j;
  } else if (o1 == VERS_GAUCHE && o2 == VERS_BAS) {
    x = x0 + w - 1 - i, y = y0 + j;
  } else if (o1 == VERS_GAUCHE && o2 == VERS_HAUT) {
    x = x0 + w - 1 - i, y = y0 + h - 1 - j;
  } else if (o1 == VERS_BAS && o2 == VERS_DROITE) {
    x = x0 + j, y = y0 + i;
  } else if (o1 == VERS_BAS && o2 == VERS_GAUCHE) {
    x = x0 + h - 1 - j, y = y0 + i;
  } else if (o1 == VERS_HAUT && o2 == VERS_DROITE) {
    x = x0 + j, y = y0 + w - 1 - i;
  } else if (o1 == VERS_HAUT && o2 == VERS_GAUCHE) {
    x = x0 + h - 1 - j, y = y0 + w - 1 - i;
  } else {
    return false;
  }
  if (x < 1 || x > TailleGoban || y < 1 || y > TailleGoban)
    Signale("Probleme CoordoneesIntersectionAvecSens\n");
  return true;
}

int CelluleDePoint(const FenetreMotif& f, int x, int y) {
  const int dx = x - f.x0, dy = y - f.y0;
  if (dx < 0 || dx >= f.bw || dy < 0 || dy >= f.bh) return -1;
  int i = 0, j = 0;
  switch (f.o1 * 10 + f.o2) {
    case 32:
      i = dx, j = dy;
      break;
    case 31:
      i = dx, j = f.h - 1 - dy;
      break;
    case 42:
      i = f.w - 1 - dx, j = dy;
      break;
    case 41:
      i = f.w - 1 - dx, j = f.h - 1 - dy;
      break;
    case 23:
      j = dx, i = dy;
      break;
    case 24:
      j = f.h - 1 - dx, i = dy;
      break;
    case 13:
      j = dx, i = f.w - 1 - dy;
      break;
    case 14:
      j = f.h - 1 - dx, i = f.w - 1 - dy;
      break;
    default:
      return -1;
  }
  return j * f.w + i;
}

int FenetresAncre(int32_t p, int w, int h, FenetreLigne (&fenetres)[FENETRES_PAR_ANCRE_MAX]) {
  const int s = TailleGoban;
  const int x = CoordX[p], y = CoordY[p];
  int n = 0;
  auto ajoute = [&](int zone, int ligne, const FenetreMotif& f) {
    if (SurLeGoban(f)) fenetres[n++] = FenetreLigne{zone, ligne, f};
  };
  if (x >= 2 && y >= 2 && x + w - 1 < s && y + h - 1 < s)
    ajoute(Zone::Centre, p, Fenetre(x, y, w, h, VERS_DROITE, VERS_BAS));
  if (y == 1 && x >= 2 && x + w - 1 < s)
    ajoute(Zone::Bord, LIGNE_HAUT + x, Fenetre(x, 1, w, h, VERS_DROITE, VERS_BAS));
  if (y + h - 1 == s && x >= 2 && x + w - 1 < s)
    ajoute(Zone::Bord, LIGNE_BAS + x, Fenetre(x, y, w, h, VERS_DROITE, VERS_HAUT));
  if (x == 1 && y >= 2 && y + w - 1 < s)
    ajoute(Zone::Bord, LIGNE_GAUCHE + y, Fenetre(1, y, w, h, VERS_BAS, VERS_DROITE));
  if (x + h - 1 == s && y >= 2 && y + w - 1 < s)
    ajoute(Zone::Bord, LIGNE_DROITE + y, Fenetre(x, y, w, h, VERS_BAS, VERS_GAUCHE));
  // Each corner window is read once, at its own top-left point: a corner
  // reached from two anchors would otherwise give every match twice.
  const bool gauche = x == 1, haut = y == 1;
  const bool droiteW = x == s + 1 - w, droiteH = x == s + 1 - h;
  const bool basH = y == s + 1 - h, basW = y == s + 1 - w;
  if (!(gauche || droiteW || droiteH) || !(haut || basH || basW)) return n;
  // Top-left, top-right, bottom-left, bottom-right: each in its two orientations.
  if (gauche && haut) {
    ajoute(Zone::Coin, LIGNE_COINS + 0, Fenetre(1, 1, w, h, VERS_DROITE, VERS_BAS));
    ajoute(Zone::Coin, LIGNE_COINS + 4, Fenetre(1, 1, w, h, VERS_BAS, VERS_DROITE));
  }
  if (droiteW && haut)
    ajoute(Zone::Coin, LIGNE_COINS + 1, Fenetre(x, 1, w, h, VERS_GAUCHE, VERS_BAS));
  if (droiteH && haut)
    ajoute(Zone::Coin, LIGNE_COINS + 5, Fenetre(x, 1, w, h, VERS_BAS, VERS_GAUCHE));
  if (gauche && basH)
    ajoute(Zone::Coin, LIGNE_COINS + 2, Fenetre(1, y, w, h, VERS_DROITE, VERS_HAUT));
  if (gauche && basW)
    ajoute(Zone::Coin, LIGNE_COINS + 6, Fenetre(1, y, w, h, VERS_HAUT, VERS_DROITE));
  if (droiteW && basH)
    ajoute(Zone::Coin, LIGNE_COINS + 3, Fenetre(x, y, w, h, VERS_GAUCHE, VERS_HAUT));
  if (droiteH && basW)
    ajoute(Zone::Coin, LIGNE_COINS + 7, Fenetre(x, y, w, h, VERS_HAUT, VERS_GAUCHE));
  return n;
}

int CouleurBut() {
  return etat.couleur;
}
int CouleurAutre() {
  return etat.autre;
}

void FixeCouleurBut(int g) {
  if (!CouleurValide(g)) {
    Signale("Pb FixeCouleurBut %d\n", g);
    return;
  }
  etat.couleur = g;
  etat.autre = Adversaire(g);
}

MatchedRules& SelectionneMatchedRules(int kind) {
  etat.courant = &MatchedRulesDe(kind);
  return *etat.courant;
}

MatchedRules& MatchedRulesCourant() {
  return *etat.courant;
}

uint32_t CleFenetre32(const FenetreMotif& f) {
  uint32_t cle = 0;
  const int n = f.w * f.h < 16 ? f.w * f.h : 16;
  for (int k = 0; k < n; k++)
    cle |= static_cast<uint32_t>(CodeCellule(PointCellule(f, k))) << (2 * k);
  return cle;
}

void CleFenetreDamier(const FenetreMotif& f, uint32_t (&cle)[MOTS_CLE_POSITION]) {
  for (uint32_t& m : cle) m = 0;
  for (int k = 0; k < f.w * f.h; k++)
    cle[k >> 4] |= static_cast<uint32_t>(CodeCellule(PointCellule(f, k))) << (2 * (k & 15));
}

uint32_t CodeFenetre(int g, int ligne, int w, int h) {
  if (!CouleurValide(g) || ligne < 0 || ligne >= NB_LIGNES_CODES) return 0;
  return etat.codes[g - 1][ligne][CodeTaille(w, h)];
}

void ListeJeuxHashLibertesBinaire(int32_t p, int x, int y, int w, int h, int kind, int type) {
  if (!SurGoban(p) || CoordX[p] != x || CoordY[p] != y || w < 1 || h < 1 || w > TAILLE_MOTIF_MAX ||
      h > TAILLE_MOTIF_MAX)
    return;
  FenetreLigne fenetres[FENETRES_PAR_ANCRE_MAX];
  const int n = FenetresAncre(p, w, h, fenetres);
  for (int debut = 0; debut < n;) {
    int fin = debut;
    while (fin < n && fenetres[fin].Zone == fenetres[debut].Zone) fin++;
    ChercheZone(fenetres[debut].Zone, fenetres + debut, fin - debut, kind, type);
    debut = fin;
  }
}

void ComputeWindowCodes(int g, int kind) {
  if (!CouleurValide(g) || kind < 0 || kind >= GoalKind::Nombre) return;
  FixeCouleurBut(g);
  const TaillesMotifs& t = TaillesGoalKind[kind];
  for (int i = 0; i < t.Nombre; i++) {
    const int w = t.w[i], h = t.h[i];
    if (ModeCleDamier(kind, w, h)) continue;
    const int32_t code = CodeTaille(w, h);
    for (int32_t p = 0; p < NbIntersections; p++) {
      FenetreLigne fenetres[FENETRES_PAR_ANCRE_MAX];
      const int n = FenetresAncre(p, w, h, fenetres);
      for (int k = 0; k < n; k++) Codes()[fenetres[k].Ligne][code] = CleFenetre32(fenetres[k].F);
    }
  }
}

void MetAJourCodesFenetre(int32_t ancre, int w, int h, int32_t q) {
  if (w * h > 16) return;
  const int32_t code = CodeTaille(w, h);
  const uint32_t contenu = static_cast<uint32_t>(CodeCellule(q));
  FenetreLigne fenetres[FENETRES_PAR_ANCRE_MAX];
  const int n = FenetresAncre(ancre, w, h, fenetres);
  for (int k = 0; k < n; k++) {
    const int cellule = CelluleDePoint(fenetres[k].F, CoordX[q], CoordY[q]);
    if (cellule < 0) continue;
    uint32_t& cle = Codes()[fenetres[k].Ligne][code];
    cle = (cle & ~(3u << (2 * cellule))) | (contenu << (2 * cellule));
  }
}

namespace {

void MatchTout(int g, int kind, const int* types, int nbTypes) {
  if (!CouleurValide(g) || kind < 0 || kind >= GoalKind::Nombre) {
    Signale("Pb MatchBoard %d %d\n", g, kind);
    return;
  }
  MatchedRules& s = SelectionneMatchedRules(kind);
  ClearMatchedRules(s);
  // A whole-board match does not trust the code tables: the board may have
  // been rebuilt since they were filled.
  ComputeWindowCodes(g, kind);
  FixeCouleurBut(g);
  const TaillesMotifs& t = TaillesGoalKind[kind];
  for (int32_t p = 0; p < NbIntersections; p++)
    for (int i = 0; i < t.Nombre; i++)
      for (int k = 0; k < nbTypes; k++)
        ListeJeuxHashLibertesBinaire(p, CoordX[p], CoordY[p], t.w[i], t.h[i], kind, types[k]);
}

}  // namespace

void MatchBoard(int g, int kind, int type) {
  const int types[] = {type};
  MatchTout(g, kind, types, 1);
}

void MatchBoardBothTypes(int g, int kind) {
  const int types[] = {RuleType::G, RuleType::GI};
  MatchTout(g, kind, types, 2);
}

void RemoveWindowRules(MatchedRules& s, int x, int y, int w, int h) {
  auto garde = [&](MatchedRule** regles, int32_t& nombre) {
    int k = 0;
    for (int i = 0; i < nombre; i++) {
      MatchedRule* m = regles[i];
      if (m->x0 == x && m->y0 == y && m->w == w && m->h == h)
        pushRule(m);
      else
        regles[k++] = m;
    }
    nombre = k;
  };
  garde(s.GRules, s.NbGRules);
  garde(s.GiRules, s.NbGiRules);
}
