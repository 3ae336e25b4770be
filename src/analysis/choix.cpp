#include "analysis/choix.h"

#include <chrono>

#include "analysis/groupes.h"
#include "analysis/influence.h"
#include "analysis/objectifs.h"
#include "analysis/pipeline.h"
#include "analysis/valeurs.h"
#include "base/reglages.h"
#include "base/trace.h"
#include "board/damier.h"
#include "board/ecriture.h"
#include "board/incremental.h"
#include "tactics/menaces.h"
#include "tactics/prise.h"

int NumeroCoup = 1;
EtatChoix Choix;

namespace {

// A trial move on the incremental board, taken back when the guard goes out of
// scope. Joue() says whether the move was legal and played.
class CoupEssai {
 public:
  [[nodiscard]] CoupEssai(int32_t p, int c) : joue_(EssaieCoupIncremental(p, c) != 0) {}
  ~CoupEssai() {
    if (joue_) UndoIncremental();
  }
  CoupEssai(const CoupEssai&) = delete;
  CoupEssai& operator=(const CoupEssai&) = delete;
  bool Joue() const { return joue_; }

 private:
  bool joue_;
};

double Depuis(std::chrono::steady_clock::time_point debut) {
  const std::chrono::duration<double> d = std::chrono::steady_clock::now() - debut;
  return d.count();
}

// A picture written to the trace and, unless Silence, to the console.
template <typename Ecrivain>
void ImprimeTraceEtConsole(Ecrivain ecrit) {
  ecrit(TraceJeu());
  if (!Silence && SortieConsole() != TraceJeu()) ecrit(SortieConsole());
}

// A line to the console only, unless Silence.
template <typename... Args>
void ConsoleSiBavard(const char* format, Args... args) {
  if (!Silence) Console(format, args...);
}

// ---------------------------------------------------------------------------
// Candidate moves.

// A goal's move list, as its module keeps it (a move may carry flags above its
// point: PointDe drops them).
struct Coups {
  const int32_t* Debut;
  int32_t Nombre;
  const int32_t* begin() const { return Debut; }
  const int32_t* end() const { return Debut + Nombre; }
};

template <int N>
Coups CoupsDe(const Liste<N>& l) {
  return {l.Elements, l.Nombre};
}

inline int32_t PointDe(int32_t coup) {
  return coup & MASQUE_POINT;
}

// One goal: the owner's moves (propres) and the opponent's (autres), with the
// value a move of each side adds to that side's upper bound. The friend moves
// of the goal make its enemy moves pointless, unless sansEmpeches says which
// friend points must not record them.
void AjouteObjectif(int couleur, Coups propres, Coups autres, int32_t valeurPropre,
                    int32_t valeurAutre, const int32_t* sansEmpeches = nullptr) {
  const bool ami = couleur == 1;
  const Coups amis = ami ? propres : autres;
  const Coups ennemis = ami ? autres : propres;
  const int32_t valeurAmi = ami ? valeurPropre : valeurAutre;
  const int32_t valeurEnnemi = ami ? valeurAutre : valeurPropre;
  for (int32_t c : amis) {
    const int32_t p = PointDe(c);
    if (!SurGoban(p)) continue;
    AjouteSiAbsent(Choix.CoupsAmis, p);
    Choix.MaxAmi[p] += valeurAmi;
    if (sansEmpeches && sansEmpeches[p] != 0) continue;
    for (int32_t e : ennemis)
      if (SurGoban(PointDe(e))) Ajoute(Choix.CoupsEnnemisEmpeches[p], PointDe(e));
  }
  for (int32_t c : ennemis) {
    const int32_t q = PointDe(c);
    if (!SurGoban(q)) continue;
    AjouteSiAbsent(Choix.CoupsEnnemis, q);
    Choix.MaxEnnemi[q] += valeurEnnemi;
  }
}

void AjouteObjectif(const ObjectifCoups& o, int32_t valeurPropre, int32_t valeurAutre) {
  AjouteObjectif(o.Couleur, {o.CoupsPropres, o.NbCoupsPropres}, {o.CoupsAutres, o.NbCoupsAutres},
                 valeurPropre, valeurAutre);
}

// V of the group of the string at p, 0 when it has none.
int32_t ValeurGroupeString(int32_t p) {
  if (!SurGoban(p)) return 0;
  const int32_t g = Groupes.GroupePoint[p];
  return g > 0 ? GroupeDe(g).V : 0;
}

// V of the groups of two strings, once when they share a group.
int32_t ValeurDeuxStrings(int32_t p1, int32_t p2) {
  const int32_t g1 = SurGoban(p1) ? Groupes.GroupePoint[p1] : 0;
  const int32_t g2 = SurGoban(p2) ? Groupes.GroupePoint[p2] : 0;
  if (g1 == g2) return ValeurGroupeString(p1);
  return ValeurGroupeString(p1) + ValeurGroupeString(p2);
}

void AjouteObjectifsConnexionGroupes() {
  const int32_t n = NombreObjectifsConnexionGroupes();
  for (int32_t i = 0; i < n; i++) {
    const ObjectifCoups o = ObjectifConnexionGroupesNumero(i);
    const int32_t v = ValeurConnexionGroupes(o.Reference1, o.Reference2);
    AjouteObjectif(o, v, v);
    for (int32_t k = 0; k < o.NbCoupsAutres; k++) {
      const int32_t q = PointDe(o.CoupsAutres[k]);
      if (SurGoban(q)) Choix.MarqueObjectifGroupe[q]++;
    }
  }
}

void AjouteObjectifsConnexion() {
  const int32_t n = NombreObjectifsConnexionChaines();
  for (int32_t i = 0; i < n; i++) {
    const ObjectifCoups o = ObjectifConnexionChaines(i);
    AjouteObjectif(o, 0, ValeurDeuxStrings(o.Reference1, o.Reference2));
  }
}

void AjouteMenacesDoubles() {
  for (const PriseDouble& d : PrisesDoubles) {
    const int32_t v = ValeurDeuxStrings(d.Ancre1, d.Ancre2);
    AjouteObjectif(d.Couleur, CoupsDe(d.CoupsAtteindre), CoupsDe(d.CoupsEmpecher), v, v,
                   Choix.MarqueObjectifGroupe);
  }
}

bool JeuPriseObjectif(const Prise& jeu) {
  return jeu.Prenable && !jeu.Perdu;
}

// The contested point of greatest territorial value (the first of equal ones).
int32_t MeilleurPointConteste(const Group& g, int32_t& valeur) {
  int32_t meilleur = -1;
  valeur = 0;
  for (int32_t c : g.PointsContestes) {
    const int32_t p = PointDe(c);
    if (!SurGoban(p)) continue;
    if (meilleur < 0 || Valeurs.ValeurTerritoriale[p] > valeur) {
      meilleur = p;
      valeur = Valeurs.ValeurTerritoriale[p];
    }
  }
  return meilleur;
}

// The goals of the groups that are not safe. deja marks the capture games
// already taken as goals (by the anchor of their string).
void AjouteGroupes(EnsembleIntersections& deja) {
  for (int32_t n = 1; n < Groupes.Fin; n++) {
    const Group& g = GroupeDe(n);
    if (!(g.F < 1.0f)) continue;
    if (!g.PeutVivre) {
      for (int32_t i = 0; i < g.NbJeuxPrise; i++) {
        const Prise* jeu = g.JeuxPrise[i];
        if (!jeu || !JeuPriseObjectif(*jeu)) continue;
        AjouteObjectif(g.Color, CoupsDe(jeu->CoupsPrendre), CoupsDe(jeu->CoupsSauver), g.IM, g.IM);
        if (SurGoban(jeu->Ancre)) Ajoute(deja, jeu->Ancre);
      }
      if (g.Enferme) {
        int32_t valeur = 0;
        const int32_t p = MeilleurPointConteste(g, valeur);
        if (p >= 0 && valeur > 0) {
          AjouteSiAbsent(Choix.CoupsAmis, p);
          AjouteSiAbsent(Choix.CoupsEnnemis, p);
          Choix.MaxAmi[p] += g.IM;
          Choix.MaxEnnemi[p] += g.IM;
          Ajoute(Choix.CoupsEnnemisEmpeches[p], p);
        }
      }
    } else {
      AjouteObjectif(g.Color, CoupsDe(g.CoupsVivre), CoupsDe(g.CoupsTuer), g.IM, g.IM);
    }
  }
}

// A capture game that can be won or saved is a goal of its capturer even when
// no weak group of the capturer stands next to it: a string in atari that can
// be saved beside a strong wall is worth its group's value to both sides.
void AjouteJeuxPrise(const EnsembleIntersections& deja) {
  for (const Prise& jeu : PrisesValides) {
    if (!JeuPriseObjectif(jeu) || !SurGoban(jeu.Ancre) || Contient(deja, jeu.Ancre)) continue;
    const int32_t v = ValeurGroupeString(jeu.Ancre);
    AjouteObjectif(jeu.Couleur, CoupsDe(jeu.CoupsPrendre), CoupsDe(jeu.CoupsSauver), v, v);
  }
}

// ---------------------------------------------------------------------------
// Trial moves.

// The evaluation after the move c at p, or false when the move is not legal on
// the incremental board. The board is back as it was on return.
bool EvalueCoup(int32_t p, int c, int32_t& evaluation) {
  CoupEssai coup(p, c);
  if (!coup.Joue()) return false;
  AnalyseCourte();
  FormeGroupesCourte();
  CalculeDamierStatut();
  CalculeInfluence(Statut.DamierStatut, false);
  CalculeZones();
  evaluation = Evaluation();
  Choix.NombreEssais++;
  return true;
}

void EvalueCandidats(int c) {
  const bool ami = c == 1;
  const char* nom = ami ? "Ami" : "Ennemi";
  const ListeCoups& candidats = ami ? Choix.CoupsAmis : Choix.CoupsEnnemis;
  const int32_t* max = ami ? Choix.MaxAmi : Choix.MaxEnnemi;
  int32_t* gain = ami ? Choix.GainAmi : Choix.GainEnnemi;
  for (int32_t p : candidats) {
    if (max[p] < Choix.SeuilMax) {
      Trace("Evaluation Coup Global %s en %d (%d,%d) < %d\n", nom, p, CoordX[p], CoordY[p], max[p]);
      continue;
    }
    int32_t evaluation = 0;
    if (!EvalueCoup(p, c, evaluation)) continue;
    gain[p] = ami ? evaluation - Choix.EvaluationInitiale : Choix.EvaluationInitiale - evaluation;
    if (ami) Choix.EssaiAmi[p] = 1;
    Trace("Evaluation Coup Global %s en %d (%d,%d) = %d, Max = %d\n", nom, p, CoordX[p], CoordY[p],
          gain[p], max[p]);
  }
}

// ---------------------------------------------------------------------------
// The choice rule.

// Every neighbour is a friend stone and the diagonals hold too few enemy stones
// to break the eye (none on the edge, at most one in the centre).
bool OeilAmi(const Damier& d, int32_t p) {
  for (int32_t q : Voisins[p])
    if (Couleur(d, q) != 1) return false;
  int ennemis = 0;
  for (int32_t q : Diagonales[p])
    if (Couleur(d, q) == 2) ennemis++;
  return Voisins[p].Nombre == 4 ? ennemis <= 1 : ennemis == 0;
}

// Playing there leaves the new string in atari and captures nothing.
bool AutoAtariSansPrise(const Damier& d, int32_t p) {
  Damier apres = d;
  if (JoueCoup(apres, p, 1) > 0) return false;
  return !AuMoinsNLibertes(apres, p, 2);
}

// A move that only harms its own side unless a trial measured a gain: filling
// an own eye, or a self-atari that captures nothing.
bool CoupNuisible(const Damier& d, int32_t p) {
  if (Choix.EssaiAmi[p] && Choix.GainAmi[p] > 0) return false;
  return OeilAmi(d, p) || AutoAtariSansPrise(d, p);
}

bool ToucheEnnemi(const Damier& d, int32_t p) {
  for (int32_t q : Voisins[p])
    if (Couleur(d, q) == 2) return true;
  return false;
}

int LibertesVides(const Damier& d, int32_t p) {
  int n = 0;
  for (int32_t q : Voisins[p])
    if (Couleur(d, q) == 0) n++;
  return n;
}

}  // namespace

