#!/usr/bin/env python3
"""Makes the fixed positions of the engine-move benchmark: GNU Go plays itself
on 9x9 (komi 7, Chinese rules) at several levels and seeds, and 60 positions
are taken from those games at move numbers spread evenly from 5 to 60 (GNU Go
passes early when it judges the board settled, so the late move numbers come
from the few long games). Writes them as a C++ header (bench/analysis/
positions_jeu.h), which tools/temps_gnugo.py reads back. The games are
deterministic for a given GNU Go, so running it again gives the same file.

    python3 tools/positions_jeu.py [--out bench/analysis/positions_jeu.h]
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from goban_gtp import PASSE, Goban, adverse  # noqa: E402
from match import Moteur, gnugo  # noqa: E402

NIVEAUX = (1, 3, 5, 7, 10)
PARTIES = 30
POSITIONS = 60
PREMIER, DERNIER = 5, 60
RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

ENTETE = """#pragma once

// Fixed 9x9 positions for the engine-move benchmark, taken at move numbers
// spread from %d to %d in GNU Go self-play games (komi 7, Chinese rules, the
// levels and seeds given), so that
// timings stay comparable from one commit to the next. Made by
// tools/positions_jeu.py; tools/temps_gnugo.py times GNU Go on the same
// positions. Do not edit by hand: run the script again.
// sequence: the moves from the empty board, in GTP form ("B E5 W C3 ...");
// diagramme: the position after them ('X' black, 'O' white, '.' empty), for
// DamierDe in tests/diagramme.h; trait: the colour to move (1 black, 2 white).

struct PositionJeu {
  int niveau;
  unsigned graine;
  int coups;
  int trait;
  const char* sequence;
  const char* diagramme;
};

inline constexpr PositionJeu PositionsJeu[] = {
"""


def partie(niveau, graine, commande):
    """One self-play game of GNU Go, stopped after DERNIER + 1 moves: the list
    of (colour, point) and the board."""
    m = Moteur("%s --mode gtp --level %d --seed %d --chinese-rules" % (commande, niveau, graine), os.getcwd(), None)
    m.demarre()
    try:
        for c in ("boardsize 9", "clear_board", "komi 7"):
            m.envoie(c, 30)
        g, coups, couleur, passes = Goban(9), [], "B", 0
        while len(coups) <= DERNIER and passes < 2:
            ok, texte = m.envoie("genmove " + ("black" if couleur == "B" else "white"), 300)
            if not ok or texte.lower() == "resign":
                break
            p = g.lit_vertex(texte)
            if p is None or not g.joue(couleur, p):
                raise SystemExit("GNU Go played %s for %s, which this board finds illegal" % (texte, couleur))
            coups.append((couleur, p))
            passes = passes + 1 if p == PASSE else 0
            couleur = adverse(couleur)
        # The board here must agree with GNU Go's own.
        for c, nom in (("B", "black"), ("W", "white")):
            _, texte = m.envoie("list_stones " + nom, 30)
            chez_gnugo = sorted(g.lit_vertex(v) for v in texte.split())
            if chez_gnugo != sorted(p for p in range(81) if g.cases[p] == c):
                raise SystemExit("this board and GNU Go's differ after level %d seed %d" % (niveau, graine))
        return coups
    finally:
        m.arrete()


def position(coups, k):
    g = Goban(9)
    for c, p in coups[:k]:
        g.joue(c, p)
    return g


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(RACINE, "bench", "analysis", "positions_jeu.h"))
    parser.add_argument("--gnugo", default=gnugo())
    opts = parser.parse_args()
    parties = []
    for n in range(PARTIES):
        niveau, graine = NIVEAUX[n % len(NIVEAUX)], n + 1
        coups = partie(niveau, graine, opts.gnugo)
        parties.append((niveau, graine, coups))
        print("level %d seed %d: %d moves" % (niveau, graine, len(coups)), file=sys.stderr)
    # Each target move number goes to the game, long enough for it (a move left
    # to play), that gave the fewest positions so far; the longest game when
    # none is long enough.
    choix, pris = [], [0] * len(parties)
    for i in range(POSITIONS):
        cible = round(PREMIER + (DERNIER - PREMIER) * i / (POSITIONS - 1))
        longues = [j for j, (_, _, c) in enumerate(parties) if len(c) - 1 >= cible and (j, cible) not in choix]
        if not longues:
            longues = [max(range(len(parties)), key=lambda j: len(parties[j][2]))]
        j = min(longues, key=lambda j: (pris[j], j))
        pris[j] += 1
        choix.append((j, min(cible, len(parties[j][2]) - 1)))
    entrees = []
    for j, k in sorted(set(choix)):
        niveau, graine, coups = parties[j]
        g = position(coups, k)
        mots = ["%s %s" % (c, g.vertex(p)) for c, p in coups[:k]]
        sequence = '"\n     "'.join(" ".join(mots[i:i + 12]) + (" " if i + 12 < k else "")
                                     for i in range(0, k, 12))
        trait = 1 if coups[k][0] == "B" else 2
        diagramme = "".join('\n     "%s\\n"' % ligne for ligne in g.diagramme().split("\n"))
        entrees.append('    {%d, %d, %d, %d,\n     "%s",%s},\n' % (niveau, graine, k, trait, sequence, diagramme))
    with open(opts.out, "w", encoding="utf-8") as f:
        f.write(ENTETE % (PREMIER, DERNIER) + "".join(entrees) + "};\n")
    print("%d positions written to %s" % (len(entrees), opts.out), file=sys.stderr)


if __name__ == "__main__":
    main()
