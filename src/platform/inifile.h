#pragma once
// A small private-profile (INI) file: "[Section]" headers followed by
// "Key=Value" lines. Section and key names match without regard to case, so
// "Range" and "range" are one section; a section and a key keep the spelling
// they were first written with. Writing keeps every other line of the file
// (comments, other sections) and puts a new key at the end of its section (or
// before the keys it is told come after it) and a new section at the end of
// the file. Lines are written with CR LF.
#include <QList>
#include <QString>
#include <QStringList>

namespace tvx {

class IniFile {
 public:
  // Largest file that is read; anything bigger is not an INI file of ours.
  static constexpr qint64 kMaxBytes = 1 << 20;

  enum class LoadResult { Read, Missing, Failed };

  IniFile() = default;
  explicit IniFile(const QString& path) : path_(path) {}

  const QString& Path() const { return path_; }

  // Reads the file. A missing file gives an empty profile (Missing); a file
  // that cannot be read or is too large leaves the contents as they were
  // (Failed).
  LoadResult Load();
  // Writes the whole profile through a save file; false when that fails.
  bool Save() const;

  // Parses `text` in place of the current contents.
  void Parse(const QString& text);
  // The contents as written to disk.
  QString Text() const;

  // The value of `key` in `section`, trimmed; `fallback` when either is absent.
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  // The value as a whole decimal number; `fallback` when absent or not a number.
  int ReadInteger(const QString& section, const QString& key, int fallback) const;
  // A key the section does not hold yet goes before the first of `before`
  // that it holds, else after its last key.
  void WriteString(const QString& section, const QString& key, const QString& value,
                   const QStringList& before = {});
  void WriteInteger(const QString& section, const QString& key, int value, const QStringList& before = {});

  bool HasSection(const QString& section) const { return FindSection(section) >= 0; }
  // Section names in file order, as spelled in the file.
  QStringList Sections() const;
  // Keys of a section in file order, as spelled in the file.
  QStringList Keys(const QString& section) const;

 private:
  struct Line {
    bool entry = false;  // a "key=value" line; otherwise kept verbatim in `text`
    QString key;
    QString value;
    QString text;
  };
  struct Section {
    QString name;
    QList<Line> lines;
  };

  int FindSection(const QString& name) const;
  static int FindKey(const Section& section, const QString& key);

  QString path_;
  QList<Line> preamble_;  // lines before the first section
  QList<Section> sections_;
};

}  // namespace tvx
