#include "game/controleur.h"

#include <cstdio>

#include "base/trace.h"
#include "board/damier.h"
#include "game/chrono.h"
#include "game/moteur.h"
#include "game/partie.h"

namespace {

constexpr const char* ILVANE_NOIRS = "Ilvane a les Noirs";
constexpr const char* ILVANE_BLANCS = "Ilvane a les Blancs";
constexpr const char* ILVANE_NE_JOUE_PAS = "Ilvane ne joue pas";
constexpr const char* ILVANE_PASSE = "Ilvane Passe";
constexpr const char* PARTIE_FINIE =
    "Cliquez sur Jouer Blanc, Jouer Noir ou Jouer a Deux pour une nouvelle partie.";
constexpr const char* PAS_VOTRE_TOUR = "Ce n'est pas à vous de jouer!";
constexpr const char* COUP_ILLEGAL = "Coup Illegal!";
constexpr const char* CHOISISSEZ = "Choisissez votre couleur pour commencer à jouer.";
constexpr const char* BLANC_PAR_ABANDON = "La partie est terminée. Blanc gagne par abandon.";
constexpr const char* NOIR_PAR_ABANDON = "La partie est terminée. Noir gagne par abandon.";
constexpr const char* FIN_BLANC_GAGNE =
    "Je Passe. La partie est terminée.\nNoir a %d pierres sur le Goban.\nBlanc a %d pierres sur "
    "le Goban.\nBlanc gagne de %d points";
constexpr const char* FIN_NOIR_GAGNE =
    "Je Passe. La partie est terminée.\nNoir a %d pierres sur le Goban.\nBlanc a %d pierres sur "
    "le Goban.\nNoir gagne de %d points";

// The result of the game, once it has ended.
char resultat[16] = "";

void FixeResultat(char gagnant, int points) {
  if (points < 0)
    std::snprintf(resultat, sizeof resultat, "%c+R", gagnant);
  else
    std::snprintf(resultat, sizeof resultat, "%c+%d", gagnant, points);
}

}  // namespace

// The engine's move for colour 1, or COUP_PASSE. The pass flag is set to
// passeAvant before the call. An answer that is not a legal point would break
// the position: it is reported and taken as a pass.
int32_t CoupIlvane(int passeAvant) {
  int32_t point = -1;
  int passe = passeAvant;
  DemandeCoupMoteur(point, passe);
  if (passe) return COUP_PASSE;
  if (!SurGoban(point) || !EstLegal(DamierCourant, point, 1)) {
    Signale("Pb ChoisitCoup coup illegal %d\n", point);
    return COUP_PASSE;
  }
  return point;
}

