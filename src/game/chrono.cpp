#include "game/chrono.h"

#include <chrono>
#include <ctime>

Chrono ChronoPartie{};
Horloge HorlogeNoir{};
Horloge HorlogeBlanc{};

namespace {

SourceHeure source = HeureLocale;

HeureDuJour Lit() {
  return source();
}

// Seconds from a to b, with one midnight crossing allowed.
double Ecart(const HeureDuJour& a, const HeureDuJour& b) {
  int heures = b.Heure - a.Heure;
  if (a.Heure > b.Heure) heures += 24;
  return heures * 3600.0 + (b.Minute - a.Minute) * 60.0 + (b.Seconde - a.Seconde) +
         (b.Centiemes - a.Centiemes) * 0.01;
}

void EcritTexte(Horloge& h) {
  const int secondes = static_cast<int>(h.Secondes);
  // Past 99 hours the first character leaves the digits; it never leaves the text.
  h.Texte[0] = static_cast<char>('0' + h.Heures / 10);
  h.Texte[1] = static_cast<char>('0' + h.Heures % 10);
  h.Texte[2] = ':';
  h.Texte[3] = static_cast<char>('0' + h.Minutes / 10);
  h.Texte[4] = static_cast<char>('0' + h.Minutes % 10);
  h.Texte[5] = ':';
  h.Texte[6] = static_cast<char>('0' + secondes / 10);
  h.Texte[7] = static_cast<char>('0' + secondes % 10);
  h.Texte[8] = '\0';
}

void RemetAZero(Horloge& h) {
  h.Heures = 0;
  h.Minutes = 0;
  h.Secondes = 0;
  EcritTexte(h);
}

void Avance(Horloge& h) {
  h.Secondes += LitChrono();
  if (h.Secondes >= 60) {
    const int m = static_cast<int>(h.Secondes) / 60;
    h.Minutes += m;
    h.Secondes -= m * 60;
  }
  if (h.Minutes > 59) {
    const int heures = h.Minutes / 60;
    h.Heures += heures;
    h.Minutes -= heures * 60;
  }
  EcritTexte(h);
}

}  // namespace

HeureDuJour HeureLocale() {
  const auto maintenant = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(maintenant);
  const std::tm* local = std::localtime(&t);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(maintenant.time_since_epoch()).count() %
      1000;
  HeureDuJour h{};
  if (local) {
    h.Minute = static_cast<uint8_t>(local->tm_min);
    h.Heure = static_cast<uint8_t>(local->tm_hour);
    // A leap second reads as the last second of the minute.
    h.Seconde = static_cast<uint8_t>(local->tm_sec > 59 ? 59 : local->tm_sec);
  }
  h.Centiemes = static_cast<uint8_t>(ms / 10);
  return h;
}

void FixeSourceHeure(SourceHeure s) {
  source = s ? s : HeureLocale;
}

void DemarreChrono() {
  ChronoPartie.Debut = Lit();
  ChronoPartie.Maintenant = ChronoPartie.Debut;
}

int LitChrono() {
  ChronoPartie.Maintenant = Lit();
  const double ecart = Ecart(ChronoPartie.Debut, ChronoPartie.Maintenant);
  ChronoPartie.Debut = ChronoPartie.Maintenant;
  // A clock set back by hand would give a negative time: it charges nothing.
  return ecart > 0 ? static_cast<int>(ecart) : 0;
}

double SecondesChrono() {
  ChronoPartie.Maintenant = Lit();
  const double ecart = Ecart(ChronoPartie.Debut, ChronoPartie.Maintenant);
  return ecart > 0 ? ecart : 0;
}

void RemiseAZeroChronos() {
  RemetAZero(HorlogeNoir);
  RemetAZero(HorlogeBlanc);
  DemarreChrono();
}

void ChronoNoir() {
  Avance(HorlogeNoir);
}
void ChronoBlanc() {
  Avance(HorlogeBlanc);
}
