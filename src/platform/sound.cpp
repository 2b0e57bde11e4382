#include "platform/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <QtEndian>

namespace tvx {

namespace {

quint32 U32(const QByteArray& b, qint64 at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData() + at));
}
quint16 U16(const QByteArray& b, qint64 at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData() + at));
}

constexpr quint16 kPcmFormat = 1;
// Larger files are no alarm or call-out; they are not read whole.
constexpr qint64 kMaxWaveBytes = 16 * 1024 * 1024;

// Plays through one QSoundEffect, made on first use as a child of the
// application so that it goes (and falls silent) with it.
class QtSound : public SoundService {
 public:
  bool Play(const QString& path, bool loop) override {
    Stop();
    if (!QCoreApplication::instance()) return false;
    // Checked before the file, so a machine without sound never loads one.
    if (QMediaDevices::audioOutputs().isEmpty()) return false;
    if (!ReadWaveFile(path)) return false;
    if (!effect_) effect_ = new QSoundEffect(QCoreApplication::instance());
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (effect_->source() != url) effect_->setSource(url);
    effect_->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect_->play();
    return true;
  }
  void Stop() override {
    if (effect_) effect_->stop();
  }

 private:
  QPointer<QSoundEffect> effect_;
};

SoundService* g_sound = nullptr;

}  // namespace

std::optional<WaveInfo> ReadWaveInfo(const QByteArray& bytes) {
  const qint64 size = bytes.size();
  if (size < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") return std::nullopt;
  std::optional<WaveInfo> format;
  qint64 at = 12;
  // Chunks: a four-letter id, a 32-bit length, the body padded to even length.
  while (at + 8 <= size) {
    const QByteArray id = bytes.mid(at, 4);
    const qint64 length = U32(bytes, at + 4);
    const qint64 body = at + 8;
    if (id == "fmt ") {
      if (length < 16 || body + 16 > size) return std::nullopt;
      WaveInfo w;
      const quint16 tag = U16(bytes, body);
      w.Channels = U16(bytes, body + 2);
      w.SampleRate = static_cast<int>(U32(bytes, body + 4));
      const quint16 blockAlign = U16(bytes, body + 12);
      w.BitsPerSample = U16(bytes, body + 14);
      if (tag != kPcmFormat || (w.Channels != 1 && w.Channels != 2) ||
          (w.BitsPerSample != 8 && w.BitsPerSample != 16) || w.SampleRate < 1000 || w.SampleRate > 192000 ||
          blockAlign != w.Channels * w.BitsPerSample / 8)
        return std::nullopt;
      format = w;
    } else if (id == "data") {
      // The format comes first; the sound must lie within the file.
      if (!format || length > size - body) return std::nullopt;
      format->DataBytes = length;
      return format;
    }
    at = body + length + (length & 1);
  }
  return std::nullopt;
}

std::optional<WaveInfo> ReadWaveFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWaveBytes) return std::nullopt;
  return ReadWaveInfo(file.readAll());
}

QStringList RecordingSound::Names() const {
  QStringList names;
  for (const Entry& e : played) names << QFileInfo(e.path).fileName();
  return names;
}

SoundService& Sound() {
  static QtSound real;
  return g_sound ? *g_sound : real;
}

void SetSoundService(SoundService* service) { g_sound = service; }

}  // namespace tvx
