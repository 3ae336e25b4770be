#include "board/incremental.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "base/trace.h"
#include "board/ecriture.h"
#include "board/zobrist.h"

Damier DamierIncremental;
String* StringIntersection[NB_INTERSECTIONS_MAX];
String PileString[MAX_STRINGS];
int32_t KoIncremental = -1;
int32_t Profondeur = 0;
int32_t BilanPierres = 0;
uint32_t HashPosition[2] = {0, 0};
EnsembleIntersections* IntersectionsModifiees = nullptr;
EnsembleIntersections* TraceActiveA = nullptr;
EnsembleIntersections* TraceActiveB = nullptr;
int32_t NbVoisinsCouleur[3][NB_INTERSECTIONS_MAX];
Liste<4> VoisinsVides[NB_INTERSECTIONS_MAX];
Liste<4> VoisinsCouleur1[NB_INTERSECTIONS_MAX];
Liste<4> VoisinsCouleur2[NB_INTERSECTIONS_MAX];
int SuiviModifications = 0;
ModificationsCoup ModificationsProfondeur[PROFONDEUR_MAX];

namespace {

// The undo log holds, from the bottom, one group of entries per move:
//   p, TAG_PIERRE        the stone of the move (absent for a pass), with the
//                        number of strings it merged above bit 16;
//   TAG_CAPTURE          a string captured (the string is on the retired stack);
//   journal words        one per change to the list of a string that stays on
//                        the board, so that the undo puts every element back in
//                        its place and the lists come back exactly as they were;
//   ko, TAG_KO           the ko point before the move: always the last entry.
// A journal word is kind << 27 | string Number << 18 | index << 9 | value, with
// kinds 4 to 6, so it never equals a tag. Appending the new string to the
// lists of its enemies needs no journal: the stone's own entry takes it back.
constexpr int32_t TAG_PIERRE = 1;
constexpr int32_t TAG_CAPTURE = 2;
constexpr int32_t TAG_KO = 3;

enum Journal : int32_t {
  LIBERTE_RETIREE = 4,  // value removed from the liberties at index
  LIBERTE_AJOUTEE = 5,  // value appended to the liberties
  VOISINE_OTEE = 6,     // the string of Number value removed from Voisines at index
};

struct EtatIncremental {
  int32_t pileUndo[TAILLE_PILE_UNDO];
  long nbMotsUndo = 0;  // not an int32_t, which every list write could alias
  String* retirees[TAILLE_PILE_STRINGS_RETIREES];
  long nbRetirees = 0;
  long sommetPool = 0;             // records taken from PileString
  EnsembleIntersections vivantes;  // Numbers of the strings on the board
  // The colours of DamierIncremental unpacked, one byte a point: read many
  // times a move, they cost a load instead of a shift and a mask.
  uint8_t couleurs[NB_INTERSECTIONS_MAX];
  // HashPosition with the stones, the ko and the side to move taken out, as
  // the board was built: the coherence check's reference.
  uint32_t hashBase[2] = {0, 0};
};

// Room in the undo log that one move can take at most: per neighbour, two
// journal words for each adjacent string of a merged string, or four words
// and the adjacent strings of a captured string; four words per captured stone.
constexpr int MOTS_COUP_MAX = 4 + 4 * 2 * MAX_LISTSTRING + 4 * 4 + 4 * NB_INTERSECTIONS_MAX;

EtatIncremental etat;

inline int Col(int32_t p) {
  return etat.couleurs[p];
}

inline void Pose(int32_t p, int c) {
  PosePierre(DamierIncremental, p, c);
  etat.couleurs[p] = static_cast<uint8_t>(c);
}

inline void Ote(int32_t p) {
  OtePierre(DamierIncremental, p);
  etat.couleurs[p] = VIDE;
}

// What a move of c at p finds around it, read once before the stone is put.
struct Voisinage {
  int n;
  int32_t pt[4];
  int col[4];
  String* s[4];
  int voisines;  // at most this many strings in the new string's ListString
  bool pleine;   // an enemy's ListString is full
  int32_t ko;    // the ko point the move would make, or -1
};

// The ko point: every neighbour holds the other colour and exactly one of
// them is a single stone in atari. The stone would then have exactly one
// liberty, the point of the stone it takes.
inline void LitVoisinage(int32_t p, int c, Voisinage& v) {
  const Liste<4>& l = Voisins[p];
  v.n = l.Nombre;
  std::memcpy(v.pt, l.Elements, sizeof v.pt);  // all four slots: one move, no loop
  v.voisines = 0;
  v.pleine = false;
  bool entoure = true;
  int nbAtari = 0, dernier = 0;
  for (int i = 0; i < v.n; i++) {
    const int cv = Col(v.pt[i]);
    String* s = StringIntersection[v.pt[i]];
    v.col[i] = cv;
    v.s[i] = s;
    if (cv == VIDE) {
      entoure = false;
    } else if (cv == c) {
      entoure = false;
      v.voisines += s->Voisines.Nombre;
    } else {
      v.voisines++;
      v.pleine |= s->Voisines.Nombre >= MAX_LISTSTRING;
      if (s->Libertes.Nombre == 1) {
        nbAtari++;
        dernier = i;
      }
    }
  }
  v.ko = entoure && nbAtari == 1 && v.s[dernier]->Pierres.Nombre == 1 ? v.pt[dernier] : -1;
}

// The room a move needs is checked before anything changes (PlaceManquante).
inline void Empile(int32_t mot) {
  etat.pileUndo[etat.nbMotsUndo++] = mot;
}

inline void Journalise(Journal genre, const String* s, int indice, int32_t valeur) {
  Empile((genre << 27) | (s->Number << 18) | (indice << 9) | valeur);
}

static_assert(ZOBRIST_COULEUR2_MOT1 == ZOBRIST_COULEUR1_MOT1 + 1 &&
              ZOBRIST_COULEUR2_MOT2 == ZOBRIST_COULEUR1_MOT2 + 1);

inline void XorPierre(int32_t p, int c) {
  // The colour-2 rows follow the colour-1 rows.
  HashPosition[0] ^= CleZobristRang(ZOBRIST_COULEUR1_MOT1 + c - 1, p);
  HashPosition[1] ^= CleZobristRang(ZOBRIST_COULEUR1_MOT2 + c - 1, p);
}

inline void XorKo(int32_t k) {
  HashPosition[0] ^= CleZobristRang(ZOBRIST_KO_MOT1, k);
  HashPosition[1] ^= CleZobristRang(ZOBRIST_KO_MOT2, k);
}

inline void XorTrait() {
  HashPosition[0] ^= CleZobrist[ZOBRIST_TRAIT];
  HashPosition[1] ^= CleZobrist[ZOBRIST_TRAIT + 1];
}

inline void MarqueModifiee(int32_t p) {
  if (IntersectionsModifiees) Ajoute(*IntersectionsModifiees, p);
  MarqueTraceA(p);
}

// Set operations for points and Numbers known to be below 384.
inline bool Dans(const EnsembleIntersections& e, int32_t p) {
  return (e.Mots[p >> 5] >> (p & 31)) & 1;
}
inline void Met(EnsembleIntersections& e, int32_t p) {
  e.Mots[p >> 5] |= 1u << (p & 31);
}
inline void Enleve(EnsembleIntersections& e, int32_t p) {
  e.Mots[p >> 5] &= ~(1u << (p & 31));
}

inline int Signe(int c) {
  return 3 - 2 * c;  // 1 for colour 1, -1 for colour 2
}

// Points and strings are distinct and at most 361 and 384, so a list guarded
// by its set never overflows: these appends need no test.
inline void AjouteLiberte(String* s, int32_t l) {
  s->Libertes.Elements[s->Libertes.Nombre++] = l;
  Met(s->EnsembleLibertes, l);
}

inline void AjoutePierreString(String* s, int32_t q) {
  s->Pierres.Elements[s->Pierres.Nombre++] = q;
  Met(s->EnsemblePierres, q);
}

// Removes x, present among the n elements of t, keeping the order of the
// others (n decreases); x's former index. The lists are short: the later
// elements move down one by one, as a block move would cost more.
template <class T>
inline int OteDe(T* t, int32_t& n, T x) {
  int i = 0;
  while (t[i] != x) i++;
  const int indice = i;
  for (n--; i < n; i++) std::swap(t[i], t[i + 1]);
  return indice;
}

// Puts x back at index i of the n elements of t, the later ones moving up.
template <class T>
inline void InsereDans(T* t, int32_t& n, int i, T x) {
  for (; i <= n; i++) std::swap(t[i], x);
  n++;
}

// Removes s from l; its former index, or -1 if absent.
inline int OteIndice(ListString& l, String* s) {
  if (!Dans(l.Numeros, s->Number)) return -1;
  Enleve(l.Numeros, s->Number);
  return OteDe(l.Elements, l.Nombre, s);
}

void InsereVoisine(ListString& l, int indice, String* s) {
  InsereDans(l.Elements, l.Nombre, indice, s);
  Met(l.Numeros, s->Number);
}

[[noreturn]] void FinCorrompue() {
  std::fprintf(SortieErreurs(), "#mod=%d undocount %d\n", static_cast<int>(etat.nbMotsUndo), 0);
  std::fflush(SortieErreurs());
  std::fflush(SortieConsole());
  std::exit(3);
}

// s is taken out of an enemy's list, the change journaled.
inline void OteVoisineJournal(String* ennemie, String* s) {
  const int i = OteIndice(ennemie->Voisines, s);
  if (i < 0) ennemie->Voisines.ote(s);  // reports the broken list and ends the program
  Journalise(VOISINE_OTEE, ennemie, i, s->Number);
}

// Appends s to the list unless present; the room was checked before the move.
inline bool AjouteVoisine(ListString& l, String* s) {
  if (Dans(l.Numeros, s->Number) || l.Nombre >= MAX_LISTSTRING) return false;
  l.Elements[l.Nombre++] = s;
  Met(l.Numeros, s->Number);
  return true;
}

inline void NouvelleString(String* s, int32_t p, int c) {
  s->Color = c;
  s->Ancre = p;
  s->EnsemblePierres = {};
  s->EnsembleLibertes = {};
  s->Voisines.Numeros = {};
  s->Voisines.Nombre = 0;
  s->Voisines.Curseur = 0;
  s->Libertes.Nombre = 0;
  s->Pierres.Elements[0] = p;
  s->Pierres.Nombre = 1;
  Met(s->EnsemblePierres, p);
}

void EnregistreString(ModificationsCoup& m, const String* s) {
  Union(m.PierresLibertes, s->EnsemblePierres);
  Union(m.PierresLibertes, s->EnsembleLibertes);
}

void EnregistrePoint(ModificationsCoup& m, int32_t p) {
  if (!Contient(m.EnsemblePoints, p)) {
    Ajoute(m.Points, p);
    Ajoute(m.EnsemblePoints, p);
  }
}

// The string a absorbed into s, which is being made by the stone at p.
void Fusionne(String* s, String* a, int32_t p) {
  for (int32_t q : a->Pierres) {
    AjoutePierreString(s, q);
    StringIntersection[q] = s;
  }
  if (a->Ancre < s->Ancre) s->Ancre = a->Ancre;
  for (int32_t l : a->Libertes)
    if (l != p && !Dans(s->EnsembleLibertes, l)) AjouteLiberte(s, l);
  for (String* e : a->Voisines) {
    AjouteVoisine(s->Voisines, e);
    OteVoisineJournal(e, a);
    AjouteVoisine(e->Voisines, s);  // taken back with the stone
  }
  etat.retirees[etat.nbRetirees++] = a;
  Enleve(etat.vivantes, a->Number);
}

// A stone of c at the empty point p, with a fresh string (the room for it has
// been checked). v: the neighbours of p as they were before the stone. The
// enemy strings left with no liberty are put in prises, in the order met.
void AjoutePierre(int32_t p, int c, const Voisinage& v, String* prises[4], int& nbPrises) {
  const int entree = etat.nbMotsUndo;
  Empile(p);
  Empile(TAG_PIERRE);
  Pose(p, c);
  BilanPierres += Signe(c);
  XorPierre(p, c);
  MarqueModifiee(p);

  String* s = &PileString[etat.sommetPool++];
  Met(etat.vivantes, s->Number);
  NouvelleString(s, p, c);
  StringIntersection[p] = s;

  bool fusion = false;  // until a merge, the empty neighbours are new liberties
  for (int i = 0; i < v.n; i++) {
    const int32_t n = v.pt[i];
    NbVoisinsVides[n]--;
    NbVoisinsCouleur[c][n]++;
    const int cn = v.col[i];
    if (cn == VIDE) {
      if (!fusion || !Dans(s->EnsembleLibertes, n)) AjouteLiberte(s, n);
    } else if (cn != c) {
      String* e = v.s[i];
      if (Dans(e->EnsembleLibertes, p)) {  // the first time e is met
        Enleve(e->EnsembleLibertes, p);
        Journalise(LIBERTE_RETIREE, e, OteDe(e->Libertes.Elements, e->Libertes.Nombre, p), p);
        if (e->Libertes.Nombre == 0) prises[nbPrises++] = e;
      }
      AjouteVoisine(s->Voisines, e);
      AjouteVoisine(e->Voisines, s);  // taken back with the stone
    } else if (StringIntersection[n] != s) {
      Fusionne(s, StringIntersection[n], p);
      etat.pileUndo[entree] += 1 << 16;
      fusion = true;
    }
  }

  if (SuiviModifications) {
    ModificationsCoup& m = ModificationsProfondeur[Profondeur];
    EnregistrePoint(m, p);
    EnregistreString(m, s);
    for (const String* e : s->Voisines) EnregistreString(m, e);
  }
}

// Capture of the string s.
void RetireString(String* s) {
  Empile(TAG_CAPTURE);
  etat.retirees[etat.nbRetirees++] = s;
  Enleve(etat.vivantes, s->Number);
  const int c = s->Color;
  BilanPierres -= Signe(c) * s->Pierres.Nombre;
  for (int32_t q : s->Pierres) {
    Ote(q);
    MarqueModifiee(q);
    XorPierre(q, c);
    StringIntersection[q] = nullptr;
    for (int32_t r : Voisins[q]) {
      NbVoisinsVides[r]++;
      NbVoisinsCouleur[c][r]--;
      if (Col(r) == Adversaire(c)) {
        String* e = StringIntersection[r];
        if (!Dans(e->EnsembleLibertes, q)) {
          AjouteLiberte(e, q);
          Journalise(LIBERTE_AJOUTEE, e, 0, q);
        }
      }
    }
  }
  for (String* e : s->Voisines) OteVoisineJournal(e, s);

  if (SuiviModifications) {
    ModificationsCoup& m = ModificationsProfondeur[Profondeur];
    for (int32_t q : s->Pierres) EnregistrePoint(m, q);
    for (const String* e : s->Voisines) EnregistreString(m, e);
  }
}

void FixeKo(int32_t k) {
  if (KoIncremental != -1) XorKo(KoIncremental);
  Empile(KoIncremental);
  Empile(TAG_KO);
  KoIncremental = k;
  if (k != -1) XorKo(k);
}

// The number of liberties of a stone of c at the empty point p.
int CompteLibertesApres(int32_t p, int c) {
  EnsembleIntersections vus;
  Vide(vus);
  const String* dejaComptees[4];
  int nbComptees = 0;
  int n = 0;
  for (int32_t v : Voisins[p]) {
    const int cv = Col(v);
    if (cv == VIDE) {
      if (!Contient(vus, v)) {
        Ajoute(vus, v);
        n++;
      }
      continue;
    }
    const String* s = StringIntersection[v];
    if (cv == c) {
      bool dejaVue = false;
      for (int i = 0; i < nbComptees; i++) dejaVue |= dejaComptees[i] == s;
      if (dejaVue) continue;
      dejaComptees[nbComptees++] = s;
      for (int32_t l : s->Libertes) {
        if (l != p && !Contient(vus, l)) {
          Ajoute(vus, l);
          n++;
        }
      }
    } else if (s->Libertes.Nombre == 1 && !Contient(vus, v)) {
      Ajoute(vus, v);  // a stone taken off by the move
      n++;
    }
  }
  return n;
}

bool PileUndoPleine(int32_t p, int mots) {
  if (etat.nbMotsUndo + mots <= TAILLE_PILE_UNDO) return false;
  Signale("Pb JoueCoupIncremental PileUndo pleine, coup %d refuse\n", p);
  return true;
}

// The exact room a stone of c at p needs, when a quick bound says it might not
// be there: 1 (after a "Pb ..." line) if it is missing.
int PlaceManquanteExacte(int32_t p, int c, const Voisinage& v) {
  const int o = Adversaire(c);
  int mots = 4;                               // the stone's entry and the ko entry
  EnsembleIntersections sortantes, voisines;  // strings leaving the board; the new one's enemies
  Vide(sortantes);
  Vide(voisines);
  int nbSortantes = 0, nbVoisines = 0;
  for (int i = 0; i < v.n; i++) {
    const String* s = v.s[i];
    if (v.col[i] == VIDE || Contient(sortantes, s->Number)) continue;
    if (v.col[i] == o) {
      if (!Contient(voisines, s->Number)) {
        Ajoute(voisines, s->Number);
        nbVoisines++;
        mots += 2;  // p leaves its liberties, the new string enters its list
      }
      if (s->Libertes.Nombre == 1) {
        Ajoute(sortantes, s->Number);
        nbSortantes++;
        mots += 2 + 4 * s->Pierres.Nombre + s->Voisines.Nombre;
      }
    } else {
      Ajoute(sortantes, s->Number);
      nbSortantes++;
      mots += 2 * s->Voisines.Nombre;
      for (const String* e : s->Voisines) {
        if (!Contient(voisines, e->Number)) {
          Ajoute(voisines, e->Number);
          nbVoisines++;
        }
      }
    }
  }
  if (PileUndoPleine(p, mots)) return 1;
  if (etat.nbRetirees + nbSortantes > TAILLE_PILE_STRINGS_RETIREES) {
    Signale("Pb JoueCoupIncremental PileStringsRetirees pleine, coup %d refuse\n", p);
    return 1;
  }
  // The new string's list, and the list of each enemy next to p: it gains the
  // new string and loses the merged strings it held.
  bool deborde = nbVoisines > MAX_LISTSTRING;
  for (int i = 0; i < v.n; i++) {
    if (v.col[i] != o) continue;
    const ListString& l = v.s[i]->Voisines;
    int apres = l.Nombre + 1;
    for (int j = 0; j < v.n; j++)
      if (v.col[j] == c && Contient(sortantes, v.s[j]->Number) && l.contient(v.s[j]->Number))
        apres--;
    deborde |= apres > MAX_LISTSTRING;
  }
  if (deborde) {
    Signale("Pb JoueCoupIncremental MAX_LISTSTRING, coup %d refuse\n", p);
    return 1;
  }
  return 0;
}

// 1 (after a "Pb ..." line) when a stone of c at p would need more room than
// a fixed stack, the pool or a ListString has left: the move is then refused
// whole, before anything changes.
inline int PlaceManquante(int32_t p, int c, const Voisinage& v) {
  if (SuiviModifications && Profondeur >= PROFONDEUR_MAX) {
    Signale("Pb JoueCoupIncremental PROFONDEUR_MAX, coup %d refuse\n", p);
    return 1;
  }
  if (etat.sommetPool >= MAX_STRINGS) {
    std::fputs("Pb AjoutePierre MAX_STRINGS\n", SortieConsole());
    return 1;
  }
  if (etat.nbMotsUndo + MOTS_COUP_MAX <= TAILLE_PILE_UNDO &&
      etat.nbRetirees + 4 <= TAILLE_PILE_STRINGS_RETIREES && v.voisines <= MAX_LISTSTRING &&
      !v.pleine)
    return 0;
  return PlaceManquanteExacte(p, c, v);
}

void DefaitJournal(int32_t mot) {
  const int genre = mot >> 27;
  String* s = &PileString[(mot >> 18) & 511];
  const int indice = (mot >> 9) & 511;
  const int32_t valeur = mot & 511;
  switch (genre) {
    case LIBERTE_RETIREE:
      InsereDans(s->Libertes.Elements, s->Libertes.Nombre, indice, valeur);
      Met(s->EnsembleLibertes, valeur);
      break;
    case LIBERTE_AJOUTEE:
      s->Libertes.Nombre--;
      Enleve(s->EnsembleLibertes, valeur);
      break;
    case VOISINE_OTEE:
      InsereVoisine(s->Voisines, indice, &PileString[valeur]);
      break;
  }
}

void DefaitCapture() {
  if (etat.nbRetirees == 0) {
    std::fputs("Probleme2 UndoIncremental\n", SortieConsole());
    return;
  }
  String* s = etat.retirees[--etat.nbRetirees];
  Met(etat.vivantes, s->Number);
  const int c = s->Color;
  BilanPierres += Signe(c) * s->Pierres.Nombre;
  for (int32_t q : s->Pierres) {
    StringIntersection[q] = s;
    Pose(q, c);
    for (int32_t r : Voisins[q]) {
      NbVoisinsVides[r]--;
      NbVoisinsCouleur[c][r]++;
    }
    XorPierre(q, c);
  }
}

void DefaitPierre() {
  const int32_t mot = etat.pileUndo[--etat.nbMotsUndo];
  const int32_t p = mot & 0xFFFF;
  int fusions = mot >> 16;
  // The packed board is the one the other modules may touch: it is the one
  // that tells whether the stone is still there.
  const int c = SurGoban(p) ? Couleur(DamierIncremental, p) : VIDE;
  if (c == VIDE) {
    std::fprintf(SortieConsole(), "Probleme1 UndoIncremental (%d was already empty)\n", p);
    FinCorrompue();
  }
  Ote(p);
  for (int32_t n : Voisins[p]) {
    NbVoisinsVides[n]++;
    NbVoisinsCouleur[c][n]--;
  }
  BilanPierres -= Signe(c);
  XorPierre(p, c);
  String* s = StringIntersection[p];
  if (!s) {
    std::fputs("pb UndoIncremental\n", SortieConsole());
    return;
  }
  // The new string was appended to the list of each of its enemies, and the
  // journal has already put back everything that came after: it is last.
  for (String* e : s->Voisines) {
    e->Voisines.Nombre--;
    Enleve(e->Voisines.Numeros, s->Number);
  }
  // The strings the stone merged are on top of the retired stack.
  for (; fusions > 0; fusions--) {
    if (etat.nbRetirees == 0) {
      std::fputs("pb UndoIncremental\n", SortieConsole());
      break;
    }
    String* a = etat.retirees[--etat.nbRetirees];
    Met(etat.vivantes, a->Number);
    for (int32_t q : a->Pierres) StringIntersection[q] = a;
  }
  Enleve(etat.vivantes, s->Number);
  StringIntersection[p] = nullptr;
  etat.sommetPool--;
}

void RemetAZero() {
  etat.nbMotsUndo = 0;
  etat.nbRetirees = 0;
  etat.sommetPool = 0;
  Vide(etat.vivantes);
  for (int i = 0; i < MAX_STRINGS; i++) PileString[i].Number = i;
  for (String*& s : StringIntersection) s = nullptr;
  KoIncremental = -1;
  Profondeur = 0;
  BilanPierres = 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// ListString

void ListString::clear() {
  Nombre = 0;
  Curseur = 0;
  Vide(Numeros);
}

bool ListString::add(String* s) {
  if (contient(s->Number)) return false;
  if (Nombre >= MAX_LISTSTRING) {
    Signale("Pb ListString::add MAX_LISTSTRING, string %d perdue\n", s->Number);
    return false;
  }
  Elements[Nombre++] = s;
  Ajoute(Numeros, s->Number);
  return true;
}

void ListString::ote(String* s) {
  if (OteIndice(*this, s) >= 0) return;
  std::fputs("Pb ListString::ote\n", SortieConsole());
  EcritDamierIncremental(SortieConsole());
  FinCorrompue();
}

String* ListString::first() {
  Curseur = 0;
  return Nombre > 0 ? Elements[0] : nullptr;
}

String* ListString::next() {
  if (Curseur < Nombre) Curseur++;
  return Curseur < Nombre ? Elements[Curseur] : nullptr;
}

// ---------------------------------------------------------------------------
// The board

namespace {

// The hash words of the stones, the ko point and the side to move now.
void HashEtat(uint32_t (&h)[2]) {
  h[0] = h[1] = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Col(p);
    if (c != 1 && c != 2) continue;
    h[0] ^= CleZobristRang(ZOBRIST_COULEUR1_MOT1 + c - 1, p);
    h[1] ^= CleZobristRang(ZOBRIST_COULEUR1_MOT2 + c - 1, p);
  }
  if (KoIncremental != -1) {
    h[0] ^= CleZobristRang(ZOBRIST_KO_MOT1, KoIncremental);
    h[1] ^= CleZobristRang(ZOBRIST_KO_MOT2, KoIncremental);
  }
  if (Profondeur & 1) {
    h[0] ^= CleZobrist[ZOBRIST_TRAIT];
    h[1] ^= CleZobrist[ZOBRIST_TRAIT + 1];
  }
}

void NoteHashBase() {
  uint32_t h[2];
  HashEtat(h);
  etat.hashBase[0] = HashPosition[0] ^ h[0];
  etat.hashBase[1] = HashPosition[1] ^ h[1];
}

}  // namespace

void InitialiseDamierIncremental(const Damier& damier) {
  RemetAZero();
  DamierIncremental = damier;
  // Only the points of the board and the codes 0 to 2 are taken: anything
  // else in the words would be a stone with no string.
  for (int32_t p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    const int c = Couleur(DamierIncremental, p);
    if (p < NbIntersections && c != 3) {
      etat.couleurs[p] = static_cast<uint8_t>(c);
      continue;
    }
    if (c == 3) Signale("Pb InitialiseDamierIncremental couleur 3 en %d\n", p);
    Ote(p);
  }

  for (int32_t p = 0; p < NbIntersections; p++) {
    Vide(VoisinsVides[p]);
    Vide(VoisinsCouleur1[p]);
    Vide(VoisinsCouleur2[p]);
    NbVoisinsVides[p] = NbVoisins1[p] = NbVoisins2[p] = 0;
    for (int32_t n : Voisins[p]) {
      const int c = Col(n);
      NbVoisinsCouleur[c][p]++;
      Ajoute(c == VIDE ? VoisinsVides[p] : c == 1 ? VoisinsCouleur1[p] : VoisinsCouleur2[p], n);
    }
    if (Col(p) != VIDE) BilanPierres += Signe(Col(p));
  }

  // Strings, grown from their smallest point with an explicit stack.
  int32_t pile[NB_INTERSECTIONS_MAX];
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Col(p);
    if (c == VIDE || StringIntersection[p]) continue;
    String* s = &PileString[etat.sommetPool++];
    Ajoute(etat.vivantes, s->Number);
    NouvelleString(s, p, c);
    StringIntersection[p] = s;
    int n = 0;
    pile[n++] = p;
    while (n > 0) {
      const int32_t q = pile[--n];
      for (int32_t r : Voisins[q]) {
        if (Col(r) != c || Contient(s->EnsemblePierres, r)) continue;
        AjoutePierreString(s, r);
        StringIntersection[r] = s;
        if (r < s->Ancre) s->Ancre = r;
        pile[n++] = r;
      }
    }
  }

