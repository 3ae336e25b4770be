#pragma once

// A window for the game controller's tests: it records every call as one line
// of text, and keeps the labels and the track bar as a window would.

#include <string>
#include <vector>

#include "game/fenetre.h"

class FenetreEnregistree final : public FenetreJeu {
 public:
  std::vector<std::string> Appels;
  std::vector<std::string> Messages;
  std::string CouleurIlvane = "?";
  std::string IlvanePasse = "?";
  int Maximum = -1;
  int Position = -1;
  int Bips = 0;

  void DessinePierres() override { Appels.push_back("DessinePierres"); }
  void DessineMarque(int32_t point, int couleur) override {
    Appels.push_back("DessineMarque " + std::to_string(point) + " " + std::to_string(couleur));
  }
  void AfficheGoban() override { Appels.push_back("AfficheGoban"); }
  void FixeCouleurIlvane(const char* texte) override {
    CouleurIlvane = texte;
    Appels.push_back(std::string("CouleurIlvane ") + texte);
  }
  void FixeIlvanePasse(const char* texte) override {
    IlvanePasse = texte;
    Appels.push_back(std::string("IlvanePasse ") + texte);
  }
  void FixeTrackBar(int maximum, int position) override {
    Maximum = maximum;
    Position = position;
    Appels.push_back("TrackBar " + std::to_string(maximum) + " " + std::to_string(position));
  }
  void Message(const char* texte) override {
    Messages.push_back(texte);
    Appels.push_back(std::string("Message ") + texte);
  }
  void Bip() override {
    Bips++;
    Appels.push_back("Bip");
  }

  void Oublie() {
    Appels.clear();
    Messages.clear();
    Bips = 0;
  }
};
