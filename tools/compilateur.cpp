#include "compilateur.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>

#include "rules/codes.h"

namespace compilateur {

bool Regle::operator==(const Regle& r) const {
  return Kind == r.Kind && Type == r.Type && Zone == r.Zone && W == r.W && H == r.H &&
         Motif == r.Motif && Concernees == r.Concernees && Atteindre == r.Atteindre &&
         Empecher == r.Empecher && AuMoins == r.AuMoins && AuPlus == r.AuPlus &&
         AuMoinsApres == r.AuMoinsApres && AuPlusApres == r.AuPlusApres && Valeurs1 == r.Valeurs1 &&
         Valeurs2 == r.Valeurs2;
}

namespace {

const char CARACTERES_MOTIF[3] = {'.', 'X', 'O'};

void Erreur(Erreurs& erreurs, const std::string& fichier, int ligne, const std::string& message) {
  erreurs.push_back(fichier + ":" + std::to_string(ligne) + ": " + message);
}

std::vector<std::string> Mots(const std::string& ligne) {
  std::istringstream flux(ligne);
  std::vector<std::string> mots;
  std::string mot;
  while (flux >> mot) mots.push_back(mot);
  return mots;
}

bool EstLigneMotif(const std::string& ligne) {
  return !ligne.empty() && ligne.find_first_not_of(".XO ") == std::string::npos;
}

bool LitEntier(const std::string& texte, int& valeur) {
  if (texte.empty() || texte.size() > 6) return false;
  size_t i = texte[0] == '-' ? 1 : 0;
  if (i == texte.size()) return false;
  for (size_t k = i; k < texte.size(); k++)
    if (texte[k] < '0' || texte[k] > '9') return false;
  valeur = std::stoi(texte);
  return true;
}

// "b3": column b, row 3 of a w x h pattern.
bool LitCellule(const std::string& nom, int w, int h, int& cellule) {
  if (nom.size() < 2 || nom[0] < 'a' || nom[0] > 'z') return false;
  int ligne = 0;
  if (!LitEntier(nom.substr(1), ligne) || nom[1] == '-') return false;
  const int i = nom[0] - 'a', j = ligne - 1;
  if (i >= w || j < 0 || j >= h) return false;
  cellule = j * w + i;
  return true;
}

std::vector<std::string> Champs(const std::string& mot) {
  std::vector<std::string> champs;
  size_t debut = 0;
  for (;;) {
    const size_t fin = mot.find(':', debut);
    champs.push_back(mot.substr(debut, fin - debut));
    if (fin == std::string::npos) return champs;
    debut = fin + 1;
  }
}

std::string NomBut(int kind) {
  return kind >= 0 && kind < GoalKind::Nombre ? NomsGoalKind[kind] : std::to_string(kind);
}

// ---------------------------------------------------------------------------
// Symmetries: the eight ways of laying a w x h picture, as maps of a cell
// (i, j) to the cell of the image.

struct Image {
  int w, h;  // extent of the image
  int (*i)(int i, int j, int w, int h);
  int (*j)(int i, int j, int w, int h);
};

const Image IMAGES[8] = {
    {0, 0, [](int i, int, int, int) { return i; }, [](int, int j, int, int) { return j; }},
    {0, 0, [](int i, int, int w, int) { return w - 1 - i; },
     [](int, int j, int, int) { return j; }},
    {0, 0, [](int i, int, int, int) { return i; },
     [](int, int j, int, int h) { return h - 1 - j; }},
    {0, 0, [](int i, int, int w, int) { return w - 1 - i; },
     [](int, int j, int, int h) { return h - 1 - j; }},
    {1, 1, [](int, int j, int, int) { return j; }, [](int i, int, int, int) { return i; }},
    {1, 1, [](int, int j, int, int h) { return h - 1 - j; },
     [](int i, int, int, int) { return i; }},
    {1, 1, [](int, int j, int, int) { return j; },
     [](int i, int, int w, int) { return w - 1 - i; }},
    {1, 1, [](int, int j, int, int h) { return h - 1 - j; },
     [](int i, int, int w, int) { return w - 1 - i; }},
};

Regle Transforme(const Regle& r, int t) {
  const Image& im = IMAGES[t];
  Regle n = r;
  n.W = im.w ? r.H : r.W;
  n.H = im.w ? r.W : r.H;
  auto cellule = [&](int c) {
    const int i = c % r.W, j = c / r.W;
    return im.j(i, j, r.W, r.H) * n.W + im.i(i, j, r.W, r.H);
  };
  for (int c = 0; c < r.W * r.H; c++) n.Motif[cellule(c)] = r.Motif[c];
  for (int& c : n.Concernees) c = cellule(c);
  for (int& c : n.Atteindre) c = cellule(c);
  for (int& c : n.Empecher) c = cellule(c);
  for (auto* l : {&n.AuMoins, &n.AuPlus, &n.AuMoinsApres, &n.AuPlusApres})
    for (auto& p : *l) p.first = cellule(p.first);
  for (auto* l : {&n.Valeurs1, &n.Valeurs2})
    for (auto& v : *l) v[1] = cellule(v[1]);
  return n;
}

// Two images of one rule say the same when they differ only in the order of
// their lists (the first concerned point excepted: it names the string).
Regle Normale(Regle r) {
  if (r.Concernees.size() > 1) std::sort(r.Concernees.begin() + 1, r.Concernees.end());
  std::sort(r.Atteindre.begin(), r.Atteindre.end());
  std::sort(r.Empecher.begin(), r.Empecher.end());
  for (auto* l : {&r.AuMoins, &r.AuPlus, &r.AuMoinsApres, &r.AuPlusApres})
    std::sort(l->begin(), l->end());
  std::sort(r.Valeurs1.begin(), r.Valeurs1.end());
  std::sort(r.Valeurs2.begin(), r.Valeurs2.end());
  return r;
}

// ---------------------------------------------------------------------------
// Source reading.

struct Lecteur {
  Lecteur(const std::string& n, Erreurs& e) : nom(n), erreurs(e) {}
  std::string nom;
  Erreurs& erreurs;
  FichierRegles fichier;
  bool clesFixees = false;
  // The rule being read.
  bool enCours = false;
  Regle regle;
  std::vector<std::string> lignesMotif;
  bool listesCommencees = false;
  std::vector<int> images{0};

