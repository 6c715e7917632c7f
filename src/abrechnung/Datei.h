// Writing files so that a crash or a full disk never leaves a half-written file: the bytes go to
// a temporary file beside the target, which then replaces the target in one rename. And the
// German sentences for what went wrong with a file.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

struct stat;

namespace salvaro {

// The reason for a failed file operation in German ("keine Berechtigung", "der Datenträger ist
// voll" ...); the system's own text only for the rare causes without a sentence of ours.
std::string DateiGrund(int fehlernummer);
// Why a file could not be opened for reading: a missing file and a missing directory on its way
// are told apart ("sie existiert nicht", "das Verzeichnis "D" existiert nicht").
std::string LeseGrund(const std::string& pfad, int fehlernummer);
// "Die Datei "P" kann nicht gelesen werden: <reason>."
std::string LeseFehler(const std::string& pfad, int fehlernummer);
// 0 when the file can be opened for reading, otherwise the error number (EISDIR for a directory).
int LeseFehlernummer(const std::string& pfad);

// A stream buffer that writes to a file descriptor in chunks of 64 KiB. After a failed write it
// takes nothing more; the stream on it turns bad and Fehlernummer() says why.
class DateiPuffer : public std::streambuf {
 public:
  explicit DateiPuffer(int fd = -1);
  // Starts over on another descriptor, the error forgotten. With vorausschreiben the system is
  // asked every few MiB to start putting what was written on disk, so that a closing fsync of a
  // large file has little left to wait for.
  void Beginne(int fd, bool vorausschreiben = false);
  // Writes to a pipe or socket whose reader has gone fail with EPIPE instead of ending the
  // program with SIGPIPE (until the next Beginne).
  void OhneSigpipe() { ohneSigpipe_ = true; }
  int Fehlernummer() const { return fehlernummer_; }

 protected:
  int_type overflow(int_type zeichen) override;
  std::streamsize xsputn(const char* daten, std::streamsize anzahl) override;
  int sync() override;

 private:
  bool leere();
  bool schreibe(const char* daten, std::size_t anzahl);
  int fd_;
  int fehlernummer_ = 0;
  bool vorausschreiben_ = false;
  bool ohneSigpipe_ = false;
  std::size_t geschrieben_ = 0;  // bytes written to fd_
  std::size_t angestossen_ = 0;  // of which the disk write was started
  std::array<char, 65536> puffer_;
};

// Whether an existing regular file is marked read-only for this user (for root: no write bit at
// all). A device, a FIFO or a socket never is: opening it says whether it may be written.
bool IstSchreibgeschuetzt(const std::string& pfad);

// Whether opening a FIFO that nobody reads yet waits for its reader, as a shell's redirection
// does (the command line), or is refused at once (the window, which must not freeze). Off by
// default.
void WarteAufFifoLeser(bool warten);

// What happens to an existing file that the user may not write.
enum class Schreibschutz { Verweigern, Ersetzen };

// A file written through a temporary file beside its target: Oeffne, write to Strom(), then
// Uebernimm (fsync and rename) or Verwirf (or destroy it) to leave the old file as it was.
// A symbolic link is written through: the temporary file lies beside the link's target, which
// is replaced. An existing file keeps its permissions. The temporary files are named
// ".NAME.salvaro-XXXXXX"; one left by an interrupted earlier save of the same file is removed,
// one that a running save holds is not (it stays locked from its creation to its rename).
// A target (or a link's target) that is a character device, a FIFO or a socket is no file to
// replace: it is written into directly, and Verwirf can take back nothing already written. A
// block device and a loop of symbolic links are refused.
class AtomareDatei {
 public:
  AtomareDatei();
  ~AtomareDatei();
  AtomareDatei(const AtomareDatei&) = delete;
  AtomareDatei& operator=(const AtomareDatei&) = delete;

  // "" when the temporary file is open, otherwise the German message.
  std::string Oeffne(const std::string& pfad, Schreibschutz schutz = Schreibschutz::Verweigern);
  std::ostream& Strom() { return strom_; }
  // Writes what is buffered, syncs and renames; "" on success, otherwise the German message
  // (the temporary file is then removed and the old file left as it was).
  std::string Uebernimm();
  void Verwirf();

 private:
  std::string oeffneDirekt(const struct stat& alt, const std::string& kannNicht);
  std::string pfad_;  // as the caller named it, for the messages
  std::string ziel_;  // the file the rename replaces (a link's target)
  std::string temp_;  // the temporary file
  int fd_ = -1;
  bool neu_ = true;     // no file at ziel_ when opened
  bool direkt_ = false;  // written into ziel_ itself (a device, a FIFO, a socket)
  DateiPuffer puffer_;
  std::ostream strom_;
};

// Writes the whole content through AtomareDatei. Returns an empty string on success, otherwise
// a German description of the failure; an existing file at the path is then left as it was.
std::string SchreibeDateiAtomar(const std::string& pfad, std::string_view inhalt,
                                Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
