#include "ui/fenetre_principale.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>

#include "board/goban.h"
#include "game/controleur.h"
#include "game/demarrage.h"
#include "game/enregistrement.h"
#include "game/partie.h"
#include "ui/geometrie.h"
#include "ui/nouvelle_partie.h"
#include "version.h"

void InitialiseRessources() {
  Q_INIT_RESOURCE(ilvane);
}

namespace {

TFP::Afficheur afficheur;
TFP::ChoixFichier choixFichier;

constexpr const char* FILTRE_SGF = "Parties SGF (*.sgf);;Tous les fichiers (*)";

// A handler of the controller is running (the engine may be thinking).
bool occupe = false;

bool EstSaisie(QEvent::Type t) {
  switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      return true;
    default:
      return false;
  }
}

// Drops the human's input while a handler runs: the engine answers inside the
// click, and what the human did meanwhile must not be played afterwards.
class FiltreSaisie : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* cible, QEvent* e) override {
    if (occupe && EstSaisie(e->type())) return true;
    return QObject::eventFilter(cible, e);
  }
};

// The busy state for the life of a handler: the cursor is shown at once; on the
// way out the input that arrived meanwhile is read and dropped.
class Occupation {
 public:
  Occupation() : imbrique_(occupe) {
    if (imbrique_) return;
    occupe = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ~Occupation() {
    if (imbrique_) return;
    QCoreApplication::processEvents();
    occupe = false;
    QApplication::restoreOverrideCursor();
  }
  Occupation(const Occupation&) = delete;
  Occupation& operator=(const Occupation&) = delete;

 private:
  bool imbrique_;
};

// The platform's sans-serif font at a pixel height.
QFont Police(int pixels) {
  QFont police = QApplication::font();
  police.setStyleHint(QFont::SansSerif);
  police.setPixelSize(pixels);
  return police;
}

QPushButton* Bouton(QWidget* parent, const char* texte, int x, int y, int l, int h,
                    int pixels = 11) {
  auto* b = new QPushButton(QString::fromUtf8(texte), parent);
  b->setGeometry(x, y, l, h);
  b->setFont(Police(pixels));
  return b;
}

QLabel* Etiquette(QWidget* parent, const char* texte, int x, int y, int l, int h) {
  auto* e = new QLabel(QString::fromUtf8(texte), parent);
  e->setGeometry(x, y, l, h);
  e->setFont(Police(19));
  QPalette p = e->palette();
  p.setColor(QPalette::WindowText, Qt::black);
  e->setPalette(p);
  return e;
}

// The labels size themselves to their text, keeping their place and height.
void Ajuste(QLabel* e) {
  e->resize(e->sizeHint().width(), e->height());
}

QPen Trait() {
  return QPen(Qt::black, EPAISSEUR_TRAIT, Qt::SolidLine, Qt::RoundCap);
}

}  // namespace

ImageCliquable::ImageCliquable(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageCliquable::Copie(const QImage& bitmap) {
  image_ = bitmap.copy();
  repaint();
}

void ImageCliquable::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  if (image_.isNull())
    p.fillRect(rect(), palette().window());
  else
    p.drawImage(0, 0, image_);
}

void ImageCliquable::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  emit Clic(pos.x(), pos.y());
}

