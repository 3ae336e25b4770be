#include "game/enregistrement.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "board/damier.h"
#include "game/controleur.h"
#include "game/partie.h"

namespace {

// The position before the first recorded move: the change log walked back from
// the position. Beyond the history the records start from the empty board.
Damier PositionDeDepart() {
  Damier d{};
  ViderDamier(d);
  if (HorsHistorique) return d;
  d = DamierCourant;
  const Journal& j = JournalModifications;
  for (int32_t i = j.Nombre - 1; i >= 0; i--) {
    if (j.Genre[i] != ANCIEN_CONTENU || !SurGoban(j.Point[i])) continue;
    OtePierre(d, j.Point[i]);
    if (j.Valeur[i] != VIDE) PosePierre(d, j.Point[i], j.Valeur[i]);
  }
  return d;
}

// The record's colour (1 black, 2 white) of a game colour code.
int CouleurSgf(int couleur) {
  return couleur == CouleurNoir ? 1 : 2;
}

const char* Raison(ErreurSgf e) {
  switch (e) {
    case ErreurSgf::Aucune:
      return "";
    case ErreurSgf::PasUnEnregistrement:
      return "il ne contient pas de partie SGF";
    case ErreurSgf::Tronque:
      return "il est tronqué";
    case ErreurSgf::Malforme:
      return "il est mal formé";
    case ErreurSgf::PasDuGo:
      return "ce n'est pas une partie de Go";
    case ErreurSgf::Taille:
      return "la taille du goban est invalide";
    case ErreurSgf::Komi:
      return "le komi est invalide";
    case ErreurSgf::Coup:
      return "un coup est invalide";
    case ErreurSgf::Point:
      return "une pierre posée est hors du goban";
    case ErreurSgf::Joueur:
      return "le joueur au trait est invalide";
    case ErreurSgf::TropGrand:
      return "il est trop grand";
  }
  return "";
}

// A record replayed on a scratch position, ready for the game.
struct PartieVerifiee {
  int Noir = 1;
  int Mode = MODE_DEUX_JOUEURS;
  Damier Depart{};
  std::vector<CoupSgf> Coups;
  int AJouer = 1;
};

bool PierresOntDesLibertes(const Damier& d) {
  for (int32_t p = 0; p < NbIntersections; p++)
    if (Couleur(d, p) != VIDE && !AuMoinsNLibertes(d, p, 1)) return false;
  return true;
}

// Replays the record's main line as the game would; "" when it fits the game,
// otherwise the message that says why not.
std::string Verifie(const PartieSgf& sgf, const std::string& nom, PartieVerifiee& v) {
  if (sgf.Taille != TailleGoban) {
    const std::string n = std::to_string(sgf.Taille);
    const std::string t = std::to_string(TailleGoban);
    return "La partie de " + nom + " se joue sur un goban de " + n + "x" + n +
           " : Ilvane joue sur " + t + "x" + t + ".";
  }
  // The engine takes the colour that the record gives it, if only one.
  const bool noirIlvane = sgf.JoueurNoir == NOM_ILVANE_SGF;
  const bool blancIlvane = sgf.JoueurBlanc == NOM_ILVANE_SGF;
  if (noirIlvane != blancIlvane) {
    v.Mode = MODE_CONTRE_ILVANE;
    v.Noir = noirIlvane ? 1 : 2;
  }
  const auto couleur = [&](int c) { return c == 1 ? v.Noir : Adversaire(v.Noir); };
  Damier d{};
  ViderDamier(d);
  FixePointKo(d, COUP_PASSE);
  v.AJouer = sgf.Handicap >= 2 ? 2 : 1;
  bool pose = false;
  int modifications = 0;
  for (const ActionSgf& a : sgf.Actions) {
    switch (a.Type) {
      case ActionSgf::Pose:
        if (!v.Coups.empty())
          return "Le fichier " + nom +
                 " pose des pierres en cours de partie : Ilvane ne sait pas le rejouer.";
        OtePierre(d, a.Point);
        if (a.Couleur != VIDE) PosePierre(d, a.Point, couleur(a.Couleur));
        pose = true;
        break;
      case ActionSgf::Coup:
        if (v.Coups.empty()) v.Depart = d;
        if (a.Point == COUP_PASSE) {
          FixePointKo(d, COUP_PASSE);
          modifications += 2;
        } else {
          if (!EstLegal(d, a.Point, couleur(a.Couleur)))
            return "Le coup " + std::to_string(v.Coups.size() + 1) + " de " + nom + " est illégal.";
          modifications += 2 + 2 * JoueCoup(d, a.Point, couleur(a.Couleur));
        }
        v.Coups.push_back({a.Couleur, a.Point});
        if (static_cast<int>(v.Coups.size()) > MAX_COUPS_HISTORIQUE ||
            modifications > MAX_MODIFICATIONS)
          return "La partie de " + nom + " est trop longue pour l'historique d'Ilvane.";
        break;
      case ActionSgf::Joueur:
        if (v.Coups.empty()) v.AJouer = a.Couleur;
        break;
      case ActionSgf::FinNoeud:
        if (pose && !PierresOntDesLibertes(d))
          return "La position de départ de " + nom + " a des pierres sans liberté.";
        pose = false;
        break;
    }
  }
  if (v.Coups.empty()) v.Depart = d;
  return "";
}

}  // namespace