  for (int32_t e = 0; e < NbIntersections; e++) {
    if (Col(e) != VIDE) continue;
    for (int32_t n : Voisins[e]) {
      String* s = StringIntersection[n];
      if (s && !Contient(s->EnsembleLibertes, e)) AjouteLiberte(s, e);
    }
  }

  for (int32_t p = 0; p < NbIntersections; p++) {
    String* s = StringIntersection[p];
    if (!s) continue;
    for (int32_t n : Voisins[p]) {
      String* t = StringIntersection[n];
      if (t && t->Color != s->Color) {
        s->Voisines.add(t);
        t->Voisines.add(s);
      }
    }
  }

  // The game's ko ban holds on the read-ahead too, or the illegal retake
  // would be read as a capture. A point with an empty neighbour bans nothing
  // (the PointKo 0 of a cleared position).
  const int32_t ko = PointKo(damier);
  if (SurGoban(ko) && Col(ko) == VIDE && NbVoisinsVides[ko] == 0) {
    KoIncremental = ko;
    XorKo(ko);
  }
  NoteHashBase();
}

bool CoupLegalIncremental(int32_t p, int c) {
  if (!SurGoban(p) || (c != 1 && c != 2)) return false;
  Ajoute(IntersectionsLues, p);
  if (Col(p) != VIDE || p == KoIncremental) return false;
  for (int32_t n : Voisins[p]) {
    Ajoute(IntersectionsLues, n);
    const int cn = Col(n);
    if (cn == VIDE) return true;
    if (cn == c && StringIntersection[n]->Libertes.Nombre > 1) return true;
  }
  return CompteLibertesApres(p, c) > 0;
}