  void Faute(int ligne, const std::string& message) { Erreur(erreurs, nom, ligne, message); }

  void Termine() {
    if (!enCours) return;
    enCours = false;
    if (regle.Motif.empty()) {
      Faute(regle.Ligne, "regle sans motif");
      return;
    }
    const size_t nb = erreurs.size();
    Valide(regle, fichier.Cles, erreurs);
    if (erreurs.size() != nb) return;
    std::vector<Regle> faites;
    for (int t : images) {
      const Regle image = Transforme(regle, t);
      const Regle normale = Normale(image);
      bool deja = false;
      for (const Regle& f : faites) deja = deja || Normale(f) == normale;
      if (deja) continue;
      faites.push_back(image);
      fichier.Regles.push_back(image);
    }
  }

  void Commence(int ligne, const std::vector<std::string>& mots) {
    Termine();
    enCours = true;
    regle = Regle{};
    regle.Fichier = nom;
    regle.Ligne = ligne;
    lignesMotif.clear();
    listesCommencees = false;
    images = {0};
    clesFixees = true;
    if (mots.size() != 4) {
      Faute(ligne, "regle: attendu 'regle <but> <type> <zone>'");
      return;
    }
    regle.Kind = CodeGoalKind(mots[1].c_str());
    regle.Type = CodeRuleType(mots[2].c_str());
    regle.Zone = CodeZone(mots[3].c_str());
    if (regle.Kind < 0) Faute(ligne, "but inconnu '" + mots[1] + "'");
    if (regle.Type < 0) Faute(ligne, "type de regle inconnu '" + mots[2] + "'");
    if (regle.Zone < 0) Faute(ligne, "zone inconnue '" + mots[3] + "'");
  }

