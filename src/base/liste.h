#pragma once

// Bounded lists: the program's one general container. A list is its count
// followed by its elements, all inline, so that it can live inside static
// tables and records and be copied with a plain copy.

#include <cstdint>
#include <cstdio>

#include "base/trace.h"

// Moves stored in lists may carry flags above bit 8; "by point" operations
// compare only the point.
inline constexpr int32_t MASQUE_POINT = 0x1FF;

template <int N>
struct Liste {
  static_assert(N > 0);
  static constexpr int Capacite = N;

  int32_t Nombre = 0;
  int32_t Elements[N];

  // Elements are indexed from 0 here; the count is Nombre.
  int32_t& operator[](int i) { return Elements[i]; }
  const int32_t& operator[](int i) const { return Elements[i]; }
  int32_t* begin() { return Elements; }
  int32_t* end() { return Elements + Nombre; }
  const int32_t* begin() const { return Elements; }
  const int32_t* end() const { return Elements + Nombre; }
};

namespace detail {
inline bool MemePoint(int32_t a, int32_t b) {
  return ((a ^ b) & MASQUE_POINT) == 0;
}
}  // namespace detail

template <int N>
void Vide(Liste<N>& l) {
  l.Nombre = 0;
}

// Appends v. A full list keeps its elements: the overflow is reported and v dropped.
template <int N>
bool Ajoute(Liste<N>& l, int32_t v) {
  if (l.Nombre >= N) {
    Signale("Pb Ajoute Liste pleine (%d elements), %d perdu\n", N, v);
    return false;
  }
  l.Elements[l.Nombre++] = v;
  return true;
}

// Removes and returns the last element (0 for an empty list).
template <int N>
int32_t Depile(Liste<N>& l) {
  if (l.Nombre <= 0) return 0;
  return l.Elements[--l.Nombre];
}

template <int N>
bool AjouteSiAbsent(Liste<N>& l, int32_t v) {
  for (int32_t x : l)
    if (x == v) return false;
  return Ajoute(l, v);
}

template <int N, int M>
void AjouteTousSiAbsents(Liste<N>& a, const Liste<M>& b) {
  for (int32_t v : b) AjouteSiAbsent(a, v);
}

// By point: an element with the same point takes the value's flags too.
template <int N>
void AjouteOuFusionne(Liste<N>& l, int32_t v) {
  for (int32_t& x : l) {
    if (detail::MemePoint(x, v)) {
      x |= v;
      return;
    }
  }
  Ajoute(l, v);
}

template <int N>
bool Contient(const Liste<N>& l, int32_t v) {
  for (int32_t x : l)
    if (detail::MemePoint(x, v)) return true;
  return false;
}

// Removes every element equal to v, keeping the order of the others.
template <int N>
int Retire(Liste<N>& l, int32_t v) {
  int k = 0;
  for (int i = 0; i < l.Nombre; i++)
    if (l.Elements[i] != v) l.Elements[k++] = l.Elements[i];
  l.Nombre = k;
  return k;
}

template <int N, int M>
void RetireTous(Liste<N>& a, const Liste<M>& b) {
  // a and b may be the same list, which would shrink under the loop
  if (static_cast<const void*>(&a) == static_cast<const void*>(&b)) {
    Vide(a);
    return;
  }
  for (int32_t v : b) Retire(a, v);
}

// Keeps in a, in order, the elements whose point is in b.
template <int N, int M>
void GardeCommuns(Liste<N>& a, const Liste<M>& b) {
  int k = 0;
  for (int i = 0; i < a.Nombre; i++)
    if (Contient(b, a.Elements[i])) a.Elements[k++] = a.Elements[i];
  a.Nombre = k;
}

template <int N, int M>
bool EstInclus(const Liste<N>& a, const Liste<M>& b) {
  for (int32_t v : a)
    if (!Contient(b, v)) return false;
  return true;
}

template <int N, int M>
bool Disjointes(const Liste<N>& a, const Liste<M>& b) {
  for (int32_t x : a)
    for (int32_t y : b)
      if (x == y) return false;
  return true;
}

template <int N, int M>
void Copie(Liste<N>& a, const Liste<M>& b) {
  // a and b may be the same list: emptying a would empty b
  if (static_cast<const void*>(&a) == static_cast<const void*>(&b)) return;
  Vide(a);
  for (int32_t v : b)
    if (!Ajoute(a, v)) return;
}

template <int N, int M>
void Concatene(Liste<N>& a, const Liste<M>& b) {
  const int n = b.Nombre;  // a and b may be the same list
  for (int i = 0; i < n; i++)
    if (!Ajoute(a, b.Elements[i])) return;
}

template <int N>
void TrieCroissant(Liste<N>& l) {
  for (int i = 0; i < l.Nombre; i++)
    for (int j = i + 1; j < l.Nombre; j++)
      if (l.Elements[i] > l.Elements[j]) {
        const int32_t t = l.Elements[i];
        l.Elements[i] = l.Elements[j];
        l.Elements[j] = t;
      }
}

// Sorts by decreasing key, moving the keys (a parallel list) with the
// elements; equal keys keep their order.
template <int N, int M>
void TrieParCles(Liste<N>& l, Liste<M>& cles) {
  const int n = l.Nombre < cles.Nombre ? l.Nombre : cles.Nombre;
  bool echange = true;
  while (echange) {
    echange = false;
    for (int i = 0; i + 1 < n; i++) {
      if (cles.Elements[i + 1] > cles.Elements[i]) {
        int32_t t = cles.Elements[i];
        cles.Elements[i] = cles.Elements[i + 1];
        cles.Elements[i + 1] = t;
        t = l.Elements[i];
        l.Elements[i] = l.Elements[i + 1];
        l.Elements[i + 1] = t;
        echange = true;
      }
    }
  }
}

template <int N>
void EcritListe(std::FILE* f, const char* titre, const Liste<N>& l) {
  std::fprintf(f, "%s%d elts:", titre, l.Nombre);
  for (int32_t v : l) std::fprintf(f, " %d", v);
  std::fprintf(f, "\n");
}
