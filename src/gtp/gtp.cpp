#include "gtp/gtp.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/reglages.h"
#include "base/trace.h"
#include "board/damier.h"
#include "board/incremental.h"
#include "game/chrono.h"
#include "game/controleur.h"
#include "game/enregistrement.h"
#include "game/moteur.h"
#include "game/partie.h"
#include "game/sgf.h"
#include "tactics/benson.h"
#include "analysis/groupes.h"
#include "analysis/pipeline.h"
#include "game/vue_analyse.h"
#include "tactics/connexion.h"
#include "tactics/prise.h"
#include "tactics/vie.h"
#include "version.h"

namespace {

// A game of the session is the game module's: its position, then the history
// and change log through which undo steps back, with room for HISTORIQUE_GTP
// moves. A very long game forgets its oldest moves instead of overflowing; its
// change log is sized never to fill first.
using Partie = EtatPartie;
static_assert(HISTORIQUE_GTP <= CAPACITE_COUPS_MAX);

// A new game: an empty board and history. A fresh position bans no point:
// setup stones may surround point 0 before any move rewrites the ko field.
void Vide(Partie& jeu) {
  ReinitialisePartie(jeu);
  FixePointKo(jeu.Position, COUP_PASSE);
  FixeCapacites(jeu, HISTORIQUE_GTP, ModificationsPourCoups(HISTORIQUE_GTP));
}

// Plays a move already known to be legal (or a pass), recording it for undo.
void Joue(Partie& jeu, int32_t p, int couleur) {
  if (jeu.NbCoupsJoues >= jeu.CapaciteCoups && OublieCoupAncien(jeu) && jeu.CoupsOublies == 1)
    Signale("Pb HISTORIQUE_GTP plein, les coups les plus anciens ne seront plus repris\n");
  JoueCoup(jeu, SurGoban(p) ? p : COUP_PASSE, couleur);
}

// Time settings and the controller's time_left, by colour (1 black, 2 white);
// and the engine's own thinking time in this game.
struct Temps {
  int Principal = 0;
  int ByoYomi = 0;
  int PierresByoYomi = 0;
  bool Fixe = false;
  int Restant[3] = {0, 0, 0};
  int PierresRestantes[3] = {0, 0, 0};
  bool Connu[3] = {false, false, false};
  double Reflexion[3] = {0, 0, 0};
};

struct EtatGtp {
  Partie Jeu;
  // Where loadsgf replays a record, so that a refused one leaves the game as it was.
  Partie Brouillon;
  double Komi = 0;
  Temps Pendule;
  StatutsGtp Statuts = nullptr;
};

EtatGtp etat;

// The status of the groups at the end of a game: the engine's initial analysis
// of the position (the analysis view, which leaves the game and the engine's
// lasting state alone), seen from each side. A stone is dead when the view of
// either side counts its group dead ("Mort"): a side's analysis may give its
// own weak group more hope than the opponent's view does. Over finished games
// against GNU Go the analysis finds a third of the dead stones GNU Go finds.
void PierresMortesAnalyse(const Damier& position, EnsembleIntersections& mortes) {
  static VueAnalyse vues[2];
  Vide(mortes);
  CalculeVueAnalyse(position, NOIR, vues[0]);
  CalculeVueAnalyse(position, BLANC, vues[1]);
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(position, p) != VIDE && (vues[0].Mort[p] || vues[1].Mort[p])) Ajoute(mortes, p);
}

using Arguments = std::vector<std::string_view>;
// A command fills texte with its answer (or the reason of its failure) and
// says whether it succeeded.
using Commande = bool (*)(const Arguments& args, std::string& texte);

// ---------------------------------------------------------------------------
// Reading arguments

std::string Minuscules(std::string_view s) {
  std::string m(s);
  for (char& c : m)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return m;
}

int LitCouleur(std::string_view s) {
  const std::string m = Minuscules(s);
  if (m == "b" || m == "black") return NOIR;
  if (m == "w" || m == "white") return BLANC;
  return 0;
}

bool LitEntier(std::string_view s, int& n) {
  const char* fin = s.data() + s.size();
  auto [p, ec] = std::from_chars(s.data(), fin, n);
  return !s.empty() && ec == std::errc() && p == fin;
}

bool LitReel(std::string_view s, double& x) {
  const std::string t(s);
  if (t.empty()) return false;
  char* fin = nullptr;
  x = std::strtod(t.c_str(), &fin);
  return fin == t.c_str() + t.size() && std::isfinite(x);
}

bool Echec(std::string& texte, const char* message) {
  texte = message;
  return false;
}

