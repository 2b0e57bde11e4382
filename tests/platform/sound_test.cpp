// The wave-file reader the player checks a file with, and the recorder that
// stands in for the player.
#include <gtest/gtest.h>

#include <QtEndian>

#include "platform/sound.h"

using namespace tvx;

namespace {

QByteArray Le32(quint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian(v, b.data());
  return b;
}
QByteArray Le16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian(v, b.data());
  return b;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body, qint64 declared = -1) {
  QByteArray c = id + Le32(static_cast<quint32>(declared < 0 ? body.size() : declared)) + body;
  if (body.size() % 2) c += '\0';
  return c;
}

QByteArray Fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int extra = 0) {
  const quint16 align = static_cast<quint16>(channels * bits / 8);
  QByteArray body = Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
  body += QByteArray(extra, '\0');
  return Chunk("fmt ", body);
}

QByteArray Riff(const QByteArray& chunks) { return "RIFF" + Le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks; }

}  // namespace

TEST(WaveInfo, PlainMonoFileGivesFormatAndLength) {
  // 16 kHz, 16-bit, one channel: 32000 bytes are one second.
  const QByteArray file = Riff(Fmt(1, 1, 16000, 16) + Chunk("data", QByteArray(32000, '\x01')));
  ASSERT_EQ(file.size(), 44 + 32000);  // the common 44-byte header
  const auto info = ReadWaveInfo(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Channels, 1);
  EXPECT_EQ(info->SampleRate, 16000);
  EXPECT_EQ(info->BitsPerSample, 16);
  EXPECT_EQ(info->DataBytes, 32000);
  EXPECT_EQ(info->Frames(), 16000);
  EXPECT_DOUBLE_EQ(info->Seconds(), 1.0);
}

TEST(WaveInfo, OtherChunksAreSkippedWithTheirPadding) {
  // An odd-length LIST chunk before the format and a fact chunk before the
  // data; an 18-byte format chunk with its extension size.
  const QByteArray file = Riff(Chunk("LIST", QByteArray(7, 'x')) + Fmt(1, 2, 22050, 8, 2) +
                               Chunk("fact", Le32(11025)) + Chunk("data", QByteArray(22050, '\x80')));
  const auto info = ReadWaveInfo(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Channels, 2);
  EXPECT_EQ(info->BitsPerSample, 8);
  EXPECT_EQ(info->Frames(), 11025);
  EXPECT_DOUBLE_EQ(info->Seconds(), 0.5);
}

TEST(WaveInfo, RefusesWhatThePlayerCannotPlayOrAFileCutShort) {
  const QByteArray data = Chunk("data", QByteArray(100, '\0'));
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const QByteArray good = Riff(Fmt(1, 1, 16000, 16) + data);
  ASSERT_TRUE(ReadWaveInfo(good));
  QByteArray badAlign = good;
  badAlign[32] = 4;  // block align of a one-channel 16-bit file is 2
  const Case cases[] = {
      {"empty", QByteArray()},
      {"not RIFF", "RIFX" + good.mid(4)},
      {"not WAVE", good.left(8) + "AVI " + good.mid(12)},
      {"float samples", Riff(Fmt(3, 1, 16000, 32) + data)},
      {"compressed", Riff(Fmt(2, 1, 16000, 4) + data)},
      {"extensible format tag", Riff(Fmt(0xFFFE, 1, 16000, 16) + data)},
      {"24-bit", Riff(Fmt(1, 1, 16000, 24) + data)},
      {"no channels", Riff(Fmt(1, 0, 16000, 16) + data)},
      {"six channels", Riff(Fmt(1, 6, 16000, 16) + data)},
      {"zero rate", Riff(Fmt(1, 1, 0, 16) + data)},
      {"block align wrong", badAlign},
      {"data before format", Riff(data + Fmt(1, 1, 16000, 16))},
      {"no data chunk", Riff(Fmt(1, 1, 16000, 16))},
      {"data longer than the file", Riff(Fmt(1, 1, 16000, 16) + Chunk("data", QByteArray(100, '\0'), 101))},
      {"data length near 4 GB", Riff(Fmt(1, 1, 16000, 16) + Chunk("data", QByteArray(10, '\0'), 0xFFFFFFF0u))},
      {"format chunk cut short", Riff(Chunk("fmt ", QByteArray(12, '\0')) + data)},
      {"file ends inside the format", good.left(30)},
      {"chunk length runs past the end", Riff(Chunk("LIST", QByteArray(4, 'x'), 0xFFFFFFFFu))},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadWaveInfo(c.bytes)) << c.what;
}

TEST(WaveInfo, MissingFileIsNoWave) { EXPECT_FALSE(ReadWaveFile("/nonexistent/folder/ding.wav")); }

TEST(SoundService, RecorderStandsInWhileInstalledAndPlaysNothing) {
  SoundService* real = &Sound();
  {
    ScopedRecordingSound recorder;
    EXPECT_EQ(&Sound(), &recorder);
    EXPECT_TRUE(Sound().Play("/data/Navdata/ding1.wav", true));
    Sound().Play("/data/Navdata/terrain.wav", false);
    Sound().Stop();
    ASSERT_EQ(recorder.played.size(), 2);
    EXPECT_TRUE(recorder.played[0].loop);
    EXPECT_FALSE(recorder.played[1].loop);
    EXPECT_EQ(recorder.Names(), QStringList({"ding1.wav", "terrain.wav"}));
    EXPECT_EQ(recorder.stops, 1);
    recorder.Clear();
    EXPECT_TRUE(recorder.played.isEmpty());
    EXPECT_EQ(recorder.stops, 0);
  }
  EXPECT_EQ(&Sound(), real);
}