bool JoueCoupIncremental(int32_t p, int c) {
  const bool passe = p == COUP_PASSE;
  if ((c != 1 && c != 2) || (!passe && (!SurGoban(p) || Col(p) != VIDE))) {
    Signale("Pb JoueCoupIncremental coup %d couleur %d impossible\n", p, c);
    return false;
  }
  Voisinage v;
  if (passe) {
    if (SuiviModifications && Profondeur >= PROFONDEUR_MAX) {
      Signale("Pb JoueCoupIncremental PROFONDEUR_MAX, coup %d refuse\n", p);
      return false;
    }
    if (PileUndoPleine(p, 2)) return false;
  } else {
    LitVoisinage(p, c, v);
    if (PlaceManquante(p, c, v)) return false;
  }
  if (SuiviModifications) {
    ModificationsCoup& m = ModificationsProfondeur[Profondeur];
    Vide(m.Points);
    Vide(m.EnsemblePoints);
    Vide(m.PierresLibertes);
  }
  int32_t k = -1;
  if (!passe) {
    k = v.ko;
    String* prises[4];
    int nbPrises = 0;
    AjoutePierre(p, c, v, prises, nbPrises);
    for (int i = 0; i < nbPrises; i++) RetireString(prises[i]);
  }
  FixeKo(k);
  XorTrait();
  Profondeur++;
  return true;
}

