#include "ui/nouvelle_partie.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "game/controleur.h"
#include "ui/fenetre_principale.h"

namespace {

QFont Police19() {
  QFont police = QApplication::font();
  police.setStyleHint(QFont::SansSerif);
  police.setPixelSize(19);
  return police;
}

}  // namespace

NouvellePartie::NouvellePartie(TFP* principale) : QDialog(principale), principale_(principale) {
  setWindowTitle(QStringLiteral("Nouvelle Partie"));
  setGeometry(233, 118, 549, 355);
  auto* texte = new QLabel(QString::fromUtf8("Choisissez votre couleur :"), this);
  texte->setGeometry(40, 224, 215, 24);
  texte->setFont(Police19());
  auto* noir = new QPushButton(QStringLiteral("Jouer Noir"), this);
  noir->setGeometry(40, 272, 121, 33);
  auto* blanc = new QPushButton(QStringLiteral("Jouer Blanc"), this);
  blanc->setGeometry(184, 272, 129, 33);
  auto* deux = new QPushButton(QString::fromUtf8("Jouer à Deux"), this);
  deux->setGeometry(344, 272, 153, 33);
  for (QPushButton* b : {noir, blanc, deux}) {
    b->setFont(Police19());
    b->setAutoDefault(false);
  }
  connect(noir, &QPushButton::clicked, this, [this] {
    NouvellePartieJouerNoir(*principale_);
    Retour();
  });
  connect(blanc, &QPushButton::clicked, this, [this] {
    principale_->Traite([this] { NouvellePartieJouerBlanc(*principale_); });
    Retour();
  });
  connect(deux, &QPushButton::clicked, this, [this] {
    NouvellePartieJouerADeux(*principale_);
    Retour();
  });
  hide();
}

void NouvellePartie::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  principale_->hide();
}

void NouvellePartie::Retour() {
  hide();
  principale_->show();
}

void NouvellePartie::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

void NouvellePartie::reject() {
  QCoreApplication::exit(0);
}
