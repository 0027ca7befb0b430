#include "app/text.h"

#include "i18n/phrases.h"

namespace ostrel {

QString T(PhraseKey key) {
  const std::string_view text = Phrase(key);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString T(const char* english) {
  if (const auto key = FindPhraseByEnglish(english)) return T(*key);
  return QString::fromUtf8(english);
}

QString CaptionText(Caption caption) {
  switch (caption) {
    case Caption::None:
      return {};
    case Caption::ToBegin:
      return T("To Begin");
    case Caption::ToPlay:
      return T("To Play");
    case Caption::Pass:
      return T("Pass");
    case Caption::BuyCards:
      return T("Buy cards");
    case Caption::ExhibitCombinations:
      return T("Exhibit combinations");
    case Caption::Ok:
      return T("Ok");
    case Caption::NextRound:
      return T("Next Round");
    case Caption::ToSumUp:
      return T("To sum up of game");
    case Caption::ExitToMenu:
      return T("Exit to menu");
  }
  return {};
}

QString WordsText(const std::vector<Words>& words, const std::string& seat_name) {
  QString text;
  for (Words w : words) {
    switch (w) {
      case Words::SeatName:
        text += QString::fromStdString(seat_name);
        break;
      case Words::ToPlay:
        text += T("To Play");
        break;
      case Words::Pass:
        text += T("Pass");
        break;
      case Words::Bella:
        text += T("Bella");
        break;
      case Words::NoCombinations:
        text += T("No combinations");
        break;
      case Words::WeakCombination:
        text += T("Weak Combination");
        break;
      case Words::Ostrel:
        text += T("Ostrel");
        break;
      case Words::Tertz:
        text += T("Tertz");
        break;
      case Words::Plus:
        text += QStringLiteral(" + ");
        break;
      case Words::YouLose:
        text += T("You lose!");
        break;
      case Words::YourTimeIsUp:
        text += T("Your time is up!");
        break;
      case Words::RefusedFollowSuit:
        text += T("Follow suit!");
        break;
      case Words::RefusedPlayTrump:
        text += T("Play a trump!");
        break;
      case Words::RefusedOverTrump:
        text += T("Beat the trump!");
        break;
    }
  }
  return text;
}

}  // namespace ostrel
