#include "rules/regles.h"

#include "rules/base.h"
#include "rules/buts.h"
#include "rules/motifs.h"

void DemarreBaseRegles() {
  InitialiseBases();
  InitialiseMotifs();
  InitialiseButs();
}

void ChargeBaseRegles() {
  DemarreBaseRegles();
  if (!SansReglesOeilVivre) {
    TailleCle = CLE_32_BITS;
    LitBinaire("OeilCentre.bin");
    LitBinaire("OeilBord.bin");
    LitBinaire("OeilCoin.bin");
    LitBinaire("VivreBord.bin");
    LitBinaire("VivreCoin.bin");
    if (AvecReglesConnecter) {
      LitBinaire("ConnecterCentre.bin");
      LitBinaire("ConnecterBord.bin");
      LitBinaire("ConnecterCoin.bin");
    }
  }
  TailleCle = CLE_POSITION;
  LitBinaire("Fuzeki.bin");
}

void ReinitialiseBaseRegles() {
  DemarreBaseRegles();
  TailleCle = CLE_32_BITS;
  FixeSortieFatale(nullptr);
}