namespace {

// The switch of the clock of the side that has just moved.
void ChangeChrono(int couleur) {
  if (couleur == CouleurNoir)
    ChronoNoir();
  else
    ChronoBlanc();
}

void MetTrackBar(FenetreJeu& f) {
  f.FixeTrackBar(NbCoupsHistorique, NbCoupsJoues);
}

// The first steps of every set-up: empty history, empty position.
void VidePartie(FenetreJeu& f) {
  VideHistorique();
  f.FixeTrackBar(0, 0);
  PartieCommencee = 0;
  ViderDamier(DamierCourant);
  PartieFinie = 0;
  resultat[0] = '\0';
}

// The engine opens the game as Black. Returns its point, or COUP_PASSE.
int32_t PremierCoupIlvane() {
  const int32_t point = CoupIlvane(1);
  DernierCoup = -1;
  if (point != COUP_PASSE) {
    JoueCoup(point, 1);
    DernierCoup = point;
  } else {
    JouePasse(1);
  }
  ChronoNoir();
  return point;
}

// Whose turn it is after stepping to the cursor: the colour of the next recorded
// move, or, at the end of the records, the opponent of the last move.
int CouleurApresDeplacement() {
  if (NbCoupsJoues < NbCoupsHistorique) return HistoriqueCouleurs[NbCoupsJoues];
  return Adversaire(HistoriqueCouleurs[NbCoupsJoues - 1]);
}

// The redraw that ends every step through the history.
void ApresDeplacement(FenetreJeu& f) {
  f.DessinePierres();
  if (HorsHistorique) {
    // The recorded moves do not reach this position: keep its own last move.
    if (SurGoban(DernierCoup)) f.DessineMarque(DernierCoup, Couleur(DamierCourant, DernierCoup));
    f.AfficheGoban();
    return;
  }
  DernierCoup = -1;
  CouleurAJouer = CouleurNoir;
  if (NbCoupsJoues > 0) {
    DernierCoup = HistoriqueCoups[NbCoupsJoues - 1];
    CouleurAJouer = CouleurApresDeplacement();
    if (SurGoban(DernierCoup)) f.DessineMarque(DernierCoup, HistoriqueCouleurs[NbCoupsJoues - 1]);
  }
  f.AfficheGoban();
}

void ClicDeuxJoueurs(FenetreJeu& f, int32_t p) {
  if (!SurGoban(p) || !EstLegal(DamierCourant, p, CouleurAJouer)) return;
  f.Bip();
  JoueCoup(p, CouleurAJouer);
  DernierCoup = p;
  f.DessinePierres();
  f.DessineMarque(p, CouleurAJouer);
  f.AfficheGoban();
  ChangeChrono(CouleurAJouer);
  CouleurAJouer = Adversaire(CouleurAJouer);
  NbCoupsHistorique = NbCoupsJoues;
  MetTrackBar(f);
}

void ClicContreIlvane(FenetreJeu& f, int32_t p) {
  if (CouleurAJouer != 2) {
    f.Message(PAS_VOTRE_TOUR);
    return;
  }
  if (!EstLegal(DamierCourant, p, 2)) {
    f.Message(COUP_ILLEGAL);
    return;
  }
  f.Bip();
  JoueCoup(p, 2);
  f.DessinePierres();
  DernierCoup = p;
  f.DessineMarque(p, 2);
  f.AfficheGoban();
  ChangeChrono(2);

  const int32_t reponse = CoupIlvane(0);
  DernierCoup = -1;
  if (reponse != COUP_PASSE) {
    DernierCoup = reponse;
    JoueCoup(reponse, 1);
  } else {
    JouePasse(1);
  }
  f.DessinePierres();
  if (reponse == COUP_PASSE) {
    f.Bip();
    f.FixeIlvanePasse(ILVANE_PASSE);
  } else {
    f.DessineMarque(reponse, 1);
    f.Bip();
  }
  f.AfficheGoban();
  ChangeChrono(1);
  NbCoupsHistorique = NbCoupsJoues;
  MetTrackBar(f);
}

// Both passed: the stones on the board decide, with no territory and no komi;
// a tie goes to White by 0 points.
void AnnonceFin(FenetreJeu& f) {
  int noirs = 0;
  int blancs = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(DamierCourant, p);
    if (c == VIDE) continue;
    if (c == CouleurNoir) noirs++;
    if (c == CouleurBlanc) blancs++;
  }
  char texte[256];
  if (noirs <= blancs) {
    std::snprintf(texte, sizeof texte, FIN_BLANC_GAGNE, noirs, blancs, blancs - noirs);
    FixeResultat('W', blancs - noirs);
  } else {
    std::snprintf(texte, sizeof texte, FIN_NOIR_GAGNE, noirs, blancs, noirs - blancs);
    FixeResultat('B', noirs - blancs);
  }
  f.Message(texte);
}

void PasseDeuxJoueurs(FenetreJeu& f) {
  ChangeChrono(CouleurAJouer);
  f.DessinePierres();
  JouePasse(CouleurAJouer);
  DernierCoup = -1;
  CouleurAJouer = Adversaire(CouleurAJouer);
  // A pass also ends the moves recorded after the cursor, as any move does.
  NbCoupsHistorique = NbCoupsJoues;
  MetTrackBar(f);
  f.AfficheGoban();
}

