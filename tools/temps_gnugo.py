#!/usr/bin/env python3
"""Times GNU Go's genmove on the fixed positions of the engine-move benchmark
(bench/analysis/positions_jeu.h), at levels 1 and 10 by default, so that the
engine's own figures can be put beside GNU Go's on the same positions.

    python3 tools/temps_gnugo.py [--levels 1,10] [--csv temps.csv]

For each level: the median and maximum wall time of a genmove (from the
command sent to the answer read) and of the processor time GNU Go reports
(its cputime command), over all the positions.
"""

import argparse
import os
import re
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match import Moteur, gnugo  # noqa: E402

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ENTREE = re.compile(r'\{(\d+), (\d+), (\d+), ([12]),((?:[\s,]*"[^"]*")+)\}')


def lit_positions(fichier):
    """The positions of the header: (level, seed, moves, colour to move, [moves as (colour, vertex)])."""
    with open(fichier, encoding="utf-8") as f:
        texte = f.read()
    positions = []
    for m in ENTREE.finditer(texte):
        chaines = re.findall(r'"([^"]*)"', m.group(5))
        sequence = "".join(c for c in chaines if not c.endswith("\\n")).split()
        coups = list(zip(sequence[0::2], sequence[1::2]))
        if len(coups) != int(m.group(3)):
            raise SystemExit("%s: the position level %s seed %s has %d moves, not %s"
                             % (fichier, m.group(1), m.group(2), len(coups), m.group(3)))
        positions.append((int(m.group(1)), int(m.group(2)), int(m.group(3)), int(m.group(4)), coups))
    if not positions:
        raise SystemExit("%s: no position found" % fichier)
    return positions


def chronometre(commande, niveau, positions):
    """(wall seconds, processor seconds) of one genmove per position."""
    m = Moteur("%s --mode gtp --level %d --seed 1 --chinese-rules" % (commande, niveau), os.getcwd(), None)
    m.demarre()
    temps = []
    try:
        for _, _, _, trait, coups in positions:
            for c in ("boardsize 9", "clear_board", "komi 7"):
                m.envoie(c, 30)
            for couleur, vertex in coups:
                ok, texte = m.envoie("play %s %s" % (couleur, vertex), 30)
                if not ok:
                    raise SystemExit("GNU Go refused play %s %s: %s" % (couleur, vertex, texte))
            _, avant = m.envoie("cputime", 30)
            debut = time.monotonic()
            ok, texte = m.envoie("genmove " + ("black" if trait == 1 else "white"), 600)
            mur = time.monotonic() - debut
            _, apres = m.envoie("cputime", 30)
            if not ok:
                raise SystemExit("GNU Go failed on genmove: %s" % texte)
            temps.append((mur, float(apres) - float(avant)))
    finally:
        m.arrete()
    return temps


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--positions", default=os.path.join(RACINE, "bench", "analysis", "positions_jeu.h"))
    parser.add_argument("--levels", default="1,10", help="GNU Go levels, separated by commas (default 1,10)")
    parser.add_argument("--gnugo", default=gnugo())
    parser.add_argument("--csv", help="also write each position's times to this file")
    opts = parser.parse_args()
    positions = lit_positions(opts.positions)
    lignes = ["level,game_level,seed,moves,wall_ms,cpu_ms"]
    for niveau in (int(n) for n in opts.levels.split(",")):
        temps = chronometre(opts.gnugo, niveau, positions)
        murs, cpus = [1000 * t for t, _ in temps], [1000 * c for _, c in temps]
        print("gnugo level %d genmove over %d positions: median %.1f ms, max %.1f ms; "
              "processor time median %.1f ms, max %.1f ms"
              % (niveau, len(temps), statistics.median(murs), max(murs), statistics.median(cpus), max(cpus)),
              flush=True)
        lignes += ["%d,%d,%d,%d,%.2f,%.2f" % (niveau, p[0], p[1], p[2], m, c)
                   for p, m, c in zip(positions, murs, cpus)]
    if opts.csv:
        with open(opts.csv, "w", encoding="utf-8") as f:
            f.write("\n".join(lignes) + "\n")


if __name__ == "__main__":
    main()