// ---------------------------------------------------------------------------

int NiveauPanicHorloge(const HorlogeMoteur& h) {
  if (!PanicPermis) return 0;
  if (NiveauPanic >= 1 && NiveauPanic <= 3) return 4 - NiveauPanic;
  if (NiveauPanic >= 5) return 0;
  if (h.Minutes > 53 || h.Heures > 0) return 3;
  if (h.Minutes > 45) return 2;
  if (h.Minutes > 10) return 1;
  return 0;
}

void FixePanicMode(const Damier& position, const HorlogeMoteur& horloge) {
  Choix.Secondes = horloge.Secondes;
  Reglages.PanicMode = NiveauPanicHorloge(horloge);
  Trace("PanicMode=%d\n", Reglages.PanicMode);
  AnalysePosition(position);
}

void ChoisitCoupPosition(const Damier& position, const HorlogeMoteur& horloge, int32_t& point,
                         int& passe) {
  passe = 1;
  FixePanicMode(position, horloge);
  TraceSeule("NumeroCoup=%d\n", NumeroCoup);
  NumeroCoup += 2;
  const int32_t p = MeilleurCoup(position);
  if (p < 0) return;
  point = p;
  passe = 0;
}

void AnalysePosition(const Damier& position) {
  EcritDamierNom(position, "goban.gob");
  EcritDamier(TraceJeu(), position);
  EcritDamierNumerote(TraceJeu(), position);
  AnalyseInitiale(position);
  CalculeValeursCoups(Choix.TableValeurs);
  ImprimeTraceEtConsole([&](std::FILE* f) { ImprimeValeurs(f, position, Choix.TableValeurs); });
  Trace("Evaluation = %d\n", Choix.EvaluationInitiale);
  Trace("EvaluationTerritoriale = %d\n", Choix.EvaluationTerritoriale);
  Trace("chrono apres InitialiseCoups %f sec.\n", Choix.Secondes ? Choix.Secondes() : 0.0);
}

