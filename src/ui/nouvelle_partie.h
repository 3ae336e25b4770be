#pragma once

// The new-game dialog "Nouvelle Partie": three buttons that set up colours and
// mode on the current position. It is created hidden and nothing in the main
// window opens it; showing it hides the main window, and closing it ends the
// program with exit code 0.

#include <QDialog>

class TFP;

class NouvellePartie : public QDialog {
  Q_OBJECT

 public:
  explicit NouvellePartie(TFP* principale);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Back to the main window once a button has set the game up.
  void Retour();

  TFP* principale_;
};