namespace {

bool Incoherent(const char* quoi, int32_t p) {
  Signale("Pb CoherenceIncremental %s en %d\n", quoi, p);
  return false;
}

// The string at p against a recount: its stones by flood fill, its liberties
// and its adjacent enemy strings. Marks its stones in vues.
bool StringCoherente(int32_t p, EnsembleIntersections& vues, EnsembleIntersections& numeros) {
  const String* s = StringIntersection[p];
  const int c = Col(p);
  if (s->Color != c) return Incoherent("couleur de la string", p);
  if (s->Number < 0 || s->Number >= MAX_STRINGS || &PileString[s->Number] != s)
    return Incoherent("numero de la string", p);
  if (!Contient(etat.vivantes, s->Number)) return Incoherent("string absente du plateau", p);
  if (Contient(numeros, s->Number)) return Incoherent("string partagee par deux chaines", p);
  Ajoute(numeros, s->Number);

  EnsembleIntersections pierres, libertes, voisines;
  Vide(pierres);
  Vide(libertes);
  Vide(voisines);
  int nbPierres = 0, nbLibertes = 0, nbVoisines = 0, ancre = p;
  int32_t pile[NB_INTERSECTIONS_MAX];
  int n = 0;
  pile[n++] = p;
  Ajoute(pierres, p);
  while (n > 0) {
    const int32_t q = pile[--n];
    nbPierres++;
    if (q < ancre) ancre = q;
    if (StringIntersection[q] != s) return Incoherent("pierre hors de sa string", q);
    for (int32_t r : Voisins[q]) {
      const int cr = Col(r);
      if (cr == VIDE) {
        if (!Contient(libertes, r)) nbLibertes++;
        Ajoute(libertes, r);
      } else if (cr == c) {
        if (Contient(pierres, r)) continue;
        Ajoute(pierres, r);
        pile[n++] = r;
      } else {
        const String* t = StringIntersection[r];
        if (!t) return Incoherent("pierre sans string", r);
        if (!Contient(voisines, t->Number)) nbVoisines++;
        Ajoute(voisines, t->Number);
      }
    }
  }
  Union(vues, pierres);

  if (s->Ancre != ancre) return Incoherent("ancre", p);
  if (!(s->EnsemblePierres == pierres) || s->Pierres.Nombre != nbPierres)
    return Incoherent("pierres", p);
  for (int32_t q : s->Pierres)
    if (!Contient(pierres, q)) return Incoherent("liste des pierres", p);
  if (!(s->EnsembleLibertes == libertes) || s->Libertes.Nombre != nbLibertes)
    return Incoherent("libertes", p);
  for (int32_t q : s->Libertes)
    if (!Contient(libertes, q)) return Incoherent("liste des libertes", p);
  if (!(s->Voisines.Numeros == voisines) || s->Voisines.Nombre != nbVoisines)
    return Incoherent("strings voisines", p);
  for (const String* t : s->Voisines)
    if (!Contient(voisines, t->Number)) return Incoherent("liste des strings voisines", p);
  return true;
}

}  // namespace