void AnalyseInitiale(const Damier& position) {
  const auto debut = std::chrono::steady_clock::now();
  Reglages.EvaluationEnCours = false;
  InitialiseDamierIncremental(position);
  AnalyseComplete();
  FormeGroupes();
  ConstruitObjectifsConnexionGroupes();
  CalculeDamierStatut();
  CalculeInfluence(Statut.DamierStatut, false);
  CalculeZones();
  Choix.EvaluationTerritoriale = CalculeTerritoire();
  Choix.EvaluationInitiale = Evaluation();
  if (!Silence) {
    ImprimeTraceEtConsole([](std::FILE* f) { ImprimeTerritoire(f); });
    Trace("EvaluationInitiale = %d\n", Choix.EvaluationInitiale);
  }
  Choix.SecondesAnalyse = Depuis(debut);

  const auto debutValeurs = std::chrono::steady_clock::now();
  Choix.SeuilMax = ValeursStatiques();
  Choix.SecondesValeurs = Depuis(debutValeurs);
  if (!Silence) {
    ImprimeTraceEtConsole([](std::FILE* f) {
      ImprimeGroupes(f);
      int32_t classes[NB_INTERSECTIONS_MAX];
      int32_t proprietaires[NB_INTERSECTIONS_MAX];
      for (int32_t p = 0; p < NbIntersections; p++) {
        classes[p] = '0' + (Groupes.Classe[p] & 7);
        const int32_t o = Groupes.Proprietaire[p];
        proprietaires[p] = o == 1 ? '@' : o == 2 ? 'O' : '+';
      }
      std::fprintf(f, "Adherence\n");
      ImprimeCarte(f, classes);
      std::fprintf(f, "ProprietaireGroupes\n");
      ImprimeCarte(f, proprietaires);
    });
  }
  CalculeInfluence(Statut.DamierStatut, false);
  Choix.EvaluationTerritoriale = CalculeTerritoire();
  if (!Silence && SortieConsole() != TraceJeu()) ImprimeTerritoire(SortieConsole());
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int32_t m = InfluenceAnalyse.CarteTerritoire[p];
    Choix.ProprietairePoint[p] = m == TERRITOIRE_AMI ? 1 : m == TERRITOIRE_ENNEMI ? 2 : 0;
  }
  ConsoleSiBavard("EvaluationTerritoriale = %d\n", Choix.EvaluationTerritoriale);
}