// The colour and vertex of play and is_legal.
bool LitCoup(const Arguments& args, int& couleur, int32_t& p) {
  if (args.size() < 2) return false;
  couleur = LitCouleur(args[0]);
  p = LitVertex(args[1]);
  return couleur != 0 && p >= 0;
}

// A vertex that must hold a stone: countlib, findlib and the capture searches.
bool LitPierre(const Arguments& args, int32_t& p, std::string& texte) {
  if (args.empty()) return Echec(texte, "syntax error");
  p = LitVertex(args[0]);
  if (!SurGoban(p)) return Echec(texte, "invalid coordinate");
  if (Couleur(etat.Jeu.Position, p) == VIDE) return Echec(texte, "vertex must not be empty");
  return true;
}

// ---------------------------------------------------------------------------
// Writing answers

std::string EcritNombre(double x) {
  char buf[512];
  auto [fin, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buf, fin);
}

std::string EcritPoints(const EnsembleIntersections& e) {
  std::string s;
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (!Contient(e, p)) continue;
    if (!s.empty()) s += ' ';
    s += EcritVertex(p);
  }
  return s;
}

std::string EcritCouleur(int couleur) {
  return couleur == NOIR ? "black" : "white";
}

// The liberties of the chain at p, a stone.
EnsembleIntersections LibertesChaine(const Damier& d, int32_t p) {
  EnsembleIntersections chaine, libertes;
  Vide(chaine);
  Vide(libertes);
  AjouteChaine(d, chaine, p);
  for (int32_t q = 0; q < NbIntersections; q++) {
    if (!Contient(chaine, q)) continue;
    for (int32_t r : Voisins[q])
      if (Couleur(d, r) == VIDE) Ajoute(libertes, r);
  }
  return libertes;
}

int NombrePoints(const EnsembleIntersections& e) {
  int n = 0;
  for (uint32_t m : e.Mots) n += std::popcount(m);
  return n;
}

// ---------------------------------------------------------------------------
// Game records

// 1 if every chain of the position has a liberty: setup stones can build
// positions that no game reaches.
bool ChainesOntDesLibertes(const Damier& d) {
  bool vu[NB_INTERSECTIONS_MAX] = {};
  int32_t pile[NB_INTERSECTIONS_MAX];
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(d, p);
    if (c == VIDE || vu[p]) continue;
    int n = 0;
    bool liberte = false;
    pile[n++] = p;
    vu[p] = true;
    while (n > 0) {
      const int32_t q = pile[--n];
      for (int32_t r : Voisins[q]) {
        const int cr = Couleur(d, r);
        if (cr == VIDE) liberte = true;
        if (cr == c && !vu[r]) {
          vu[r] = true;
          pile[n++] = r;
        }
      }
    }
    if (!liberte) return false;
  }
  return true;
}

std::string LitFichier(const std::string& nom, std::string& texte) {
  switch (LitFichierSgf(nom, texte)) {
    case ErreurFichier::Aucune:
      return "";
    case ErreurFichier::Ouverture:
      return "cannot open file";
    case ErreurFichier::Lecture:
      return "cannot read file";
    case ErreurFichier::TropGrand:
      return "file too large";
  }
  return "";
}

constexpr const char* SetupInvalide = "invalid setup in game record: stones without liberties";

// Replays the record into etat.Brouillon, on a board of the record's size that
// the caller has set up, up to the position before move limite (0: all).
std::string RejoueSgf(const PartieSgf& sgf, int limite, int& aJouer) {
  Partie& b = etat.Brouillon;
  Vide(b);
  aJouer = sgf.Handicap >= 2 ? BLANC : NOIR;
  int coups = 0;
  bool pose = false;
  for (const ActionSgf& a : sgf.Actions) {
    switch (a.Type) {
      case ActionSgf::Pose:
        // Setup starts the history again: undo goes back to it, never across it.
        if (!pose) VideHistorique(b);
        OtePierre(b.Position, a.Point);
        if (a.Couleur != VIDE) PosePierre(b.Position, a.Point, a.Couleur);
        FixePointKo(b.Position, COUP_PASSE);
        pose = true;
        break;
      case ActionSgf::Coup:
        if (++coups == limite) {
          // The position before move limite: that move's colour is to play.
          aJouer = a.Couleur;
          if (pose && !ChainesOntDesLibertes(b.Position)) return SetupInvalide;
          return "";
        }
        if (a.Point != COUP_PASSE && !EstLegal(b.Position, a.Point, a.Couleur))
          return "illegal move in game record (move " + std::to_string(coups) + ")";
        Joue(b, a.Point, a.Couleur);
        aJouer = Adversaire(a.Couleur);
        break;
      case ActionSgf::Joueur:
        aJouer = a.Couleur;
        break;
      case ActionSgf::FinNoeud:
        if (pose && !ChainesOntDesLibertes(b.Position)) return SetupInvalide;
        pose = false;
        break;
    }
  }
  return "";
}

