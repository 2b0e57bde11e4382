#pragma once
// Wave sounds of the program: alarms and call-outs played from .wav files
// while the program goes on. Every sound goes through SoundService, so that
// tests can replace it with a recorder; a machine without an audio device,
// or a file that is missing or no plain wave file, stays silent.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tvx {

// The format and length of an uncompressed (PCM) wave file.
struct WaveInfo {
  int Channels = 0;
  int SampleRate = 0;     // frames per second
  int BitsPerSample = 0;  // 8 or 16
  qint64 DataBytes = 0;   // bytes of sound data
  qint64 Frames() const { return Channels > 0 && BitsPerSample > 0 ? DataBytes / (Channels * BitsPerSample / 8) : 0; }
  double Seconds() const { return SampleRate > 0 ? double(Frames()) / SampleRate : 0; }
};

// The format of the wave file held in `bytes`: a RIFF "WAVE" file with a
// "fmt " chunk of 8- or 16-bit PCM on one or two channels and a "data" chunk
// that lies within the bytes. Other chunks are skipped. nullopt for anything
// else, including a file cut short.
std::optional<WaveInfo> ReadWaveInfo(const QByteArray& bytes);
// The same for a file on disk; nullopt when it cannot be read.
std::optional<WaveInfo> ReadWaveFile(const QString& path);

class SoundService {
 public:
  virtual ~SoundService() = default;
  // Starts playing the wave file at `path` and returns at once. One sound
  // plays at a time: a sound still playing stops first. With `loop` the sound
  // repeats until Stop. False when nothing plays.
  virtual bool Play(const QString& path, bool loop) = 0;
  // Stops the sound that is playing, if any.
  virtual void Stop() = 0;
};

// The service in use; the real one over Qt Multimedia unless a test installed another.
SoundService& Sound();
// Installs `service` (not owned); nullptr brings the real one back.
void SetSoundService(SoundService* service);

// Records what was asked for and plays nothing.
class RecordingSound : public SoundService {
 public:
  struct Entry {
    QString path;
    bool loop = false;
  };
  bool Play(const QString& path, bool loop) override {
    played << Entry{path, loop};
    return true;
  }
  void Stop() override { ++stops; }
  // The bare file names played, in order ("ding.wav", ...).
  QStringList Names() const;
  void Clear() {
    played.clear();
    stops = 0;
  }

  QList<Entry> played;
  int stops = 0;
};

// Installs a recorder for the lifetime of a scope.
class ScopedRecordingSound : public RecordingSound {
 public:
  ScopedRecordingSound() { SetSoundService(this); }
  ~ScopedRecordingSound() override { SetSoundService(nullptr); }
};

}  // namespace tvx
