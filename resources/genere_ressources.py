#!/usr/bin/env python3
"""Draws Ilvane's own images: the wood texture "wood" of the board (320 x 240,
8 bits per pixel with a palette, as a BMP file) and the window icon (PNG).

The images are kept in the repository, so the build does not need this
script; run it again only to change them:  python3 resources/genere_ressources.py
Everything is computed from a fixed seed, so the output is always the same.
"""

import math
import os
import random
import struct
import zlib

ICI = os.path.dirname(os.path.abspath(__file__))
LARGEUR, HAUTEUR = 320, 240


class Bruit:
    """Smooth value noise on a grid of random values (cosine interpolation)."""

    def __init__(self, graine, taille=64):
        alea = random.Random(graine)
        self.taille = taille
        self.valeurs = [[alea.random() for _ in range(taille)] for _ in range(taille)]

    def __call__(self, x, y):
        t = self.taille
        x0, y0 = math.floor(x), math.floor(y)
        fx, fy = x - x0, y - y0
        fx = (1 - math.cos(fx * math.pi)) / 2
        fy = (1 - math.cos(fy * math.pi)) / 2
        v = self.valeurs
        a = v[y0 % t][x0 % t] * (1 - fx) + v[y0 % t][(x0 + 1) % t] * fx
        b = v[(y0 + 1) % t][x0 % t] * (1 - fx) + v[(y0 + 1) % t][(x0 + 1) % t] * fx
        return a * (1 - fy) + b * fy


def palette_bois():
    """256 colours from the dark late wood of a ring to the pale early wood."""
    sombre = (168, 118, 58)
    clair = (236, 196, 128)
    couleurs = []
    for i in range(256):
        t = i / 255
        couleurs.append(tuple(round(s + (c - s) * t) for s, c in zip(sombre, clair)))
    return couleurs


def indices_bois():
    """One palette index per pixel: straight-grained wood, the grain running down
    the board (the texture is stretched to 660 x 660, more in height)."""
    bruit = Bruit(1729)
    fin = Bruit(4242)
    lignes = []
    for y in range(HAUTEUR):
        ligne = []
        for x in range(LARGEUR):
            # Rings: the distance across the grain, bent slowly along it.
            u = x + 10 * bruit(x / 120, y / 220) + 3 * bruit(x / 30 + 7, y / 90 + 3)
            # Rings of uneven width: a slow noise stretches the distance across.
            u = u + 40 * bruit(x / 70 + 21, 5.5)
            anneau = (u / 13.0) % 1.0
            # Late wood is a narrow dark band, early wood a wide pale one.
            bande = math.exp(-((anneau - 0.5) ** 2) / 0.008)
            fibre = fin(x / 1.5, y / 18)  # fine streaks along the grain
            v = 0.80 - 0.30 * bande - 0.12 * fibre + 0.16 * (bruit(x / 160 + 11, y / 200) - 0.5)
            ligne.append(max(0, min(255, round(v * 255))))
        lignes.append(ligne)
    return lignes


def ecrit_bmp_8bits(nom, lignes, couleurs):
    h, w = len(lignes), len(lignes[0])
    pas = (w + 3) & ~3
    taille_palette = 256 * 4
    debut = 14 + 40 + taille_palette
    taille = debut + pas * h
    donnees = bytearray()
    donnees += struct.pack("<2sIHHI", b"BM", taille, 0, 0, debut)
    donnees += struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, pas * h, 2835, 2835, 256, 0)
    for r, g, b in couleurs:
        donnees += bytes((b, g, r, 0))
    for ligne in reversed(lignes):  # bottom-up rows
        donnees += bytes(ligne) + bytes(pas - w)
    with open(nom, "wb") as f:
        f.write(donnees)


def ecrit_png_rgba(nom, pixels):
    h, w = len(pixels), len(pixels[0])
    brut = bytearray()
    for ligne in pixels:
        brut.append(0)
        for p in ligne:
            brut += bytes(p)

    def bloc(genre, contenu):
        return (struct.pack(">I", len(contenu)) + genre + contenu +
                struct.pack(">I", zlib.crc32(genre + contenu) & 0xFFFFFFFF))

    png = b"\x89PNG\r\n\x1a\n"
    png += bloc(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += bloc(b"IDAT", zlib.compress(bytes(brut), 9))
    png += bloc(b"IEND", b"")
    with open(nom, "wb") as f:
        f.write(png)


def icone(taille, bois, couleurs):
    """A corner of a board on wood with a black and a white stone, antialiased by
    4 x 4 supersampling."""
    n = 4
    pixels = []
    marge = taille * 0.06
    rayon_coin = taille * 0.14
    pas = (taille - 2 * marge) / 3.2
    lignes = [marge + pas * (0.6 + i) for i in range(3)]
    epaisseur = max(1.0, taille / 40)
    pierres = [(lignes[1], lignes[1], (20, 20, 20)), (lignes[2], lignes[0], (245, 245, 240))]
    r_pierre = pas * 0.47
    for j in range(taille):
        ligne = []
        for i in range(taille):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(n):
                for si in range(n):
                    x = i + (si + 0.5) / n
                    y = j + (sj + 0.5) / n
                    # Rounded square of wood.
                    cx = min(max(x, marge + rayon_coin), taille - marge - rayon_coin)
                    cy = min(max(y, marge + rayon_coin), taille - marge - rayon_coin)
                    if (x - cx) ** 2 + (y - cy) ** 2 > rayon_coin ** 2:
                        continue
                    c = couleurs[bois[int(y / taille * HAUTEUR)][int(x / taille * LARGEUR)]]
                    for v in lignes:
                        if (abs(x - v) < epaisseur / 2 and y > lignes[0] - epaisseur / 2) or (
                                abs(y - v) < epaisseur / 2 and x > lignes[0] - epaisseur / 2):
                            c = (30, 24, 16)
                    for px, py, pc in pierres:
                        d = math.hypot(x - px, y - py)
                        if d < r_pierre:
                            c = (0, 0, 0) if d > r_pierre - epaisseur else pc
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
                    acc[3] += 255
            k = n * n
            a = acc[3] / k
            if a == 0:
                ligne.append((0, 0, 0, 0))
            else:
                ligne.append(tuple(round(acc[m] / (acc[3] / 255)) for m in range(3)) + (round(a),))
        pixels.append(ligne)
    return pixels


def main():
    couleurs = palette_bois()
    bois = indices_bois()
    ecrit_bmp_8bits(os.path.join(ICI, "wood.bmp"), bois, couleurs)
    ecrit_png_rgba(os.path.join(ICI, "ilvane.png"), icone(128, bois, couleurs))


if __name__ == "__main__":
    main()