bool CoherenceIncremental() {
  EnsembleIntersections vues, numeros;
  Vide(vues);
  Vide(numeros);
  int bilan = 0;
  for (int32_t p = 0; p < NbIntersections; p++) {
    const int c = Col(p);
    if (c != Couleur(DamierIncremental, p)) return Incoherent("couleur du damier", p);
    if (c != VIDE && c != 1 && c != 2) return Incoherent("couleur", p);
    int compte[3] = {0, 0, 0};
    for (int32_t r : Voisins[p]) compte[Col(r)]++;
    for (int k = 0; k < 3; k++)
      if (NbVoisinsCouleur[k][p] != compte[k]) return Incoherent("nombre de voisins", p);
    if (c == VIDE) {
      if (StringIntersection[p]) return Incoherent("string sur un point vide", p);
      continue;
    }
    bilan += c == 1 ? 1 : -1;
    if (!StringIntersection[p]) return Incoherent("pierre sans string", p);
    if (!Contient(vues, p) && !StringCoherente(p, vues, numeros)) return false;
  }
  if (!(numeros == etat.vivantes)) return Incoherent("strings sur le plateau", -1);
  if (bilan != BilanPierres) return Incoherent("BilanPierres", -1);
  uint32_t h[2];
  HashEtat(h);
  if ((etat.hashBase[0] ^ h[0]) != HashPosition[0] || (etat.hashBase[1] ^ h[1]) != HashPosition[1])
    return Incoherent("HashPosition", -1);
  return true;
}

