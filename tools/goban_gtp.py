"""A small Go board for the match tools: stones, captures, suicide and simple
ko, GTP vertices and SGF points. Python 3 standard library only.

Colours are 'B' and 'W'; a point is an index y * size + x, with y = 0 the top
row (the SGF order); PASSE stands for a pass.
"""

PASSE = -1
LETTRES = "ABCDEFGHJKLMNOPQRSTUVWXYZ"  # GTP columns skip I


def adverse(couleur):
    return "W" if couleur == "B" else "B"


class Goban:
    def __init__(self, taille=9):
        self.taille = taille
        self.cases = [None] * (taille * taille)
        self.ko = None  # the point the side to move may not retake at once
        self.prises = {"B": 0, "W": 0}  # stones each colour has captured
        self.voisins = [self._voisins(p) for p in range(taille * taille)]

    def _voisins(self, p):
        n = self.taille
        x, y = p % n, p // n
        v = []
        if x > 0:
            v.append(p - 1)
        if x < n - 1:
            v.append(p + 1)
        if y > 0:
            v.append(p - n)
        if y < n - 1:
            v.append(p + n)
        return v

    def diagonales(self, p):
        n = self.taille
        x, y = p % n, p // n
        return [(x + dx) + (y + dy) * n for dx in (-1, 1) for dy in (-1, 1)
                if 0 <= x + dx < n and 0 <= y + dy < n]

    def chaine(self, p):
        """The string through p and its liberties (two sets)."""
        c = self.cases[p]
        pierres, libertes, pile = {p}, set(), [p]
        while pile:
            q = pile.pop()
            for v in self.voisins[q]:
                if self.cases[v] is None:
                    libertes.add(v)
                elif self.cases[v] == c and v not in pierres:
                    pierres.add(v)
                    pile.append(v)
        return pierres, libertes

    def legal(self, couleur, p):
        if p == PASSE:
            return True
        if not 0 <= p < len(self.cases) or self.cases[p] is not None or p == self.ko:
            return False
        essai = self.copie()
        return essai._pose(couleur, p)

    def joue(self, couleur, p):
        """Plays the move if it is legal; returns whether it was."""
        if p == PASSE:
            self.ko = None
            return True
        if not 0 <= p < len(self.cases) or self.cases[p] is not None or p == self.ko:
            return False
        essai = self.copie()
        if not essai._pose(couleur, p):
            return False
        self.__dict__.update(essai.__dict__)
        return True

    def _pose(self, couleur, p):
        self.cases[p] = couleur
        prises = set()
        for v in self.voisins[p]:
            if self.cases[v] == adverse(couleur) and v not in prises:
                pierres, libertes = self.chaine(v)
                if not libertes:
                    prises |= pierres
        for q in prises:
            self.cases[q] = None
        pierres, libertes = self.chaine(p)
        if not libertes:
            return False  # suicide
        self.prises[couleur] += len(prises)
        # A single stone that took a single stone and has one liberty: ko.
        self.ko = next(iter(prises)) if len(prises) == 1 and len(pierres) == 1 and len(libertes) == 1 else None
        return True

    def copie(self):
        g = Goban.__new__(Goban)
        g.taille, g.voisins = self.taille, self.voisins
        g.cases, g.ko, g.prises = list(self.cases), self.ko, dict(self.prises)
        return g

    def oeil(self, couleur, p):
        """An empty point all of whose neighbours are the colour's stones and
        whose diagonals hold at most one enemy stone (none on the edge)."""
        if self.cases[p] is not None or any(self.cases[v] != couleur for v in self.voisins[p]):
            return False
        diag = self.diagonales(p)
        ennemis = sum(1 for d in diag if self.cases[d] == adverse(couleur))
        return ennemis == 0 if len(diag) < 4 else ennemis <= 1

    def vertex(self, p):
        if p == PASSE:
            return "pass"
        return "%s%d" % (LETTRES[p % self.taille], self.taille - p // self.taille)

    def lit_vertex(self, texte):
        """The point of a GTP vertex, PASSE for pass, None if it is no vertex."""
        t = texte.strip().upper()
        if t == "PASS":
            return PASSE
        if len(t) < 2 or t[0] not in LETTRES[:self.taille] or not t[1:].isdigit():
            return None
        x, rang = LETTRES.index(t[0]), int(t[1:])
        if not 1 <= rang <= self.taille:
            return None
        return (self.taille - rang) * self.taille + x

    def sgf(self, p):
        if p == PASSE:
            return ""
        return "abcdefghijklmnopqrstuvwxyz"[p % self.taille] + "abcdefghijklmnopqrstuvwxyz"[p // self.taille]

    def diagramme(self):
        """One line per row, top first: 'X' black, 'O' white, '.' empty."""
        n = self.taille
        signes = {None: ".", "B": "X", "W": "O"}
        return "\n".join("".join(signes[self.cases[y * n + x]] for x in range(n)) for y in range(n))
