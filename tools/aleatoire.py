#!/usr/bin/env python3
"""A random GTP player for smoke matches: it plays a legal move at random,
never fills one of its own one-point eyes, and passes when nothing else is
left. Python 3 standard library only.

    tools/aleatoire.py [--seed N]
"""

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from goban_gtp import PASSE, Goban  # noqa: E402

COMMANDES = ["protocol_version", "name", "version", "known_command", "list_commands", "quit",
             "boardsize", "clear_board", "komi", "play", "genmove", "reg_genmove", "undo",
             "showboard", "time_settings", "time_left"]


class Joueur:
    def __init__(self, graine):
        self.hasard = random.Random(graine)
        self.goban = Goban(9)
        self.historique = []

    def choisit(self, couleur):
        g = self.goban
        coups = [p for p in range(len(g.cases)) if g.cases[p] is None and not g.oeil(couleur, p)]
        self.hasard.shuffle(coups)
        return next((p for p in coups if g.legal(couleur, p)), PASSE)

    def couleur(self, texte):
        t = texte.lower()
        return "B" if t in ("b", "black") else "W" if t in ("w", "white") else None

    def traite(self, cmd, args):
        """The answer to one command: (ok, text)."""
        g = self.goban
        if cmd == "protocol_version":
            return True, "2"
        if cmd == "name":
            return True, "aleatoire"
        if cmd == "version":
            return True, "1"
        if cmd == "known_command":
            return True, "true" if args and args[0] in COMMANDES else "false"
        if cmd == "list_commands":
            return True, "\n".join(COMMANDES)
        if cmd == "quit":
            return True, ""
        if cmd == "boardsize":
            if not args or not args[0].isdigit() or not 2 <= int(args[0]) <= 25:
                return False, "unacceptable size"
            self.goban, self.historique = Goban(int(args[0])), []
            return True, ""
        if cmd == "clear_board":
            self.goban, self.historique = Goban(g.taille), []
            return True, ""
        if cmd in ("komi", "time_settings", "time_left"):
            return True, ""
        if cmd == "play":
            c = self.couleur(args[0]) if len(args) == 2 else None
            p = g.lit_vertex(args[1]) if c else None
            if p is None:
                return False, "invalid color or coordinate"
            avant = g.copie()
            if not g.joue(c, p):
                return False, "illegal move"
            self.historique.append(avant)
            return True, ""
        if cmd in ("genmove", "reg_genmove"):
            c = self.couleur(args[0]) if args else None
            if not c:
                return False, "invalid color"
            p = self.choisit(c)
            if cmd == "genmove":
                self.historique.append(g.copie())
                g.joue(c, p)
            return True, g.vertex(p)
        if cmd == "undo":
            if not self.historique:
                return False, "cannot undo"
            self.goban = self.historique.pop()
            return True, ""
        if cmd == "showboard":
            return True, "\n" + g.diagramme()
        return False, "unknown command"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=None, help="seed of the random choices")
    joueur = Joueur(parser.parse_args().seed)
    for ligne in sys.stdin:
        ligne = ligne.split("#", 1)[0].strip()
        if not ligne:
            continue
        mots = ligne.split()
        ident = ""
        if mots[0].isdigit():
            ident, mots = mots[0], mots[1:]
            if not mots:
                continue
        ok, texte = joueur.traite(mots[0].lower(), mots[1:])
        sys.stdout.write("%s%s %s\n\n" % ("=" if ok else "?", ident, texte))
        sys.stdout.flush()
        if mots[0].lower() == "quit":
            break


if __name__ == "__main__":
    main()
