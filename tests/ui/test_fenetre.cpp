// The window through its real widgets: clicks on the board image and the
// buttons, and the board read back pixel by pixel from the grabbed image.

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "board/damier.h"
#include "board/goban.h"
#include "game/controleur.h"
#include "game/partie.h"
#include "game/vue_analyse.h"
#include "ui/fenetre_principale.h"
#include "ui/geometrie.h"
#include "ui/nouvelle_partie.h"
#include "version.h"

namespace {

// The scripted engine: plays the points queued here, then passes.
std::deque<int32_t> reponses;

void MoteurScripte(int32_t& point, int& passe) {
  passe = 1;
  if (reponses.empty()) return;
  point = reponses.front();
  reponses.pop_front();
  passe = 0;
}

// Run inside the engine's turn by MoteurLent, before it answers as MoteurScripte.
std::function<void()> pendantReflexion;

void MoteurLent(int32_t& point, int& passe) {
  if (pendantReflexion) pendantReflexion();
  MoteurScripte(point, passe);
}

QPoint Centre(int x, int y) {
  return QPoint(CentreX(x), CentreY(y));
}

bool Noir(QColor c) {
  return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}
bool Blanc(QColor c) {
  return c.red() > 215 && c.green() > 215 && c.blue() > 215;
}
bool Bois(QColor c) {
  return c.red() > 140 && c.red() > c.green() && c.green() > c.blue() && c.blue() > 30 &&
         c.red() - c.blue() > 60;
}

}  // namespace