int32_t BilanTerritoire() {
  CalculeTerritoire();
  int32_t bilan = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (Couleur(DamierIncremental, p) != 0) continue;
    const int32_t m = InfluenceAnalyse.CarteTerritoire[p];
    if (m == TERRITOIRE_AMI) bilan++;
    if (m == TERRITOIRE_ENNEMI) bilan--;
  }
  return bilan;
}

int32_t EvaluationPierres() {
  float somme = 0.0f;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(DamierIncremental, p);
    const int32_t n = Groupes.GroupePoint[p];
    if (c == 0 || n <= 0) continue;
    const Group& g = GroupeDe(n);
    float v = 1.0f;
    if (g.Mort)
      v = -1.0f;
    else if (g.F < 0.5f)
      v = 0.25f;
    else if (g.F < 1.0f)
      v = 0.5f;
    somme += g.Color == 1 ? v : -v;
  }
  return static_cast<int32_t>(somme);
}

int32_t Evaluation() {
  return BilanTerritoire() + EvaluationPierres();
}

int32_t ValeurConnexionGroupes(int32_t a, int32_t b) {
  if (a <= 0 || b <= 0 || a >= Groupes.Fin || b >= Groupes.Fin) return 0;
  const Group& A = GroupeDe(a);
  const Group& B = GroupeDe(b);
  if (A.F == 0.0f && B.F == 0.0f) return 0;
  if (a == b) return A.F < 1.0f ? A.IM : 0;
  if (A.F >= 1.0f && B.F >= 1.0f) return 0;
  if (A.F < 1.0f && B.F >= 1.0f) return A.IM;
  if (B.F < 1.0f && A.F >= 1.0f) return B.IM;
  return A.IM + B.IM - A.V - B.V;
}

