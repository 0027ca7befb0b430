// The continent list and the country list with flags, shared by the account window and the
// passport: a country is kept as its code "d-ddd". Choosing a continent makes the code
// "d-000" and refills the countries; choosing a country puts its row in the code.
#pragma once

#include <QWidget>
#include <string>

class QComboBox;

namespace ostrel {

class CountryBox : public QWidget {
  Q_OBJECT
 public:
  explicit CountryBox(QWidget* parent = nullptr);

  // Shows the code without sending Changed; a malformed code shows Europe, Unknown.
  void SetCode(const std::string& code);
  const std::string& Code() const { return code_; }
  QComboBox* Continents() { return continents_; }
  QComboBox* Countries() { return countries_; }
  void Retranslate();

 signals:
  // The user chose a continent or a country.
  void Changed(const std::string& code);

 private:
  void FillCountries(int continent);
  void ContinentChosen(int index);
  void CountryChosen(int index);

  QComboBox* continents_;
  QComboBox* countries_;
  std::string code_ = "1-001";
  bool filling_ = false;
};

}  // namespace ostrel