void PasseContreIlvane(FenetreJeu& f) {
  f.Bip();
  JouePasse(2);
  ChangeChrono(2);
  f.DessinePierres();

  const int32_t reponse = CoupIlvane(1);
  DernierCoup = -1;
  if (reponse != COUP_PASSE) {
    JoueCoup(reponse, 1);
    DernierCoup = reponse;
  } else {
    JouePasse(1);
  }
  ChangeChrono(1);
  f.DessinePierres();

  if (reponse == COUP_PASSE) {
    f.Bip();
    f.FixeIlvanePasse(ILVANE_PASSE);
    AnnonceFin(f);
    PartieFinie = 1;
  } else {
    f.DessineMarque(reponse, 1);
    f.Bip();
  }
  NbCoupsHistorique = NbCoupsJoues;
  MetTrackBar(f);
  f.AfficheGoban();
}

// Starts a game on the cleared board: who plays which colour (`noir` is the
// colour number Black plays with), the engine's label, the clocks and the mode.
void CommencePartie(FenetreJeu& f, int noir, const char* couleurIlvane, int mode) {
  VidePartie(f);
  CouleurNoir = noir;
  CouleurBlanc = Adversaire(noir);
  f.FixeIlvanePasse("");
  f.FixeCouleurIlvane(couleurIlvane);
  PartieCommencee = 1;
  RemiseAZeroChronos();
  ModeJeu = mode;
}

}  // namespace

void JouerNoirClick(FenetreJeu& f) {
  CommencePartie(f, 2, ILVANE_BLANCS, MODE_CONTRE_ILVANE);
  DernierCoup = -1;
  NbCoupsHistorique = NbCoupsJoues;
  CouleurAJouer = CouleurNoir;
  f.DessinePierres();
  f.AfficheGoban();
}

void JouerBlancClick(FenetreJeu& f) {
  CommencePartie(f, 1, ILVANE_NOIRS, MODE_CONTRE_ILVANE);
  const int32_t point = PremierCoupIlvane();
  CouleurAJouer = CouleurBlanc;
  f.DessinePierres();
  if (point != COUP_PASSE) f.DessineMarque(point, 1);
  f.AfficheGoban();
  // The engine's first move is in the history: the track bar shows it.
  MetTrackBar(f);
}

void JouerLesDeuxClick(FenetreJeu& f) {
  CommencePartie(f, 1, ILVANE_NE_JOUE_PAS, MODE_DEUX_JOUEURS);
  CouleurAJouer = 1;
  DernierCoup = -1;
  // The cleared board is shown at once, as the other set-ups do.
  f.DessinePierres();
  f.AfficheGoban();
}

void ClicGoban(FenetreJeu& f, int32_t point) {
  f.FixeIlvanePasse("");
  if (PartieFinie) {
    f.Message(PARTIE_FINIE);
  } else if (ModeJeu == MODE_DEUX_JOUEURS) {
    ClicDeuxJoueurs(f, point);
  } else if (PartieCommencee && SurGoban(point)) {
    ClicContreIlvane(f, point);
  }
}

void PasseClick(FenetreJeu& f) {
  // A finished game takes no more moves, passes included: as a click does.
  if (PartieFinie) {
    f.FixeIlvanePasse("");
    f.Message(PARTIE_FINIE);
    return;
  }
  if (!PartieCommencee) JouerNoirClick(f);
  if (ModeJeu == MODE_DEUX_JOUEURS)
    PasseDeuxJoueurs(f);
  else
    PasseContreIlvane(f);
}

void AbandonClick(FenetreJeu& f) {
  if (!PartieCommencee) return;
  f.DessinePierres();
  f.Bip();
  f.Message(CouleurNoir != 1 ? BLANC_PAR_ABANDON : NOIR_PAR_ABANDON);
  FixeResultat(CouleurNoir != 1 ? 'W' : 'B', -1);
  PartieFinie = 1;
}

