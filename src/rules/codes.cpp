#include "rules/codes.h"

#include <cstring>

const char* const NomsGoalKind[GoalKind::Nombre] = {
    "Prendre",       "Vivre",           "Connecter",         "Deconnecter",
    "Oeil",          "EmpecherOeil",    "Enfermer",          "Sortir",
    "ConnecterVide", "DeconnecterVide", "ConnecterVideVide", "DeconnecterVideVide",
    "PrendreVide",   "VivreVide",       "ValeurCoup",        "Fermeture",
    "GroupeStable",  "Extension",       "GrandeExtension",   "Attaque",
    "Defense"};

const char* const NomsRuleType[RuleType::Nombre] = {"G",  "P",  "GI",   "PI",
                                                    "IG", "IP", "GIII", "IIIP"};

const char* const NomsZone[Zone::Nombre] = {"Centre", "Bord", "Coin"};

namespace {

template <int N>
int Cherche(const char* const (&noms)[N], const char* nom) {
  for (int i = 0; i < N; i++)
    if (std::strcmp(noms[i], nom) == 0) return i;
  return -1;
}

}  // namespace

int CodeGoalKind(const char* nom) {
  return Cherche(NomsGoalKind, nom);
}
int CodeRuleType(const char* nom) {
  return Cherche(NomsRuleType, nom);
}
int CodeZone(const char* nom) {
  return Cherche(NomsZone, nom);
}
