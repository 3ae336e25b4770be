#pragma once

// What the game controller asks of the window: the Qt window implements it,
// and the tests implement it with a fake that records every call.

#include <cstdint>

class FenetreJeu {
 public:
  // Redraws the board and the stones of DamierCourant into the off-screen bitmap.
  virtual void DessinePierres() = 0;
  // Draws the last-move mark on a point of the bitmap: a black disc on a stone of
  // a colour that is neither CouleurNoir nor 0, a white disc otherwise.
  virtual void DessineMarque(int32_t point, int couleur) = 0;
  // Copies the bitmap to the screen.
  virtual void AfficheGoban() = 0;
  // The two labels: the engine's colour, and its pass.
  virtual void FixeCouleurIlvane(const char* texte) = 0;
  virtual void FixeIlvanePasse(const char* texte) = 0;
  // The track bar's maximum and position (its minimum is always 0). Setting it
  // does not call the track bar's handler back.
  virtual void FixeTrackBar(int maximum, int position) = 0;
  // A message box with an OK button; returns when it is closed.
  virtual void Message(const char* texte) = 0;
  // The system beep.
  virtual void Bip() = 0;

 protected:
  ~FenetreJeu() = default;
};
