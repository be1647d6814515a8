#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;
class QBuffer;

namespace rivetbench::platform {

// Plays a short PCM wav file without waiting; a new sound cuts off the one playing. A missing or
// undecodable file, or no sound device, gives silence, never an error or a wait. The samples go
// straight to an audio sink: Qt 6.4's sample cache can block the caller for good on some files.
class SoundPlayer : public QObject {
    Q_OBJECT
  public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;
    void play(const QString& wavFile);
    // The last file accepted for playing (readable PCM), whether or not a device sounded it.
    QString lastPlayed() const { return lastPlayed_; }

  private:
    void stop();
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
    QString lastPlayed_;
};

} // namespace rivetbench::platform
