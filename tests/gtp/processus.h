#pragma once

// A GTP engine run as a child process, spoken to through pipes: the way a GUI
// or a match program drives it.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

// Whether this test program runs under AddressSanitizer: long randomised runs
// then do less.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool AvecSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool AvecSanitizer = true;
#else
inline constexpr bool AvecSanitizer = false;
#endif
#else
inline constexpr bool AvecSanitizer = false;
#endif

class ProcessusGtp {
 public:
  // Starts argv[0] with its arguments; its error stream goes to the file
  // erreurs (or is dropped), and it runs in the directory dossier if given.
  explicit ProcessusGtp(const std::vector<std::string>& argv, const std::string& erreurs = "",
                        const std::string& dossier = "") {
    signal(SIGPIPE, SIG_IGN);
    int entree[2], sortie[2];
    if (pipe(entree) != 0 || pipe(sortie) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
      dup2(entree[0], 0);
      dup2(sortie[1], 1);
      const int e =
          open(erreurs.empty() ? "/dev/null" : erreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (e >= 0) dup2(e, 2);
      close(entree[0]);
      close(entree[1]);
      close(sortie[0]);
      close(sortie[1]);
      if (!dossier.empty() && chdir(dossier.c_str()) != 0) _exit(126);
      std::vector<char*> args;
      for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
    close(entree[0]);
    close(sortie[1]);
    ecriture_ = entree[1];
    lecture_ = sortie[0];
  }

  ~ProcessusGtp() {
    FermeEntree();
    if (lecture_ >= 0) close(lecture_);
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  ProcessusGtp(const ProcessusGtp&) = delete;
  ProcessusGtp& operator=(const ProcessusGtp&) = delete;

  // Sends text as it is (add the new lines yourself).
  void Envoie(const std::string& texte) {
    lectureCourte_ = false;
    size_t fait = 0;
    while (fait < texte.size()) {
      const ssize_t n = write(ecriture_, texte.data() + fait, texte.size() - fait);
      if (n <= 0) throw std::runtime_error("engine closed its input");
      fait += static_cast<size_t>(n);
    }
  }

  // Reads one answer, up to and including its blank line; "" at the end of
  // the engine's output.
  std::string LitReponse() {
    for (;;) {
      const size_t fin = tampon_.find("\n\n");
      if (fin != std::string::npos) {
        std::string r = tampon_.substr(0, fin + 2);
        tampon_.erase(0, fin + 2);
        return r;
      }
      if (!Lit()) {
        std::string r;
        r.swap(tampon_);
        return r;
      }
    }
  }

  // One command line, its answer.
  std::string Commande(const std::string& ligne) {
    Envoie(ligne + "\n");
    return LitReponse();
  }

  // The text of a success answer ("= text\n\n" gives "text"); throws on failure.
  std::string Succes(const std::string& ligne) {
    const std::string r = Commande(ligne);
    if (r.size() < 4 || r[0] != '=' || r.compare(r.size() - 2, 2, "\n\n") != 0)
      throw std::runtime_error("'" + ligne + "' answered '" + r + "'");
    const size_t espace = r.find(' ');
    return r.substr(espace + 1, r.size() - espace - 3);
  }

  void FermeEntree() {
    if (ecriture_ >= 0) close(ecriture_);
    ecriture_ = -1;
  }

  // Everything the engine writes until it ends.
  std::string LitTout() {
    while (Lit()) {
    }
    std::string r;
    r.swap(tampon_);
    return r;
  }

  // Waits for the end of the process; its exit code, or -1 if it was killed.
  int Attend() {
    int statut = 0;
    waitpid(pid_, &statut, 0);
    pid_ = -1;
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
  }

 private:
  bool Lit() {
    // An engine that writes each answer in several small pieces would wake
    // the reader for every piece: after a short read, let more gather first.
    if (lectureCourte_) usleep(200);
    char buf[1 << 16];
    const ssize_t n = read(lecture_, buf, sizeof buf);
    if (n <= 0) return false;
    tampon_.append(buf, static_cast<size_t>(n));
    lectureCourte_ = n < 256;
    return true;
  }

  pid_t pid_ = -1;
  int ecriture_ = -1;
  int lecture_ = -1;
  std::string tampon_;
  bool lectureCourte_ = false;
};

// The GNU Go program if it is installed (on PATH, or where Debian puts it).
inline std::string CheminGnuGo() {
  std::vector<std::string> dossiers;
  if (const char* path = std::getenv("PATH")) {
    std::string p = path;
    size_t debut = 0;
    for (;;) {
      const size_t fin = p.find(':', debut);
      dossiers.push_back(p.substr(debut, fin - debut));
      if (fin == std::string::npos) break;
      debut = fin + 1;
    }
  }
  dossiers.push_back("/usr/games");
  for (const std::string& d : dossiers) {
    const std::string chemin = (d.empty() ? "." : d) + "/gnugo";
    if (access(chemin.c_str(), X_OK) == 0) return chemin;
  }
  return "";
}