// ---------------------------------------------------------------------------
// Commands

bool ProtocolVersion(const Arguments&, std::string& texte) {
  texte = "2";
  return true;
}

bool Name(const Arguments&, std::string& texte) {
  texte = ILVANE_NOM;
  return true;
}

bool Version(const Arguments&, std::string& texte) {
  texte = ILVANE_VERSION;
  return true;
}

bool KnownCommand(const Arguments& args, std::string& texte);
bool ListCommands(const Arguments& args, std::string& texte);

bool Quit(const Arguments&, std::string& texte) {
  texte.clear();
  return true;
}

// Each game has a trace of its own: a new game truncates the trace file, so a
// long session (a match of a thousand games) keeps only its last game's
// reasoning. A trace that goes to the error stream is left alone.
void NouvelleTrace() {
  if (TraceJeu() != SortieErreurs()) OuvreTraceJeu();
}

void NouvellePartie() {
  Vide(etat.Jeu);
  for (double& r : etat.Pendule.Reflexion) r = 0;
  NouvelleTrace();
}

bool Boardsize(const Arguments& args, std::string& texte) {
  int n;
  if (args.empty() || !LitEntier(args[0], n)) return Echec(texte, "syntax error");
  if (n < 1 || n > TAILLE_MAX) return Echec(texte, "unacceptable size");
  InitialiseGoban(n);
  NouvellePartie();
  return true;
}

bool ClearBoard(const Arguments&, std::string&) {
  NouvellePartie();
  return true;
}

bool Komi(const Arguments& args, std::string& texte) {
  double k;
  if (args.empty() || !LitReel(args[0], k)) return Echec(texte, "syntax error");
  etat.Komi = k;
  return true;
}

bool Play(const Arguments& args, std::string& texte) {
  int couleur;
  int32_t p;
  if (!LitCoup(args, couleur, p)) return Echec(texte, "invalid color or coordinate");
  if (!EstLegal(etat.Jeu.Position, p, couleur)) return Echec(texte, "illegal move");
  Joue(etat.Jeu, p, couleur);
  return true;
}

// Beyond the history (which its size makes impossible) the moves played since
// could not be taken back one by one.
bool Undo(const Arguments&, std::string& texte) {
  if (etat.Jeu.NbCoupsJoues == 0 || etat.Jeu.HorsHistorique) return Echec(texte, "cannot undo");
  CoupPrecedent(etat.Jeu);
  return true;
}

// How long the engine has used, in seconds, as its time management reads it:
// that management counts on an hour for the game. With the controller's
// time_left, the share of the main time used, spread over that hour; in
// byo-yomi, the end of the hour, so that the engine plays fast. Without time
// limits, the engine's own thinking time in this game, as in the window.
double TempsUtilise(int couleur) {
  const Temps& t = etat.Pendule;
  const bool illimite = !t.Fixe || (t.ByoYomi > 0 && t.PierresByoYomi == 0);
  if (illimite || !t.Connu[couleur]) return t.Reflexion[couleur];
  if (t.PierresRestantes[couleur] > 0 || t.Principal <= 0) return 54 * 60;
  const double part =
      static_cast<double>(t.Principal - t.Restant[couleur]) / static_cast<double>(t.Principal);
  return std::clamp(part, 0.0, 1.0) * 3600;
}

// The engine's move for couleur: the game is handed to the engine from that
// side, with the time it has used on that colour's clock. An answer the game's
// rules refuse is reported and taken as a pass, so genmove always answers a
// legal move or a pass.
int32_t CoupMoteur(int couleur) {
  int32_t point = -1;
  int passe = 1;
  const double utilise = TempsUtilise(couleur);
  const auto debut = std::chrono::steady_clock::now();
  DemandeCoupMoteurPour(etat.Jeu.Position, couleur, utilise, point, passe);
  const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
  etat.Pendule.Reflexion[couleur] += duree.count();
  if (passe) return COUP_PASSE;
  if (!SurGoban(point) || !EstLegal(etat.Jeu.Position, point, couleur)) {
    Signale("Pb genmove coup illegal sur la partie %d\n", point);
    return COUP_PASSE;
  }
  return point;
}

bool Genmove(const Arguments& args, std::string& texte) {
  const int couleur = args.empty() ? 0 : LitCouleur(args[0]);
  if (couleur == 0) return Echec(texte, "invalid color");
  const int32_t p = CoupMoteur(couleur);
  Joue(etat.Jeu, p, couleur);
  texte = EcritVertex(p);
  return true;
}

