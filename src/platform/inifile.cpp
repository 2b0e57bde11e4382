#include "platform/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/textutil.h"

namespace tvx {

IniFile::LoadResult IniFile::Load() {
  const QFileInfo info(path_);
  if (!info.exists()) {
    preamble_.clear();
    sections_.clear();
    return LoadResult::Missing;
  }
  if (!info.isFile() || info.size() > kMaxBytes) return LoadResult::Failed;
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return LoadResult::Failed;
  const QByteArray bytes = file.read(kMaxBytes + 1);
  if (bytes.size() > kMaxBytes) return LoadResult::Failed;
  Parse(QString::fromLatin1(bytes));
  return LoadResult::Read;
}

void IniFile::Parse(const QString& text) {
  preamble_.clear();
  sections_.clear();
  QStringList lines = text.split('\n');
  // The text after the last line break is a line only when it holds something.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString raw : lines) {
    if (raw.endsWith('\r')) raw.chop(1);
    const QString trimmed = raw.trimmed();
    if (trimmed.startsWith('[') && trimmed.indexOf(']') > 0) {
      sections_.append({trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed(), {}});
      continue;
    }
    Line line;
    const int eq = trimmed.indexOf('=');
    if (eq > 0 && !trimmed.startsWith(';')) {
      line.entry = true;
      line.key = trimmed.left(eq).trimmed();
      line.value = trimmed.mid(eq + 1).trimmed();
    } else {
      line.text = raw;
    }
    (sections_.isEmpty() ? preamble_ : sections_.last().lines).append(line);
  }
}

QString IniFile::Text() const {
  QString out;
  auto put = [&out](const QList<Line>& lines) {
    for (const Line& l : lines) out += (l.entry ? l.key + '=' + l.value : l.text) + "\r\n";
  };
  put(preamble_);
  for (const Section& s : sections_) {
    out += '[' + s.name + "]\r\n";
    put(s.lines);
  }
  return out;
}

bool IniFile::Save() const {
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(Text().toLatin1());
  return file.commit();
}

int IniFile::FindSection(const QString& name) const {
  for (int i = 0; i < sections_.size(); ++i)
    if (sections_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int IniFile::FindKey(const Section& section, const QString& key) {
  for (int i = 0; i < section.lines.size(); ++i)
    if (section.lines[i].entry && section.lines[i].key.compare(key, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
  const int s = FindSection(section);
  if (s < 0) return fallback;
  const int k = FindKey(sections_[s], key);
  return k < 0 ? fallback : sections_[s].lines[k].value;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
  int value = 0;
  return TryParseInt(ReadString(section, key, QString()), value) ? value : fallback;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value,
                          const QStringList& before) {
  int s = FindSection(section);
  if (s < 0) {
    sections_.append({section, {}});
    s = static_cast<int>(sections_.size()) - 1;
  }
  QList<Line>& lines = sections_[s].lines;
  const int k = FindKey(sections_[s], key);
  if (k >= 0) {
    lines[k].value = value;
    return;
  }
  // After the section's last key, before any blank lines or comments that
  // trail it; or before the first key that is to follow it.
  int at = 0;
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].entry) at = i + 1;
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].entry && before.contains(lines[i].key, Qt::CaseInsensitive)) {
      at = i;
      break;
    }
  Line line;
  line.entry = true;
  line.key = key;
  line.value = value;
  lines.insert(at, line);
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value, const QStringList& before) {
  WriteString(section, key, QString::number(value), before);
}

QStringList IniFile::Sections() const {
  QStringList names;
  for (const Section& s : sections_) names << s.name;
  return names;
}

QStringList IniFile::Keys(const QString& section) const {
  QStringList keys;
  const int s = FindSection(section);
  if (s < 0) return keys;
  for (const Line& l : sections_[s].lines)
    if (l.entry) keys << l.key;
  return keys;
}

}  // namespace tvx