EnregistrementSgf EnregistrementPartie(const std::string& date) {
  EnregistrementSgf e;
  e.Taille = TailleGoban;
  const bool contreIlvane = ModeJeu == MODE_CONTRE_ILVANE;
  e.JoueurNoir = contreIlvane && CouleurNoir == 1 ? NOM_ILVANE_SGF : NOM_HUMAIN_SGF;
  e.JoueurBlanc = contreIlvane && CouleurBlanc == 1 ? NOM_ILVANE_SGF : NOM_HUMAIN_SGF;
  e.Date = date;
  e.Resultat = ResultatPartie();
  const Damier depart = PositionDeDepart();
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Couleur(depart, p);
    if (c == CouleurNoir) e.PosesNoires.push_back(p);
    if (c == CouleurBlanc) e.PosesBlanches.push_back(p);
  }
  for (int32_t i = 0; i < NbCoupsHistorique; i++) {
    const int32_t p = HistoriqueCoups[i];
    e.Coups.push_back({CouleurSgf(HistoriqueCouleurs[i]), SurGoban(p) ? p : COUP_PASSE});
  }
  return e;
}

std::string DateDuJour() {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  char texte[16];
  std::strftime(texte, sizeof texte, "%Y-%m-%d", &local);
  return texte;
}

bool EnregistrePartie(FenetreJeu& f, const std::string& chemin) {
  const std::string texte = EcritSgf(EnregistrementPartie(DateDuJour()));
  std::FILE* fichier = std::fopen(chemin.c_str(), "wb");
  bool ecrit = fichier != nullptr;
  if (fichier) {
    ecrit = std::fwrite(texte.data(), 1, texte.size(), fichier) == texte.size();
    ecrit = std::fclose(fichier) == 0 && ecrit;
  }
  if (!ecrit)
    f.Message(("Impossible d'enregistrer la partie dans le fichier " + chemin + ".").c_str());
  return ecrit;
}

bool OuvreTexteSgf(FenetreJeu& f, std::string_view texte, const std::string& nom) {
  PartieSgf sgf;
  std::string message;
  PartieVerifiee v;
  if (const ErreurSgf e = LitEnregistrement(texte, sgf); e != ErreurSgf::Aucune)
    message = "Impossible d'ouvrir " + nom + " : " + Raison(e) + ".";
  else
    message = Verifie(sgf, nom, v);
  if (!message.empty()) {
    f.Message(message.c_str());
    return false;
  }
  CommencePartieEnregistree(f, v.Noir, v.Mode, v.Depart, v.Coups, v.AJouer);
  return true;
}

bool OuvrePartie(FenetreJeu& f, const std::string& chemin) {
  std::string texte;
  switch (LitFichierSgf(chemin, texte)) {
    case ErreurFichier::Aucune:
      return OuvreTexteSgf(f, texte, chemin);
    case ErreurFichier::TropGrand:
      f.Message(("Le fichier " + chemin + " est trop grand pour être une partie de Go.").c_str());
      return false;
    case ErreurFichier::Ouverture:
    case ErreurFichier::Lecture:
      break;
  }
  f.Message(("Impossible de lire le fichier " + chemin + ".").c_str());
  return false;
}