void UndoClick(FenetreJeu& f) {
  if (!PartieCommencee) {
    f.Message(CHOISISSEZ);
    return;
  }
  CoupPrecedent();
  MetTrackBar(f);
  ApresDeplacement(f);
}

void CoupSuivantClick(FenetreJeu& f) {
  if (!PartieCommencee) {
    f.Message(CHOISISSEZ);
    return;
  }
  CoupSuivant();
  MetTrackBar(f);
  ApresDeplacement(f);
}

void TrackBar1Change(FenetreJeu& f, int position) {
  const int d = position - NbCoupsJoues;
  if (d < 0) {
    // Beyond the history, the way back starts from the last recorded position.
    RetourHistorique();
    for (int i = 0; i < -d && NbCoupsJoues > 0; i++) CoupPrecedent();
  } else {
    for (int i = 0; i < d && NbCoupsJoues < NbCoupsHistorique && !HorsHistorique; i++)
      CoupSuivant();
  }
  ApresDeplacement(f);
}

void FormShow(FenetreJeu& f) {
  f.DessinePierres();
  if (DernierCoup != -1) {
    if (SurGoban(DernierCoup)) f.DessineMarque(DernierCoup, 1);
    f.Bip();
  }
  f.AfficheGoban();
}

void NouvellePartieJouerNoir(FenetreJeu& f) {
  CouleurNoir = 2;
  CouleurBlanc = 1;
  PartieCommencee = 1;
  PartieFinie = 0;
  DernierCoup = -1;
  RemiseAZeroChronos();
  ModeJeu = MODE_CONTRE_ILVANE;
  CouleurAJouer = CouleurNoir;
  f.FixeCouleurIlvane(ILVANE_BLANCS);
}

void NouvellePartieJouerBlanc(FenetreJeu& f) {
  CouleurNoir = 1;
  CouleurBlanc = 2;
  PartieCommencee = 1;
  PartieFinie = 0;
  RemiseAZeroChronos();
  ModeJeu = MODE_CONTRE_ILVANE;
  PremierCoupIlvane();
  CouleurAJouer = CouleurBlanc;
  NbCoupsHistorique = NbCoupsJoues;
  f.FixeCouleurIlvane(ILVANE_NOIRS);
  MetTrackBar(f);
}

void NouvellePartieJouerADeux(FenetreJeu& f) {
  CouleurAJouer = 1;
  CouleurNoir = 1;
  CouleurBlanc = 2;
  PartieCommencee = 1;
  PartieFinie = 0;
  DernierCoup = -1;
  RemiseAZeroChronos();
  ModeJeu = MODE_DEUX_JOUEURS;
  f.FixeCouleurIlvane(ILVANE_NE_JOUE_PAS);
}

const char* ResultatPartie() {
  return PartieFinie ? resultat : "";
}

void CommencePartieEnregistree(FenetreJeu& f, int noir, int mode, const Damier& depart,
                               const std::vector<CoupSgf>& coups, int aJouer) {
  const char* libelle = mode == MODE_DEUX_JOUEURS ? ILVANE_NE_JOUE_PAS
                        : noir == 1               ? ILVANE_NOIRS
                                                  : ILVANE_BLANCS;
  CommencePartie(f, noir, libelle, mode);
  DamierCourant = depart;
  FixePointKo(DamierCourant, COUP_PASSE);
  for (const CoupSgf& c : coups) {
    const int couleur = c.Couleur == 1 ? CouleurNoir : CouleurBlanc;
    if (c.Point == COUP_PASSE)
      JouePasse(couleur);
    else
      JoueCoup(c.Point, couleur);
  }
  NbCoupsHistorique = NbCoupsJoues;
  MetTrackBar(f);
  ApresDeplacement(f);
  if (coups.empty()) CouleurAJouer = aJouer == 2 ? CouleurBlanc : CouleurNoir;
}
