// Collects the drawn pictures: writes each into the output folder and keeps the
// list from which the resource collection file is written at the end.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ostrel::artgen {

class Sink {
 public:
  explicit Sink(QString folder);

  void Png(const QString& name, const QImage& image);
  void Jpeg(const QString& name, const QImage& image, int quality);
  // Frames of one animation, all of one size; delay in hundredths of a second.
  void Gif(const QString& name, const QList<QImage>& frames, int delay, bool loop);

  // Writes the collection file listing every picture under its bare name.
  bool WriteCollection(const QString& file_name);

  const QStringList& errors() const { return errors_; }
  int count() const { return static_cast<int>(entries_.size()); }

 private:
  bool Claim(const QString& name);
  QString folder_;
  std::vector<std::pair<QString, QString>> entries_;  // picture name, file name
  QStringList errors_;
};

}  // namespace ostrel::artgen