bool EssaieCoupIncremental(int32_t p, int c) {
  if (!CoupLegalIncremental(p, c)) return false;
  return JoueCoupIncremental(p, c);
}

bool UndoIncremental() {
  if (etat.nbMotsUndo == 0) {
    Signale("Pb UndoIncremental aucun coup a reprendre\n");
    return false;
  }
  Profondeur--;
  XorTrait();
  if (KoIncremental != -1) XorKo(KoIncremental);
  if (etat.nbMotsUndo >= 2 && etat.pileUndo[etat.nbMotsUndo - 1] == TAG_KO) {
    etat.nbMotsUndo--;
    KoIncremental = etat.pileUndo[--etat.nbMotsUndo];
    if (KoIncremental != -1) XorKo(KoIncremental);
  } else {
    std::fputs("Probleme2 UndoIncremental\n", SortieConsole());
    KoIncremental = -1;
  }
  while (etat.nbMotsUndo > 0 && etat.pileUndo[etat.nbMotsUndo - 1] != TAG_KO) {
    const int32_t mot = etat.pileUndo[--etat.nbMotsUndo];
    // Journal words are the most frequent; tags are below every journal kind.
    const int genre = mot >> 27;
    if (genre >= LIBERTE_RETIREE && genre <= VOISINE_OTEE)
      DefaitJournal(mot);
    else if (mot == TAG_PIERRE && etat.nbMotsUndo > 0)
      DefaitPierre();
    else if (mot == TAG_CAPTURE)
      DefaitCapture();
    else
      std::fputs("Probleme2 UndoIncremental\n", SortieConsole());
  }
  if constexpr (VerifieCoherenceApresReprise) {
    if (!CoherenceIncremental()) std::abort();
  }
  return true;
}

