#include "rules/base.h"

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/trace.h"
#include "rules/fichiers.h"

TaillesMotifs TaillesGoalKind[GoalKind::Nombre];
int TailleCle = CLE_32_BITS;

namespace {

// One registered block. Its buffers are taken once, when the block is read,
// and kept for the whole run.
struct Base {
  uint32_t N = 0;
  int K = 0;
  std::unique_ptr<uint32_t[]> Cles;
  std::unique_ptr<uint32_t[]> Offsets;
  std::unique_ptr<int8_t[]> Donnees;
};

struct PaireBase {
  int32_t Cle;
  int32_t Numero;
};

struct Seau {
  int Nombre = 0;
  PaireBase Paires[MaxEltHashBaseNumber];
};

// The file being read: its stream, its name for the messages and the bytes
// not yet read, so that no count in a header can make the loader take more
// memory than the file holds.
struct Lecture {
  std::FILE* f = nullptr;
  const char* nom = "";
  uint64_t reste = 0;
};

struct EtatBase {
  Base Bases[MaxBaseNumber];
  int NbBases = 0;
  Seau Seaux[NB_SEAUX_BASES];
  Lecture lecture;
  void (*sortie)(int) = nullptr;
};

void SortieParDefaut(int code) {
  std::exit(code);
}

EtatBase etat;

bool Lit(void* dest, uint64_t n) {
  if (n == 0 || n > etat.lecture.reste) return false;
  if (std::fread(dest, 1, n, etat.lecture.f) != n) return false;
  etat.lecture.reste -= n;
  return true;
}

uint32_t Mot(const uint8_t* o) {
  return static_cast<uint32_t>(o[0]) | static_cast<uint32_t>(o[1]) << 8 |
         static_cast<uint32_t>(o[2]) << 16 | static_cast<uint32_t>(o[3]) << 24;
}

// Reads n little-endian words into dest.
bool LitMots(uint32_t* dest, uint64_t n) {
  if (!Lit(dest, 4 * n)) return false;
  uint8_t* o = reinterpret_cast<uint8_t*>(dest);
  for (uint64_t i = 0; i < n; i++) {
    uint8_t b[4];
    std::memcpy(b, o + 4 * i, 4);
    dest[i] = Mot(b);
  }
  return true;
}

// A malformed block ends the reading of its file, as a short read does.
[[gnu::format(printf, 1, 2)]] int Refuse(const char* format, ...) {
  char raison[160];
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(raison, sizeof raison, format, args);
  va_end(args);
  Signale("Pb LitBinaire %s: %s\n", etat.lecture.nom, raison);
  return 0;
}

int CompareCles(const uint32_t* a, const uint32_t* b, int mots) {
  for (int i = 0; i < mots; i++)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return 0;
}

void AjouteTaille(int kind, int w, int h) {
  TaillesMotifs& t = TaillesGoalKind[kind];
  if (t.Contient(CodeTaille(w, h)) || t.Nombre >= TAILLES_PAR_BUT_MAX) return;
  t.Presente[CodeTaille(w, h)] = true;
  t.w[t.Nombre] = static_cast<int8_t>(w);
  t.h[t.Nombre] = static_cast<int8_t>(h);
  t.Nombre++;
}

}  // namespace

int32_t CleBase(int kind, int type, int zone, int w, int h) {
  return kind + 21 * type + 147 * (zone + 3 * w + 57 * h);
}

int NewBaseNumber(int32_t cle) {
  Seau& s = etat.Seaux[static_cast<uint32_t>(cle) % NB_SEAUX_BASES];
  if (s.Nombre >= MaxEltHashBaseNumber) {
    Signale("Pb dans NewBaseNumber: Augmenter MaxEltHashBaseNumber\n");
    (etat.sortie ? etat.sortie : SortieParDefaut)(1);
    return -1;
  }
  if (etat.NbBases >= MaxBaseNumber - 1) {
    Signale("Pb dans NewBaseNumber: Augmenter MaxBaseNumber\n");
    (etat.sortie ? etat.sortie : SortieParDefaut)(1);
    return -1;
  }
  const int numero = etat.NbBases++;
  s.Paires[s.Nombre++] = PaireBase{cle, numero};
  return numero;
}

BaseRegles FindBaseNumber(int kind, int type, int zone, int w, int h) {
  const int32_t cle = CleBase(kind, type, zone, w, h);
  const Seau& s = etat.Seaux[static_cast<uint32_t>(cle) % NB_SEAUX_BASES];
  for (int i = 0; i < s.Nombre; i++) {
    if (s.Paires[i].Cle != cle) continue;
    const Base& b = etat.Bases[s.Paires[i].Numero];
    return BaseRegles{b.N, b.K, b.Cles.get(), b.Donnees.get(), b.Offsets.get()};
  }
  return BaseRegles{};
}

