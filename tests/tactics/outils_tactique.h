#pragma once

// Helpers of the tactical tests: positions from diagrams in any of the eight
// orientations, a full picture of the incremental board to compare before and
// after a search, and GNU Go asked the same questions through GTP.

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/incremental.h"
#include "diagramme.h"
#include "positions_aleatoires.h"
#include "reference_go.h"

// The points of a diagram, one character each ('.', '@', 'O'), row by row.
inline std::string PointsDe(const std::string& diagramme) {
  std::string points;
  for (char ch : diagramme) {
    if (ch == '.' || ch == '+') points += '.';
    if (ch == '@' || ch == 'X') points += '@';
    if (ch == 'O') points += 'O';
  }
  return points;
}

inline int TailleDe(const std::string& points) {
  int n = 1;
  while (n * n < static_cast<int>(points.size())) n++;
  return n;
}

// Orientation k (0 to 7) of column x, row y on a board of size n.
struct Coord {
  int x, y;
};
inline Coord Oriente(Coord c, int k, int n) {
  int x = c.x, y = c.y;
  if (k & 1) x = n + 1 - x;
  if (k & 2) y = n + 1 - y;
  if (k & 4) std::swap(x, y);
  return {x, y};
}

// The diagram in orientation k.
inline std::string DiagrammeOriente(const std::string& diagramme, int k) {
  const std::string points = PointsDe(diagramme);
  const int n = TailleDe(points);
  std::string r(points.size(), '.');
  for (int y = 1; y <= n; y++)
    for (int x = 1; x <= n; x++) {
      const Coord c = Oriente({x, y}, k, n);
      r[(c.y - 1) * n + (c.x - 1)] = points[(y - 1) * n + (x - 1)];
    }
  return r;
}

// Builds the incremental board from the diagram (no ko).
inline void PoseDiagramme(const std::string& diagramme) {
  InitialiseDamierIncremental(DamierDe(diagramme));
}

// Sets up the rows of a problem's diagram in orientation k, colours swapped if
// asked: the characters of amis are stones of colour 1, those of ennemis of
// colour 2. Returns each character of the diagram with its point on the board.
inline std::vector<std::pair<char, int32_t>> PoseOrientee(const std::vector<std::string>& lignes,
                                                          int k, bool echange,
                                                          const std::string& amis,
                                                          const std::string& ennemis) {
  const int n = static_cast<int>(lignes.size());
  std::string pierres(n * n, '.');
  std::vector<std::pair<char, Coord>> marques;
  for (int y = 1; y <= n; y++)
    for (int x = 1; x <= n; x++) {
      const char ch = lignes[y - 1][x - 1];
      const Coord o = Oriente({x, y}, k, n);
      const bool ami = amis.find(ch) != std::string::npos;
      if (ami || ennemis.find(ch) != std::string::npos)
        pierres[(o.y - 1) * n + o.x - 1] = ami != echange ? 'X' : 'O';
      marques.push_back({ch, o});
    }
  PoseDiagramme(pierres);
  std::vector<std::pair<char, int32_t>> points;
  for (auto [ch, o] : marques) points.push_back({ch, Pt(o.x, o.y)});
  return points;
}

// Everything a search might disturb on the incremental board.
struct Instantane {
  Damier damier;
  uint32_t hash[2];
  int32_t ko, profondeur, bilan, sommet, motsUndo, retirees;
  std::vector<std::string> strings;
  std::vector<int32_t> voisins;

  static Instantane Prend() {
    Instantane i;
    i.damier = DamierIncremental;
    i.hash[0] = HashPosition[0];
    i.hash[1] = HashPosition[1];
    i.ko = KoIncremental;
    i.profondeur = Profondeur;
    i.bilan = BilanPierres;
    i.sommet = SommetPileString();
    i.motsUndo = NombreMotsPileUndo();
    i.retirees = NombreStringsRetirees();
    for (int32_t p = 0; p < NbIntersections; p++) {
      const String* s = StringIntersection[p];
      std::ostringstream o;
      if (s) {
        o << s->Number << ' ' << s->Color << ' ' << s->Ancre << " P";
        for (int32_t q : s->Pierres) o << ' ' << q;
        o << " L";
        for (int32_t q : s->Libertes) o << ' ' << q;
        o << " V";
        for (const String* t : s->Voisines) o << ' ' << t->Number;
      }
      i.strings.push_back(o.str());
      for (int c = 0; c < 3; c++) i.voisins.push_back(NbVoisinsCouleur[c][p]);
    }
    return i;
  }