int32_t PointKoIncremental(int32_t p, int c) {
  if (!SurGoban(p)) return -1;
  Ajoute(IntersectionsLues, p);
  for (int32_t n : Voisins[p]) Ajoute(IntersectionsLues, n);
  if (Col(p) != VIDE) return -1;
  Voisinage v;
  LitVoisinage(p, c, v);
  return v.ko;
}

int LibertesApresIncremental(int32_t p, int c, ListeIntersections& libertes,
                             EnsembleIntersections& dejaVus) {
  Vide(libertes);
  Vide(dejaVus);
  if (!SurGoban(p)) return 0;
  Ajoute(IntersectionsLues, p);
  if (Col(p) != VIDE) return 0;
  for (int32_t n : Voisins[p]) Ajoute(IntersectionsLues, n);
  for (int32_t n : Voisins[p]) {
    const int cn = Col(n);
    if (cn == VIDE) {
      if (!Contient(dejaVus, n)) {
        Ajoute(dejaVus, n);
        Ajoute(libertes, n);
      }
      continue;
    }
    const String* s = StringIntersection[n];
    if (cn == c) {
      if (Contient(dejaVus, n)) continue;  // a string already met
      Union(dejaVus, s->EnsemblePierres);
      for (int32_t l : s->Libertes) {
        if (l != p && !Contient(dejaVus, l)) {
          Ajoute(dejaVus, l);
          Ajoute(libertes, l);
        }
      }
    } else if (s->Libertes.Nombre == 1 && !Contient(dejaVus, n)) {
      Ajoute(dejaVus, n);
      Ajoute(libertes, n);
    }
  }
  return libertes.Nombre;
}

