#include "game/partie.h"

#include <algorithm>

#include "base/trace.h"
#include "board/damier.h"

EtatPartie PartieCourante;

namespace {

void Depasse(EtatPartie& e, const char* ligne) {
  if (!(e.DansCoup && e.Depassement)) Signale("%s", ligne);
  e.Depassement = true;
}

// Routes the changes that the board's JoueCoup writes into the game's history.
class SuiviPartie final : public SuiviJoueCoup {
 public:
  explicit SuiviPartie(EtatPartie& e) : e_(e) {}
  void ChangePoint(int32_t point, int ancien, int nouveau) override {
    EnregistreModification(e_, ANCIEN_CONTENU, point, ancien);
    EnregistreModification(e_, NOUVEAU_CONTENU, point, nouveau);
  }
  void Coup(int32_t point, int couleur) override { EnregistreCoup(e_, point, couleur); }

 private:
  EtatPartie& e_;
};

// The state of the records before a move, to take back a move that did not fit.
struct AvantCoup {
  int32_t joues;
  int32_t modifications;
};

AvantCoup Note(EtatPartie& e) {
  e.DansCoup = true;
  e.Depassement = false;
  return {e.NbCoupsJoues, e.JournalModifications.Nombre};
}

// A move only partly recorded is taken out of the records: the position is now
// beyond the history, and the moves recorded after the cursor no longer follow it.
void Conclut(EtatPartie& e, const AvantCoup& avant) {
  e.DansCoup = false;
  if (!e.Depassement) return;
  e.Depassement = false;
  e.NbCoupsJoues = avant.joues;
  e.NbCoupsHistorique = avant.joues;
  e.JournalModifications.Nombre = avant.modifications;
  e.HorsHistorique = 1;
}

// Beyond the history every move is played unrecorded, and says so.
void SignaleNonEnregistre(const EtatPartie& e) {
  if (e.NbCoupsJoues >= e.CapaciteCoups)
    Signale("Pb EnregistreCoup MAX_COUPS_HISTORIQUE\n");
  else
    Signale("Pb EnregistreModification MAX_MODIFICATIONS\n");
}

void RemetContenu(Damier& d, int32_t point, int contenu) {
  OtePierre(d, point);
  if (contenu) PosePierre(d, point, contenu);
}

// The entry with genre ANCIEN_CONTENU and old content VIDE opens a move.
bool OuvreCoup(const Journal& j, int32_t i) {
  return j.Genre[i] == ANCIEN_CONTENU && j.Valeur[i] == VIDE;
}

}  // namespace

void VideHistorique(EtatPartie& e) {
  e.NbCoupsJoues = 0;
  e.NbCoupsHistorique = 0;
  e.JournalModifications.Nombre = 0;
  e.HorsHistorique = 0;
  e.CoupsOublies = 0;
}

void ReinitialisePartie(EtatPartie& e) {
  e = EtatPartie{};
  ViderDamier(e.Position);
}

void FixeCapacites(EtatPartie& e, int coups, int modifications) {
  if (coups > CAPACITE_COUPS_MAX || modifications > CAPACITE_MODIFICATIONS_MAX)
    Signale("Pb FixeCapacites %d %d\n", coups, modifications);
  e.CapaciteCoups = std::clamp(coups, 0, CAPACITE_COUPS_MAX);
  e.CapaciteModifications = std::clamp(modifications, 0, CAPACITE_MODIFICATIONS_MAX);
  VideHistorique(e);
}

void EnregistreCoup(EtatPartie& e, int32_t point, int couleur) {
  if (e.NbCoupsJoues >= e.CapaciteCoups) {
    Depasse(e, "Pb EnregistreCoup MAX_COUPS_HISTORIQUE\n");
    return;
  }
  e.HistoriqueCoups[e.NbCoupsJoues] = point;
  e.HistoriqueCouleurs[e.NbCoupsJoues] = couleur;
  e.HistoriqueKo[e.NbCoupsJoues] = PointKo(e.Position);
  e.NbCoupsJoues++;
  if (e.NbCoupsJoues > e.NbCoupsHistorique) e.NbCoupsHistorique = e.NbCoupsJoues;
}

void EnregistreModification(EtatPartie& e, int genre, int32_t point, int valeur) {
  Journal& j = e.JournalModifications;
  if (j.Nombre >= e.CapaciteModifications) {
    Depasse(e, "Pb EnregistreModification MAX_MODIFICATIONS\n");
    return;
  }
  j.Genre[j.Nombre] = static_cast<uint8_t>(genre);
  j.Point[j.Nombre] = point;
  j.Valeur[j.Nombre] = static_cast<uint8_t>(valeur);
  j.Nombre++;
}