// As genmove, without playing the move.
bool RegGenmove(const Arguments& args, std::string& texte) {
  const int couleur = args.empty() ? 0 : LitCouleur(args[0]);
  if (couleur == 0) return Echec(texte, "invalid color");
  texte = EcritVertex(CoupMoteur(couleur));
  return true;
}

bool Showboard(const Arguments&, std::string& texte) {
  const Damier& d = etat.Jeu.Position;
  const int n = TailleGoban;
  std::string lettres = "  ";
  for (int x = 0; x < n; x++) {
    lettres += ' ';
    lettres += static_cast<char>('A' + x + (x >= 8 ? 1 : 0));
  }
  texte = "\n" + lettres + "\n";
  for (int y = 1; y <= n; y++) {
    char rang[16];
    std::snprintf(rang, sizeof rang, "%2d", n + 1 - y);
    texte += rang;
    for (int x = 1; x <= n; x++) {
      const int c = Couleur(d, Intersection[x][y]);
      texte += c == NOIR ? " X" : c == BLANC ? " O" : " .";
    }
    texte += ' ';
    texte += std::to_string(n + 1 - y);
    texte += '\n';
  }
  texte += lettres;
  return true;
}

// final_status_list alive|dead|seki: the stones of that status at the end of
// the game. Every stone the hook does not find dead is alive; no seki is told
// apart from life.
bool FinalStatusList(const Arguments& args, std::string& texte) {
  if (args.empty()) return Echec(texte, "syntax error");
  const std::string statut = Minuscules(args[0]);
  if (statut != "alive" && statut != "dead" && statut != "seki")
    return Echec(texte, "invalid status");
  EnsembleIntersections mortes, choisies;
  Vide(mortes);
  Vide(choisies);
  if (statut != "seki") {
    (etat.Statuts ? etat.Statuts : PierresMortesAnalyse)(etat.Jeu.Position, mortes);
    for (int32_t p = 0; p < NbIntersections; p++)
      if (Couleur(etat.Jeu.Position, p) != VIDE && Contient(mortes, p) == (statut == "dead"))
        Ajoute(choisies, p);
  }
  texte = EcritPoints(choisies);
  return true;
}

// The game's own count: stones on the board, komi to White.
bool FinalScore(const Arguments&, std::string& texte) {
  int noirs = 0, blancs = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(etat.Jeu.Position, p);
    noirs += c == NOIR;
    blancs += c == BLANC;
  }
  const double ecart = noirs - blancs - etat.Komi;
  if (ecart > 0)
    texte = "B+" + EcritNombre(ecart);
  else if (ecart < 0)
    texte = "W+" + EcritNombre(-ecart);
  else
    texte = "0";
  return true;
}

bool TimeSettings(const Arguments& args, std::string& texte) {
  int principal, byoYomi, pierres;
  if (args.size() < 3 || !LitEntier(args[0], principal) || !LitEntier(args[1], byoYomi) ||
      !LitEntier(args[2], pierres) || principal < 0 || byoYomi < 0 || pierres < 0)
    return Echec(texte, "syntax error");
  const Temps ancien = etat.Pendule;
  etat.Pendule = Temps{};
  for (int c = 0; c < 3; c++) etat.Pendule.Reflexion[c] = ancien.Reflexion[c];
  etat.Pendule.Principal = principal;
  etat.Pendule.ByoYomi = byoYomi;
  etat.Pendule.PierresByoYomi = pierres;
  etat.Pendule.Fixe = true;
  return true;
}

bool TimeLeft(const Arguments& args, std::string& texte) {
  int temps, pierres;
  const int couleur = args.empty() ? 0 : LitCouleur(args[0]);
  if (couleur == 0 || args.size() < 3 || !LitEntier(args[1], temps) ||
      !LitEntier(args[2], pierres) || pierres < 0)
    return Echec(texte, "syntax error");
  etat.Pendule.Restant[couleur] = temps;
  etat.Pendule.PierresRestantes[couleur] = pierres;
  etat.Pendule.Connu[couleur] = true;
  return true;
}

