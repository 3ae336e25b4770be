#!/usr/bin/env python3
"""A GTP engine whose first moves of each game are random, for matches
between deterministic engines that would otherwise replay one game.

    tools/match.py --engine1 "tools/ouverture_aleatoire.py --coups 2 --graine 1 -- build/src/gtp/ilvane-gtp" ...

Every command goes to the engine unchanged, except genmove while the game has
had fewer than 2 * --coups moves: a random empty point (drawn from the seed
and the game number) is played with 'play' and answered instead. The engine
runs in this program's working folder. Python 3 standard library only.
"""
import argparse
import random
import subprocess
import sys

COLONNES = "ABCDEFGHJKLMNOPQRST"


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--coups", type=int, default=2, help="random moves of each side per game (default 2)")
    p.add_argument("--graine", type=int, default=1, help="seed (default 1)")
    p.add_argument("moteur", nargs=argparse.REMAINDER, help="-- then the engine's command line")
    a = p.parse_args()
    commande = a.moteur[1:] if a.moteur and a.moteur[0] == "--" else a.moteur
    moteur = subprocess.Popen(commande, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def demande(ligne):
        moteur.stdin.write(ligne + "\n")
        moteur.stdin.flush()
        reponse = []
        while True:
            l = moteur.stdout.readline()
            if not l:
                sys.exit(1)
            if l.strip() == "" and reponse:
                return "".join(reponse)
            if l.strip() != "" or reponse:
                reponse.append(l)

    taille, partie, occupes, coups = 9, 0, set(), 0
    for ligne in sys.stdin:
        mots = ligne.split()
        if not mots:
            continue
        verbe = mots[0].lower()
        if verbe == "boardsize":
            taille = int(mots[1])
        if verbe == "clear_board":
            partie, occupes, coups = partie + 1, set(), 0
        if verbe == "play" and len(mots) > 2 and mots[2].lower() != "pass":
            occupes.add(mots[2].upper())
            coups += 1
        if verbe == "genmove" and coups < 2 * a.coups:
            alea = random.Random(a.graine * 100003 + partie * 101 + coups)
            libres = [f"{COLONNES[x]}{y}" for x in range(taille) for y in range(1, taille + 1)
                      if f"{COLONNES[x]}{y}" not in occupes]
            alea.shuffle(libres)
            for m in libres:
                if demande(f"play {mots[1]} {m}").startswith("="):
                    occupes.add(m)
                    coups += 1
                    sys.stdout.write(f"= {m}\n\n")
                    sys.stdout.flush()
                    break
            continue
        reponse = demande(ligne.strip())
        if verbe == "genmove" and reponse.startswith("=") and reponse[1:].strip().lower() not in ("pass", "resign"):
            occupes.add(reponse[1:].strip().upper())
            coups += 1
        sys.stdout.write(reponse if reponse.endswith("\n\n") else reponse.rstrip("\n") + "\n\n")
        sys.stdout.flush()
        if verbe == "quit":
            break
    moteur.stdin.close()
    moteur.wait()


if __name__ == "__main__":
    main()