class TestFenetre : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TFP> fp;
  QStringList messages;

  QImage Ecran() const { return fp->ImageGoban->grab().toImage(); }

  // What the image shows at point (x, y): '.' wood, 'X' a black stone, 'O' a
  // white stone, then for a stone the colour of its centre (the mark).
  QString Lit(int x, int y) const {
    const QImage e = Ecran();
    const QPoint c = Centre(x, y);
    // Between the mark and the outline of a stone, off the lines.
    const QColor pierre = e.pixelColor(c + QPoint(14, 14));
    const QColor milieu = e.pixelColor(c);
    if (Bois(pierre)) return QStringLiteral(".");
    QString s = Noir(pierre) ? QStringLiteral("X") : Blanc(pierre) ? QStringLiteral("O") : "?";
    const bool marque = Noir(pierre) ? Blanc(milieu) : Noir(milieu);
    return marque ? s + QStringLiteral("*") : s;
  }

  void Clique(int x, int y) { QTest::mouseClick(fp->ImageGoban, Qt::LeftButton, {}, Centre(x, y)); }
  void Bouton(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

 private slots:
  void init() {
    reponses.clear();
    messages.clear();
    FixeChoixMoteur(MoteurScripte);
    TFP::FixeAfficheurMessages([this](const QString& t) { messages << t; });
    fp = std::make_unique<TFP>();
    fp->show();
    QVERIFY(QTest::qWaitForWindowExposed(fp.get()));
  }

  void cleanup() {
    fp.reset();
    TFP::FixeAfficheurMessages(nullptr);
    FixeChoixMoteur(nullptr);
  }

  void LaFenetreEtSesControles() {
    QCOMPARE(fp->windowTitle(), QStringLiteral("Ilvane ") + QString::fromUtf8(ILVANE_VERSION));
    QCOMPARE(fp->size(), QSize(948, 710));
    QVERIFY(!fp->windowIcon().isNull());
    QCOMPARE(fp->ImageGoban->geometry(), QRect(264, 8, 660, 660));
    // The labels keep their place and height and size themselves to their text.
    QCOMPARE(fp->CouleurIlvane->pos(), QPoint(40, 16));
    QCOMPARE(fp->CouleurIlvane->height(), 24);
    QCOMPARE(fp->CouleurIlvane->width(), fp->CouleurIlvane->sizeHint().width());
    QCOMPARE(fp->IlvanePasse->pos(), QPoint(40, 56));
    QCOMPARE(fp->IlvanePasse->height(), 24);
    QCOMPARE(fp->CouleurIlvane->font().pixelSize(), 19);
    QCOMPARE(fp->Passe->geometry(), QRect(40, 104, 161, 65));
    QCOMPARE(fp->Abandon->geometry(), QRect(40, 176, 161, 65));
    QCOMPARE(fp->JouerNoir->geometry(), QRect(40, 304, 161, 25));
    QCOMPARE(fp->JouerBlanc->geometry(), QRect(40, 336, 161, 25));
    QCOMPARE(fp->JouerLesDeux->geometry(), QRect(40, 368, 161, 25));
    QCOMPARE(fp->Undo->geometry(), QRect(16, 600, 97, 25));
    QCOMPARE(fp->CoupSuivant->geometry(), QRect(136, 600, 97, 25));
    QCOMPARE(fp->TrackBar1->geometry(), QRect(8, 632, 233, 41));
    QCOMPARE(fp->Passe->text(), QStringLiteral("Je Passe"));
    QCOMPARE(fp->Abandon->text(), QStringLiteral("J'abandonne"));
    QCOMPARE(fp->Undo->text(), QStringLiteral("Coup Precedent"));
    QCOMPARE(fp->CoupSuivant->text(), QStringLiteral("Coup Suivant"));
    QCOMPARE(fp->Passe->font().pixelSize(), 19);
    QCOMPARE(fp->JouerNoir->font().pixelSize(), 11);
    QCOMPARE(fp->TrackBar1->orientation(), Qt::Horizontal);
    QCOMPARE(fp->TrackBar1->tickPosition(), QSlider::TicksBelow);
    // Start-up ends with a game where the human plays Black.
    QCOMPARE(fp->CouleurIlvane->text(), QStringLiteral("Ilvane a les Blancs"));
    QCOMPARE(fp->IlvanePasse->text(), QString());
    QCOMPARE(CouleurNoir, 2);
    QCOMPARE(ModeJeu, 3);
    QCOMPARE(fp->TrackBar1->maximum(), 0);
  }

  void LeBoisEtLIcone() {
    const QImage bois(QStringLiteral(":/wood"));
    QCOMPARE(bois.size(), QSize(320, 240));
    QCOMPARE(bois.depth(), 8);
    QVERIFY(!QImage(QStringLiteral(":/icone")).isNull());
  }

  void LePlateauVide() {
    const QImage e = Ecran();
    QCOMPARE(e.size(), QSize(660, 660));
    // Lines of width 3 from 80 to 560, wood between them and in the margins.
    for (int v = 80; v <= 560; v += 60) {
      QVERIFY(Noir(e.pixelColor(v, 300 + 30)));
      QVERIFY(Noir(e.pixelColor(v - 1, 330)) && Noir(e.pixelColor(v + 1, 330)));
      QVERIFY(Bois(e.pixelColor(v + 3, 330)));
      QVERIFY(Noir(e.pixelColor(330, v)));
    }
    QVERIFY(Bois(e.pixelColor(40, 40)));
    QVERIFY(Bois(e.pixelColor(620, 620)));
    QVERIFY(Bois(e.pixelColor(80, 600)));  // the lines stop at 560
    QVERIFY(Bois(e.pixelColor(600, 80)));
    for (int x = 1; x <= 9; x++)
      for (int y = 1; y <= 9; y++) QCOMPARE(Lit(x, y), QStringLiteral("."));
  }

  void CoupChoisiDonneLePoint() {
    QCOMPARE(PointDuClic(80, 80), 0);
    QCOMPARE(PointDuClic(560, 560), 80);
    QCOMPARE(PointDuClic(110, 80), 1);
    QCOMPARE(PointDuClic(600, 300), -1);
    QCOMPARE(PointDuClic(0, 0), 0);
    QCOMPARE(PointDuClic(109, 109), 0);
    QCOMPARE(PointDuClic(589, 80), 8);
    QCOMPARE(PointDuClic(590, 80), -1);
    QCOMPARE(PointDuClic(-400, 80), -1);
    QCOMPARE(PointDuClic(80, 100000), -1);
    // Through the image itself.
    Bouton(fp->JouerLesDeux);
    QTest::mouseClick(fp->ImageGoban, Qt::LeftButton, {}, QPoint(110, 80));
    QCOMPARE(Couleur(DamierCourant, 1), 1);
    QTest::mouseClick(fp->ImageGoban, Qt::LeftButton, {}, QPoint(600, 300));
    QCOMPARE(NbCoupsJoues, 1);
    QTest::mouseClick(fp->ImageGoban, Qt::RightButton, {}, QPoint(560, 560));
    QCOMPARE(NbCoupsJoues, 1);
  }

  // Two people play a few moves with the mouse, the buttons and the track bar.
  void UnePartieADeux() {
    Bouton(fp->JouerLesDeux);
    QCOMPARE(fp->CouleurIlvane->text(), QStringLiteral("Ilvane ne joue pas"));
    Clique(3, 3);
    QCOMPARE(Lit(3, 3), QStringLiteral("X*"));  // a black stone with a white mark
    Clique(4, 3);
    QCOMPARE(Lit(3, 3), QStringLiteral("X"));
    QCOMPARE(Lit(4, 3), QStringLiteral("O*"));  // a white stone with a black mark
    Clique(4, 3);                               // occupied: nothing, silently
    QVERIFY(messages.isEmpty());
    Clique(7, 7);
    QCOMPARE(Lit(7, 7), QStringLiteral("X*"));
    QCOMPARE(fp->TrackBar1->maximum(), 3);
    QCOMPARE(fp->TrackBar1->value(), 3);

    Bouton(fp->Undo);
    QCOMPARE(Lit(7, 7), QStringLiteral("."));
    QCOMPARE(Lit(4, 3), QStringLiteral("O*"));
    QCOMPARE(fp->TrackBar1->maximum(), 3);
    QCOMPARE(fp->TrackBar1->value(), 2);
    Bouton(fp->CoupSuivant);
    QCOMPARE(Lit(7, 7), QStringLiteral("X*"));

    // The human drags the track bar back to the start, then to move 2.
    fp->TrackBar1->setValue(0);
    for (int x = 1; x <= 9; x++) QCOMPARE(Lit(x, 3), QStringLiteral("."));
    fp->TrackBar1->setValue(2);
    QCOMPARE(Lit(3, 3), QStringLiteral("X"));
    QCOMPARE(Lit(4, 3), QStringLiteral("O*"));
    QCOMPARE(Lit(7, 7), QStringLiteral("."));
    // Black plays elsewhere: the old third move is gone from the history.
    Clique(5, 5);
    QCOMPARE(Lit(5, 5), QStringLiteral("X*"));
    QCOMPARE(fp->TrackBar1->maximum(), 3);
    Bouton(fp->Passe);
    QCOMPARE(fp->TrackBar1->maximum(), 4);
    QCOMPARE(fp->TrackBar1->value(), 4);
    QCOMPARE(Lit(5, 5), QStringLiteral("X"));
    Bouton(fp->Abandon);
    QCOMPARE(messages,
             QStringList{QString::fromUtf8("La partie est terminée. Noir gagne par abandon.")});
    Clique(6, 6);
    QCOMPARE(messages.last(),
             QStringLiteral("Cliquez sur Jouer Blanc, Jouer Noir ou Jouer a Deux pour une nouvelle "
                            "partie."));
    QCOMPARE(Lit(6, 6), QStringLiteral("."));
  }

  // After "Jouer Blanc" the engine's first stone is black, with a white mark.
  void JouerBlancLeMoteurCommence() {
    reponses = {Intersection[5][5], Intersection[3][3]};
    Bouton(fp->JouerBlanc);
    QCOMPARE(fp->CouleurIlvane->text(), QStringLiteral("Ilvane a les Noirs"));
    QCOMPARE(Lit(5, 5), QStringLiteral("X*"));
    QCOMPARE(fp->TrackBar1->maximum(), 1);
    Clique(7, 7);
    QCOMPARE(Lit(7, 7), QStringLiteral("O"));
    QCOMPARE(Lit(3, 3), QStringLiteral("X*"));
    QCOMPARE(Lit(5, 5), QStringLiteral("X"));
    QCOMPARE(fp->TrackBar1->maximum(), 3);
    QCOMPARE(fp->TrackBar1->value(), 3);
    // The engine now passes: the label says so, and no stone is marked.
    Clique(7, 3);
    QCOMPARE(fp->IlvanePasse->text(), QStringLiteral("Ilvane Passe"));
    QCOMPARE(Lit(7, 3), QStringLiteral("O"));
    QCOMPARE(Lit(3, 3), QStringLiteral("X"));
    Clique(7, 3);
    QCOMPARE(messages, QStringList{QStringLiteral("Coup Illegal!")});
    QCOMPARE(fp->IlvanePasse->text(), QString());
  }

  // Against the engine as Black: the human's stone is black, the engine's white.
  void JouerNoirEtFinDePartie() {
    reponses = {Intersection[3][3]};
    Bouton(fp->JouerNoir);
    Clique(5, 5);
    QCOMPARE(Lit(5, 5), QStringLiteral("X"));
    QCOMPARE(Lit(3, 3), QStringLiteral("O*"));
    Bouton(fp->Passe);  // the engine passes too: the game ends
    QCOMPARE(messages,
             QStringList{QString::fromUtf8("Je Passe. La partie est terminée.\nNoir a 1 pierres "
                                           "sur le Goban.\nBlanc a 1 pierres sur le "
                                           "Goban.\nBlanc gagne de 0 points")});
    QCOMPARE(fp->IlvanePasse->text(), QStringLiteral("Ilvane Passe"));
    QCOMPARE(fp->TrackBar1->maximum(), 4);
  }

  // While the engine thinks the human's stone already shows and the cursor is
  // busy; a click on the board and one on "Je Passe" made meanwhile are dropped.
  void PendantQueLeMoteurReflechit() {
    reponses = {Intersection[3][3]};
    FixeChoixMoteur(MoteurLent);
    QString vu;
    bool curseurOccupe = false;
    pendantReflexion = [&] {
      vu = Lit(5, 5);
      const QCursor* c = QApplication::overrideCursor();
      curseurOccupe = c && c->shape() == Qt::WaitCursor;
      const std::pair<QWidget*, QPointF> cibles[] = {
          {fp->ImageGoban, QPointF(Centre(7, 7))},
          {fp->Passe, QPointF(fp->Passe->rect().center())}};
      for (const auto& [w, pos] : cibles)
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
          QCoreApplication::postEvent(
              w, new QMouseEvent(t, pos, w->mapToGlobal(pos), Qt::LeftButton,
                                 t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                 Qt::NoModifier));
    };
    Clique(5, 5);
    pendantReflexion = nullptr;
    QTest::qWait(50);
    QCOMPARE(vu, QStringLiteral("X*"));
    QVERIFY(curseurOccupe);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(Lit(3, 3), QStringLiteral("O*"));
    QCOMPARE(Lit(7, 7), QStringLiteral("."));
    QCOMPARE(fp->IlvanePasse->text(), QString());
    QCOMPARE(NbCoupsJoues, 2);
  }

  // Showing the window again draws the last move's mark in colour 1's colour.
  void FormShowMarqueLeDernierCoup() {
    reponses = {Intersection[3][3]};
    Bouton(fp->JouerNoir);
    Clique(5, 5);
    fp->hide();
    fp->show();
    QVERIFY(QTest::qWaitForWindowExposed(fp.get()));
    QCOMPARE(Lit(3, 3), QStringLiteral("O*"));  // the engine is White: a black mark
    // Between two people White's last stone gets colour 1's white mark, unseen.
    Bouton(fp->JouerLesDeux);
    Clique(5, 5);
    Clique(6, 6);
    fp->hide();
    fp->show();
    QVERIFY(QTest::qWaitForWindowExposed(fp.get()));
    QCOMPARE(Lit(6, 6), QStringLiteral("O"));
    QCOMPARE(Lit(5, 5), QStringLiteral("X"));
  }

  // The new-game dialog: hidden, and when shown it stands in for the window.
  void LeDialogueNouvellePartie() {
    QVERIFY(!fp->Dialogue->isVisible());
    QCOMPARE(fp->Dialogue->windowTitle(), QStringLiteral("Nouvelle Partie"));
    QCOMPARE(fp->Dialogue->size(), QSize(549, 355));
    Bouton(fp->JouerLesDeux);
    Clique(5, 5);
    fp->Dialogue->show();
    QVERIFY(!fp->isVisible());
    QPushButton* deux = nullptr;
    for (QPushButton* b : fp->Dialogue->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8("Jouer à Deux")) deux = b;
    QVERIFY(deux);
    Bouton(deux);
    QVERIFY(!fp->Dialogue->isVisible());
    QVERIFY(fp->isVisible());
    // Colours and mode are set on the current position, which stays.
    QCOMPARE(ModeJeu, 2);
    QCOMPARE(CouleurAJouer, 1);
    QCOMPARE(Lit(5, 5), QStringLiteral("X"));
    QCOMPARE(NbCoupsJoues, 1);
  }

  // Ctrl+S saves through the file dialog (adding .sgf), Ctrl+O opens the
  // record at its last move, ready to step and to play on; a refused record
  // and a cancelled dialog leave the board as it was.
  void EnregistrerEtOuvrirAuClavier() {
    QTemporaryDir dossier;
    QString choisi = dossier.filePath(QStringLiteral("partie"));
    TFP::FixeChoixFichier([&](bool) { return choisi; });
    Bouton(fp->JouerLesDeux);
    for (int i : {3, 7, 5}) Clique(i, i);
    QTest::keyClick(fp.get(), Qt::Key_S, Qt::ControlModifier);
    Bouton(fp->JouerNoir);
    choisi += QStringLiteral(".sgf");
    QTest::keyClick(fp.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(Lit(3, 3) + Lit(7, 7) + Lit(5, 5), QStringLiteral("XOX*"));
    QCOMPARE(fp->TrackBar1->maximum(), 3);
    Bouton(fp->Undo);
    Clique(4, 4);
    QCOMPARE(Lit(5, 5) + Lit(4, 4), QStringLiteral(".X*"));
    QVERIFY(messages.isEmpty());
    const QImage avant = Ecran();
    QFile grand(dossier.filePath(QStringLiteral("grand.sgf")));
    QVERIFY(grand.open(QIODevice::WriteOnly) && grand.write("(;SZ[19])") > 0);
    grand.close();
    for (const QString& c : {grand.fileName(), QString()}) {
      choisi = c;
      QTest::keyClick(fp.get(), Qt::Key_O, Qt::ControlModifier);
      QTest::keyClick(fp.get(), Qt::Key_S, Qt::ControlModifier);
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(Ecran(), avant);
    TFP::FixeChoixFichier(nullptr);
  }

  // The key A on a known position (colour 1's wall above, colour 2's below, a
  // lone colour-2 stone above the wall), colour 2 to move: the engine's
  // territory shows as black squares above and white squares below, its dead
  // stone under a red cross, its best point as a blue disc; the game is
  // unchanged, A again gives the board back as it was, and a move takes the
  // view away.
  void VueAnalyseSurUnePositionConnue() {
    Bouton(fp->JouerLesDeux);
    for (int x = 1; x <= 9; x++) {
      PosePierre(DamierCourant, Intersection[x][4], 1);
      PosePierre(DamierCourant, Intersection[x][6], 2);
    }
    PosePierre(DamierCourant, Intersection[3][3], 2);
    CouleurAJouer = 2;
    fp->DessinePierres();
    fp->AfficheGoban();
    const EtatPartie partie = PartieCourante;
    const QImage avant = Ecran();
    QTest::keyClick(fp.get(), Qt::Key_A);
    QVERIFY(fp->VueAnalyseAffichee());
    QCOMPARE(std::memcmp(&partie, &PartieCourante, sizeof partie), 0);
    const QImage vue = Ecran();
    // Off the lines, inside a square of the territory and on the cross.
    const QPoint coin(5, 5);
    QVERIFY(Noir(vue.pixelColor(Centre(9, 1) + coin)));
    QVERIFY(Blanc(vue.pixelColor(Centre(9, 9) + coin)));
    QVERIFY(Bois(vue.pixelColor(Centre(9, 5) + coin)));
    const QColor croix = vue.pixelColor(Centre(3, 3) + QPoint(10, 10));
    QVERIFY(croix.red() > 200 && croix.green() < 60 && croix.blue() < 60);
    VueAnalyse attendue;
    CalculeVueAnalyse(DamierCourant, 2, attendue);
    QVERIFY(SurGoban(attendue.MeilleurPoint));
    const QColor disque = vue.pixelColor(
        Centre(CoordX[attendue.MeilleurPoint], CoordY[attendue.MeilleurPoint]) + QPoint(-12, 3));
    QVERIFY(disque.blue() > 200 && disque.red() < 60 && disque.green() < 60);
    QVERIFY(Bois(avant.pixelColor(Centre(9, 1) + coin)));
    QTest::keyClick(fp.get(), Qt::Key_A);
    QVERIFY(!fp->VueAnalyseAffichee());
    QCOMPARE(Ecran(), avant);
    QTest::keyClick(fp.get(), Qt::Key_A);
    Clique(5, 9);
    QVERIFY(!fp->VueAnalyseAffichee());
    QCOMPARE(Lit(5, 9), QStringLiteral("O*"));
    QVERIFY(Bois(Ecran().pixelColor(Centre(9, 1) + coin)));
  }

  // A screenshot of a game against the real engine, for the README: saved only
  // when ILVANE_CAPTURE names the file (run it where the rule files are). The
  // human plays the first empty point of a fixed list at each turn.
  void Capture() {
    const QString fichier = qEnvironmentVariable("ILVANE_CAPTURE");
    if (fichier.isEmpty()) QSKIP("ILVANE_CAPTURE is not set");
    FixeChoixMoteur(nullptr);
    Bouton(fp->JouerBlanc);
    const int coups[][2] = {{3, 3}, {7, 7}, {3, 7}, {7, 3}, {5, 7}, {4, 6},
                            {6, 4}, {3, 5}, {5, 3}, {6, 6}, {4, 4}, {2, 6}};
    for (const auto& c : coups)
      if (EstLegal(DamierCourant, Intersection[c[0]][c[1]], 2)) Clique(c[0], c[1]);
    QVERIFY(fp->grab().save(fichier));
    // With ILVANE_CAPTURE_VUE, the same game under the analysis view.
    const QString vue = qEnvironmentVariable("ILVANE_CAPTURE_VUE");
    if (vue.isEmpty()) return;
    fp->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fp.get()));
    QTest::keyClick(fp.get(), Qt::Key_A);
    QVERIFY(fp->VueAnalyseAffichee());
    QVERIFY(fp->grab().save(vue));
  }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