bool Loadsgf(const Arguments& args, std::string& texte) {
  int limite = 0;
  if (args.empty() || (args.size() > 1 && (!LitEntier(args[1], limite) || limite < 0)))
    return Echec(texte, "syntax error");
  std::string contenu;
  if (std::string e = LitFichier(std::string(args[0]), contenu); !e.empty()) {
    texte = e;
    return false;
  }
  PartieSgf sgf;
  if (std::string e = LitSgf(contenu, sgf); !e.empty()) {
    texte = e;
    return false;
  }
  const int ancienneTaille = TailleGoban;
  InitialiseGoban(sgf.Taille);
  int aJouer;
  if (std::string e = RejoueSgf(sgf, limite, aJouer); !e.empty()) {
    InitialiseGoban(ancienneTaille);
    texte = e;
    return false;
  }
  etat.Jeu = etat.Brouillon;
  for (double& r : etat.Pendule.Reflexion) r = 0;
  NouvelleTrace();
  if (sgf.AvecKomi) etat.Komi = sgf.Komi;
  texte = EcritCouleur(aJouer);
  return true;
}

// printsgf [file]: the position as a record, as GNU Go writes it: setup
// stones, komi, and the player to move when the last move tells it. Written to
// the file (empty answer) or given as the answer.
bool Printsgf(const Arguments& args, std::string& texte) {
  const Partie& jeu = etat.Jeu;
  EnregistrementSgf e;
  e.Taille = TailleGoban;
  e.Komi = etat.Komi;
  e.Date = DateDuJour();
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(jeu.Position, p);
    if (c == NOIR) e.PosesNoires.push_back(p);
    if (c == BLANC) e.PosesBlanches.push_back(p);
  }
  if (jeu.NbCoupsJoues > 0) {
    const int32_t dernier = jeu.HistoriqueCoups[jeu.NbCoupsJoues - 1];
    if (SurGoban(dernier) && Couleur(jeu.Position, dernier) != VIDE)
      e.AJouer = Adversaire(Couleur(jeu.Position, dernier));
  }
  std::string sgf = EcritSgf(e);
  sgf.pop_back();
  if (args.empty()) {
    texte = sgf;
    return true;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(std::string(args[0]).c_str(), "wb"),
                                                    std::fclose);
  if (!f || std::fputs((sgf + "\n").c_str(), f.get()) < 0 || std::fflush(f.get()) != 0)
    return Echec(texte, "cannot write file");
  return true;
}

bool IsLegal(const Arguments& args, std::string& texte) {
  int couleur;
  int32_t p;
  if (!LitCoup(args, couleur, p)) return Echec(texte, "invalid color or coordinate");
  texte = EstLegal(etat.Jeu.Position, p, couleur) ? "1" : "0";
  return true;
}

bool ListStones(const Arguments& args, std::string& texte) {
  const int couleur = args.empty() ? 0 : LitCouleur(args[0]);
  if (couleur == 0) return Echec(texte, "invalid color");
  EnsembleIntersections e;
  Vide(e);
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(etat.Jeu.Position, p) == couleur) Ajoute(e, p);
  texte = EcritPoints(e);
  return true;
}

bool Countlib(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  texte = std::to_string(NombrePoints(LibertesChaine(etat.Jeu.Position, p)));
  return true;
}

bool Findlib(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  texte = EcritPoints(LibertesChaine(etat.Jeu.Position, p));
  return true;
}

// The capture search on the incremental board built from the game position,
// at full strength whatever the last genmove left: no time pressure, no
// trial-move shortcuts. The searches take back every move they play.
class RechercheTactique {
 public:
  RechercheTactique() : reglages_(Reglages) {
    Reglages.PanicMode = 0;
    Reglages.EvaluationEnCours = false;
    InitialiseDamierIncremental(etat.Jeu.Position);
  }
  ~RechercheTactique() { Reglages = reglages_; }
  RechercheTactique(const RechercheTactique&) = delete;
  RechercheTactique& operator=(const RechercheTactique&) = delete;

 private:
  ReglagesRecherche reglages_;
};

// "1 <move>" when the search found one, "0" otherwise.
std::string EcritResultat(bool trouve, int32_t coup) {
  return trouve ? "1 " + EcritVertex(coup) : "0";
}

bool Attack(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  RechercheTactique recherche;
  int32_t coup = COUP_PASSE;
  const bool trouve = ChercheCoupPrendre(p, coup) != 0;
  texte = EcritResultat(trouve, coup);
  return true;
}

// The chain's liberty that the owner may play and that leaves the chain the
// most liberties (the first in the chain's order on a tie), or COUP_PASSE.
int32_t MeilleureExtension(int32_t p) {
  const String* s = StringIntersection[p];
  int32_t meilleure = COUP_PASSE;
  int libertesMax = -1;
  for (int32_t l : s->Libertes) {
    if (!CoupLegalIncremental(l, s->Color)) continue;
    const int n = NbLibertesApresIncremental(l, s->Color);
    if (n > libertesMax) {
      libertesMax = n;
      meilleure = l;
    }
  }
  return meilleure;
}

