#include "game/partie.h"

#include "base/trace.h"
#include "board/damier.h"

EtatPartie PartieCourante;

namespace {

void Depasse(const char* ligne) {
  EtatPartie& e = PartieCourante;
  if (!(e.DansCoup && e.Depassement)) Signale("%s", ligne);
  e.Depassement = true;
}

// Routes the changes that the board's JoueCoup writes into the history.
class SuiviPartie final : public SuiviJoueCoup {
 public:
  void ChangePoint(int32_t point, int ancien, int nouveau) override {
    EnregistreModification(ANCIEN_CONTENU, point, ancien);
    EnregistreModification(NOUVEAU_CONTENU, point, nouveau);
  }
  void Coup(int32_t point, int couleur) override { EnregistreCoup(point, couleur); }
};

// The state of the records before a move, to take back a move that did not fit.
struct AvantCoup {
  int32_t joues;
  int32_t modifications;
};

AvantCoup Note() {
  PartieCourante.DansCoup = true;
  PartieCourante.Depassement = false;
  return {NbCoupsJoues, JournalModifications.Nombre};
}

// A move only partly recorded is taken out of the records: the position is now
// beyond the history, and the moves recorded after the cursor no longer follow it.
void Conclut(const AvantCoup& avant) {
  PartieCourante.DansCoup = false;
  if (!PartieCourante.Depassement) return;
  PartieCourante.Depassement = false;
  NbCoupsJoues = avant.joues;
  NbCoupsHistorique = avant.joues;
  JournalModifications.Nombre = avant.modifications;
  HorsHistorique = 1;
}

// Beyond the history every move is played unrecorded, and says so.
void SignaleNonEnregistre() {
  if (NbCoupsJoues >= MAX_COUPS_HISTORIQUE)
    Signale("Pb EnregistreCoup MAX_COUPS_HISTORIQUE\n");
  else
    Signale("Pb EnregistreModification MAX_MODIFICATIONS\n");
}

void RemetContenu(int32_t point, int contenu) {
  OtePierre(DamierCourant, point);
  if (contenu) PosePierre(DamierCourant, point, contenu);
}

}  // namespace

void VideHistorique() {
  NbCoupsJoues = 0;
  NbCoupsHistorique = 0;
  JournalModifications.Nombre = 0;
  HorsHistorique = 0;
}

void ReinitialisePartie() {
  PartieCourante = EtatPartie{};
  ViderDamier(PartieCourante.DamierCourant);
}

void EnregistreCoup(int32_t point, int couleur) {
  if (NbCoupsJoues >= MAX_COUPS_HISTORIQUE) {
    Depasse("Pb EnregistreCoup MAX_COUPS_HISTORIQUE\n");
    return;
  }
  HistoriqueCoups[NbCoupsJoues] = point;
  HistoriqueCouleurs[NbCoupsJoues] = couleur;
  HistoriqueKo[NbCoupsJoues] = PointKo(DamierCourant);
  NbCoupsJoues++;
  if (NbCoupsJoues > NbCoupsHistorique) NbCoupsHistorique = NbCoupsJoues;
}

void EnregistreModification(int genre, int32_t point, int valeur) {
  Journal& j = JournalModifications;
  if (j.Nombre >= MAX_MODIFICATIONS) {
    Depasse("Pb EnregistreModification MAX_MODIFICATIONS\n");
    return;
  }
  j.Genre[j.Nombre] = static_cast<uint8_t>(genre);
  j.Point[j.Nombre] = point;
  j.Valeur[j.Nombre] = static_cast<uint8_t>(valeur);
  j.Nombre++;
}

int JoueCoup(int32_t point, int couleur) {
  if (HorsHistorique) {
    SignaleNonEnregistre();
    return JoueCoup(DamierCourant, point, couleur);
  }
  SuiviPartie suivi;
  const AvantCoup avant = Note();
  const int prises = JoueCoup(DamierCourant, point, couleur, &suivi);
  Conclut(avant);
  return prises;
}

void JouePasse(int couleur) {
  if (HorsHistorique) {
    SignaleNonEnregistre();
  } else {
    const AvantCoup avant = Note();
    EnregistreModification(ANCIEN_CONTENU, COUP_PASSE, 0);
    EnregistreModification(NOUVEAU_CONTENU, COUP_PASSE, couleur);
    EnregistreCoup(COUP_PASSE, couleur);
    Conclut(avant);
  }
  FixePointKo(DamierCourant, COUP_PASSE);
}

void RetourHistorique() {
  if (!HorsHistorique) return;
  const int32_t n = NbCoupsJoues;
  ViderDamier(DamierCourant);
  VideHistorique();
  NbCoupsHistorique = n;
  // Each of these moves fitted the records when it was first played, so it fits again.
  for (int32_t i = 0; i < n; i++) JoueCoup(HistoriqueCoups[i], HistoriqueCouleurs[i]);
}

void CoupPrecedent() {
  if (HorsHistorique) {
    RetourHistorique();
    return;
  }
  Journal& j = JournalModifications;
  if (j.Nombre == 0 || NbCoupsJoues == 0) return;
  while (j.Nombre > 0) {
    j.Nombre--;
    const int32_t point = j.Point[j.Nombre];
    if (j.Genre[j.Nombre] != ANCIEN_CONTENU) continue;
    if (SurGoban(point)) RemetContenu(point, j.Valeur[j.Nombre]);
    // The move's own point was empty before it: that entry opens the move.
    if (j.Valeur[j.Nombre] == VIDE) break;
  }
  NbCoupsJoues--;
  FixePointKo(DamierCourant, HistoriqueKo[NbCoupsJoues]);
}

void CoupSuivant() {
  if (HorsHistorique || NbCoupsJoues >= NbCoupsHistorique) return;
  const int32_t i = NbCoupsJoues;
  JoueCoup(HistoriqueCoups[i], HistoriqueCouleurs[i]);
}
