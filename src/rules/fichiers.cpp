#include "rules/fichiers.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "version.h"

std::string DossierExecutable() {
  std::error_code erreur;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", erreur);
  if (erreur) return "";
  return exe.parent_path().string();
}

std::vector<std::string> DossiersDonnees() {
  std::vector<std::string> dossiers;
  const std::string exe = DossierExecutable();
  if (!exe.empty()) {
    dossiers.push_back(exe);
    dossiers.push_back(
        (std::filesystem::path(exe) / ILVANE_DONNEES_RELATIVES).lexically_normal().string());
  }
  dossiers.emplace_back(ILVANE_DONNEES_INSTALLEES);
  return dossiers;
}

std::FILE* OuvreFichierDonnees(const char* nom) {
  std::FILE* f = std::fopen(nom, "rb");
  if (f) return f;
  const int erreur = errno;
  if (std::filesystem::path(nom).is_relative()) {
    for (const std::string& dossier : DossiersDonnees()) {
      f = std::fopen((std::filesystem::path(dossier) / nom).string().c_str(), "rb");
      if (f) return f;
    }
  }
  errno = erreur;
  return nullptr;
}