// A chain the capture search cannot take needs no rescue: as GNU Go does, it
// is defended ("1"), by the move that extends it most.
bool Defend(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  RechercheTactique recherche;
  int32_t coup = COUP_PASSE;
  bool trouve = ChercheCoupSauver(p, coup) != 0;
  int32_t prise = COUP_PASSE;
  if (!trouve && ChercheCoupPrendre(p, prise) == 0) {
    trouve = true;
    coup = MeilleureExtension(p);
  }
  texte = EcritResultat(trouve, coup);
  return true;
}

// The ladder reader, from the attacker's first move: the chain at p, with two
// liberties, is taken in a ladder if the attacker can take one of them so that
// the defender cannot escape.
bool LadderAttack(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  RechercheTactique recherche;
  const String* s = StringIntersection[p];
  if (!s || s->NbLibertes() != 2) return Echec(texte, "string must have exactly 2 liberties");
  const int attaquant = Adversaire(s->Color);
  const int32_t libertes[2] = {s->Libertes[0], s->Libertes[1]};
  for (int32_t l : libertes) {
    CompteurNoeuds = 0;
    CoupTemporaire coup(l, attaquant);
    if (!coup) continue;
    if (EchapperEchelle(p, 2) == -ECHELLE_PRISE) {
      texte = EcritResultat(true, l);
      return true;
    }
  }
  texte = EcritResultat(false, COUP_PASSE);
  return true;
}

// The two stones of connect and disconnect: of one colour, in two chains.
bool LitPaire(const Arguments& args, int32_t& p1, int32_t& p2, std::string& texte) {
  if (args.size() < 2) return Echec(texte, "syntax error");
  const Arguments second(args.begin() + 1, args.end());
  if (!LitPierre(args, p1, texte) || !LitPierre(second, p2, texte)) return false;
  if (Couleur(etat.Jeu.Position, p1) != Couleur(etat.Jeu.Position, p2))
    return Echec(texte, "vertices must have same color");
  return true;
}

// "1 <move>" when the owner, moving first, joins the two chains, else "0".
bool Connect(const Arguments& args, std::string& texte) {
  int32_t p1, p2;
  if (!LitPaire(args, p1, p2, texte)) return false;
  RechercheTactique recherche;
  if (StringIntersection[p1] == StringIntersection[p2])
    return Echec(texte, "vertices must be in different strings");
  int32_t coup = COUP_PASSE;
  const bool trouve = ConnecterSimple(p1, p2, coup) == RESULTAT_ATTEINT;
  texte = EcritResultat(trouve, coup);
  return true;
}

// "1 <move>" when the opponent, moving first, keeps them apart, else "0". A
// pair its owner cannot join is apart whatever is played ("1 PASS" when no
// candidate move stands out).
bool Disconnect(const Arguments& args, std::string& texte) {
  int32_t p1, p2;
  if (!LitPaire(args, p1, p2, texte)) return false;
  RechercheTactique recherche;
  if (StringIntersection[p1] == StringIntersection[p2])
    return Echec(texte, "vertices must be in different strings");
  int32_t coup = COUP_PASSE;
  bool trouve = ChercheCoupDeconnecter(p1, p2, coup) == RESULTAT_ATTEINT;
  int32_t lien = COUP_PASSE;
  if (!trouve && ConnecterSimple(p1, p2, lien) != RESULTAT_ATTEINT) {
    trouve = true;
    coup = COUP_PASSE;
  }
  texte = EcritResultat(trouve, coup);
  return true;
}

// Debug: the connection searches' root answers decided by a node or depth
// limit since start-up, then the nodes searched.
bool ConnexionLimites(const Arguments&, std::string& texte) {
  texte = std::to_string(RechercheConnexion.LimitesAtteintes) + " " +
          std::to_string(RechercheConnexion.NoeudsCumules);
  return true;
}

// Unconditional life at a vertex, in GNU Go's words: "alive" for a stone no
// enemy sequence can capture, "dead" for a stone inside the opponent's
// unconditional territory, "black_territory" or "white_territory" for an empty
// point of it (black is colour 1 here), else "undecided".
bool UnconditionalStatus(const Arguments& args, std::string& texte) {
  const int32_t p = args.empty() ? -1 : LitVertex(args[0]);
  if (!SurGoban(p)) return Echec(texte, "invalid coordinate");
  // In the order of StatutInconditionnel.
  static constexpr const char* mots[] = {"undecided", "alive", "dead", "black_territory",
                                         "white_territory"};
  RechercheTactique recherche;
  texte = mots[static_cast<int>(StatutInconditionnelPoint(p))];
  return true;
}