  bool operator==(const Instantane& o) const {
    return damier == o.damier && hash[0] == o.hash[0] && hash[1] == o.hash[1] && ko == o.ko &&
           profondeur == o.profondeur && bilan == o.bilan && sommet == o.sommet &&
           motsUndo == o.motsUndo && retirees == o.retirees && strings == o.strings &&
           voisins == o.voisins;
  }
};

// GNU Go, for differential checks: the path of the program, or empty.
inline std::string CheminGnuGo() {
  for (const char* c : {"/usr/games/gnugo", "/usr/bin/gnugo", "/usr/local/bin/gnugo"}) {
    std::FILE* f = std::fopen(c, "r");
    if (f) {
      std::fclose(f);
      return c;
    }
  }
  return "";
}

// GNU Go's vertex for a point of the current board ("C7").
inline std::string Vertex(int32_t p) {
  const char* colonnes = "ABCDEFGHJKLMNOPQRST";
  return std::string(1, colonnes[CoordX[p] - 1]) + std::to_string(TailleGoban + 1 - CoordY[p]);
}

// The point of a GNU Go vertex, or -1.
inline int32_t PointDeVertex(const std::string& v) {
  if (v.size() < 2) return -1;
  const std::string colonnes = "ABCDEFGHJKLMNOPQRST";
  const size_t x = colonnes.find(static_cast<char>(std::toupper(v[0])));
  if (x == std::string::npos) return -1;
  const int y = TailleGoban + 1 - std::atoi(v.c_str() + 1);
  return Intersection[x + 1][y];
}

// Sets up the diagram in GNU Go ('@' black, 'O' white), runs the commands and
// returns the text of each answer (without "= "); empty if GNU Go is missing.
inline std::vector<std::string> DemandeGnuGo(const std::string& diagramme,
                                             const std::vector<std::string>& commandes) {
  const std::string gnugo = CheminGnuGo();
  if (gnugo.empty()) return {};
  const std::string points = PointsDe(diagramme);
  const int n = TailleDe(points);
  char modele[] = "/tmp/ilvane_gnugo_XXXXXX";
  const int fd = mkstemp(modele);
  if (fd < 0) return {};
  close(fd);
  const std::string script = modele;
  {
    std::ofstream f(script);
    f << "boardsize " << n << "\nclear_board\n";
    const char* colonnes = "ABCDEFGHJKLMNOPQRST";
    for (int i = 0; i < static_cast<int>(points.size()); i++) {
      if (points[i] == '.') continue;
      f << "play " << (points[i] == '@' ? "black " : "white ") << colonnes[i % n] << (n - i / n)
        << "\n";
    }
    f << "echo ---\n";
    for (const std::string& c : commandes) f << c << "\n";
    f << "quit\n";
  }
  const std::string commande = gnugo + " --mode gtp < " + script + " 2>/dev/null";
  std::FILE* p = popen(commande.c_str(), "r");
  std::string sortie;
  char buf[4096];
  size_t lu;
  while (p && (lu = std::fread(buf, 1, sizeof buf, p)) > 0) sortie.append(buf, lu);
  if (p) pclose(p);
  std::remove(script.c_str());

  std::vector<std::string> reponses;
  const size_t debut = sortie.find("= ---");
  std::istringstream in(sortie.substr(debut == std::string::npos ? 0 : debut + 5));
  std::string ligne;
  while (std::getline(in, ligne)) {
    if (ligne.rfind("= ", 0) == 0 || ligne == "=")
      reponses.push_back(ligne.size() > 2 ? ligne.substr(2) : "");
    if (ligne.rfind("? ", 0) == 0) reponses.push_back(ligne);
  }
  if (!reponses.empty()) reponses.pop_back();  // quit
  return reponses;
}
