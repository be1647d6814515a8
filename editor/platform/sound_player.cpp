#include "editor/platform/sound_player.h"

#include "editor/platform/wav_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

namespace rivetbench::platform {
namespace {
constexpr qint64 kMaxSoundBytes = 8 * 1024 * 1024; // interface clicks are a few kilobytes
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void SoundPlayer::play(const QString& wavFile) {
    QFile file(wavFile);
    if (wavFile.isEmpty() || file.size() > kMaxSoundBytes || !file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    const auto sound = parseWav(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!sound) return;
    lastPlayed_ = wavFile;
    stop();

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setChannelCount(sound->channels);
    format.setSampleRate(static_cast<int>(sound->sampleRate));
    format.setSampleFormat(sound->bitsPerSample == 8    ? QAudioFormat::UInt8
                           : sound->bitsPerSample == 16 ? QAudioFormat::Int16
                                                        : QAudioFormat::Int32);
    if (!device.isFormatSupported(format)) return;
    samples_ = QByteArray(sound->samples.data(), static_cast<qsizetype>(sound->samples.size()));
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}

} // namespace rivetbench::platform
