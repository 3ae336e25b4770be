#include "game/chrono.h"

#include <algorithm>

#include <chrono>

Chrono ChronoPartie{};
Horloge HorlogeNoir{};
Horloge HorlogeBlanc{};

namespace {

SourceTemps source = TempsMonotone;

int64_t Lit() {
  return source();
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

int64_t TempsMonotone() {
  const auto t = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::milliseconds>(t).count() / 10;
}

void FixeSourceTemps(SourceTemps s) {
  source = s ? s : TempsMonotone;
}

void DemarreChrono() {
  ChronoPartie.Debut = Lit();
  ChronoPartie.Maintenant = ChronoPartie.Debut;
}

int LitChrono() {
  ChronoPartie.Maintenant = Lit();
  const int64_t ecart = ChronoPartie.Maintenant - ChronoPartie.Debut;
  ChronoPartie.Debut = ChronoPartie.Maintenant;
  // A source put back by a test would give a negative time: it charges nothing.
  return ecart > 0 ? static_cast<int>(ecart / 100) : 0;
}

double SecondesChrono() {
  ChronoPartie.Maintenant = Lit();
  const int64_t ecart = ChronoPartie.Maintenant - ChronoPartie.Debut;
  return ecart > 0 ? static_cast<double>(ecart) / 100 : 0;
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

void FixeHorloge(Horloge& h, double secondes) {
  const int s = std::max(0, static_cast<int>(secondes));
  h.Heures = s / 3600;
  h.Minutes = s / 60 % 60;
  h.Secondes = std::max(0.0, secondes) - (s - s % 60);
  const int chiffres[6] = {h.Heures / 10 % 10, h.Heures % 10, h.Minutes / 10,
                           h.Minutes % 10,     s % 60 / 10,   s % 10};
  for (int i = 0, k = 0; i < 8; i++)
    h.Texte[i] = i % 3 == 2 ? ':' : static_cast<char>('0' + chiffres[k++]);
  h.Texte[8] = '\0';
}
