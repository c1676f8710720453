// The single running copy, over a local socket.
#include "ui/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace kestrel {
namespace {

constexpr char kShow[] = "show\n";
constexpr char kShown[] = "shown\n";

}  // namespace

SingleInstance::SingleInstance(QString key, QObject* parent) : QObject(parent), key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultKey() {
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = QString::number(::getuid());
  // One copy per user and per display: a copy on another X display or
  // Wayland session neither answers nor blocks this one.
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  QString key = QStringLiteral("Kestrel-") + user;
  if (!display.isEmpty()) key += QLatin1Char('-') + display;
  for (QChar& c : key)
    if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) c = QLatin1Char('_');
  return key;
}

bool SingleInstance::IsListening() const { return server_ && server_->isListening(); }

SingleInstance::Outcome SingleInstance::Claim(int timeoutMs) {
  // Two copies started at the same moment take turns here.
  QLockFile lock(QDir::tempPath() + "/" + key_ + ".lock");
  lock.setStaleLockTime(10000);
  lock.tryLock(timeoutMs);

  QLocalSocket socket;
  socket.connectToServer(key_);
  if (socket.waitForConnected(timeoutMs)) {
    socket.write(kShow);
    bool answered = socket.waitForBytesWritten(timeoutMs) && socket.waitForReadyRead(timeoutMs) &&
                    socket.readLine().startsWith("shown");
    socket.disconnectFromServer();
    return answered ? Outcome::kRaised : Outcome::kNoAnswer;
  }
  // Nobody answers: a name left behind by a copy that crashed is removed.
  QLocalServer::removeServer(key_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  server_->listen(key_);
  return Outcome::kFirst;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        if (socket->readLine() == kShow) {
          socket->write(kShown);
          socket->flush();
          emit showRequested();
        }
      }
    });
  }
}

}  // namespace kestrel