  void LigneMotif(int ligne, const std::string& texte) {
    if (!enCours) return Faute(ligne, "ligne de motif hors d'une regle");
    if (listesCommencees) return Faute(ligne, "le motif doit preceder les listes");
    std::string cellules;
    for (char c : texte)
      if (c != ' ') cellules += c;
    if (!lignesMotif.empty() && cellules.size() != lignesMotif[0].size())
      return Faute(ligne, "ligne de motif de largeur differente");
    lignesMotif.push_back(cellules);
    regle.W = static_cast<int>(lignesMotif[0].size());
    regle.H = static_cast<int>(lignesMotif.size());
    if (regle.W > TAILLE_MOTIF_MAX || regle.H > TAILLE_MOTIF_MAX) {
      if (regle.H == TAILLE_MOTIF_MAX + 1 || lignesMotif.size() == 1)
        Faute(ligne, "motif de plus de 19 colonnes ou lignes");
      return;
    }
    regle.Motif.clear();
    for (const std::string& l : lignesMotif)
      for (char c : l)
        regle.Motif.push_back(static_cast<uint8_t>(std::string(CARACTERES_MOTIF, 3).find(c)));
  }

  bool Cellule(int ligne, const std::string& nomCellule, int& cellule) {
    if (LitCellule(nomCellule, regle.W, regle.H, cellule)) return true;
    Faute(ligne, "cellule '" + nomCellule + "' hors du motif " + std::to_string(regle.W) + "x" +
                     std::to_string(regle.H));
    return false;
  }

  void Liste(int ligne, const std::vector<std::string>& mots) {
    if (!enCours) return Faute(ligne, "'" + mots[0] + "' hors d'une regle");
    if (regle.Motif.empty()) return Faute(ligne, "'" + mots[0] + "' avant le motif");
    listesCommencees = true;
    const std::string& cle = mots[0];
    std::vector<int>* cellules = cle == "concernees"  ? &regle.Concernees
                                 : cle == "atteindre" ? &regle.Atteindre
                                 : cle == "empecher"  ? &regle.Empecher
                                                      : nullptr;
    std::vector<std::pair<int, int>>* paires = cle == "au-moins"         ? &regle.AuMoins
                                               : cle == "au-plus"        ? &regle.AuPlus
                                               : cle == "au-moins-apres" ? &regle.AuMoinsApres
                                               : cle == "au-plus-apres"  ? &regle.AuPlusApres
                                                                         : nullptr;
    std::vector<std::array<int, 3>>* triplets = cle == "valeurs1"   ? &regle.Valeurs1
                                                : cle == "valeurs2" ? &regle.Valeurs2
                                                                    : nullptr;
    for (size_t k = 1; k < mots.size(); k++) {
      const std::vector<std::string> champs = Champs(mots[k]);
      int cellule = 0, n = 0;
      if (cellules) {
        if (champs.size() != 1) return Faute(ligne, "cellule attendue: '" + mots[k] + "'");
        if (!Cellule(ligne, champs[0], cellule)) return;
        cellules->push_back(cellule);
      } else if (paires) {
        if (champs.size() != 2 || !LitEntier(champs[1], n))
          return Faute(ligne, "cellule:libertes attendu: '" + mots[k] + "'");
        if (!Cellule(ligne, champs[0], cellule)) return;
        paires->push_back({cellule, n});
      } else {
        const int but = champs.empty() ? -1 : CodeGoalKind(champs[0].c_str());
        if (champs.size() != 3 || !LitEntier(champs[2], n))
          return Faute(ligne, "but:cellule:valeur attendu: '" + mots[k] + "'");
        if (but < 0) return Faute(ligne, "but inconnu '" + champs[0] + "'");
        if (!Cellule(ligne, champs[1], cellule)) return;
        triplets->push_back({but, cellule, n});
      }
    }
  }