int JoueCoup(EtatPartie& e, int32_t point, int couleur) {
  if (e.HorsHistorique) {
    SignaleNonEnregistre(e);
    return JoueCoup(e.Position, point, couleur);
  }
  SuiviPartie suivi(e);
  const AvantCoup avant = Note(e);
  const int prises = JoueCoup(e.Position, point, couleur, &suivi);
  Conclut(e, avant);
  return prises;
}

void JouePasse(EtatPartie& e, int couleur) {
  if (e.HorsHistorique) {
    SignaleNonEnregistre(e);
  } else {
    const AvantCoup avant = Note(e);
    EnregistreModification(e, ANCIEN_CONTENU, COUP_PASSE, 0);
    EnregistreModification(e, NOUVEAU_CONTENU, COUP_PASSE, couleur);
    EnregistreCoup(e, COUP_PASSE, couleur);
    Conclut(e, avant);
  }
  FixePointKo(e.Position, COUP_PASSE);
}

void RetourHistorique(EtatPartie& e) {
  if (!e.HorsHistorique) return;
  const int32_t n = e.NbCoupsJoues;
  ViderDamier(e.Position);
  VideHistorique(e);
  e.NbCoupsHistorique = n;
  // Each of these moves fitted the records when it was first played, so it fits again.
  for (int32_t i = 0; i < n; i++) JoueCoup(e, e.HistoriqueCoups[i], e.HistoriqueCouleurs[i]);
}

void CoupPrecedent(EtatPartie& e) {
  if (e.HorsHistorique) {
    RetourHistorique(e);
    return;
  }
  Journal& j = e.JournalModifications;
  if (j.Nombre == 0 || e.NbCoupsJoues == 0) return;
  while (j.Nombre > 0) {
    j.Nombre--;
    const int32_t point = j.Point[j.Nombre];
    if (j.Genre[j.Nombre] != ANCIEN_CONTENU) continue;
    if (SurGoban(point)) RemetContenu(e.Position, point, j.Valeur[j.Nombre]);
    // The move's own point was empty before it: that entry opens the move.
    if (j.Valeur[j.Nombre] == VIDE) break;
  }
  e.NbCoupsJoues--;
  FixePointKo(e.Position, e.HistoriqueKo[e.NbCoupsJoues]);
}

void CoupSuivant(EtatPartie& e) {
  if (e.HorsHistorique || e.NbCoupsJoues >= e.NbCoupsHistorique) return;
  const int32_t i = e.NbCoupsJoues;
  JoueCoup(e, e.HistoriqueCoups[i], e.HistoriqueCouleurs[i]);
}

bool OublieCoupAncien(EtatPartie& e) {
  if (e.HorsHistorique || e.NbCoupsJoues == 0) return false;
  Journal& j = e.JournalModifications;
  int32_t fin = 1;
  while (fin < j.Nombre && !OuvreCoup(j, fin)) fin++;
  std::copy(j.Genre + fin, j.Genre + j.Nombre, j.Genre);
  std::copy(j.Point + fin, j.Point + j.Nombre, j.Point);
  std::copy(j.Valeur + fin, j.Valeur + j.Nombre, j.Valeur);
  j.Nombre -= fin;
  const int32_t n = e.NbCoupsHistorique;
  std::copy(e.HistoriqueCoups + 1, e.HistoriqueCoups + n, e.HistoriqueCoups);
  std::copy(e.HistoriqueCouleurs + 1, e.HistoriqueCouleurs + n, e.HistoriqueCouleurs);
  std::copy(e.HistoriqueKo + 1, e.HistoriqueKo + n, e.HistoriqueKo);
  e.NbCoupsJoues--;
  e.NbCoupsHistorique--;
  e.CoupsOublies++;
  return true;
}

void ReinitialisePartie() {
  ReinitialisePartie(PartieCourante);
}
void VideHistorique() {
  VideHistorique(PartieCourante);
}
void EnregistreCoup(int32_t point, int couleur) {
  EnregistreCoup(PartieCourante, point, couleur);
}
void EnregistreModification(int genre, int32_t point, int valeur) {
  EnregistreModification(PartieCourante, genre, point, valeur);
}
int JoueCoup(int32_t point, int couleur) {
  return JoueCoup(PartieCourante, point, couleur);
}
void JouePasse(int couleur) {
  JouePasse(PartieCourante, couleur);
}
void CoupPrecedent() {
  CoupPrecedent(PartieCourante);
}
void CoupSuivant() {
  CoupSuivant(PartieCourante);
}
void RetourHistorique() {
  RetourHistorique(PartieCourante);
}
