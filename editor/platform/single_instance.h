#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace rivetbench::platform {

// One running instance per user: the first start listens under a name; a later start tells it to
// come forward and ends. Stale names left by a crashed instance are taken over. The name is shared
// by all users of the machine, so the caller makes it per user (e.g. "RIVETBENCH-" + user name).
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;
    // True when another instance runs; it has then been asked to activate its window.
    bool anotherIsRunning() const { return another_; }

  signals:
    void activationRequested(); // the primary instance raises and restores its window

  private:
    bool another_ = false;
    QLocalServer* server_ = nullptr;
};

} // namespace rivetbench::platform