TFP::TFP(QWidget* parent) : QWidget(parent) {
  InitialiseRessources();
  setWindowTitle(QStringLiteral("%1 %2").arg(ILVANE_NOM, ILVANE_VERSION));
  setWindowIcon(QIcon(QStringLiteral(":/icone")));
  setFont(Police(11));
  move(1, 0);
  setFixedSize(948, 710);

  ImageGoban = new ImageCliquable(this);
  ImageGoban->setGeometry(264, 8, TAILLE_BITMAP, TAILLE_BITMAP);
  CouleurIlvane = Etiquette(this, "Ilvane a les Noirs", 40, 16, 146, 24);
  IlvanePasse = Etiquette(this, "Ilvane Passe", 40, 56, 109, 24);
  Passe = Bouton(this, "Je Passe", 40, 104, 161, 65, 19);
  Abandon = Bouton(this, "J'abandonne", 40, 176, 161, 65, 19);
  JouerNoir = Bouton(this, "Jouer Noir", 40, 304, 161, 25);
  JouerBlanc = Bouton(this, "Jouer Blanc", 40, 336, 161, 25);
  JouerLesDeux = Bouton(this, "Jouer les Deux", 40, 368, 161, 25);
  Undo = Bouton(this, "Coup Precedent", 16, 600, 97, 25);
  CoupSuivant = Bouton(this, "Coup Suivant", 136, 600, 97, 25);
  TrackBar1 = new QSlider(Qt::Horizontal, this);
  TrackBar1->setGeometry(8, 632, 233, 41);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(1);
  TrackBar1->setPageStep(1);

  // a. The wood, and the bitmap the board is drawn into.
  BitmapBois = QImage(QStringLiteral(":/wood"));
  BitmapGoban = QImage(TAILLE_BITMAP, TAILLE_BITMAP, QImage::Format_RGB32);
  // b. and c. The board tables, then the program-wide initialisation.
  InitialiseGoban(9);
  ViderDamier(DamierCourant);
  InitialisationProgramme();
  // d. to f.
  FixeTrackBar(0, 0);
  FixeCouleurIlvane("");
  FixeIlvanePasse("");
  DessinePierres();
  AfficheGoban();
  // g. The new-game dialog, hidden.
  Dialogue = new NouvellePartie(this);

  qApp->installEventFilter(new FiltreSaisie(this));
  connect(ImageGoban, &ImageCliquable::Clic, this, &TFP::CoupChoisi);
  // The handlers that may run the engine go through Traite; the others (stepping
  // through the history, the track bar dragged) never make the human wait.
  const auto relie = [this](QPushButton* b, void (*gestionnaire)(FenetreJeu&)) {
    connect(b, &QPushButton::clicked, this,
            [this, gestionnaire] { Traite([this, gestionnaire] { gestionnaire(*this); }); });
  };
  relie(Passe, PasseClick);
  relie(JouerNoir, JouerNoirClick);
  relie(JouerBlanc, JouerBlancClick);
  connect(Abandon, &QPushButton::clicked, this, [this] { AbandonClick(*this); });
  connect(JouerLesDeux, &QPushButton::clicked, this, [this] { JouerLesDeuxClick(*this); });
  connect(Undo, &QPushButton::clicked, this, [this] { UndoClick(*this); });
  connect(CoupSuivant, &QPushButton::clicked, this, [this] { CoupSuivantClick(*this); });
  connect(TrackBar1, &QSlider::valueChanged, this,
          [this](int position) { TrackBar1Change(*this, position); });

  // Game records, on keys only: the window's controls stay as they are.
  auto* enregistre = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(enregistre, &QShortcut::activated, this, &TFP::EnregistrePartieSous);
  auto* ouvre = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
  connect(ouvre, &QShortcut::activated, this, &TFP::OuvrePartieDepuis);
  auto* vue = new QShortcut(QKeySequence(Qt::Key_A), this);
  connect(vue, &QShortcut::activated, this, &TFP::BasculeVueAnalyse);

  // h. A first game: the human plays Black against the engine.
  JouerNoirClick(*this);
}

TFP::~TFP() = default;

void TFP::FixeAfficheurMessages(Afficheur a) {
  afficheur = std::move(a);
}

void TFP::FixeChoixFichier(ChoixFichier choix) {
  choixFichier = std::move(choix);
}

void TFP::EnregistrePartieSous() {
  QString chemin = choixFichier
                       ? choixFichier(true)
                       : QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer la partie"),
                                                      QString(), QString::fromUtf8(FILTRE_SGF));
  if (chemin.isEmpty()) return;
  if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".sgf");
  EnregistrePartie(*this, QFile::encodeName(chemin).toStdString());
}

void TFP::OuvrePartieDepuis() {
  const QString chemin =
      choixFichier ? choixFichier(false)
                   : QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir une partie"),
                                                  QString(), QString::fromUtf8(FILTRE_SGF));
  if (chemin.isEmpty()) return;
  OuvrePartie(*this, QFile::encodeName(chemin).toStdString());
}

void TFP::CoupChoisi(int x, int y) {
  Traite([this, x, y] { ClicGoban(*this, PointDuClic(x, y)); });
}

void TFP::Traite(const std::function<void()>& gestionnaire) {
  const Occupation occupation;
  gestionnaire();
}

bool TFP::Occupe() {
  return occupe;
}

void TFP::BasculeVueAnalyse() {
  if (vueAffichee_) {
    vueAffichee_ = false;
    BitmapGoban = BitmapSansVue;
    AfficheGoban();
    return;
  }
  Traite([this] { CalculeVueAnalyse(DamierCourant, CouleurAJouer, vue_); });
  BitmapSansVue = BitmapGoban.copy();
  DessineVueAnalyse();
  vueAffichee_ = true;
  AfficheGoban();
}

