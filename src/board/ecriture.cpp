#include "board/ecriture.h"

#include "base/trace.h"
#include "board/incremental.h"

namespace {

// Two characters a point; a code with its low bit set (1, or a stray 3) is '@'.
const char* Marque(int code) {
  if (code & 1) return "@ ";
  return code == 2 ? "O " : "+ ";
}

const char* MarqueLarge(int code) {
  if (code & 1) return "@  ";
  return code == 2 ? "O  " : "+  ";
}

void Bordure(std::FILE* f, const char* debut, const char* fin) {
  std::fputs(debut, f);
  for (int i = 0; i < TailleGoban; i++) std::fputs("- ", f);
  std::fputs(fin, f);
}

// The rows of the framed picture; with rinceLignes, the stream is flushed
// after each row.
void Lignes(std::FILE* f, const Damier& d, bool rinceLignes) {
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (BordGauche[p]) std::fputs("| ", f);
    std::fputs(Marque(Couleur(d, p)), f);
    if (BordDroit[p]) {
      std::fputs("| \n", f);
      if (rinceLignes) std::fflush(f);
    }
  }
}

}  // namespace

void EcritDamier(std::FILE* f, const Damier& d) {
  Bordure(f, "/ ", "\\\n");
  Lignes(f, d, false);
  Bordure(f, "\\ ", "/ \n");
  std::fputs("!\n", f);
}

void EcritDamierIncremental(std::FILE* f) {
  Bordure(f, "/ ", "\\\n");
  Lignes(f, DamierIncremental, true);
  Bordure(f, "\\", "/ \n");
  std::fflush(f);
}

void EcritDamierNumerote(std::FILE* f, const Damier& d) {
  std::fputs("       ", f);
  for (int x = 1; x <= TailleGoban; x++) std::fprintf(f, "%-3d", x);
  std::fputs("\n", f);
  std::fputs("    /  ", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs("-  ", f);
  std::fputs("\\\n", f);
  for (int32_t p = 0; p < NbIntersections; p++) {
    if (BordGauche[p]) std::fprintf(f, "%3d |  ", p);
    std::fputs(MarqueLarge(Couleur(d, p)), f);
    if (BordDroit[p]) std::fprintf(f, "| %2d\n", CoordY[p]);
  }
  std::fputs("    \\ ", f);
  for (int i = 0; i < TailleGoban; i++) std::fputs("-  ", f);
  std::fputs("/ \n", f);
}

int EcritDamierNom(const Damier& d, const char* nom) {
  std::FILE* f = nom ? std::fopen(nom, "w") : nullptr;
  bool ecrit = f != nullptr;
  if (f) {
    EcritDamier(f, d);
    // The picture may fail on the way or only when the buffer is written out.
    ecrit = !std::ferror(f);
    if (std::fclose(f) != 0) ecrit = false;
  }
  if (!ecrit) {
    std::fputs("Pb EcritDamierNom\n", SortieConsole());
    std::fflush(SortieConsole());
    return 0;
  }
  return 1;
}