// The life-and-death drivers on the unit of the stone at p: its strings joined
// by the solid connections that a full analysis of the position finds.
class RechercheVieGtp : public RechercheTactique {
 public:
  RechercheVieGtp(int32_t p) : silence_(Silence) {
    Silence = true;
    AnalyseComplete();
    ConstruitUnite(p, Groupe);
  }
  ~RechercheVieGtp() { Silence = silence_; }
  GroupeVie Groupe;

 private:
  bool silence_;
};

// One life-and-death driver on the group of the stone named: "1 <move>" when
// it succeeds ("1 PASS" when it needs no move), else "0" (an answer the node
// limit left open is "0").
template <int (*Driver)(GroupeVie&, ListeIntersections&)>
bool LifeDriver(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  RechercheVieGtp recherche(p);
  ListeIntersections coups;
  const bool trouve = Driver(recherche.Groupe, coups) == RESULTAT_ATTEINT;
  texte = EcritResultat(trouve, coups.Nombre > 0 ? coups[0] : COUP_PASSE);
  return true;
}

// The analysis's view of the group at the vertex:
//   F 0.5 alive 0 dead 0 live C3 D4 kill C3
bool GroupStatus(const Arguments& args, std::string& texte) {
  int32_t p;
  if (!LitPierre(args, p, texte)) return false;
  RechercheVieGtp recherche(p);
  FormeGroupes();
  const int n = Groupes.GroupePoint[p];
  if (n == 0) return Echec(texte, "no group");
  const Group& g = GroupeDe(n);
  char f[32];
  std::snprintf(f, sizeof f, "%g", static_cast<double>(g.F));
  texte = std::string("F ") + f + " alive " + std::to_string(g.Vivant) + " dead " +
          std::to_string(g.Mort) + " live";
  for (int32_t m : g.CoupsVivre) texte += " " + EcritVertex(m & MASQUE_POINT);
  texte += " kill";
  for (int32_t m : g.CoupsTuer) texte += " " + EcritVertex(m & MASQUE_POINT);
  return true;
}

struct EntreeCommande {
  const char* Nom;
  Commande Traitement;
};

constexpr EntreeCommande Commandes[] = {
    {"protocol_version", ProtocolVersion},
    {"name", Name},
    {"version", Version},
    {"known_command", KnownCommand},
    {"list_commands", ListCommands},
    {"quit", Quit},
    {"boardsize", Boardsize},
    {"clear_board", ClearBoard},
    {"komi", Komi},
    {"play", Play},
    {"undo", Undo},
    {"genmove", Genmove},
    {"reg_genmove", RegGenmove},
    {"showboard", Showboard},
    {"final_score", FinalScore},
    {"final_status_list", FinalStatusList},
    {"time_settings", TimeSettings},
    {"time_left", TimeLeft},
    {"loadsgf", Loadsgf},
    {"printsgf", Printsgf},
    {"is_legal", IsLegal},
    {"list_stones", ListStones},
    {"countlib", Countlib},
    {"findlib", Findlib},
    {"attack", Attack},
    {"connect", Connect},
    {"disconnect", Disconnect},
    {"connexion_limites", ConnexionLimites},
    {"defend", Defend},
    {"ladder_attack", LadderAttack},
    {"unconditional_status", UnconditionalStatus},
    {"life_attack", LifeDriver<ChercheCoupsTuer>},
    {"life_defend", LifeDriver<ChercheCoupsVivre>},
    {"group_status", GroupStatus},
};

Commande ChercheCommande(std::string_view nom) {
  for (const EntreeCommande& c : Commandes)
    if (nom == c.Nom) return c.Traitement;
  return nullptr;
}

bool KnownCommand(const Arguments& args, std::string& texte) {
  texte = !args.empty() && ChercheCommande(args[0]) ? "true" : "false";
  return true;
}

bool ListCommands(const Arguments&, std::string& texte) {
  texte.clear();
  for (const EntreeCommande& c : Commandes) {
    if (!texte.empty()) texte += '\n';
    texte += c.Nom;
  }
  return true;
}

// ---------------------------------------------------------------------------
// The protocol

// Control characters go, tabs become spaces, and a '#' starts a comment.
std::string Nettoie(std::string_view ligne) {
  std::string l;
  l.reserve(ligne.size());
  for (const char ch : ligne) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '#') break;
    if (c == '\t')
      l += ' ';
    else if (c >= 32 && c != 127)
      l += ch;
  }
  return l;
}