int NbLibertesApresIncremental(int32_t p, int c) {
  if (!SurGoban(p)) return 0;
  Ajoute(IntersectionsLues, p);
  if (Col(p) != VIDE) return 0;
  for (int32_t n : Voisins[p]) Ajoute(IntersectionsLues, n);
  return CompteLibertesApres(p, c);
}

int32_t PlusPetitePierre(int32_t p) {
  const String* s = SurGoban(p) ? StringIntersection[p] : nullptr;
  if (!s) {
    std::fputs("Pb PlusPetitePierre\n", SortieConsole());
    return 0;
  }
  int32_t m = s->Pierres.Elements[0];
  for (int32_t q : s->Pierres)
    if (q < m) m = q;
  if (m != s->Ancre) std::fputs("debug PlusPetitePierre\n", SortieConsole());
  return m;
}

void ReinitialiseIncremental() {
  RemetAZero();
  for (String& s : PileString) {
    s.Color = 0;
    s.Ancre = 362;
    Vide(s.Pierres);
    Vide(s.EnsemblePierres);
    Vide(s.Libertes);
    Vide(s.EnsembleLibertes);
    s.Voisines.clear();
  }
  ViderDamier(DamierIncremental);
  for (uint8_t& c : etat.couleurs) c = VIDE;
  for (auto& table : NbVoisinsCouleur)
    for (int32_t& n : table) n = 0;
  for (int p = 0; p < NB_INTERSECTIONS_MAX; p++) {
    Vide(VoisinsVides[p]);
    Vide(VoisinsCouleur1[p]);
    Vide(VoisinsCouleur2[p]);
  }
  HashPosition[0] = HashPosition[1] = 0;
  etat.hashBase[0] = etat.hashBase[1] = 0;
  IntersectionsModifiees = nullptr;
  TraceActiveA = TraceActiveB = nullptr;
  SuiviModifications = 0;
}

int NombreMotsPileUndo() {
  return etat.nbMotsUndo;
}
int SommetPileString() {
  return etat.sommetPool;
}
int NombreStringsRetirees() {
  return etat.nbRetirees;
}
