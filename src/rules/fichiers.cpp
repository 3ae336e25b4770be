#include "rules/fichiers.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

std::string DossierExecutable() {
  std::error_code erreur;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", erreur);
  if (erreur) return "";
  return exe.parent_path().string();
}

std::FILE* OuvreFichierDonnees(const char* nom) {
  std::FILE* f = std::fopen(nom, "rb");
  if (f) return f;
  const int erreur = errno;
  const std::string dossier = DossierExecutable();
  if (!dossier.empty() && std::filesystem::path(nom).is_relative()) {
    f = std::fopen((std::filesystem::path(dossier) / nom).string().c_str(), "rb");
    if (f) return f;
  }
  errno = erreur;
  return nullptr;
}