Arguments Decoupe(std::string_view l) {
  Arguments mots;
  size_t i = 0;
  while (i < l.size()) {
    while (i < l.size() && l[i] == ' ') i++;
    const size_t debut = i;
    while (i < l.size() && l[i] != ' ') i++;
    if (i > debut) mots.push_back(l.substr(debut, i - debut));
  }
  return mots;
}

bool QueDesChiffres(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

void Repond(std::string& reponse, bool succes, std::string_view id, std::string_view texte) {
  reponse += succes ? '=' : '?';
  reponse += id;
  reponse += ' ';
  reponse += texte;
  reponse += "\n\n";
}

bool TraiteLigne(std::string_view brute, bool tronquee, std::string& reponse) {
  const std::string ligne = Nettoie(brute);
  Arguments mots = Decoupe(ligne);
  if (mots.empty()) return true;
  // The id is echoed as a number: "007" answers as 7.
  std::string id;
  if (QueDesChiffres(mots.front())) {
    std::string_view chiffres = mots.front();
    while (chiffres.size() > 1 && chiffres.front() == '0') chiffres.remove_prefix(1);
    id = chiffres;
    mots.erase(mots.begin());
  }
  if (tronquee) {
    Repond(reponse, false, id, "line too long");
    return true;
  }
  if (mots.empty()) {
    Repond(reponse, false, id, "unknown command");
    return true;
  }
  const std::string_view nom = mots.front();
  const Commande commande = ChercheCommande(nom);
  if (!commande) {
    Repond(reponse, false, id, "unknown command");
    return true;
  }
  const Arguments args(mots.begin() + 1, mots.end());
  std::string texte;
  const bool succes = commande(args, texte);
  Repond(reponse, succes, id, texte);
  return nom != "quit";
}

}  // namespace

void ReinitialiseGtp() {
  InitialiseGoban(9);
  Vide(etat.Jeu);
  Vide(etat.Brouillon);
  etat.Komi = 0;
  etat.Pendule = Temps{};
  FixeChoixMoteur(nullptr);
  etat.Statuts = nullptr;
}

void FixeStatutsGtp(StatutsGtp statuts) {
  etat.Statuts = statuts;
}

bool TraiteLigneGtp(std::string_view ligne, std::string& reponse) {
  return TraiteLigne(ligne, false, reponse);
}

void BoucleGtp(std::istream& entree, std::ostream& sortie) {
  using Traits = std::char_traits<char>;
  std::streambuf* flux = entree.rdbuf();
  std::string ligne, reponse;
  // Answers are flushed only when the engine would otherwise wait for input,
  // so a controller that sends a batch of commands gets them in few writes.
  bool aEnvoyer = false;
  for (;;) {
    ligne.clear();
    bool tronquee = false;
    bool lu = false;
    Traits::int_type c;
    for (;;) {
      if (aEnvoyer && flux->in_avail() <= 0) {
        sortie.flush();
        aEnvoyer = false;
      }
      c = flux->sbumpc();
      if (Traits::eq_int_type(c, Traits::eof()) || c == '\n') break;
      lu = true;
      if (ligne.size() < LIGNE_GTP_MAX)
        ligne += Traits::to_char_type(c);
      else
        tronquee = true;
    }
    const bool fin = Traits::eq_int_type(c, Traits::eof());
    if (fin && !lu) break;
    reponse.clear();
    const bool continuer = TraiteLigne(ligne, tronquee, reponse);
    if (!reponse.empty()) {
      sortie << reponse;
      aEnvoyer = true;
    }
    if (!sortie || !continuer || fin) break;
  }
  sortie.flush();
}

const Damier& PositionGtp() {
  return etat.Jeu.Position;
}

std::string EcritVertex(int32_t p) {
  if (!SurGoban(p)) return "pass";
  const int x = CoordX[p];
  std::string s(1, static_cast<char>('A' + x - 1 + (x >= 9 ? 1 : 0)));
  s += std::to_string(TailleGoban + 1 - CoordY[p]);
  return s;
}

int32_t LitVertex(std::string_view s) {
  const std::string m = Minuscules(s);
  if (m == "pass") return COUP_PASSE;
  if (m.size() < 2 || m.size() > 3) return -1;
  const char lettre = m[0];
  if (lettre < 'a' || lettre > 'z' || lettre == 'i') return -1;
  const int x = lettre - 'a' + (lettre > 'i' ? 0 : 1);
  int rang;
  if (!QueDesChiffres(std::string_view(m).substr(1)) ||
      !LitEntier(std::string_view(m).substr(1), rang))
    return -1;
  if (x < 1 || x > TailleGoban || rang < 1 || rang > TailleGoban) return -1;
  return Intersection[x][TailleGoban + 1 - rang];
}