void InitialiseCoups() {
  Vide(Choix.CoupsAmis);
  Vide(Choix.CoupsEnnemis);
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    Choix.MaxAmi[p] = Choix.MaxEnnemi[p] = Choix.MarqueObjectifGroupe[p] = 0;
    Vide(Choix.CoupsEnnemisEmpeches[p]);
  }
  AjouteObjectifsConnexionGroupes();
  AjouteObjectifsConnexion();
  AjouteMenacesDoubles();
  EnsembleIntersections deja{};
  AjouteGroupes(deja);
  if (JeuxPriseObjectifs) AjouteJeuxPrise(deja);
}

void EvaluationCoupsGlobale(int32_t* table) {
  const auto debut = std::chrono::steady_clock::now();
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++)
    Choix.GainAmi[p] = Choix.GainEnnemi[p] = Choix.EssaiAmi[p] = 0;
  Choix.NombreEssais = 0;
  InitialiseCoups();
  Reglages.EvaluationEnCours = true;
  EvalueCandidats(1);
  EvalueCandidats(2);
  for (int32_t p : Choix.CoupsAmis) {
    int32_t m = 0;
    for (int32_t q = 0; q < NbIntersections; q++)
      if (Contient(Choix.CoupsEnnemisEmpeches[p], q) && Choix.GainEnnemi[q] > m)
        m = Choix.GainEnnemi[q];
    table[p] = Choix.GainAmi[p] + m;
    Trace("ValeurMeilleurCoupEnnemiEmpeche par %d = %d\n", p, m);
  }
  Reglages.EvaluationEnCours = false;
  Choix.SecondesEssais = Depuis(debut);
}

