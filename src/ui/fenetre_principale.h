#pragma once

// The program's only window, TFP: the board image that the human clicks, two
// labels, the buttons and the track bar. The window draws the board into an
// off-screen bitmap and copies it to the screen in one piece; everything a
// handler decides is the game controller's (game/controleur.h).

#include <QImage>
#include <QWidget>
#include <functional>

#include "game/fenetre.h"
#include "game/vue_analyse.h"

class QLabel;
class QPushButton;
class QSlider;
class NouvellePartie;

// Makes the wood and the icon of the resource file available (the window's
// code lives in a static library, whose resources must be registered by hand).
void InitialiseRessources();

// The board image: shows its copy of the bitmap and reports mouse-downs.
class ImageCliquable : public QWidget {
  Q_OBJECT

 public:
  explicit ImageCliquable(QWidget* parent);
  // Copies the bitmap and repaints at once, even while the engine then thinks.
  void Copie(const QImage& bitmap);

 signals:
  void Clic(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage image_;
};

class TFP : public QWidget, public FenetreJeu {
  Q_OBJECT

 public:
  // The window's creation: bitmaps, board tables, the program-wide
  // initialisation, the controls, the hidden dialog, then a first game with the
  // human as Black.
  explicit TFP(QWidget* parent = nullptr);
  ~TFP() override;

  // How message boxes are shown: a box with an OK button, unless a test puts
  // its own recorder here (nullptr gives the box back).
  using Afficheur = std::function<void(const QString& texte)>;
  static void FixeAfficheurMessages(Afficheur afficheur);

  // How the file to save to (enregistrer) or to open is chosen: the platform's
  // file dialog, unless a test puts its own answer here (nullptr gives the
  // dialog back). An empty name cancels.
  using ChoixFichier = std::function<QString(bool enregistrer)>;
  static void FixeChoixFichier(ChoixFichier choix);

  // Ctrl+S and Ctrl+O: the game saved as an SGF file, or an SGF file opened.
  void EnregistrePartieSous();
  void OuvrePartieDepuis();

  // The click on the image at (x, y): the point goes to the controller.
  void CoupChoisi(int x, int y);

  // Runs a handler of the controller, during which the engine may think: the
  // busy cursor shows meanwhile, and the clicks and keys that arrive before it
  // returns are read then and dropped, never played afterwards. A message box
  // the handler opens is answered as usual.
  void Traite(const std::function<void()>& gestionnaire);
  // True while a handler runs.
  static bool Occupe();

  // The key A: shows the engine's view of the position for the side to move
  // over the board (its territory as small squares of each colour, a red cross
  // on the stones it counts dead, its best point as a blue disc with the
  // value), or takes it away. A fresh analysis each time, which changes nothing
  // of the game; any redraw of the board, so any move, takes the view away.
  void BasculeVueAnalyse();
  bool VueAnalyseAffichee() const { return vueAffichee_; }

  // Drawing into BitmapGoban.
  void DessineGoban();
  void DessineMarque(int x, int y, int couleur);
  const QImage& Bitmap() const { return BitmapGoban; }

  // FenetreJeu
  void DessinePierres() override;
  void DessineMarque(int32_t point, int couleur) override;
  void AfficheGoban() override;
  void FixeCouleurIlvane(const char* texte) override;
  void FixeIlvanePasse(const char* texte) override;
  void FixeTrackBar(int maximum, int position) override;
  void Message(const char* texte) override;
  void Bip() override;

  // The controls, under the names the handlers know them by.
  ImageCliquable* ImageGoban;
  QLabel* CouleurIlvane;
  QLabel* IlvanePasse;
  QPushButton* Passe;
  QPushButton* Abandon;
  QPushButton* JouerNoir;
  QPushButton* JouerBlanc;
  QPushButton* JouerLesDeux;
  QPushButton* Undo;
  QPushButton* CoupSuivant;
  QSlider* TrackBar1;
  NouvellePartie* Dialogue;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The view's overlay, drawn into BitmapGoban over the game's drawing.
  void DessineVueAnalyse();

  QImage BitmapBois;
  QImage BitmapGoban;
  // The game's drawing under the view, given back when the view goes.
  QImage BitmapSansVue;
  bool vueAffichee_ = false;
  VueAnalyse vue_;
};
