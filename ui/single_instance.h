// The single running copy: the first copy listens on a local socket named
// after the program and the user; a later copy asks it to restore and raise
// its window, then ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace kestrel {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // key: the socket's name; DefaultKey() for the program.
  explicit SingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
  ~SingleInstance() override;

  // "Kestrel-", the user's login name and the display (Wayland's, else X's),
  // with characters other than letters, digits, "-" and "_" as "_".
  static QString DefaultKey();

  enum class Outcome {
    kFirst,      // no other copy: this one now listens and should run
    kRaised,     // another copy answered and was asked to come forward: end quietly
    kNoAnswer,   // another copy holds the name but did not answer: say so and end
  };
  // Looks for a running copy and, when there is none, starts listening.
  Outcome Claim(int timeoutMs = 2000);

  bool IsListening() const;

 signals:
  // Another copy asked this one to restore and raise its window.
  void showRequested();

 private:
  void OnNewConnection();

  QString key_;
  QLocalServer* server_ = nullptr;
};

}  // namespace kestrel