void TFP::DessineVueAnalyse() {
  QPainter p(&BitmapGoban);
  p.setRenderHint(QPainter::Antialiasing);
  for (int32_t point = 0; point < NbIntersections; point++) {
    const int cx = CentreX(CoordX[point]);
    const int cy = CentreY(CoordY[point]);
    const int proprietaire = vue_.Territoire[point];
    if (proprietaire != 0 && Couleur(DamierCourant, point) == VIDE) {
      const bool noir = proprietaire == CouleurNoir;
      p.setPen(QPen(noir ? Qt::white : Qt::black, 1));
      p.setBrush(noir ? Qt::black : Qt::white);
      p.drawRect(cx - DEMI_CARRE_TERRITOIRE, cy - DEMI_CARRE_TERRITOIRE, 2 * DEMI_CARRE_TERRITOIRE,
                 2 * DEMI_CARRE_TERRITOIRE);
    }
    if (vue_.Mort[point]) {
      p.setPen(QPen(Qt::red, EPAISSEUR_CROIX, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(cx - DEMI_CROIX, cy - DEMI_CROIX, cx + DEMI_CROIX, cy + DEMI_CROIX);
      p.drawLine(cx - DEMI_CROIX, cy + DEMI_CROIX, cx + DEMI_CROIX, cy - DEMI_CROIX);
    }
  }
  if (!SurGoban(vue_.MeilleurPoint)) return;
  const QRect disque(CentreX(CoordX[vue_.MeilleurPoint]) - RAYON_MEILLEUR,
                     CentreY(CoordY[vue_.MeilleurPoint]) - RAYON_MEILLEUR, 2 * RAYON_MEILLEUR,
                     2 * RAYON_MEILLEUR);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::blue);
  p.drawEllipse(disque);
  QFont police = Police(15);
  police.setBold(true);
  p.setFont(police);
  p.drawText(disque, Qt::AlignCenter, QString::number(vue_.Valeur));
}

void TFP::DessineGoban() {
  QPainter p(&BitmapGoban);
  p.drawImage(QRect(0, 0, TAILLE_BITMAP, TAILLE_BITMAP), BitmapBois);
  p.setPen(Trait());
  const int fin = ORIGINE + CASE * (TailleGoban - 1);
  for (int v = ORIGINE; v < ORIGINE + CASE * TailleGoban; v += CASE) {
    p.drawLine(v, ORIGINE, v, fin);
    p.drawLine(ORIGINE, v, fin, v);
  }
}

void TFP::DessinePierres() {
  vueAffichee_ = false;
  DessineGoban();
  QPainter p(&BitmapGoban);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Trait());
  for (int32_t point = 0; point < NbIntersections; point++) {
    const int c = Couleur(DamierCourant, point);
    if (c == VIDE || (c != CouleurNoir && c != CouleurBlanc)) continue;
    p.setBrush(c == CouleurNoir ? Qt::black : Qt::white);
    const int cx = CentreX(CoordX[point]);
    const int cy = CentreY(CoordY[point]);
    p.drawEllipse(QRect(cx - RAYON_PIERRE, cy - RAYON_PIERRE, 2 * RAYON_PIERRE, 2 * RAYON_PIERRE));
  }
}

void TFP::DessineMarque(int x, int y, int couleur) {
  QPainter p(&BitmapGoban);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Trait());
  // Black on a white stone, white on a black one.
  p.setBrush(couleur != CouleurNoir && couleur != VIDE ? Qt::black : Qt::white);
  const int cx = CentreX(x);
  const int cy = CentreY(y);
  p.drawEllipse(QRect(cx - RAYON_MARQUE, cy - RAYON_MARQUE, 2 * RAYON_MARQUE, 2 * RAYON_MARQUE));
}

void TFP::DessineMarque(int32_t point, int couleur) {
  if (!SurGoban(point)) return;
  DessineMarque(CoordX[point], CoordY[point], couleur);
}

void TFP::AfficheGoban() {
  ImageGoban->Copie(BitmapGoban);
}

void TFP::FixeCouleurIlvane(const char* texte) {
  CouleurIlvane->setText(QString::fromUtf8(texte));
  Ajuste(CouleurIlvane);
}

void TFP::FixeIlvanePasse(const char* texte) {
  IlvanePasse->setText(QString::fromUtf8(texte));
  Ajuste(IlvanePasse);
}

void TFP::FixeTrackBar(int maximum, int position) {
  // Only the human's moves of the track bar reach its handler.
  const QSignalBlocker bloque(TrackBar1);
  TrackBar1->setRange(0, maximum);
  TrackBar1->setValue(position);
}

void TFP::Message(const char* texte) {
  const QString t = QString::fromUtf8(texte);
  if (afficheur) {
    afficheur(t);
    return;
  }
  // The box takes the human's answer: what was clicked before it is dropped
  // first, then the busy state is lifted while it is shown.
  const bool etaitOccupe = occupe;
  if (etaitOccupe) {
    QCoreApplication::processEvents();
    occupe = false;
    QApplication::restoreOverrideCursor();
  }
  QMessageBox boite(QMessageBox::NoIcon, windowTitle(), t, QMessageBox::Ok, this);
  boite.exec();
  if (etaitOccupe) {
    occupe = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
}

void TFP::Bip() {
  QApplication::beep();
}

void TFP::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown by the program, not restored from the task bar.
  if (!event->spontaneous()) FormShow(*this);
}
