// Ilvane's window: plays Go on a 9x9 board against the human, or lets two
// people play on one board.

#include <QApplication>
#include <QIcon>

#include "ui/fenetre_principale.h"
#include "version.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(ILVANE_NOM));
  QApplication::setApplicationVersion(QString::fromUtf8(ILVANE_VERSION));
  InitialiseRessources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icone")));
  TFP fenetre;
  fenetre.show();
  return QApplication::exec();
}