int32_t ValeurFinale(int32_t mesure, bool essai, int32_t deltaCV, int32_t territoriale,
                     int32_t bonus) {
  // A measured loss stands: neither the static value nor a bonus may hide it.
  if (essai && mesure <= -PERTE_MESUREE) return mesure;
  return (mesure >= 5 ? mesure + deltaCV : territoriale) + bonus;
}

void CalculeValeursCoups(int32_t* table) {
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++) table[p] = 0;
  EvaluationCoupsGlobale(table);
  int32_t meilleur = -1;
  int32_t valeur = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    table[p] = ValeurFinale(table[p], Choix.EssaiAmi[p] != 0, Valeurs.DeltaCV[p],
                            Valeurs.ValeurTerritoriale[p], Valeurs.BonusCoup[p]);
    if (table[p] > valeur) {
      meilleur = p;
      valeur = table[p];
    }
  }
  Trace("Meilleur Coup en %d = %d\n", meilleur, valeur);
}

int32_t MeilleurCoup(const Damier& d) {
  const int32_t* t = Choix.TableValeurs;
  int32_t pris = -1;
  int32_t b = -1;
  int c = 0;
  int l = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!DepartageContact) {
      if (t[p] > b && t[p] > 0 && EstLegal(d, p, 1)) {
        pris = p;
        b = t[p];
      }
      continue;
    }
    if (t[p] < b) continue;
    if (Choix.ProprietairePoint[p] == 2 && t[p] < 1) continue;
    if (!EstLegal(d, p, 1) || CoupNuisible(d, p)) continue;
    const int c2 = ToucheEnnemi(d, p) ? 1 : 0;
    const int l2 = LibertesVides(d, p);
    if (t[p] > b || c2 > c || (c2 == c && l2 > l)) {
      pris = p;
      b = t[p];
      c = c2;
      l = l2;
    }
  }
  return pris;
}

void ImprimeValeurs(std::FILE* f, const Damier& d, const int32_t* table) {
  std::fprintf(f, " / ");
  for (int x = 0; x < TailleGoban; x++) std::fprintf(f, " - ");
  std::fprintf(f, " \\\n");
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (CoordX[p] == 1) std::fprintf(f, " | ");
    const int c = Couleur(d, p);
    if (c == 1) {
      std::fprintf(f, " @ ");
    } else if (c == 2) {
      std::fprintf(f, " O ");
    } else if (table[p] == 0) {
      std::fprintf(f, " + ");
    } else {
      std::fprintf(f, "%2d", table[p]);
      if (table[p] < 100) std::fprintf(f, " ");
    }
    if (CoordX[p] == TailleGoban) std::fprintf(f, " | \n");
  }
  std::fprintf(f, " \\");
  for (int x = 0; x < TailleGoban; x++) std::fprintf(f, " - ");
  std::fprintf(f, " / \n");
}

void ReinitialiseChoix() {
  Choix = EtatChoix{};
}
