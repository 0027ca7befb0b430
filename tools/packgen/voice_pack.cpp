// "TarvoCVoice3.dll": the spoken card names that espeak-ng wrote at build time, one WAV clip a
// card and language, stored as they are. The names are made here from the same suit and rank
// codes and language suffixes the program asks with, so a clip missing from the folder (or a
// misspelt one) stops the build instead of leaving a card silent.
#include <QFile>

#include "i18n/language.h"
#include "packs/pack_names.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

// The clips are spoken from 7 to ace: the family's voice has no six.
constexpr std::size_t kFirstSpokenRank = 1;

// Enough of the header to tell a clip from an empty or foreign file; the built-packs test reads
// every clip in full.
bool LooksLikeWav(const QByteArray& bytes) {
  return bytes.size() > 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}

}  // namespace

void BuildVoice(Sink& sink, const QString& clip_folder) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string suffix(FlagSuffix(language));
    for (const char* suit : kSuitPrefixes) {
      for (std::size_t rank = kFirstSpokenRank; rank < kRankCodes.size(); ++rank) {
        const std::string name = std::string(suit) + kRankCodes[rank] + "Voice" + suffix;
        QFile file(clip_folder + QLatin1Char('/') + QString::fromStdString(name) +
                   QStringLiteral(".wav"));
        if (!file.open(QIODevice::ReadOnly)) {
          Die(QStringLiteral("cannot read the clip %1: %2")
                  .arg(file.fileName(), file.errorString()));
        }
        const QByteArray bytes = file.readAll();
        if (!LooksLikeWav(bytes)) Die(QStringLiteral("%1 is no WAV clip").arg(file.fileName()));
        sink.Raw(name, PackKind::kWav, bytes);
      }
    }
  }
}

}  // namespace ostrel::packgen
