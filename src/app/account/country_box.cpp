#include "app/account/country_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include "app/account/account_pictures.h"
#include "app/text.h"
#include "online/countries.h"

namespace ostrel {

namespace {

constexpr const char* kContinents[online::kContinentCount] = {
    "Europe", "Asia", "North America", "South America", "Oceania", "Africa"};

std::string CodeOf(int continent, int row) {
  return online::CountryCode({continent, row}).value_or("1-000");
}

}  // namespace

CountryBox::CountryBox(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  continents_ = new QComboBox(this);
  continents_->setObjectName(QStringLiteral("continents"));
  countries_ = new QComboBox(this);
  countries_->setObjectName(QStringLiteral("countries"));
  countries_->setMaxVisibleItems(16);
  countries_->setMinimumContentsLength(16);
  layout->addWidget(continents_);
  layout->addWidget(countries_, 1);
  Retranslate();
  SetCode(code_);
  connect(continents_, &QComboBox::activated, this, &CountryBox::ContinentChosen);
  connect(countries_, &QComboBox::activated, this, &CountryBox::CountryChosen);
}

void CountryBox::Retranslate() {
  const QSignalBlocker block(continents_);
  const int index = continents_->currentIndex();
  continents_->clear();
  for (const char* name : kContinents) continents_->addItem(T(name));
  continents_->setCurrentIndex(std::max(0, index));
}

void CountryBox::FillCountries(int continent) {
  const QSignalBlocker block(countries_);
  countries_->clear();
  for (int row = 0; row < online::CountryRows(continent); ++row) {
    const online::Country country = online::CountryAt(continent, row);
    countries_->addItem(
        QIcon(CountryFlag(continent, row)),
        QString::fromUtf8(country.english.data(), static_cast<qsizetype>(country.english.size())));
  }
}

void CountryBox::SetCode(const std::string& code) {
  const online::CountryPlace place =
      online::ParseCountryCode(code).value_or(online::CountryPlace{1, 0});
  code_ = CodeOf(place.continent, place.row);
  const QSignalBlocker block(continents_);
  continents_->setCurrentIndex(place.continent - 1);
  FillCountries(place.continent);
  const QSignalBlocker block_countries(countries_);
  countries_->setCurrentIndex(place.row < countries_->count() ? place.row : 0);
}

void CountryBox::ContinentChosen(int index) {
  const int continent = index + 1;
  FillCountries(continent);
  countries_->setCurrentIndex(0);
  code_ = CodeOf(continent, 0);
  emit Changed(code_);
}

void CountryBox::CountryChosen(int index) {
  code_ = CodeOf(continents_->currentIndex() + 1, std::max(0, index));
  emit Changed(code_);
}

}  // namespace ostrel