int NombreBases() {
  return etat.NbBases;
}

bool LitBlocBinaire() {
  int8_t entete[5];
  for (int8_t& o : entete)
    if (!Lit(&o, 1)) return false;
  uint8_t compte[4];
  if (!Lit(compte, 4)) return false;
  const int kind = entete[0], type = entete[1], zone = entete[2], w = entete[3], h = entete[4];
  const uint32_t n = Mot(compte);
  const int k = TailleCle;

  if (kind < 0 || kind >= GoalKind::Nombre) return Refuse("but %d hors de 0-20", kind);
  if (type < 0 || type >= RuleType::Nombre) return Refuse("type de regle %d hors de 0-7", type);
  if (zone < 0 || zone >= Zone::Nombre) return Refuse("zone %d hors de 0-2", zone);
  if (w < 1 || w > TAILLE_MOTIF_MAX || h < 1 || h > TAILLE_MOTIF_MAX)
    return Refuse("taille %dx%d hors de 1-19", w, h);
  // The matcher reads a block with the key mode of its kind and size: keys of
  // another width would be read as garbage or past their table.
  if (LargeurCle(kind, w, h) != k)
    return Refuse("cles de %d octets dans un fichier a cles de %d octets", LargeurCle(kind, w, h),
                  k);

  if (!Silence) {
    std::fprintf(SortieErreurs(), "%-20s %-4s %-6s %dx%d => %u\n", NomsGoalKind[kind],
                 NomsRuleType[type], NomsZone[zone], w, h, n);
    std::fflush(SortieErreurs());
  }

  if (n == 0) return false;
  const uint64_t octetsCles = static_cast<uint64_t>(n) * k;
  const uint64_t octetsOffsets = 4 * (static_cast<uint64_t>(n) + 1);
  if (octetsCles + octetsOffsets > etat.lecture.reste)
    return Refuse("%u entrees depassent la fin du fichier", n);

  const int mots = k / 4;
  Base b;
  b.N = n;
  b.K = k;
  b.Cles.reset(new uint32_t[static_cast<size_t>(n) * mots]);
  if (!LitMots(b.Cles.get(), static_cast<uint64_t>(n) * mots)) return false;
  b.Offsets.reset(new uint32_t[n + 1]);
  if (!LitMots(b.Offsets.get(), n + 1)) return false;

  const uint32_t l = b.Offsets[n];
  if (l > etat.lecture.reste) return Refuse("%u octets de regles depassent la fin du fichier", l);
  for (uint32_t i = 0; i < n; i++) {
    if (b.Offsets[i] > b.Offsets[i + 1]) return Refuse("offsets decroissants a l'entree %u", i);
    if (i > 0 && CompareCles(&b.Cles[(i - 1) * mots], &b.Cles[i * mots], mots) >= 0)
      return Refuse("cles non strictement croissantes a l'entree %u", i);
  }
  b.Donnees.reset(new int8_t[static_cast<size_t>(l) + 1]);
  if (!Lit(b.Donnees.get(), l)) return false;
  b.Donnees[l] = 0;

  const int numero = NewBaseNumber(CleBase(kind, type, zone, w, h));
  if (numero < 0) return false;
  etat.Bases[numero] = std::move(b);
  AjouteTaille(kind, w, h);
  return true;
}

void LitFluxBinaire(std::FILE* f, const char* nom) {
  etat.lecture.f = f;
  etat.lecture.nom = nom;
  etat.lecture.reste = 0;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long fin = std::ftell(f);
    if (fin > 0) etat.lecture.reste = static_cast<uint64_t>(fin);
  }
  std::rewind(f);
  while (LitBlocBinaire()) {
  }
  etat.lecture = Lecture{};
}

void LitBinaire(const char* nom) {
  std::FILE* f = OuvreFichierDonnees(nom);
  if (!f) {
    Signale("Pb LitBinaire : %s\n", std::strerror(errno));
    return;
  }
  LitFluxBinaire(f, nom);
  std::fclose(f);
}

void InitialiseBases() {
  for (Base& b : etat.Bases) b = Base{};
  etat.NbBases = 0;
  for (Seau& s : etat.Seaux) s.Nombre = 0;
  for (TaillesMotifs& t : TaillesGoalKind) t = TaillesMotifs{};
}

void FixeSortieFatale(void (*sortie)(int)) {
  etat.sortie = sortie ? sortie : SortieParDefaut;
}