  void Symetrie(int ligne, const std::vector<std::string>& mots) {
    if (!enCours) return Faute(ligne, "'symetrie' hors d'une regle");
    if (mots.size() != 2) return Faute(ligne, "attendu 'symetrie miroir|rotations|toutes'");
    const std::string& s = mots[1];
    if (s == "miroir")
      images = {0, 1};
    else if (s == "rotations")
      images = {0, 5, 3, 6};
    else if (s == "toutes")
      images = {0, 1, 2, 3, 4, 5, 6, 7};
    else
      return Faute(ligne, "symetrie inconnue '" + s + "'");
    if (regle.Zone == Zone::Coin)
      Faute(ligne, "symetrie inutile dans un coin: les huit y sont cherchees");
    else if (regle.Zone == Zone::Bord && s != "miroir")
      Faute(ligne, "au bord, seule la symetrie 'miroir' garde le bord en ligne 1");
  }

  void Ligne(int numero, std::string texte) {
    const size_t diese = texte.find('#');
    if (diese != std::string::npos) texte.resize(diese);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t' || texte.back() == '\r'))
      texte.pop_back();
    const size_t debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos) return;
    texte = texte.substr(debut);
    if (EstLigneMotif(texte)) return LigneMotif(numero, texte);
    const std::vector<std::string> mots = Mots(texte);
    const std::string& cle = mots[0];
    if (cle == "cles") {
      int k = 0;
      if (clesFixees)
        return Faute(numero, "'cles' doit preceder les regles et n'etre donne qu'une fois");
      clesFixees = true;
      if (mots.size() != 2 || !LitEntier(mots[1], k) || (k != CLE_32_BITS && k != CLE_POSITION))
        return Faute(numero, "attendu 'cles 4' ou 'cles 92'");
      fichier.Cles = k;
    } else if (cle == "regle") {
      Commence(numero, mots);
    } else if (cle == "symetrie") {
      Symetrie(numero, mots);
    } else if (cle == "concernees" || cle == "atteindre" || cle == "empecher" ||
               cle == "au-moins" || cle == "au-plus" || cle == "au-moins-apres" ||
               cle == "au-plus-apres" || cle == "valeurs1" || cle == "valeurs2") {
      Liste(numero, mots);
    } else {
      Faute(numero, "mot inconnu '" + cle + "'");
    }
  }
};

// ---------------------------------------------------------------------------
// Binary writing.

void Octet(std::vector<uint8_t>& o, int v) {
  o.push_back(static_cast<uint8_t>(v & 0xFF));
}

void Mot(std::vector<uint8_t>& o, uint32_t v) {
  for (int k = 0; k < 4; k++) o.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

std::vector<uint32_t> Cle(const Regle& r, int cles) {
  std::vector<uint32_t> cle(cles / 4, 0);
  for (int k = 0; k < r.W * r.H; k++)
    cle[k >> 4] |= static_cast<uint32_t>(r.Motif[k]) << (2 * (k & 15));
  return cle;
}

void EcritRegle(std::vector<uint8_t>& o, const Regle& r, int cles) {
  auto cellules = [&](const std::vector<int>& l) {
    Octet(o, static_cast<int>(l.size()));
    for (int c : l) Octet(o, c);
  };
  auto paires = [&](const std::vector<std::pair<int, int>>& l) {
    Octet(o, static_cast<int>(2 * l.size()));
    for (const auto& [c, n] : l) Octet(o, c), Octet(o, n);
  };
  auto triplets = [&](const std::vector<std::array<int, 3>>& l) {
    Octet(o, static_cast<int>(3 * l.size()));
    for (const auto& v : l) Octet(o, v[0]), Octet(o, v[1]), Octet(o, v[2]);
  };
  cellules(r.Concernees);
  cellules(r.Atteindre);
  cellules(r.Empecher);
  paires(r.AuMoins);
  paires(r.AuPlus);
  paires(r.AuMoinsApres);
  paires(r.AuPlusApres);
  if (cles == CLE_POSITION) {
    triplets(r.Valeurs1);
    triplets(r.Valeurs2);
  } else {
    Octet(o, 0);
  }
}

// ---------------------------------------------------------------------------
// Binary reading.

struct LecteurBinaire {
  const std::vector<uint8_t>& o;
  std::string nom;
  Erreurs& erreurs;
  size_t pos = 0;

  bool Reste(size_t n) const { return n <= o.size() - pos; }
  void Faute(const std::string& message) {
    erreurs.push_back(nom + ": octet " + std::to_string(pos) + ": " + message);
  }
  uint32_t Mot() {
    uint32_t v = 0;
    for (int k = 0; k < 4; k++) v |= static_cast<uint32_t>(o[pos++]) << (8 * k);
    return v;
  }

  // Reads the rules of one entry into the file; false at a malformation.
  bool Entree(const Regle& modele, size_t debut, size_t fin, int cles, FichierRegles& f) {
    const int8_t* d = reinterpret_cast<const int8_t*>(o.data());
    size_t p = debut;
    auto liste = [&](int pas, std::vector<int>& v) {
      if (p >= fin) return false;
      const int n = d[p];
      if (n < 0 || n > LONGUEUR_LISTE_MAX || p + 1 + n > fin || n % pas != 0) return false;
      v.assign(d + p + 1, d + p + 1 + n);
      p += 1 + n;
      return true;
    };
    while (p < fin) {
      Regle r = modele;
      std::vector<int> l[9];
      const int nb = cles == CLE_POSITION ? 9 : 7;
      for (int i = 0; i < nb; i++)
        if (!liste(i < 3 ? 1 : (i < 7 ? 2 : 3), l[i])) {
          pos = p;
          Faute("liste " + std::to_string(i + 1) + " mal formee");
          return false;
        }
      if (cles != CLE_POSITION) {
        if (p >= fin) {
          pos = p;
          Faute("regle sans son octet final");
          return false;
        }
        p++;
      }
      r.Concernees = l[0];
      r.Atteindre = l[1];
      r.Empecher = l[2];
      std::vector<std::pair<int, int>>* paires[4] = {&r.AuMoins, &r.AuPlus, &r.AuMoinsApres,
                                                     &r.AuPlusApres};
      for (int i = 0; i < 4; i++)
        for (size_t k = 0; k + 1 < l[3 + i].size(); k += 2)
          paires[i]->push_back({l[3 + i][k], l[3 + i][k + 1]});
      for (int i = 0; i < 2; i++)
        for (size_t k = 0; k + 2 < l[7 + i].size(); k += 3)
          (i ? r.Valeurs2 : r.Valeurs1).push_back({l[7 + i][k], l[7 + i][k + 1], l[7 + i][k + 2]});
      f.Regles.push_back(r);
    }
    return true;
  }

  bool Bloc(int cles, FichierRegles& f) {
    if (!Reste(9)) {
      Faute("bloc tronque");
      return false;
    }
    Regle modele;
    modele.Fichier = nom;
    modele.Kind = static_cast<int8_t>(o[pos]);
    modele.Type = static_cast<int8_t>(o[pos + 1]);
    modele.Zone = static_cast<int8_t>(o[pos + 2]);
    modele.W = static_cast<int8_t>(o[pos + 3]);
    modele.H = static_cast<int8_t>(o[pos + 4]);
    pos += 5;
    const uint32_t n = Mot();
    if (modele.Kind < 0 || modele.Kind >= GoalKind::Nombre || modele.Type < 0 ||
        modele.Type >= RuleType::Nombre || modele.Zone < 0 || modele.Zone >= Zone::Nombre ||
        modele.W < 1 || modele.W > TAILLE_MOTIF_MAX || modele.H < 1 ||
        modele.H > TAILLE_MOTIF_MAX) {
      Faute("en-tete de bloc hors limites");
      return false;
    }
    if (LargeurCle(modele.Kind, modele.W, modele.H) != cles) {
      Faute("bloc a cles de " + std::to_string(LargeurCle(modele.Kind, modele.W, modele.H)) +
            " octets dans un fichier a cles de " + std::to_string(cles));
      return false;
    }
    const int mots = cles / 4;
    if (n == 0 || !Reste(static_cast<size_t>(n) * cles + 4 * (static_cast<size_t>(n) + 1))) {
      Faute(n == 0 ? "bloc sans entree" : "entrees au-dela de la fin du fichier");
      return false;
    }
    std::vector<std::vector<uint32_t>> clesBloc(n, std::vector<uint32_t>(mots));
    for (auto& c : clesBloc)
      for (uint32_t& m : c) m = Mot();
    std::vector<uint32_t> offsets(n + 1);
    for (uint32_t& v : offsets) v = Mot();
    const size_t donnees = pos;
    if (!Reste(offsets[n])) {
      Faute("regles au-dela de la fin du fichier");
      return false;
    }
    for (uint32_t i = 0; i < n; i++) {
      if (offsets[i] > offsets[i + 1]) {
        Faute("offsets decroissants");
        return false;
      }
      if (i > 0 && !(clesBloc[i - 1] < clesBloc[i])) {
        Faute("cles non strictement croissantes");
        return false;
      }
    }
    for (uint32_t i = 0; i < n; i++) {
      Regle r = modele;
      r.Motif.assign(r.W * r.H, 0);
      for (int k = 0; k < 16 * mots; k++) {
        const int code = (clesBloc[i][k >> 4] >> (2 * (k & 15))) & 3;
        if (k >= r.W * r.H ? code != 0 : code == 3) {
          Faute("cle " + std::to_string(i) + " invalide");
          return false;
        }
        if (k < r.W * r.H) r.Motif[k] = static_cast<uint8_t>(code);
      }
      if (!Entree(r, donnees + offsets[i], donnees + offsets[i + 1], cles, f)) return false;
    }
    pos = donnees + offsets[n];
    return true;
  }
};

}  // namespace

void Valide(const Regle& r, int cles, Erreurs& erreurs) {
  auto faute = [&](const std::string& m) { Erreur(erreurs, r.Fichier, r.Ligne, m); };
  if (r.Kind < 0 || r.Kind >= GoalKind::Nombre || r.Type < 0 || r.Type >= RuleType::Nombre ||
      r.Zone < 0 || r.Zone >= Zone::Nombre)
    return faute("but, type ou zone hors limites");
  if (r.W < 1 || r.H < 1 || r.W > TAILLE_MOTIF_MAX || r.H > TAILLE_MOTIF_MAX ||
      static_cast<int>(r.Motif.size()) != r.W * r.H)
    return faute("motif hors de 1x1 a 19x19");
  for (uint8_t c : r.Motif)
    if (c > 2) return faute("cellule de motif autre que '.', 'X' ou 'O'");
  const int largeur = LargeurCle(r.Kind, r.W, r.H);
  if (largeur != cles)
    faute(std::string("un motif ") + NomsGoalKind[r.Kind] + " " + std::to_string(r.W) + "x" +
          std::to_string(r.H) + " se cherche en cles de " + std::to_string(largeur) +
          " octets, le fichier est en cles de " + std::to_string(cles));
  const int cellules = std::min(r.W * r.H, CELLULES_ADRESSABLES);
  auto cellule = [&](int c) { return c >= 0 && c < cellules; };
  auto verifieCellules = [&](const std::vector<int>& l, const char* nom, size_t max) {
    if (l.size() > max) faute(std::string(nom) + ": plus de " + std::to_string(max) + " cellules");
    for (int c : l)
      if (!cellule(c))
        faute(std::string(nom) + ": cellule " + std::to_string(c) + " hors du motif");
  };
  verifieCellules(r.Concernees, "concernees", CONCERNEES_MAX);
  verifieCellules(r.Atteindre, "atteindre", LONGUEUR_LISTE_MAX);
  verifieCellules(r.Empecher, "empecher", LONGUEUR_LISTE_MAX);
  const std::pair<const std::vector<std::pair<int, int>>*, const char*> conditions[] = {
      {&r.AuMoins, "au-moins"},
      {&r.AuPlus, "au-plus"},
      {&r.AuMoinsApres, "au-moins-apres"},
      {&r.AuPlusApres, "au-plus-apres"}};
  for (const auto& [l, nom] : conditions) {
    if (2 * l->size() > LONGUEUR_LISTE_MAX)
      faute(std::string(nom) + ": plus de " + std::to_string(LONGUEUR_LISTE_MAX / 2) +
            " conditions");
    for (const auto& [c, n] : *l) {
      if (!cellule(c))
        faute(std::string(nom) + ": cellule " + std::to_string(c) + " hors du motif");
      if (n < 0 || n > 127) faute(std::string(nom) + ": nombre de libertes hors de 0-127");
    }
  }
  const std::pair<const std::vector<std::array<int, 3>>*, const char*> valeurs[] = {
      {&r.Valeurs1, "valeurs1"}, {&r.Valeurs2, "valeurs2"}};
  for (const auto& [l, nom] : valeurs) {
    if (!l->empty() && largeur != CLE_POSITION)
      faute(std::string(nom) + ": listes de valeurs seulement en cles de position");
    if (l->size() > TRIPLETS_MAX) faute(std::string(nom) + ": plus de 3 triplets");
    for (const auto& v : *l) {
      if (v[0] < 0 || v[0] >= GoalKind::Nombre) faute(std::string(nom) + ": but hors limites");
      if (!cellule(v[1])) faute(std::string(nom) + ": cellule hors du motif");
      if (v[2] < -128 || v[2] > 127) faute(std::string(nom) + ": valeur hors de -128-127");
    }
  }
  const bool pierres = r.Kind == GoalKind::Vivre || r.Kind == GoalKind::Oeil;
  if (pierres)
    for (int c : r.Concernees)
      if (cellule(c) && r.Motif[c] != CELLULE_BUT)
        faute("concernees: " + NomCellule(c, r.W) + " doit porter une pierre 'X'");
  if (r.Concernees.empty() &&
      (r.Kind == GoalKind::Prendre || r.Kind == GoalKind::Vivre || r.Kind == GoalKind::Connecter ||
       r.Kind == GoalKind::Oeil || r.Kind == GoalKind::ConnecterVide))
    faute(std::string("concernees: vide, une regle ") + NomsGoalKind[r.Kind] +
          " sans point concerne est toujours ecartee");
  if (r.Kind == GoalKind::Connecter &&
      (r.Concernees.size() < 2 || (cellule(r.Concernees[0]) && cellule(r.Concernees[1]) &&
                                   r.Motif[r.Concernees[0]] != r.Motif[r.Concernees[1]])))
    faute("concernees: les deux premieres cellules d'une connexion doivent etre de meme contenu");
}

FichierRegles LitSource(const std::string& texte, const std::string& nom, Erreurs& erreurs) {
  Lecteur l(nom, erreurs);
  std::istringstream flux(texte);
  std::string ligne;
  int numero = 0;
  while (std::getline(flux, ligne)) l.Ligne(++numero, ligne);
  l.Termine();
  return l.fichier;
}

std::vector<uint8_t> EcritBinaire(const FichierRegles& f) {
  using Entete = std::tuple<int, int, int, int, int>;
  // For each block, its keys with their rules in the order of the source.
  std::map<Entete, std::map<std::vector<uint32_t>, std::vector<const Regle*>>> blocs;
  for (const Regle& r : f.Regles)
    blocs[Entete{r.Kind, r.Type, r.Zone, r.W, r.H}][Cle(r, f.Cles)].push_back(&r);
  std::vector<uint8_t> o;
  for (const auto& [entete, entrees] : blocs) {
    const auto [kind, type, zone, w, h] = entete;
    for (int v : {kind, type, zone, w, h}) Octet(o, v);
    Mot(o, static_cast<uint32_t>(entrees.size()));
    for (const auto& [cle, regles] : entrees)
      for (uint32_t m : cle) Mot(o, m);
    std::vector<uint8_t> donnees;
    std::vector<uint32_t> offsets{0};
    for (const auto& [cle, regles] : entrees) {
      for (const Regle* r : regles) EcritRegle(donnees, *r, f.Cles);
      offsets.push_back(static_cast<uint32_t>(donnees.size()));
    }
    for (uint32_t v : offsets) Mot(o, v);
    o.insert(o.end(), donnees.begin(), donnees.end());
  }
  return o;
}

FichierRegles LitBinaire(const std::vector<uint8_t>& octets, int cles, const std::string& nom,
                         Erreurs& erreurs) {
  FichierRegles f;
  f.Cles = cles;
  if (cles != CLE_32_BITS && cles != CLE_POSITION) {
    erreurs.push_back(nom + ": largeur de cle " + std::to_string(cles) + " autre que 4 ou 92");
    return f;
  }
  LecteurBinaire l{octets, nom, erreurs};
  while (l.pos < octets.size())
    if (!l.Bloc(cles, f)) return f;
  for (const Regle& r : f.Regles) Valide(r, cles, erreurs);
  return f;
}

std::string NomCellule(int cellule, int w) {
  return std::string(1, static_cast<char>('a' + cellule % w)) + std::to_string(cellule / w + 1);
}

std::string EcritSource(const FichierRegles& f) {
  std::string s = "cles " + std::to_string(f.Cles) + "\n";
  const Regle* precedente = nullptr;
  for (const Regle& r : f.Regles) {
    s += "\n";
    if (!precedente || precedente->Kind != r.Kind || precedente->Type != r.Type ||
        precedente->Zone != r.Zone || precedente->W != r.W || precedente->H != r.H)
      s += std::string("# ") + NomsGoalKind[r.Kind] + " " + NomsRuleType[r.Type] + " " +
           NomsZone[r.Zone] + " " + std::to_string(r.W) + "x" + std::to_string(r.H) + "\n";
    precedente = &r;
    s += std::string("regle ") + NomsGoalKind[r.Kind] + " " + NomsRuleType[r.Type] + " " +
         NomsZone[r.Zone] + "\n";
    for (int j = 0; j < r.H; j++) {
      s += " ";
      for (int i = 0; i < r.W; i++) {
        s += " ";
        const uint8_t c = r.Motif[j * r.W + i];
        s += c < 3 ? CARACTERES_MOTIF[c] : '?';
      }
      s += "\n";
    }
    auto cellules = [&](const char* nom, const std::vector<int>& l) {
      if (l.empty()) return;
      s += std::string("  ") + nom;
      for (int c : l) s += " " + NomCellule(c, r.W);
      s += "\n";
    };
    auto paires = [&](const char* nom, const std::vector<std::pair<int, int>>& l) {
      if (l.empty()) return;
      s += std::string("  ") + nom;
      for (const auto& [c, n] : l) s += " " + NomCellule(c, r.W) + ":" + std::to_string(n);
      s += "\n";
    };
    auto triplets = [&](const char* nom, const std::vector<std::array<int, 3>>& l) {
      if (l.empty()) return;
      s += std::string("  ") + nom;
      for (const auto& v : l)
        s += " " + NomBut(v[0]) + ":" + NomCellule(v[1], r.W) + ":" + std::to_string(v[2]);
      s += "\n";
    };
    cellules("concernees", r.Concernees);
    cellules("atteindre", r.Atteindre);
    cellules("empecher", r.Empecher);
    paires("au-moins", r.AuMoins);
    paires("au-plus", r.AuPlus);
    paires("au-moins-apres", r.AuMoinsApres);
    paires("au-plus-apres", r.AuPlusApres);
    triplets("valeurs1", r.Valeurs1);
    triplets("valeurs2", r.Valeurs2);
  }
  return s;
}

int ClesParDefaut(const std::string& chemin) {
  const size_t barre = chemin.find_last_of('/');
  const std::string nom = barre == std::string::npos ? chemin : chemin.substr(barre + 1);
  return nom.rfind("Fuzeki", 0) == 0 ? CLE_POSITION : CLE_32_BITS;
}

}  // namespace compilateur
