#include "rules/buts.h"

#include "board/incremental.h"
#include "rules/base.h"
#include "rules/motifs.h"

TabDoublet<MAX_GOALS_TO_MATCH> GoalsToMatch;
Liste<2> GoalColours;
TabDoublet<MAX_POINT_WINDOWS> PointWindows[NB_INTERSECTIONS_MAX];
TabDoublet<MAX_CHANGED_WINDOWS> ChangedWindows;
int IncrementalMatching = 0;

namespace {

bool KindValide(int kind) {
  return kind >= 0 && kind < GoalKind::Nombre;
}
bool CouleurValide(int c) {
  return c == 1 || c == 2;
}

// Every window that the lookup at an anchor reads is listed under each of its
// points, for every size of every registered goal.
void ReconstruitPointWindows() {
  for (int32_t q = 0; q < NB_INTERSECTIONS_MAX; q++) PointWindows[q].clear();
  for (const auto& but : GoalsToMatch) {
    const TaillesMotifs& t = TaillesGoalKind[but.b];
    for (int i = 0; i < t.Nombre; i++) {
      const int w = t.w[i], h = t.h[i];
      const int32_t code = CodeTaille(w, h);
      for (int32_t ancre = 0; ancre < NbIntersections; ancre++) {
        FenetreLigne fenetres[FENETRES_PAR_ANCRE_MAX];
        const int n = FenetresAncre(ancre, w, h, fenetres);
        for (int k = 0; k < n; k++) {
          const FenetreMotif& f = fenetres[k].F;
          for (int y = f.y0; y < f.y0 + f.bh; y++)
            for (int x = f.x0; x < f.x0 + f.bw; x++)
              PointWindows[Intersection[x][y]].push(ancre, code);
        }
      }
    }
  }
}

void RecalculeCodes() {
  for (const auto& but : GoalsToMatch) ComputeWindowCodes(but.a, but.b);
}

// The points the move played (or taken back) at depth d changed, or null when
// that depth has no record.
const ListeIntersections* PointsChanges(int32_t d) {
  if (d < 0 || d >= PROFONDEUR_MAX) return nullptr;
  return &ModificationsProfondeur[d].Points;
}

void ApresCoup(int32_t profondeur) {
  if (FullRematch) {
    RematchTout();
    return;
  }
  if (!IncrementalMatching) return;
  const ListeIntersections* points = PointsChanges(profondeur);
  if (!points) {
    RematchTout();
    return;
  }
  UpdateWindowCodes(*points);
  RematchChangedWindows();
}

}  // namespace

void InitialiseButs() {
  GoalsToMatch.clear();
  Vide(GoalColours);
  for (auto& t : PointWindows) t.clear();
  ChangedWindows.clear();
  IncrementalMatching = 0;
}

void AddGoalToMatch(int couleur, int kind) {
  if (!KindValide(kind)) {
    Signale("Pb AddGoalToMatch %d\n", kind);
    return;
  }
  if (!CouleurValide(couleur)) {
    Signale("Pb AddGoalToMatch couleur %d\n", couleur);
    return;
  }
  AjouteSiAbsent(GoalColours, couleur);
  if (!GoalsToMatch.contains(couleur, kind)) {
    GoalsToMatch.push(couleur, kind);
    ReconstruitPointWindows();
    RecalculeCodes();
  }
  IncrementalMatching = GoalsToMatch.Nombre > 0;
}

void StartMatching(int couleur, int kind) {
  if (!KindValide(kind)) {
    Signale("Pb StartMatching %d\n", kind);
    return;
  }
  if (!CouleurValide(couleur)) {
    Signale("Pb StartMatching couleur %d\n", couleur);
    return;
  }
  AddGoalToMatch(couleur, kind);
  MatchBoardBothTypes(couleur, kind);
}

void StopMatching(int couleur, int kind) {
  if (!KindValide(kind)) {
    Signale("Pb StopMatching %d\n", kind);
    return;
  }
  GoalsToMatch.remove(couleur, kind);
  if (!GoalsToMatch.hasFirst(couleur)) Retire(GoalColours, couleur);
  IncrementalMatching = GoalsToMatch.Nombre > 0;
  ReconstruitPointWindows();
  RecalculeCodes();
  ClearMatchedRules(SelectionneMatchedRules(kind));
}

bool PlayWithPatterns(int32_t point, int couleur) {
  const int suivi = SuiviModifications;
  SuiviModifications = 1;
  const int joue = point == COUP_PASSE ? JoueCoupIncremental(point, couleur)
                                       : EssaieCoupIncremental(point, couleur);
  SuiviModifications = suivi;
  if (!joue) return false;
  ApresCoup(Profondeur - 1);
  return true;
}

void UndoWithPatterns() {
  if (!UndoIncremental()) return;
  ApresCoup(Profondeur);
}

void UpdateWindowCodes(const ListeIntersections& points) {
  ChangedWindows.clear();
  for (int32_t q : points)
    if (SurGoban(q))
      for (const auto& fenetre : PointWindows[q]) ChangedWindows.push(fenetre.a, fenetre.b);
  for (int32_t c : GoalColours) {
    FixeCouleurBut(c);
    for (int32_t q : points) {
      if (!SurGoban(q)) continue;
      for (const auto& fenetre : PointWindows[q])
        MetAJourCodesFenetre(fenetre.a, LargeurDeCode(fenetre.b), HauteurDeCode(fenetre.b), q);
    }
  }
}

void RematchChangedWindows() {
  for (const auto& but : GoalsToMatch) {
    FixeCouleurBut(but.a);
    MatchedRules& s = SelectionneMatchedRules(but.b);
    for (const auto& fenetre : ChangedWindows) {
      const int32_t p = fenetre.a;
      const int x = CoordX[p], y = CoordY[p];
      const int w = LargeurDeCode(fenetre.b), h = HauteurDeCode(fenetre.b);
      RemoveWindowRules(s, x, y, w, h);
      // A size of another goal's kind has no base of this kind.
      if (!TaillesGoalKind[but.b].Contient(fenetre.b)) continue;
      ListeJeuxHashLibertesBinaire(p, x, y, w, h, but.b, RuleType::G);
      ListeJeuxHashLibertesBinaire(p, x, y, w, h, but.b, RuleType::GI);
    }
  }
}

void RematchTout() {
  for (const auto& but : GoalsToMatch) MatchBoardBothTypes(but.a, but.b);
}
